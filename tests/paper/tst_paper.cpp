#include "common/number_format.h"
#include "common/recording_message_service.h"
#include "layout/poster_state.h"
#include "paper/paper_dialog_texts.h"
#include "paper/paper_model.h"

#include <QtTest>

using namespace tessellon;

namespace {

// Texts written with the system decimal separator; expectations are written with a point.
QString Loc(QString s) {
    return s.replace(u'.', SystemDecimalPoint());
}

const QString kInvalidWh = QStringLiteral("Invalid Paper Width or Height");
const QString kTooSmallTyped =
    QStringLiteral("Invalid paper size - size too small.  Minimum size is");
const QString kBadMargins = QStringLiteral("You entered invalid values for print margins.");
const QString kNegative = QStringLiteral("Invalid margin value - can't be less than zero");
const QString kLeftRight =
    QStringLiteral("Invalid Left / Right Margins.  Together they are larger than the paper width.");
const QString kTopBottom = QStringLiteral(
    "Invalid Top / Bottom Margins.  Together they are larger than the paper height.");
const QString kPaperTooLarge = QStringLiteral("Paper size too large");
const QString kTileTooSmall = QStringLiteral("Paper/Margins too small");

const QString kPhoto46 = QStringLiteral("Photo 4\" x 6\"");
const QString kA4 = QStringLiteral("A4 - 210 x 297");

// A model on the given preset with the given texts in the width, height and margin boxes.
PaperModel Typed(UnitCode units, int position, const QString& width, const QString& height,
                 const QStringList& margins) {
    PaperModel m;
    RecordingMessageService msgs;
    m.ChangeUnits(units, msgs);
    m.SelectPaper(position, msgs);
    if (m.CurrentIsCustom()) {
        m.WidthChanged(width);
        m.HeightChanged(height);
    }
    for (int side = 0; side < kMarginCount; ++side)
        m.MarginChanged(side, margins[side]);
    return m;
}

void CheckDefaultState(const PaperModel& m) {
    QCOMPARE(m.Units(), kUnitInches);
    QCOMPARE(m.Selection(kUnitInches), 0);
    QCOMPARE(m.Selection(kUnitMillimeters), 0);
    QCOMPARE(m.CurrentPreset().sName, kPhoto46);
    QCOMPARE(m.CurrentPreset().CurrentMargins(), (MarginValues{0, 0, 0, 0}));
    const WhuValues w = m.getWhuValues();
    QCOMPARE(w.dGetTileWidth, 6.0);
    QCOMPARE(w.dGetTileHeight, 4.0);
}

} // namespace

class TestPaper : public QObject {
    Q_OBJECT
private slots:
    void presets_data();
    void presets();
    void presetLists();
    void findPreset();
    void defaultState();
    void initDiscardsEdits();
    void marginItems_data();
    void marginItems();
    void validation_data();
    void validation();
    void validStoresTypedValues();
    void failedValidationKeepsValues();
    void resultLabels();
    void widthIgnoredUnlessCustom();
    void lock();
    void lockPartnerFollowsBothWays();
    void borderless_data();
    void borderless();
    void reset_data();
    void reset();
    void selectPaper();
    void selectPaperRefusedWhenInvalid();
    void unitRoundTrip();
    void changeUnitsInvalid();
    void buildLine();
    void readLine_data();
    void readLine();
    void readLineFallbackResetsEdits();
    void readLineKeepsOtherSelection();
    void readLineShowsFailure();
    void lineRoundTrip_data();
    void lineRoundTrip();
    void displayRoundingKeepsValues();
    void applyHandsOver();
    void whuValuesToPoster();
    void enterPaper();
    void dialogTexts();
};

// --- Presets ---

void TestPaper::presets_data() {
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("pos");
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("margin");

    QTest::newRow("in0") << 0 << 0 << "Photo 4\" x 6\"" << 6.0 << 4.0 << 0.0;
    QTest::newRow("in1") << 0 << 1 << "Photo 5\" x 7\"" << 7.0 << 5.0 << 0.5;
    QTest::newRow("in2") << 0 << 2 << "Photo 8\" x 10\"" << 8.0 << 10.0 << 0.5;
    QTest::newRow("in3") << 0 << 3 << "Letter 8.5\" x 11\"" << 8.5 << 11.0 << 0.5;
    QTest::newRow("in4") << 0 << 4 << "Legal 8.5\" x 14\"" << 8.5 << 14.0 << 0.5;
    QTest::newRow("in5") << 0 << 5 << "Canvas 11\" x 17\"" << 11.0 << 17.0 << 0.5;
    QTest::newRow("in6") << 0 << 6 << "Custom (inches)" << 4.0 << 6.0 << 0.5;
    QTest::newRow("mm0") << 1 << 0 << "A8 - 53 x 74" << 74.0 << 53.0 << 12.0;
    QTest::newRow("mm1") << 1 << 1 << "A7 - 74 x 105" << 105.0 << 74.0 << 12.0;
    QTest::newRow("mm2") << 1 << 2 << "A6 - 105 x 148" << 148.0 << 105.0 << 12.0;
    QTest::newRow("mm3") << 1 << 3 << "A5 - 148 x 210" << 148.0 << 210.0 << 12.0;
    QTest::newRow("mm4") << 1 << 4 << "A4 - 210 x 297" << 210.0 << 297.0 << 12.0;
    QTest::newRow("mm5") << 1 << 5 << "A3 - 297 x 420" << 297.0 << 420.0 << 12.0;
    QTest::newRow("mm6") << 1 << 6 << "A2 - 420 x 594" << 420.0 << 594.0 << 12.0;
    QTest::newRow("mm7") << 1 << 7 << "Custom (mm)" << 148.0 << 210.0 << 12.0;
}

