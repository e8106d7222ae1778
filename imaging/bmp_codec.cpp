#include "imaging/bmp_codec.h"

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

QImage BmpCodec::DecodeRgb(const QByteArray& data) {
    if (data.size() < kFileHeader + kInfoHeader || !data.startsWith("BM") ||
        Get<quint32>(data, 14) != kInfoHeader || Get<quint16>(data, 26) != 1 ||
        Get<quint16>(data, 28) != 24 || Get<quint32>(data, 30) != 0)
        return {};
    const qint64 w = Get<qint32>(data, 18);
    const qint64 signedH = Get<qint32>(data, 22);
    const qint64 h = std::abs(signedH);
    const qint64 offset = Get<quint32>(data, 10);
    const qint64 stride = (w * 3 + 3) / 4 * 4;
    if (w < 1 || h < 1 || w > INT_MAX / 3 || h > INT_MAX || offset < kFileHeader + kInfoHeader ||
        offset + stride * h > data.size())
        return {};
    QImage image(static_cast<int>(w), static_cast<int>(h), QImage::Format_RGB888);
    if (image.isNull())
        return {};
    const bool bottomUp = signedH > 0;
    for (qint64 row = 0; row < h; ++row) {
        const auto* src = reinterpret_cast<const uchar*>(data.constData() + offset + row * stride);
        uchar* dst = image.scanLine(static_cast<int>(bottomUp ? h - 1 - row : row));
        for (qint64 x = 0; x < w; ++x, src += 3, dst += 3) {
            dst[0] = src[2];
            dst[1] = src[1];
            dst[2] = src[0];
        }
    }
    // As Qt's plugin: the header's values as they are (0 keeps the default).
    image.setDotsPerMeterX(Get<qint32>(data, 38));
    image.setDotsPerMeterY(Get<qint32>(data, 42));
    return image;
}

Result<QByteArray> BmpCodec::EncodeRegion(const PixelArray& pixels, const QRect& region, int dpiX,
                                          int dpiY) {
    if (pixels.IsNull() || region.isEmpty() ||
        !QRect(0, 0, pixels.Width(), pixels.Height()).contains(region))
        return Result<>::Fail(QStringLiteral("The BMP file could not be written"));
    const qint64 w = region.width(), h = region.height();
    const qint64 stride = (w * 24 + 31) / 32 * 4;
    const qint64 total = kFileHeader + kInfoHeader + stride * h;
    if (total > std::numeric_limits<quint32>::max())
        return Result<>::Fail(QStringLiteral("The picture is too large for a BMP file"));
    QByteArray out(static_cast<qsizetype>(total), Qt::Uninitialized);
    if (out.size() != total)
        return Result<>::Fail(QStringLiteral("Not enough memory for the encoded image"));
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
