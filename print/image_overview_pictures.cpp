#include "print/image_overview_pictures.h"

namespace tessellon {

std::optional<QSize> ImageOverviewPictures::Reserve(const PosterOverview& overview, int longSide) {
    const auto steps = overview.StepsFor(QSize(img_.ImageWidth(), img_.ImageHeight()), longSide);
    return steps ? std::optional<QSize>(steps->size) : std::nullopt;
}

} // namespace tessellon
