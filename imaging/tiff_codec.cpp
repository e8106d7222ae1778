#include "imaging/tiff_codec.h"

#include <QColorSpace>
#include <QCoreApplication>

#include <tiffio.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

namespace tessellon {
namespace {

// Where libtiff reads from or writes to: an open file, bytes in memory, or a growing buffer.
struct Io {
    QIODevice* device = nullptr;
    const char* data = nullptr;
    qint64 size = 0;
    QByteArray* out = nullptr;
    qint64 pos = 0;
};

tmsize_t ReadProc(thandle_t h, void* buffer, tmsize_t n) {
    auto* io = static_cast<Io*>(h);
    if (io->device)
        return io->device->read(static_cast<char*>(buffer), n);
    if (!io->data)
        return 0;
    const qint64 take = std::clamp<qint64>(io->size - io->pos, 0, n);
    std::memcpy(buffer, io->data + io->pos, static_cast<size_t>(take));
    io->pos += take;
    return take;
}

tmsize_t WriteProc(thandle_t h, void* buffer, tmsize_t n) {
    auto* io = static_cast<Io*>(h);
    if (!io->out || n < 0)
        return -1;
    if (io->pos + n > io->out->size())
        io->out->resize(io->pos + n);
    if (io->out->size() < io->pos + n)
        return -1;
    std::memcpy(io->out->data() + io->pos, buffer, static_cast<size_t>(n));
    io->pos += n;
    return n;
}

toff_t SizeProc(thandle_t h) {
    const auto* io = static_cast<Io*>(h);
    return static_cast<toff_t>(io->device ? io->device->size()
                               : io->out  ? io->out->size()
                                          : io->size);
}

toff_t SeekProc(thandle_t h, toff_t offset, int whence) {
    auto* io = static_cast<Io*>(h);
    const auto off = static_cast<qint64>(offset);
    const qint64 at = io->device ? io->device->pos() : io->pos;
    const qint64 to = whence == SEEK_CUR   ? at + off
                      : whence == SEEK_END ? static_cast<qint64>(SizeProc(h)) + off
                                           : off;
    if (to < 0 || (io->device && !io->device->seek(to)))
        return static_cast<toff_t>(-1);
    io->pos = to;
    return static_cast<toff_t>(to);
}

int CloseProc(thandle_t) {
    return 0;
}

// Bytes in memory are handed over as they are; a file is never mapped, as it may shrink.
int MapProc(thandle_t h, void** base, toff_t* size) {
    const auto* io = static_cast<Io*>(h);
    if (!io->data)
        return 0;
    *base = const_cast<char*>(io->data);
    *size = static_cast<toff_t>(io->size);
    return 1;
}

void UnmapProc(thandle_t, void*, toff_t) {}

// libtiff's complaints are not printed: a failure is told by the result.
int Quiet(TIFF*, void*, const char*, const char*, va_list) {
    return 1;
}

struct TiffCloser {
    void operator()(TIFF* t) const { TIFFClose(t); }
};
using TiffHandle = std::unique_ptr<TIFF, TiffCloser>;

TiffHandle Open(const char* mode, Io& io) {
    TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
    TIFFOpenOptionsSetErrorHandlerExtR(options, Quiet, nullptr);
    TIFFOpenOptionsSetWarningHandlerExtR(options, Quiet, nullptr);
    TIFF* t = TIFFClientOpenExt("tessellon", mode, &io, ReadProc, WriteProc, SeekProc, CloseProc,
                                SizeProc, MapProc, UnmapProc, options);
    TIFFOpenOptionsFree(options);
    return TiffHandle(t);
}

// Whether the directory is the kind DecodeRgb reads: 8-bit RGB, interleaved, upright, no alpha.
bool PlainRgb(TIFF* tif) {
    uint16_t spp = 0, bps = 0, photometric = 0, planar = 0, orientation = 0, format = 0, extra = 0;
    uint16_t* extraKinds = nullptr;
    if (!TIFFGetField(tif, TIFFTAG_PHOTOMETRIC, &photometric))
        return false;
    TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLESPERPIXEL, &spp);
    TIFFGetFieldDefaulted(tif, TIFFTAG_BITSPERSAMPLE, &bps);
    TIFFGetFieldDefaulted(tif, TIFFTAG_PLANARCONFIG, &planar);
    TIFFGetFieldDefaulted(tif, TIFFTAG_ORIENTATION, &orientation);
    TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLEFORMAT, &format);
    TIFFGetFieldDefaulted(tif, TIFFTAG_EXTRASAMPLES, &extra, &extraKinds);
    return spp == 3 && bps == 8 && photometric == PHOTOMETRIC_RGB &&
           planar == PLANARCONFIG_CONTIG && orientation == ORIENTATION_TOPLEFT &&
           format == SAMPLEFORMAT_UINT && extra == 0;
}

