#pragma once

#include "imaging/image_format.h"
#include "layout/tile_coord_table.h"

#include <QByteArray>
#include <QSize>
#include <QString>

#include <array>

namespace tessellon {

// One tile, ready for writing: cut (repeating the image's last column or row where the
// rectangle reaches past it), turned, compensated, stamped and encoded.
struct TileJob {
    TileRect rect;
    bool rotate = false;
    bool compensate = false;
    double resolution = 0;
    int roundedResolution = 2;
    std::array<double, 4> trims{};
    ImageFormat format = ImageFormat::Jpeg;
    QByteArray iccProfile; // the source's colour profile, carried into every tile
};

// A tile as made from its job.
struct RenderedTile {
    short compensation = 1; // result of the edge compensation (1 when not applied)
    QByteArray bytes;       // empty when the tile could not be encoded
    QSize pixels;           // the encoded picture's size
    QString error;          // why not
};

} // namespace tessellon
