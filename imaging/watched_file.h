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
    // What tells one version of a file from another cheaply: its size and time of change.
    struct Stamp {
        qint64 size = -1; // -1: no regular file there
        QDateTime modified;
        static Stamp Of(const QString& path);
        bool operator==(const Stamp&) const = default;
    };
    // The user's sentence for a file that changed while it was read.
    static QString ChangedText();

    // Opens `path`, a regular file; the failure is the user's sentence.
    Result<> Open(const QString& path);
    QFile& File() { return file_; }
    // Fails, saying so, when the file's size or time of change is no longer the one opened.
    Result<> CheckUnchanged() const;

private:
    QFile file_;
    QString path_;
    Stamp stamp_;
};

} // namespace tessellon
