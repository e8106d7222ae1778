#pragma once

#include "print/poster_overview.h"

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <optional>

namespace tessellon {

// Where an overview takes its picture of the photo from: the photo decoded whole, or the rows
// of a photo decoded in bands, reduced as they pass while the tiles are cut.
class OverviewPictureSource {
public:
    virtual ~OverviewPictureSource() = default;

    // Announces, before any tile is cut, the picture Picture will be asked for, and gives its
    // size; empty when there will be none (the window is not inside the photo).
    virtual std::optional<QSize> Reserve(const PosterOverview& overview, int longSide) = 0;
    // Whether Picture answers at once; otherwise only once every tile has been cut.
    virtual bool Immediate() const = 0;
    // `overview`'s window of the photo, `longSide` pixels on its longer side
    // (PosterOverview::Picture); null when there is none.
    virtual QImage Picture(const PosterOverview& overview, int longSide) const = 0;
    // The colour profile the picture is meant in; empty for none (sRGB).
    virtual QByteArray IccProfile() const = 0;
};

} // namespace tessellon
