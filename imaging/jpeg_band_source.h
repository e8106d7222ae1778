#pragma once

#include "imaging/jpeg_row_decoder.h"
#include "imaging/row_band_source.h"
#include "imaging/row_observer.h"

#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace tessellon {

// A JPEG photo decoded in bands of rows as they are asked for (JpegRowDecoder): the rows a
// band shares with the one before are kept, the rows no band needs are passed over, and only
// the tallest band is ever held. A row observer sees every row it wants as it is decoded.
class JpegBandSource : public RowBandSource {
public:
    // Opens `path` for reading in bands. Fails for a photo that cannot be read that way: no
    // 8-bit RGB or greyscale JPEG, not upright as stored (its orientation turns it), or one whose
    // decoder would hold more than the memory Tessellon allows for one image; such a photo is
    // decoded whole instead.
    static Result<std::unique_ptr<JpegBandSource>> Open(const QString& path);

    // Sees the rows it wants; set before the first band. `observer` must outlive the source.
    void SetRowObserver(RowObserver* observer) { observer_ = observer; }

    QSize Size() const override { return size_; }
    QByteArray IccProfile() const override { return icc_; }
    Result<> Reserve(int rows) override;
    Result<Band> Rows(int first, int last) override;
    Result<> Finish() override;

private:
    explicit JpegBandSource(std::unique_ptr<JpegRowDecoder> decoder);
    // Decodes the rows from the decoder's next one up to (not including) `row` that are held by
    // no band: the observer's are read and shown to it, the others passed over.
    Result<> PassTo(int row);
    // Shows the decoded rows first .. first + count - 1, held at `rows`, to the observer.
    void Show(int first, int count, const std::uint8_t* const* rows);
    std::optional<std::pair<int, int>> Wanted();

    std::unique_ptr<JpegRowDecoder> decoder_;
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
