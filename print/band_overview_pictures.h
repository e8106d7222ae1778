#pragma once

#include "imaging/row_box_reducer.h"
#include "imaging/row_observer.h"
#include "print/overview_picture_source.h"

#include <QSize>

#include <vector>

namespace tessellon {

// The overview's pictures of a photo decoded in bands: each announced picture's reduction is
// made from the rows as they are decoded for the tiles (a RowObserver), and the picture is
// finished from it once every tile has been cut. The pixels are those PosterOverview::Picture
// makes from the whole photo.
class BandOverviewPictures : public OverviewPictureSource, public RowObserver {
public:
    BandOverviewPictures(QSize photo, QByteArray icc) : photo_(photo), icc_(std::move(icc)) {}

    std::optional<QSize> Reserve(const PosterOverview& overview, int longSide) override;
    bool Immediate() const override { return false; }
    QImage Picture(const PosterOverview& overview, int longSide) const override;
    QByteArray IccProfile() const override { return icc_; }

    std::optional<std::pair<int, int>> RowsWanted() const override;
    void AddRow(int y, const std::uint8_t* row) override;

private:
    struct Reduction {
        QRect window;
        int longSide = 0;
        QSize size;
        RowBoxReducer rows;
    };

    QSize photo_;
    QByteArray icc_;
    std::vector<Reduction> reductions_;
};

} // namespace tessellon
