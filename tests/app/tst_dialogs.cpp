#include "app/app_version.h"
#include "app/frm_about.h"
#include "app/frm_tile_size.h"
#include "app/help_locator.h"
#include "app/help_window.h"
#include "app/sys_info_window.h"
#include "app/system_info.h"
#include "common/number_format.h"
#include "common/recording_message_service.h"
#include "layout/poster_state.h"
#include "settings/application_folder.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

using namespace tessellon;
using Kind = RecordingMessageService::Kind;

namespace {

// Texts written with the system decimal separator; expectations are written with a point.
QString Loc(QString s) {
    return s.replace(u'.', SystemDecimalPoint());
}

const QString kInvalidTitle = QStringLiteral("Invalid Values Entered");
const QString kInvalidMarginLabel = QStringLiteral("Invalid margin size selected");
const QString kLetter = QStringLiteral("Letter 8.5\" x 11\"");
const QString kA4Line = QStringLiteral("|1|A4 - 210 x 297|999|999|0|0|0|0|12|12|12|12|");

// Saves a picture of `w` for a person to look at when TESSELLON_SHOTS names a folder.
void Shot(QWidget* w, const QString& name) {
    if (const QByteArray shots = qgetenv("TESSELLON_SHOTS"); !shots.isEmpty()) {
        // Pending layout requests first, so the picture shows the settled window.
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        w->grab().save(QString::fromLocal8Bit(shots) + u'/' + name + QStringLiteral(".png"));
    }
}

// Types into a line edit the way a user does: select all, then the keys.
void Type(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
}

void TypeMargin(frmTileSize& dlg, int side, const QString& text) {
    Type(dlg.cmbMargins[static_cast<size_t>(side)]->lineEdit(), text);
}

QStringList MarginTexts(const frmTileSize& dlg) {
    QStringList texts;
    for (QComboBox* box : dlg.cmbMargins)
        texts.append(box->currentText());
    return texts;
}

QStringList ListItems(const QListWidget* list) {
    QStringList items;
    for (int row = 0; row < list->count(); ++row)
        items.append(list->item(row)->text());
    return items;
}

// Clicks a row of the paper list with the mouse.
void ClickPaper(frmTileSize& dlg, int row) {
    QListWidget* list = dlg.lstPaperSize;
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

// A dialog shown over a poster state, loaded the way the main window opens it.
struct PaperFixture {
    PosterState poster;
    RecordingMessageService messages;
    std::unique_ptr<frmTileSize> dlg;
    int applied = 0;
    PaperHandOver last;

    explicit PaperFixture(const QString& regLine = {}, short locked = 0) {
        poster.sPaperRegLine = regLine;
        poster.iWhMarginLocked = locked;
        dlg = std::make_unique<frmTileSize>(poster, messages);
        QObject::connect(dlg.get(), &frmTileSize::paperValuesApplied,
                         [this](const PaperHandOver& h) {
                             ++applied;
                             last = h;
                         });
        dlg->LoadFromPoster();
        dlg->show();
        QVERIFY(QTest::qWaitForWindowExposed(dlg.get()));
    }
};

void WriteFile(const QString& path, const QByteArray& content = "<html><body>x</body></html>") {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

} // namespace

class TestDialogs : public QObject {
    Q_OBJECT

private slots:
    // --- Paper dialog ---
    void paperTexts_data();
    void paperTexts();
    void paperOpensFromPoster_data();
    void paperOpensFromPoster();
    void customSizeBoxes_data();
    void customSizeBoxes();
    void typedWidthTooSmallKeepsCustom();
    void marginValidationShown_data();
    void marginValidationShown();
    void unitSwitchKeepsEachUnit();
    void unitSwitchToInvalidStoredPaper();
    void lockCopiesPartners();
    void borderlessAndReset_data();
    void borderlessAndReset();
    void arrowKeyChoosesNextOffer();
    void enterInMarginBoxPressesNoButton();
    void applyHandsOver_data();
    void applyHandsOver();
    void applyAfterInvalidHandsLastValid();
    void okClosesEvenWhenInvalid();
    void cancelChangesNothing();
    void showPaperDialogIsModal();

    // --- Help ---
    void helpSearch_data();
    void helpSearch();
    void helpSearchInstalled();
    void joinFolder_data();
    void joinFolder();
    void helpMissingNamesFile_data();
    void helpMissingNamesFile();
    void helpShowsFile();
    void shippedHelpFileComplete();

    // --- About ---
    void aboutTexts();
    void aboutOkCloses();
    void sysInfoShowsSystem();
    void sysInfoUnavailable();
    void sysInfoReportMarksUnknown();
};

// --- Paper dialog ---

void TestDialogs::paperTexts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tip");
    const auto row = [](const char* name, const char* text, const char* tip) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(text)
                            << QString::fromLatin1(tip);
    };
    row("Label2", "(1) Select Units", "");
    row("opbInches", "Inches", "");
    row("opbMm", "Millimeters", "");
    row("Label1", "(2) Select Paper Size", "");
    row("lstPaperSize", "", "Choose paper size (or select Custom Size)");
    row("lblPaperWidth", "Width:", "");
    row("txtWidth", "6.00", "Full paper width (including margins)");
    row("Label11", "Height:", "");
    row("txtHeight", "4.00", "Full paper height (including margins)");
    row("lblUnits_0", "Inches", "");
    row("lblUnits_1", "Inches", "");
    row("Label3", "(3) Select Margin Size For Prints", "");
    row("lblMarginUnits", "(Margin sizes in INCHES)", "");
    row("Label4", "Top Margin:", "");
    row("Label7", "Right Margin:", "");
    row("Label5", "Bottom Margin:", "");
    row("Label6", "Left Margin:", "");
    row("cmbMargins_0", "0.00", "Select or type top margin size");
    row("cmbMargins_1", "0.00", "Select or type right margin size");
    row("cmbMargins_2", "0.00", "Select or type bottom margin size");
    row("cmbMargins_3", "0.00", "Select or type left margin size");
    row("chkLock", "Left=Right, Top=Bottom",
        "Force the left/right and top/bottom margins to be equal");
    row("cmdBorderless", "Set to borderless (no margins)",
        "Set all border sizes to zero (use this for borderless prints)");
    row("cmdReset", "Reset to default margins",
        "Reset margin sizes to default values for selected paper size");
    row("Label8", "(4) Results:", "");
    row("Label9", "Size BEFORE margins trimmed:", "");
    row("lblSizeWithBorders", "6.00 x 4.00 Inches",
        "This is the full paper size, including margins");
    row("Label10", "Size AFTER margins trimmed:", "");
    row("lblSizeWithoutBorders", "6.00 x 4.00 Inches",
        "This is the poster tile size (the print size AFTER margins trimmed off)");
    row("cmdApply", "Apply", "Accept current print/margin values");
    row("cmdOk", "OK", "Accept current print/margin values and return to main window");
    row("cmdCancel", "Cancel", "Do not accept current print/margin values");
}

