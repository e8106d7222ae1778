#include "imaging/tiff_row_decoder.h"

#include "imaging/tiff_codec.h"

#include <QCoreApplication>

#include <tiffio.h>

#include <algorithm>
#include <climits>
#include <vector>

namespace tessellon {

Result<std::unique_ptr<TiffRowDecoder>> TiffRowDecoder::Open(const QString& path) {
    std::unique_ptr<TiffRowDecoder> d(new TiffRowDecoder());
    if (const auto opened = d->file_.Open(path); !opened)
        return opened;
    d->tif_ = TiffCodec::OpenStrips(d->file_.File());
    uint32_t w = 0, h = 0;
    // Any other TIFF is decoded whole: the reason is for the record, not for the user.
    if (!d->tif_ || !TIFFGetField(d->tif_.get(), TIFFTAG_IMAGEWIDTH, &w) ||
        !TIFFGetField(d->tif_.get(), TIFFTAG_IMAGELENGTH, &h) || w < 1 || h < 1 || w > INT_MAX ||
        h > INT_MAX)
        return Result<>::Fail(QStringLiteral("No plain RGB TIFF in strips"));
    d->size_ = QSize(static_cast<int>(w), static_cast<int>(h));
    d->icc_ = TiffCodec::IccProfile(d->tif_.get());
    return d;
}

Result<> TiffRowDecoder::Skip(int count) {
    count = std::min(count, size_.height() - next_);
    std::vector<std::uint8_t> scratch(static_cast<size_t>(size_.width()) * 3);
    std::uint8_t* row = scratch.data();
    for (int i = 0; i < count; ++i)
        if (const auto read = Read(&row, 1); !read)
            return read;
    return Result<>::Ok();
}

Result<> TiffRowDecoder::Read(std::uint8_t* const* rows, int count) {
    if (!failure_.isEmpty())
        return Result<>::Fail(failure_);
    if (count > size_.height() - next_)
        return Result<>::Fail(QStringLiteral("Rows asked for past the picture's end"));
    for (int i = 0; i < count; ++i, ++next_)
        if (TIFFReadScanline(tif_.get(), rows[i], static_cast<uint32_t>(next_), 0) < 0) {
            failure_ = QCoreApplication::translate("ImageFileReader",
                                                   "The image is damaged or incomplete");
            return Result<>::Fail(failure_);
        }
    return Result<>::Ok();
}

Result<> TiffRowDecoder::Finish() {
    if (const auto rest = Skip(size_.height() - next_); !rest)
        return rest;
    return file_.CheckUnchanged();
}

} // namespace tessellon
