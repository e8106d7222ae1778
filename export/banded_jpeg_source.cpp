#include "export/banded_jpeg_source.h"

namespace tessellon {

BandedJpegSource::BandedJpegSource(std::unique_ptr<JpegBandSource> rows)
    : rows_(std::move(rows)), pictures_(rows_->Size(), rows_->IccProfile()) {
    rows_->SetRowObserver(&pictures_);
}

Result<std::unique_ptr<BandedJpegSource>> BandedJpegSource::Open(const QString& path) {
    auto rows = JpegBandSource::Open(path);
    if (!rows)
        return rows.status();
    return std::unique_ptr<BandedJpegSource>(new BandedJpegSource(std::move(rows).value()));
}

} // namespace tessellon
