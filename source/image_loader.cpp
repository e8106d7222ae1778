#include "source/image_loader.h"

#include <QCoreApplication>
#include <QTransform>

namespace tessellon {

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
