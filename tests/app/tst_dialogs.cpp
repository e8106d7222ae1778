#include "app/frm_about.h"
#include "app/frm_tile_size.h"
#include "app/help_locator.h"
#include "app/help_window.h"
#include "app/sys_info_window.h"
#include "app/system_info.h"
#include "layout/poster_state.h"
#include "tests/app/app_test_support.h"

#include <QPlainTextEdit>
#include <QRegularExpression>

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
    // --- Paper dialog: the model's own rules are tested with the model ---
    // The lock is ticked before the line loads, so the line's own margins win.
    void paperOpensFromPoster_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<short>("locked");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("margins");
        QTest::addColumn<QString>("withoutBorders");
        QTest::newRow("A4 from the line")
            << kA4Line << short(0) << 4 << QStringList(4, "12.0") << "186.0 x 273.0 mm";
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
        QCOMPARE(d.windowTitle(), "Determine Tile Print Size");
        QCOMPARE(Find<QRadioButton>(d, "opbMm")->isChecked(), withoutBorders.endsWith(u"mm"));
        QCOMPARE(Find<QListWidget>(d, "lstPaperSize")->currentRow(), row);
        for (QString& m : margins)
            m = Loc(m);
        QCOMPARE(MarginTexts(d), margins);
        QCOMPARE(Find<QCheckBox>(d, "chkLock")->isChecked(), locked != 0);
        QCOMPARE(f.Without(), Loc(withoutBorders));
        QCOMPARE(f.applied, 0);
        Shot(f.dlg.get(), QStringLiteral("paper_dialog_") + QLatin1String(QTest::currentDataTag()));
    }

    // Every control reaches the model and the dialog shows the model's answer; an invalid
    // value is kept for the user to correct and told about when the user moves on.
    void controlsReachTheModel() {
        PaperFixture f;
        frmTileSize& d = *f.dlg;
        Click(d, "opbMm");
        QCOMPARE(Find<QListWidget>(d, "lstPaperSize")->count(), 8);
        QCOMPARE(Text(d, "lblMarginUnits"), "(Margin sizes in MILLIMETERS)");
        Click(d, "opbInches");
        ClickPaper(d, 3); // Letter, half-inch margins
        QCOMPARE(f.Without(), Loc("7.50 x 10.00 Inches"));
        Type(Margin(d, 0)->lineEdit(), Loc("1"));
        QCOMPARE(f.Without(), Loc("7.50 x 9.50 Inches"));
        Click(d, "chkLock"); // bottom takes top
        QCOMPARE(f.Without(), Loc("7.50 x 9.00 Inches"));
        Click(d, "cmdBorderless");
        QCOMPARE(MarginTexts(d), QStringList(4, Loc("0.00")));
        Click(d, "cmdReset");
        QCOMPARE(MarginTexts(d), QStringList(4, Loc("0.50")));
        ClickPaper(d, PaperModel::iLastInchPreset);
        Type(Find<QLineEdit>(d, "txtWidth"), Loc("0.5"));
        QCOMPARE(f.Without(), "Invalid margin size selected");
        QVERIFY(f.messages.Messages().isEmpty());
        ClickPaper(d, 0);
        QCOMPARE(Titles(f.messages), QStringList{"Invalid Values Entered"});
        QCOMPARE(Find<QListWidget>(d, "lstPaperSize")->currentRow(), PaperModel::iLastInchPreset);
        QCOMPARE(Text(d, "txtWidth"), Loc("0.5"));
        QCOMPARE(f.applied, 0);
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

    // Apply hands the values to the poster and stays; OK does the same and closes; reopening
    // shows the choice. Invalid values are told about, and OK closes all the same.
    void applyAndOkHandOver() {
        PaperFixture f;
        frmTileSize& d = *f.dlg;
        Click(d, "opbMm");
        ClickPaper(d, 7);
        Type(Find<QLineEdit>(d, "txtWidth"), Loc("150"));
        for (int side = 0; side < kMarginCount; ++side)
            Type(Margin(d, side)->lineEdit(), Loc("10"));
        Click(d, "cmdApply");
        QVERIFY(d.isVisible());
        QCOMPARE(f.applied, 1);
        QCOMPARE(f.poster.sPaperName, "Custom (mm)");
        QCOMPARE((QList<double>{f.poster.dTileWidth, f.poster.dTileHeight, f.poster.dPaperWidth,
                                f.poster.dPaperHeight}),
                 (QList<double>{130, 190, 150, 210}));
        QCOMPARE(f.poster.getPaperRegLine(),
                 Loc("|1|Custom (mm)|150|210|12|12|12|12|10|10|10|10|"));
        Type(Margin(d, 2)->lineEdit(), Loc("-1"));
        Click(d, "cmdApply");
        QVERIFY(d.isVisible());
        QCOMPARE(f.messages.Messages().size(), 1);
        QCOMPARE(f.messages.Messages().first().text,
                 "Invalid margin value - can't be less than zero");
        QCOMPARE(Margin(d, 2)->currentText(), Loc("-1"));
        Click(d, "cmdOk");
        QCOMPARE(f.messages.Messages().size(), 2);
        QVERIFY(!d.isVisible());
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(f.applied, 3);
        QCOMPARE(f.poster.dTileHeight, 190.0); // "-" on the way to "-1" was no valid margin
        frmTileSize again(f.poster, f.messages);
        again.LoadFromPoster();
        QVERIFY(Find<QRadioButton>(again, "opbMm")->isChecked());
        QCOMPARE(Find<QListWidget>(again, "lstPaperSize")->currentRow(), 7);
    }

    // --- Help ---
    // The program's folder is PREFIX/bin; an installed program finds the file in
    // PREFIX/share/tessellon.
    void helpSearch_data() {
        QTest::addColumn<bool>("inAppDir");
        QTest::addColumn<QString>("atProgram"); // where the file is under PREFIX, if anywhere
        QTest::addColumn<int>("appDir");        // 0 none, 1 the folder, 2 with a slash
        QTest::addColumn<QString>("expected");  // "app", the program's copy, or ""
        QTest::newRow("app_dir first") << true << "bin" << 1 << "app";
        QTest::newRow("app_dir with slash") << true << "" << 2 << "app";
        QTest::newRow("absent in app_dir") << false << "bin" << 1 << "bin";
        QTest::newRow("no app_dir") << true << "bin" << 0 << "bin";
        QTest::newRow("installed") << false << "share/tessellon" << 1 << "share/tessellon";
        QTest::newRow("nowhere") << false << "" << 1 << "";
    }
    void helpSearch() {
        QFETCH(bool, inAppDir);
        QFETCH(QString, atProgram);
        QFETCH(int, appDir);
        QFETCH(QString, expected);
        QTemporaryDir app, prefix;
        const QString name = HelpLocator::HelpFileName();
        if (inAppDir)
            WriteFile(app.filePath(name));
        else // a folder of that name is no help file
            QVERIFY(QDir(app.path()).mkdir(name));
        QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
        if (!atProgram.isEmpty() && QDir(prefix.path()).mkpath(atProgram))
            WriteFile(prefix.filePath(atProgram + u'/' + name));
        const QString found = HelpLocator::GetHelpFilePath(
            appDir ? app.path() + QString(appDir - 1, u'/') : QString(), prefix.filePath("bin"));
        const QString where = expected == u"app" ? app.path() : prefix.filePath(expected);
        QCOMPARE(QFileInfo(found).canonicalFilePath(),
                 expected.isEmpty() ? QString()
                                    : QFileInfo(where + u'/' + name).canonicalFilePath());
        QCOMPARE(HelpLocator::IsMissing(found), expected.isEmpty());
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
        for (const char* topic : {"Step (1)", "Step (4)", "Edge Calibration", "Save Images Now"})
            QVERIFY2(html.contains(QLatin1String(topic)), topic);
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
        // reuses the window.
        Click(about, "cmdSysInfo");
        SysInfoWindow* info = about.SysInfo();
        QVERIFY(info && info->isVisible() && !info->isModal());
        QVERIFY(info->Text().startsWith(QStringLiteral("Operating system: ")));
        auto* shown = Find<QPlainTextEdit>(*info, "txtInfo");
        QCOMPARE(shown->toPlainText(), info->Text());
        QVERIFY(shown->isReadOnly() && shown->textInteractionFlags() & Qt::TextSelectableByMouse);
        Click(about, "cmdSysInfo");
        QCOMPARE(about.SysInfo(), info);
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
