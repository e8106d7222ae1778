#include "app/frm_about.h"
#include "app/frm_tile_size.h"
#include "app/help_locator.h"
#include "app/help_window.h"
#include "app/sys_info_window.h"
#include "app/system_info.h"
#include "common/number_format.h"
#include "layout/poster_state.h"
#include "tests/app/app_test_support.h"
#include "tests/support/find_control.h"
#include "tests/support/recording_message_service.h"

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
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

using namespace tessellon;
using namespace tessellon::testing;
using Kind = RecordingMessageService::Kind;

namespace {

const QString kInvalidTitle = QStringLiteral("Invalid Values Entered");
const QString kInvalidMarginLabel = QStringLiteral("Invalid margin size selected");
const QString kA4Line = QStringLiteral("|1|A4 - 210 x 297|999|999|0|0|0|0|12|12|12|12|");

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
    Type(Find<QComboBox>(dlg, QStringLiteral("cmbMargins_%1").arg(static_cast<size_t>(side)))
             ->lineEdit(),
         text);
}

QStringList MarginTexts(const frmTileSize& dlg) {
    QStringList texts;
    for (int side = 0; side < kMarginCount; ++side)
        texts.append(
            Find<QComboBox>(dlg, QStringLiteral("cmbMargins_%1").arg(side))->currentText());
    return texts;
}

// Clicks a row of the paper list with the mouse.
void ClickPaper(frmTileSize& dlg, int row) {
    QListWidget* list = Find<QListWidget>(dlg, "lstPaperSize");
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
    void paperOpensFromPoster_data();
    void paperOpensFromPoster();
    void typedWidthTooSmallKeepsCustom();
    void acceptingInvalidValues();
    void lockAndMarginButtons();
    void arrowKeyChoosesNextOffer();
    void enterInMarginBoxPressesNoButton();
    void applyHandsOver_data();
    void applyHandsOver();
    void showPaperDialog();

    // --- Help ---
    void helpSearch_data();
    void helpSearch();
    void helpSearchInstalled();
    void helpShowsFile();
    void shippedHelpFileComplete();

    // --- About ---
    void aboutTexts();
    void sysInfoShowsSystem();
    void sysInfoReportAndUnavailable();
};

// --- Paper dialog ---

void TestDialogs::paperOpensFromPoster_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<short>("locked");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("margins");
    QTest::addColumn<QString>("withoutBorders");

    QTest::newRow("first start") << QString() << short(0) << 0
                                 << QStringList(4, QStringLiteral("0.00")) << "6.00 x 4.00 Inches";
    QTest::newRow("A4 from the line")
        << kA4Line << short(0) << 4 << QStringList(4, QStringLiteral("12.0")) << "186.0 x 273.0 mm";
    // The lock is ticked before the line loads, so the line's own margins win.
    QTest::newRow("locked, uneven line")
        << QStringLiteral("|0|Letter 8.5\" x 11\"|8.5|11|0.5|0.5|0.5|0.5|1|0.5|0.25|0.75|")
        << short(1) << 3 << QStringList{"1.00", "0.50", "0.25", "0.75"} << "7.25 x 9.75 Inches";
}

void TestDialogs::paperOpensFromPoster() {
    QFETCH(QString, line);
    QFETCH(short, locked);
    QFETCH(int, row);
    QFETCH(QStringList, margins);
    QFETCH(QString, withoutBorders);
    PaperFixture f(line, locked);
    frmTileSize& d = *f.dlg;
    const bool mm = withoutBorders.endsWith(u"mm");
    QCOMPARE(d.windowTitle(), QStringLiteral("Determine Tile Print Size"));
    QCOMPARE(Find<QRadioButton>(d, "opbMm")->isChecked(), mm);
    QCOMPARE(Find<QListWidget>(d, "lstPaperSize")->count(), mm ? 8 : 7);
    QCOMPARE(Find<QListWidget>(d, "lstPaperSize")->currentRow(), row);
    for (QString& m : margins)
        m = Loc(m);
    QCOMPARE(MarginTexts(d), margins);
    QCOMPARE(Find<QCheckBox>(d, "chkLock")->isChecked(), locked != 0);
    QCOMPARE(Find<QLabel>(d, "lblSizeWithoutBorders")->text(), Loc(withoutBorders));
    QCOMPARE(Find<QLabel>(d, "lblMarginUnits")->text(),
             mm ? QStringLiteral("(Margin sizes in MILLIMETERS)")
                : QStringLiteral("(Margin sizes in INCHES)"));
    QCOMPARE(Find<QComboBox>(d, QStringLiteral("cmbMargins_%1").arg(3))->count(), mm ? 102 : 201);
    QCOMPARE(Find<QComboBox>(d, QStringLiteral("cmbMargins_%1").arg(3))->toolTip(),
             QStringLiteral("Select or type left margin size"));
    QVERIFY(f.messages.Messages().isEmpty());
    QCOMPARE(f.applied, 0);
    if (mm)
        Shot(&d, QStringLiteral("paper_dialog_mm"));
}

