#pragma once

#include "imaging/image_object.h"
#include "print/overview_picture_source.h"

namespace tessellon {

// The overview's picture cut from a photo decoded whole, at once.
class ImageOverviewPictures : public OverviewPictureSource {
public:
    // `img` must outlive this object.
    explicit ImageOverviewPictures(const ImageObject& img) : img_(img) {}

    std::optional<QSize> Reserve(const PosterOverview& overview, int longSide) override;
    bool Immediate() const override { return true; }
    QImage Picture(const PosterOverview& overview, int longSide) const override {
        return overview.Picture(img_, longSide);
    }
    QByteArray IccProfile() const override { return img_.IccProfile(); }

private:
    const ImageObject& img_;
};

} // namespace tessellon
