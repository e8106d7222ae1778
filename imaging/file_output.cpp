#include "imaging/file_output.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tessellon {

Result<> WriteFileReplacing(const QString& path, const QByteArray& bytes) {
    // A symbolic link of that name is replaced itself; writing through it would change a file
    // somewhere else.
    if (QFileInfo(path).isSymLink() && !QFile::remove(path))
        return Result<>::Fail(
            QCoreApplication::translate("ImageObject", "The file could not be created: %1")
                .arg(QCoreApplication::translate("ImageObject",
                                                 "a link of that name cannot be removed")));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Result<>::Fail(
            QCoreApplication::translate("ImageObject", "The file could not be created: %1")
                .arg(file.errorString()));
    if (file.write(bytes) != bytes.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return Result<>::Fail(
            QCoreApplication::translate("ImageObject", "The file could not be written: %1")
                .arg(why));
    }
    if (!file.commit())
        return Result<>::Fail(
            QCoreApplication::translate("ImageObject", "The file could not be completed: %1")
                .arg(file.errorString()));
    return Result<>::Ok();
}

} // namespace tessellon
