#pragma once

#include "common/result.h"
#include "imaging/image_object.h"
#include "imaging/watched_file.h"

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>

namespace tessellon {

// The loaded source image, read through the program's one loading path (ImageFileReader), as
// the command line reads it. Opening reads the file and a copy reduced for the preview on a
// worker thread while the window goes on painting. Where the format decodes reduced copies
// cheaply (JPEG), that copy is all the window holds: the full photo is read from the file again
// when a save or a print needs it (in bands where it can be), so a large photo costs the
// window no more memory than a small one. Other formats are decoded whole when opened, and
// kept unless their pixels are large (then they are read again likewise). Turning the image takes
// effect on the preview copy at once and on the full image when it is used.
class SourceImage : public QObject {
    Q_OBJECT
public:
    explicit SourceImage(QObject* parent = nullptr);

    // Opens `path` with a preview copy large enough to fill `previewBox` in either orientation.
    // False when the file cannot be read (Error() says why); the previous image is dropped
    // either way. Waits for the worker with an event loop that takes no user input.
    bool Open(const QString& path, QSize previewBox);
    void Clear();

    bool IsOpen() const { return !preview_.isNull(); }
    // Why the last Open failed, for the user.
    const QString& Error() const { return error_; }
    // The file the image was opened from.
    const QString& Path() const { return path_; }
    // The pixel size, upright as the file says, as currently turned.
    QSize Size() const { return size_; }
    // The reduced copy, as currently turned.
    const QImage& PreviewSource() const { return preview_; }
    short Angle() const { return angle_; }
    // Turns the image clockwise by 90, 180 or 270 degrees.
    void RotateBy(int degrees);

    // Whether the full image is read from the file when it is used rather than held: a JPEG
    // always (its reduced copy costs a fraction of a full decode), other types when their
    // pixels take more than the largest held.
    bool IsReadFromFile() const { return fromFile_; }
    // Pixel memory beyond which a decoded photo is not kept after its preview copy is made;
    // for the next Open.
    void SetLargestHeld(qint64 bytes) { largestHeld_ = bytes; }
    // Whether the file can be read a band of rows at a time as it is turned now: a photo read
    // from its file, upright as stored and not turned.
    bool ReadsInBands() const { return fromFile_ && bandsWhenUpright_ && angle_ == 0; }
    // Fails, saying so, when the file is no longer the one opened (changed, replaced, gone).
    Result<> CheckUnchanged() const;

    // Replaces the reduced copy by one taken from the held full image, fitted to `box`; for a
    // preview box that grew beyond the reduced copy. Does nothing for a photo read from its
    // file, whose reduced copy is made large enough for the screen when it is opened.
    void RefinePreviewSource(QSize box);
    // A copy as currently turned with at least `atLeast` pixels on each side where the photo
    // has them (reduced from the file or the held image), for a larger preview.
    Result<QImage> PreviewAtLeast(QSize atLeast);

    // The full image as currently turned, with its colour profile: the held one, or decoded
    // from the file again (waiting with painting going on), which is not kept.
    Result<ImageObject> DecodeFull();
    // DecodeFull's pixels; null when they cannot be had.
    QImage Full() {
        auto full = DecodeFull();
        return full ? full->ReadPixels().Image() : QImage();
    }

private:
    QString error_;
    QString path_;
    QSize size_;
    QImage preview_;
    QImage full_; // held for formats without a cheap reduced decode
    QByteArray icc_;
    short angle_ = 0;     // angle of size_ and preview_
    short fullAngle_ = 0; // angle full_ is turned to so far
    bool fromFile_ = false;
    qint64 largestHeld_ = qint64(256) << 20; // about 85 megapixels
    bool bandsWhenUpright_ = false;
    // What the file was when opened, to notice it replaced before it is read again.
    WatchedFile::Stamp stamp_;
};

} // namespace tessellon
