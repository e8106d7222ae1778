#pragma once

#include "common/result.h"
#include "imaging/pixel_array.h"

#include <QByteArray>
#include <QIODevice>
#include <QImage>
#include <QRect>

namespace tessellon {

// Plain 24-bit BMP read and written directly: Qt's plugin goes through a 32-bit copy of the
// whole picture both ways, which costs more than the format itself.
class BmpCodec {
public:
    // Decodes an uncompressed 24-bit BMP with the common 40-byte header into an RGB888 image
    // with the resolution Qt's plugin reads. Null for any other kind or for missing rows: the
    // caller then takes the general way, which also names the fault.
    static QImage DecodeRgb(const QByteArray& data);
    // The same read row by row from `device`, without the file in memory.
    static QImage DecodeRgb(QIODevice& device);
    // Whether a file of `fileSize` bytes starting with `head` is of the kind DecodeRgb reads.
    static bool IsPlain(const QByteArray& head, qint64 fileSize);

    // Encodes `region` of `pixels` (which must lie inside it) byte for byte as Qt's plugin
    // writes the same picture: bottom row first, stamped with `dpiX` x `dpiY`.
    static Result<QByteArray> EncodeRegion(const PixelArray& pixels, const QRect& region, int dpiX,
                                           int dpiY);
};

} // namespace tessellon
