#pragma once

#include "export/tile_source.h"
#include "imaging/whole_image_rows.h"
#include "print/image_overview_pictures.h"

namespace tessellon {

// A photo decoded whole (as the window holds it, or as turned by the poster): one band of all
// its rows, and the overview cut from it at once.
class WholeImageSource : public TileSource {
public:
    // `img` must outlive this object.
    explicit WholeImageSource(const ImageObject& img) : rows_(img), pictures_(img) {}

    RowBandSource& Rows() override { return rows_; }
    OverviewPictureSource& Overview() override { return pictures_; }

private:
    WholeImageRows rows_;
    ImageOverviewPictures pictures_;
};

} // namespace tessellon
