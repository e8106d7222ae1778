#pragma once

#include "export/tile_source.h"
#include "imaging/whole_image_rows.h"
#include "print/image_overview_pictures.h"

#include <memory>

namespace tessellon {

// A photo decoded whole (as the window holds it, or as turned by the poster): one band of all
// its rows, and the overview cut from it at once.
class WholeImageSource : public TileSource {
public:
    // `img` must outlive this object.
    explicit WholeImageSource(const ImageObject& img) : rows_(img), pictures_(img) {}
    // A source that holds the image itself.
    static std::unique_ptr<WholeImageSource> Holding(ImageObject img) {
        return std::unique_ptr<WholeImageSource>(new WholeImageSource(std::move(img), 0));
    }

    RowBandSource& Rows() override { return rows_; }
    OverviewPictureSource& Overview() override { return pictures_; }

private:
    WholeImageSource(ImageObject&& img, int)
        : held_(std::move(img)), rows_(held_), pictures_(held_) {}

    ImageObject held_; // empty unless Holding made the source
    WholeImageRows rows_;
    ImageOverviewPictures pictures_;
};

} // namespace tessellon
