#include "common/file_kind.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tessellon {
namespace {

// The kind of a file that is neither regular nor a link, for the user.
QString KindName(mode_t mode) {
    if (S_ISDIR(mode))
        return QCoreApplication::translate("FileKind", "it is a folder");
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("FileKind",
                                           "it is a named pipe (FIFO), not a regular file");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QCoreApplication::translate("FileKind", "it is a device, not a regular file");
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("FileKind", "it is a socket, not a regular file");
    return QCoreApplication::translate("FileKind", "it is not a regular file");
}

} // namespace

QString FileKind::SystemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

QString FileKind::WhyNotRegular(const QString& path) {
    struct stat st {};
    if (path.isEmpty())
        return SystemError(ENOENT);
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return SystemError(errno);
    return S_ISREG(st.st_mode) ? QString() : KindName(st.st_mode);
}

QString FileKind::WhyNotFolder(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return SystemError(errno);
    return S_ISDIR(st.st_mode) ? QString()
                               : QCoreApplication::translate("FileKind", "it is not a folder");
}

FileKind::Opened FileKind::OpenRegular(const QString& path) {
    Opened out;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        out.missing = errno == ENOENT;
        out.why = SystemError(errno);
        return out;
    }
    struct stat st {};
    const bool known = ::fstat(fd, &st) == 0;
    if (!known || !S_ISREG(st.st_mode)) {
        out.why = known ? KindName(st.st_mode) : SystemError(errno);
        ::close(fd);
        return out;
    }
    // Reads of a regular file never wait; the flag only mattered for the opening.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    out.fd = fd;
    return out;
}

QString FileKind::WhyNotReplaceable(const QString& path) {
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return errno == ENOENT ? QString() : SystemError(errno);
    return S_ISREG(st.st_mode) || S_ISLNK(st.st_mode) ? QString() : KindName(st.st_mode);
}

QString FileKind::PrepareReplace(const QString& path) {
    if (QString why = WhyNotReplaceable(path); !why.isEmpty())
        return why;
    struct stat st {};
    const QByteArray name = QFile::encodeName(path);
    if (::lstat(name.constData(), &st) == 0 && S_ISLNK(st.st_mode) && ::unlink(name.constData()))
        return QCoreApplication::translate("FileKind", "a link of that name cannot be removed (%1)")
            .arg(SystemError(errno));
    return {};
}

} // namespace tessellon
