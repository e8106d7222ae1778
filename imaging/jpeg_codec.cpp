#include "imaging/jpeg_codec.h"

#include "imaging/page_prefetcher.h"

#include <QCoreApplication>

#include <turbojpeg.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

namespace tessellon {
namespace {

struct HandleCloser {
    void operator()(void* h) const {
        if (h)
            tjDestroy(h);
    }
};
using Handle = std::unique_ptr<void, HandleCloser>;

QString TjError(tjhandle handle) {
    return QString::fromLocal8Bit(tjGetErrorStr2(handle));
}

int ClampDensity(int dpi) {
    return std::clamp(dpi, 1, 65535);
}

void PutBigEndian16(QByteArray& bytes, qsizetype at, int value) {
    bytes[at] = static_cast<char>((value >> 8) & 0xff);
    bytes[at + 1] = static_cast<char>(value & 0xff);
}

int GetBigEndian16(const QByteArray& bytes, qsizetype at) {
    return (static_cast<uchar>(bytes[at]) << 8) | static_cast<uchar>(bytes[at + 1]);
}

// Writes the density into the JFIF header the encoder produced, or adds one after the
// start-of-image marker when there is none.
void StoreDensity(QByteArray& jpeg, JpegCodec::Resolution res) {
    const int x = ClampDensity(res.dpiX);
    const int y = ClampDensity(res.dpiY);
    const bool hasJfif = jpeg.size() > 18 && static_cast<uchar>(jpeg[2]) == 0xff &&
                         static_cast<uchar>(jpeg[3]) == 0xe0 &&
                         std::memcmp(jpeg.constData() + 6, "JFIF\0", 5) == 0;
    if (!hasJfif) {
        static const char app0[] = {'\xff', '\xe0', 0, 16, 'J', 'F', 'I', 'F', 0,
                                    1,      1,      1, 0,  1,   0,   1,   0,   0};
        jpeg.insert(2, app0, sizeof(app0));
    }
    jpeg[13] = 1; // dots per inch
    PutBigEndian16(jpeg, 14, x);
    PutBigEndian16(jpeg, 16, y);
}

// Adds the colour profile after the JFIF header, split into the APP2 segments JPEG keeps it in.
void StoreIccProfile(QByteArray& jpeg, const QByteArray& icc) {
    constexpr qsizetype kChunk = 65519; // segment room less length, name and numbering
    const qsizetype count = (icc.size() + kChunk - 1) / kChunk;
    if (icc.isEmpty() || count > 255)
        return;
    QByteArray segments;
    for (qsizetype i = 0; i < count; ++i) {
        const QByteArray chunk = icc.mid(i * kChunk, kChunk);
        const qsizetype length = 2 + 14 + chunk.size();
        segments += QByteArray("\xff\xe2", 2);
        segments += static_cast<char>(length >> 8);
        segments += static_cast<char>(length & 0xff);
        segments += QByteArray("ICC_PROFILE\0", 12);
        segments += static_cast<char>(i + 1);
        segments += static_cast<char>(count);
        segments += chunk;
    }
    jpeg.insert(2 + 2 + GetBigEndian16(jpeg, 4), segments); // after SOI and the APP0 segment
}

// A decompressor with the header of a JPEG in memory read.
struct Decoder {
    Handle handle;
    const unsigned char* src = nullptr;
    unsigned long size = 0;
    int width = 0;
    int height = 0;
    int colorspace = 0;
};

Result<Decoder> OpenDecoder(const QByteArray& data) {
    if (!JpegCodec::LooksLikeJpeg(data))
        return Result<>::Fail(
            QCoreApplication::translate("JpegCodec", "The file is not a JPEG image"));
    Decoder dec;
    dec.handle.reset(tjInitDecompress());
    if (!dec.handle)
        return Result<>::Fail(
            QCoreApplication::translate("JpegCodec", "The JPEG decoder could not be started"));
    dec.src = reinterpret_cast<const unsigned char*>(data.constData());
    dec.size = static_cast<unsigned long>(data.size());
    int subsamp = 0;
    if (tjDecompressHeader3(dec.handle.get(), dec.src, dec.size, &dec.width, &dec.height, &subsamp,
                            &dec.colorspace) != 0)
        return Result<>::Fail(
            QCoreApplication::translate("JpegCodec", "The JPEG header is damaged: %1")
                .arg(TjError(dec.handle.get())));
    return dec;
}

} // namespace

bool JpegCodec::LooksLikeJpeg(const QByteArray& data) {
    return data.size() >= 3 && static_cast<uchar>(data[0]) == 0xff &&
           static_cast<uchar>(data[1]) == 0xd8 && static_cast<uchar>(data[2]) == 0xff;
}

std::optional<JpegCodec::Resolution> JpegCodec::ReadResolution(const QByteArray& data) {
    if (!LooksLikeJpeg(data))
        return std::nullopt;
    qsizetype pos = 2;
    while (pos + 4 <= data.size()) {
        if (static_cast<uchar>(data[pos]) != 0xff)
            return std::nullopt;
        const int marker = static_cast<uchar>(data[pos + 1]);
        if (marker == 0xff) { // fill byte
            ++pos;
            continue;
        }
        // Start of scan or of a frame: the header segments are over.
        if (marker == 0xda || (marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 &&
                               marker != 0xc8 && marker != 0xcc))
            return std::nullopt;
        const int length = GetBigEndian16(data, pos + 2);
        if (length < 2)
            return std::nullopt;
        if (marker == 0xe0 && length >= 16 && pos + 2 + length <= data.size() &&
            std::memcmp(data.constData() + pos + 4, "JFIF\0", 5) == 0) {
            const int units = static_cast<uchar>(data[pos + 11]);
            const int x = GetBigEndian16(data, pos + 12);
            const int y = GetBigEndian16(data, pos + 14);
            if (units == 1)
                return Resolution{x, y};
            if (units == 2)
                return Resolution{static_cast<int>(std::lround(x * 2.54)),
                                  static_cast<int>(std::lround(y * 2.54))};
            return std::nullopt;
        }
        pos += 2 + length;
    }
    return std::nullopt;
}

Result<JpegCodec::Decoded> JpegCodec::Decode(const QByteArray& data, bool* unsupported) {
    if (unsupported)
        *unsupported = false;
    auto opened = OpenDecoder(data);
    if (!opened)
        return opened.status();
    const auto& [handle, src, size, width, height, colorspace] = *opened;
    if (colorspace == TJCS_CMYK || colorspace == TJCS_YCCK) {
        if (unsupported)
            *unsupported = true;
        return Result<>::Fail(QCoreApplication::translate(
            "JpegCodec", "CMYK JPEG images are not supported by this decoder"));
    }
    if (!PixelArray::SizeAllowed(width, height))
        return Result<>::Fail(QCoreApplication::translate(
                                  "JpegCodec", "The image is too large to load (%1 x %2 pixels)")
                                  .arg(width)
                                  .arg(height));
    Decoded out;
    out.pixels = PixelArray::Uninitialized(width, height);
    if (out.pixels.IsNull())
        return Result<>::Fail(
            QCoreApplication::translate("JpegCodec",
                                        "Not enough memory to load the image (%1 x %2 pixels)")
                .arg(width)
                .arg(height));
    // Stop at the first warning: libjpeg would otherwise fill a truncated file with grey.
    const int pitch = static_cast<int>(out.pixels.BytesPerLine());
    PagePrefetcher prefetch(out.pixels.MutableBits(), static_cast<size_t>(pitch) * height);
    if (tjDecompress2(handle.get(), src, size, out.pixels.MutableBits(), width, pitch, height,
                      TJPF_RGB, TJFLAG_STOPONWARNING) != 0)
        return Result<>::Fail(
            QCoreApplication::translate("JpegCodec", "The JPEG image is damaged or incomplete: %1")
                .arg(TjError(handle.get())));
    out.resolution = ReadResolution(data);
    return out;
}

Result<QByteArray> JpegCodec::DecodeCmyk(const QByteArray& data) {
    auto opened = OpenDecoder(data);
    if (!opened)
        return opened.status();
    const auto& [handle, src, size, width, height, colorspace] = *opened;
    const qint64 bytes = qint64(width) * height * 4;
    if (bytes > PixelArray::MaxImageBytes())
        return Result<>::Fail(QCoreApplication::translate(
                                  "JpegCodec", "The image is too large to load (%1 x %2 pixels)")
                                  .arg(width)
                                  .arg(height));
    QByteArray out;
    out.resize(static_cast<qsizetype>(bytes));
    if (out.size() != bytes)
        return Result<>::Fail(
            QCoreApplication::translate("JpegCodec", "Not enough memory to load the image"));
    if (tjDecompress2(handle.get(), src, size, reinterpret_cast<unsigned char*>(out.data()), width,
                      width * 4, height, TJPF_CMYK, TJFLAG_STOPONWARNING) != 0)
        return Result<>::Fail(
            QCoreApplication::translate("JpegCodec", "The JPEG image is damaged or incomplete: %1")
                .arg(TjError(handle.get())));
    return out;
}

Result<QImage> JpegCodec::DecodeScaled(const QByteArray& data, QSize atLeast) {
    auto opened = OpenDecoder(data);
    if (!opened)
        return opened.status();
    const auto& [handle, src, size, width, height, colorspace] = *opened;
    int count = 0;
    const tjscalingfactor* factors = tjGetScalingFactors(&count);
    int w = width, h = height;
    for (int i = 0; factors && i < count; ++i) {
        const tjscalingfactor f = factors[i];
        const int sw = TJSCALED(width, f), sh = TJSCALED(height, f);
        if (f.num <= f.denom && sw >= std::min(atLeast.width(), width) &&
            sh >= std::min(atLeast.height(), height) && qint64(sw) * sh < qint64(w) * h) {
            w = sw;
            h = sh;
        }
    }
    if (!PixelArray::SizeAllowed(w, h))
        return Result<>::Fail(QCoreApplication::translate(
                                  "JpegCodec", "The image is too large to load (%1 x %2 pixels)")
                                  .arg(width)
                                  .arg(height));
    QImage out(w, h, QImage::Format_RGB888);
    if (out.isNull())
        return Result<>::Fail(
            QCoreApplication::translate("JpegCodec", "Not enough memory to load the image"));
    if (tjDecompress2(handle.get(), src, size, out.bits(), w, static_cast<int>(out.bytesPerLine()),
                      h, TJPF_RGB,
                      TJFLAG_STOPONWARNING | TJFLAG_FASTDCT | TJFLAG_FASTUPSAMPLE) != 0)
        return Result<>::Fail(
            QCoreApplication::translate("JpegCodec", "The JPEG image is damaged or incomplete: %1")
                .arg(TjError(handle.get())));
    return out;
}

bool JpegCodec::FitsEncoder(QSize pixels) {
    if (pixels.isEmpty())
        return true;
    const unsigned long bound = tjBufSize(pixels.width(), pixels.height(), TJSAMP_420);
    return bound != static_cast<unsigned long>(-1) && bound <= 0x7fffffffUL;
}

int JpegCodec::MaxMegapixels() {
    // 4:2:0 needs three bytes per pixel at worst.
    return static_cast<int>(0x7fffffffLL / 3 / 1000000);
}

Result<QByteArray> JpegCodec::Encode(const PixelArray& pixels, Resolution resolution, int quality,
                                     const QByteArray& icc) {
    return EncodeRegion(pixels, QRect(0, 0, pixels.Width(), pixels.Height()), resolution, quality,
                        icc);
}

Result<QByteArray> JpegCodec::EncodeRegion(const PixelArray& pixels, const QRect& region,
                                           Resolution resolution, int quality,
                                           const QByteArray& icc) {
    if (pixels.IsNull() || region.isEmpty() ||
        !QRect(0, 0, pixels.Width(), pixels.Height()).contains(region))
        return Result<>::Fail(
            QCoreApplication::translate("JpegCodec", "There is no image to encode"));
    Handle handle(tjInitCompress());
    if (!handle)
        return Result<>::Fail(
            QCoreApplication::translate("JpegCodec", "The JPEG encoder could not be started"));
    // Encode straight into the result, sized for the worst case: only the pages the encoder
    // writes are ever touched, and nothing is copied afterwards.
    if (!FitsEncoder(region.size()))
        return Result<>::Fail(
            QCoreApplication::translate("JpegCodec", "The image is too large to encode"));
    const unsigned long bound = tjBufSize(region.width(), region.height(), TJSAMP_420);
    QByteArray jpeg(static_cast<qsizetype>(bound), Qt::Uninitialized);
    if (jpeg.size() != static_cast<qsizetype>(bound))
        return Result<>::Fail(
            QCoreApplication::translate("JpegCodec", "Not enough memory for the encoded image"));
    auto* buffer = reinterpret_cast<unsigned char*>(jpeg.data());
    unsigned long size = bound;
    const unsigned char* first = pixels.Row(region.top()) + qsizetype(region.left()) * 3;
    if (tjCompress2(handle.get(), first, region.width(), static_cast<int>(pixels.BytesPerLine()),
                    region.height(), TJPF_RGB, &buffer, &size, TJSAMP_420, quality,
                    TJFLAG_NOREALLOC) != 0)
        return Result<>::Fail(QCoreApplication::translate("JpegCodec", "JPEG encoding failed: %1")
                                  .arg(TjError(handle.get())));
    jpeg.truncate(static_cast<qsizetype>(size));
    StoreDensity(jpeg, resolution);
    StoreIccProfile(jpeg, icc);
    return jpeg;
}

} // namespace tessellon
