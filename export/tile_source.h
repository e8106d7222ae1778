#pragma once

#include "imaging/row_band_source.h"
#include "print/overview_picture_source.h"

namespace tessellon {

// The photo a save cuts its tiles from: its rows, in bands, for the tiles, and the pictures of
// the overview, made from the same rows.
class TileSource {
public:
    virtual ~TileSource() = default;
    virtual RowBandSource& Rows() = 0;
    virtual OverviewPictureSource& Overview() = 0;
};

} // namespace tessellon
