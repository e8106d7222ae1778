#include "common/number_format.h"
#include "layout/poster_state.h"
#include "paper/paper_model.h"
#include "settings/pref_formats.h"
#include "tests/support/recording_message_service.h"

#include <QtTest>

using namespace tessellon;

namespace {

// Texts written with the system decimal separator; expectations are written with a point.
QString Loc(QString s) {
    return s.replace(u'.', SystemDecimalPoint());
}

const QString kInvalidWh = QStringLiteral("Invalid Paper Width or Height");
const QString kTooSmallTyped = "Invalid paper size - size too small.  Minimum size is";
const QString kBadMargins = QStringLiteral("You entered invalid values for print margins.");
const QString kNegative = QStringLiteral("Invalid margin value - can't be less than zero");
const QString kLeftRight =
    QStringLiteral("Invalid Left / Right Margins.  Together they are larger than the paper width.");
const QString kTopBottom = QStringLiteral(
    "Invalid Top / Bottom Margins.  Together they are larger than the paper height.");
const QString kPaperTooLarge = QStringLiteral("Paper size too large");
const QString kTileTooSmall = QStringLiteral("Paper/Margins too small");

const QString kA4 = QStringLiteral("A4 - 210 x 297");

// A model on the given preset with the given texts in the width, height and margin boxes.
PaperModel Typed(UnitCode units, int position, const QString& width = {},
                 const QString& height = {}, const QStringList& margins = {}) {
    PaperModel m;
    RecordingMessageService none;
    m.ChangeUnits(units, none);
    m.SelectPaper(position, none);
    if (m.CurrentIsCustom()) {
        m.WidthChanged(width);
        m.HeightChanged(height);
    }
    for (int side = 0; side < margins.size(); ++side)
        m.MarginChanged(side, margins[side]);
    return m;
}

void CheckDefaultState(const PaperModel& m) {
    QCOMPARE((QList<int>{m.Units(), m.Selection(kUnitInches), m.Selection(kUnitMillimeters)}),
             (QList<int>{kUnitInches, 0, 0}));
    QCOMPARE(m.CurrentPreset().sName, QStringLiteral("Photo 4\" x 6\""));
    QCOMPARE(m.getWhuValues().TileWidth(), 6.0);
    // Edits to the custom sheet are gone; the boxes and the list show the start.
    QCOMPARE(m.Preset(kUnitInches, 6).dWidth, 4.0);
    QCOMPARE(m.View().widthText, Loc("6.00"));
    QCOMPARE(m.View().paperNames, m.PresetNames(kUnitInches));
}

} // namespace

class TestPaper : public QObject {
    Q_OBJECT
private slots:
    void init() { msgs.Clear(); }

    void presets() {
        const PaperModel m;
        // Millimetre sheets: "A<n> - <short> x <long>", each the half of the one before (its
        // short side the next one's long side), A4 297 mm long; the three smallest lie landscape.
        double previousLong = 0;
        for (int pos = 0; pos < PaperModel::iLastMmPreset; ++pos) {
            const PaperPreset& p = m.Preset(kUnitMillimeters, pos);
            const double shortSide = std::min(p.dWidth, p.dHeight);
            const double longSide = std::max(p.dWidth, p.dHeight);
            QCOMPARE(p.sName,
                     QStringLiteral("A%1 - %2 x %3").arg(8 - pos).arg(shortSide).arg(longSide));
            QCOMPARE(p.dWidth > p.dHeight, pos < 3);
            QVERIFY(pos == 0 || shortSide == previousLong);
            previousLong = longSide;
            QCOMPARE(p.CurrentMargins(), (MarginValues{12, 12, 12, 12}));
        }
        // Inch sheets: named by size; the two photos lie landscape, the smaller without margins.
        for (int pos = 0; pos < PaperModel::iLastInchPreset; ++pos) {
            const PaperPreset& p = m.Preset(kUnitInches, pos);
            QVERIFY2(p.sName.endsWith(QStringLiteral("%1\" x %2\"")
                                          .arg(std::min(p.dWidth, p.dHeight))
                                          .arg(std::max(p.dWidth, p.dHeight))),
                     qPrintable(p.sName));
            QCOMPARE(p.dWidth > p.dHeight, pos < 2);
            QCOMPARE(p.dDefTop, pos == 0 ? 0.0 : 0.5);
        }
        QCOMPARE(PaperModel::LastPreset(kUnitInches), 6);
        // Any nonzero unit code is millimetres.
        QCOMPARE(m.PresetNames(5), m.PresetNames(kUnitMillimeters));
        QVERIFY(m.IsCustom(kUnitMillimeters, 7) && !m.IsCustom(kUnitInches, 5));
        // Names are matched exactly, in the list of their own unit.
        QCOMPARE(m.FindPreset(kUnitMillimeters, kA4), std::optional<int>(4));
        QCOMPARE(m.FindPreset(kUnitMillimeters, QStringLiteral("a4 - 210 x 297")), std::nullopt);
        QCOMPARE(m.FindPreset(kUnitInches, kA4), std::nullopt);
        QCOMPARE(m.FindPreset(kUnitInches, QStringLiteral("Photo 4\" x 6\" ")), std::nullopt);
    }

