#include "imaging/whole_image_rows.h"

#include <QCoreApplication>

namespace tessellon {

Result<RowBandSource::Band> WholeImageRows::Rows(int first, int last) {
    Band band{img_.ReadPixels(), 0};
    if (band.pixels.IsNull() || first < 0 || last < first || last >= band.pixels.Height())
        return Result<>::Fail(
            QCoreApplication::translate("ImageObject", "There is no image to save"));
    return band;
}

} // namespace tessellon