QImage DecodeOpened(TIFF* tif);

int Dpm(int dpi) {
    return static_cast<int>(std::lround(dpi / 0.0254)); // as ImageObject stamps it
}

} // namespace

Result<TiffCodec::Header> TiffCodec::ReadHeader(QIODevice& device) {
    Io io;
    io.device = &device;
    if (!device.seek(0))
        return Result<>::Fail(device.errorString());
    const TiffHandle t = Open("rm", io);
    if (!t)
        return Result<>::Fail(QStringLiteral("no TIFF directory"));
    Header header;
    uint32_t w = 0, h = 0;
    if (!TIFFGetField(t.get(), TIFFTAG_IMAGEWIDTH, &w) ||
        !TIFFGetField(t.get(), TIFFTAG_IMAGELENGTH, &h) || w > INT_MAX || h > INT_MAX)
        return Result<>::Fail(QStringLiteral("no picture size"));
    // Unusual sample layouts are left to the whole-file reading, which names their faults.
    uint16_t bps = 0, spp = 0;
    TIFFGetFieldDefaulted(t.get(), TIFFTAG_BITSPERSAMPLE, &bps);
    TIFFGetFieldDefaulted(t.get(), TIFFTAG_SAMPLESPERPIXEL, &spp);
    if ((bps != 1 && bps != 8 && bps != 16) || spp < 1 || spp > 4)
        return Result<>::Fail(QStringLiteral("an unusual sample layout"));
    header.size = QSize(static_cast<int>(w), static_cast<int>(h));
    uint16_t orientation = 0, photometric = 0;
    if (TIFFGetField(t.get(), TIFFTAG_ORIENTATION, &orientation) && orientation >= 1 &&
        orientation <= 8)
        header.orientation = orientation;
    if (TIFFGetField(t.get(), TIFFTAG_PHOTOMETRIC, &photometric))
        header.photometric = photometric;
    uint16_t *red = nullptr, *green = nullptr, *blue = nullptr;
    header.hasColourMap = TIFFGetField(t.get(), TIFFTAG_COLORMAP, &red, &green, &blue) == 1;
    header.plainRgb = PlainRgb(t.get());
    header.tiled = TIFFIsTiled(t.get()) != 0;
    return header;
}

QImage TiffCodec::DecodeRgb(const QByteArray& data) {
    Io io;
    io.data = data.constData();
    io.size = data.size();
    const TiffHandle t = Open("r", io);
    return t ? DecodeOpened(t.get()) : QImage();
}

QImage TiffCodec::DecodeRgb(QIODevice& device) {
    Io io;
    io.device = &device;
    if (!device.seek(0))
        return {};
    const TiffHandle t = Open("rm", io);
    return t ? DecodeOpened(t.get()) : QImage();
}