    void initDiscardsEdits() {
        PaperModel m = Typed(kUnitInches, 6, "9", "12", {"1", "1", "1", "1"});
        m.ChangeUnits(kUnitMillimeters, msgs);
        m.SetLocked(true);
        m.initPaperSizes();
        CheckDefaultState(m);
        QCOMPARE(m.Preset(kUnitInches, 6).CurrentMargins(), (MarginValues{0.5, 0.5, 0.5, 0.5}));
        QVERIFY(m.IsLocked()); // the lock belongs to the main window, not to the paper state
        // A refused preference line starts over the same way.
        m.SelectPaper(6, msgs);
        m.WidthChanged(QStringLiteral("9"));
        m.ChangeUnits(kUnitMillimeters, msgs);
        m.setPrefFromRegLine(QStringLiteral("|7|nothing|"));
        CheckDefaultState(m);
    }

    void marginItems() {
        // Inches: 0.00 to 2.00 in steps of 0.01; millimetres: 0.0 to 50.5 in steps of 0.5.
        const QStringList in = PaperModel::MarginItems(kUnitInches);
        const QStringList mm = PaperModel::MarginItems(kUnitMillimeters);
        QCOMPARE((QList<qsizetype>{in.size(), mm.size()}), (QList<qsizetype>{201, 102}));
        QCOMPARE((QStringList{in[37], in.constLast(), mm[25], mm.constFirst()}),
                 (QStringList{Loc("0.37"), Loc("2.00"), Loc("12.5"), Loc("0.0")}));
    }

    void validation_data() {
        QTest::addColumn<QList<int>>("sheet"); // unit, preset position
        QTest::addColumn<QStringList>(
            "typed"); // width, height (ignored for a fixed sheet), margins
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        const QString tooSmallIn = kTooSmallTyped + Loc(" .75.");
        const QString tooSmallMm = kTooSmallTyped + QStringLiteral(" 20.");
        const auto row = [](const char* tag, int units, int pos, const char* typed, int code,
                            const QString& message) {
            QTest::newRow(tag) << QList<int>{units, pos} << Loc(typed).split(u' ') << code
                               << message;
        };
        row("letter defaults", 0, 3, "- - 0.5 0.5 0.5 0.5", 1, {});
        row("width letters", 0, 6, "wide 6 0 0 0 0", -20, kInvalidWh);
        row("inf width", 0, 6, "inf 6 0 0 0 0", -20, kInvalidWh);
        row("inch width 0.749", 0, 6, "0.749 6 0 0 0 0", -20, tooSmallIn);
        row("mm width 19.5", 1, 7, "19.5 210 0 0 0 0", -20, tooSmallMm);
        row("mm width 20", 1, 7, "20 210 0 0 0 0", 1, {});
        row("margin letters", 0, 3, "- - 0.5 abc 0.5 0.5", -20, kBadMargins);
        row("nan margin", 0, 6, "4 6 nan 0 0 0", -20, kBadMargins);
        row("margin negative", 0, 3, "- - 0.5 0.5 0.5 -0.1", -20, kNegative);
        row("negative before letters", 0, 3, "- - -1 abc 0 0", -20, kNegative);
        row("letters before negative", 0, 3, "- - abc -1 0 0", -20, kBadMargins);
        row("left right eat width", 0, 6, "1.0 6 0 0.5 0 0.5", -20, kLeftRight);
        row("top bottom eat height", 0, 6, "4 2 1 0 1.5 0", -20, kTopBottom);
        row("left right checked first", 0, 6, "1 1 1 1 1 1", -20, kLeftRight);
        row("sheet 0.5 fails typed minimum", 0, 6, "0.5 6 0 0.1 0 0.1", -20, tooSmallIn);
        row("tile exactly 0.75", 0, 6, "0.75 0.75 0 0 0 0", 1, {});
        row("tile 0.75 after margins", 0, 6, "1.75 1.75 0.5 0.5 0.5 0.5", 1, {});
        row("tile 0.749 after margins", 0, 6, "1.749 6 0 0.5 0 0.5", -20, kTileTooSmall);
        row("tile 0.749 high", 0, 6, "4 1.749 0.5 0 0.5 0", -20, kTileTooSmall);
        row("inch 50 wide", 0, 6, "50 50 0 0 0 0", 1, {});
        row("inch 50.01 wide", 0, 6, "50.01 6 0 0 0 0", -10, kPaperTooLarge);
        row("too large even with margins", 0, 6, "52 6 0 2 0 2", -10, kPaperTooLarge);
        row("mm 1270 wide", 1, 7, "1270 210 0 0 0 0", 1, {});
        row("mm 1271 high", 1, 7, "148 1271 0 0 0 0", -10, kPaperTooLarge);
        row("mm tile exactly 19.05", 1, 7, "43.05 210 0 12 0 12", 1, {});
        row("mm tile 19", 1, 7, "43 210 0 12 0 12", -20, kTileTooSmall);
    }

