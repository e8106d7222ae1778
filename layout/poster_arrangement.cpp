#include "layout/poster_arrangement.h"

#include "layout/poster_state.h"

#include <QStringList>

#include <algorithm>
#include <utility>

namespace tessellon {
namespace {

// Negative when a is better, positive when b is, 0 when they are equal within `tolerance`.
int CompareLess(double a, double b, double tolerance = 0) {
    if (a < b - tolerance)
        return -1;
    return a > b + tolerance ? 1 : 0;
}

double KeptArea(const ArrangementResult& r) {
    return r.share ? r.share->Area() : 0;
}

// The last tie-breaks of both orders: upright before turned, then fewer sheets across.
bool LayoutFirst(const ArrangementResult& a, const ArrangementResult& b) {
    return std::pair(a.arrangement.turned, a.arrangement.tilesWide) <
           std::pair(b.arrangement.turned, b.arrangement.tilesWide);
}

// The length added beyond the asked width and height.
double Excess(const ArrangementResult& r, const PosterSizeRequest& request) {
    double excess = 0;
    if (request.width)
        excess += r.posterWidth - *request.width;
    if (request.height)
        excess += r.posterHeight - *request.height;
    return excess;
}

bool Reaches(const ArrangementResult& r, const PosterSizeRequest& request) {
    constexpr double tol = PosterArrangements::kLengthTolerance;
    if (request.maxSheets && r.arrangement.Sheets() > *request.maxSheets)
        return false;
    if (request.width && r.posterWidth < *request.width - tol)
        return false;
    if (request.height && r.posterHeight < *request.height - tol)
        return false;
    if (request.wholePhoto && r.share)
        return r.share->Width() >= PosterArrangements::kWholePhotoShare &&
               r.share->Height() >= PosterArrangements::kWholePhotoShare;
    return true;
}

} // namespace

std::optional<ArrangementResult> PosterArrangements::Evaluate(const PosterGeometryInput& upright,
                                                              Arrangement arrangement) {
    PosterGeometryInput in = upright;
    in.tilesWide = arrangement.tilesWide;
    in.tilesHigh = arrangement.tilesHigh;
    if (arrangement.turned)
        std::swap(in.tileWidth, in.tileHeight);
    const PosterGeometry geometry(in);
    if (!geometry.IsValid())
        return std::nullopt;
    return ArrangementResult{arrangement, geometry.PosterWidth(), geometry.PosterHeight(),
                             geometry.Share()};
}

std::vector<ArrangementResult> PosterArrangements::All(const PosterGeometryInput& upright) {
    std::vector<ArrangementResult> all;
    for (const bool turned : {false, true})
        for (int wide = 1; wide <= PosterState::kMaxTiles; ++wide)
            for (int high = 1; high <= PosterState::kMaxTiles; ++high)
                if (const auto r = Evaluate(upright, Arrangement{wide, high, turned}))
                    all.push_back(*r);
    return all;
}

std::vector<ArrangementResult> PosterArrangements::Reaching(const PosterGeometryInput& upright,
                                                            const PosterSizeRequest& request) {
    std::vector<ArrangementResult> found = All(upright);
    std::erase_if(found, [&](const ArrangementResult& r) { return !Reaches(r, request); });
    std::stable_sort(
        found.begin(), found.end(), [&](const ArrangementResult& a, const ArrangementResult& b) {
            if (const int c = CompareLess(Excess(a, request), Excess(b, request), kLengthTolerance))
                return c < 0;
            if (const int c = CompareLess(KeptArea(b), KeptArea(a)))
                return c < 0;
            if (a.arrangement.Sheets() != b.arrangement.Sheets())
                return a.arrangement.Sheets() < b.arrangement.Sheets();
            return LayoutFirst(a, b);
        });
    return found;
}

std::optional<ArrangementResult> PosterArrangements::FitPhoto(const PosterGeometryInput& upright,
                                                              int maxSheets) {
    std::optional<ArrangementResult> best;
    const auto better = [](const ArrangementResult& a, const ArrangementResult& b) {
        if (const int c = CompareLess(KeptArea(b), KeptArea(a)))
            return c < 0;
        if (const int c =
                CompareLess(b.posterWidth * b.posterHeight, a.posterWidth * a.posterHeight,
                            kLengthTolerance * kLengthTolerance))
            return c < 0;
        if (a.arrangement.Sheets() != b.arrangement.Sheets())
            return a.arrangement.Sheets() < b.arrangement.Sheets();
        return LayoutFirst(a, b);
    };
    for (const ArrangementResult& r : All(upright)) {
        if (!r.share || r.arrangement.Sheets() > maxSheets)
            continue;
        if (!best || better(r, *best))
            best = r;
    }
    return best;
}

QString PosterArrangements::RequestText(const PosterSizeRequest& request, UnitCode units) {
    QStringList parts;
    if (request.width && request.height)
        parts << PosterState::FinalSizeText(*request.width, *request.height, units);
    else if (request.width)
        parts << tr("%1 wide").arg(PosterState::LengthText(*request.width, units));
    else if (request.height)
        parts << tr("%1 high").arg(PosterState::LengthText(*request.height, units));
    if (request.maxSheets)
        parts << (*request.maxSheets == 1 ? tr("at most 1 sheet")
                                          : tr("at most %1 sheets").arg(*request.maxSheets));
    if (request.wholePhoto)
        parts << tr("the whole photo");
    return parts.join(QStringLiteral(", "));
}

QString PosterArrangements::ArrangementText(const Arrangement& arrangement) {
    return tr("%1 x %2 sheets, %3")
        .arg(arrangement.tilesWide)
        .arg(arrangement.tilesHigh)
        .arg(arrangement.turned ? tr("turned") : tr("upright"));
}

QString PosterArrangements::NothingReachesText(const PosterSizeRequest& request, UnitCode units) {
    return tr("No arrangement reaches %1").arg(RequestText(request, units));
}

} // namespace tessellon
