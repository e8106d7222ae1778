#include "app/frm_about.h"
#include "app/frm_tile_size.h"
#include "app/help_locator.h"
#include "app/help_window.h"
#include "app/sys_info_window.h"
#include "app/system_info.h"
#include "layout/poster_state.h"
#include "tests/app/app_test_support.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBrowser>

using namespace tessellon;
using namespace tessellon::testing;

namespace {

const QString kA4Line = QStringLiteral("|1|A4 - 210 x 297|999|999|0|0|0|0|12|12|12|12|");

// Types into a line edit the way a user does: select all, then the keys.
void Type(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

QComboBox* Margin(const frmTileSize& d, int side) {
    return Find<QComboBox>(d, QStringLiteral("cmbMargins_%1").arg(side));
}

QStringList MarginTexts(const frmTileSize& d) {
    QStringList texts;
    for (int side = 0; side < kMarginCount; ++side)
        texts.append(Margin(d, side)->currentText());
    return texts;
}

void ClickPaper(const frmTileSize& d, int row) {
    auto* list = Find<QListWidget>(d, "lstPaperSize");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

// The dialog shown over a poster state, loaded the way the main window opens it.
struct PaperFixture {
    PosterState poster;
    RecordingMessageService messages;
    std::unique_ptr<frmTileSize> dlg;
    int applied = 0;

    explicit PaperFixture(const QString& regLine = {}, short locked = 0) {
        poster.sPaperRegLine = regLine;
        poster.iWhMarginLocked = locked;
        dlg = std::make_unique<frmTileSize>(poster, messages);
        QObject::connect(dlg.get(), &frmTileSize::paperValuesApplied, [this] { ++applied; });
        dlg->LoadFromPoster();
        dlg->show();
        QVERIFY(QTest::qWaitForWindowExposed(dlg.get()));
    }
    QString Without() const { return Text(*dlg, "lblSizeWithoutBorders"); }
};

void WriteFile(const QString& path, const QByteArray& content = "<html><body>x</body></html>") {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(content) == content.size());
}

} // namespace

class TestDialogs : public QObject {
    Q_OBJECT

private slots:
    // --- Paper dialog ---
    void paperOpensFromPoster_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<short>("locked");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("margins");
        QTest::addColumn<QString>("withoutBorders");
        QTest::newRow("first start")
            << QString() << short(0) << 0 << QStringList(4, "0.00") << "6.00 x 4.00 Inches";
        QTest::newRow("A4 from the line")
            << kA4Line << short(0) << 4 << QStringList(4, "12.0") << "186.0 x 273.0 mm";
        // The lock is ticked before the line loads, so the line's own margins win.
        QTest::newRow("locked, uneven line")
            << QStringLiteral("|0|Letter 8.5\" x 11\"|8.5|11|0.5|0.5|0.5|0.5|1|0.5|0.25|0.75|")
            << short(1) << 3 << QStringList{"1.00", "0.50", "0.25", "0.75"} << "7.25 x 9.75 Inches";
    }
    void paperOpensFromPoster() {
        QFETCH(QString, line);
        QFETCH(short, locked);
        QFETCH(int, row);
        QFETCH(QStringList, margins);
        QFETCH(QString, withoutBorders);
        PaperFixture f(line, locked);
        const frmTileSize& d = *f.dlg;
        const bool mm = withoutBorders.endsWith(u"mm");
        QCOMPARE(d.windowTitle(), "Determine Tile Print Size");
        QCOMPARE(Margin(d, 3)->toolTip(), "Select or type left margin size");
        QCOMPARE(Find<QRadioButton>(d, "opbMm")->isChecked(), mm);
        QCOMPARE(Find<QListWidget>(d, "lstPaperSize")->count(), mm ? 8 : 7);
        QCOMPARE(Find<QListWidget>(d, "lstPaperSize")->currentRow(), row);
        for (QString& m : margins)
            m = Loc(m);
        QCOMPARE(MarginTexts(d), margins);
        QCOMPARE(Find<QCheckBox>(d, "chkLock")->isChecked(), locked != 0);
        QCOMPARE(f.Without(), Loc(withoutBorders));
        QCOMPARE(Text(d, "lblMarginUnits"),
                 mm ? "(Margin sizes in MILLIMETERS)" : "(Margin sizes in INCHES)");
        QCOMPARE(Margin(d, 3)->count(), mm ? 102 : 201);
        QVERIFY(f.messages.Messages().isEmpty());
        QCOMPARE(f.applied, 0);
        Shot(f.dlg.get(), QStringLiteral("paper_dialog_") + QLatin1String(QTest::currentDataTag()));
    }

