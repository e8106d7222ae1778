#include "imaging/decoder_band_source.h"

#include "common/file_kind.h"
#include "imaging/image_file_reader.h"
#include "imaging/jpeg_row_decoder.h"
#include "imaging/tiff_row_decoder.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cstring>

namespace tessellon {
namespace {

// Rows read at a time for the observer alone.
constexpr int kScratchRows = 16;

QString NoMemory(int width, int height) {
    return QCoreApplication::translate("JpegCodec",
                                       "Not enough memory to load the image (%1 x %2 pixels)")
        .arg(width)
        .arg(height);
}

// The decoder for the file's type, as its content shows it.
Result<std::unique_ptr<RowDecoder>> OpenDecoder(const QString& path) {
    // Opened as the decoders open it: a regular file only, never a pipe that could block.
    const FileKind::Opened opened = FileKind::OpenRegular(path);
    QFile file;
    const ImageFileType type =
        opened.fd >= 0 && file.open(opened.fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)
            ? ImageFileReader::TypeFromContent(file.read(16))
            : ImageFileType::Unknown;
    const auto upcast = [](auto opened) -> Result<std::unique_ptr<RowDecoder>> {
        if (!opened)
            return opened.status();
        return std::unique_ptr<RowDecoder>(std::move(opened).value());
    };
    if (type == ImageFileType::Tiff)
        return upcast(TiffRowDecoder::Open(path));
    return upcast(JpegRowDecoder::Open(path));
}

} // namespace

DecoderBandSource::DecoderBandSource(std::unique_ptr<RowDecoder> decoder)
    : decoder_(std::move(decoder)), size_(decoder_->Size()), icc_(decoder_->IccProfile()) {}

Result<std::unique_ptr<DecoderBandSource>> DecoderBandSource::Open(const QString& path) {
    auto decoder = OpenDecoder(path);
    if (!decoder)
        return decoder.status();
    std::unique_ptr<RowDecoder> d = std::move(decoder).value();
    // Such photos are decoded whole: the reason is for the record, not for the user.
    if (d->Orientation() != 1)
        return Result<>::Fail(QStringLiteral("The photo is turned by its orientation"));
    if (d->WholePhotoBytes() > PixelArray::MaxImageBytes())
        return Result<>::Fail(NoMemory(d->Size().width(), d->Size().height()));
    return std::unique_ptr<DecoderBandSource>(new DecoderBandSource(std::move(d)));
}

std::optional<std::pair<int, int>> DecoderBandSource::Wanted() {
    if (!askedObserver_) {
        askedObserver_ = true;
        if (observer_)
            wanted_ = observer_->RowsWanted();
    }
    return wanted_;
}

Result<> DecoderBandSource::Reserve(int rows) {
    rows = std::clamp(rows, 1, size_.height());
    if (!buffer_.IsNull() && buffer_.Height() >= rows)
        return Result<>::Ok();
    PixelArray larger = PixelArray::Uninitialized(size_.width(), rows);
    if (larger.IsNull())
        return Result<>::Fail(NoMemory(size_.width(), rows));
    if (held_ > 0)
        std::memcpy(larger.MutableBits(), buffer_.Row(0),
                    static_cast<size_t>(buffer_.BytesPerLine()) * static_cast<size_t>(held_));
    buffer_ = std::move(larger);
    return Result<>::Ok();
}

void DecoderBandSource::Show(int first, int count, const std::uint8_t* const* rows) {
    const auto wanted = Wanted();
    if (!wanted || !observer_)
        return;
    for (int i = 0; i < count; ++i)
        if (first + i >= wanted->first && first + i <= wanted->second)
            observer_->AddRow(first + i, rows[i]);
}

Result<> DecoderBandSource::PassTo(int row) {
    const auto wanted = Wanted();
    while (decoder_->NextRow() < row) {
        const int next = decoder_->NextRow();
        if (!wanted || next > wanted->second || row <= wanted->first) {
            // Nothing the observer wants before `row`, or nothing more: passed over.
            const int until = wanted && next < wanted->first ? std::min(row, wanted->first) : row;
            if (const auto skipped = decoder_->Skip(until - next); !skipped)
                return skipped;
            continue;
        }
        if (next < wanted->first) {
            if (const auto skipped = decoder_->Skip(wanted->first - next); !skipped)
                return skipped;
            continue;
        }
        const int rowBytes = size_.width() * PixelArray::kChannels;
        scratch_.resize(static_cast<size_t>(rowBytes) * kScratchRows);
        const int count = std::min({kScratchRows, row - next, wanted->second + 1 - next});
        std::uint8_t* rows[kScratchRows];
        for (int i = 0; i < count; ++i)
            rows[i] = scratch_.data() + static_cast<size_t>(rowBytes) * static_cast<size_t>(i);
        if (const auto read = decoder_->Read(rows, count); !read)
            return read;
        Show(next, count, rows);
    }
    return Result<>::Ok();
}

Result<RowBandSource::Band> DecoderBandSource::Rows(int first, int last) {
    const int heldEnd = top_ + held_; // one past the last row held
    if (first < top_ || last < first || last >= size_.height() || (held_ > 0 && last < heldEnd - 1))
        return Result<>::Fail(QStringLiteral("Rows %1 to %2 asked for after rows %3 to %4")
                                  .arg(first)
                                  .arg(last)
                                  .arg(top_)
                                  .arg(heldEnd - 1));
    if (const auto room = Reserve(last - first + 1); !room)
        return room;
    const qsizetype bpl = buffer_.BytesPerLine();
    if (held_ > 0 && first < heldEnd) {
        // The rows this band shares with the one before move to the top of the buffer.
        const int keep = heldEnd - first;
        if (first > top_)
            std::memmove(buffer_.MutableBits(), buffer_.Row(first - top_),
                         static_cast<size_t>(bpl) * static_cast<size_t>(keep));
        held_ = keep;
    } else {
        held_ = 0;
        if (const auto passed = PassTo(first); !passed)
            return passed;
    }
    top_ = first;
    const int from = top_ + held_;
    const int count = last + 1 - from;
    if (count > 0) {
        std::vector<std::uint8_t*> rows(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i)
            rows[static_cast<size_t>(i)] = buffer_.MutableRow(held_ + i);
        if (const auto read = decoder_->Read(rows.data(), count); !read)
            return read;
        Show(from, count, rows.data());
        held_ += count;
    }
    return Band{buffer_.RowsView(0, held_), top_};
}

Result<> DecoderBandSource::Finish() {
    if (const auto passed = PassTo(size_.height()); !passed)
        return passed;
    return decoder_->Finish();
}

} // namespace tessellon