void TestDialogs::typedWidthTooSmallKeepsCustom() {
    PaperFixture f;
    frmTileSize& d = *f.dlg;
    ClickPaper(d, PaperModel::iLastInchPreset);
    Type(Find<QLineEdit>(d, "txtWidth"), Loc(QStringLiteral("0.5")));
    QCOMPARE(Find<QLabel>(d, "lblSizeWithoutBorders")->text(), kInvalidMarginLabel);
    // The paper label keeps the last valid sheet.
    QCOMPARE(Find<QLabel>(d, "lblSizeWithBorders")->text(),
             Loc(QStringLiteral("4.00 x 6.00 Inches")));
    QVERIFY(f.messages.Messages().isEmpty());

    ClickPaper(d, 0);
    QCOMPARE(f.messages.Messages().size(), 1);
    QCOMPARE(f.messages.Messages().first().kind, Kind::Critical);
    QCOMPARE(f.messages.Messages().first().title, kInvalidTitle);
    QCOMPARE(Find<QListWidget>(d, "lstPaperSize")->currentRow(), PaperModel::iLastInchPreset);
    QCOMPARE(Find<QLineEdit>(d, "txtWidth")->text(), Loc(QStringLiteral("0.5")));

    // A valid width clears the failure and lets the user move on.
    Type(Find<QLineEdit>(d, "txtWidth"), Loc(QStringLiteral("5")));
    QCOMPARE(Find<QLabel>(d, "lblSizeWithoutBorders")->text(),
             Loc(QStringLiteral("4.00 x 5.00 Inches")));
    ClickPaper(d, 0);
    QCOMPARE(Find<QListWidget>(d, "lstPaperSize")->currentRow(), 0);
    QCOMPARE(f.messages.Messages().size(), 1);
}

// Accepting invalid values tells why; Apply keeps the dialog open, OK closes it.
void TestDialogs::acceptingInvalidValues() {
    PaperFixture f;
    frmTileSize& d = *f.dlg;
    ClickPaper(d, 3);
    TypeMargin(d, 2, Loc(QStringLiteral("-0.1")));
    QCOMPARE(Find<QLabel>(d, "lblSizeWithoutBorders")->text(), kInvalidMarginLabel);
    QVERIFY(f.messages.Messages().isEmpty());
    // The text stays for the user to correct.
    Find<QPushButton>(d, "cmdApply")->click();
    QVERIFY(d.isVisible());
    QCOMPARE(f.applied, 1);
    QCOMPARE(f.messages.Messages().size(), 1);
    QCOMPARE(f.messages.Messages().first().text,
             QStringLiteral("Invalid margin value - can't be less than zero"));
    QCOMPARE(Find<QComboBox>(d, QStringLiteral("cmbMargins_%1").arg(2))->currentText(),
             Loc(QStringLiteral("-0.1")));
    // OK tells the same and closes all the same, handing on the last valid values.
    Find<QPushButton>(d, "cmdOk")->click();
    QCOMPARE(f.messages.Messages().size(), 2);
    QVERIFY(!d.isVisible());
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(f.poster.dTileHeight, 10.5); // "-0" on the way to "-0.1" was a valid margin
}