std::shared_ptr<TIFF> TiffCodec::OpenStrips(QIODevice& device) {
    // The handle reads through `io`, which lives as long as the handle.
    auto io = std::make_shared<Io>();
    io->device = &device;
    if (!device.seek(0))
        return nullptr;
    TiffHandle t = Open("rm", *io);
    uint32_t w = 0;
    if (!t || !PlainRgb(t.get()) || TIFFIsTiled(t.get()) ||
        !TIFFGetField(t.get(), TIFFTAG_IMAGEWIDTH, &w) ||
        static_cast<size_t>(TIFFScanlineSize(t.get())) != static_cast<size_t>(w) * 3)
        return nullptr;
    return std::shared_ptr<TIFF>(t.release(), [io](TIFF* tif) { TIFFClose(tif); });
}

QByteArray TiffCodec::IccProfile(TIFF* tif) {
    uint32_t iccBytes = 0;
    void* icc = nullptr;
    if (!TIFFGetField(tif, TIFFTAG_ICCPROFILE, &iccBytes, &icc) || !icc)
        return {};
    const QColorSpace space = QColorSpace::fromIccProfile(
        QByteArray(static_cast<const char*>(icc), static_cast<qsizetype>(iccBytes)));
    return space.isValid() ? space.iccProfile() : QByteArray();
}

namespace {

QImage DecodeOpened(TIFF* tif) {
    uint32_t w = 0, h = 0;
    if (!PlainRgb(tif) || !TIFFGetField(tif, TIFFTAG_IMAGEWIDTH, &w) ||
        !TIFFGetField(tif, TIFFTAG_IMAGELENGTH, &h) || w < 1 || h < 1 || w > INT_MAX || h > INT_MAX)
        return {};
    QImage image(static_cast<int>(w), static_cast<int>(h), QImage::Format_RGB888);
    if (image.isNull())
        return {};
    const size_t rowBytes = static_cast<size_t>(w) * 3;
    if (TIFFIsTiled(tif)) {
        uint32_t tw = 0, th = 0;
        TIFFGetField(tif, TIFFTAG_TILEWIDTH, &tw);
        TIFFGetField(tif, TIFFTAG_TILELENGTH, &th);
        const tmsize_t tileBytes = TIFFTileSize(tif);
        if (tw < 1 || th < 1 || tileBytes < static_cast<tmsize_t>(tw) * th * 3)
            return {};
        std::vector<uint8_t> tile(static_cast<size_t>(tileBytes));
        for (uint32_t y = 0; y < h; y += th)
            for (uint32_t x = 0; x < w; x += tw) {
                if (TIFFReadTile(tif, tile.data(), x, y, 0, 0) < 0)
                    return {};
                const size_t bytes = static_cast<size_t>(std::min(tw, w - x)) * 3;
                for (uint32_t r = 0; r < th && y + r < h; ++r)
                    std::memcpy(image.scanLine(static_cast<int>(y + r)) + x * 3,
                                tile.data() + static_cast<size_t>(r) * tw * 3, bytes);
            }
    } else {
        if (static_cast<size_t>(TIFFScanlineSize(tif)) != rowBytes)
            return {};
        for (uint32_t y = 0; y < h; ++y)
            if (TIFFReadScanline(tif, image.scanLine(static_cast<int>(y)), y, 0) < 0)
                return {};
    }
    // The resolution and profile as Qt's plugin reads them, so that either way gives the same.
    uint16_t unit = RESUNIT_INCH;
    TIFFGetField(tif, TIFFTAG_RESOLUTIONUNIT, &unit);
    float resX = 0, resY = 0;
    if (TIFFGetField(tif, TIFFTAG_XRESOLUTION, &resX) &&
        TIFFGetField(tif, TIFFTAG_YRESOLUTION, &resY)) {
        const double perMetre = unit == RESUNIT_CENTIMETER ? 100
                                : unit == RESUNIT_INCH     ? 100 / 2.54
                                                           : 0;
        if (perMetre > 0) {
            image.setDotsPerMeterX(qRound(resX * perMetre));
            image.setDotsPerMeterY(qRound(resY * perMetre));
        }
    }
    if (const QByteArray icc = TiffCodec::IccProfile(tif); !icc.isEmpty())
        image.setColorSpace(QColorSpace::fromIccProfile(icc));
    return image;
}

} // namespace

