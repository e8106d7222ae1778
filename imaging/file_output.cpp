#include "imaging/file_output.h"

#include "common/file_kind.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tessellon {

Result<> WriteFileReplacing(const QString& path, const QByteArray& bytes) {
    // A symbolic link of that name is replaced itself; writing through it would change a file
    // somewhere else. A device, pipe or folder of that name is never replaced.
    if (const QString why = FileKind::PrepareReplace(path); !why.isEmpty())
        return Result<>::Fail(
            QCoreApplication::translate("ImageObject", "The file could not be created: %1")
                .arg(why));
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
