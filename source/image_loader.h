#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace tessellon {

// The checks of the chosen source image beyond those of reading it (ImageFileReader).
class ImageLoader {
public:
    static constexpr int kMinImageSize = 25;

    // `img` turned clockwise by 90, 180 or 270 degrees; unchanged for other angles.
    static QImage Rotated(const QImage& img, int degrees);

    static bool IsLargeEnough(QSize size) {
        return size.width() >= kMinImageSize && size.height() >= kMinImageSize;
    }
    static QString TooSmallTitle();
    static QString TooSmallText();
};

} // namespace tessellon
