#pragma once

#include "imaging/row_band_source.h"
#include "imaging/row_decoder.h"
#include "imaging/row_observer.h"

#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace tessellon {

// A photo decoded in bands of rows as they are asked for (a RowDecoder: JpegRowDecoder or
// TiffRowDecoder): the rows a band shares with the one before are kept, the rows no band needs are
// passed over, and only the tallest band is ever held. A row observer sees every row it wants as it
// is decoded.
class DecoderBandSource : public RowBandSource {
public:
    // Opens `path` for reading in bands, the decoder chosen by the file's content. Fails for a
    // photo that cannot be read that way: no 8-bit RGB or greyscale JPEG nor plain RGB TIFF in
    // strips, not upright as stored (its orientation turns it), or one whose decoder would hold
    // more than the memory Tessellon allows for one image; such a photo is decoded whole
    // instead.
    static Result<std::unique_ptr<DecoderBandSource>> Open(const QString& path);

    // Sees the rows it wants; set before the first band. `observer` must outlive the source.
    void SetRowObserver(RowObserver* observer) { observer_ = observer; }

    QSize Size() const override { return size_; }
    QByteArray IccProfile() const override { return icc_; }
    Result<> Reserve(int rows) override;
    Result<Band> Rows(int first, int last) override;
    Result<> Finish() override;

private:
    explicit DecoderBandSource(std::unique_ptr<RowDecoder> decoder);
    // Decodes the rows from the decoder's next one up to (not including) `row` that are held by
    // no band: the observer's are read and shown to it, the others passed over.
    Result<> PassTo(int row);
    // Shows the decoded rows first .. first + count - 1, held at `rows`, to the observer.
    void Show(int first, int count, const std::uint8_t* const* rows);
    std::optional<std::pair<int, int>> Wanted();

    std::unique_ptr<RowDecoder> decoder_;
    QSize size_;
    QByteArray icc_;
    PixelArray buffer_; // the band: photo rows top_ .. top_ + held_ - 1 at its rows 0 ..
    int top_ = 0;
    int held_ = 0;
    RowObserver* observer_ = nullptr;
    bool askedObserver_ = false;
    std::optional<std::pair<int, int>> wanted_;
    std::vector<std::uint8_t> scratch_; // rows read for the observer alone
};

} // namespace tessellon
