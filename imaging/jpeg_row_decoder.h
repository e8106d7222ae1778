#pragma once

#include "common/result.h"
#include "imaging/jpeg_segments.h"

#include <QSize>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

namespace tessellon {

// Decodes an RGB or greyscale JPEG file row by row, top to bottom, reading the file as it goes:
// neither the file nor the decoded photo is ever held whole. The rows are the very pixels
// JpegCodec::Decode gives (the same library, settings and colour conversion); a warning of the
// decoder (a truncated file, corrupt data) fails the decode, as it fails that one.
class JpegRowDecoder {
public:
    ~JpegRowDecoder();
    JpegRowDecoder(const JpegRowDecoder&) = delete;
    JpegRowDecoder& operator=(const JpegRowDecoder&) = delete;

    // Reads the header of `path`. Fails for a file that is no 8-bit RGB or greyscale JPEG
    // (CMYK among them) or cannot be read; nothing is decoded yet.
    static Result<std::unique_ptr<JpegRowDecoder>> Open(const QString& path);

    // The size as stored (before any orientation).
    QSize Size() const;
    // The header segments (orientation, colour profile), read as ImageFileReader reads them.
    const JpegSegments& Segments() const;
    // What the decoder holds for the whole photo while it decodes: a progressive file keeps
    // every coefficient of the photo (about its decoded size), a baseline one nothing.
    qint64 WholePhotoBytes() const;

    // The next row Read gives (0 before the first).
    int NextRow() const;
    // Passes over `count` rows without converting them.
    Result<> Skip(int count);
    // Decodes the next `count` rows into `rows` (width x 3 bytes each, red, green, blue).
    Result<> Read(std::uint8_t* const* rows, int count);
    // After the last row: reads to the file's end, which must be sound and unchanged.
    Result<> Finish();

private:
    struct State;
    explicit JpegRowDecoder(std::unique_ptr<State> state);
    Result<> Start();
    // Runs the library's `step`; its error exit or a warning fails the decode for good.
    Result<> Guarded(const std::function<void()>& step);

    std::unique_ptr<State> d_;
};

} // namespace tessellon