void TestDialogs::paperTexts() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, tip);
    PaperFixture f;
    QCOMPARE(f.dlg->windowTitle(), QStringLiteral("Determine Tile Print Size"));
    QWidget* w = f.dlg->findChild<QWidget*>(name);
    QVERIFY2(w, qPrintable(name));
    QString shown;
    if (auto* label = qobject_cast<QLabel*>(w))
        shown = label->text();
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        shown = button->text();
    else if (auto* edit = qobject_cast<QLineEdit*>(w))
        shown = edit->text();
    else if (auto* combo = qobject_cast<QComboBox*>(w))
        shown = combo->currentText();
    QCOMPARE(shown, Loc(text));
    QCOMPARE(w->toolTip(), tip);
}

void TestDialogs::paperOpensFromPoster_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<short>("locked");
    QTest::addColumn<bool>("mm");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("margins");
    QTest::addColumn<QString>("withBorders");
    QTest::addColumn<QString>("withoutBorders");
    QTest::addColumn<int>("offers");

    QTest::newRow("first start") << QString() << short(0) << false << 0
                                 << QStringList(4, QStringLiteral("0.00")) << "6.00 x 4.00 Inches"
                                 << "6.00 x 4.00 Inches" << 201;
    QTest::newRow("A4 from the line")
        << kA4Line << short(0) << true << 4 << QStringList(4, QStringLiteral("12.0"))
        << "210.0 x 297.0 mm"
        << "186.0 x 273.0 mm" << 102;
    QTest::newRow("custom inches")
        << QStringLiteral("|0|Custom (inches)|4|6|0.5|0.5|0.5|0.5|1|1|1|1|") << short(0) << false
        << 6 << QStringList(4, QStringLiteral("1.00")) << "4.00 x 6.00 Inches"
        << "2.00 x 4.00 Inches" << 201;
    // The lock is ticked before the line loads, so the line's own margins win.
    QTest::newRow("locked, uneven line")
        << QStringLiteral("|0|Letter 8.5\" x 11\"|8.5|11|0.5|0.5|0.5|0.5|1|0.5|0.25|0.75|")
        << short(1) << false << 3
        << QStringList{QStringLiteral("1.00"), QStringLiteral("0.50"), QStringLiteral("0.25"),
                       QStringLiteral("0.75")}
        << "8.50 x 11.00 Inches"
        << "7.25 x 9.75 Inches" << 201;
    // A custom sheet below the typed minimum loads and shows its failure at once.
    QTest::newRow("mm custom below typed minimum")
        << QStringLiteral("|1|Custom (mm)|19.5|210|12|12|12|12|0|0|0|0|") << short(0) << true << 7
        << QStringList(4, QStringLiteral("0.0")) << "19.5 x 210.0 mm" << kInvalidMarginLabel << 102;
    QTest::newRow("unknown name falls back")
        << QStringLiteral("|1|a4 - 210 x 297|0|0|0|0|0|0|12|12|12|12|") << short(0) << false << 0
        << QStringList(4, QStringLiteral("0.00")) << "6.00 x 4.00 Inches"
        << "6.00 x 4.00 Inches" << 201;
}

void TestDialogs::paperOpensFromPoster() {
    QFETCH(QString, line);
    QFETCH(short, locked);
    QFETCH(bool, mm);
    QFETCH(int, row);
    QFETCH(QStringList, margins);
    QFETCH(QString, withBorders);
    QFETCH(QString, withoutBorders);
    QFETCH(int, offers);

    PaperFixture f(line, locked);
    frmTileSize& d = *f.dlg;
    QCOMPARE(d.opbMm->isChecked(), mm);
    QCOMPARE(d.opbInches->isChecked(), !mm);
    QCOMPARE(d.lstPaperSize->count(), mm ? 8 : 7);
    QCOMPARE(d.lstPaperSize->currentRow(), row);
    for (QString& m : margins)
        m = Loc(m);
    QCOMPARE(MarginTexts(d), margins);
    QCOMPARE(d.chkLock->isChecked(), locked != 0);
    QCOMPARE(d.lblSizeWithBorders->text(), Loc(withBorders));
    QCOMPARE(d.lblSizeWithoutBorders->text(), Loc(withoutBorders));
    QCOMPARE(d.lblUnits[0]->text(), mm ? QStringLiteral("mm") : QStringLiteral("Inches"));
    QCOMPARE(d.lblMarginUnits->text(), mm ? QStringLiteral("(Margin sizes in MILLIMETERS)")
                                          : QStringLiteral("(Margin sizes in INCHES)"));
    for (QComboBox* box : d.cmbMargins) {
        QCOMPARE(box->count(), offers);
        QCOMPARE(box->itemText(offers - 1),
                 mm ? Loc(QStringLiteral("50.5")) : Loc(QStringLiteral("2.00")));
    }
    QVERIFY(f.messages.Messages().isEmpty());
    QCOMPARE(f.applied, 0);
    if (QTest::currentDataTag() == QByteArrayLiteral("A4 from the line"))
        Shot(&d, QStringLiteral("paper_dialog_mm"));
}

