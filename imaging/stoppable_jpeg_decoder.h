#pragma once

#include <QImage>
#include <QString>

#include <atomic>

namespace tessellon {

// Decodes a JPEG file a band of rows at a time and stops between bands once asked to. The full
// decode of a large photo runs in the background while the user works; when the user opens
// another file or ends the program, nobody needs its result, and waiting for it would hold the
// program up for seconds.
class StoppableJpegDecoder {
public:
    enum class Outcome {
        Decoded,
        Stopped,
        // Not a JPEG this decoder converts (CMYK), too large for the program's memory limit,
        // or damaged: the caller reads the file the general way, which decides what happens.
        NotHandled,
    };
    struct Result {
        Outcome outcome = Outcome::NotHandled;
        // Decode: RGB32 or Grayscale8, as Qt's reader gives them. DecodeData: RGB888 (the
        // image layer's pixels, grey ones too). Null unless Decoded.
        QImage image;
        bool grey = false; // the file is a greyscale JPEG
        int dpiX = 0;      // the resolution the file names; 0 when it names none
        int dpiY = 0;
    };

    static Result Decode(const QString& path, const std::atomic_bool& stop);
    // The same for the bytes of a JPEG file. A file the decoder warns about (truncated, corrupt
    // data) is not handled: the caller's general reader decides about damaged files.
    static Result DecodeData(const QByteArray& data, const std::atomic_bool& stop);
};

} // namespace tessellon
