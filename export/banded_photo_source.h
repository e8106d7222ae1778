#pragma once

#include "export/tile_source.h"
#include "imaging/decoder_band_source.h"
#include "print/band_overview_pictures.h"

#include <memory>

namespace tessellon {

// A photo (JPEG or plain TIFF) read from its file in bands of rows while the tiles are cut, so that
// memory holds about one row of tiles whatever the photo's size; the overview's pictures are
// reduced from the same rows as they pass.
class BandedPhotoSource : public TileSource {
public:
    // Fails for a photo that cannot be read in bands (see DecoderBandSource::Open); the caller
    // then decodes it whole.
    static Result<std::unique_ptr<BandedPhotoSource>> Open(const QString& path);

    RowBandSource& Rows() override { return *rows_; }
    OverviewPictureSource& Overview() override { return pictures_; }

private:
    explicit BandedPhotoSource(std::unique_ptr<DecoderBandSource> rows);

    std::unique_ptr<DecoderBandSource> rows_;
    BandOverviewPictures pictures_;
};

} // namespace tessellon
