#include "imaging/watched_file.h"

#include "common/file_kind.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace tessellon {

Result<> WatchedFile::Open(const QString& path) {
    const FileKind::Opened opened = FileKind::OpenRegular(path);
    if (opened.fd < 0 || !file_.open(opened.fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return Result<>::Fail(
            QCoreApplication::translate("ImageFileReader", "The file could not be opened: %1")
                .arg(opened.fd < 0 ? opened.why : file_.errorString()));
    path_ = path;
    size_ = file_.size();
    modified_ = QFileInfo(path).lastModified();
    return Result<>::Ok();
}

Result<> WatchedFile::CheckUnchanged() const {
    const QFileInfo after(path_);
    if (after.size() != size_ || after.lastModified() != modified_)
        return Result<>::Fail(QCoreApplication::translate(
            "ImageFileReader", "The file changed while it was being read (it may "
                               "still be being written or copied). Try again when "
                               "it is complete."));
    return Result<>::Ok();
}

} // namespace tessellon