void TestDialogs::customSizeBoxes_data() {
    QTest::addColumn<bool>("mm");
    QTest::addColumn<int>("row");
    for (int row = 0; row <= PaperModel::iLastInchPreset; ++row)
        QTest::addRow("inch %d", row) << false << row;
    for (int row = 0; row <= PaperModel::iLastMmPreset; ++row)
        QTest::addRow("mm %d", row) << true << row;
}

void TestDialogs::customSizeBoxes() {
    QFETCH(bool, mm);
    QFETCH(int, row);
    PaperFixture f;
    frmTileSize& d = *f.dlg;
    if (mm)
        d.opbMm->click();
    ClickPaper(d, row);
    QCOMPARE(d.lstPaperSize->currentRow(), row);
    const bool custom = row == PaperModel::LastPreset(mm ? kUnitMillimeters : kUnitInches);
    QCOMPARE(d.txtWidth->isEnabled(), custom);
    QCOMPARE(d.txtHeight->isEnabled(), custom);
    const PaperPreset& p = d.Model().CurrentPreset();
    const QString format = mm ? QStringLiteral("#####0.0") : QStringLiteral("#####0.00");
    QCOMPARE(d.txtWidth->text(), FormatNumber(p.dWidth, format));
    QCOMPARE(d.txtHeight->text(), FormatNumber(p.dHeight, format));
    QVERIFY(f.messages.Messages().isEmpty());
    if (custom && !mm)
        Shot(&d, QStringLiteral("paper_dialog_custom"));
}

void TestDialogs::typedWidthTooSmallKeepsCustom() {
    PaperFixture f;
    frmTileSize& d = *f.dlg;
    ClickPaper(d, PaperModel::iLastInchPreset);
    Type(d.txtWidth, Loc(QStringLiteral("0.5")));
    QCOMPARE(d.txtWidth->text(), Loc(QStringLiteral("0.5")));
    QCOMPARE(d.lblSizeWithoutBorders->text(), kInvalidMarginLabel);
    // The paper label keeps the last valid sheet.
    QCOMPARE(d.lblSizeWithBorders->text(), Loc(QStringLiteral("4.00 x 6.00 Inches")));
    QVERIFY(f.messages.Messages().isEmpty());

    ClickPaper(d, 0);
    QCOMPARE(f.messages.Messages().size(), 1);
    const auto& m = f.messages.Messages().first();
    QCOMPARE(m.kind, Kind::Critical);
    QCOMPARE(m.title, kInvalidTitle);
    QCOMPARE(m.text,
             Loc(QStringLiteral("Invalid paper size - size too small.  Minimum size is .75.")));
    QCOMPARE(d.lstPaperSize->currentRow(), PaperModel::iLastInchPreset);
    QVERIFY(d.txtWidth->isEnabled());
    QCOMPARE(d.txtWidth->text(), Loc(QStringLiteral("0.5")));

    // A valid width clears the failure and lets the user move on.
    Type(d.txtWidth, Loc(QStringLiteral("5")));
    QCOMPARE(d.lblSizeWithBorders->text(), Loc(QStringLiteral("5.00 x 6.00 Inches")));
    QCOMPARE(d.lblSizeWithoutBorders->text(), Loc(QStringLiteral("4.00 x 5.00 Inches")));
    ClickPaper(d, 0);
    QCOMPARE(d.lstPaperSize->currentRow(), 0);
    QCOMPARE(f.messages.Messages().size(), 1);
}

void TestDialogs::marginValidationShown_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("side");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("withoutBorders");
    QTest::addColumn<QString>("message");

    QTest::newRow("letters") << 3 << 0 << "abc" << kInvalidMarginLabel
                             << "You entered invalid values for print margins.";
    QTest::newRow("empty") << 3 << 1 << "" << kInvalidMarginLabel
                           << "You entered invalid values for print margins.";
    QTest::newRow("negative") << 3 << 2 << "-0.1" << kInvalidMarginLabel
                              << "Invalid margin value - can't be less than zero";
    QTest::newRow("left eats the width")
        << 3 << 3 << "8.5" << kInvalidMarginLabel
        << "Invalid Left / Right Margins.  Together they are larger than the paper width.";
    QTest::newRow("top eats the height")
        << 3 << 0 << "10.5" << kInvalidMarginLabel
        << "Invalid Top / Bottom Margins.  Together they are larger than the paper height.";
    QTest::newRow("tile below 0.75")
        << 3 << 0 << "9.8" << kInvalidMarginLabel << "Paper/Margins too small";
    QTest::newRow("tile exactly 0.75") << 3 << 0 << "9.75"
                                       << "7.50 x 0.75 Inches"
                                       << "";
    QTest::newRow("zero is a margin") << 3 << 1 << "0"
                                      << "8.00 x 10.00 Inches"
                                      << "";
}

void TestDialogs::marginValidationShown() {
    QFETCH(int, row);
    QFETCH(int, side);
    QFETCH(QString, typed);
    QFETCH(QString, withoutBorders);
    QFETCH(QString, message);

    PaperFixture f;
    frmTileSize& d = *f.dlg;
    ClickPaper(d, row);
    TypeMargin(d, side, Loc(typed));
    QCOMPARE(d.cmbMargins[static_cast<size_t>(side)]->currentText(), Loc(typed));
    QCOMPARE(d.lblSizeWithoutBorders->text(), Loc(withoutBorders));
    QVERIFY(f.messages.Messages().isEmpty());

    // Accepting tells why, and the dialog stays open after Apply.
    d.cmdApply->click();
    QVERIFY(d.isVisible());
    QCOMPARE(f.applied, 1);
    if (message.isEmpty()) {
        QVERIFY(f.messages.Messages().isEmpty());
    } else {
        QCOMPARE(f.messages.Messages().size(), 1);
        QCOMPARE(f.messages.Messages().first().title, kInvalidTitle);
        QCOMPARE(f.messages.Messages().first().text, message);
    }
    // What was typed stays for the user to correct.
    QCOMPARE(d.cmbMargins[static_cast<size_t>(side)]->currentText(), Loc(typed));
}

