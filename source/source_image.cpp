#include "source/source_image.h"

#include "export/stoppable_jpeg_decoder.h"
#include "source/image_loader.h"

#include <QtConcurrent/QtConcurrentRun>

namespace tessellon {

SourceImage::SourceImage(QObject* parent) : QObject(parent) {
    connect(&watcher_, &QFutureWatcher<QImage>::finished, this, [this] {
        if (!pending_)
            return; // collected already, or dropped by a newer Open
        Collect();
        emit fullImageDecoded(!full_.isNull());
    });
}

SourceImage::~SourceImage() {
    StopDecode();
    watcher_.waitForFinished();
}

void SourceImage::StopDecode() {
    if (stopDecode_)
        stopDecode_->store(true);
    stopDecode_.reset();
}

void SourceImage::Clear() {
    // A decode still running stops at its next band of rows; its result is ignored.
    StopDecode();
    pending_ = false;
    path_.clear();
    size_ = {};
    preview_ = {};
    full_ = {};
    angle_ = fullAngle_ = 0;
}

bool SourceImage::Open(const QString& path, QSize previewBox) {
    // A decode of the previous file still running is not waited for: the watcher moves to the
    // new one and the old result is dropped when it is done.
    Clear();
    const auto size = ImageLoader::ReadFileInfo(path);
    if (!size)
        return false;
    if (ImageLoader::SupportsReducedDecode(path) && !previewBox.isEmpty()) {
        const QSize reduced = size->scaled(previewBox, Qt::KeepAspectRatio).expandedTo({1, 1});
        QImage small = ImageLoader::Decode(path, reduced.boundedTo(*size));
        if (small.isNull())
            return false;
        preview_ = std::move(small);
        pending_ = true;
        stopDecode_ = std::make_shared<std::atomic_bool>(false);
        watcher_.setFuture(QtConcurrent::run([path, stop = stopDecode_] {
            const auto jpeg = StoppableJpegDecoder::Decode(path, *stop);
            return jpeg.outcome == StoppableJpegDecoder::Outcome::NotHandled
                       ? ImageLoader::Decode(path)
                       : jpeg.image;
        }));
    } else {
        full_ = ImageLoader::Decode(path);
        if (full_.isNull())
            return false;
        preview_ = full_;
    }
    path_ = path;
    size_ = *size;
    if (!pending_ && full_.size() != size_)
        size_ = full_.size();
    return true;
}

void SourceImage::RotateBy(int degrees) {
    degrees %= 360;
    if (degrees < 0)
        degrees += 360;
    if (degrees == 0 || !IsOpen())
        return;
    const bool sharedWithFull = !pending_ && preview_.constBits() == full_.constBits();
    preview_ = ImageLoader::Rotated(preview_, degrees);
    if (degrees == 90 || degrees == 270)
        size_.transpose();
    angle_ = static_cast<short>((angle_ + degrees) % 360);
    if (sharedWithFull) {
        // Small images keep one decoded copy; turning it serves both.
        full_ = preview_;
        fullAngle_ = angle_;
    }
}

void SourceImage::RefinePreviewSource(QSize box) {
    if (!IsOpen() || !IsFullReady() || box.isEmpty())
        return;
    const QImage& full = Full();
    if (full.isNull())
        return;
    const QSize fit = full.size().scaled(box, Qt::KeepAspectRatio).boundedTo(full.size());
    preview_ = fit == full.size()
                   ? full
                   : full.scaled(fit, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool SourceImage::IsFullReady() const {
    return !pending_ || watcher_.isFinished();
}

void SourceImage::Collect() {
    full_ = watcher_.future().result();
    fullAngle_ = 0;
    pending_ = false;
}

const QImage& SourceImage::Full() {
    if (pending_) {
        watcher_.waitForFinished();
        Collect();
    }
    if (!full_.isNull() && fullAngle_ != angle_) {
        full_ = ImageLoader::Rotated(full_, (angle_ - fullAngle_ + 360) % 360);
        fullAngle_ = angle_;
    }
    return full_;
}

} // namespace tessellon