    // Every control reaches the model and the dialog shows the model's answer; an invalid
    // value is kept for the user to correct and told about only when the user moves on.
    void editingShowsTheModel() {
        PaperFixture f;
        frmTileSize& d = *f.dlg;
        auto* width = Find<QLineEdit>(d, "txtWidth");
        ClickPaper(d, PaperModel::iLastInchPreset);
        Type(width, Loc("0.5"));
        QCOMPARE(f.Without(), "Invalid margin size selected");
        QCOMPARE(Text(d, "lblSizeWithBorders"), Loc("4.00 x 6.00 Inches")); // last valid sheet
        QVERIFY(f.messages.Messages().isEmpty());
        ClickPaper(d, 0);
        QCOMPARE(Titles(f.messages), QStringList{"Invalid Values Entered"});
        QCOMPARE(Find<QListWidget>(d, "lstPaperSize")->currentRow(), PaperModel::iLastInchPreset);
        QCOMPARE(width->text(), Loc("0.5"));
        Type(width, Loc("5"));
        QCOMPARE(f.Without(), Loc("4.00 x 5.00 Inches"));
        ClickPaper(d, 3);
        Type(Margin(d, 0)->lineEdit(), Loc("1"));
        Click(d, "chkLock"); // bottom takes top
        QCOMPARE(Margin(d, 2)->currentText(), Loc("1"));
        QCOMPARE(f.Without(), Loc("7.50 x 9.00 Inches"));
        // A bad typed margin does not survive either button.
        Type(Margin(d, 1)->lineEdit(), QStringLiteral("abc"));
        Click(d, "cmdBorderless");
        QCOMPARE(MarginTexts(d), QStringList(4, Loc("0.00")));
        Type(Margin(d, 1)->lineEdit(), QStringLiteral("xyz"));
        Click(d, "cmdReset");
        QCOMPARE(MarginTexts(d), QStringList(4, Loc("0.50")));
        QCOMPARE(f.Without(), Loc("7.50 x 10.00 Inches"));
        QCOMPARE(f.messages.Messages().size(), 1);
        QCOMPARE(f.applied, 0);
    }

    // Accepting invalid values tells why; Apply keeps the dialog open, OK closes it.
    void acceptingInvalidValues() {
        PaperFixture f;
        frmTileSize& d = *f.dlg;
        ClickPaper(d, 3);
        Type(Margin(d, 2)->lineEdit(), Loc("-0.1"));
        Click(d, "cmdApply");
        QVERIFY(d.isVisible());
        QCOMPARE(f.messages.Messages().size(), 1);
        QCOMPARE(f.messages.Messages().first().text,
                 "Invalid margin value - can't be less than zero");
        QCOMPARE(Margin(d, 2)->currentText(), Loc("-0.1"));
        // OK tells the same and closes all the same, handing on the last valid values.
        Click(d, "cmdOk");
        QCOMPARE(f.messages.Messages().size(), 2);
        QVERIFY(!d.isVisible());
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(f.applied, 2);
        QCOMPARE(f.poster.dTileHeight, 10.5); // "-0" on the way to "-0.1" was a valid margin
    }

    // The arrow keys step through the offers without adding to them; Enter presses no button.
    void keyboardInTheMarginBoxes() {
        PaperFixture f;
        frmTileSize& d = *f.dlg;
        ClickPaper(d, 3);
        QComboBox* top = Margin(d, 0);
        top->setFocus();
        QTest::keyClick(top, Qt::Key_Down);
        QCOMPARE(top->currentText(), Loc("0.51"));
        QCOMPARE(f.Without(), Loc("7.50 x 9.99 Inches"));
        Type(top->lineEdit(), Loc("0.333"));
        QTest::keyClick(top->lineEdit(), Qt::Key_Return);
        QTest::keyClick(Find<QLineEdit>(d, "txtWidth"), Qt::Key_Return);
        QCOMPARE(top->count(), 201);
        QVERIFY(d.isVisible());
        QCOMPARE(f.applied, 0);
    }

