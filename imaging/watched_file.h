#pragma once

#include "common/result.h"

#include <QDateTime>
#include <QFile>
#include <QString>

namespace tessellon {

// A photo file open for reading as it is decoded, with its size and time of change when opened,
// so that a file written or replaced meanwhile is noticed at the end rather than cut into tiles.
class WatchedFile {
public:
    // Opens `path`, a regular file; the failure is the user's sentence.
    Result<> Open(const QString& path);
    QFile& File() { return file_; }
    // Fails, saying so, when the file's size or time of change is no longer the one opened.
    Result<> CheckUnchanged() const;

private:
    QFile file_;
    QString path_;
    qint64 size_ = 0;
    QDateTime modified_;
};

} // namespace tessellon
