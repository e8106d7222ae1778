#include "imaging/watched_file.h"

#include "common/file_kind.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace tessellon {

WatchedFile::Stamp WatchedFile::Stamp::Of(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() ? Stamp{info.size(), info.lastModified()} : Stamp{};
}

QString WatchedFile::ChangedText() {
    return QCoreApplication::translate("ImageFileReader",
                                       "The file changed while it was being read (it may "
                                       "still be being written or copied). Try again when "
                                       "it is complete.");
}

Result<> WatchedFile::Open(const QString& path) {
    const FileKind::Opened opened = FileKind::OpenRegular(path);
    if (opened.fd < 0 || !file_.open(opened.fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return Result<>::Fail(
            QCoreApplication::translate("ImageFileReader", "The file could not be opened: %1")
                .arg(opened.fd < 0 ? opened.why : file_.errorString()));
    path_ = path;
    stamp_ = {file_.size(), QFileInfo(path).lastModified()};
    return Result<>::Ok();
}

Result<> WatchedFile::CheckUnchanged() const {
    return Stamp::Of(path_) == stamp_ ? Result<>::Ok() : Result<>::Fail(ChangedText());
}

} // namespace tessellon