    void applyHandsOver_data() {
        QTest::addColumn<bool>("mm");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("width");  // typed into the size box when not empty
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
    void applyHandsOver() {
        QFETCH(bool, mm);
        QFETCH(int, row);
        QFETCH(QString, width);
        QFETCH(QString, margin);
        QFETCH(QList<double>, tileAndPaper);
        QFETCH(QString, line);
        PaperFixture f;
        frmTileSize& d = *f.dlg;
        if (mm)
            Click(d, "opbMm");
        ClickPaper(d, row);
        if (!width.isEmpty())
            Type(Find<QLineEdit>(d, "txtWidth"), Loc(width));
        for (int side = 0; side < kMarginCount && !margin.isEmpty(); ++side)
            Type(Margin(d, side)->lineEdit(), Loc(margin));
        Click(d, "cmdApply");
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
        Click(d, "cmdOk");
        QCOMPARE(f.applied, 2);
        QVERIFY(!d.isVisible());
        frmTileSize again(f.poster, f.messages);
        again.LoadFromPoster();
        QCOMPARE(Find<QRadioButton>(again, "opbMm")->isChecked(), mm);
        QCOMPARE(Find<QListWidget>(again, "lstPaperSize")->currentRow(), row);
    }

    // Shown from the main window: modal over it; Cancel and the close box change nothing.
    void showPaperDialog() {
        PosterState poster;
        poster.sPaperRegLine = kA4Line;
        poster.iWhMarginLocked = 1;
        RecordingMessageService messages;
        QWidget owner;
        owner.show();
        int received = 0;
        const auto show = [&] {
            return frmTileSize::ShowPaperDialog(poster, messages, &owner,
                                                [&](const PaperHandOver&) { ++received; });
        };
        for (const bool byCloseBox : {false, true}) {
            WhenModal<frmTileSize>([byCloseBox](frmTileSize* d) {
                Click(*d, "opbInches");
                ClickPaper(*d, 5);
                Click(*d, "chkLock");
                byCloseBox ? void(d->close()) : Click(*d, "cmdCancel");
            });
            QCOMPARE(show(), int(QDialog::Rejected));
        }
        QCOMPARE(received, 0);
        QCOMPARE(poster.getPaperRegLine(), kA4Line);
        QCOMPARE(poster.dTileWidth, 6.0);
        QCOMPARE(poster.iWhMarginLocked, short(1));
        bool wasModal = false;
        WhenModal<frmTileSize>([&](frmTileSize* d) {
            wasModal = d->isModal() && d->parentWidget() == &owner;
            ClickPaper(*d, 2);
            Click(*d, "cmdOk");
        });
        QCOMPARE(show(), int(QDialog::Accepted));
        QVERIFY(wasModal);
        QCOMPARE(received, 1);
        QCOMPARE(poster.sPaperName, "A6 - 105 x 148");
        QCOMPARE(poster.dTileWidth, 124.0);
        QCOMPARE(poster.dTileHeight, 81.0);
    }

    // --- Help ---
    void helpSearch_data() {
        QTest::addColumn<bool>("inAppDir");
        QTest::addColumn<bool>("besideProgram");
        QTest::addColumn<QString>("appDir");   // "" none, "x" the folder, "x/" with a slash
        QTest::addColumn<QString>("expected"); // "app", "program" or ""
        QTest::newRow("app_dir first") << true << true << "x"
                                       << "app";
        QTest::newRow("app_dir with slash") << true << false << "x/"
                                            << "app";
        QTest::newRow("absent in app_dir") << false << true << "x"
                                           << "program";
        QTest::newRow("no app_dir") << true << true << ""
                                    << "program";
        QTest::newRow("nowhere") << false << false << "x"
                                 << "";
    }
    void helpSearch() {
        QFETCH(bool, inAppDir);
        QFETCH(bool, besideProgram);
        QFETCH(QString, appDir);
        QFETCH(QString, expected);
        QTemporaryDir app, program;
        const QString name = HelpLocator::HelpFileName();
        if (inAppDir)
            WriteFile(app.filePath(name));
        else // a folder of that name is no help file
            QVERIFY(QDir(app.path()).mkdir(name));
        if (besideProgram)
            WriteFile(program.filePath(name));
        const QString found = HelpLocator::GetHelpFilePath(
            appDir.isEmpty() ? QString() : appDir.replace(u'x', app.path()), program.path());
        QCOMPARE(found, expected.isEmpty()   ? QString()
                        : expected == u"app" ? app.filePath(name)
                                             : program.filePath(name));
        QCOMPARE(HelpLocator::IsMissing(found), expected.isEmpty());
    }

    // An installed program in PREFIX/bin finds the help file in PREFIX/share/tessellon.
    void helpSearchInstalled() {
        QTemporaryDir prefix;
        QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
        QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("share/tessellon")));
        const QString help = prefix.filePath(QStringLiteral("share/tessellon/tessellon_help.html"));
        WriteFile(help);
        const QString found = HelpLocator::GetHelpFilePath(QString(), prefix.filePath("bin"));
        QCOMPARE(QFileInfo(found).canonicalFilePath(), QFileInfo(help).canonicalFilePath());
    }

    // The build puts the help file beside the program; every picture and every link inside
    // the file must lead somewhere.
    void shippedHelpFileComplete() {
        const QString path =
            HelpLocator::GetHelpFilePath(QString(), QStringLiteral(TESSELLON_BUILD_DIR));
        QVERIFY2(!path.isEmpty(), "help file not copied beside the program");
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(f.readAll());
        static const QRegularExpression img(QStringLiteral("<img[^>]*src=\"([^\"]+)\""));
        int pictures = 0;
        for (const auto& m : img.globalMatch(html)) {
            const QString file = QFileInfo(path).dir().filePath(m.captured(1));
            QVERIFY2(QImage(file).width() > 100, qPrintable(file));
            ++pictures;
        }
        QVERIFY(pictures >= 1);
        static const QRegularExpression anchor(QStringLiteral("href=\"#([^\"]+)\""));
        for (const auto& m : anchor.globalMatch(html))
            QVERIFY2(html.contains(QStringLiteral("id=\"%1\"").arg(m.captured(1))) ||
                         html.contains(QStringLiteral("name=\"%1\"").arg(m.captured(1))),
                     qPrintable(m.captured(1)));
        RecordingMessageService messages;
        HelpWindow help;
        QVERIFY(help.OpenHelpFile(path, messages));
        const QString text = Find<QTextBrowser>(help, "txtHelp")->toPlainText();
        for (const char* topic : {"Step (1)", "Step (4)", "Edge Calibration", "Save Images Now"})
            QVERIFY2(text.contains(QLatin1String(topic)), topic);
        help.resize(820, 680);
        Shot(&help, QStringLiteral("help_window"));
    }

    // --- About ---
    void aboutAndSystemInformation() {
        RecordingMessageService messages;
        frmAbout about(messages);
        about.ShowAbout();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QVERIFY(!about.isModal());
        QCOMPARE(about.windowTitle(), "Tessellon");
        const QStringList v = QStringLiteral(TESSELLON_VERSION).split(u'.');
        QCOMPARE(Text(about, "lblVersion"), QStringLiteral("Version ") + v[0] + u'.' + v[1] + v[2]);
        for (const char* link : {"lblHomePage", "lblSupport", "lblPurchase"}) {
            QVERIFY(Text(about, link).contains(QStringLiteral("href=\"http")));
            QVERIFY(Find<QLabel>(about, link)->openExternalLinks());
        }
        Shot(&about, QStringLiteral("about"));
        // The system information opens modeless, read-only, selectable; a second click
        // reuses the window, and Copy puts the text on the clipboard.
        Click(about, "cmdSysInfo");
        SysInfoWindow* info = about.SysInfo();
        QVERIFY(info && info->isVisible() && !info->isModal());
        QVERIFY(info->Text().startsWith(QStringLiteral("Operating system: ")));
        auto* shown = Find<QPlainTextEdit>(*info, "txtInfo");
        QCOMPARE(shown->toPlainText(), info->Text());
        QVERIFY(shown->isReadOnly() && shown->textInteractionFlags() & Qt::TextSelectableByMouse);
        Click(about, "cmdSysInfo");
        QCOMPARE(about.SysInfo(), info);
        if (QClipboard* clip = QGuiApplication::clipboard()) {
            clip->clear();
            Click(*info, "cmdCopy");
            if (!clip->text().isEmpty()) // not every platform has a clipboard
                QCOMPARE(clip->text(), info->Text());
        }
        Click(*info, "cmdClose");
        QVERIFY(!info->isVisible());
        QVERIFY(messages.Messages().isEmpty());
        Click(about, "cmdOk");
        QVERIFY(!about.isVisible());
    }

    // The report marks what is not known; with nothing known there is no report, only a message.
    void sysInfoReportAndUnavailable() {
        SystemInfo info;
        info.productName = QStringLiteral("Some OS 1");
        info.kernelType = QStringLiteral("linux");
        info.qtRuntime = QStringLiteral("6.4.2");
        QVERIFY(info.IsAvailable());
        QCOMPARE(info.Report(), "Operating system: Some OS 1\nKernel: linux (unknown)\nCPU "
                                "architecture: (unknown)\nBuilt for: (unknown) ((unknown))\nQt "
                                "version: 6.4.2 (built with (unknown))\n");
        RecordingMessageService messages;
        frmAbout about(messages);
        info.productName.clear();
        info.kernelType = QStringLiteral("unknown");
        QVERIFY(!info.IsAvailable());
        QVERIFY(!about.StartSysInfo(info));
        QCOMPARE(about.SysInfo(), nullptr);
        QCOMPARE(messages.Messages().size(), 1);
        QCOMPARE(messages.Messages().first().kind, RecordingMessageService::Kind::Information);
        QCOMPARE(messages.Messages().first().text,
                 "System Information Is Unavailable At This Time");
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
