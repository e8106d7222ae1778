#include "source/image_loader.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QTransform>

namespace tessellon {

bool ImageLoader::HasLoadableName(const QString& fileName) {
    if (fileName.size() < 4)
        return false;
    const QString ext = fileName.right(3).toUpper();
    return ext == u"BMP" || ext == u"JPG" || ext == u"TIF";
}

std::optional<QSize> ImageLoader::ReadFileInfo(const QString& path) {
    QImageReader reader(path);
    reader.setAutoTransform(false);
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty())
        return std::nullopt;
    return size;
}

bool ImageLoader::SupportsReducedDecode(const QString& path) {
    QImageReader reader(path);
    // Qt's JPEG reader scales while decoding; other readers decode in full and scale after.
    return reader.supportsOption(QImageIOHandler::ScaledSize);
}

QImage ImageLoader::Decode(const QString& path, QSize size) {
    QImageReader reader(path);
    reader.setAutoTransform(false);
    if (size.isValid() && !size.isEmpty())
        reader.setScaledSize(size);
    QImage img = reader.read();
    return img;
}

QImage ImageLoader::Rotated(const QImage& img, int degrees) {
    if (img.isNull() || (degrees != 90 && degrees != 180 && degrees != 270))
        return img;
    return img.transformed(QTransform().rotate(degrees));
}

QString ImageLoader::TooSmallTitle() {
    return QCoreApplication::translate("ImageLoader", "Invalid Image File Selected");
}

QString ImageLoader::TooSmallText() {
    return QCoreApplication::translate("ImageLoader",
                                       "The image you selected is EXTREMELY small.  It has a "
                                       "height and/or width that is below the minimum allowable "
                                       "size of ") +
           QString::number(kMinImageSize) +
           QCoreApplication::translate("ImageLoader", " pixels.  Please select a larger image.  ");
}

} // namespace tessellon