void TestDialogs::unitSwitchKeepsEachUnit() {
    PaperFixture f;
    frmTileSize& d = *f.dlg;
    ClickPaper(d, 3);
    TypeMargin(d, 0, Loc(QStringLiteral("0.25")));
    QCOMPARE(d.lblSizeWithoutBorders->text(), Loc(QStringLiteral("7.50 x 10.25 Inches")));

    d.opbMm->click();
    QVERIFY(d.opbMm->isChecked());
    QCOMPARE(d.Model().Units(), kUnitMillimeters);
    QCOMPARE(d.lstPaperSize->count(), 8);
    QCOMPARE(d.lstPaperSize->item(4)->text(), QStringLiteral("A4 - 210 x 297"));
    QCOMPARE(d.lstPaperSize->currentRow(), 0);
    QCOMPARE(d.lblUnits[1]->text(), QStringLiteral("mm"));
    QCOMPARE(d.cmbMargins[0]->count(), 102);
    QCOMPARE(MarginTexts(d), QStringList(4, Loc(QStringLiteral("12.0"))));
    QCOMPARE(d.lblSizeWithBorders->text(), Loc(QStringLiteral("74.0 x 53.0 mm")));
    ClickPaper(d, 4);
    TypeMargin(d, 1, Loc(QStringLiteral("5")));
    QCOMPARE(d.lblSizeWithoutBorders->text(), Loc(QStringLiteral("193.0 x 273.0 mm")));

    d.opbInches->click();
    QCOMPARE(d.lstPaperSize->count(), 7);
    QCOMPARE(d.lstPaperSize->currentRow(), 3);
    QCOMPARE(d.cmbMargins[0]->count(), 201);
    QCOMPARE(MarginTexts(d),
             (QStringList{Loc(QStringLiteral("0.25")), Loc(QStringLiteral("0.50")),
                          Loc(QStringLiteral("0.50")), Loc(QStringLiteral("0.50"))}));
    QCOMPARE(d.lblSizeWithoutBorders->text(), Loc(QStringLiteral("7.50 x 10.25 Inches")));

    d.opbMm->click();
    QCOMPARE(d.lstPaperSize->currentRow(), 4);
    QCOMPARE(d.cmbMargins[1]->currentText(), Loc(QStringLiteral("5.0")));
    QVERIFY(f.messages.Messages().isEmpty());
}

void TestDialogs::unitSwitchToInvalidStoredPaper() {
    // The millimetre custom sheet of the line is below the typed minimum: coming back to it
    // reports that, and the unit stays switched.
    PaperFixture f(QStringLiteral("|1|Custom (mm)|19.5|210|12|12|12|12|0|0|0|0|"));
    frmTileSize& d = *f.dlg;
    d.opbInches->click();
    QVERIFY(f.messages.Messages().isEmpty());
    d.opbMm->click();
    QCOMPARE(f.messages.Messages().size(), 1);
    QCOMPARE(f.messages.Messages().first().title, kInvalidTitle);
    QCOMPARE(f.messages.Messages().first().text,
             QStringLiteral("Invalid paper size - size too small.  Minimum size is 20."));
    QVERIFY(d.opbMm->isChecked());
    QVERIFY(!d.opbInches->isChecked());
    QCOMPARE(d.lstPaperSize->currentRow(), PaperModel::iLastMmPreset);
    QVERIFY(d.txtWidth->isEnabled());
}

void TestDialogs::lockCopiesPartners() {
    PaperFixture f;
    frmTileSize& d = *f.dlg;
    ClickPaper(d, 3);
    TypeMargin(d, 0, Loc(QStringLiteral("1")));
    TypeMargin(d, 3, Loc(QStringLiteral("0.3")));
    // Ticking: bottom takes top, right takes left.
    d.chkLock->click();
    QVERIFY(d.chkLock->isChecked());
    QCOMPARE(MarginTexts(d), (QStringList{Loc(QStringLiteral("1")), Loc(QStringLiteral("0.3")),
                                          Loc(QStringLiteral("1")), Loc(QStringLiteral("0.3"))}));
    QCOMPARE(d.lblSizeWithoutBorders->text(), Loc(QStringLiteral("7.90 x 9.00 Inches")));

    TypeMargin(d, 0, Loc(QStringLiteral("0.25")));
    QCOMPARE(d.cmbMargins[2]->currentText(), Loc(QStringLiteral("0.25")));
    TypeMargin(d, 2, Loc(QStringLiteral("0.75")));
    QCOMPARE(d.cmbMargins[0]->currentText(), Loc(QStringLiteral("0.75")));
    TypeMargin(d, 1, Loc(QStringLiteral("0.1")));
    QCOMPARE(d.cmbMargins[3]->currentText(), Loc(QStringLiteral("0.1")));
    QCOMPARE(d.lblSizeWithoutBorders->text(), Loc(QStringLiteral("8.30 x 9.50 Inches")));

    // Unticked, each box is on its own again.
    d.chkLock->click();
    TypeMargin(d, 0, Loc(QStringLiteral("0.5")));
    QCOMPARE(d.cmbMargins[2]->currentText(), Loc(QStringLiteral("0.75")));

    d.cmdApply->click();
    QCOMPARE(f.poster.iWhMarginLocked, short(0));
    d.chkLock->click();
    d.cmdApply->click();
    QCOMPARE(f.poster.iWhMarginLocked, short(1));
    QVERIFY(f.messages.Messages().isEmpty());
}

void TestDialogs::borderlessAndReset_data() {
    QTest::addColumn<bool>("mm");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("zero");
    QTest::addColumn<QString>("defaultMargin");
    QTest::addColumn<QString>("borderlessTile");
    QTest::newRow("inch Photo 4x6") << false << 0 << "0.00"
                                    << "0.00"
                                    << "6.00 x 4.00 Inches";
    QTest::newRow("inch Letter") << false << 3 << "0.00"
                                 << "0.50"
                                 << "8.50 x 11.00 Inches";
    QTest::newRow("mm A4") << true << 4 << "0.0"
                           << "12.0"
                           << "210.0 x 297.0 mm";
    QTest::newRow("mm custom") << true << 7 << "0.0"
                               << "12.0"
                               << "148.0 x 210.0 mm";
}

