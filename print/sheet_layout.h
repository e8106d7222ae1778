#pragma once

#include <QMarginsF>
#include <QRectF>
#include <QSizeF>

#include <optional>

namespace tessellon {

// Where each tile goes on its sheet, in points from the sheet's top-left corner.
struct SheetLayout {
    QSizeF page;    // the paper as chosen, width x height
    QRectF picture; // the untrimmed tile print area: at the left and top margins, paper less
                    // margins
    // What the assembly aids need besides.
    std::optional<QMarginsF> trims; // with "Adjust edges": what the printer cuts off the picture
    double overlap = 0;             // the strip neighbouring sheets share
    int tilesWide = 1;
    int tilesHigh = 1;
    bool turned = false; // the tiles are printed turned a quarter counter-clockwise
};

} // namespace tessellon
