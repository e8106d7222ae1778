#pragma once

#include "imaging/pixel_array.h"
#include "layout/tile_coord_table.h"

namespace tessellon {

// Pixels added round a tile, per edge.
struct TileMargins {
    int top = 0;
    int right = 0;
    int bottom = 0;
    int left = 0;
    bool operator==(const TileMargins&) const = default;
};

// Builds one output array from a rectangle of a source array in one pass: optionally turned by
// a quarter or half turn, optionally surrounded by margins that repeat the outermost pixels.
// Source positions outside the source array are never read: a rectangle that reaches past the
// array repeats its last column or row instead.
class TileRenderer {
public:
    enum class Turn { None, Clockwise, HalfTurn, CounterClockwise };
    using Margins = TileMargins;

    // Output size: the rectangle's size (swapped for quarter turns) plus the margins. Null when
    // the source or the rectangle is empty, a margin is negative, or memory is short.
    static PixelArray Compose(const PixelArray& source, const TileRect& rect, Turn turn,
                              Margins margins = {});

    // The whole array turned.
    static PixelArray Turned(const PixelArray& source, Turn turn);
};

} // namespace tessellon