void TestDialogs::borderlessAndReset() {
    QFETCH(bool, mm);
    QFETCH(int, row);
    QFETCH(QString, zero);
    QFETCH(QString, defaultMargin);
    QFETCH(QString, borderlessTile);
    PaperFixture f;
    frmTileSize& d = *f.dlg;
    if (mm)
        d.opbMm->click();
    ClickPaper(d, row);
    // A bad typed margin must not survive either button.
    TypeMargin(d, 0, QStringLiteral("abc"));
    QCOMPARE(d.lblSizeWithoutBorders->text(), kInvalidMarginLabel);

    d.cmdBorderless->click();
    QCOMPARE(MarginTexts(d), QStringList(4, Loc(zero)));
    QCOMPARE(d.lblSizeWithoutBorders->text(), Loc(borderlessTile));

    TypeMargin(d, 1, QStringLiteral("xyz"));
    d.cmdReset->click();
    QCOMPARE(MarginTexts(d), QStringList(4, Loc(defaultMargin)));
    const PaperPreset& p = d.Model().CurrentPreset();
    QCOMPARE(p.CurrentMargins(), p.DefaultMargins());
    QVERIFY(f.messages.Messages().isEmpty());
}

void TestDialogs::arrowKeyChoosesNextOffer() {
    PaperFixture f;
    frmTileSize& d = *f.dlg;
    ClickPaper(d, 3);
    QComboBox* top = d.cmbMargins[0];
    QCOMPARE(top->currentText(), Loc(QStringLiteral("0.50")));
    top->setFocus();
    QTest::keyClick(top, Qt::Key_Down);
    QCOMPARE(top->currentText(), Loc(QStringLiteral("0.51")));
    QCOMPARE(d.Model().CurrentPreset().dTop, 0.51);
    QCOMPARE(d.lblSizeWithoutBorders->text(), Loc(QStringLiteral("7.50 x 9.99 Inches")));
    // The offers stay as they were: nothing chosen or typed is added to them.
    TypeMargin(d, 0, Loc(QStringLiteral("0.333")));
    QTest::keyClick(top->lineEdit(), Qt::Key_Return);
    QCOMPARE(top->count(), 201);
}

void TestDialogs::enterInMarginBoxPressesNoButton() {
    PaperFixture f;
    frmTileSize& d = *f.dlg;
    TypeMargin(d, 0, Loc(QStringLiteral("0.3")));
    QTest::keyClick(d.cmbMargins[0]->lineEdit(), Qt::Key_Return);
    QTest::keyClick(d.txtWidth, Qt::Key_Return);
    QVERIFY(d.isVisible());
    QCOMPARE(f.applied, 0);
    QCOMPARE(d.result(), int(QDialog::Rejected));
}

void TestDialogs::applyHandsOver_data() {
    QTest::addColumn<bool>("mm");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("margin"); // typed into all four boxes; empty keeps the defaults
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("tileWidth");
    QTest::addColumn<double>("tileHeight");
    QTest::addColumn<double>("paperWidth");
    QTest::addColumn<double>("paperHeight");
    QTest::addColumn<QString>("line");

    QTest::newRow("Letter defaults")
        << false << 3 << ""
        << ""
        << "" << kLetter << 7.5 << 10.0 << 8.5 << 11.0
        << "|0|Letter 8.5\" x 11\"|8.5|11|0.5|0.5|0.5|0.5|0.5|0.5|0.5|0.5|";
    QTest::newRow("Photo 4x6 borderless") << false << 0 << ""
                                          << ""
                                          << "0"
                                          << "Photo 4\" x 6\"" << 6.0 << 4.0 << 6.0 << 4.0
                                          << "|0|Photo 4\" x 6\"|6|4|0|0|0|0|0|0|0|0|";
    QTest::newRow("custom inches")
        << false << 6 << "10"
        << "12.5"
        << "0.25"
        << "Custom (inches)" << 9.5 << 12.0 << 10.0 << 12.5
        << "|0|Custom (inches)|10|12.5|0.5|0.5|0.5|0.5|0.25|0.25|0.25|0.25|";
    QTest::newRow("A3 10 mm") << true << 5 << ""
                              << ""
                              << "10"
                              << "A3 - 297 x 420" << 277.0 << 400.0 << 297.0 << 420.0
                              << "|1|A3 - 297 x 420|297|420|12|12|12|12|10|10|10|10|";
    QTest::newRow("custom mm") << true << 7 << "150"
                               << "200.5"
                               << ""
                               << "Custom (mm)" << 126.0 << 176.5 << 150.0 << 200.5
                               << "|1|Custom (mm)|150|200.5|12|12|12|12|12|12|12|12|";
}

void TestDialogs::applyHandsOver() {
    QFETCH(bool, mm);
    QFETCH(int, row);
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(QString, margin);
    QFETCH(QString, name);
    QFETCH(double, tileWidth);
    QFETCH(double, tileHeight);
    QFETCH(double, paperWidth);
    QFETCH(double, paperHeight);
    QFETCH(QString, line);

    PaperFixture f;
    frmTileSize& d = *f.dlg;
    if (mm)
        d.opbMm->click();
    ClickPaper(d, row);
    if (!width.isEmpty()) {
        Type(d.txtWidth, Loc(width));
        Type(d.txtHeight, Loc(height));
    }
    if (!margin.isEmpty())
        for (int side = 0; side < kMarginCount; ++side)
            TypeMargin(d, side, Loc(margin));

    if (QTest::currentDataTag() == QByteArrayLiteral("Letter defaults"))
        Shot(&d, QStringLiteral("paper_dialog"));
    d.cmdApply->click();
    QVERIFY(d.isVisible());
    QCOMPARE(f.applied, 1);
    QCOMPARE(f.poster.sPaperName, name);
    QCOMPARE(f.poster.iCurUnits, mm ? kUnitMillimeters : kUnitInches);
    QCOMPARE(f.poster.dTileWidth, tileWidth);
    QCOMPARE(f.poster.dTileHeight, tileHeight);
    QCOMPARE(f.poster.dPaperWidth, paperWidth);
    QCOMPARE(f.poster.dPaperHeight, paperHeight);
    QCOMPARE(f.poster.getPaperRegLine(), Loc(line));
    QCOMPARE(f.last.sNewPaperRegLine, f.poster.getPaperRegLine());
    QVERIFY(f.last.validation.ok());
    QVERIFY(f.messages.Messages().isEmpty());

    // OK hands the same values on once more and closes; reopening restores the choice.
    d.cmdOk->click();
    QCOMPARE(f.applied, 2);
    QVERIFY(!d.isVisible());
    QCOMPARE(d.result(), int(QDialog::Accepted));

    frmTileSize again(f.poster, f.messages);
    again.LoadFromPoster();
    QCOMPARE(again.opbMm->isChecked(), mm);
    QCOMPARE(again.lstPaperSize->currentRow(), row);
    QCOMPARE(again.Model().BuildPaperRegLine(), f.poster.getPaperRegLine());
    if (!width.isEmpty())
        QVERIFY(again.txtWidth->isEnabled());
}

