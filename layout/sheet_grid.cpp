#include "layout/sheet_grid.h"

namespace tessellon {

std::vector<SheetBox> SheetGrid::Sheets(const QRectF& poster) const {
    const PosterGeometry geometry(in_);
    std::vector<SheetBox> out;
    if (!geometry.IsValid())
        return out;
    const double sx = poster.width() / geometry.PosterWidth();
    const double sy = poster.height() / geometry.PosterHeight();
    const double o = in_.overlap;
    for (int row = 0; row < in_.tilesHigh; ++row) {
        for (int col = 0; col < in_.tilesWide; ++col) {
            const QRectF sheet = geometry.Sheet(row, col);
            SheetBox s;
            s.row = row;
            s.column = col;
            s.box = QRectF(poster.left() + sheet.left() * sx, poster.top() + sheet.top() * sy,
                           sheet.width() * sx, sheet.height() * sy);
            s.uncovered = s.box.adjusted(0, 0, col + 1 < in_.tilesWide ? -o * sx : 0,
                                         row + 1 < in_.tilesHigh ? -o * sy : 0);
            out.push_back(s);
        }
    }
    return out;
}

std::vector<QRectF> SheetGrid::Strips(const QRectF& poster) const {
    const PosterGeometry geometry(in_);
    std::vector<QRectF> out;
    if (!geometry.IsValid() || in_.overlap <= 0)
        return out;
    const double sx = poster.width() / geometry.PosterWidth();
    const double sy = poster.height() / geometry.PosterHeight();
    const double o = in_.overlap;
    for (int col = 1; col < in_.tilesWide; ++col)
        out.emplace_back(poster.left() + geometry.Sheet(0, col).left() * sx, poster.top(), o * sx,
                         poster.height());
    for (int row = 1; row < in_.tilesHigh; ++row)
        out.emplace_back(poster.left(), poster.top() + geometry.Sheet(row, 0).top() * sy,
                         poster.width(), o * sy);
    return out;
}

} // namespace tessellon
