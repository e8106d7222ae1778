#pragma once

#include "common/result.h"

#include <QByteArray>
#include <QString>

#include <future>
#include <set>
#include <thread>
#include <vector>

namespace tessellon {

// Writes whole files the way WriteFileReplacing does (under a temporary name beside the target,
// renamed when complete; a link of that name is replaced, never followed), but without waiting
// for the disk on every file: the files are flushed and renamed a batch at a time on a thread of
// their own while the caller goes on. A file appears under its name only once it is complete
// and on the disk, so neither a kill nor a power cut leaves a truncated file under that name.
class BatchedFileWriter {
public:
    // A batch is handed to the disk when it holds `batchFiles` files or `batchBytes` bytes.
    explicit BatchedFileWriter(int batchFiles = 256, qint64 batchBytes = qint64(64) << 20);
    // Completes whatever was written (as Finish).
    ~BatchedFileWriter();
    BatchedFileWriter(const BatchedFileWriter&) = delete;
    BatchedFileWriter& operator=(const BatchedFileWriter&) = delete;

    // Writes `bytes` for `path`; a failure of an earlier batch is told here too.
    Result<> Write(const QString& path, const QByteArray& bytes);
    // Waits until every file written so far is on the disk under its name.
    Result<> Finish();

private:
    struct Pending {
        QByteArray temp;
        QByteArray path;
        int fd = -1;
    };
    // Hands the pending files to the disk thread, after the batch before has finished.
    Result<> Flush();
    // The batch handed to the disk last, once it is done.
    Result<> Wait();
    static Result<> Complete(std::vector<Pending> batch);

    int batchFiles_;
    qint64 batchBytes_;
    unsigned umask_ = 0;
    std::vector<Pending> pending_;
    qint64 pendingBytes_ = 0;
    std::future<Result<>> running_;
    std::thread disk_;
    std::set<QByteArray> folders_; // of the files written, flushed by Finish
};

} // namespace tessellon