void TestDialogs::applyAfterInvalidHandsLastValid() {
    PaperFixture f;
    frmTileSize& d = *f.dlg;
    ClickPaper(d, 3);
    TypeMargin(d, 0, Loc(QStringLiteral("1")));
    TypeMargin(d, 0, Loc(QStringLiteral("-1")));
    d.cmdApply->click();
    QCOMPARE(f.messages.Messages().size(), 1);
    QCOMPARE(f.messages.Messages().first().kind, Kind::Critical);
    QCOMPARE(f.messages.Messages().first().text,
             QStringLiteral("Invalid margin value - can't be less than zero"));
    QCOMPARE(f.applied, 1);
    QVERIFY(!f.last.validation.ok());
    // The top margin of 1 was the last valid value.
    QCOMPARE(f.poster.sPaperName, kLetter);
    QCOMPARE(f.poster.dTileHeight, 9.5);
    QCOMPARE(f.poster.dTileWidth, 7.5);
    QCOMPARE(f.poster.getPaperRegLine(),
             Loc(QStringLiteral("|0|Letter 8.5\" x 11\"|8.5|11|0.5|0.5|0.5|0.5|1|0.5|0.5|0.5|")));
}

void TestDialogs::okClosesEvenWhenInvalid() {
    PaperFixture f;
    frmTileSize& d = *f.dlg;
    ClickPaper(d, PaperModel::iLastInchPreset);
    Type(d.txtHeight, QStringLiteral("x"));
    d.cmdOk->click();
    QCOMPARE(f.messages.Messages().size(), 1);
    QCOMPARE(f.messages.Messages().first().text, QStringLiteral("Invalid Paper Width or Height"));
    QVERIFY(!d.isVisible());
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(f.poster.sPaperName, QStringLiteral("Custom (inches)"));
    QCOMPARE(f.poster.dTileWidth, 3.0);
    QCOMPARE(f.poster.dTileHeight, 5.0);
}

void TestDialogs::cancelChangesNothing() {
    for (const bool byCloseBox : {false, true}) {
        PaperFixture f(kA4Line, 1);
        f.poster.sPaperName = QStringLiteral("A4 - 210 x 297");
        f.poster.iCurUnits = kUnitMillimeters;
        f.poster.dTileWidth = 186;
        f.poster.dTileHeight = 273;
        f.poster.dPaperWidth = 210;
        f.poster.dPaperHeight = 297;
        frmTileSize& d = *f.dlg;
        d.opbInches->click();
        ClickPaper(d, 5);
        d.chkLock->click();
        d.cmdBorderless->click();
        if (byCloseBox)
            d.close();
        else
            d.cmdCancel->click();
        QVERIFY(!d.isVisible());
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QCOMPARE(f.applied, 0);
        QCOMPARE(f.poster.getPaperRegLine(), kA4Line);
        QCOMPARE(f.poster.sPaperName, QStringLiteral("A4 - 210 x 297"));
        QCOMPARE(f.poster.iCurUnits, kUnitMillimeters);
        QCOMPARE(f.poster.dTileWidth, 186.0);
        QCOMPARE(f.poster.dTileHeight, 273.0);
        QCOMPARE(f.poster.dPaperWidth, 210.0);
        QCOMPARE(f.poster.dPaperHeight, 297.0);
        QCOMPARE(f.poster.iWhMarginLocked, short(1));
    }
}

void TestDialogs::showPaperDialogIsModal() {
    PosterState poster;
    poster.sPaperRegLine = kA4Line;
    RecordingMessageService messages;
    QWidget owner;
    owner.show();
    bool wasModal = false;
    QStringList shownNames;
    QTimer::singleShot(0, &owner, [&] {
        auto* dlg = qobject_cast<frmTileSize*>(QApplication::activeModalWidget());
        if (!dlg)
            return;
        wasModal = dlg->isModal() && dlg->parentWidget() == &owner;
        shownNames = ListItems(dlg->lstPaperSize);
        ClickPaper(*dlg, 2);
        dlg->cmdOk->click();
    });
    QList<PaperHandOver> received;
    const int result = frmTileSize::ShowPaperDialog(
        poster, messages, &owner, [&](const PaperHandOver& h) { received.append(h); });
    QCOMPARE(result, int(QDialog::Accepted));
    QVERIFY(wasModal);
    QCOMPARE(shownNames.size(), 8);
    QCOMPARE(received.size(), 1);
    QCOMPARE(received.first().sNewCurPaperName, QStringLiteral("A6 - 105 x 148"));
    QCOMPARE(poster.sPaperName, QStringLiteral("A6 - 105 x 148"));
    QCOMPARE(poster.dTileWidth, 124.0);
    QCOMPARE(poster.dTileHeight, 81.0);
    QCOMPARE(poster.getPaperRegLine(),
             QStringLiteral("|1|A6 - 105 x 148|148|105|12|12|12|12|12|12|12|12|"));
}

// --- Help ---