    void validation() {
        QFETCH(QList<int>, sheet);
        QFETCH(QStringList, typed);
        PaperModel m = Typed(UnitCode(sheet[0]), sheet[1], typed[0], typed[1], typed.mid(2));
        const PaperValidation r = m.ValidatePaperValues();
        QTEST(int(r.iResult), "code");
        QTEST(r.sMsg, "message");
        QCOMPARE(m.LastValidation().iResult, r.iResult);
    }

    void validValuesAreStoredFailedOnesNot() {
        PaperModel m = Typed(kUnitInches, 6, "5", "7", {Loc("0.25"), "1", "0", Loc("0.75")});
        QCOMPARE(m.CurrentPreset().CurrentMargins(), (MarginValues{0.25, 1, 0, 0.75}));
        QCOMPARE(m.CurrentPreset().DefaultMargins(), (MarginValues{0.5, 0.5, 0.5, 0.5}));
        QCOMPARE(m.SizeWithoutBordersText(), Loc("3.25 x 6.75 Inches"));
        m.WidthChanged(QStringLiteral("abc"));
        m.MarginChanged(kMarginTop, Loc("0.1"));
        QCOMPARE(m.LastValidation().sMsg, kInvalidWh);
        QCOMPARE(QPointF(m.CurrentPreset().dWidth, m.CurrentPreset().dTop), QPointF(5, 0.25));

        // Accepting reports the failure and hands on the last valid values.
        PosterState poster;
        poster.ApplyPaper(m.ApplyPaperValues(msgs));
        QCOMPARE(msgs.Messages().size(), 1);
        QCOMPARE(msgs.Messages()[0].text, kInvalidWh);
        QVERIFY(!m.LastValidation().ok());
        QCOMPARE((QList<double>{poster.dTileWidth, poster.dTileHeight, poster.dPaperWidth}),
                 (QList<double>{3.25, 6.75, 5}));
        QCOMPARE(poster.sPaperRegLine,
                 Loc("|0|Custom (inches)|5|7|0.5|0.5|0.5|0.5|0.25|1|0|0.75|"));
    }

