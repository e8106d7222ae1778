#include "export/banded_photo_source.h"

namespace tessellon {

BandedPhotoSource::BandedPhotoSource(std::unique_ptr<DecoderBandSource> rows)
    : rows_(std::move(rows)), pictures_(rows_->Size(), rows_->IccProfile()) {
    rows_->SetRowObserver(&pictures_);
}

Result<std::unique_ptr<BandedPhotoSource>> BandedPhotoSource::Open(const QString& path) {
    auto rows = DecoderBandSource::Open(path);
    if (!rows)
        return rows.status();
    return std::unique_ptr<BandedPhotoSource>(new BandedPhotoSource(std::move(rows).value()));
}

} // namespace tessellon
