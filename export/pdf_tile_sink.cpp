#include "export/pdf_tile_sink.h"

#include "common/file_kind.h"
#include "common/units.h"
#include "export/save_tiles_texts.h"
#include "imaging/format_table.h"
#include "imaging/jpeg_codec.h"
#include "layout/poster_state.h"
#include "layout/sheet_names.h"
#include "print/overview_page_layout.h"
#include "print/sheet_aids.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>

namespace tessellon {
namespace {

constexpr double kPointsPerInch = 72;
constexpr int kOverviewPpi = 150; // enough for a picture that is looked at, not assembled

std::vector<QLineF> Outline(const QRectF& box) {
    return {QLineF(box.topLeft(), box.topRight()), QLineF(box.topRight(), box.bottomRight()),
            QLineF(box.bottomRight(), box.bottomLeft()), QLineF(box.bottomLeft(), box.topLeft())};
}

} // namespace

PdfTileSink::PdfTileSink(SaveTilesRequest request, SheetLayout layout, QByteArray colourProfile)
    : request_(std::move(request)), layout_(layout), colourProfile_(std::move(colourProfile)) {}

SheetLayout PdfTileSink::LayoutFor(const PosterState& poster) {
    const double paperW = poster.ToInches(poster.dPaperWidth);
    const double paperH = poster.ToInches(poster.dPaperHeight);
    const TileSizeResult tile = poster.CheckTileSizesNoTrim();
    // The margins come with the chosen paper; sizes that do not come from a paper choice
    // centre the printable area instead.
    double left = (paperW - tile.dW) / 2;
    double top = (paperH - tile.dH) / 2;
    if (const auto& paper = poster.Paper()) {
        const auto inches = [&](double v) { return ToInches(v, paper->units); };
        if (std::abs(inches(paper->paperWidth) - paperW) < 1e-9 &&
            std::abs(inches(paper->paperHeight) - paperH) < 1e-9 &&
            std::abs(inches(paper->TileWidth()) - tile.dW) < 1e-9 &&
            std::abs(inches(paper->TileHeight()) - tile.dH) < 1e-9) {
            left = inches(paper->margins[3]);
            top = inches(paper->margins[0]);
        }
    }
    SheetLayout layout;
    layout.page = QSizeF(paperW * kPointsPerInch, paperH * kPointsPerInch);
    layout.picture = QRectF(left * kPointsPerInch, top * kPointsPerInch, tile.dW * kPointsPerInch,
                            tile.dH * kPointsPerInch);
    if (const auto trims = poster.AdjustEdgeTrims())
        layout.trims =
            QMarginsF((*trims)[3], (*trims)[0], (*trims)[1], (*trims)[2]) * kPointsPerInch;
    layout.overlap = poster.dOverlap * kPointsPerInch;
    layout.tilesWide = poster.GetNumTilesWide();
    layout.tilesHigh = poster.GetNumTilesHigh();
    layout.turned = poster.bTileRotated;
    return layout;
}

void PdfTileSink::SetOverview(PosterOverview overview, OverviewPictureSource& pictures) {
    overview_ = std::move(overview);
    pictures_ = &pictures;
}

QString PdfTileSink::DocumentFilePath(const SaveTilesRequest& request) {
    QString path = request.folder;
    if (!path.endsWith(u'/'))
        path += u'/';
    if (!request.documentName.isEmpty())
        return path + request.documentName;
    return path + request.baseFileName + SaveTilesTexts::PosterWord() +
           FormatTable::Row(ImageFormat::Pdf).Extension();
}

std::optional<UserMessage> PdfTileSink::CheckNames() const {
    const auto problem = [](const QString& text) {
        return UserMessage{SaveTilesTexts::ErrorTitle(), SaveTilesTexts::Problem(text)};
    };
    if (request_.folder.isEmpty())
        return problem(SaveTilesTexts::NoLocation());
    const QString name =
        request_.documentName.isEmpty() ? request_.baseFileName : request_.documentName;
    if (name.contains(u'/') || name.contains(u'\\'))
        return problem(SaveTilesTexts::BaseNameHasSeparator());
    // Refused before anyone is asked to replace it: the rename would put the document in the
    // place of a device or pipe, and cannot replace a folder.
    const QString path = DocumentPath();
    if (const QString why = FileKind::WhyNotReplaceable(path); !why.isEmpty())
        return UserMessage{SaveTilesTexts::CreateFolderTitle(),
                           SaveTilesTexts::WithReason(SaveTilesTexts::CreateFileError(path), why)};
    return std::nullopt;
}

std::optional<UserMessage> PdfTileSink::ExistingTarget() const {
    const QString path = DocumentPath();
    if (!QFileInfo::exists(path))
        return std::nullopt;
    return UserMessage{SaveTilesTexts::FileExistsTitle(), SaveTilesTexts::FileExists(path)};
}

std::optional<UserMessage> PdfTileSink::Open() {
    const QString path = DocumentPath();
    const auto cannotCreate = [&path](const QString& why) {
        return UserMessage{SaveTilesTexts::CreateFolderTitle(),
                           SaveTilesTexts::WithReason(SaveTilesTexts::CreateFileError(path), why)};
    };
    // One file needs no folder of its own: the chosen folder must exist.
    if (const QString why = FileKind::WhyNotFolder(request_.folder); !why.isEmpty())
        return cannotCreate(request_.folder + QStringLiteral(": ") + why);
    // A link of the document's name is replaced itself, as a tile's is, never written through.
    if (const QString why = FileKind::PrepareReplace(path); !why.isEmpty())
        return cannotCreate(why);
    if (const auto opened = writer_.Open(path); !opened)
        return cannotCreate(opened.error());
    writer_.ExpectTexts(Texts());
    // The pictures are RGB; a profile of another colour space cannot describe them.
    if (PdfPosterWriter::IsRgbProfile(colourProfile_))
        if (const auto set = writer_.SetColourProfile(colourProfile_); !set)
            return SaveFailed(set.error());
    if (overview_)
        if (const auto written = WriteOverview(); !written)
            return SaveFailed(written.error());
    return std::nullopt;
}

QStringList PdfTileSink::Texts() const {
    QStringList texts;
    if (overview_)
        texts << overview_->heading << overview_->facts << overview_->steps;
    // The sheets' names, on the overview and beside the arrows, and the labels in full.
    for (int row = 0; row < layout_.tilesHigh; ++row)
        for (int column = 0; column < layout_.tilesWide; ++column) {
            texts << SheetNames::Name(row, column);
            if (request_.aids.labels)
                texts << SheetNames::NameInLayout(row, column, layout_.tilesWide,
                                                  layout_.tilesHigh);
        }
    return texts;
}

Result<> PdfTileSink::WriteOverview() {
    const OverviewPageLayout page(
        layout_.page, *overview_,
        [this](const QString& text, double size) { return writer_.TextWidth(text, size); });
    if (auto begun = writer_.BeginPage(layout_.page); !begun)
        return begun;
    const QRectF picture = page.Picture();
    overviewLongSide_ =
        std::min(static_cast<int>(std::lround(std::max(picture.width(), picture.height()) /
                                              kPointsPerInch * kOverviewPpi)),
                 std::max(overview_->window.width(), overview_->window.height()));
    // Without the image's pixels the page still shows the sheets and their names.
    const std::optional<QSize> size =
        pictures_ ? pictures_->Reserve(*overview_, overviewLongSide_) : std::nullopt;
    if (size && !pictures_->Immediate()) {
        // The picture is made from the rows as the tiles are cut; its place is kept.
        const auto placed = writer_.DrawJpegLater(*size, picture);
        if (!placed)
            return placed.status();
        laterPicture_ = *placed;
    } else if (const QImage image =
                   size ? pictures_->Picture(*overview_, overviewLongSide_) : QImage();
               !image.isNull()) {
        const auto jpeg = OverviewJpeg(image);
        if (!jpeg)
            return jpeg.status();
        if (auto drawn = writer_.DrawJpeg(*jpeg, image.size(), picture); !drawn)
            return drawn;
    }
    // The shared strips under a light screen; the sheets' edges dark on a light line, seen on
    // any picture; the names on light boxes. The first failure ends the page.
    Result<> ok = Result<>::Ok();
    const auto then = [&ok](const auto& step) {
        if (ok)
            ok = step();
    };
    for (const QRectF& strip : page.Strips())
        then([&] { return writer_.StrokeLines(SheetAids::Hatch(strip, 2.5), 0.6, 1, strip); });
    std::vector<QLineF> edges;
    for (const SheetBox& sheet : page.Sheets())
        for (const QLineF& line : Outline(sheet.box))
            edges.push_back(line);
    then([&] { return writer_.StrokeLines(edges, 1.6, 1); });
    then([&] { return writer_.StrokeLines(edges, 0.6, 0); });
    for (const SheetLabel& label : page.Labels()) {
        then([&] { return writer_.FillRect(label.background, 1); });
        then([&] {
            return writer_.DrawText(label.text.text, label.text.baseline, label.text.size);
        });
    }
    for (const PlacedText& line : page.Texts())
        then([&] { return writer_.DrawText(line.text, line.baseline, line.size); });
    then([&] { return writer_.EndPage(); });
    return ok;
}

UserMessage PdfTileSink::SaveFailed(const QString& why) {
    return UserMessage{SaveTilesTexts::ErrorTitle(),
                       SaveTilesTexts::WithReason(SaveTilesTexts::DocumentSaveFailed(), why)};
}

std::optional<UserMessage> PdfTileSink::Add(int index, const QByteArray& encoded, QSize pixels) {
    Result<> ok = writer_.BeginPage(layout_.page);
    if (ok)
        ok = writer_.DrawJpeg(encoded, pixels, layout_.picture);
    if (ok)
        ok = DrawAssemblyAids(index);
    if (ok)
        ok = writer_.EndPage();
    if (!ok)
        return SaveFailed(ok.error());
    return std::nullopt;
}

Result<> PdfTileSink::DrawAssemblyAids(int index) {
    const AssemblyAids& aids = request_.aids;
    if ((!aids.labels && !aids.marks) || layout_.tilesWide < 1)
        return Result<>::Ok();
    const SheetAidsPlan plan = SheetAids::Plan(
        layout_, index / layout_.tilesWide, index % layout_.tilesWide,
        [this](const QString& text, double size) { return writer_.TextWidth(text, size); });
    // Glue areas under the labels' white ground, cut lines over it, the texts last.
    Result<> ok = Result<>::Ok();
    const auto then = [&ok](const auto& step) {
        if (ok)
            ok = step();
    };
    if (aids.marks)
        for (const AidLines& hatch : plan.glue)
            then([&] {
                return writer_.StrokeLines(hatch.lines, SheetAids::kHatchWidth,
                                           SheetAids::kHatchGrey, hatch.clip);
            });
    if (aids.labels)
        for (const AidText& label : plan.labels)
            then([&] { return writer_.FillRect(label.box, 1); });
    if (aids.marks)
        for (const AidLines& cut : plan.cuts)
            then(
                [&] { return writer_.StrokeLines(cut.lines, SheetAids::kLineWidth, 0, cut.clip); });
    if (aids.labels) {
        for (const AidLines& arrow : plan.arrows)
            then([&] {
                return writer_.StrokeLines(arrow.lines, SheetAids::kLineWidth, 0, arrow.clip);
            });
        for (const AidText& label : plan.labels)
            then(
                [&] { return writer_.DrawText(label.text, label.baseline, SheetAids::kTextSize); });
    }
    return ok;
}

Result<QByteArray> PdfTileSink::OverviewJpeg(const QImage& picture) {
    return JpegCodec::Encode(PixelArray::FromImage(picture), {kOverviewPpi, kOverviewPpi},
                             ImageObject::kJpegQuality);
}

std::optional<UserMessage> PdfTileSink::Finish() {
    if (laterPicture_) {
        const QImage image = pictures_->Picture(*overview_, overviewLongSide_);
        if (image.isNull())
            return SaveFailed(SaveTilesTexts::SourceUnreadable());
        const auto jpeg = OverviewJpeg(image);
        if (!jpeg)
            return SaveFailed(jpeg.error());
        if (const auto written = writer_.SupplyJpeg(*laterPicture_, *jpeg); !written)
            return SaveFailed(written.error());
    }
    if (const auto committed = writer_.Commit(); !committed)
        return SaveFailed(committed.error());
    return std::nullopt;
}

} // namespace tessellon