void TestPaper::presets() {
    QFETCH(int, units);
    QFETCH(int, pos);
    QFETCH(QString, name);
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(double, margin);
    const PaperModel m;
    const auto u = static_cast<UnitCode>(units);
    const PaperPreset& p = m.Preset(u, pos);
    QCOMPARE(p.sName, name);
    QCOMPARE(p.dWidth, width);
    QCOMPARE(p.dHeight, height);
    QCOMPARE(p.DefaultMargins(), (MarginValues{margin, margin, margin, margin}));
    QCOMPARE(p.CurrentMargins(), p.DefaultMargins());
    QCOMPARE(m.IsCustom(u, pos), pos == m.LastPreset(u));
    QCOMPARE(m.FindPreset(u, name), std::optional<int>(pos));
}

void TestPaper::presetLists() {
    const PaperModel m;
    QCOMPARE(m.Presets(kUnitInches).size(), 7);
    QCOMPARE(m.Presets(kUnitMillimeters).size(), 8);
    QCOMPARE(PaperModel::LastPreset(kUnitInches), 6);
    QCOMPARE(PaperModel::LastPreset(kUnitMillimeters), 7);
    QCOMPARE(m.PresetNames(kUnitMillimeters).constLast(), QStringLiteral("Custom (mm)"));
    // Any nonzero unit code is millimetres.
    QCOMPARE(m.PresetNames(5), m.PresetNames(kUnitMillimeters));
    // The custom sheet by default leaves a 3 by 5 inch tile.
    const PaperPreset& custom = m.Preset(kUnitInches, 6);
    QCOMPARE(custom.TileWidth(), 3.0);
    QCOMPARE(custom.TileHeight(), 5.0);
}

void TestPaper::findPreset() {
    const PaperModel m;
    QCOMPARE(m.FindPreset(kUnitMillimeters, QStringLiteral("a4 - 210 x 297")), std::nullopt);
    QCOMPARE(m.FindPreset(kUnitInches, kA4), std::nullopt);
    QCOMPARE(m.FindPreset(kUnitInches, QStringLiteral("Photo 4\" x 6\" ")), std::nullopt);
    QCOMPARE(m.FindPreset(kUnitInches, QString()), std::nullopt);
    QCOMPARE(m.FindPreset(kUnitMillimeters, kA4), std::optional<int>(4));
}

void TestPaper::defaultState() {
    const PaperModel m;
    CheckDefaultState(m);
    const PaperView v = m.View();
    QCOMPARE(v.paperNames, m.PresetNames(kUnitInches));
    QCOMPARE(v.paperSelection, 0);
    QCOMPARE(v.widthText, Loc("6.00"));
    QCOMPARE(v.heightText, Loc("4.00"));
    for (const QString& t : v.marginTexts)
        QCOMPARE(t, Loc("0.00"));
    QVERIFY(!v.sizeEditable);
    QVERIFY(!v.locked);
    QCOMPARE(v.unitWord, QStringLiteral("Inches"));
    QCOMPARE(v.marginUnitsLabel, QStringLiteral("(Margin sizes in INCHES)"));
    QCOMPARE(v.sizeWithBorders, Loc("6.00 x 4.00 Inches"));
    QCOMPARE(v.sizeWithoutBorders, Loc("6.00 x 4.00 Inches"));
}