void TestDialogs::lockAndMarginButtons() {
    PaperFixture f;
    frmTileSize& d = *f.dlg;
    ClickPaper(d, 3);
    TypeMargin(d, 0, Loc(QStringLiteral("1")));
    Find<QCheckBox>(d, "chkLock")->click(); // bottom takes top
    QCOMPARE(Find<QComboBox>(d, QStringLiteral("cmbMargins_%1").arg(2))->currentText(),
             Loc(QStringLiteral("1")));
    QCOMPARE(Find<QLabel>(d, "lblSizeWithoutBorders")->text(),
             Loc(QStringLiteral("7.50 x 9.00 Inches")));
    Find<QPushButton>(d, "cmdApply")->click();
    QCOMPARE(f.poster.iWhMarginLocked, short(1));
    // A bad typed margin does not survive either button.
    TypeMargin(d, 1, QStringLiteral("abc"));
    Find<QPushButton>(d, "cmdBorderless")->click();
    QCOMPARE(MarginTexts(d), QStringList(4, Loc(QStringLiteral("0.00"))));
    TypeMargin(d, 1, QStringLiteral("xyz"));
    Find<QPushButton>(d, "cmdReset")->click();
    QCOMPARE(MarginTexts(d), QStringList(4, Loc(QStringLiteral("0.50"))));
    QCOMPARE(Find<QLabel>(d, "lblSizeWithoutBorders")->text(),
             Loc(QStringLiteral("7.50 x 10.00 Inches")));
    QVERIFY(f.messages.Messages().isEmpty());
    Shot(&d, QStringLiteral("paper_dialog"));
}

void TestDialogs::arrowKeyChoosesNextOffer() {
    PaperFixture f;
    frmTileSize& d = *f.dlg;
    ClickPaper(d, 3);
    QComboBox* top = Find<QComboBox>(d, QStringLiteral("cmbMargins_%1").arg(0));
    top->setFocus();
    QTest::keyClick(top, Qt::Key_Down);
    QCOMPARE(top->currentText(), Loc(QStringLiteral("0.51")));
    QCOMPARE(Find<QLabel>(d, "lblSizeWithoutBorders")->text(),
             Loc(QStringLiteral("7.50 x 9.99 Inches")));
    // The offers stay as they were: nothing chosen or typed is added to them.
    TypeMargin(d, 0, Loc(QStringLiteral("0.333")));
    QTest::keyClick(top->lineEdit(), Qt::Key_Return);
    QCOMPARE(top->count(), 201);
}

void TestDialogs::enterInMarginBoxPressesNoButton() {
    PaperFixture f;
    frmTileSize& d = *f.dlg;
    TypeMargin(d, 0, Loc(QStringLiteral("0.3")));
    QTest::keyClick(Find<QComboBox>(d, QStringLiteral("cmbMargins_%1").arg(0))->lineEdit(),
                    Qt::Key_Return);
    QTest::keyClick(Find<QLineEdit>(d, "txtWidth"), Qt::Key_Return);
    QVERIFY(d.isVisible());
    QCOMPARE(f.applied, 0);
}

void TestDialogs::applyHandsOver_data() {
    QTest::addColumn<bool>("mm");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("width");  // typed into the size boxes when not empty
    QTest::addColumn<QString>("margin"); // typed into all four boxes when not empty
    QTest::addColumn<QList<double>>("tileAndPaper");
    QTest::addColumn<QString>("line");
    QTest::newRow("Letter defaults")
        << false << 3 << ""
        << "" << QList<double>{7.5, 10, 8.5, 11}
        << "|0|Letter 8.5\" x 11\"|8.5|11|0.5|0.5|0.5|0.5|0.5|0.5|0.5|0.5|";
    QTest::newRow("custom mm") << true << 7 << "150"
                               << "10" << QList<double>{130, 190, 150, 210}
                               << "|1|Custom (mm)|150|210|12|12|12|12|10|10|10|10|";
}

