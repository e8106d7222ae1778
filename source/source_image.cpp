#include "source/source_image.h"

#include "imaging/image_file_reader.h"
#include "imaging/image_reducer.h"
#include "source/image_loader.h"

#include <QEventLoop>
#include <QtConcurrent/QtConcurrentRun>

#include <optional>

namespace tessellon {
namespace {

SourceImage::Decoded DecodeFull(const ImageFileReader& file,
                                const std::atomic_bool* stop = nullptr) {
    auto decoded = file.Decode(stop);
    if (!decoded)
        return {{}, {}, decoded.error()};
    ImageObject img = std::move(decoded).value();
    return {img.ReadPixels().Image(), img.IccProfile(), {}};
}

// What opening gives: the header's size and the preview copy, and either the full image or the
// file's bytes for decoding it in the background.
struct Opened {
    std::optional<ImageFileReader> file;
    QSize size;
    QImage preview;
    SourceImage::Decoded full;
    QString error;
};

Opened OpenFile(const QString& path, QSize box) {
    Opened out;
    auto file = ImageFileReader::Open(path);
    if (!file) {
        out.error = file.error();
        return out;
    }
    out.size = file->Size();
    if (file->HasReducedDecode() && !box.isEmpty()) {
        // Enough pixels for the image fitted into the box, either way round.
        auto reduced = file->DecodeReduced(out.size.scaled(box, Qt::KeepAspectRatio));
        if (!reduced) {
            out.error = reduced.error();
            return out;
        }
        out.preview = std::move(reduced).value();
        out.file = std::move(file).value();
        return out;
    }
    // The file's bytes go once decoded, before the preview copy is made.
    out.full = [reader = std::move(file).value()] { return DecodeFull(reader); }();
    if (out.full.image.isNull()) {
        out.error = out.full.error;
        return out;
    }
    const QSize fit = out.size.scaled(box, Qt::KeepAspectRatio);
    out.preview = box.isEmpty() || fit.width() >= out.size.width()
                      ? out.full.image
                      : ImageReducer::Fitted(out.full.image, out.full.image.rect(), fit);
    return out;
}

// The future's result; meanwhile timers and painting go on (the loading animation moves), but
// clicks and keys wait until the work is done.
template <class T> T WaitPainting(QFuture<T> future) {
    if (!future.isFinished()) {
        QEventLoop loop;
        QFutureWatcher<T> watcher;
        QObject::connect(&watcher, &QFutureWatcher<T>::finished, &loop, &QEventLoop::quit);
        watcher.setFuture(future);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    return future.takeResult();
}

} // namespace

SourceImage::SourceImage(QObject* parent) : QObject(parent) {
    connect(&watcher_, &QFutureWatcher<Decoded>::finished, this, [this] {
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
    error_.clear();
    size_ = {};
    preview_ = {};
    full_ = {};
    icc_.clear();
    angle_ = fullAngle_ = 0;
}

bool SourceImage::Open(const QString& path, QSize previewBox) {
    Clear();
    // A square box: the preview copy stays sharp when the image is turned by a quarter.
    const int side = std::max(previewBox.width(), previewBox.height());
    const QSize box = previewBox.isEmpty() ? QSize() : QSize(side, side);
    Opened opened = WaitPainting(QtConcurrent::run([path, box] { return OpenFile(path, box); }));
    if (!opened.error.isEmpty()) {
        error_ = opened.error;
        return false;
    }
    size_ = opened.size;
    preview_ = std::move(opened.preview);
    if (opened.file) {
        // The full image is decoded from the bytes already read.
        pending_ = true;
        stopDecode_ = std::make_shared<std::atomic_bool>(false);
        watcher_.setFuture(QtConcurrent::run([file = std::move(*opened.file), stop = stopDecode_] {
            return DecodeFull(file, stop.get());
        }));
    } else {
        full_ = std::move(opened.full.image);
        icc_ = std::move(opened.full.icc);
    }
    return true;
}

void SourceImage::RotateBy(int degrees) {
    degrees %= 360;
    if (degrees < 0)
        degrees += 360;
    if (degrees == 0 || !IsOpen())
        return;
    preview_ = ImageLoader::Rotated(preview_, degrees);
    if (degrees == 90 || degrees == 270)
        size_.transpose();
    angle_ = static_cast<short>((angle_ + degrees) % 360);
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
    // Taken out of the future, so that nothing holds a second reference to the pixels; the
    // watcher lets go of the emptied future.
    Decoded d = watcher_.future().takeResult();
    watcher_.setFuture(QFuture<Decoded>());
    full_ = std::move(d.image);
    icc_ = std::move(d.icc);
    if (full_.isNull())
        error_ = d.error;
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

const QByteArray& SourceImage::IccProfile() {
    Full();
    return icc_;
}

} // namespace tessellon
