#pragma once

#include <QImage>

#include <cstdint>

namespace tessellon {

// Pixels of one image as bytes in three dimensions, all lower bounds 0: channel 0..2 (red,
// green, blue) innermost, then x 0..width-1, then y 0..height-1. Rows are stored one after the
// other (each may carry a few padding bytes at its end, see BytesPerLine), so that the array
// can be handed to and from an image object without copying. Copies share the bytes until one
// of them is written to.
class PixelArray {
public:
    static constexpr int kChannels = 3;

    PixelArray() = default;
    // A zero-filled (black) array; null when the memory cannot be had.
    PixelArray(int width, int height);
    // Same without clearing the bytes, for arrays that are overwritten at once.
    static PixelArray Uninitialized(int width, int height);
    // The pixels of `image` (converted to three 8-bit channels when needed).
    static PixelArray FromImage(const QImage& image);

    bool IsNull() const { return image_.isNull(); }
    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    qsizetype BytesPerLine() const { return image_.bytesPerLine(); }

    // Byte of channel c at (x, y). No range check beyond debug assertions.
    std::uint8_t operator()(int c, int x, int y) const {
        Q_ASSERT(c >= 0 && c < kChannels && x >= 0 && x < Width() && y >= 0 && y < Height());
        return image_.constScanLine(y)[x * kChannels + c];
    }
    void Set(int c, int x, int y, std::uint8_t value) {
        Q_ASSERT(c >= 0 && c < kChannels && x >= 0 && x < Width() && y >= 0 && y < Height());
        image_.scanLine(y)[x * kChannels + c] = value;
    }
    // Row y, width x 3 bytes. The writable form unshares the array first.
    const std::uint8_t* Row(int y) const { return image_.constScanLine(y); }
    std::uint8_t* MutableRow(int y) { return image_.scanLine(y); }
    // The first row, writable; rows follow at BytesPerLine() intervals.
    std::uint8_t* MutableBits() { return image_.bits(); }

    // Rows first .. first + count - 1 as an array of their own that reads this one's bytes in
    // place (no copy), for reading only: it is valid while this array keeps its bytes, and
    // writing to it copies the rows first.
    PixelArray RowsView(int first, int count) const;

    // The same pixels as an image in QImage::Format_RGB888, sharing the bytes.
    const QImage& Image() const { return image_; }
    // The image for painting on; its size and format must stay as they are.
    QImage& MutableImage() { return image_; }

    // Whether width x height x 3 bytes may be allocated on this machine.
    static bool SizeAllowed(qint64 width, qint64 height);
    // The largest image, in bytes, the program allocates: three quarters of the machine's
    // physical memory (at least 1 GiB), or less where the process may use less (an
    // address-space or control-group limit): then two fifths of what it may still take beyond
    // a reserve, so that the image can also be cut.
    static qint64 MaxImageBytes();
    // Called once at start: under an address-space limit the threads share one memory arena of
    // the C library, as each thread's own would take 64 MB of the address space whether used or
    // not, and a thread started later could find none left; and Qt's shared threads (which
    // scale images in parts) get small stacks, as Qt waits for ever on one that cannot start.
    static void ShareArenasUnderLimit();

    bool operator==(const PixelArray& other) const;

private:
    explicit PixelArray(QImage image) : image_(std::move(image)) {}
    static QImage Allocate(int width, int height);

    QImage image_;
};

} // namespace tessellon