Result<QByteArray> TiffCodec::EncodeRegion(const PixelArray& pixels, const QRect& region, int dpiX,
                                           int dpiY, const QByteArray& icc) {
    const auto fail = [] {
        return Result<>::Fail(
            QCoreApplication::translate("TiffCodec", "The TIFF file could not be written"));
    };
    if (pixels.IsNull() || region.isEmpty() ||
        !QRect(0, 0, pixels.Width(), pixels.Height()).contains(region))
        return fail();
    QByteArray out;
    // Uncompressed: room for the pixels and the directory at once, no regrowing.
    out.reserve(static_cast<qsizetype>(region.width()) * 3 * region.height() + icc.size() + 4096);
    Io io;
    io.out = &out;
    {
        const TiffHandle t = Open("wB", io);
        if (!t)
            return fail();
        TIFF* tif = t.get();
        const int dpmX = Dpm(dpiX), dpmY = Dpm(dpiY);
        const bool metric = dpmX % 100 == 0 && dpmY % 100 == 0;
        const bool tagged =
            TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, region.width()) &&
            TIFFSetField(tif, TIFFTAG_IMAGELENGTH, region.height()) &&
            TIFFSetField(tif, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG) &&
            TIFFSetField(tif, TIFFTAG_RESOLUTIONUNIT, metric ? RESUNIT_CENTIMETER : RESUNIT_INCH) &&
            TIFFSetField(tif, TIFFTAG_XRESOLUTION,
                         metric ? dpmX / 100.0
                                : double(static_cast<float>(qRound(dpmX * 0.0254)))) &&
            TIFFSetField(tif, TIFFTAG_YRESOLUTION,
                         metric ? dpmY / 100.0
                                : double(static_cast<float>(qRound(dpmY * 0.0254)))) &&
            TIFFSetField(tif, TIFFTAG_ORIENTATION, ORIENTATION_TOPLEFT) &&
            TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB) &&
            TIFFSetField(tif, TIFFTAG_COMPRESSION, COMPRESSION_NONE) &&
            TIFFSetField(tif, TIFFTAG_SAMPLESPERPIXEL, 3) &&
            TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, 8);
        if (!tagged)
            return fail();
        // Strips of about 4 MB, as Qt's plugin cuts them.
        const qint64 rows = (qint64(4) << 20) / std::max<qint64>(1, TIFFScanlineSize(tif));
        if (!TIFFSetField(tif, TIFFTAG_ROWSPERSTRIP,
                          TIFFDefaultStripSize(
                              tif, static_cast<uint32_t>(std::clamp<qint64>(rows, 1, UINT32_MAX)))))
            return fail();
        // Only a profile Qt understands is written, as its plugin does.
        if (!icc.isEmpty()) {
            const QColorSpace space = QColorSpace::fromIccProfile(icc);
            const QByteArray profile = space.isValid() ? space.iccProfile() : QByteArray();
            if (!profile.isEmpty() &&
                !TIFFSetField(tif, TIFFTAG_ICCPROFILE, static_cast<uint32_t>(profile.size()),
                              profile.constData()))
                return fail();
        }
        const qsizetype left = static_cast<qsizetype>(region.left()) * 3;
        for (int y = 0; y < region.height(); ++y)
            if (TIFFWriteScanline(tif,
                                  const_cast<std::uint8_t*>(pixels.Row(region.top() + y)) + left,
                                  static_cast<uint32_t>(y), 0) != 1)
                return fail();
        if (TIFFFlush(tif) != 1)
            return fail();
    }
    return out;
}

} // namespace tessellon
