#pragma once

#include "imaging/image_format.h"
#include "layout/tile_coord_table.h"

#include <QByteArray>
#include <QSize>
#include <QSizeF>
#include <QString>

#include <algorithm>
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

    // The pixels of the finished tile, at most (resampled to 64 pixels per inch and padded by
    // the trims when the edges are compensated), width x height as cut, before any turn.
    QSizeF OutputPixels() const {
        double w = rect.Width(), h = rect.Height();
        if (compensate && resolution > 0 && resolution < 64) {
            w *= 64 / resolution;
            h *= 64 / resolution;
        }
        const double ppi = std::max(resolution, 64.0);
        if (compensate) {
            w += ppi * (trims[1] + trims[3]);
            h += ppi * (trims[0] + trims[2]);
        }
        return {w, h};
    }
};

// A tile as made from its job.
struct RenderedTile {
    short compensation = 1; // result of the edge compensation (1 when not applied)
    QByteArray bytes;       // empty when the tile could not be encoded
    QSize pixels;           // the encoded picture's size
    QString error;          // why not
};

} // namespace tessellon
