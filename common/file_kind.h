#pragma once

#include <QString>

namespace tessellon {

// What lies at a path, asked of the system without opening it: opening a named pipe blocks
// until a writer comes, and a device may be endless or replaced by a rename.
class FileKind {
public:
    // Empty when `path` is a regular file or a link to one; otherwise why not, as the end of
    // a sentence: "it is a named pipe (FIFO), not a regular file", "it is a folder", or what
    // the system said ("File name too long", "No such file or directory").
    static QString WhyNotRegular(const QString& path);
    // Empty when `path` is a folder (or a link to one); otherwise why not.
    static QString WhyNotFolder(const QString& path);
    // Empty when a new file may take the place of `path`: nothing is there, or a regular file,
    // or a symbolic link (which is then replaced itself, never followed). Otherwise why not:
    // a folder, device, pipe or socket is never replaced.
    static QString WhyNotReplaceable(const QString& path);
    // Readies `path` for a write that renames a new file over it (QSaveFile follows a link and
    // would change the file it points to): refuses what WhyNotReplaceable refuses and removes a
    // symbolic link of that name. Empty on success, else why not.
    static QString PrepareReplace(const QString& path);
    // Opens `path` for reading, only when it is a regular file (or a link to one), without
    // waiting: a named pipe would block the opening until a writer came. `fd` is the open
    // descriptor (the caller closes it), or -1 with `why` and `missing` set.
    struct Opened {
        int fd = -1;
        QString why;
        bool missing = false; // nothing of that name (the name may be one the system cannot hold)
    };
    static Opened OpenRegular(const QString& path);
    // The system's text for an errno value.
    static QString SystemError(int error);
};

} // namespace tessellon
