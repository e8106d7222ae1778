#pragma once

#include "layout/tile_coord_table.h"

#include <QRectF>

#include <cstdint>
#include <optional>

namespace tessellon {

// What the poster's geometry depends on. Lengths are in inches: the tile print size is the one
// printed on each sheet after edge trims, already exchanged when the tiles are turned.
struct PosterGeometryInput {
    int tilesWide = 1;
    int tilesHigh = 1;
    double tileWidth = 0;
    double tileHeight = 0;
    // Strip of the picture that neighbouring sheets share; 0 butts them edge to edge.
    double overlap = 0;
    std::int32_t imageWidth = 0;
    std::int32_t imageHeight = 0;
    int zoom = 0;
    int horzCenter = 100;
    int vertCenter = 100;
};

// The crop window fitted to the poster's ratio, before rounding.
struct FittedCrop {
    double width = 0;  // before the zoom
    double height = 0; // before the zoom
    double zoomFactor = 1;

    double ZoomedWidth() const { return width * zoomFactor; }
    double ZoomedHeight() const { return height * zoomFactor; }
};

// The one place that turns the poster's inputs into its printed size, the part of the image it
// shows and every tile's rectangle in source pixels. With overlap o and n tiles of print size t
// along an axis, the poster is n*t - (n - 1)*o long and tile k starts (t - o)*k after the first.
class PosterGeometry {
public:
    explicit PosterGeometry(const PosterGeometryInput& input) : in_(input) {}

    // Largest overlap allowed for a tile print size: half its shorter side, so that a sheet's
    // two shared strips never cross.
    static double MaxOverlap(double tileWidth, double tileHeight);

    // Positive tile size and an overlap from 0 up to MaxOverlap.
    bool IsValid() const;
    double PosterWidth() const;
    double PosterHeight() const;
    // Width to height; 0 when invalid.
    double Ratio() const;
    // Empty when invalid or without an image.
    std::optional<FittedCrop> Crop() const;
    // Source pixels per printed inch, the same across and down; 0 when there is no window.
    double Resolution() const;
    // Sheet `row`, `column`'s part of the printed poster, in inches from the poster's top-left
    // corner.
    QRectF Sheet(int row, int column) const;
    // Every tile's rectangle, row by row from the top; count -1 when no table exists.
    TileCoordTable Tiles() const;

private:
    PosterGeometryInput in_;
};

} // namespace tessellon
