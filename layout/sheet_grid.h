#pragma once

#include "layout/poster_geometry.h"

#include <QRectF>

#include <vector>

namespace tessellon {

// One sheet of the poster within a picture of the whole poster.
struct SheetBox {
    int row = 0;
    int column = 0;
    QRectF box;       // the sheet's part of the picture
    QRectF uncovered; // the part no neighbour covers: sheets to the right and below lie on top
};

// Where the sheets lie in a picture of the whole poster scaled into a box: the poster
// geometry's sheets, from printed inches to the box.
class SheetGrid {
public:
    explicit SheetGrid(const PosterGeometryInput& input) : in_(input) {}

    // Every sheet in tile order (row by row from the top); empty when the geometry is invalid.
    std::vector<SheetBox> Sheets(const QRectF& poster) const;
    // The strips that neighbouring sheets share: the ones between columns, then between rows.
    std::vector<QRectF> Strips(const QRectF& poster) const;

private:
    PosterGeometryInput in_;
};

} // namespace tessellon
