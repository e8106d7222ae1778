#pragma once

#include "common/result.h"
#include "imaging/pixel_array.h"

#include <QByteArray>
#include <QIODevice>
#include <QImage>
#include <QRect>
#include <QSize>

#include <memory>

struct tiff; // libtiff's TIFF

namespace tessellon {

// TIFF straight through libtiff, for what Qt's plugin makes costly: a header read without the
// pixels, 8-bit RGB decoded into the program's pixel arrays, and tiles encoded from the source
// in place, each without the plugin's 32-bit copies. Every call works on its own handle, so
// calls may run on several threads at once.
class TiffCodec {
public:
    struct Header {
        QSize size;
        int orientation = 1; // as stored, 1 to 8
        int photometric = -1;
        bool hasColourMap = false;
        bool plainRgb = false; // what DecodeRgb decodes
        bool tiled = false;
    };
    // The first directory of the TIFF file `device` holds, read from the device as needed
    // (never mapped): a header costs the bytes of its directory, not the file.
    static Result<Header> ReadHeader(QIODevice& device);

    // Decodes an upright 8-bit RGB file (strips or tiles, any compression libtiff decodes)
    // into an RGB888 image carrying its resolution and colour profile as Qt's plugin reads
    // them. Null when the file is of another kind or does not decode cleanly: the caller then
    // takes the general way, which also names the fault.
    static QImage DecodeRgb(const QByteArray& data);
    // The same read from `device` strip by strip (never mapped), without the file in memory.
    static QImage DecodeRgb(QIODevice& device);

    // A plain RGB file in strips (what DecodeRgb decodes, tiles aside) opened on `device` (never
    // mapped) for reading its rows in turn with TIFFReadScanline; `device` must outlive it. Null
    // for any other file.
    static std::shared_ptr<tiff> OpenStrips(QIODevice& device);
    // The colour profile DecodeRgb's image carries, as ImageObject takes it: the file's own
    // when Qt understands it, else none.
    static QByteArray IccProfile(tiff* tif);

    // Encodes `region` of `pixels` (which must lie inside it) uncompressed, with the tags,
    // strips and resolution stamp Qt's plugin writes for the same picture.
    static Result<QByteArray> EncodeRegion(const PixelArray& pixels, const QRect& region, int dpiX,
                                           int dpiY, const QByteArray& icc = {});
};

} // namespace tessellon
