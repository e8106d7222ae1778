#include "imaging/batched_file_writer.h"

#include "common/file_kind.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <system_error>

namespace tessellon {
namespace {

Result<> Failed(const char* text, int error) {
    return Result<>::Fail(
        QCoreApplication::translate("ImageObject", text).arg(qt_error_string(error)));
}

bool WriteAll(int fd, const char* data, qint64 size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= n;
    }
    return true;
}

} // namespace

BatchedFileWriter::BatchedFileWriter(int batchFiles, qint64 batchBytes)
    : batchFiles_(std::max(1, batchFiles)), batchBytes_(batchBytes) {
    // Read once: setting it back and forth while other threads create files would race.
    umask_ = ::umask(0);
    ::umask(umask_);
}

BatchedFileWriter::~BatchedFileWriter() {
    (void)Finish();
}

Result<> BatchedFileWriter::Write(const QString& path, const QByteArray& bytes) {
    // A symbolic link of that name is replaced itself; writing through it would change a file
    // somewhere else. A device, pipe or folder of that name is never replaced.
    if (const QString why = FileKind::PrepareReplace(path); !why.isEmpty())
        return Result<>::Fail(
            QCoreApplication::translate("ImageObject", "The file could not be created: %1")
                .arg(why));
    const QFileInfo info(path);
    Pending file;
    file.path = QFile::encodeName(path);
    // Hidden, so that a kill between writing and renaming leaves nothing that looks like a tile.
    file.temp = QFile::encodeName(info.path() + QStringLiteral("/.") + info.fileName()) + ".XXXXXX";
    file.fd = ::mkostemp(file.temp.data(), O_CLOEXEC);
    if (file.fd < 0)
        return Failed(QT_TRANSLATE_NOOP("ImageObject", "The file could not be created: %1"), errno);
    // As QSaveFile: a new file gets the usual permissions, a replaced one keeps its own.
    struct stat old {};
    const mode_t mode = ::stat(file.path.constData(), &old) == 0 && S_ISREG(old.st_mode)
                            ? old.st_mode & 07777
                            : 0666 & ~umask_;
    if (::fchmod(file.fd, mode) != 0 || !WriteAll(file.fd, bytes.constData(), bytes.size())) {
        const int error = errno;
        ::close(file.fd);
        ::unlink(file.temp.constData());
        return Failed(QT_TRANSLATE_NOOP("ImageObject", "The file could not be written: %1"), error);
    }
    const qsizetype slash = file.path.lastIndexOf('/');
    folders_.insert(slash < 0 ? QByteArray(".") : file.path.left(std::max<qsizetype>(1, slash)));
    pending_.push_back(std::move(file));
    pendingBytes_ += bytes.size();
    if (static_cast<int>(pending_.size()) >= batchFiles_ || pendingBytes_ >= batchBytes_)
        return Flush();
    return Result<>::Ok();
}

Result<> BatchedFileWriter::Wait() {
    Result<> done = running_.valid() ? running_.get() : Result<>::Ok();
    if (disk_.joinable())
        disk_.join();
    return done;
}

Result<> BatchedFileWriter::Flush() {
    Result<> before = Wait();
    if (!pending_.empty()) {
        auto task = std::make_shared<std::packaged_task<Result<>()>>(
            [batch = std::move(pending_)]() mutable { return Complete(std::move(batch)); });
        pending_.clear();
        pendingBytes_ = 0;
        running_ = task->get_future();
        try {
            disk_ = std::thread([task] { (*task)(); });
        } catch (const std::system_error&) {
            (*task)(); // no thread to be had (no memory for its stack): the batch is done here
        }
    }
    return before;
}

Result<> BatchedFileWriter::Finish() {
    const Result<> before = Flush();
    const Result<> last = Wait();
    // The new names are on the disk only once their folder is; a batch's flush carries the
    // names of the batches before it, so the folders are flushed once, at the end.
    for (const QByteArray& folder : folders_) {
        const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd >= 0) {
            ::fsync(fd);
            ::close(fd);
        }
    }
    folders_.clear();
    return before ? last : before;
}

Result<> BatchedFileWriter::Complete(std::vector<Pending> batch) {
    Result<> outcome = Result<>::Ok();
    if (batch.empty())
        return outcome;
#if defined(__linux__)
    // Writeback of every file starts at once; then one flush of the file system puts them all
    // on the disk, where a flush per file would wait for the disk's cache once per file.
    for (const Pending& file : batch)
        ::sync_file_range(file.fd, 0, 0, SYNC_FILE_RANGE_WRITE);
    const int synced = ::syncfs(batch.front().fd) == 0 ? 0 : errno;
#endif
    for (const Pending& file : batch) {
#if defined(__linux__)
        int error = synced;
#else
        int error = ::fdatasync(file.fd) == 0 ? 0 : errno;
#endif
        if (::close(file.fd) != 0 && !error)
            error = errno;
        if (!error && ::rename(file.temp.constData(), file.path.constData()) != 0)
            error = errno;
        if (error) {
            ::unlink(file.temp.constData());
            if (outcome)
                outcome = Failed(
                    QT_TRANSLATE_NOOP("ImageObject", "The file could not be completed: %1"), error);
        }
    }
    return outcome;
}

} // namespace tessellon