void TestDialogs::helpSearch_data() {
    QTest::addColumn<bool>("inAppDir");
    QTest::addColumn<bool>("besideProgram");
    QTest::addColumn<bool>("appDirSet");
    QTest::addColumn<bool>("trailingSlash");
    QTest::addColumn<QString>("expected"); // "app", "program" or ""

    QTest::newRow("app_dir first") << true << true << true << false << "app";
    QTest::newRow("app_dir with slash") << true << false << true << true << "app";
    QTest::newRow("absent in app_dir") << false << true << true << false << "program";
    QTest::newRow("absent in app_dir, slash") << false << true << true << true << "program";
    QTest::newRow("no app_dir") << true << true << false << false << "program";
    QTest::newRow("nowhere") << false << false << true << false << "";
    QTest::newRow("nowhere, no app_dir") << false << false << false << false << "";
}

void TestDialogs::helpSearch() {
    QFETCH(bool, inAppDir);
    QFETCH(bool, besideProgram);
    QFETCH(bool, appDirSet);
    QFETCH(bool, trailingSlash);
    QFETCH(QString, expected);

    QTemporaryDir appDir;
    QTemporaryDir programDir;
    QVERIFY(appDir.isValid() && programDir.isValid());
    const QString name = HelpLocator::HelpFileName();
    if (inAppDir)
        WriteFile(appDir.filePath(name));
    else // a folder of that name is no help file
        QVERIFY(QDir(appDir.path()).mkdir(name));
    if (besideProgram)
        WriteFile(programDir.filePath(name));

    const QString appDirText =
        appDirSet ? appDir.path() + (trailingSlash ? QStringLiteral("/") : QString()) : QString();
    const QString found = HelpLocator::GetHelpFilePath(appDirText, programDir.path());
    if (expected == u"app")
        QCOMPARE(found, appDir.filePath(name));
    else if (expected == u"program")
        QCOMPARE(found, programDir.filePath(name));
    else
        QCOMPARE(found, QString());
    QCOMPARE(HelpLocator::IsMissing(found), expected.isEmpty());
}

void TestDialogs::helpSearchInstalled() {
    // An installed program in PREFIX/bin finds the help file in PREFIX/share/tessellon.
    QTemporaryDir prefix;
    QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
    QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("share/tessellon")));
    const QString help = prefix.filePath(QStringLiteral("share/tessellon/tessellon_help.html"));
    WriteFile(help);
    const QString found = HelpLocator::GetHelpFilePath(QString(), prefix.filePath("bin"));
    QCOMPARE(QFileInfo(found).canonicalFilePath(), QFileInfo(help).canonicalFilePath());
}

void TestDialogs::joinFolder_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "/opt/tessellon"
                           << "/opt/tessellon/f.html";
    QTest::newRow("trailing slash") << "/opt/tessellon/"
                                    << "/opt/tessellon/f.html";
    QTest::newRow("root") << "/"
                          << "/f.html";
#ifdef Q_OS_WIN
    QTest::newRow("trailing backslash") << "C:\\Tessellon\\"
                                        << "C:\\Tessellon\\f.html";
#endif
}

void TestDialogs::joinFolder() {
    QFETCH(QString, folder);
    QFETCH(QString, expected);
    QCOMPARE(ApplicationFolder::Join(folder, QStringLiteral("f.html")), expected);
}

void TestDialogs::helpMissingNamesFile_data() {
    QTest::addColumn<bool>("emptyPath");
    QTest::newRow("nothing found at start-up") << true;
    QTest::newRow("file removed since") << false;
}

void TestDialogs::helpMissingNamesFile() {
    QFETCH(bool, emptyPath);
    QTemporaryDir dir;
    const QString path = emptyPath ? QString() : dir.filePath(HelpLocator::HelpFileName());
    RecordingMessageService messages;
    HelpWindow help;
    QVERIFY(!help.OpenHelpFile(path, messages));
    QVERIFY(!help.isVisible());
    QCOMPARE(messages.Messages().size(), 1);
    const auto& m = messages.Messages().first();
    QCOMPARE(m.kind, Kind::Critical);
    QCOMPARE(m.title, QStringLiteral("Can not find help file"));
    QCOMPARE(m.text, QStringLiteral("The help file (tessellon_help.html) is missing.  Please "
                                    "reinstall this software."));
}

void TestDialogs::helpShowsFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(HelpLocator::HelpFileName());
    WriteFile(path, "<html><head><title>T</title></head><body><h1>Start page</h1>"
                    "<a href=\"#two\">go</a><p style=\"margin-top:2000px\"><a name=\"two\"></a>"
                    "Second part</p></body></html>");
    RecordingMessageService messages;
    QWidget owner;
    HelpWindow help(&owner);
    QVERIFY(help.isWindow());
    QVERIFY(help.OpenHelpFile(path, messages));
    QVERIFY(messages.Messages().isEmpty());
    QVERIFY(help.isVisible());
    QCOMPARE(help.txtHelp->source(), QUrl::fromLocalFile(path));
    QVERIFY(help.txtHelp->toPlainText().contains(QStringLiteral("Start page")));
    QVERIFY(!help.cmdBack->isEnabled());

    QUrl second = QUrl::fromLocalFile(path);
    second.setFragment(QStringLiteral("two"));
    help.txtHelp->setSource(second);
    QVERIFY(help.cmdBack->isEnabled());
    // Opening again starts from the first page with no history.
    QVERIFY(help.OpenHelpFile(path, messages));
    QCOMPARE(help.txtHelp->source(), QUrl::fromLocalFile(path));
    QVERIFY(!help.cmdBack->isEnabled());
}

