#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tessellon {

// One tile's rectangle in source pixels, all bounds inclusive.
struct TileRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    std::int32_t Width() const { return right - left + 1; }
    std::int32_t Height() const { return bottom - top + 1; }
    bool operator==(const TileRect&) const = default;
};

// Result of the tile coordinate computation: `count` tiles numbered row by row from the top,
// or count -1 when no valid table exists (the rectangles are then all zero).
struct TileCoordTable {
    short count = -1;
    std::vector<TileRect> tiles;
    // The crop window the tiles were cut from.
    std::int32_t x0 = 0, y0 = 0, windowWidth = 0, windowHeight = 0;

    bool IsValid() const { return count >= 0; }
    // Component 0..3 (left, top, right, bottom) of tile t.
    std::int32_t Coord(int component, int t) const {
        const TileRect& r = tiles.at(static_cast<size_t>(t));
        switch (component) {
        case 0:
            return r.left;
        case 1:
            return r.top;
        case 2:
            return r.right;
        default:
            return r.bottom;
        }
    }
};

} // namespace tessellon
