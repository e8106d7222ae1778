#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

namespace tessellon {

// The checks and decoding steps of loading the chosen source image.
class ImageLoader {
public:
    static constexpr int kMinImageSize = 25;

    // Whether a file name can be loaded: at least four characters, ending (case-insensitively)
    // in BMP, JPG or TIF.
    static bool HasLoadableName(const QString& fileName);
    // The pixel size stored in the file, read without decoding the pixels.
    static std::optional<QSize> ReadFileInfo(const QString& path);
    // Whether the format lets the decoder produce a reduced image cheaply (JPEG does).
    static bool SupportsReducedDecode(const QString& path);
    // Decodes the file at about `size` (the file's own size when `size` is empty). Null on
    // failure. The file's orientation tag is not applied: the rotation list turns the image.
    static QImage Decode(const QString& path, QSize size = {});
    // `img` turned clockwise by 90, 180 or 270 degrees; unchanged for other angles.
    static QImage Rotated(const QImage& img, int degrees);

    static bool IsLargeEnough(QSize size) {
        return size.width() >= kMinImageSize && size.height() >= kMinImageSize;
    }
    static QString TooSmallTitle();
    static QString TooSmallText();
};

} // namespace tessellon
