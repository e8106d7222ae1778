#pragma once

#include "common/result.h"
#include "imaging/image_format.h"
#include "imaging/pixel_array.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

namespace tessellon {

// One raster image of three 8-bit channels with its resolution attributes: what the program
// loads, transforms, draws on and writes. Copies are independent (they share the pixels until
// one of them changes). No operation throws or shows anything; failures come back as results.
class ImageObject {
public:
    static constexpr int kDefaultDpi = 72;
    // Quality of every JPEG the program writes.
    static constexpr int kJpegQuality = 90;

    ImageObject() = default;
    // An image object holding the pixels of `image` (alpha dropped); resolution from the
    // image's dots per metre, colour profile from its colour space.
    static ImageObject FromImage(const QImage& image);

    bool IsNull() const { return pixels_.IsNull(); }
    int ImageWidth() const { return pixels_.Width(); }
    int ImageHeight() const { return pixels_.Height(); }

    // Replaces the content by an image file's pixels, resolution and colour profile, upright
    // (ImageFileReader: JPEG, TIFF, BMP, PNG, WebP, HEIC, AVIF). Damaged files are failures.
    Result<> LoadImageFile(const QString& path);
    // The file's upright pixel size, read from its header only.
    static Result<QSize> ReadFileInfo(const QString& path);

    // The pixels; shares the bytes with this object (no copy until either side writes).
    PixelArray ReadPixels() const { return pixels_; }
    // Content and size from the array; the resolution stays.
    Result<> LoadPixels(const PixelArray& pixels);
    // Content, size and resolution of `other`.
    void CopyFromImage(const ImageObject& other) { *this = other; }
    Result<> CreateBlankImage(int width, int height, QColor colour);
    // The whole image resampled to exactly width x height pixels.
    Result<> Resample(int width, int height);
    // Turns the image clockwise by 90, 180 or 270 degrees.
    Result<> Rotate(int degrees);

    // Resolution attributes in whole dots per inch (at least 1).
    Result<> SetImageInfo(ImageAttribute attribute, int value);
    int ImageInfo(ImageAttribute attribute) const;

    // The ICC colour profile the pixels are meant in; empty for none (sRGB). Kept through
    // every transformation and written into JPEG and TIFF files.
    const QByteArray& IccProfile() const { return icc_; }
    void SetIccProfile(QByteArray icc) { icc_ = std::move(icc); }

    // Writes the image in `format` to `path`, replacing a file of that name; the file appears
    // under its name only when it is complete.
    Result<> SaveImageFile(const QString& path, ImageFormat format) const;
    // The bytes SaveImageFile would write.
    Result<QByteArray> EncodeToMemory(ImageFormat format) const;

    // The image for showing on screen, with its resolution.
    QImage GetPicture() const;

    // Pixel extent of a single line of text at a font size (points at 96 pixels per inch) in
    // the program's font. Needs the graphical application object.
    static Result<QSize> MeasureText(const QString& text, int fontSize);
    // Draws text with its top-left corner at (x, y); opacity in percent.
    Result<> DrawText(int x, int y, const QString& text, int fontSize, QColor colour,
                      int opacityPercent = 100);

private:
    PixelArray pixels_;
    int dpiX_ = kDefaultDpi;
    int dpiY_ = kDefaultDpi;
    QByteArray icc_;
};

} // namespace tessellon
