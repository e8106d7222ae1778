#include "imaging/pixel_array.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <optional>

#if defined(__linux__)
#include <QFile>
#include <QThreadPool>

#include <malloc.h>
#include <sys/mman.h>
#include <sys/resource.h>
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

#if defined(__linux__)
// The first number of a small text file (a /proc or /sys entry); empty when there is none.
std::optional<qint64> FirstNumber(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    bool ok = false;
    const qint64 v = file.readLine(64).trimmed().split(' ').value(0).toLongLong(&ok);
    return ok ? std::optional<qint64>(v) : std::nullopt;
}

// What the process may still take beyond what it uses, where a limit is set: the address space
// (ulimit -v) less the address space in use, and its control group's memory.max less its
// memory.current (cgroup v2).
std::optional<qint64> ProcessMemoryRoom() {
    std::optional<qint64> room;
    const auto take = [&room](qint64 v) { room = std::min(room.value_or(v), v); };
    rlimit as{};
    if (getrlimit(RLIMIT_AS, &as) == 0 && as.rlim_cur != RLIM_INFINITY) {
        const auto pages = FirstNumber(QStringLiteral("/proc/self/statm"));
        take(qint64(as.rlim_cur) - pages.value_or(0) * sysconf(_SC_PAGESIZE));
    }
    QFile cgroup(QStringLiteral("/proc/self/cgroup"));
    if (cgroup.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : cgroup.readAll().split('\n')) {
            const QList<QByteArray> f = line.split(':'); // id:controllers:path
            if (f.size() < 3)
                continue;
            const QString path = QString::fromUtf8(f[2]).trimmed();
            std::optional<qint64> max, used;
            if (f[0] == "0" && f[1].isEmpty()) { // version 2; "max" is no limit
                max = FirstNumber(QStringLiteral("/sys/fs/cgroup") + path + "/memory.max");
                used = FirstNumber(QStringLiteral("/sys/fs/cgroup") + path + "/memory.current");
            } else if (f[1] == "memory") { // version 1
                const QString dir = QStringLiteral("/sys/fs/cgroup/memory") + path;
                max = FirstNumber(dir + QStringLiteral("/memory.limit_in_bytes"));
                used = FirstNumber(dir + QStringLiteral("/memory.usage_in_bytes"));
            }
            if (max && *max < (qint64(1) << 60))
                take(*max - used.value_or(0));
        }
    }
    return room;
}
#endif

} // namespace

qint64 PixelArray::MaxImageBytes() {
    static const qint64 limit = [] {
        qint64 physical = 0;
        std::optional<qint64> room;
#if defined(__linux__)
        const long pages = sysconf(_SC_PHYS_PAGES);
        const long pageSize = sysconf(_SC_PAGESIZE);
        if (pages > 0 && pageSize > 0)
            physical = qint64(pages) * pageSize;
        room = ProcessMemoryRoom();
#endif
        const qint64 floor = qint64(1) << 30;
        const qint64 machine = physical > 0 ? std::max(floor, physical / 4 * 3) : qint64(8) << 30;
        if (!room)
            return machine;
        // Under a process limit the image must leave room to be cut as well: while it is
        // decoded and cut the program holds it, a decoder's copy or tiles of up to half of it,
        // and the file; and the libraries, threads and their stacks need their share.
        constexpr qint64 kReserve = qint64(256) << 20;
        return std::clamp((*room - kReserve) * 2 / 5, std::min(qint64(16) << 20, machine), machine);
    }();
    return limit;
}

namespace {
// Enough for Qt's image work in parts and for our decoders; a quarter of the usual 8 MB.
constexpr unsigned kSharedThreadStack = 2u << 20;
} // namespace

void PixelArray::ShareArenasUnderLimit() {
#if defined(__linux__) && defined(__GLIBC__)
    rlimit as{};
    if (getrlimit(RLIMIT_AS, &as) == 0 && as.rlim_cur != RLIM_INFINITY) {
        mallopt(M_ARENA_MAX, 1);
        QThreadPool::globalInstance()->setStackSize(kSharedThreadStack);
    }
#endif
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

PixelArray PixelArray::RowsView(int first, int count) const {
    if (IsNull() || first < 0 || count < 1 || first + count > Height())
        return {};
    return PixelArray(
        QImage(image_.constScanLine(first), Width(), count, BytesPerLine(), QImage::Format_RGB888));
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