void TestDialogs::applyHandsOver() {
    QFETCH(bool, mm);
    QFETCH(int, row);
    QFETCH(QString, width);
    QFETCH(QString, margin);
    QFETCH(QList<double>, tileAndPaper);
    QFETCH(QString, line);
    PaperFixture f;
    frmTileSize& d = *f.dlg;
    if (mm)
        Find<QRadioButton>(d, "opbMm")->click();
    ClickPaper(d, row);
    if (!width.isEmpty())
        Type(Find<QLineEdit>(d, "txtWidth"), Loc(width));
    if (!margin.isEmpty())
        for (int side = 0; side < kMarginCount; ++side)
            TypeMargin(d, side, Loc(margin));
    Find<QPushButton>(d, "cmdApply")->click();
    QVERIFY(d.isVisible());
    QCOMPARE(f.applied, 1);
    QCOMPARE(f.poster.sPaperName, Find<QListWidget>(d, "lstPaperSize")->item(row)->text());
    QCOMPARE(f.poster.iCurUnits, mm ? kUnitMillimeters : kUnitInches);
    QCOMPARE((QList<double>{f.poster.dTileWidth, f.poster.dTileHeight, f.poster.dPaperWidth,
                            f.poster.dPaperHeight}),
             tileAndPaper);
    QCOMPARE(f.poster.getPaperRegLine(), Loc(line));
    QVERIFY(f.messages.Messages().isEmpty());

    // OK hands the same values on once more and closes; reopening restores the choice.
    Find<QPushButton>(d, "cmdOk")->click();
    QCOMPARE(f.applied, 2);
    QVERIFY(!d.isVisible());
    frmTileSize again(f.poster, f.messages);
    again.LoadFromPoster();
    QCOMPARE(Find<QRadioButton>(again, "opbMm")->isChecked(), mm);
    QCOMPARE(Find<QListWidget>(again, "lstPaperSize")->currentRow(), row);
}

// Shown from the main window: modal over it; Cancel and the close box change nothing.
void TestDialogs::showPaperDialog() {
    PosterState poster;
    poster.sPaperRegLine = kA4Line;
    poster.iWhMarginLocked = 1;
    RecordingMessageService messages;
    QWidget owner;
    owner.show();
    QList<PaperHandOver> received;
    const auto show = [&] {
        return frmTileSize::ShowPaperDialog(poster, messages, &owner,
                                            [&](const PaperHandOver& h) { received.append(h); });
    };
    for (const bool byCloseBox : {false, true}) {
        WhenModal<frmTileSize>([byCloseBox](frmTileSize* d) {
            Find<QRadioButton>(*d, "opbInches")->click();
            ClickPaper(*d, 5);
            Find<QCheckBox>(*d, "chkLock")->click();
            if (byCloseBox)
                d->close();
            else
                Find<QPushButton>(*d, "cmdCancel")->click();
        });
        QCOMPARE(show(), int(QDialog::Rejected));
    }
    QVERIFY(received.isEmpty());
    QCOMPARE(poster.getPaperRegLine(), kA4Line);
    QCOMPARE(poster.dTileWidth, 6.0);
    QCOMPARE(poster.iWhMarginLocked, short(1));
    bool wasModal = false;
    WhenModal<frmTileSize>([&](frmTileSize* d) {
        wasModal = d->isModal() && d->parentWidget() == &owner;
        ClickPaper(*d, 2);
        Find<QPushButton>(*d, "cmdOk")->click();
    });
    QCOMPARE(show(), int(QDialog::Accepted));
    QVERIFY(wasModal);
    QCOMPARE(received.size(), 1);
    QCOMPARE(poster.sPaperName, QStringLiteral("A6 - 105 x 148"));
    QCOMPARE(poster.dTileWidth, 124.0);
    QCOMPARE(poster.dTileHeight, 81.0);
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
    QTest::newRow("no app_dir") << true << true << false << false << "program";
    QTest::newRow("nowhere") << false << false << true << false << "";
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
    QVERIFY(messages.Messages().isEmpty() && help.isVisible());
    QVERIFY(
        Find<QTextBrowser>(help, "txtHelp")->toPlainText().contains(QStringLiteral("Start page")));
    QVERIFY(!Find<QToolButton>(help, "cmdBack")->isEnabled());

    QUrl second = QUrl::fromLocalFile(path);
    second.setFragment(QStringLiteral("two"));
    Find<QTextBrowser>(help, "txtHelp")->setSource(second);
    QVERIFY(Find<QToolButton>(help, "cmdBack")->isEnabled());
    // Opening again starts from the first page with no history.
    QVERIFY(help.OpenHelpFile(path, messages));
    QCOMPARE(Find<QTextBrowser>(help, "txtHelp")->source(), QUrl::fromLocalFile(path));
    QVERIFY(!Find<QToolButton>(help, "cmdBack")->isEnabled());
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
    const QString text = Find<QTextBrowser>(help, "txtHelp")->toPlainText();
    for (const char* topic : {"Step (1)", "Step (2)", "Step (3)", "Step (4)", "Edge Calibration",
                              "Determine Tile Print Size", "Save Images Now"})
        QVERIFY2(text.contains(QLatin1String(topic)), topic);
    help.resize(820, 680);
    Shot(&help, QStringLiteral("help_window"));
    Find<QTextBrowser>(help, "txtHelp")->scrollToAnchor(QStringLiteral("paper"));
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
    const QStringList v = QStringLiteral(TESSELLON_VERSION).split(u'.');
    QCOMPARE(Find<QLabel>(about, "lblVersion")->text(),
             QStringLiteral("Version ") + v[0] + u'.' + v[1] + v[2]);
    QVERIFY(Find<QLabel>(about, "lblDescription")
                ->text()
                .startsWith(QStringLiteral("This application creates")));
    QCOMPARE(Find<QPushButton>(about, "cmdSysInfo")->text(), QStringLiteral("System Info..."));
    for (QLabel* link : {Find<QLabel>(about, "lblHomePage"), Find<QLabel>(about, "lblSupport"),
                         Find<QLabel>(about, "lblPurchase")}) {
        QVERIFY(link->text().contains(QStringLiteral("href=\"http")));
        QVERIFY(link->openExternalLinks());
    }
    QVERIFY(messages.Messages().isEmpty());
    Shot(&about, QStringLiteral("about"));
    Find<QPushButton>(about, "cmdOk")->click();
    QVERIFY(!about.isVisible());
}

