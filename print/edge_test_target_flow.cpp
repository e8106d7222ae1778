#include "print/edge_test_target_flow.h"

#include "print/edge_test_target.h"
#include "print/edge_test_target_texts.h"

#include "common/string_table.h"
#include "layout/poster_state.h"

namespace tessellon {

Result<TileSizeResult> EdgeTestTargetFlow::PrintSize(const PosterState& poster) {
    const TileSizeResult size = poster.CheckTileSizesNoTrim();
    if (!size.ok)
        return Result<>::Fail(
            EdgeTestTargetTexts::InvalidPrintSize(StringTable::Text(str::PrintSizePerTile)));
    return size;
}

Result<ImageObject> EdgeTestTargetFlow::Build(const TileSizeResult& size) {
    Result<ImageObject> target = EdgeTestTarget::CreateEdgeTestImage(size.dH, size.dW);
    if (!target)
        return Result<>::Fail(EdgeTestTargetTexts::BuildFailed(target.error()));
    return std::move(target).value();
}

Result<ImageFormat> EdgeTestTargetFlow::FileFormat(const QString& path) {
    const auto format = path.size() >= 4 ? FormatFromFileName(path) : std::nullopt;
    if (!format)
        return Result<>::Fail(EdgeTestTargetTexts::InvalidFileType());
    return *format;
}

Result<> EdgeTestTargetFlow::Save(ImageObject& target, const QString& path, ImageFormat format) {
    (void)target.SetImageInfo(ImageAttribute::HorizontalResolution, EdgeTestTarget::kDpi);
    (void)target.SetImageInfo(ImageAttribute::VerticalResolution, EdgeTestTarget::kDpi);
    if (const Result<> saved = target.SaveImageFile(path, format); !saved)
        return Result<>::Fail(EdgeTestTargetTexts::SaveFailed(saved.error()));
    return Result<>::Ok();
}

} // namespace tessellon
