#include "imaging/bmp_codec.h"

#include <QCoreApplication>
#include <QtEndian>

#include <cmath>
#include <cstring>

namespace tessellon {
namespace {

constexpr int kFileHeader = 14;
constexpr int kInfoHeader = 40;

template <class T> T Get(const QByteArray& b, int at) {
    return qFromLittleEndian<T>(b.constData() + at);
}

template <class T> void Put(char*& p, T value) {
    qToLittleEndian<T>(value, p);
    p += sizeof(T);
}

} // namespace

namespace {

// The layout of a plain BMP from its first 54 bytes; null when it is another kind or its rows
// do not all lie within `size` bytes.
struct Layout {
    qint64 w = 0, h = 0, offset = 0, stride = 0;
    bool bottomUp = true;
    int dpmX = 0, dpmY = 0;
    bool valid = false;
};

Layout LayoutOf(const QByteArray& head, qint64 size) {
    Layout l;
    if (head.size() < kFileHeader + kInfoHeader || !head.startsWith("BM") ||
        Get<quint32>(head, 14) != kInfoHeader || Get<quint16>(head, 26) != 1 ||
        Get<quint16>(head, 28) != 24 || Get<quint32>(head, 30) != 0)
        return l;
    l.w = Get<qint32>(head, 18);
    const qint64 signedH = Get<qint32>(head, 22);
    l.h = std::abs(signedH);
    l.bottomUp = signedH > 0;
    l.offset = Get<quint32>(head, 10);
    l.stride = (l.w * 3 + 3) / 4 * 4;
    l.dpmX = Get<qint32>(head, 38);
    l.dpmY = Get<qint32>(head, 42);
    l.valid = l.w >= 1 && l.h >= 1 && l.w <= INT_MAX / 3 && l.h <= INT_MAX &&
              l.offset >= kFileHeader + kInfoHeader && l.offset + l.stride * l.h <= size;
    return l;
}

// Rows from `rowAt(i)` (the i-th stored row, or null when it cannot be had).
template <class RowAt> QImage Decode(const Layout& l, RowAt rowAt) {
    if (!l.valid)
        return {};
    QImage image(static_cast<int>(l.w), static_cast<int>(l.h), QImage::Format_RGB888);
    if (image.isNull())
        return {};
    for (qint64 row = 0; row < l.h; ++row) {
        const uchar* src = rowAt(row);
        if (!src)
            return {};
        uchar* dst = image.scanLine(static_cast<int>(l.bottomUp ? l.h - 1 - row : row));
        for (qint64 x = 0; x < l.w; ++x, src += 3, dst += 3) {
            dst[0] = src[2];
            dst[1] = src[1];
            dst[2] = src[0];
        }
    }
    // As Qt's plugin: the header's values as they are (0 keeps the default).
    image.setDotsPerMeterX(l.dpmX);
    image.setDotsPerMeterY(l.dpmY);
    return image;
}

} // namespace

bool BmpCodec::IsPlain(const QByteArray& head, qint64 fileSize) {
    return LayoutOf(head, fileSize).valid;
}

QImage BmpCodec::DecodeRgb(const QByteArray& data) {
    const Layout l = LayoutOf(data, data.size());
    return Decode(l, [&](qint64 row) {
        return reinterpret_cast<const uchar*>(data.constData() + l.offset + row * l.stride);
    });
}

QImage BmpCodec::DecodeRgb(QIODevice& device) {
    if (!device.seek(0))
        return {};
    const Layout l = LayoutOf(device.read(kFileHeader + kInfoHeader), device.size());
    if (!l.valid || !device.seek(l.offset))
        return {};
    QByteArray buffer(static_cast<qsizetype>(l.stride), Qt::Uninitialized);
    return Decode(l, [&](qint64) -> const uchar* {
        return device.read(buffer.data(), l.stride) == l.stride
                   ? reinterpret_cast<const uchar*>(buffer.constData())
                   : nullptr;
    });
}

Result<QByteArray> BmpCodec::EncodeRegion(const PixelArray& pixels, const QRect& region, int dpiX,
                                          int dpiY) {
    if (pixels.IsNull() || region.isEmpty() ||
        !QRect(0, 0, pixels.Width(), pixels.Height()).contains(region))
        return Result<>::Fail(
            QCoreApplication::translate("BmpCodec", "The BMP file could not be written"));
    const qint64 w = region.width(), h = region.height();
    const qint64 stride = (w * 24 + 31) / 32 * 4;
    const qint64 total = kFileHeader + kInfoHeader + stride * h;
    if (total > std::numeric_limits<quint32>::max())
        return Result<>::Fail(
            QCoreApplication::translate("BmpCodec", "The picture is too large for a BMP file"));
    QByteArray out(static_cast<qsizetype>(total), Qt::Uninitialized);
    if (out.size() != total)
        return Result<>::Fail(
            QCoreApplication::translate("BmpCodec", "Not enough memory for the encoded image"));
    char* p = out.data();
    const auto dpm = [](int dpi) { return static_cast<qint32>(std::lround(dpi / 0.0254)); };
    *p++ = 'B';
    *p++ = 'M';
    Put<quint32>(p, static_cast<quint32>(total));
    Put<quint32>(p, 0);
    Put<quint32>(p, kFileHeader + kInfoHeader);
    Put<quint32>(p, kInfoHeader);
    Put<qint32>(p, static_cast<qint32>(w));
    Put<qint32>(p, static_cast<qint32>(h));
    Put<quint16>(p, 1);
    Put<quint16>(p, 24);
    Put<quint32>(p, 0); // uncompressed
    Put<quint32>(p, static_cast<quint32>(stride * h));
    Put<qint32>(p, dpm(dpiX));
    Put<qint32>(p, dpm(dpiY));
    Put<quint32>(p, 0);
    Put<quint32>(p, 0);
    for (qint64 row = h - 1; row >= 0; --row) {
        const std::uint8_t* src =
            pixels.Row(region.top() + static_cast<int>(row)) + region.left() * 3;
        auto* dst = reinterpret_cast<uchar*>(p);
        for (qint64 x = 0; x < w; ++x, src += 3, dst += 3) {
            dst[0] = src[2];
            dst[1] = src[1];
            dst[2] = src[0];
        }
        std::memset(dst, 0, static_cast<size_t>(stride - w * 3));
        p += stride;
    }
    return out;
}

} // namespace tessellon
