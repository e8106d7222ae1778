#pragma once

#include "layout/preview_geometry.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace tessellon {

class PosterState;

// Direction of a held placement arrow.
enum ArrowDirection : short {
    kArrowNone = 0,
    kArrowUp = 1,
    kArrowRight = 2,
    kArrowDown = 3,
    kArrowLeft = 4
};

struct PlacementLabels {
    QString horizontal; // lblLrValue
    QString vertical;   // lblTbValue
};

// Where a drag on the preview started.
struct DragStart {
    int iDragStartX = 0;
    int iDragStartY = 0;
    short iDragStartHorz = 100;
    short iDragStartVert = 100;
};

// Choosing which part of the image the poster shows: the zoom label, the centring arrows with
// their growing steps, dragging the crop window on the preview, and the image rotation list.
// Everything works on the poster state and the last drawn preview geometry, without widgets.
class TilePlacement {
public:
    static constexpr int kArrowIntervalMs = 250;

    // Centring units moved by the step after `iArrowRepeat` steps already taken.
    static int ArrowStep(int iArrowRepeat);
    // Which part of the w x h arrow picture (x, y) falls on; empty for a corner.
    static std::optional<ArrowDirection> ArrowHitTest(double x, double y, double w, double h);
    // One step of a held arrow. Returns false when the centring already sat at its limit: then
    // nothing changed and `iArrowRepeat` stays as it was.
    static bool StepArrow(PosterState& state, ArrowDirection direction, int& iArrowRepeat);

    // The placement label texts; forces the centring to 100 along an axis where the crop window
    // spans the whole image.
    static PlacementLabels UpdatePlacementLabels(PosterState& state, const PreviewGeometry& geo);

    static bool IsInPosterWindow(double x, double y, const PreviewGeometry& geo);
    static DragStart BeginDrag(const PosterState& state, double x, double y);
    // Moves the centring so that the crop window follows the pointer.
    static void DragPosterWindow(PosterState& state, const PreviewGeometry& geo,
                                 const DragStart& start, double x, double y);

    // "(25%)" for the zoom bar value 25.
    static QString ZoomLabel(int value);

    // The image rotation list: items in list order and their angles.
    static QStringList RotationItems();
    static short RotationAngle(int listIndex);
    // Degrees (0, 90, 180, 270) to turn an image at `from` to reach `to`.
    static int RotationDelta(short from, short to);
    // True when a turn by `delta` exchanges width and height.
    static bool SwapsSize(int delta) { return delta == 90 || delta == 270; }
};

} // namespace tessellon
