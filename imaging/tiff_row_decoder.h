#pragma once

#include "imaging/row_decoder.h"
#include "imaging/watched_file.h"

#include <QString>

#include <memory>

struct tiff; // libtiff's TIFF

namespace tessellon {

// Decodes a plain TIFF (8-bit RGB, samples interleaved, upright, in strips of any compression
// libtiff reads) row by row, reading its strips from the file in turn: the rows are the pixels
// TiffCodec::DecodeRgb gives, and a strip that does not decode fails the decode.
class TiffRowDecoder : public RowDecoder {
public:
    // Reads the directory of `path`. Fails for a file that is no such TIFF (a tiled one among
    // them) or cannot be read; nothing is decoded yet.
    static Result<std::unique_ptr<TiffRowDecoder>> Open(const QString& path);

    QSize Size() const override { return size_; }
    int Orientation() const override { return 1; } // only upright files are opened
    QByteArray IccProfile() const override { return icc_; }
    // libtiff holds one strip at a time, not the photo.
    qint64 WholePhotoBytes() const override { return 0; }
    int NextRow() const override { return next_; }
    // The rows are decoded all the same: compressed strips decode only in turn, and a damaged
    // one fails here as it fails the whole decode.
    Result<> Skip(int count) override;
    Result<> Read(std::uint8_t* const* rows, int count) override;
    // Decodes the rows left, then checks the file unchanged.
    Result<> Finish() override;

private:
    TiffRowDecoder() = default;

    WatchedFile file_;
    std::shared_ptr<tiff> tif_; // reads through file_: declared after it, so let go first
    QSize size_;
    QByteArray icc_;
    int next_ = 0;
    QString failure_; // set once the decode has failed: every later call fails with it
};

} // namespace tessellon
