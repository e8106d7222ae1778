#include "export/file_output.h"

#include <QCoreApplication>
#include <QSaveFile>

namespace tessellon {

ImagingResult WriteFileReplacing(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return ImagingResult::Fail(
            QCoreApplication::translate("ImageObject", "The file could not be created: %1")
                .arg(file.errorString()));
    if (file.write(bytes) != bytes.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return ImagingResult::Fail(
            QCoreApplication::translate("ImageObject", "The file could not be written: %1")
                .arg(why));
    }
    if (!file.commit())
        return ImagingResult::Fail(
            QCoreApplication::translate("ImageObject", "The file could not be completed: %1")
                .arg(file.errorString()));
    return ImagingResult::Ok();
}

} // namespace tessellon
