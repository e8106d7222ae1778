#include "imaging/tiff_row_decoder.h"

#include "imaging/tiff_codec.h"
#include "imaging/watched_file.h"

#include <QCoreApplication>

#include <tiffio.h>

#include <vector>

namespace tessellon {
namespace {

QString Damaged() {
    return QCoreApplication::translate("ImageFileReader", "The image is damaged or incomplete");
}

} // namespace

struct TiffRowDecoder::State {
    WatchedFile file;
    std::shared_ptr<TIFF> tif; // reads through `file`: declared after it, so let go first
    QSize size;
    QByteArray icc;
    int next = 0;
    bool finished = false;
    QString failure; // set once the decode has failed: every later call fails with it
};

TiffRowDecoder::TiffRowDecoder(std::unique_ptr<State> state) : d_(std::move(state)) {}

TiffRowDecoder::~TiffRowDecoder() = default;

Result<std::unique_ptr<TiffRowDecoder>> TiffRowDecoder::Open(const QString& path) {
    auto d = std::make_unique<State>();
    if (const auto opened = d->file.Open(path); !opened)
        return opened;
    d->tif = TiffCodec::OpenStrips(d->file.File());
    uint32_t w = 0, h = 0;
    // Any other TIFF is decoded whole: the reason is for the record, not for the user.
    if (!d->tif || !TIFFGetField(d->tif.get(), TIFFTAG_IMAGEWIDTH, &w) ||
        !TIFFGetField(d->tif.get(), TIFFTAG_IMAGELENGTH, &h) || w < 1 || h < 1 || w > INT_MAX ||
        h > INT_MAX)
        return Result<>::Fail(QStringLiteral("No plain RGB TIFF in strips"));
    d->size = QSize(static_cast<int>(w), static_cast<int>(h));
    d->icc = TiffCodec::IccProfile(d->tif.get());
    return std::unique_ptr<TiffRowDecoder>(new TiffRowDecoder(std::move(d)));
}

QSize TiffRowDecoder::Size() const {
    return d_->size;
}

QByteArray TiffRowDecoder::IccProfile() const {
    return d_->icc;
}

int TiffRowDecoder::NextRow() const {
    return d_->next;
}

Result<> TiffRowDecoder::Skip(int count) {
    // Compressed strips decode only in turn; the rows are decoded, so that a damaged strip
    // fails here as it fails the whole decode.
    count = std::min(count, d_->size.height() - d_->next);
    std::vector<std::uint8_t> scratch(static_cast<size_t>(d_->size.width()) * 3);
    std::uint8_t* row = scratch.data();
    for (int i = 0; i < count; ++i)
        if (const auto read = Read(&row, 1); !read)
            return read;
    return Result<>::Ok();
}

Result<> TiffRowDecoder::Read(std::uint8_t* const* rows, int count) {
    if (!d_->failure.isEmpty())
        return Result<>::Fail(d_->failure);
    if (count > d_->size.height() - d_->next)
        return Result<>::Fail(QStringLiteral("Rows asked for past the picture's end"));
    for (int i = 0; i < count; ++i, ++d_->next)
        if (TIFFReadScanline(d_->tif.get(), rows[i], static_cast<uint32_t>(d_->next), 0) < 0) {
            d_->failure = Damaged();
            return Result<>::Fail(d_->failure);
        }
    return Result<>::Ok();
}

Result<> TiffRowDecoder::Finish() {
    if (d_->finished)
        return Result<>::Ok();
    if (const auto rest = Skip(d_->size.height() - d_->next); !rest)
        return rest;
    if (const auto same = d_->file.CheckUnchanged(); !same) {
        d_->failure = same.error();
        return same;
    }
    d_->finished = true;
    return Result<>::Ok();
}

} // namespace tessellon
