#pragma once

#include "layout/tile_coord_table.h"

#include <vector>

namespace tessellon {

// A run of tiles, in tile order, cut from one band of the photo's rows.
struct TileBand {
    int firstTile = 0;
    int tileCount = 0;
    int firstRow = 0; // the band: every photo row the run's tiles read
    int lastRow = 0;
    bool operator==(const TileBand&) const = default;
};

// Which rows of the photo the tiles need, run by run: the tiles of one row of the poster share
// a band, and a band starts and ends no higher than the one before, so that the photo can be
// decoded top to bottom once. A tile reaching past the photo's last row reads that row again.
class TileBandPlan {
public:
    // The bands of the table's tiles for a photo `photoHeight` rows high.
    static std::vector<TileBand> For(const TileCoordTable& table, int photoHeight);
    // The most rows any band holds.
    static int TallestBand(const std::vector<TileBand>& bands);
};

} // namespace tessellon
