#include "export/tile_band_plan.h"

#include <algorithm>

namespace tessellon {

std::vector<TileBand> TileBandPlan::For(const TileCoordTable& table, int photoHeight) {
    std::vector<TileBand> bands;
    if (photoHeight < 1)
        return bands;
    for (int i = 0; i < table.count; ++i) {
        const TileRect& r = table.tiles[static_cast<size_t>(i)];
        // The cut reads rows clamped to the photo.
        const int first = std::clamp(r.top, 0, photoHeight - 1);
        const int last = std::clamp(r.bottom, 0, photoHeight - 1);
        if (!bands.empty() && bands.back().firstRow == first && bands.back().lastRow == last) {
            ++bands.back().tileCount;
            continue;
        }
        bands.push_back(TileBand{i, 1, std::min(first, last), std::max(first, last)});
        // A band that would need rows above the band before joins it: the photo is read once.
        while (bands.size() > 1) {
            TileBand& prev = bands[bands.size() - 2];
            const TileBand& cur = bands.back();
            if (cur.firstRow >= prev.firstRow && cur.lastRow >= prev.lastRow)
                break;
            prev.firstRow = std::min(prev.firstRow, cur.firstRow);
            prev.lastRow = std::max(prev.lastRow, cur.lastRow);
            prev.tileCount += cur.tileCount;
            bands.pop_back();
        }
    }
    return bands;
}

int TileBandPlan::TallestBand(const std::vector<TileBand>& bands) {
    int tallest = 0;
    for (const TileBand& b : bands)
        tallest = std::max(tallest, b.lastRow - b.firstRow + 1);
    return tallest;
}

} // namespace tessellon
