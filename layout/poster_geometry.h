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

// How much of the photo the poster keeps: the crop window, in whole source pixels as the tiles
// are cut from it, against the image.
struct PhotoShare {
    std::int32_t windowWidth = 0;
    std::int32_t windowHeight = 0;
    std::int32_t imageWidth = 1;
    std::int32_t imageHeight = 1;

    double Width() const { return static_cast<double>(windowWidth) / imageWidth; }
    double Height() const { return static_cast<double>(windowHeight) / imageHeight; }
    // The share of the photo's area.
    double Area() const { return Width() * Height(); }
    // Whole percent rounded down, so that 100 means every column (row) is kept.
    int WidthPercent() const { return Percent(windowWidth, imageWidth); }
    int HeightPercent() const { return Percent(windowHeight, imageHeight); }

private:
    static int Percent(std::int32_t part, std::int32_t whole) {
        return static_cast<int>(std::int64_t{100} * part / whole);
    }
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
    // The crop window against the image; empty when invalid or without an image.
    std::optional<PhotoShare> Share() const;
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
