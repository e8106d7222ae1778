#include "source/source_image.h"

#include "imaging/image_file_reader.h"
#include "imaging/image_reducer.h"
#include "source/image_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

#include <cmath>

namespace tessellon {
namespace {

// What opening gives: the header's size and the preview copy, and the full image where the
// format has no cheap reduced decode.
struct Opened {
    QSize size;
    QImage preview;
    QImage full;
    QByteArray icc;
    bool fromFile = false;
    bool bandsWhenUpright = false;
    QString error;
};

// A copy of `full` with at least `atLeast` pixels on each side where it has them.
QImage Covering(const QImage& full, QSize atLeast) {
    const double scale =
        std::max(double(atLeast.width()) / full.width(), double(atLeast.height()) / full.height());
    if (scale >= 1)
        return full;
    const QSize size(static_cast<int>(std::ceil(full.width() * scale)),
                     static_cast<int>(std::ceil(full.height() * scale)));
    return ImageReducer::Fitted(full, full.rect(), size);
}

Opened OpenFile(const QString& path, QSize box, qint64 largestHeld) {
    Opened out;
    auto file = ImageFileReader::Open(path, ImageFileReader::Extent::WholeFileForBands);
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
        out.fromFile = true;
        out.bandsWhenUpright = file->ReadsInBands();
        return out;
    }
    // The preview is made from the whole decode, which must fit, even for a photo the
    // command line reads in bands.
    if (const auto fits = file->CheckFitsWhole(); !fits) {
        out.error = fits.error();
        return out;
    }
    const bool bands = file->ReadsInBands();
    // The file's bytes go once decoded, before the preview copy is made.
    auto decoded = [reader = std::move(file).value()] { return reader.Decode(); }();
    if (!decoded) {
        out.error = decoded.error();
        return out;
    }
    out.full = decoded->ReadPixels().Image();
    out.icc = decoded->IccProfile();
    decoded = ImageObject(); // the pixels are held once, by `full`
    const QSize fit = out.size.scaled(box, Qt::KeepAspectRatio);
    out.preview = box.isEmpty() || fit.width() >= out.size.width()
                      ? out.full
                      : ImageReducer::Fitted(out.full, out.full.rect(), fit);
    if (!box.isEmpty() && out.full.sizeInBytes() > largestHeld) {
        // Too large to keep for a save that may not come: decoded again when it does.
        out.full = QImage();
        out.icc.clear();
        out.fromFile = true;
        out.bandsWhenUpright = bands;
    }
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

SourceImage::SourceImage(QObject* parent) : QObject(parent) {}

void SourceImage::Clear() {
    error_.clear();
    path_.clear();
    size_ = {};
    preview_ = {};
    full_ = {};
    icc_.clear();
    angle_ = fullAngle_ = 0;
    fromFile_ = bandsWhenUpright_ = false;
    stamp_ = {};
}

bool SourceImage::Open(const QString& path, QSize previewBox) {
    Clear();
    // Taken before reading: a file changed while it is read fails the reading itself.
    const WatchedFile::Stamp before = WatchedFile::Stamp::Of(path);
    // A square box: the preview copy stays sharp when the image is turned by a quarter.
    const int side = std::max(previewBox.width(), previewBox.height());
    const QSize box = previewBox.isEmpty() ? QSize() : QSize(side, side);
    Opened opened = WaitPainting(QtConcurrent::run(
        [path, box, largest = largestHeld_] { return OpenFile(path, box, largest); }));
    if (!opened.error.isEmpty()) {
        error_ = opened.error;
        return false;
    }
    path_ = path;
    stamp_ = before;
    size_ = opened.size;
    preview_ = std::move(opened.preview);
    full_ = std::move(opened.full);
    icc_ = std::move(opened.icc);
    fromFile_ = opened.fromFile;
    bandsWhenUpright_ = opened.bandsWhenUpright;
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

Result<> SourceImage::CheckUnchanged() const {
    if (WatchedFile::Stamp::Of(path_) == stamp_)
        return Result<>::Ok();
    return Result<>::Fail(
        QCoreApplication::translate("SourceImage",
                                    "The photo's file %1 has changed or is gone since it was "
                                    "opened. Open it again to use it as it is now.")
            .arg(QDir::toNativeSeparators(path_)));
}

void SourceImage::RefinePreviewSource(QSize box) {
    if (!IsOpen() || fromFile_ || box.isEmpty() || full_.isNull())
        return;
    const QImage full = ImageLoader::Rotated(full_, (angle_ - fullAngle_ + 360) % 360);
    const QSize fit = full.size().scaled(box, Qt::KeepAspectRatio).boundedTo(full.size());
    preview_ = fit == full.size()
                   ? full
                   : full.scaled(fit, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

Result<QImage> SourceImage::PreviewAtLeast(QSize atLeast) {
    if (!IsOpen())
        return Result<>::Fail(error_);
    if (preview_.width() >= std::min(atLeast.width(), size_.width()) &&
        preview_.height() >= std::min(atLeast.height(), size_.height()))
        return preview_;
    if (!fromFile_) {
        const auto full = DecodeFull();
        if (!full)
            return full.status();
        return full->ReadPixels().Image();
    }
    if (const auto same = CheckUnchanged(); !same)
        return same;
    // The file's own orientation is applied by the reader; the turn is ours.
    const bool quarter = angle_ == 90 || angle_ == 270;
    const QSize upright = quarter ? atLeast.transposed() : atLeast;
    auto reduced = WaitPainting(QtConcurrent::run([path = path_, upright]() -> Result<QImage> {
        auto file = ImageFileReader::Open(path, ImageFileReader::Extent::WholeFileForBands);
        if (!file)
            return file.status();
        if (file->HasReducedDecode())
            return file->DecodeReduced(upright);
        if (const auto fits = file->CheckFitsWhole(); !fits)
            return fits;
        auto whole = file->Decode();
        if (!whole)
            return whole.status();
        return Covering(whole->ReadPixels().Image(), upright);
    }));
    if (!reduced)
        return reduced.status();
    return ImageLoader::Rotated(*reduced, angle_);
}

Result<ImageObject> SourceImage::DecodeFull() {
    if (!IsOpen())
        return Result<>::Fail(error_);
    if (!fromFile_) {
        if (fullAngle_ != angle_) {
            // Turned where it is held, so that the image is held once.
            full_ = ImageLoader::Rotated(full_, (angle_ - fullAngle_ + 360) % 360);
            fullAngle_ = angle_;
        }
        ImageObject img = ImageObject::FromImage(full_);
        img.SetIccProfile(icc_);
        return img;
    }
    if (const auto same = CheckUnchanged(); !same)
        return same;
    auto decoded = WaitPainting(QtConcurrent::run([path = path_]() -> Result<ImageObject> {
        auto file = ImageFileReader::Open(path);
        if (!file)
            return file.status();
        return file->Decode();
    }));
    if (!decoded || angle_ == 0)
        return decoded;
    // Only the pixels and their profile matter to a save, as for a held image.
    const QByteArray icc = decoded->IccProfile();
    QImage pixels = decoded->ReadPixels().Image();
    decoded = ImageObject(); // the turned copy is made from the only one left
    ImageObject turned = ImageObject::FromImage(ImageLoader::Rotated(pixels, angle_));
    turned.SetIccProfile(icc);
    return turned;
}

} // namespace tessellon
