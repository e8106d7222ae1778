#pragma once

#include <QByteArray>
#include <QFutureWatcher>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>

#include <atomic>
#include <memory>

namespace tessellon {

// The loaded source image, read through the program's one loading path (ImageFileReader), as
// the command line reads it. Opening reads the file and a copy reduced for the preview on a
// worker thread while the window goes on painting; where the format decodes reduced copies
// cheaply (JPEG), the full image is decoded in the background afterwards, so a large photo
// shows its preview without holding up the window. Turning the image takes effect on the
// preview copy at once and on the full image when it is used.
class SourceImage : public QObject {
    Q_OBJECT
public:
    explicit SourceImage(QObject* parent = nullptr);
    ~SourceImage() override;

    // Opens `path` with a preview copy large enough to fill `previewBox` in either orientation.
    // False when the file cannot be read (Error() says why); the previous image is dropped
    // either way. Waits for the worker with an event loop that takes no user input.
    bool Open(const QString& path, QSize previewBox);
    void Clear();

    bool IsOpen() const { return !preview_.isNull(); }
    // Why the last Open or the background decode failed, for the user.
    const QString& Error() const { return error_; }
    // The pixel size, upright as the file says, as currently turned.
    QSize Size() const { return size_; }
    // The reduced copy, as currently turned.
    const QImage& PreviewSource() const { return preview_; }
    short Angle() const { return angle_; }
    // Turns the image clockwise by 90, 180 or 270 degrees.
    void RotateBy(int degrees);

    // Replaces the reduced copy by one taken from the full image, fitted to `box`; for a
    // preview box that grew beyond the reduced copy. Does nothing until the full image is there.
    void RefinePreviewSource(QSize box);

    // Whether the full image has been decoded (successfully or not).
    bool IsFullReady() const;
    // The full image as currently turned; waits for the worker when needed. Null when the
    // file's pixels could not be decoded.
    const QImage& Full();
    // The colour profile embedded in the file (empty for none); known once the full image is.
    const QByteArray& IccProfile();

    // The decoded full image, its colour profile, or why there is none.
    struct Decoded {
        QImage image;
        QByteArray icc;
        QString error;
    };

signals:
    // The worker finished; `ok` is false when the file's pixels could not be decoded.
    void fullImageDecoded(bool ok);

private:
    void Collect();
    void StopDecode();

    QString error_;
    QSize size_;
    QImage preview_;
    QImage full_;
    QByteArray icc_;
    short angle_ = 0;     // angle of size_ and preview_
    short fullAngle_ = 0; // angle full_ is turned to so far
    QFutureWatcher<Decoded> watcher_;
    bool pending_ = false;
    // Tells the running decode that its result is no longer wanted.
    std::shared_ptr<std::atomic_bool> stopDecode_;
};

} // namespace tessellon
