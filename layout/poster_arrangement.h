#pragma once

#include "common/units.h"
#include "layout/poster_geometry.h"

#include <QCoreApplication>
#include <QString>

#include <optional>
#include <vector>

namespace tessellon {

// How the sheets are laid out: the tile counts and whether the sheets are turned ("Rotate").
struct Arrangement {
    int tilesWide = 1;
    int tilesHigh = 1;
    bool turned = false;

    int Sheets() const { return tilesWide * tilesHigh; }
    bool operator==(const Arrangement&) const = default;
};

// What the user asks of the poster: a width, a height, both, at most so many sheets, and
// whether the whole photo must show. Lengths in inches; an empty one is not asked for.
struct PosterSizeRequest {
    std::optional<double> width;
    std::optional<double> height;
    std::optional<int> maxSheets;
    bool wholePhoto = false;
};

// One arrangement with what it gives: the printed size in inches and how much of the photo it
// keeps (empty without a photo).
struct ArrangementResult {
    Arrangement arrangement;
    double posterWidth = 0;
    double posterHeight = 0;
    std::optional<PhotoShare> share;
};

// The sheet arrangements that make the poster the user asks for, worked out from the poster's
// paper, margins, overlap, edge trims, photo and zoom; nothing else of the poster changes. The
// poster is given as `upright`: its geometry input with the tile print size of sheets that are
// not turned (the counts, the turn and the centring in it are not used).
class PosterArrangements {
    Q_DECLARE_TR_FUNCTIONS(PosterArrangements)

public:
    // Sizes within this many inches count as equal: an asked size the poster misses by less is
    // reached exactly.
    static constexpr double kLengthTolerance = 0.001;
    // "The whole photo" allows this share of a side to be lost to the sheets' shape: a sliver no
    // print shows.
    static constexpr double kWholePhotoShare = 0.99;

    // What one arrangement gives; empty when its geometry is not valid.
    static std::optional<ArrangementResult> Evaluate(const PosterGeometryInput& upright,
                                                     Arrangement arrangement);

    // Every arrangement of 1..25 x 1..25 sheets, upright or turned, that reaches the request: at
    // least the asked width and height, at most the asked number of sheets and, when the whole
    // photo must show, at least kWholePhotoShare of its width and height (not judged without a
    // photo). Best first: the closest to the asked size (the least length added beyond it),
    // then the most of the photo kept, then the fewest sheets; then upright before turned and
    // fewer sheets across.
    static std::vector<ArrangementResult> Reaching(const PosterGeometryInput& upright,
                                                   const PosterSizeRequest& request);

    // "Fit Photo": of the arrangements of at most `maxSheets` sheets, the one that keeps the
    // most of the photo; of equals, the larger poster, then the fewer sheets, then upright
    // before turned. Empty without a photo.
    static std::optional<ArrangementResult> FitPhoto(const PosterGeometryInput& upright,
                                                     int maxSheets);

    // What was asked, for a message: "120.0 cm wide, at most 4 sheets, the whole photo".
    static QString RequestText(const PosterSizeRequest& request, UnitCode units);
    // "5 x 3 sheets, turned" (or "upright").
    static QString ArrangementText(const Arrangement& arrangement);
    // "No arrangement reaches " and the request.
    static QString NothingReachesText(const PosterSizeRequest& request, UnitCode units);

private:
    static std::vector<ArrangementResult> All(const PosterGeometryInput& upright);
};

} // namespace tessellon