void TestDialogs::sysInfoShowsSystem() {
    RecordingMessageService messages;
    frmAbout about(messages);
    about.ShowAbout();
    Find<QPushButton>(about, "cmdSysInfo")->click();
    QVERIFY(messages.Messages().isEmpty());
    SysInfoWindow* info = about.SysInfo();
    QVERIFY(info);
    QVERIFY(info->isVisible());
    QVERIFY(!info->isModal());
    const QString text = info->Text();
    QVERIFY(text.startsWith(QStringLiteral("Operating system: ")));
    QCOMPARE(Find<QPlainTextEdit>(*info, "txtInfo")->toPlainText(), text);
    QVERIFY(Find<QPlainTextEdit>(*info, "txtInfo")->isReadOnly());
    QVERIFY(Find<QPlainTextEdit>(*info, "txtInfo")->textInteractionFlags() &
            Qt::TextSelectableByMouse);

    // A second click reuses the window.
    Find<QPushButton>(about, "cmdSysInfo")->click();
    QCOMPARE(about.SysInfo(), info);

    if (QClipboard* clip = QGuiApplication::clipboard()) {
        clip->clear();
        Find<QPushButton>(*info, "cmdCopy")->click();
        if (!clip->text().isEmpty()) // not every platform has a clipboard
            QCOMPARE(clip->text(), text);
    }
    Shot(info, QStringLiteral("system_info"));
    Find<QPushButton>(*info, "cmdClose")->click();
    QVERIFY(!info->isVisible());
}

// The report marks what is not known; with nothing known there is no report, only a message.
void TestDialogs::sysInfoReportAndUnavailable() {
    SystemInfo info;
    info.productName = QStringLiteral("Some OS 1");
    info.kernelType = QStringLiteral("linux");
    info.qtRuntime = QStringLiteral("6.4.2");
    QVERIFY(info.IsAvailable());
    QCOMPARE(info.Report(),
             QStringLiteral("Operating system: Some OS 1\nKernel: linux (unknown)\nCPU "
                            "architecture: (unknown)\nBuilt for: (unknown) ((unknown))\nQt "
                            "version: 6.4.2 (built with (unknown))\n"));
    RecordingMessageService messages;
    frmAbout about(messages);
    info.productName.clear();
    info.kernelType = QStringLiteral("unknown");
    QVERIFY(!info.IsAvailable());
    QVERIFY(!about.StartSysInfo(info));
    QCOMPARE(about.SysInfo(), nullptr);
    QCOMPARE(messages.Messages().size(), 1);
    QCOMPARE(messages.Messages().first().kind, Kind::Information);
    QCOMPARE(messages.Messages().first().text,
             QStringLiteral("System Information Is Unavailable At This Time"));
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