    void resultLabels() {
        PaperModel m = Typed(kUnitMillimeters, 4);
        QCOMPARE(m.SizeWithBordersText(), Loc("210.0 x 297.0 mm"));
        QCOMPARE(m.SizeWithoutBordersText(), Loc("186.0 x 273.0 mm"));
        QCOMPARE(m.View().unitWord, QStringLiteral("mm"));

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

    void lock() {
        PaperModel m = Typed(kUnitInches, 3, {}, {}, Loc("0.1 0.2 0.3 0.4").split(u' '));
        m.SetLocked(true); // bottom takes top, right takes left
        QCOMPARE(m.MarginText(kMarginBottom), Loc("0.1"));
        QCOMPARE(m.CurrentPreset().CurrentMargins(), (MarginValues{0.1, 0.4, 0.1, 0.4}));
        m.MarginChanged(kMarginBottom, Loc("0.25")); // each partner follows the other
        QCOMPARE(m.MarginText(kMarginTop), Loc("0.25"));
        m.MarginItemSelected(kMarginRight, 10);
        QCOMPARE(m.MarginText(kMarginLeft), Loc("0.10"));
        QCOMPARE(m.ApplyPaperValues().marginsLocked, true);
        // Unticking keeps the texts; afterwards boxes are independent again.
        m.SetLocked(false);
        m.MarginChanged(kMarginLeft, Loc("0.6"));
        QCOMPARE(m.MarginText(kMarginRight), Loc("0.10"));
        QCOMPARE(m.ApplyPaperValues().marginsLocked, false);
    }

    void selectPaper() {
        PaperModel m;
        m.SelectPaper(6, msgs);
        QCOMPARE(m.Selection(kUnitInches), 6);
        QVERIFY(m.View().sizeEditable);
        QCOMPARE(
            (QStringList{m.View().widthText, m.View().marginTexts[0], m.SizeWithoutBordersText()}),
            (QStringList{Loc("4.00"), Loc("0.50"), Loc("3.00 x 5.00 Inches")}));
        m.SelectPaper(5, msgs);
        QVERIFY(!m.View().sizeEditable);
        m.WidthChanged(QStringLiteral("abc")); // ignored for a fixed sheet
        QVERIFY(m.ValidatePaperValues().ok());
        QCOMPARE(m.WidthText(), Loc("11.00"));
        m.SelectPaper(99, msgs); // outside the list
        QCOMPARE(m.Selection(kUnitInches), 5);
        QVERIFY(msgs.Messages().isEmpty());
    }

    void unitRoundTrip() {
        PaperModel m;
        m.SelectPaper(3, msgs);
        m.MarginChanged(kMarginTop, Loc("0.25"));
        m.ChangeUnits(kUnitMillimeters, msgs);
        QCOMPARE(m.View().paperNames, m.PresetNames(kUnitMillimeters));
        QCOMPARE(m.View().marginTexts[0], Loc("12.0"));
        m.SelectPaper(5, msgs);
        m.ChangeUnits(kUnitInches, msgs);
        QCOMPARE(m.Selection(kUnitInches), 3);
        QCOMPARE(m.View().marginTexts[0] + u' ' + m.View().marginTexts[1], Loc("0.25 0.50"));
        m.ChangeUnits(kUnitMillimeters, msgs);
        QCOMPARE(m.Selection(kUnitMillimeters), 5);
        QVERIFY(msgs.Messages().isEmpty());
        // Same unit again: nothing happens.
        QVERIFY(m.ChangeUnits(3, msgs).ok());
        QCOMPARE(m.Units(), kUnitMillimeters);
    }

    void changeUnitsInvalid() {
        // A stored line may hold a custom millimetre width the typed-size check refuses.
        PaperModel m;
        m.setPrefFromRegLine(Loc("|1|Custom (mm)|19.5|210|12|12|12|12|0|0|0|0|"));
        // Loaded without the typed-size check, the values are shown as failing.
        QCOMPARE(int(m.LastValidation().iResult), -20);
        QCOMPARE(m.SizeWithoutBordersText(), QStringLiteral("Invalid margin size selected"));
        QVERIFY(m.ChangeUnits(kUnitInches, msgs).ok());
        QVERIFY(!m.ChangeUnits(kUnitMillimeters, msgs).ok());
        QCOMPARE(QPoint(m.Units(), m.View().iUnits), QPoint(kUnitMillimeters, kUnitMillimeters));
        QCOMPARE(msgs.Messages().size(), 1);
        QCOMPARE(msgs.Messages()[0].text, kTooSmallTyped + QStringLiteral(" 20."));
        // The boxes offer millimetre margins, matching the unit shown.
        QCOMPARE(m.View().marginItems.constLast(), Loc("50.5"));
    }

    void readLine_data() {
        QTest::addColumn<QString>("line");         // its unit and sheet name are those expected
        QTest::addColumn<QList<double>>("values"); // width, height, top, right, bottom, left
        // No values: the line is refused and the first start's state stays.
        const auto row = [](const char* tag, const QString& line,
                            const QList<double>& values = {}) {
            QTest::newRow(tag) << line << values;
        };
        row("empty", "");
        row("lower case name", "|1|a4 - 210 x 297|999|999|0|0|0|0|12|12|12|12|");
        row("custom mm too wide", "|1|Custom (mm)|1300|210|12|12|12|12|0|0|0|0|");
        row("stops after 11", "|1|A4 - 210 x 297|210|297|12|12|12|12|12|12|12|");
        row("name of other unit", "|0|A4 - 210 x 297|210|297|12|12|12|12|12|12|12|12|");
        row("margin text", "|1|A4 - 210 x 297|210|297|12|12|12|12|12|x|12|12|");
        // A line written where the comma is the separator, read where it is not.
        if (SystemDecimalPoint() != u",")
            row("comma separator", "|0|Custom (inches)|4|6|0,5|0,5|0,5|0,5|0,5|0,5|0,5|0,5|");
        row("tile 0.749", "|0|Custom (inches)|1.749|6|0|0|0|0|0|0.5|0|0.5|");
        row("A4, size text ignored", "|1|A4 - 210 x 297|x|y|z|z|z|z|5|6|7|8|",
            {210, 297, 5, 6, 7, 8});
        row("extra elements", Loc("|0|Custom (inches)|4|6|0.5|0.5|0.5|0.5|1|1|1|1|junk|more|"),
            {4, 6, 1, 1, 1, 1});
        row("no trailing bar", "|1|A4 - 210 x 297|210|297|12|12|12|12|1|2|3|4",
            {210, 297, 1, 2, 3, 4});
        row("defaults never read", "|0|Letter 8.5\" x 11\"|8.5|11|9|9|9|9|0|0|0|0|",
            {8.5, 11, 0, 0, 0, 0});
    }

    void readLine() {
        QFETCH(QString, line);
        QFETCH(QList<double>, values);
        PaperModel m;
        m.initPaperSizes();
        m.setPrefFromRegLine(line);
        if (values.isEmpty()) {
            CheckDefaultState(m);
            return;
        }
        const int units = line.section(u'|', 1, 1).toInt();
        QCOMPARE(int(m.Units()), units);
        const PaperPreset& p = m.CurrentPreset();
        QCOMPARE(p.sName, line.section(u'|', 2, 2));
        QCOMPARE((QList<double>{p.dWidth, p.dHeight, p.dTop, p.dRight, p.dBottom, p.dLeft}),
                 values);
        // Default margins come from the built-in table; the rest of the other unit stays.
        QCOMPARE(p.dDefTop, units == 0 ? 0.5 : 12.0);
        QCOMPARE(m.Selection(units == 0 ? kUnitMillimeters : kUnitInches), 0);
        QCOMPARE(m.Preset(kUnitMillimeters, 7).dWidth, 148.0);
        // The boxes show what was loaded.
        QCOMPARE(m.WidthText(), Loc(units == 0 ? QString::number(values[0], 'f', 2)
                                               : QString::number(values[0], 'f', 1)));
    }

    void lineRoundTrip() {
        const QList<std::pair<UnitCode, QStringList>> cases{
            {kUnitInches, {"13.125", "19.0625", "0.125", "0", "1.5", "0.01"}},
            {kUnitMillimeters, {"333.3", "444.4", "3.3", "0.5", "12", "7.7"}},
            {kUnitInches, {"7.3333333333333", "9", "0.333333333333333", "0", "0", "0"}}};
        for (const auto& [units, texts] : cases) {
            const QStringList t = Loc(texts.join(u' ')).split(u' ');
            const PaperModel a = Typed(units, PaperModel::LastPreset(units), t[0], t[1], t.mid(2));
            QVERIFY(a.LastValidation().ok());
            PaperModel b;
            b.setPrefFromRegLine(a.BuildPaperRegLine());
            QCOMPARE(b.BuildPaperRegLine(), a.BuildPaperRegLine());
            const PaperChoice ca = a.getWhuValues(), cb = b.getWhuValues();
            QCOMPARE(QSizeF(cb.TileWidth(), cb.TileHeight()),
                     QSizeF(ca.TileWidth(), ca.TileHeight()));
            // Opening the dialog and accepting at once changes nothing.
            QCOMPARE(b.ApplyPaperValues().prefLine, a.BuildPaperRegLine());
        }
    }

    void displayRoundingKeepsValues() {
        // The boxes show two decimals; accepting without edits must not round the stored margins.
        PaperModel m;
        m.setPrefFromRegLine(
            Loc("|0|Letter 8.5\" x 11\"|8.5|11|0.5|0.5|0.5|0.5|0.125|0.125|0.125|0.125|"));
        QCOMPARE(m.MarginText(kMarginTop), Loc("0.13"));
        m.SetLocked(true); // copies shown texts between boxes
        const PaperChoice h = m.ApplyPaperValues();
        QVERIFY(m.LastValidation().ok());
        QCOMPARE(QSizeF(h.TileWidth(), h.TileHeight()), QSizeF(8.25, 10.75));
        // A text the user types is taken as typed.
        m.MarginChanged(kMarginTop, Loc("0.12"));
        QCOMPARE(QPointF(m.CurrentPreset().dTop, m.CurrentPreset().dBottom), QPointF(0.12, 0.12));
    }

    void applyHandsOver() {
        PaperModel m;
        m.setPrefFromRegLine(QStringLiteral("|1|A4 - 210 x 297|210|297|12|12|12|12|10|20|30|40|"));
        m.SetLocked(true); // right follows left, bottom follows top
        PosterState poster;
        poster.ApplyPaper(m.ApplyPaperValues(msgs));
        QVERIFY(msgs.Messages().isEmpty());
        QCOMPARE(poster.sPaperName, kA4);
        QCOMPARE(poster.iCurUnits, kUnitMillimeters);
        QCOMPARE((QList<double>{poster.dTileWidth, poster.dTileHeight, poster.dPaperWidth,
                                poster.dPaperHeight}),
                 (QList<double>{130, 277, 210, 297}));
        QCOMPARE(poster.sPaperRegLine,
                 QStringLiteral("|1|A4 - 210 x 297|210|297|12|12|12|12|10|40|10|40|"));
        QCOMPARE(poster.iWhMarginLocked, short(1));
    }

    void enterPaper() {
        PaperModel m;
        QVERIFY(
            m.EnterPaper(kUnitMillimeters, 7, PaperSize{300, 400}, MarginValues{1, 2, 3, 4}).ok());
        QCOMPARE(QSizeF(m.getWhuValues().TileWidth(), m.getWhuValues().TileHeight()),
                 QSizeF(294, 396));
        QCOMPARE(m.BuildPaperRegLine(),
                 QStringLiteral("|1|Custom (mm)|300|400|12|12|12|12|1|2|3|4|"));
        // A custom size given for a fixed sheet is not used.
        QVERIFY(m.EnterPaper(kUnitMillimeters, 4, PaperSize{300, 400}).ok());
        QCOMPARE(m.getWhuValues().paperWidth, 210.0);
        QCOMPARE(m.EnterPaper(kUnitInches, 6, PaperSize{4, 6}, MarginValues{0, 2, 0, 2}).sMsg,
                 kLeftRight);
        QCOMPARE(m.CurrentPreset().dRight, 0.5); // nothing stored
        QCOMPARE(int(m.EnterPaper(kUnitInches, 7).iResult), -10);
    }

    void overlap() {
        PaperModel m;
        QVERIFY(
            m.EnterPaper(kUnitInches, 2, std::nullopt, MarginValues{0, 0, 0, 0}).ok()); // 8 x 10
        QVERIFY(m.OverlapChanged(QStringLiteral("4")) && !m.OverlapChanged(QStringLiteral("4.01")));
        QCOMPARE(m.Overlap(), 4.0); // the last valid value stays
        PosterState poster;
        poster.ApplyPaper(m.ApplyPaperValues(msgs));
        QCOMPARE(poster.dOverlap, 4.0);
        QCOMPARE(msgs.Messages().size(), 1); // the refused text is reported
        QVERIFY(m.OverlapChanged(QStringLiteral("0.5")));
        m.ChangeUnits(kUnitMillimeters, msgs);
        QCOMPARE(m.OverlapText().replace(u',', u'.'), QStringLiteral("12.7"));
        QCOMPARE(m.Overlap(), 0.5);
        // Moving to a smaller paper: the strip handed on is cut down to half the 6 x 4 inch tile.
        m.ChangeUnits(kUnitInches, msgs);
        QVERIFY(m.OverlapChanged(QStringLiteral("3")));
        QVERIFY(m.EnterPaper(kUnitInches, 0, std::nullopt, MarginValues{0, 0, 0, 0}).ok());
        QCOMPARE(m.ApplyPaperValues().overlap, 2.0);
        // "Adjust edges" leaves a 5.75 x 3.5 inch tile, and the limit follows it.
        m.SetTileTrims(0.25, 0.5);
        QVERIFY(!m.OverlapChanged(QStringLiteral("1.76")));
        QCOMPARE(m.ApplyPaperValues().overlap, 1.75);
        // Stored in ten-thousandths of an inch; unusable values give 0.
        QCOMPARE(FormatOverlapPref(0.5), 5000);
        QCOMPARE(ParseOverlapPref(QStringLiteral("3937")), 0.3937);
        for (const char* bad : {"", "x", "-1", "250001"})
            QCOMPARE(ParseOverlapPref(QString::fromLatin1(bad)), 0.0);
    }

private:
    RecordingMessageService msgs;
};

QTEST_GUILESS_MAIN(TestPaper)
#include "tst_paper.moc"
