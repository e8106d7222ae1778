#include "imaging/pixel_array.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace tessellon {
namespace {

// Large pixel buffers are aligned to and backed by huge pages where the system offers them:
// touching a fresh 70 MB buffer page by page costs more than decoding a photo into it.
constexpr qsizetype kHugePage = qsizetype(2) << 20;
constexpr qsizetype kLargeBuffer = qsizetype(4) << 20;

void FreeBuffer(void* data) {
    std::free(data);
}

} // namespace

qint64 PixelArray::MaxImageBytes() {
    static const qint64 limit = [] {
        qint64 physical = 0;
#if defined(__linux__)
        const long pages = sysconf(_SC_PHYS_PAGES);
        const long pageSize = sysconf(_SC_PAGESIZE);
        if (pages > 0 && pageSize > 0)
            physical = qint64(pages) * pageSize;
#endif
        const qint64 floor = qint64(1) << 30;
        return physical > 0 ? std::max(floor, physical / 4 * 3) : qint64(8) << 30;
    }();
    return limit;
}

bool PixelArray::SizeAllowed(qint64 width, qint64 height) {
    if (width < 1 || height < 1 || width > 0x7fffffff / 4 || height > 0x7fffffff)
        return false;
    const qint64 bpl = (width * kChannels + 3) & ~qint64(3);
    return bpl <= MaxImageBytes() / height;
}

QImage PixelArray::Allocate(int width, int height) {
    if (!SizeAllowed(width, height))
        return {};
    const qsizetype bpl = (qsizetype(width) * kChannels + 3) & ~qsizetype(3);
    const qsizetype bytes = bpl * height;
    if (bytes < kLargeBuffer)
        return QImage(width, height, QImage::Format_RGB888);
    void* data = nullptr;
    if (posix_memalign(&data, kHugePage, static_cast<size_t>(bytes)) != 0 || !data)
        return {};
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    madvise(data, static_cast<size_t>(bytes), MADV_HUGEPAGE);
#endif
    QImage img(static_cast<uchar*>(data), width, height, bpl, QImage::Format_RGB888, &FreeBuffer,
               data);
    if (img.isNull())
        std::free(data);
    return img;
}

PixelArray::PixelArray(int width, int height) : image_(Allocate(width, height)) {
    if (!image_.isNull())
        std::memset(image_.bits(), 0, static_cast<size_t>(image_.sizeInBytes()));
}

PixelArray PixelArray::Uninitialized(int width, int height) {
    return PixelArray(Allocate(width, height));
}

PixelArray PixelArray::FromImage(const QImage& image) {
    if (image.isNull())
        return {};
    if (image.format() == QImage::Format_RGB888)
        return PixelArray(image);
    // Convert row by row into our own buffer: QImage's converter allocates plain pages.
    PixelArray out = Uninitialized(image.width(), image.height());
    if (out.IsNull())
        return {};
    const bool direct32 =
        image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32;
    const int w = image.width();
    const size_t rowBytes = static_cast<size_t>(w) * kChannels;
    constexpr int kBand = 64;
    for (int y0 = 0; y0 < image.height(); y0 += kBand) {
        const int rows = std::min(kBand, image.height() - y0);
        if (direct32) {
            // Alpha is dropped: the program works with three channels only.
            for (int y = y0; y < y0 + rows; ++y) {
                const auto* src = reinterpret_cast<const QRgb*>(image.constScanLine(y));
                std::uint8_t* dst = out.MutableRow(y);
                for (int x = 0; x < w; ++x) {
                    dst[3 * x] = static_cast<std::uint8_t>(qRed(src[x]));
                    dst[3 * x + 1] = static_cast<std::uint8_t>(qGreen(src[x]));
                    dst[3 * x + 2] = static_cast<std::uint8_t>(qBlue(src[x]));
                }
            }
            continue;
        }
        const QImage band = image.copy(0, y0, w, rows).convertToFormat(QImage::Format_RGB888);
        if (band.isNull())
            return {};
        for (int y = 0; y < rows; ++y)
            std::memcpy(out.MutableRow(y0 + y), band.constScanLine(y), rowBytes);
    }
    return out;
}

bool PixelArray::operator==(const PixelArray& other) const {
    if (Width() != other.Width() || Height() != other.Height())
        return false;
    const size_t rowBytes = static_cast<size_t>(Width()) * kChannels;
    for (int y = 0; y < Height(); ++y) {
        if (std::memcmp(Row(y), other.Row(y), rowBytes) != 0)
            return false;
    }
    return true;
}

} // namespace tessellon
