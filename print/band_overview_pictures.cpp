#include "print/band_overview_pictures.h"

#include <algorithm>

namespace tessellon {

std::optional<QSize> BandOverviewPictures::Reserve(const PosterOverview& overview, int longSide) {
    const auto steps = overview.StepsFor(photo_, longSide);
    if (!steps)
        return std::nullopt;
    const bool known = std::any_of(reductions_.begin(), reductions_.end(), [&](const Reduction& r) {
        return r.window == overview.window && r.longSide == longSide;
    });
    if (!known)
        reductions_.push_back(Reduction{overview.window, longSide, steps->size,
                                        RowBoxReducer(steps->inside, steps->factor)});
    return steps->size;
}

QImage BandOverviewPictures::Picture(const PosterOverview& overview, int longSide) const {
    for (const Reduction& r : reductions_)
        if (r.window == overview.window && r.longSide == longSide) {
            const QImage reduced = r.rows.Result();
            return reduced.isNull() ? QImage() : PosterOverview::Finished(reduced, r.size);
        }
    return {};
}

std::optional<std::pair<int, int>> BandOverviewPictures::RowsWanted() const {
    std::optional<std::pair<int, int>> wanted;
    for (const Reduction& r : reductions_) {
        if (r.rows.LastRow() < r.rows.FirstRow())
            continue;
        wanted = wanted ? std::pair{std::min(wanted->first, r.rows.FirstRow()),
                                    std::max(wanted->second, r.rows.LastRow())}
                        : std::pair{r.rows.FirstRow(), r.rows.LastRow()};
    }
    return wanted;
}

void BandOverviewPictures::AddRow(int y, const std::uint8_t* row) {
    for (Reduction& r : reductions_)
        r.rows.AddRow(y, row);
}

} // namespace tessellon
