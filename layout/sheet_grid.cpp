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
            SheetBox s;
            s.row = row;
            s.column = col;
            s.box = QRectF(poster.left() + col * (in_.tileWidth - o) * sx,
                           poster.top() + row * (in_.tileHeight - o) * sy, in_.tileWidth * sx,
                           in_.tileHeight * sy);
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
        out.emplace_back(poster.left() + col * (in_.tileWidth - o) * sx, poster.top(), o * sx,
                         poster.height());
    for (int row = 1; row < in_.tilesHigh; ++row)
        out.emplace_back(poster.left(), poster.top() + row * (in_.tileHeight - o) * sy,
                         poster.width(), o * sy);
    return out;
}

} // namespace tessellon
