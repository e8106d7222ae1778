#pragma once

#include "imaging/row_decoder.h"

#include <QString>

#include <memory>

namespace tessellon {

// Decodes a plain TIFF (8-bit RGB, samples interleaved, upright, in strips of any compression
// libtiff reads) row by row, reading its strips from the file in turn: the rows are the pixels
// TiffCodec::DecodeRgb gives, and a strip that does not decode fails the decode.
class TiffRowDecoder : public RowDecoder {
public:
    ~TiffRowDecoder() override;
    TiffRowDecoder(const TiffRowDecoder&) = delete;
    TiffRowDecoder& operator=(const TiffRowDecoder&) = delete;

    // Reads the directory of `path`. Fails for a file that is no such TIFF (a tiled one among
    // them) or cannot be read; nothing is decoded yet.
    static Result<std::unique_ptr<TiffRowDecoder>> Open(const QString& path);

    QSize Size() const override;
    int Orientation() const override { return 1; } // only upright files are opened
    QByteArray IccProfile() const override;
    // libtiff holds one strip at a time, not the photo.
    qint64 WholePhotoBytes() const override { return 0; }

    int NextRow() const override;
    Result<> Skip(int count) override;
    Result<> Read(std::uint8_t* const* rows, int count) override;
    Result<> Finish() override;

private:
    struct State;
    explicit TiffRowDecoder(std::unique_ptr<State> state);

    std::unique_ptr<State> d_;
};

} // namespace tessellon
