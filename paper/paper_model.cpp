#include "paper/paper_model.h"

#include "common/message_service.h"
#include "common/number_format.h"
#include "common/rounding.h"
#include "common/string_table.h"
#include "layout/poster_state.h"

#include <QLocale>

#include <algorithm>
#include <array>
#include <cmath>

namespace tessellon {
namespace {

constexpr QChar kInchMark = QChar(34);

bool ValidSide(int side) {
    return side >= 0 && side < kMarginCount;
}

// The partner box under the lock: top with bottom, right with left.
int Partner(int side) {
    return (side + 2) % kMarginCount;
}

// Limits of the tile print size in the given unit.
double MinTile(UnitCode units) {
    return PosterState::getConstMinTileSize() * (IsMillimeters(units) ? kMmPerInch : 1.0);
}
double MaxTile(UnitCode units) {
    return PosterState::getConstMaxTileSize() * (IsMillimeters(units) ? kMmPerInch : 1.0);
}

// Numbers of a stored line, as this program writes them: the locale's separator (or a point),
// never a thousands separator, so "1,125" is not read as 1125.
std::optional<double> ParseLineNumber(const QString& text) {
    for (QLocale locale : {QLocale::system(), QLocale::c()}) {
        locale.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
        bool ok = false;
        const double v = locale.toDouble(text, &ok);
        if (ok && std::isfinite(v))
            return v;
    }
    return std::nullopt;
}

} // namespace

PaperModel::PaperModel() {
    BuildPaperPresets();
    FillMarginComboBoxes();
    ShowCurrentPaper();
}

// --- Presets ---

void PaperModel::AddPaperPreset(QList<PaperPreset>& list, const QString& name, double width,
                                double height, double margin) {
    PaperPreset p;
    p.sName = name;
    p.dWidth = width;
    p.dHeight = height;
    p.dDefTop = p.dDefRight = p.dDefBottom = p.dDefLeft = margin;
    list.append(p);
}

namespace {

// The words of the presets' names. The names are stored (in the paper line) and looked up in
// English; the lists and labels show them in the window's language.
constexpr std::array<const char*, 4> kPaperWords{
    QT_TRANSLATE_NOOP("PaperModel", "Photo"), QT_TRANSLATE_NOOP("PaperModel", "Letter"),
    QT_TRANSLATE_NOOP("PaperModel", "Legal"), QT_TRANSLATE_NOOP("PaperModel", "Canvas")};
const char* const kCustom = QT_TRANSLATE_NOOP("PaperModel", "Custom");
const char* const kCustomInches = QT_TRANSLATE_NOOP("PaperModel", " (inches)");
const char* const kCustomMm = QT_TRANSLATE_NOOP("PaperModel", " (mm)");

} // namespace

QString PaperModel::ShownName(const QString& name) {
    for (const char* word : kPaperWords)
        if (name.startsWith(QLatin1String(word) + u' '))
            return tr(word) + name.mid(qstrlen(word));
    for (const char* suffix : {kCustomInches, kCustomMm})
        if (name == QLatin1String(kCustom) + QLatin1String(suffix))
            return tr(kCustom) + tr(suffix);
    return name;
}

void PaperModel::BuildPaperPresets() {
    const auto inchName = [](const char* word, const char* first, const char* second) {
        return QLatin1String(word) + u' ' + QLatin1String(first) + kInchMark +
               QStringLiteral(" x ") + QLatin1String(second) + kInchMark;
    };
    const char* photo = kPaperWords[0];

    inchPresets_.clear();
    inchPresets_.reserve(iLastInchPreset + 1);
    // The first figure of the two smallest photo sizes is the height: they are landscape sheets.
    AddPaperPreset(inchPresets_, inchName(photo, "4", "6"), 6, 4, 0);
    AddPaperPreset(inchPresets_, inchName(photo, "5", "7"), 7, 5, 0.5);
    AddPaperPreset(inchPresets_, inchName(photo, "8", "10"), 8, 10, 0.5);
    AddPaperPreset(inchPresets_, inchName(kPaperWords[1], "8.5", "11"), 8.5, 11, 0.5);
    AddPaperPreset(inchPresets_, inchName(kPaperWords[2], "8.5", "14"), 8.5, 14, 0.5);
    AddPaperPreset(inchPresets_, inchName(kPaperWords[3], "11", "17"), 11, 17, 0.5);
    AddPaperPreset(inchPresets_, QLatin1String(kCustom) + QLatin1String(kCustomInches), 4, 6, 0.5);

    mmPresets_.clear();
    mmPresets_.reserve(iLastMmPreset + 1);
    AddPaperPreset(mmPresets_, QStringLiteral("A8 - 53 x 74"), 74, 53, 12);
    AddPaperPreset(mmPresets_, QStringLiteral("A7 - 74 x 105"), 105, 74, 12);
    AddPaperPreset(mmPresets_, QStringLiteral("A6 - 105 x 148"), 148, 105, 12);
    AddPaperPreset(mmPresets_, QStringLiteral("A5 - 148 x 210"), 148, 210, 12);
    AddPaperPreset(mmPresets_, QStringLiteral("A4 - 210 x 297"), 210, 297, 12);
    AddPaperPreset(mmPresets_, QStringLiteral("A3 - 297 x 420"), 297, 420, 12);
    AddPaperPreset(mmPresets_, QStringLiteral("A2 - 420 x 594"), 420, 594, 12);
    AddPaperPreset(mmPresets_, QLatin1String(kCustom) + QLatin1String(kCustomMm), 148, 210, 12);

    for (QList<PaperPreset>* list : {&inchPresets_, &mmPresets_})
        for (PaperPreset& p : *list)
            p.SetCurrentMargins(p.DefaultMargins());
}

const QList<PaperPreset>& PaperModel::Presets(UnitCode units) const {
    return IsMillimeters(units) ? mmPresets_ : inchPresets_;
}

QStringList PaperModel::PresetNames(UnitCode units) const {
    QStringList names;
    for (const PaperPreset& p : Presets(units))
        names.append(p.sName);
    return names;
}

std::optional<int> PaperModel::FindPreset(UnitCode units, const QString& name) const {
    const QList<PaperPreset>& list = Presets(units);
    for (int i = 0; i < list.size(); ++i)
        if (list[i].sName == name)
            return i;
    return std::nullopt;
}

const PaperPreset& PaperModel::Preset(UnitCode units, int position) const {
    return Presets(units).at(position);
}

int PaperModel::LastPreset(UnitCode units) {
    return IsMillimeters(units) ? iLastMmPreset : iLastInchPreset;
}

int PaperModel::Selection(UnitCode units) const {
    return IsMillimeters(units) ? iMmSel_ : iInchSel_;
}

int& PaperModel::SelectionRef(UnitCode units) {
    return IsMillimeters(units) ? iMmSel_ : iInchSel_;
}

const PaperPreset& PaperModel::CurrentPreset() const {
    return Preset(iUnits_, Selection(iUnits_));
}

PaperPreset& PaperModel::CurrentPresetRef() {
    QList<PaperPreset>& list = IsMillimeters(iUnits_) ? mmPresets_ : inchPresets_;
    return list[Selection(iUnits_)];
}

// --- Operations the main window and the dialog call ---

void PaperModel::initPaperSizes() {
    iUnits_ = kUnitInches;
    iInchSel_ = 0;
    iMmSel_ = 0;
    BuildPaperPresets();
    FillMarginComboBoxes();
    // Keeps the boxes in step with the rebuilt lists, so nothing stale is validated later.
    ShowCurrentPaper();
}

QString PaperModel::BuildPaperRegLine() const {
    const PaperPreset& p = CurrentPreset();
    QString line = IsMillimeters(iUnits_) ? QStringLiteral("|1|") : QStringLiteral("|0|");
    line += p.sName + u'|';
    for (double v : {p.dWidth, p.dHeight, p.dDefTop, p.dDefRight, p.dDefBottom, p.dDefLeft, p.dTop,
                     p.dRight, p.dBottom, p.dLeft})
        line += NumberToText(v, SystemDecimalPoint()) + u'|';
    return line;
}

void PaperModel::setPrefFromRegLine(const QString& sLine) {
    const QStringList e = sLine.split(u'|');
    const auto number = [&e](int i) -> std::optional<double> {
        return i < e.size() ? ParseLineNumber(e[i]) : std::nullopt;
    };

    const auto load = [&]() -> bool {
        const auto unitValue = number(1);
        if (!unitValue)
            return false;
        const auto unitCode = Nearest(*unitValue);
        if (!unitCode || (*unitCode != 0 && *unitCode != 1))
            return false;
        const auto units = static_cast<UnitCode>(*unitCode);

        if (e.size() <= 2)
            return false;
        const auto position = FindPreset(units, e[2]);
        if (!position)
            return false;
        const PaperPreset& entry = Preset(units, *position);

        PaperSize size{entry.dWidth, entry.dHeight};
        const bool custom = IsCustom(units, *position);
        if (custom) {
            const auto w = number(3);
            const auto h = number(4);
            if (!w || !h)
                return false;
            size = {*w, *h};
        }

        MarginValues m{};
        for (int side = 0; side < kMarginCount; ++side) {
            const auto v = number(9 + side);
            // A negative margin would make the tile larger than its sheet.
            if (!v || *v < 0)
                return false;
            m[static_cast<size_t>(side)] = *v + 0.0; // no negative zero
        }

        const double tileW = size.width - m[kMarginRight] - m[kMarginLeft];
        const double tileH = size.height - m[kMarginTop] - m[kMarginBottom];
        const double lo = MinTile(units);
        const double hi = MaxTile(units);
        if (!(tileW >= lo && tileW <= hi && tileH >= lo && tileH <= hi))
            return false;

        iUnits_ = units;
        SelectionRef(units) = *position;
        PaperPreset& target = CurrentPresetRef();
        if (custom) {
            target.dWidth = size.width;
            target.dHeight = size.height;
        }
        target.SetCurrentMargins(m);
        ShowCurrentPaper();
        return true;
    };

    if (!load())
        initPaperSizes();
}

PaperChoice PaperModel::getWhuValues() const {
    const PaperPreset& p = CurrentPreset();
    PaperChoice c;
    c.name = p.sName;
    c.units = iUnits_;
    c.paperWidth = p.dWidth;
    c.paperHeight = p.dHeight;
    c.margins = {p.dTop, p.dRight, p.dBottom, p.dLeft};
    c.marginsLocked = locked_;
    // A strip accepted for a larger paper is cut down to what this one takes.
    c.overlap = std::min(overlap_, OverlapLimit());
    c.prefLine = BuildPaperRegLine();
    return c;
}

// --- Margin boxes ---

QStringList PaperModel::MarginItems(UnitCode units) {
    const bool mm = IsMillimeters(units);
    const double step = mm ? 0.5 : 0.01;
    const double maximum = mm ? 50.0 : 2.0;
    const QString format = mm ? QStringLiteral("####0.0") : QStringLiteral("####0.00");
    // Repeated addition on purpose: with 0.01 the sum passes 2.01 right after 2.00, which
    // decides where the inch list ends.
    const double end = maximum + step;
    QStringList items;
    for (double v = 0; v <= end; v += step)
        items.append(FormatNumber(v, format));
    return items;
}

void PaperModel::FillMarginComboBoxes() {
    const QString first = MarginItems(iUnits_).constFirst();
    for (Shown& box : margins_)
        box = {first, std::nullopt};
}

// --- What the dialog shows ---

QString PaperModel::MarginText(int side) const {
    return ValidSide(side) ? margins_[static_cast<size_t>(side)].text : QString();
}

PaperView PaperModel::View() const {
    const bool mm = IsMillimeters(iUnits_);
    PaperView v;
    v.iUnits = iUnits_;
    for (const QString& name : PresetNames(iUnits_))
        v.paperNames.append(ShownName(name));
    v.paperSelection = Selection(iUnits_);
    v.unitWord = mm ? tr("mm") : StringTable::Text(str::InchesWord);
    v.marginUnitsLabel = mm ? tr("(Margin sizes in MILLIMETERS)") : tr("(Margin sizes in INCHES)");
    v.widthText = width_.text;
    v.heightText = height_.text;
    v.sizeEditable = CurrentIsCustom();
    v.marginItems = MarginItems(iUnits_);
    for (int side = 0; side < kMarginCount; ++side)
        v.marginTexts[static_cast<size_t>(side)] = margins_[static_cast<size_t>(side)].text;
    v.locked = locked_;
    v.sizeWithBorders = sizeWithBorders_;
    v.sizeWithoutBorders = sizeWithoutBorders_;
    return v;
}

QString PaperModel::InvalidValuesTitle() {
    return tr("Invalid Values Entered");
}

QString PaperModel::FormatLength(double value) const {
    return FormatNumber(value, IsMillimeters(iUnits_) ? QStringLiteral("#####0.0")
                                                      : QStringLiteral("#####0.00"));
}

PaperModel::Shown PaperModel::ShownValue(double value) const {
    return {FormatLength(value), value};
}

std::optional<double> PaperModel::ReadShown(const Shown& shown) {
    if (shown.exact)
        return std::isfinite(*shown.exact) ? shown.exact : std::nullopt;
    return ParseShownNumber(shown.text);
}

// --- Dialog events ---

PaperValidation PaperModel::WidthChanged(const QString& text) {
    if (!CurrentIsCustom())
        return last_;
    if (text != width_.text)
        width_ = {text, std::nullopt};
    const PaperValidation r = ValidatePaperValues();
    if (!r.ok())
        UpdateResultLabels(r.iResult);
    return r;
}

PaperValidation PaperModel::HeightChanged(const QString& text) {
    if (!CurrentIsCustom())
        return last_;
    if (text != height_.text)
        height_ = {text, std::nullopt};
    const PaperValidation r = ValidatePaperValues();
    if (!r.ok())
        UpdateResultLabels(r.iResult);
    return r;
}

PaperValidation PaperModel::MarginChanged(int side, const QString& text) {
    if (!ValidSide(side))
        return last_;
    const Shown& current = margins_[static_cast<size_t>(side)];
    // Retyping the text that is shown keeps the exact value behind it.
    return ProcessMarginChange(side, text == current.text ? current : Shown{text, std::nullopt});
}

PaperValidation PaperModel::MarginItemSelected(int side, int item) {
    const QStringList items = MarginItems(iUnits_);
    if (!ValidSide(side) || item < 0 || item >= items.size())
        return last_;
    return ProcessMarginChange(side, Shown{items[item], std::nullopt});
}

PaperValidation PaperModel::ProcessMarginChange(int side, const Shown& value) {
    margins_[static_cast<size_t>(side)] = value;
    SyncLockedMargin(side);
    const PaperValidation r = ValidatePaperValues();
    if (!r.ok())
        UpdateResultLabels(r.iResult);
    return r;
}

void PaperModel::SyncLockedMargin(int side) {
    if (locked_)
        margins_[static_cast<size_t>(Partner(side))] = margins_[static_cast<size_t>(side)];
}

void PaperModel::SetLocked(bool locked) {
    if (locked == locked_)
        return;
    locked_ = locked;
    if (!locked_)
        return;
    ProcessMarginChange(kMarginBottom, margins_[kMarginTop]);
    ProcessMarginChange(kMarginRight, margins_[kMarginLeft]);
}

void PaperModel::SetBorderless() {
    for (int side = 0; side < kMarginCount; ++side)
        MarginItemSelected(side, 0);
}

void PaperModel::ResetMargins() {
    const MarginValues defaults = CurrentPreset().DefaultMargins();
    for (int side = 0; side < kMarginCount; ++side)
        ProcessMarginChange(side, ShownValue(defaults[static_cast<size_t>(side)]));
}

void PaperModel::SetMargins(const MarginValues& margins) {
    MarginValues m = margins;
    if (locked_) {
        // Either box of a locked pair would carry its value to the other: keep the larger.
        m[kMarginTop] = m[kMarginBottom] = std::max(m[kMarginTop], m[kMarginBottom]);
        m[kMarginLeft] = m[kMarginRight] = std::max(m[kMarginLeft], m[kMarginRight]);
    }
    for (int side = 0; side < kMarginCount; ++side)
        ProcessMarginChange(side, ShownValue(m[static_cast<size_t>(side)]));
}

PaperValidation PaperModel::SelectPaper(int position, MessageService& messages) {
    if (position < 0 || position > LastPreset(iUnits_) || position == Selection(iUnits_))
        return last_;
    const PaperValidation r = ValidatePaperValues();
    if (!r.ok()) {
        messages.Critical(InvalidValuesTitle(), r.sMsg);
        return r;
    }
    SelectionRef(iUnits_) = position;
    ShowCurrentPaper();
    return r;
}

PaperValidation PaperModel::ChangeUnits(UnitCode newUnits, MessageService& messages) {
    const UnitCode units = IsMillimeters(newUnits) ? kUnitMillimeters : kUnitInches;
    if (units == iUnits_)
        return last_;
    iUnits_ = units;
    ShowCurrentPaper();
    const PaperValidation r = ValidatePaperValues();
    if (!r.ok()) {
        messages.Critical(InvalidValuesTitle(), r.sMsg);
        return r;
    }
    FillMarginComboBoxes();
    ShowCurrentPaper();
    return r;
}

void PaperModel::ShowCurrentPaper() {
    const PaperPreset& p = CurrentPreset();
    width_ = ShownValue(p.dWidth);
    height_ = ShownValue(p.dHeight);
    const MarginValues m = p.CurrentMargins();
    for (int side = 0; side < kMarginCount; ++side)
        margins_[static_cast<size_t>(side)] = ShownValue(m[static_cast<size_t>(side)]);
    // The labels tell the truth about what is shown, also when a stored line holds values
    // that do not pass.
    const PaperValidation r = ValidatePaperValues();
    UpdateResultLabels(r.iResult);
}

PaperValidation PaperModel::ValidatePaperValues() {
    const auto fail = [this](short code, const QString& msg) {
        last_ = {code, msg};
        return last_;
    };
    const bool mm = IsMillimeters(iUnits_);

    const auto w = ReadShown(width_);
    const auto h = ReadShown(height_);
    if (!w || !h)
        return fail(PaperValidation::kInvalidMargins, tr("Invalid Paper Width or Height"));

    // The typed sheet must be at least the tile minimum; in millimetres a whole number.
    const double typedMin = mm ? std::floor(PosterState::getConstMinTileSize() * kMmPerInch + 1)
                               : PosterState::getConstMinTileSize();
    if (*w < typedMin || *h < typedMin) {
        const QString minText = mm ? FormatNumber(typedMin, QStringLiteral("####"))
                                   : FormatNumber(typedMin, QStringLiteral("###.00"));
        return fail(PaperValidation::kInvalidMargins,
                    tr("Invalid paper size - size too small.  Minimum size is") + u' ' + minText +
                        u'.');
    }

    MarginValues m{};
    for (int side = 0; side < kMarginCount; ++side) {
        const auto v = ReadShown(margins_[static_cast<size_t>(side)]);
        if (!v)
            return fail(PaperValidation::kInvalidMargins,
                        tr("You entered invalid values for print margins."));
        if (*v < 0)
            return fail(PaperValidation::kInvalidMargins,
                        tr("Invalid margin value - can't be less than zero"));
        m[static_cast<size_t>(side)] = *v + 0.0; // no negative zero
    }

    const double tileW = *w - m[kMarginRight] - m[kMarginLeft];
    const double tileH = *h - m[kMarginTop] - m[kMarginBottom];
    if (tileW <= 0)
        return fail(PaperValidation::kInvalidMargins,
                    tr("Invalid Left / Right Margins.  Together they are larger than the paper "
                       "width."));
    if (tileH <= 0)
        return fail(PaperValidation::kInvalidMargins,
                    tr("Invalid Top / Bottom Margins.  Together they are larger than the paper "
                       "height."));

    const double lo = MinTile(iUnits_);
    const double hi = MaxTile(iUnits_);
    if (*w < lo || *h < lo)
        return fail(PaperValidation::kInvalidPaperSize, tr("Paper size too small"));
    if (*w > hi || *h > hi)
        return fail(PaperValidation::kInvalidPaperSize, tr("Paper size too large"));
    if (tileW < lo || tileH < lo)
        return fail(PaperValidation::kInvalidMargins, tr("Paper/Margins too small"));
    if (tileW > hi || tileH > hi)
        return fail(PaperValidation::kInvalidMargins, tr("Paper/Margins too large"));

    PaperPreset& p = CurrentPresetRef();
    if (CurrentIsCustom()) {
        p.dWidth = *w;
        p.dHeight = *h;
    }
    p.SetCurrentMargins(m);
    last_ = {};
    UpdateResultLabels(PaperValidation::kValid);
    return last_;
}

void PaperModel::UpdateResultLabels(short code) {
    const bool mm = IsMillimeters(iUnits_);
    const QString suffix = mm ? tr(" mm") : u' ' + StringTable::Text(str::InchesWord);
    const QString format = mm ? QStringLiteral("#####0.0") : QStringLiteral("####0.00");
    const PaperPreset& p = CurrentPreset();
    const QString paper = FormatNumber(p.dWidth, format) + QStringLiteral(" x ") +
                          FormatNumber(p.dHeight, format) + suffix;
    const QString tile = FormatNumber(p.TileWidth(), format) + QStringLiteral(" x ") +
                         FormatNumber(p.TileHeight(), format) + suffix;
    switch (code) {
    case PaperValidation::kInvalidPaperSize:
        sizeWithBorders_ = tr("Invalid paper size entered");
        sizeWithoutBorders_ = QStringLiteral("-");
        break;
    case PaperValidation::kInvalidMargins:
        sizeWithBorders_ = paper;
        sizeWithoutBorders_ = tr("Invalid margin size selected");
        break;
    default:
        sizeWithBorders_ = paper;
        sizeWithoutBorders_ = tile;
        break;
    }
}

// --- Accepting ---

void PaperModel::SetOverlap(double inches) {
    overlap_ = inches;
    typedOverlap_.reset();
}

QString PaperModel::OverlapText() const {
    if (typedOverlap_ && typedOverlapUnits_ == iUnits_)
        return *typedOverlap_;
    return FormatLength(IsMillimeters(iUnits_) ? overlap_ * kMmPerInch : overlap_);
}

std::optional<double> PaperModel::TypedOverlapInches(const QString& text) const {
    const auto v = ParseShownNumber(text);
    if (!v || !(*v >= 0))
        return std::nullopt;
    const double inches = tessellon::ToInches(*v, iUnits_);
    if (!(inches <= OverlapLimit()))
        return std::nullopt;
    return inches;
}

double PaperModel::OverlapLimit() const {
    const PaperPreset& p = CurrentPreset();
    return PosterGeometry::MaxOverlap(tessellon::ToInches(p.TileWidth(), iUnits_) - trimWidth_,
                                      tessellon::ToInches(p.TileHeight(), iUnits_) - trimHeight_);
}

void PaperModel::SetTileTrims(double width, double height) {
    trimWidth_ = width;
    trimHeight_ = height;
}

bool PaperModel::OverlapChanged(const QString& text) {
    typedOverlap_ = text;
    typedOverlapUnits_ = iUnits_;
    const auto inches = TypedOverlapInches(text);
    if (inches)
        overlap_ = *inches;
    return inches.has_value();
}

bool PaperModel::OverlapValid() const {
    return TypedOverlapInches(OverlapText()).has_value();
}

QString PaperModel::InvalidOverlapText() {
    return StringTable::Text(str::InvalidOverlap) + u' ' + StringTable::Text(str::HalfTileSize) +
           u'.';
}

PaperChoice PaperModel::ApplyPaperValues() {
    (void)ValidatePaperValues();
    return getWhuValues();
}

PaperChoice PaperModel::ApplyPaperValues(MessageService& messages) {
    const PaperValidation validation = ValidatePaperValues();
    if (!validation.ok())
        messages.Critical(InvalidValuesTitle(), validation.sMsg);
    else if (!OverlapValid())
        messages.Critical(InvalidValuesTitle(), InvalidOverlapText());
    return getWhuValues();
}

PaperValidation PaperModel::EnterPaper(UnitCode units, int position,
                                       std::optional<PaperSize> customSize,
                                       std::optional<MarginValues> margins) {
    const UnitCode u = IsMillimeters(units) ? kUnitMillimeters : kUnitInches;
    if (position < 0 || position > LastPreset(u)) {
        last_ = {PaperValidation::kInvalidPaperSize, tr("Invalid paper size entered")};
        return last_;
    }
    iUnits_ = u;
    SelectionRef(u) = position;
    ShowCurrentPaper();
    if (customSize && CurrentIsCustom()) {
        width_ = {NumberToText(customSize->width), customSize->width};
        height_ = {NumberToText(customSize->height), customSize->height};
    }
    const MarginValues m = margins.value_or(CurrentPreset().DefaultMargins());
    for (int side = 0; side < kMarginCount; ++side) {
        const double v = m[static_cast<size_t>(side)];
        margins_[static_cast<size_t>(side)] = {NumberToText(v), v};
    }
    const PaperValidation r = ValidatePaperValues();
    if (!r.ok())
        UpdateResultLabels(r.iResult);
    return r;
}

} // namespace tessellon
