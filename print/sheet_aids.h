#pragma once

#include <QLineF>
#include <QRectF>
#include <QString>

#include <functional>
#include <vector>

namespace tessellon {

struct SheetLayout;

// A piece of the aids' text: `text` starts at `baseline`; `box` holds it with a little room
// and is cleared to white first, so that the text stays readable over a glue area.
struct AidText {
    QString text;
    QPointF baseline;
    QRectF box;
};

// Lines that are seen only inside `clip`.
struct AidLines {
    std::vector<QLineF> lines;
    QRectF clip;
};

// What goes on one sheet to help put the poster together, in points from the page's top-left
// corner. Everything lies outside `visible` and inside what the printer prints.
struct SheetAidsPlan {
    QRectF visible;               // the picture still seen once the poster is assembled
    std::vector<AidText> labels;  // the sheet's own label first (where it fits), then the
                                  // names of its neighbours
    std::vector<AidLines> arrows; // small triangles pointing to the neighbours
    std::vector<AidLines> cuts;   // cut lines where this sheet lies on top, or crop marks
    std::vector<AidLines> glue;   // hatching of the strips that neighbours cover
};

// Where a sheet's label, the marks toward its neighbours, its cut lines, glue areas and crop
// marks go.
//
// Sheets that overlap are stacked so that each sheet lies on top of the sheet to its left and
// the sheet above it: a sheet is cut along its left and top picture edges (where it has
// neighbours there), and its strips along the right and bottom edges are glue areas that the
// neighbours cover. Without overlap the sheets butt, and corner crop marks show where each
// picture ends.
//
// Aids are placed only where no picture stays visible: in the margins and in the strips a
// neighbour covers. With "Adjust edges" only the tile print area less the edge trims is
// trusted to print, so the margins carry nothing; a borderless sheet without overlap then has
// no room and carries no aids at all.
class SheetAids {
public:
    static constexpr double kTextSize = 7;     // points
    static constexpr double kLineWidth = 0.4;  // cut lines, crop marks and arrows
    static constexpr double kHatchWidth = 0.3; // glue areas
    static constexpr double kHatchGrey = 0.7;  // 0 black, 1 white
    static constexpr double kHatchSpacing = 4; // between hatch lines
    static constexpr double kPadding = 1.5;    // round texts
    static constexpr double kMarkGap = 3;      // between a picture's corner and its crop marks
    static constexpr double kMarkLength = 12;  // of a crop mark, at most
    static constexpr double kArrowSize = 5;    // base of a triangle toward a neighbour

    // The advance width of a text at a size, in points.
    using TextWidth = std::function<double(const QString& text, double size)>;

    // Hatching across `box`: lines running up to the right at whole multiples of `spacing`
    // on the page, so that hatched areas next to each other join.
    static std::vector<QLineF> Hatch(const QRectF& box, double spacing);

    // The aids of the sheet in `row` and `column` (from 0) of the poster `layout` describes.
    static SheetAidsPlan Plan(const SheetLayout& layout, int row, int column,
                              const TextWidth& textWidth);
};

} // namespace tessellon
