#include "layout/poster_state.h"

#include "calibration/edge_trim.h"
#include "common/message_service.h"
#include "common/number_format.h"
#include "common/rounding.h"
#include "common/string_helpers.h"
#include "common/string_table.h"
#include "layout/quality_rating.h"

#include <algorithm>
#include <cmath>

namespace tessellon {
namespace {

bool InLimits(double inches) {
    // NaN fails both comparisons, so it is tested explicitly.
    return !std::isnan(inches) && inches >= PosterState::getConstMinTileSize() &&
           inches <= PosterState::getConstMaxTileSize();
}

} // namespace

PosterState::PosterState() : sPaperName(QStringLiteral("Photo 4\" x 6\"")) {}

void PosterState::SetZoom(int zoom) {
    zoom_ = std::clamp(zoom, 0, kMaxZoom);
}

bool PosterState::SelectTilesWide(int index) {
    return SelectTileCount(index, tilesWideIndex_, tilesHighIndex_);
}

bool PosterState::SelectTilesHigh(int index) {
    return SelectTileCount(index, tilesHighIndex_, tilesWideIndex_);
}

bool PosterState::SelectTileCount(int index, int& chosen, int& other) {
    chosen = std::clamp(index, 0, kMaxTiles - 1);
    if (bApplyingPrefs)
        return false;
    if (lockWh_)
        other = chosen;
    return true;
}

void PosterState::SetLockWh(bool locked) {
    lockWh_ = locked;
    if (locked)
        tilesHighIndex_ = tilesWideIndex_;
}

short PosterState::setNewTileVals(const QString& sNewCurPaperName, UnitCode iNewCurUnits,
                                  double dNewCurTileWidth, double dNewCurTileHeight,
                                  double dNewCurPaperWidth, double dNewCurPaperHeight,
                                  const QString& sNewPaperRegLine) {
    iCurUnits = iNewCurUnits;
    dTileHeight = dNewCurTileHeight;
    dTileWidth = dNewCurTileWidth;
    dPaperHeight = dNewCurPaperHeight;
    dPaperWidth = dNewCurPaperWidth;
    sPaperRegLine = sNewPaperRegLine;
    sPaperName = sNewCurPaperName;
    paper_.reset(); // sizes alone: which margins they leave is not known
    return 1;
}

void PosterState::ApplyPaper(const PaperChoice& paper) {
    setWhMarginLockedVal(paper.marginsLocked ? 1 : 0);
    setNewTileVals(paper.name, paper.units, paper.TileWidth(), paper.TileHeight(), paper.paperWidth,
                   paper.paperHeight, paper.prefLine);
    dOverlap = paper.overlap;
    paper_ = paper;
}

void PosterState::RestorePaper(const PaperChoice& paper) {
    // The stored line stays as it was read, even where the paper fell back to a default.
    setNewTileVals(paper.name, paper.units, paper.TileWidth(), paper.TileHeight(), paper.paperWidth,
                   paper.paperHeight, sPaperRegLine);
    paper_ = paper;
}

double PosterState::ToInches(double value) const {
    return tessellon::ToInches(value, iCurUnits);
}

QString PosterState::GetTileMin() {
    return NumberToText(getConstMinTileSize());
}
QString PosterState::GetTileMax() {
    return NumberToText(getConstMaxTileSize());
}

TileSizeResult PosterState::CheckTileSizes() const {
    TileSizeResult r = CheckTileSizesNoTrim();
    // A failed check reports the lengths as far as it got: inches up to the first length out
    // of limits, the entered values from there on.
    if (!r.ok)
        return {false, r.dW > 0 ? r.dW : dTileWidth, dTileHeight};
    r.ok = false;
    if (printerClips_) {
        const auto right = GetCurEdgeTrimInches(kEdgeRight);
        const auto left = GetCurEdgeTrimInches(kEdgeLeft);
        const auto top = GetCurEdgeTrimInches(kEdgeTop);
        const auto bottom = GetCurEdgeTrimInches(kEdgeBottom);
        if (!right || !left)
            return r;
        r.dW = r.dW - *right - *left;
        if (!top || !bottom)
            return r;
        r.dH = r.dH - *top - *bottom;
    }
    r.ok = true;
    return r;
}

TileSizeResult PosterState::CheckTileSizesNoTrim() const {
    TileSizeResult r{false, 0, 0};
    const double w = ToInches(dTileWidth);
    if (!InLimits(w))
        return r;
    r.dW = w;
    const double h = ToInches(dTileHeight);
    if (!InLimits(h))
        return r;
    r.dH = h;
    r.ok = true;
    return r;
}

bool PosterState::bTileSizesOk(MessageService& messages) const {
    if (CheckTileSizes().ok)
        return true;
    ShowInvalidTileSizeMsg(messages);
    return false;
}

QString PosterState::InvalidTileSizeText() const {
    const double factor = IsMillimeters(iCurUnits) ? kMmPerInch : 1.0;
    const QString lo =
        FormatNumber(getConstMinTileSize() * factor, QStringLiteral("##0.00")).trimmed();
    const QString hi =
        FormatNumber(getConstMaxTileSize() * factor, QStringLiteral("##0.00")).trimmed();
    const int unitWord = IsMillimeters(iCurUnits) ? str::MillimetersRange : str::InchesRange;
    return StringTable::Text(str::InvalidTileSizes) + u' ' + lo + u' ' +
           StringTable::Text(str::To) + u' ' + hi + u' ' + StringTable::Text(unitWord) + u'.';
}

QString PosterState::InvalidTileSizeTitle() {
    return StringTable::Text(str::InvalidTileSizeTitle);
}

void PosterState::ShowInvalidTileSizeMsg(MessageService& messages) const {
    messages.Critical(InvalidTileSizeTitle(), InvalidTileSizeText());
}

std::optional<double> PosterState::GetCurEdgeTrimInches(int iEdge) const {
    if (!profiles_)
        return std::nullopt;
    return tessellon::GetCurEdgeTrimInches(*profiles_, currentProfile_, iEdge);
}

std::optional<std::array<double, 4>> PosterState::AdjustEdgeTrims() const {
    if (!printerClips_)
        return std::nullopt;
    std::array<double, 4> trims{};
    for (int edge = kEdgeTop; edge <= kEdgeLeft; ++edge) {
        const auto trim = GetCurEdgeTrimInches(edge);
        if (!trim)
            return std::nullopt;
        trims[static_cast<size_t>(edge - kEdgeTop)] = *trim;
    }
    return trims;
}

std::optional<PosterGeometryInput> PosterState::GeometryInput() const {
    const TileSizeResult size = CheckTileSizes();
    if (!size.ok)
        return std::nullopt;
    PosterGeometryInput in;
    in.tilesWide = GetNumTilesWide();
    in.tilesHigh = GetNumTilesHigh();
    in.tileWidth = bTileRotated ? size.dH : size.dW;
    in.tileHeight = bTileRotated ? size.dW : size.dH;
    in.overlap = dOverlap;
    in.imageWidth = lImgWidth;
    in.imageHeight = lImgHeight;
    in.zoom = zoom_;
    in.horzCenter = iHorzCenter;
    in.vertCenter = iVertCenter;
    return in;
}

std::optional<PosterGeometryInput> PosterState::UprightGeometryInput() const {
    auto in = GeometryInput();
    if (in && bTileRotated)
        std::swap(in->tileWidth, in->tileHeight);
    return in;
}

Arrangement PosterState::CurrentArrangement() const {
    return Arrangement{GetNumTilesWide(), GetNumTilesHigh(), bTileRotated};
}

TileCoordTable PosterState::CalcTileCoord() const {
    if (const auto in = GeometryInput())
        return PosterGeometry(*in).Tiles();
    TileCoordTable table;
    table.tiles.assign(static_cast<size_t>(GetNumTilesWide() * GetNumTilesHigh()), TileRect{});
    return table;
}

double PosterState::GetFinalImgWhRatio() const {
    const auto in = GeometryInput();
    return in ? PosterGeometry(*in).Ratio() : 0;
}

PaperLabels PosterState::UpdatePaperLabels() const {
    const bool mm = IsMillimeters(iCurUnits);
    const QString pattern = mm ? QStringLiteral("#####0.0") : QStringLiteral("#####0.00");
    PaperLabels labels;
    labels.paperSize = FormatNumber(dPaperWidth, pattern) + QStringLiteral(" x ") +
                       FormatNumber(dPaperHeight, pattern);
    labels.tileSize = FormatNumber(dTileWidth, pattern) + QStringLiteral(" x ") +
                      FormatNumber(dTileHeight, pattern);
    labels.overlap = FormatNumber(mm ? dOverlap * kMmPerInch : dOverlap, pattern);
    labels.paperName = sPaperName;
    labels.units = StringTable::Text(mm ? str::MillimetersWord : str::InchesWord);
    return labels;
}

std::optional<OutputLabels> PosterState::UpdateOutputSize() const {
    if (bApplyingPrefs)
        return std::nullopt;
    const auto in = GeometryInput();
    if (!in)
        return std::nullopt;
    const PosterGeometry geometry(*in);
    if (!geometry.IsValid())
        return std::nullopt;
    const double posterW = geometry.PosterWidth();
    const double posterH = geometry.PosterHeight();

    const bool haveImage = bImgSelected && lImgWidth > 0 && lImgHeight > 0;
    double r = 0;
    double mpix = 0;
    if (const auto crop = geometry.Crop(); haveImage && crop) {
        r = geometry.Resolution();
        mpix = crop->ZoomedWidth() * crop->ZoomedHeight() / 1000000.0;
    }

    const bool mm = IsMillimeters(iCurUnits);
    OutputLabels out;
    out.finalSize = FinalSizeText(posterW, posterH, iCurUnits);
    if (haveImage) {
        if (mm) {
            out.resolution =
                TrimSuffix(FormatNumber(r / kCmPerInch, QStringLiteral("###0.0")).trimmed(),
                           QStringLiteral(".")) +
                u' ' + StringTable::Text(str::Dots) + u'/' + StringTable::Text(str::Cm);
        } else {
            out.resolution = TrimSuffix(FormatNumber(r, QStringLiteral("###0.0")).trimmed(),
                                        QStringLiteral(".")) +
                             QStringLiteral(" dpi");
        }
        out.quality = QualityRating(r);
        out.megaPixels = FormatNumber(mpix, QStringLiteral("##0.00"));
        out.resolutionPpi = r;
        out.megaPixelCount = mpix;
    } else {
        out.resolution = out.quality = out.megaPixels = QStringLiteral("---");
    }
    return out;
}

std::optional<QString> PosterState::UpdatePhotoShare() const {
    if (bApplyingPrefs)
        return std::nullopt;
    const auto in = GeometryInput();
    if (!in || !PosterGeometry(*in).IsValid())
        return std::nullopt;
    const auto share = PosterGeometry(*in).Share();
    if (!bImgSelected || !share)
        return QStringLiteral("---");
    return PhotoShareText(*share);
}

namespace {

// A length in a size label's number form, without its unit word.
QString SizeNumber(double inches, UnitCode units) {
    return IsMillimeters(units)
               ? FormatNumber(inches * kCmPerInch, QStringLiteral("##0.0")).trimmed()
               : FormatNumber(inches, QStringLiteral("##0.00")).trimmed();
}

QString SizeUnitWord(UnitCode units) {
    return StringTable::Text(IsMillimeters(units) ? str::Cm : str::InchesLower);
}

} // namespace

QString PosterState::FinalSizeText(double widthInches, double heightInches, UnitCode units) {
    return SizeNumber(widthInches, units) + QStringLiteral(" x ") +
           SizeNumber(heightInches, units) + u' ' + SizeUnitWord(units);
}

QString PosterState::LengthText(double inches, UnitCode units) {
    return SizeNumber(inches, units) + u' ' + SizeUnitWord(units);
}

QString PosterState::PhotoShareText(const PhotoShare& share) {
    return StringTable::Text(str::PhotoShareValue)
        .arg(share.WidthPercent())
        .arg(share.HeightPercent());
}

bool PosterState::OutputButtonsEnabled() const {
    return bImgSelected && CheckTileSizes().ok && GetFinalImgWhRatio() > 0;
}

} // namespace tessellon
