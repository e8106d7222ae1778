#include "print/edge_test_target_flow.h"

#include "print/edge_test_target.h"
#include "print/edge_test_target_texts.h"

#include "common/string_table.h"
#include "layout/poster_state.h"

namespace tessellon {

ImagingValue<TileSizeResult> EdgeTestTargetFlow::PrintSize(const PosterState& poster) {
    const TileSizeResult size = poster.CheckTileSizesNoTrim();
    if (!size.ok)
        return ImagingResult::Fail(
            EdgeTestTargetTexts::InvalidPrintSize(StringTable::Text(str::PrintSizePerTile)));
    return size;
}

ImagingValue<ImageObject> EdgeTestTargetFlow::Build(const TileSizeResult& size) {
    EdgeTestTarget::Result target = EdgeTestTarget::CreateEdgeTestImage(size.dH, size.dW);
    if (target.gImgError)
        return ImagingResult::Fail(EdgeTestTargetTexts::BuildFailed(target.gImgErrorText));
    return std::move(target.image);
}

ImagingValue<ImageFormat> EdgeTestTargetFlow::FileFormat(const QString& path) {
    const auto format = path.size() >= 4 ? FormatFromFileName(path) : std::nullopt;
    if (!format)
        return ImagingResult::Fail(EdgeTestTargetTexts::InvalidFileType());
    return *format;
}

ImagingResult EdgeTestTargetFlow::Save(ImageObject& target, const QString& path,
                                       ImageFormat format) {
    (void)target.SetImageInfo(ImageAttribute::HorizontalResolution, EdgeTestTarget::kDpi);
    (void)target.SetImageInfo(ImageAttribute::VerticalResolution, EdgeTestTarget::kDpi);
    if (const ImagingResult saved = target.SaveImageFile(path, format); !saved)
        return ImagingResult::Fail(EdgeTestTargetTexts::SaveFailed(saved.error()));
    return ImagingResult::Ok();
}

} // namespace tessellon