void TestPaper::initDiscardsEdits() {
    PaperModel m =
        Typed(kUnitInches, 6, QStringLiteral("9"), QStringLiteral("12"),
              {QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1")});
    QCOMPARE(m.CurrentPreset().dWidth, 9.0);
    RecordingMessageService msgs;
    m.ChangeUnits(kUnitMillimeters, msgs);
    m.SetLocked(true);
    m.initPaperSizes();
    CheckDefaultState(m);
    QCOMPARE(m.Preset(kUnitInches, 6).dWidth, 4.0);
    QCOMPARE(m.Preset(kUnitInches, 6).CurrentMargins(), (MarginValues{0.5, 0.5, 0.5, 0.5}));
    QCOMPARE(m.View().widthText, Loc("6.00"));
    QVERIFY(m.IsLocked()); // the lock belongs to the main window, not to the paper state
}

// --- Margin box offers ---

void TestPaper::marginItems_data() {
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<int>("probe");
    QTest::addColumn<QString>("probeText");
    QTest::newRow("inches") << 0 << 201 << "0.00"
                            << "2.00" << 37 << "0.37";
    QTest::newRow("millimetres") << 1 << 102 << "0.0"
                                 << "50.5" << 25 << "12.5";
}

void TestPaper::marginItems() {
    QFETCH(int, units);
    QFETCH(int, count);
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(int, probe);
    QFETCH(QString, probeText);
    const QStringList items = PaperModel::MarginItems(static_cast<UnitCode>(units));
    QCOMPARE(items.size(), count);
    QCOMPARE(items.constFirst(), Loc(first));
    QCOMPARE(items.constLast(), Loc(last));
    QCOMPARE(items[probe], Loc(probeText));
}

// --- Validation ---

void TestPaper::validation_data() {
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("pos");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QStringList>("margins");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");

    const QStringList zero{"0", "0", "0", "0"};
    const QString tooSmallIn = kTooSmallTyped + Loc(" .75.");
    const QString tooSmallMm = kTooSmallTyped + QStringLiteral(" 20.");

    QTest::newRow("default valid") << 0 << 0 << ""
                                   << "" << zero << 1 << QString();
    QTest::newRow("letter defaults")
        << 0 << 3 << ""
        << "" << QStringList{"0.5", "0.5", "0.5", "0.5"} << 1 << QString();
    QTest::newRow("width letters") << 0 << 6 << "wide"
                                   << "6" << zero << -20 << kInvalidWh;
    QTest::newRow("height empty") << 0 << 6 << "4"
                                  << "" << zero << -20 << kInvalidWh;
    QTest::newRow("inch width 0.5") << 0 << 6 << "0.5"
                                    << "6" << zero << -20 << tooSmallIn;
    QTest::newRow("inch width 0.749") << 0 << 6 << "0.749"
                                      << "6" << zero << -20 << tooSmallIn;
    QTest::newRow("inch height 0.7") << 0 << 6 << "4"
                                     << "0.7" << zero << -20 << tooSmallIn;
    QTest::newRow("mm width 19.5") << 1 << 7 << "19.5"
                                   << "210" << zero << -20 << tooSmallMm;
    QTest::newRow("mm width 20") << 1 << 7 << "20"
                                 << "210" << zero << 1 << QString();
    QTest::newRow("margin letters")
        << 0 << 3 << ""
        << "" << QStringList{"0.5", "abc", "0.5", "0.5"} << -20 << kBadMargins;
    QTest::newRow("margin empty") << 0 << 3 << ""
                                  << "" << QStringList{"0.5", "0.5", "", "0.5"} << -20
                                  << kBadMargins;
    QTest::newRow("margin negative")
        << 0 << 3 << ""
        << "" << QStringList{"0.5", "0.5", "0.5", "-0.1"} << -20 << kNegative;
    QTest::newRow("negative before letters")
        << 0 << 3 << ""
        << "" << QStringList{"-1", "abc", "0", "0"} << -20 << kNegative;
    QTest::newRow("letters before negative")
        << 0 << 3 << ""
        << "" << QStringList{"abc", "-1", "0", "0"} << -20 << kBadMargins;
    QTest::newRow("zero margins allowed") << 0 << 3 << ""
                                          << "" << zero << 1 << QString();
    QTest::newRow("left right eat width")
        << 0 << 6 << "1.0"
        << "6" << QStringList{"0", "0.5", "0", "0.5"} << -20 << kLeftRight;
    QTest::newRow("top bottom eat height")
        << 0 << 6 << "4"
        << "2" << QStringList{"1", "0", "1.5", "0"} << -20 << kTopBottom;
    QTest::newRow("left right checked first")
        << 0 << 6 << "1"
        << "1" << QStringList{"1", "1", "1", "1"} << -20 << kLeftRight;
    QTest::newRow("0.2 remains") << 0 << 6 << "0.8"
                                 << "6" << QStringList{"0", "0.3", "0", "0.3"} << -20
                                 << kTileTooSmall;
    QTest::newRow("sheet 0.5 fails typed minimum")
        << 0 << 6 << "0.5"
        << "6" << QStringList{"0", "0.1", "0", "0.1"} << -20 << tooSmallIn;
    QTest::newRow("tile exactly 0.75") << 0 << 6 << "0.75"
                                       << "0.75" << zero << 1 << QString();
    QTest::newRow("tile 0.75 after margins")
        << 0 << 6 << "1.75"
        << "1.75" << QStringList{"0.5", "0.5", "0.5", "0.5"} << 1 << QString();
    QTest::newRow("tile 0.749 after margins")
        << 0 << 6 << "1.749"
        << "6" << QStringList{"0", "0.5", "0", "0.5"} << -20 << kTileTooSmall;
    QTest::newRow("inch 50 wide") << 0 << 6 << "50"
                                  << "50" << zero << 1 << QString();
    QTest::newRow("inch 50.01 wide") << 0 << 6 << "50.01"
                                     << "6" << zero << -10 << kPaperTooLarge;
    QTest::newRow("too large even with margins")
        << 0 << 6 << "52"
        << "6" << QStringList{"0", "2", "0", "2"} << -10 << kPaperTooLarge;
    QTest::newRow("mm 1270 wide") << 1 << 7 << "1270"
                                  << "210" << zero << 1 << QString();
    QTest::newRow("mm 1271 high") << 1 << 7 << "148"
                                  << "1271" << zero << -10 << kPaperTooLarge;
    QTest::newRow("mm tile exactly 19.05")
        << 1 << 7 << "43.05"
        << "210" << QStringList{"0", "12", "0", "12"} << 1 << QString();
    QTest::newRow("mm tile 19") << 1 << 7 << "43"
                                << "210" << QStringList{"0", "12", "0", "12"} << -20
                                << kTileTooSmall;
    QTest::newRow("inf width") << 0 << 6 << "inf"
                               << "6" << zero << -20 << kInvalidWh;
    QTest::newRow("nan margin") << 0 << 6 << "4"
                                << "6" << QStringList{"nan", "0", "0", "0"} << -20 << kBadMargins;
}

void TestPaper::validation() {
    QFETCH(int, units);
    QFETCH(int, pos);
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(QStringList, margins);
    QFETCH(int, code);
    QFETCH(QString, message);
    for (QString& t : margins)
        t = Loc(t);
    PaperModel m = Typed(static_cast<UnitCode>(units), pos, Loc(width), Loc(height), margins);
    const PaperValidation r = m.ValidatePaperValues();
    QCOMPARE(int(r.iResult), code);
    QCOMPARE(r.sMsg, message);
    QCOMPARE(m.LastValidation().iResult, r.iResult);
}

void TestPaper::validStoresTypedValues() {
    PaperModel m = Typed(kUnitInches, 6, Loc("10.5"), QStringLiteral("12"),
                         {Loc("0.25"), QStringLiteral("1"), QStringLiteral("0"), Loc("0.75")});
    const PaperPreset& p = m.CurrentPreset();
    QCOMPARE(p.dWidth, 10.5);
    QCOMPARE(p.dHeight, 12.0);
    QCOMPARE(p.CurrentMargins(), (MarginValues{0.25, 1, 0, 0.75}));
    QCOMPARE(p.DefaultMargins(), (MarginValues{0.5, 0.5, 0.5, 0.5}));
    QCOMPARE(p.TileWidth(), 8.75);
    QCOMPARE(p.TileHeight(), 11.75);
    QCOMPARE(m.SizeWithoutBordersText(), Loc("8.75 x 11.75 Inches"));
}

void TestPaper::failedValidationKeepsValues() {
    PaperModel m = Typed(kUnitInches, 6, QStringLiteral("5"), QStringLiteral("7"),
                         {Loc("0.5"), Loc("0.5"), Loc("0.5"), Loc("0.5")});
    m.WidthChanged(QStringLiteral("abc"));
    m.MarginChanged(kMarginTop, Loc("0.1"));
    QCOMPARE(m.LastValidation().sMsg, kInvalidWh);
    QCOMPARE(m.CurrentPreset().dWidth, 5.0);
    QCOMPARE(m.CurrentPreset().dTop, 0.5);

    // Accepting reports the failure and hands on the last valid values.
    PosterState poster;
    RecordingMessageService msgs;
    const PaperHandOver h = m.ApplyPaperValues(poster, msgs);
    QCOMPARE(msgs.Messages().size(), 1);
    QCOMPARE(msgs.Messages()[0].kind, RecordingMessageService::Kind::Critical);
    QCOMPARE(msgs.Messages()[0].title, QStringLiteral("Invalid Values Entered"));
    QCOMPARE(msgs.Messages()[0].text, kInvalidWh);
    QVERIFY(!h.validation.ok());
    QCOMPARE(poster.dPaperWidth, 5.0);
    QCOMPARE(poster.dTileWidth, 4.0);
    QCOMPARE(poster.dTileHeight, 6.0);
    QCOMPARE(poster.sPaperName, QStringLiteral("Custom (inches)"));
    QCOMPARE(poster.sPaperRegLine, Loc("|0|Custom (inches)|5|7|0.5|0.5|0.5|0.5|0.5|0.5|0.5|0.5|"));
}

void TestPaper::resultLabels() {
    PaperModel m;
    RecordingMessageService msgs;
    m.ChangeUnits(kUnitMillimeters, msgs);
    m.SelectPaper(4, msgs);
    QCOMPARE(m.SizeWithBordersText(), Loc("210.0 x 297.0 mm"));
    QCOMPARE(m.SizeWithoutBordersText(), Loc("186.0 x 273.0 mm"));
    QCOMPARE(m.View().unitWord, QStringLiteral("mm"));
    QCOMPARE(m.View().marginUnitsLabel, QStringLiteral("(Margin sizes in MILLIMETERS)"));

    m.MarginChanged(kMarginLeft, QStringLiteral("x"));
    QCOMPARE(m.SizeWithBordersText(), Loc("210.0 x 297.0 mm"));
    QCOMPARE(m.SizeWithoutBordersText(), QStringLiteral("Invalid margin size selected"));

    m.SelectPaper(0, msgs); // refused: the shown values are invalid
    m.MarginChanged(kMarginLeft, QStringLiteral("12"));
    QCOMPARE(m.SizeWithoutBordersText(), Loc("186.0 x 273.0 mm"));

    m.SelectPaper(7, msgs);
    m.WidthChanged(QStringLiteral("1300"));
    QCOMPARE(m.SizeWithBordersText(), QStringLiteral("Invalid paper size entered"));
    QCOMPARE(m.SizeWithoutBordersText(), QStringLiteral("-"));
    // The labels keep showing the stored sheet, not the text being typed.
    m.WidthChanged(QStringLiteral("300"));
    QCOMPARE(m.SizeWithBordersText(), Loc("300.0 x 210.0 mm"));
}

void TestPaper::widthIgnoredUnlessCustom() {
    PaperModel m;
    m.WidthChanged(QStringLiteral("abc"));
    QCOMPARE(m.WidthText(), Loc("6.00"));
    QVERIFY(m.ValidatePaperValues().ok());
    QVERIFY(!m.View().sizeEditable);
}

// --- Lock, borderless, reset ---

void TestPaper::lock() {
    PaperModel m = Typed(kUnitInches, 3, {}, {}, {Loc("0.1"), Loc("0.2"), Loc("0.3"), Loc("0.4")});
    QCOMPARE(m.CurrentPreset().CurrentMargins(), (MarginValues{0.1, 0.2, 0.3, 0.4}));
    m.SetLocked(true);
    QCOMPARE(m.MarginText(kMarginBottom), Loc("0.1"));
    QCOMPARE(m.MarginText(kMarginRight), Loc("0.4"));
    QCOMPARE(m.CurrentPreset().CurrentMargins(), (MarginValues{0.1, 0.4, 0.1, 0.4}));

    m.MarginChanged(kMarginTop, Loc("0.25"));
    QCOMPARE(m.MarginText(kMarginBottom), Loc("0.25"));
    QCOMPARE(m.MarginText(kMarginLeft), Loc("0.4"));

    // Unticking keeps the texts; afterwards boxes are independent again.
    m.SetLocked(false);
    QCOMPARE(m.MarginText(kMarginBottom), Loc("0.25"));
    m.MarginChanged(kMarginLeft, Loc("0.6"));
    QCOMPARE(m.MarginText(kMarginRight), Loc("0.4"));
    QCOMPARE(m.ApplyPaperValues().iWhMarginLocked, short(0));
    m.SetLocked(true);
    QCOMPARE(m.ApplyPaperValues().iWhMarginLocked, short(1));
}

void TestPaper::lockPartnerFollowsBothWays() {
    PaperModel m;
    m.SetLocked(true);
    m.MarginChanged(kMarginBottom, Loc("0.25"));
    QCOMPARE(m.MarginText(kMarginTop), Loc("0.25"));
    m.MarginItemSelected(kMarginRight, 10);
    QCOMPARE(m.MarginText(kMarginLeft), Loc("0.10"));
    QCOMPARE(m.CurrentPreset().CurrentMargins(), (MarginValues{0.25, 0.1, 0.25, 0.1}));
}

void TestPaper::borderless_data() {
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("pos");
    QTest::addColumn<QString>("zero");
    QTest::newRow("inches") << 0 << 3 << "0.00";
    QTest::newRow("millimetres") << 1 << 4 << "0.0";
}

void TestPaper::borderless() {
    QFETCH(int, units);
    QFETCH(int, pos);
    QFETCH(QString, zero);
    PaperModel m;
    RecordingMessageService msgs;
    m.ChangeUnits(static_cast<UnitCode>(units), msgs);
    m.SelectPaper(pos, msgs);
    QVERIFY(m.CurrentPreset().dTop > 0);
    m.SetBorderless();
    for (int side = 0; side < kMarginCount; ++side)
        QCOMPARE(m.MarginText(side), Loc(zero));
    QCOMPARE(m.CurrentPreset().CurrentMargins(), (MarginValues{0, 0, 0, 0}));
    QCOMPARE(m.CurrentPreset().TileWidth(), m.CurrentPreset().dWidth);
}

void TestPaper::reset_data() {
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("pos");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("A4") << 1 << 4 << "12.0" << 12.0;
    QTest::newRow("Letter") << 0 << 3 << "0.50" << 0.5;
    QTest::newRow("Photo 4x6") << 0 << 0 << "0.00" << 0.0;
}

void TestPaper::reset() {
    QFETCH(int, units);
    QFETCH(int, pos);
    QFETCH(QString, text);
    QFETCH(double, value);
    PaperModel m;
    RecordingMessageService msgs;
    m.ChangeUnits(static_cast<UnitCode>(units), msgs);
    m.SelectPaper(pos, msgs);
    for (int side = 0; side < kMarginCount; ++side)
        m.MarginChanged(side, QStringLiteral("1"));
    QCOMPARE(m.CurrentPreset().dLeft, 1.0);
    m.ResetMargins();
    for (int side = 0; side < kMarginCount; ++side)
        QCOMPARE(m.MarginText(side), Loc(text));
    QCOMPARE(m.CurrentPreset().CurrentMargins(), (MarginValues{value, value, value, value}));
}

// --- Paper list and units ---

void TestPaper::selectPaper() {
    PaperModel m;
    RecordingMessageService msgs;
    m.SelectPaper(6, msgs);
    QCOMPARE(m.Selection(kUnitInches), 6);
    QVERIFY(m.View().sizeEditable);
    QCOMPARE(m.View().widthText, Loc("4.00"));
    QCOMPARE(m.View().marginTexts[0], Loc("0.50"));
    QCOMPARE(m.SizeWithoutBordersText(), Loc("3.00 x 5.00 Inches"));
    m.SelectPaper(5, msgs);
    QVERIFY(!m.View().sizeEditable);
    QCOMPARE(m.View().paperSelection, 5);
    m.SelectPaper(99, msgs); // outside the list
    QCOMPARE(m.Selection(kUnitInches), 5);
    QVERIFY(msgs.Messages().isEmpty());
}

void TestPaper::selectPaperRefusedWhenInvalid() {
    PaperModel m;
    RecordingMessageService msgs;
    m.SelectPaper(6, msgs);
    m.WidthChanged(Loc("0.5"));
    QCOMPARE(int(m.LastValidation().iResult), -20);
    QCOMPARE(m.SizeWithoutBordersText(), QStringLiteral("Invalid margin size selected"));
    const PaperValidation r = m.SelectPaper(2, msgs);
    QVERIFY(!r.ok());
    QCOMPARE(m.Selection(kUnitInches), 6);
    QCOMPARE(m.View().paperSelection, 6);
    QCOMPARE(msgs.Messages().size(), 1);
    QCOMPARE(msgs.Messages()[0].title, QStringLiteral("Invalid Values Entered"));
    QCOMPARE(msgs.Messages()[0].text, kTooSmallTyped + Loc(" .75."));
    QCOMPARE(m.WidthText(), Loc("0.5")); // the typed text stays for the user to correct
}

void TestPaper::unitRoundTrip() {
    PaperModel m;
    RecordingMessageService msgs;
    m.SelectPaper(3, msgs);
    m.MarginChanged(kMarginTop, Loc("0.25"));
    m.ChangeUnits(kUnitMillimeters, msgs);
    QCOMPARE(m.Units(), kUnitMillimeters);
    QCOMPARE(m.View().paperNames, m.PresetNames(kUnitMillimeters));
    QCOMPARE(m.View().marginItems.size(), 102);
    QCOMPARE(m.View().marginTexts[0], Loc("12.0"));
    m.SelectPaper(5, msgs);
    m.ChangeUnits(kUnitInches, msgs);
    QCOMPARE(m.Selection(kUnitInches), 3);
    QCOMPARE(m.View().marginTexts[0], Loc("0.25"));
    QCOMPARE(m.View().marginTexts[1], Loc("0.50"));
    QCOMPARE(m.View().marginItems.size(), 201);
    m.ChangeUnits(kUnitMillimeters, msgs);
    QCOMPARE(m.Selection(kUnitMillimeters), 5);
    QVERIFY(msgs.Messages().isEmpty());
    // Same unit again: nothing happens.
    QVERIFY(m.ChangeUnits(3, msgs).ok());
    QCOMPARE(m.Units(), kUnitMillimeters);
}

void TestPaper::changeUnitsInvalid() {
    // A stored line may hold a custom millimetre width the typed-size check refuses.
    PaperModel m;
    m.setPrefFromRegLine(Loc("|1|Custom (mm)|19.5|210|12|12|12|12|0|0|0|0|"));
    QCOMPARE(m.Units(), kUnitMillimeters);
    QCOMPARE(m.CurrentPreset().dWidth, 19.5);
    RecordingMessageService msgs;
    QVERIFY(m.ChangeUnits(kUnitInches, msgs).ok());
    const PaperValidation r = m.ChangeUnits(kUnitMillimeters, msgs);
    QVERIFY(!r.ok());
    QCOMPARE(m.Units(), kUnitMillimeters); // the unit stays switched
    QCOMPARE(m.View().iUnits, kUnitMillimeters);
    QCOMPARE(msgs.Messages().size(), 1);
    QCOMPARE(msgs.Messages()[0].text, kTooSmallTyped + QStringLiteral(" 20."));
    // The boxes offer millimetre margins, matching the unit shown.
    QCOMPARE(m.View().marginItems.constLast(), Loc("50.5"));
}

// --- Preference line ---

void TestPaper::buildLine() {
    PaperModel m;
    QCOMPARE(m.BuildPaperRegLine(), QStringLiteral("|0|Photo 4\" x 6\"|6|4|0|0|0|0|0|0|0|0|"));
    RecordingMessageService msgs;
    m.ChangeUnits(kUnitMillimeters, msgs);
    m.SelectPaper(4, msgs);
    QCOMPARE(m.BuildPaperRegLine(),
             QStringLiteral("|1|A4 - 210 x 297|210|297|12|12|12|12|12|12|12|12|"));
    QCOMPARE(m.BuildPaperRegLine().split(u'|').size(), 14);
    m.SelectPaper(7, msgs);
    m.WidthChanged(Loc("100.25"));
    m.MarginChanged(kMarginRight, Loc("0.1"));
    QCOMPARE(m.BuildPaperRegLine(), Loc("|1|Custom (mm)|100.25|210|12|12|12|12|12|0.1|12|12|"));
}

void TestPaper::readLine_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("loads");
    QTest::addColumn<int>("units");
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("right");
    QTest::addColumn<double>("bottom");
    QTest::addColumn<double>("left");

    const auto fallback = [](const char* tag, const QString& line) {
        QTest::newRow(tag) << line << false << 0 << kPhoto46 << 6.0 << 4.0 << 0.0 << 0.0 << 0.0
                           << 0.0;
    };
    fallback("empty", QString());
    fallback("garbage", QStringLiteral("hello"));
    fallback("lower case name", QStringLiteral("|1|a4 - 210 x 297|999|999|0|0|0|0|12|12|12|12|"));
    fallback("custom mm too wide", QStringLiteral("|1|Custom (mm)|1300|210|12|12|12|12|0|0|0|0|"));
    fallback("stops after 11", QStringLiteral("|1|A4 - 210 x 297|210|297|12|12|12|12|12|12|12|"));
    fallback("stops after 2", QStringLiteral("|1|A4 - 210 x 297|"));
    fallback("no name", QStringLiteral("|1"));
    fallback("unit 2", QStringLiteral("|2|A4 - 210 x 297|210|297|12|12|12|12|12|12|12|12|"));
    fallback("unit -1", QStringLiteral("|-1|A4 - 210 x 297|210|297|12|12|12|12|12|12|12|12|"));
    fallback("unit text", QStringLiteral("|mm|A4 - 210 x 297|210|297|12|12|12|12|12|12|12|12|"));
    fallback("unit empty", QStringLiteral("||A4 - 210 x 297|210|297|12|12|12|12|12|12|12|12|"));
    fallback("name of other unit",
             QStringLiteral("|0|A4 - 210 x 297|210|297|12|12|12|12|12|12|12|12|"));
    fallback("margin text", QStringLiteral("|1|A4 - 210 x 297|210|297|12|12|12|12|12|x|12|12|"));
    // A line written where the comma is the separator, read where it is not.
    if (SystemDecimalPoint() != u",")
        fallback("comma separator",
                 QStringLiteral("|0|Custom (inches)|4|6|0,5|0,5|0,5|0,5|0,5|0,5|0,5|0,5|"));
    fallback("thousands separator", QStringLiteral("|1|Custom (mm)|1,125|210|0|0|0|0|0|0|0|0|"));
    fallback("custom width text", QStringLiteral("|0|Custom (inches)|four|6|0|0|0|0|0|0|0|0|"));
    fallback("tile 0.749", QStringLiteral("|0|Custom (inches)|1.749|6|0|0|0|0|0|0.5|0|0.5|"));
    fallback("tile too tall", QStringLiteral("|0|Custom (inches)|4|51|0|0|0|0|0|0|0|0|"));
    fallback("margins eat sheet", QStringLiteral("|0|Letter 8.5\" x 11\"|0|0|0|0|0|0|6|0|6|0|"));
    fallback("negative margin", QStringLiteral("|0|Letter 8.5\" x 11\"|0|0|0|0|0|0|0|-1|0|0|"));
    fallback("infinite margin", QStringLiteral("|0|Letter 8.5\" x 11\"|0|0|0|0|0|0|0|inf|0|0|"));

    QTest::newRow("A4, 999 ignored")
        << QStringLiteral("|1|A4 - 210 x 297|999|999|0|0|0|0|12|12|12|12|") << true << 1 << kA4
        << 210.0 << 297.0 << 12.0 << 12.0 << 12.0 << 12.0;
    QTest::newRow("A4 size text ignored")
        << QStringLiteral("|1|A4 - 210 x 297|x|y|z|z|z|z|5|6|7|8|") << true << 1 << kA4 << 210.0
        << 297.0 << 5.0 << 6.0 << 7.0 << 8.0;
    QTest::newRow("custom inch") << Loc("|0|Custom (inches)|4|6|0.5|0.5|0.5|0.5|1|1|1|1|") << true
                                 << 0 << "Custom (inches)" << 4.0 << 6.0 << 1.0 << 1.0 << 1.0
                                 << 1.0;
    QTest::newRow("extra elements")
        << Loc("|0|Custom (inches)|4|6|0.5|0.5|0.5|0.5|1|1|1|1|junk|more|") << true << 0
        << "Custom (inches)" << 4.0 << 6.0 << 1.0 << 1.0 << 1.0 << 1.0;
    QTest::newRow("no trailing bar")
        << QStringLiteral("|1|A4 - 210 x 297|210|297|12|12|12|12|1|2|3|4") << true << 1 << kA4
        << 210.0 << 297.0 << 1.0 << 2.0 << 3.0 << 4.0;
    QTest::newRow("defaults never read")
        << QStringLiteral("|0|Letter 8.5\" x 11\"|8.5|11|9|9|9|9|0|0|0|0|") << true << 0
        << "Letter 8.5\" x 11\"" << 8.5 << 11.0 << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("tile exactly max")
        << QStringLiteral("|1|Custom (mm)|1270|1270|0|0|0|0|0|0|0|0|") << true << 1 << "Custom (mm)"
        << 1270.0 << 1270.0 << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("tile exactly 0.75 in")
        << Loc("|0|Custom (inches)|1.75|0.75|0|0|0|0|0|0.5|0|0.5|") << true << 0
        << "Custom (inches)" << 1.75 << 0.75 << 0.0 << 0.5 << 0.0 << 0.5;
    QTest::newRow("mm custom 19.5 loads unchanged")
        << Loc("|1|Custom (mm)|19.5|210|12|12|12|12|0|0|0|0|") << true << 1 << "Custom (mm)" << 19.5
        << 210.0 << 0.0 << 0.0 << 0.0 << 0.0;
}

void TestPaper::readLine() {
    QFETCH(QString, line);
    QFETCH(bool, loads);
    QFETCH(int, units);
    QFETCH(QString, name);
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(double, top);
    QFETCH(double, right);
    QFETCH(double, bottom);
    QFETCH(double, left);

    PaperModel m;
    m.initPaperSizes();
    m.setPrefFromRegLine(line);
    QCOMPARE(int(m.Units()), units);
    const PaperPreset& p = m.CurrentPreset();
    QCOMPARE(p.sName, name);
    QCOMPARE(p.dWidth, width);
    QCOMPARE(p.dHeight, height);
    QCOMPARE(p.CurrentMargins(), (MarginValues{top, right, bottom, left}));
    // Default margins always come from the built-in table.
    const double def = units == 0 ? (m.Selection(0) == 0 ? 0.0 : 0.5) : 12.0;
    QCOMPARE(p.DefaultMargins(), (MarginValues{def, def, def, def}));
    if (!loads)
        CheckDefaultState(m);
    // The boxes show what was loaded.
    QCOMPARE(m.WidthText(), FormatNumber(width, units == 0 ? QStringLiteral("#####0.00")
                                                           : QStringLiteral("#####0.0")));
}

void TestPaper::readLineFallbackResetsEdits() {
    PaperModel m;
    RecordingMessageService msgs;
    m.SelectPaper(6, msgs);
    m.WidthChanged(QStringLiteral("9"));
    m.ChangeUnits(kUnitMillimeters, msgs);
    m.SelectPaper(3, msgs);
    m.setPrefFromRegLine(QStringLiteral("|7|nothing|"));
    CheckDefaultState(m);
    QCOMPARE(m.Preset(kUnitInches, 6).dWidth, 4.0);
    QCOMPARE(m.View().paperNames, m.PresetNames(kUnitInches));
    QCOMPARE(m.View().marginTexts[0], Loc("0.00"));
}

void TestPaper::readLineKeepsOtherSelection() {
    PaperModel m;
    m.initPaperSizes();
    m.setPrefFromRegLine(QStringLiteral("|1|A3 - 297 x 420|297|420|12|12|12|12|10|10|10|10|"));
    QCOMPARE(m.Selection(kUnitMillimeters), 5);
    QCOMPARE(m.Selection(kUnitInches), 0);
    QCOMPARE(m.View().paperNames, m.PresetNames(kUnitMillimeters));
    QCOMPARE(m.View().marginTexts[2], Loc("10.0"));
    QCOMPARE(m.SizeWithoutBordersText(), Loc("277.0 x 400.0 mm"));
    // Non-custom sheets keep their built-in size however the line is written.
    QCOMPARE(m.Preset(kUnitMillimeters, 7).dWidth, 148.0);
}

void TestPaper::readLineShowsFailure() {
    // Loaded without the typed-size check, the values are shown as failing.
    PaperModel m;
    m.setPrefFromRegLine(Loc("|1|Custom (mm)|19.5|210|12|12|12|12|0|0|0|0|"));
    QCOMPARE(m.CurrentPreset().dWidth, 19.5);
    QCOMPARE(int(m.LastValidation().iResult), -20);
    QCOMPARE(m.SizeWithoutBordersText(), QStringLiteral("Invalid margin size selected"));
}

void TestPaper::lineRoundTrip_data() {
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("pos");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QStringList>("margins");
    QTest::newRow("photo 8x10") << 0 << 2 << ""
                                << "" << QStringList{"0.1", "0.2", "0.3", "0.4"};
    QTest::newRow("custom inch") << 0 << 6 << "13.125"
                                 << "19.0625" << QStringList{"0.125", "0", "1.5", "0.01"};
    QTest::newRow("custom mm") << 1 << 7 << "333.3"
                               << "444.4" << QStringList{"3.3", "0.5", "12", "7.7"};
    QTest::newRow("A2 borderless") << 1 << 6 << ""
                                   << "" << QStringList{"0", "0", "0", "0"};
    QTest::newRow("thirds") << 0 << 6 << "7.3333333333333"
                            << "9" << QStringList{"0.333333333333333", "0", "0", "0"};
}

void TestPaper::lineRoundTrip() {
    QFETCH(int, units);
    QFETCH(int, pos);
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(QStringList, margins);
    for (QString& t : margins)
        t = Loc(t);
    PaperModel a = Typed(static_cast<UnitCode>(units), pos, Loc(width), Loc(height), margins);
    QVERIFY(a.LastValidation().ok());
    const QString line = a.BuildPaperRegLine();

    PaperModel b;
    b.initPaperSizes();
    b.setPrefFromRegLine(line);
    QCOMPARE(b.BuildPaperRegLine(), line);
    const WhuValues wa = a.getWhuValues();
    const WhuValues wb = b.getWhuValues();
    QCOMPARE(wb.sGetPaperName, wa.sGetPaperName);
    QCOMPARE(wb.iGetUnits, wa.iGetUnits);
    QCOMPARE(wb.dGetPaperWidth, wa.dGetPaperWidth);
    QCOMPARE(wb.dGetPaperHeight, wa.dGetPaperHeight);
    QCOMPARE(wb.dGetTileWidth, wa.dGetTileWidth);
    QCOMPARE(wb.dGetTileHeight, wa.dGetTileHeight);
    // Opening the dialog and accepting at once changes nothing.
    QCOMPARE(b.ApplyPaperValues().sNewPaperRegLine, line);
}

void TestPaper::displayRoundingKeepsValues() {
    // The boxes show two decimals; accepting without edits must not round the stored margins.
    PaperModel m;
    m.setPrefFromRegLine(
        Loc("|0|Letter 8.5\" x 11\"|8.5|11|0.5|0.5|0.5|0.5|0.125|0.125|0.125|0.125|"));
    QCOMPARE(m.MarginText(kMarginTop), FormatNumber(0.125, QStringLiteral("#####0.00")));
    m.SetLocked(true); // copies shown texts between boxes
    const PaperHandOver h = m.ApplyPaperValues();
    QVERIFY(h.validation.ok());
    QCOMPARE(h.dNewCurTileWidth, 8.25);
    QCOMPARE(h.dNewCurTileHeight, 10.75);
    // A text the user types is taken as typed.
    m.MarginChanged(kMarginTop, Loc("0.12"));
    QCOMPARE(m.CurrentPreset().dTop, 0.12);
    QCOMPARE(m.CurrentPreset().dBottom, 0.12);
}

void TestPaper::applyHandsOver() {
    PaperModel m;
    m.setPrefFromRegLine(QStringLiteral("|1|A4 - 210 x 297|210|297|12|12|12|12|10|20|30|40|"));
    m.SetLocked(true); // right follows left, bottom follows top
    PosterState poster;
    RecordingMessageService msgs;
    const PaperHandOver h = m.ApplyPaperValues(poster, msgs);
    QVERIFY(msgs.Messages().isEmpty());
    QVERIFY(h.validation.ok());
    QCOMPARE(h.sNewCurPaperName, kA4);
    QCOMPARE(h.iNewCurUnits, kUnitMillimeters);
    QCOMPARE(h.dNewCurTileWidth, 130.0);
    QCOMPARE(h.dNewCurTileHeight, 277.0);
    QCOMPARE(poster.sPaperName, kA4);
    QCOMPARE(poster.iCurUnits, kUnitMillimeters);
    QCOMPARE(poster.dTileWidth, 130.0);
    QCOMPARE(poster.dTileHeight, 277.0);
    QCOMPARE(poster.dPaperWidth, 210.0);
    QCOMPARE(poster.dPaperHeight, 297.0);
    QCOMPARE(poster.sPaperRegLine,
             QStringLiteral("|1|A4 - 210 x 297|210|297|12|12|12|12|10|40|10|40|"));
    QCOMPARE(poster.iWhMarginLocked, short(1));
}

void TestPaper::whuValuesToPoster() {
    PaperModel m;
    m.setPrefFromRegLine(Loc("|0|Custom (inches)|4|6|0.5|0.5|0.5|0.5|1|1|1|1|"));
    const WhuValues w = m.getWhuValues();
    QCOMPARE(w.dGetTileWidth, 2.0);
    QCOMPARE(w.dGetTileHeight, 4.0);
    QCOMPARE(w.dGetPaperWidth, 4.0);
    QCOMPARE(w.dGetPaperHeight, 6.0);
    QCOMPARE(w.iGetUnits, kUnitInches);
    QCOMPARE(w.sGetPaperName, QStringLiteral("Custom (inches)"));
    PosterState poster;
    poster.sPaperRegLine = QStringLiteral("kept");
    w.ApplyTo(poster);
    QCOMPARE(poster.dTileWidth, 2.0);
    QCOMPARE(poster.dTileHeight, 4.0);
    QCOMPARE(poster.dPaperWidth, 4.0);
    QCOMPARE(poster.dPaperHeight, 6.0);
    QCOMPARE(poster.sPaperName, QStringLiteral("Custom (inches)"));
    QCOMPARE(poster.sPaperRegLine, QStringLiteral("kept"));
}

void TestPaper::enterPaper() {
    PaperModel m;
    const auto letter = m.FindPreset(kUnitInches, QStringLiteral("Letter 8.5\" x 11\""));
    QVERIFY(letter);
    QVERIFY(m.EnterPaper(kUnitInches, *letter).ok());
    QCOMPARE(m.getWhuValues().dGetTileWidth, 7.5);
    QCOMPARE(m.getWhuValues().dGetTileHeight, 10.0);

    QVERIFY(m.EnterPaper(kUnitMillimeters, 7, PaperSize{300, 400}, MarginValues{1, 2, 3, 4}).ok());
    QCOMPARE(m.getWhuValues().dGetTileWidth, 294.0);
    QCOMPARE(m.getWhuValues().dGetTileHeight, 396.0);
    QCOMPARE(m.BuildPaperRegLine(), QStringLiteral("|1|Custom (mm)|300|400|12|12|12|12|1|2|3|4|"));

    // A custom size given for a fixed sheet is not used.
    QVERIFY(m.EnterPaper(kUnitMillimeters, 4, PaperSize{300, 400}).ok());
    QCOMPARE(m.getWhuValues().dGetPaperWidth, 210.0);

    const PaperValidation bad =
        m.EnterPaper(kUnitInches, 6, PaperSize{4, 6}, MarginValues{0, 2, 0, 2});
    QCOMPARE(bad.sMsg, kLeftRight);
    QCOMPARE(m.CurrentPreset().dRight, 0.5); // nothing stored
    const PaperValidation nan = m.EnterPaper(kUnitInches, 6, PaperSize{std::nan(""), 6});
    QCOMPARE(nan.sMsg, kInvalidWh);
    QCOMPARE(int(m.EnterPaper(kUnitInches, 7).iResult), -10);
}

void TestPaper::dialogTexts() {
    const PaperDialogTexts t = PaperDialogTexts::SetPaperDialogTexts();
    QCOMPARE(t.windowCaption, QStringLiteral("Determine Tile Print Size"));
    QCOMPARE(t.inchesOption, QStringLiteral("Inches"));
    QCOMPARE(t.millimetersOption, QStringLiteral("Millimeters"));
    QCOMPARE(t.lockCaption, QStringLiteral("Left=Right, Top=Bottom"));
    QCOMPARE(t.marginLabels[1], QStringLiteral("Right Margin:"));
    QCOMPARE(t.marginTips[2], QStringLiteral("Select or type bottom margin size"));
    QCOMPARE(
        t.sizeWithoutBordersTip,
        QStringLiteral("This is the poster tile size (the print size AFTER margins trimmed off)"));
}

QTEST_GUILESS_MAIN(TestPaper)
#include "tst_paper.moc"
