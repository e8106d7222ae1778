#pragma once

#include "common/result.h"
#include "imaging/pixel_array.h"

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QSize>

#include <optional>

namespace tessellon {

// JPEG decoding and encoding straight through libjpeg-turbo, which decodes into and encodes
// from the program's pixel arrays without the per-line format conversions of Qt's plugin.
// Every call works on its own handles, so calls may run on several threads at once.
class JpegCodec {
public:
    struct Resolution {
        int dpiX = 0;
        int dpiY = 0;
        bool operator==(const Resolution&) const = default;
    };
    struct Decoded {
        PixelArray pixels;
        std::optional<Resolution> resolution; // from the JFIF header when it names one
    };

    // Whether the bytes start like a JPEG file.
    static bool LooksLikeJpeg(const QByteArray& data);

    // Decodes a whole JPEG file. A truncated or damaged file is a failure rather than a picture
    // with a grey remainder. `unsupported` is set when the file is a JPEG whose colour space
    // this decoder does not convert (CMYK), so that the caller can try another decoder.
    static Result<Decoded> Decode(const QByteArray& data, bool* unsupported = nullptr);
    // Decodes a CMYK JPEG into four bytes per pixel, rows one after the other, the values as
    // the file stores them; damaged data fails as in Decode.
    static Result<QByteArray> DecodeCmyk(const QByteArray& data);
    // Decodes at the smallest of the decoder's reduced scales (1/8 to 1) that is at least
    // `atLeast` on both sides, for previews; damaged data fails as in Decode.
    static Result<QImage> DecodeScaled(const QByteArray& data, QSize atLeast);

    // Encodes at `quality` with 4:2:0 chroma subsampling and stores the resolution in the JFIF
    // header (dots per inch, at most 65535), and the colour profile `icc` when there is one.
    static Result<QByteArray> Encode(const PixelArray& pixels, Resolution resolution, int quality,
                                     const QByteArray& icc = {});
    // The same for a rectangle of the array, read in place (it must lie inside the array).
    static Result<QByteArray> EncodeRegion(const PixelArray& pixels, const QRect& region,
                                           Resolution resolution, int quality,
                                           const QByteArray& icc = {});

    // Whether a picture of `pixels` can be encoded at all: the encoder writes into one buffer
    // of at most 2 GiB, which holds the worst case of about 715 megapixels.
    static bool FitsEncoder(QSize pixels);
    // The largest picture that fits, in whole megapixels (for messages).
    static int MaxMegapixels();

    // The resolution a JPEG file's JFIF header stores, in dots per inch; empty when it has no
    // JFIF header or stores only an aspect ratio.
    static std::optional<Resolution> ReadResolution(const QByteArray& data);
};

} // namespace tessellon
