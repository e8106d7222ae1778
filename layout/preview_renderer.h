#pragma once

#include <cstddef> // tile_coord_table.h uses size_t

#include "layout/preview_geometry.h"
#include "layout/tile_coord_table.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <cstdint>
#include <optional>

namespace tessellon {

// The image fitted into the preview picture, and preview pixels per image pixel.
struct PreviewCopy {
    QImage image;
    double dPreviewScale = 0;
};

// The preview with the tile outlines painted on it, and where the crop window was drawn.
struct TileGridDrawing {
    QImage image;
    PreviewGeometry geometry;
};

// Where the full-screen preview puts its picture and its Close button.
struct PreviewWindowLayout {
    QRect picture;
    QPoint buttonTopLeft;
};

// Rendering of the small and the full-screen preview. Everything here works on QImage alone, so
// it runs (and is tested) without any widget.
class PreviewRenderer {
public:
    // The grid colour: pure red.
    static constexpr std::uint32_t kGridColour = 0xffff0000u;

    // Fits an image of lImgWidth x lImgHeight into a picture box of picSize. `source` is that
    // image, possibly decoded at a reduced size already; it is resampled to the fitted size.
    static PreviewCopy BuildPreviewCopy(const QImage& source, std::int32_t lImgWidth,
                                        std::int32_t lImgHeight, QSize picSize);

    // Paints one-pixel red lines on a copy of `preview` exactly where the tiles of `table` will
    // be cut (image pixel positions times `scale`, rounded), clipped to the preview.
    // `table` must be valid (count >= 1) and hold tilesWide x tilesHigh tiles. With
    // `sharedStrips` the strips that neighbouring tiles share are lightened and both their
    // edges drawn.
    static std::optional<TileGridDrawing> DrawTileGrid(const QImage& preview, double scale,
                                                       const TileCoordTable& table, int tilesWide,
                                                       int tilesHigh, bool sharedStrips = false);

    // The part of `img` the poster covers, scaled to fit `picSize` with the poster's shape and,
    // when asked, overlaid with an evenly divided grid. Null when the table is invalid. With
    // `sharedStrips` the grid follows the tiles instead and lightens the strips they share.
    static QImage FillPreview(const QImage& img, const TileCoordTable& table, QSize picSize,
                              bool showTiles, int tilesWide, int tilesHigh,
                              bool sharedStrips = false) {
        return FillPreview(img, img.size(), table, picSize, showTiles, tilesWide, tilesHigh,
                           sharedStrips);
    }
    // The same from `img`, a reduced copy of a photo of `photoSize` pixels (the size the
    // table's positions are in).
    static QImage FillPreview(const QImage& img, QSize photoSize, const TileCoordTable& table,
                              QSize picSize, bool showTiles, int tilesWide, int tilesHigh,
                              bool sharedStrips = false);
    // The size of a reduced copy of a photo of `photoSize` pixels that gives FillPreview all
    // the pixels `picSize` can show of the part the poster covers.
    static QSize ReducedSizeFor(QSize photoSize, const TileCoordTable& table, QSize picSize);

    // Paints an evenly divided tilesWide x tilesHigh grid over the whole image.
    static void ShowImageWithGrid(QImage& image, int tilesWide, int tilesHigh);

    // Lays out the full-screen preview in a client area of `client`: the picture above a centred
    // button of `button` size, narrowed or shortened to the poster ratio R. Empty for R <= 0.
    static std::optional<PreviewWindowLayout> FitToNewSizeForPic(double R, QSize client,
                                                                 QSize button);
};

} // namespace tessellon
