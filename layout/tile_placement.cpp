#include "layout/tile_placement.h"

#include "common/rounding.h"
#include "common/string_table.h"
#include "layout/poster_state.h"

#include <algorithm>
#include <cmath>

namespace tessellon {
namespace {

constexpr short kCentred = 100;
constexpr short kMaxCentre = 200;

int NearestOr(double v, int fallback) {
    return Nearest(v).value_or(fallback);
}

// One axis of the placement label: "(center)", "(left 30%)", or the full-span word.
QString AxisLabel(short& centre, bool windowSmaller, int lowWord, int highWord, int fullWord) {
    auto bracket = [](const QString& s) { return u'(' + s + u')'; };
    if (!windowSmaller) {
        centre = kCentred;
        return bracket(StringTable::Text(fullWord));
    }
    if (centre == kCentred)
        return bracket(StringTable::Text(str::Center));
    if (centre > kCentred)
        return bracket(StringTable::Text(highWord) + u' ' + QString::number(centre - kCentred) +
                       u'%');
    return bracket(StringTable::Text(lowWord) + u' ' + QString::number(kCentred - centre) + u'%');
}

short DragAxis(short startCentre, double delta, int freeRoom) {
    // Without room to move (or with a window a rounding step wider than the image) the
    // window can only sit centred.
    if (freeRoom <= 0)
        return kCentred;
    const double c = std::clamp(startCentre + delta / freeRoom * 200.0, 0.0, 200.0);
    return static_cast<short>(NearestOr(c, kCentred));
}

} // namespace

int TilePlacement::ArrowStep(int iArrowRepeat) {
    if (iArrowRepeat <= 0)
        return 1;
    if (iArrowRepeat <= 4)
        return 2;
    if (iArrowRepeat <= 15)
        return 5;
    if (iArrowRepeat <= 25)
        return 10;
    if (iArrowRepeat <= 35)
        return 20;
    return 0;
}

std::optional<ArrowDirection> TilePlacement::ArrowHitTest(double x, double y, double w, double h) {
    if (!(w > 0) || !(h > 0))
        return std::nullopt;
    const double dy = std::abs(0.5 - y / h);
    if (dy >= 0.25) {
        const double dx = std::abs(0.5 - x / w);
        if (dx >= 0.25)
            return std::nullopt;
        return y / h < 0.5 ? kArrowUp : kArrowDown;
    }
    return x / w >= 0.5 ? kArrowRight : kArrowLeft;
}

bool TilePlacement::StepArrow(PosterState& state, ArrowDirection direction, int& iArrowRepeat) {
    const int step = ArrowStep(iArrowRepeat);
    auto towardsZero = [step](short& v) {
        if (v <= 0)
            return false;
        v = static_cast<short>(std::max(0, v - step));
        return true;
    };
    auto towardsMax = [step](short& v) {
        if (v >= kMaxCentre)
            return false;
        v = static_cast<short>(std::min<int>(kMaxCentre, v + step));
        return true;
    };
    bool moved = false;
    switch (direction) {
    case kArrowUp:
        moved = towardsZero(state.iVertCenter);
        break;
    case kArrowRight:
        moved = towardsMax(state.iHorzCenter);
        break;
    case kArrowDown:
        moved = towardsMax(state.iVertCenter);
        break;
    case kArrowLeft:
        moved = towardsZero(state.iHorzCenter);
        break;
    case kArrowNone:
        return false;
    }
    if (moved)
        ++iArrowRepeat;
    return moved;
}

PlacementLabels TilePlacement::UpdatePlacementLabels(PosterState& state,
                                                     const PreviewGeometry& geo) {
    if (!state.bImgSelected)
        return {QStringLiteral("---"), QStringLiteral("---")};
    const int picW = NearestOr(state.lImgWidth * geo.dPreviewScale, 0);
    const int picH = NearestOr(state.lImgHeight * geo.dPreviewScale, 0);
    PlacementLabels labels;
    // The window's outline sits on its last pixel's first preview column, so in a preview
    // enlarged beyond the image's own size a window spanning the image falls short of the
    // picture by up to one image pixel; only a larger gap means there is room to move.
    const double span = std::max(1.0, geo.dPreviewScale);
    labels.horizontal = AxisLabel(state.iHorzCenter, picW - geo.WindowWidth() >= span, str::Left,
                                  str::Right, str::FullWidth);
    labels.vertical = AxisLabel(state.iVertCenter, picH - geo.WindowHeight() >= span, str::Up,
                                str::Down, str::FullHeight);
    return labels;
}

bool TilePlacement::IsInPosterWindow(double x, double y, const PreviewGeometry& geo) {
    const auto px = Nearest(x);
    const auto py = Nearest(y);
    return px && py && geo.iWinLeft <= *px && *px <= geo.iWinRight && geo.iWinTop <= *py &&
           *py <= geo.iWinBottom;
}

DragStart TilePlacement::BeginDrag(const PosterState& state, double x, double y) {
    return {NearestOr(x, 0), NearestOr(y, 0), state.iHorzCenter, state.iVertCenter};
}

void TilePlacement::DragPosterWindow(PosterState& state, const PreviewGeometry& geo,
                                     const DragStart& start, double x, double y) {
    const int freeX = NearestOr(state.lImgWidth * geo.dPreviewScale - geo.WindowWidth(), 0);
    const int freeY = NearestOr(state.lImgHeight * geo.dPreviewScale - geo.WindowHeight(), 0);
    state.iHorzCenter = DragAxis(start.iDragStartHorz, x - start.iDragStartX, freeX);
    state.iVertCenter = DragAxis(start.iDragStartVert, y - start.iDragStartY, freeY);
}

QString TilePlacement::ZoomLabel(int value) {
    return u'(' + QString::number(value) + QStringLiteral("%)");
}

QStringList TilePlacement::RotationItems() {
    return {StringTable::Text(str::NoRotate), StringTable::Text(str::CwRotate),
            StringTable::Text(str::CcwRotate), StringTable::Text(str::Rotate180)};
}

short TilePlacement::RotationAngle(int listIndex) {
    switch (listIndex) {
    case 1:
        return 90;
    case 2:
        return 270;
    case 3:
        return 180;
    default:
        return 0;
    }
}

int TilePlacement::RotationDelta(short from, short to) {
    int delta = (to - from) % 360;
    if (delta < 0)
        delta += 360;
    return delta;
}

} // namespace tessellon