void TestDialogs::shippedHelpFileComplete() {
    // The build puts the help file beside the program; every picture and every link inside
    // the file must lead somewhere.
    const QString path =
        HelpLocator::GetHelpFilePath(QString(), QStringLiteral(TESSELLON_BUILD_DIR));
    QVERIFY2(!path.isEmpty(), "help file not copied beside the program");
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(f.readAll());
    const QDir base = QFileInfo(path).dir();

    static const QRegularExpression img(QStringLiteral("<img[^>]*src=\"([^\"]+)\""));
    int pictures = 0;
    for (const auto& m : img.globalMatch(html)) {
        ++pictures;
        const QString file = base.filePath(m.captured(1));
        QVERIFY2(QImage(file).width() > 100, qPrintable(file));
    }
    QVERIFY(pictures >= 1);

    static const QRegularExpression anchor(QStringLiteral("href=\"#([^\"]+)\""));
    for (const auto& m : anchor.globalMatch(html)) {
        const QString target = m.captured(1);
        QVERIFY2(html.contains(QStringLiteral("id=\"%1\"").arg(target)) ||
                     html.contains(QStringLiteral("name=\"%1\"").arg(target)),
                 qPrintable(target));
    }

    RecordingMessageService messages;
    HelpWindow help;
    QVERIFY(help.OpenHelpFile(path, messages));
    const QString text = help.txtHelp->toPlainText();
    for (const char* topic : {"Step (1)", "Step (2)", "Step (3)", "Step (4)", "Edge Calibration",
                              "Determine Tile Print Size", "Save Images Now"})
        QVERIFY2(text.contains(QLatin1String(topic)), topic);
    help.resize(820, 680);
    Shot(&help, QStringLiteral("help_window"));
    help.txtHelp->scrollToAnchor(QStringLiteral("paper"));
    Shot(&help, QStringLiteral("help_window_paper"));
}

// --- About ---

void TestDialogs::aboutTexts() {
    RecordingMessageService messages;
    frmAbout about(messages);
    about.ShowAbout();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QVERIFY(!about.isModal());
    QCOMPARE(about.windowTitle(), QStringLiteral("Tessellon"));
    QCOMPARE(about.lblTitle->text(), QStringLiteral("Tessellon"));
    QCOMPARE(about.lblProduct->text(), QStringLiteral("Tessellon"));
    QCOMPARE(about.lblVersion->text(), QStringLiteral("Version ") + GetAppVersionString());
    QVERIFY(!GetAppVersionString().isEmpty());
    QCOMPARE(about.lblDescription->text(),
             QStringLiteral("This application creates photo quality posters of any size/shape "
                            "from your digital images.  It includes Edge Calibration technology "
                            "to measure and compensate for the characteristics of your printer."));
    QCOMPARE(about.cmdSysInfo->text(), QStringLiteral("System Info..."));
    QCOMPARE(about.cmdOk->text(), QStringLiteral("OK"));
    QVERIFY(about.lblHomePage->text().contains(frmAbout::HomePageUrl()));
    QVERIFY(about.lblSupport->text().contains(frmAbout::SupportUrl()));
    QVERIFY(about.lblPurchase->text().contains(frmAbout::PurchaseUrl()));
    for (QLabel* link : {about.lblHomePage, about.lblSupport, about.lblPurchase})
        QVERIFY(link->openExternalLinks());
    QVERIFY(!about.lblRights->text().isEmpty());
    QVERIFY(messages.Messages().isEmpty());
    Shot(&about, QStringLiteral("about"));
}

void TestDialogs::aboutOkCloses() {
    RecordingMessageService messages;
    QWidget owner;
    owner.show();
    frmAbout about(messages, &owner);
    about.ShowAbout();
    QVERIFY(about.isVisible());
    // The main window stays usable while the About window is open.
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    about.cmdOk->click();
    QVERIFY(!about.isVisible());
    about.ShowAbout();
    QVERIFY(about.isVisible());
}

void TestDialogs::sysInfoShowsSystem() {
    RecordingMessageService messages;
    frmAbout about(messages);
    about.ShowAbout();
    about.cmdSysInfo->click();
    QVERIFY(messages.Messages().isEmpty());
    SysInfoWindow* info = about.SysInfo();
    QVERIFY(info);
    QVERIFY(info->isVisible());
    QVERIFY(!info->isModal());
    const QString text = info->Text();
    QVERIFY(text.contains(QStringLiteral("Operating system: ") + QSysInfo::prettyProductName()));
    QVERIFY(text.contains(QSysInfo::kernelType() + u' ' + QSysInfo::kernelVersion()));
    QVERIFY(
        text.contains(QStringLiteral("CPU architecture: ") + QSysInfo::currentCpuArchitecture()));
    QVERIFY(text.contains(QStringLiteral("Qt version: ") + QString::fromLatin1(qVersion())));
    QVERIFY(info->txtInfo->isReadOnly());
    QVERIFY(info->txtInfo->textInteractionFlags() & Qt::TextSelectableByMouse);

    // A second click reuses the window.
    about.cmdSysInfo->click();
    QCOMPARE(about.SysInfo(), info);

    if (QClipboard* clip = QGuiApplication::clipboard()) {
        clip->clear();
        info->cmdCopy->click();
        if (!clip->text().isEmpty()) // not every platform has a clipboard
            QCOMPARE(clip->text(), text);
    }
    Shot(info, QStringLiteral("system_info"));
    info->cmdClose->click();
    QVERIFY(!info->isVisible());
}

void TestDialogs::sysInfoUnavailable() {
    RecordingMessageService messages;
    frmAbout about(messages);
    SystemInfo nothing;
    nothing.kernelType = QStringLiteral("unknown");
    nothing.qtRuntime = QStringLiteral("6.4.2");
    QVERIFY(!nothing.IsAvailable());
    QVERIFY(!about.StartSysInfo(nothing));
    QCOMPARE(about.SysInfo(), nullptr);
    QCOMPARE(messages.Messages().size(), 1);
    QCOMPARE(messages.Messages().first().kind, Kind::Information);
    QCOMPARE(messages.Messages().first().text,
             QStringLiteral("System Information Is Unavailable At This Time"));
}

void TestDialogs::sysInfoReportMarksUnknown() {
    SystemInfo info;
    info.productName = QStringLiteral("Some OS 1");
    info.kernelType = QStringLiteral("linux");
    info.qtRuntime = QStringLiteral("6.4.2");
    QVERIFY(info.IsAvailable());
    const QStringList lines = info.Report().trimmed().split(u'\n');
    QCOMPARE(lines.size(), 5);
    QCOMPARE(lines[0], QStringLiteral("Operating system: Some OS 1"));
    QCOMPARE(lines[1], QStringLiteral("Kernel: linux (unknown)"));
    QCOMPARE(lines[2], QStringLiteral("CPU architecture: (unknown)"));
    QCOMPARE(lines[4], QStringLiteral("Qt version: 6.4.2 (built with (unknown))"));
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
