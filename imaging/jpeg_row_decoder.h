#pragma once

#include "common/result.h"
#include "imaging/jpeg_segments.h"
#include "imaging/row_decoder.h"

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
class JpegRowDecoder : public RowDecoder {
public:
    ~JpegRowDecoder() override;

    // Reads the header of `path`. Fails for a file that is no 8-bit RGB or greyscale JPEG
    // (CMYK among them) or cannot be read; nothing is decoded yet.
    static Result<std::unique_ptr<JpegRowDecoder>> Open(const QString& path);

    QSize Size() const override;
    // From the header segments, read as ImageFileReader reads them.
    int Orientation() const override { return Segments().orientation; }
    QByteArray IccProfile() const override { return Segments().icc; }
    // The header segments (orientation, colour profile), read as ImageFileReader reads them.
    const JpegSegments& Segments() const;
    // A progressive file keeps every coefficient of the photo (about its decoded size), a
    // baseline one nothing.
    qint64 WholePhotoBytes() const override;

    int NextRow() const override;
    // Passes over `count` rows without converting them.
    Result<> Skip(int count) override;
    Result<> Read(std::uint8_t* const* rows, int count) override;
    // Reads to the file's end, which must be sound and unchanged.
    Result<> Finish() override;

private:
    struct State;
    explicit JpegRowDecoder(std::unique_ptr<State> state);
    Result<> Start();
    // Runs the library's `step`; its error exit or a warning fails the decode for good.
    Result<> Guarded(const std::function<void()>& step);

    std::unique_ptr<State> d_;
};

} // namespace tessellon
