#pragma once

#include "imaging/image_object.h"
#include "imaging/row_band_source.h"

namespace tessellon {

// A photo decoded whole, handed out as one band of all its rows.
class WholeImageRows : public RowBandSource {
public:
    // `img` must outlive this object.
    explicit WholeImageRows(const ImageObject& img) : img_(img) {}

    QSize Size() const override { return {img_.ImageWidth(), img_.ImageHeight()}; }
    QByteArray IccProfile() const override { return img_.IccProfile(); }
    Result<> Reserve(int) override { return Result<>::Ok(); }
    Result<Band> Rows(int first, int last) override;
    Result<> Finish() override { return Result<>::Ok(); }

private:
    const ImageObject& img_;
};

} // namespace tessellon
