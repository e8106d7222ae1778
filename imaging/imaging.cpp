#include "imaging/imaging.h"

#include "common/message_service.h"

#include <QCoreApplication>

namespace tessellon {

QString ImageObjectInitErrorText() {
    return QCoreApplication::translate("Imaging",
                                       "Error initializing image object.  Can not continue.");
}

QString ImageObjectInitErrorTitle() {
    return QCoreApplication::translate("Imaging", "Error");
}

std::optional<ImageObject> NewImageObject(MessageService& messages) {
    ImageObject obj;
    if (!obj.LoadPixels(PixelArray(1, 1))) {
        messages.Critical(ImageObjectInitErrorTitle(), ImageObjectInitErrorText());
        return std::nullopt;
    }
    return obj;
}

} // namespace tessellon
