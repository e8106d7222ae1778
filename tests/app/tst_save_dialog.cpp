#include "app/frm_msg.h"
#include "app/frm_msgbox_yes_no.h"
#include "app/frm_save_tiles.h"
#include "app/frm_simple_msg.h"
#include "app/link_label.h"
#include "app/picture_box.h"
#include "app/qt_message_service.h"
#include "layout/poster_state.h"
#include "tests/app/app_test_support.h"
#include "tests/support/export_test_support.h"

using namespace tessellon;
using namespace tessellon::testing;
using Answer = MessageService::Answer;
using Status = SaveOutcome::Status;

namespace {

// Runs `action` from the event loop each time it turns until it returns true; the progress
// window's yields are where it gets its turns during a save.
struct EachTurn : QTimer {
    explicit EachTurn(std::function<bool()> action) {
        connect(this, &QTimer::timeout, [this, action] {
            if (action())
                stop();
        });
        start(0);
    }
};

QString Native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// A save dialog over a pattern image in a fresh folder, with tiles of 6 x 4 inches (60 x 40
// pixels each), opened for `fileName`.
struct SaveFixture {
    QTemporaryDir tmp;
    QString folder = QDir::cleanPath(tmp.path());
    PosterState poster;
    RecordingMessageService messages;
    frmSaveTiles dlg{messages};

    explicit SaveFixture(int tilesWide = 2, int tilesHigh = 2, double tileWidth = 6) {
        poster.lImgWidth = 60 * tilesWide;
        poster.lImgHeight = 40 * tilesHigh;
        poster.bImgSelected = true;
        poster.dTileWidth = tileWidth;
        poster.SelectTilesWide(tilesWide - 1);
        poster.SelectTilesHigh(tilesHigh - 1);
        dlg.SetThreadCount(2);
        dlg.SetFreeSpaceQuery([](const QString&) { return std::optional<qint64>(); });
        dlg.SuccessWindow()->SetFolderOpener([](const QString&) {});
    }
    bool Open(const QString& fileName) {
        const ImageObject image = PatternImage(poster.lImgWidth, poster.lImgHeight);
        return dlg.OpenFor(
            poster, [image] { return image; }, folder, fileName);
    }
    QStringList Files(const QString& sub = QStringLiteral("a_poster_images")) const {
        return QDir(folder + u'/' + sub).entryList(QDir::Files, QDir::Name);
    }
    QString Path() const { return Text(dlg, "lblPath"); }
    void Save() { Click(dlg, "cmdSaveNow"); }
    Status Outcome() const { return dlg.LastOutcome()->status; }
};

} // namespace

class TestSaveDialog : public QObject {
    Q_OBJECT

private slots:
    // The file the poster is made of, the format option the user clicks (if any), and the
    // extension of the tiles.
    void proposalsAndSaving_data() {
        QTest::addColumn<QStringList>("choice");
        QTest::newRow("jpg") << QStringList{"a.jpg", "", ".jpg"};
        QTest::newRow("tif, BMP chosen") << QStringList{"scan.tif", "opbBmp", ".bmp"};
        QTest::newRow("bmp") << QStringList{"old.BMP", "", ".bmp"};
        QTest::newRow("pdf chosen") << QStringList{"a.jpg", "opbPdf", ".pdf"};
    }
    // The dialog proposes names and the format of the chosen file (the opening rules' own tests
    // hold every case); saving writes the tiles in a new folder, or the PDF straight into the
    // chosen one under the base name, closes the dialog and links what it made.
    void proposalsAndSaving() {
        QFETCH(QStringList, choice);
        const QString &fileName = choice[0], &chosen = choice[1], &extension = choice[2];
        const bool pdf = extension == u".pdf";
        const QString base = fileName.section(u'.', 0, 0) + u'_';
        const QString newFolder = base + QStringLiteral("poster_images");
        SaveFixture f;
        QVERIFY(f.Open(fileName));
        QVERIFY(QTest::qWaitForWindowExposed(&f.dlg));
        QCOMPARE(f.dlg.windowTitle(), "Save Poster Image Files");
        QCOMPARE(Text(f.dlg, "txtBaseFileName"), base);
        QCOMPARE(Text(f.dlg, "txtNewFolderName"), newFolder);
        QCOMPARE(f.dlg.DirTilePath(), f.folder);
        const QString made =
            f.folder + u'/' + (pdf ? base + QStringLiteral("poster.pdf") : newFolder);
        QVERIFY2(made.size() < 55, "temporary folder too long for a one-line label");
        if (!chosen.isEmpty())
            Click(f.dlg, qPrintable(chosen));
        QCOMPARE(f.Path(), Native(pdf ? made : made + u'/'));
        QCOMPARE(Find<QWidget>(f.dlg, "txtNewFolderName")->isEnabled(), !pdf);
        f.Save();
        QVERIFY(f.messages.Messages().isEmpty());
        QCOMPARE(f.Outcome(), Status::Saved);
        QCOMPARE(QDir(f.folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{QFileInfo(made).fileName()});
        QStringList files;
        for (int n = 1; n <= 4 && !pdf; ++n)
            files.append(base + QStringLiteral("00%1").arg(n) + extension);
        QCOMPARE(f.Files(newFolder), files);
        // Tile 4 is the bottom right quarter of the pattern (its pixels: the saver's tests).
        if (!pdf)
            QCOMPARE(QImage(made + u'/' + files.last()).size(), QSize(60, 40));
        QVERIFY(!f.dlg.isVisible() && !f.dlg.ProgressWindow()->isVisible() &&
                f.dlg.SuccessWindow()->isVisible());
        QCOMPARE(Find<LinkLabel>(*f.dlg.SuccessWindow(), "lnkFol")->Target(), made);
    }

    // Refused (the reasons: the opening rules' tests), the dialog stays closed with a message.
    // Close closes without saving; an existing folder answered No closes without saving.
    void refusedOpeningCloseAndDeclined() {
        SaveFixture refused(2, 2, 60);
        QVERIFY(!refused.Open(QStringLiteral("a.jpg")));
        QVERIFY(!refused.dlg.isVisible());
        QCOMPARE(Titles(refused.messages), QStringList{"Invalid Tile Print Size Entered"});
        SaveFixture f;
        QVERIFY(f.Open(QStringLiteral("a.jpg")));
        Click(f.dlg, "cmdClose");
        QVERIFY(!f.dlg.isVisible() && !f.dlg.LastOutcome());
        QVERIFY(!QFileInfo::exists(f.folder + QStringLiteral("/a_poster_images")));
        QVERIFY(f.Open(QStringLiteral("a.jpg")));
        QVERIFY(QDir(f.folder).mkdir(QStringLiteral("a_poster_images")));
        f.messages.QueueAnswer(Answer::No);
        f.Save();
        QCOMPARE(Titles(f.messages), QStringList{"Folder Exists"});
        QVERIFY(f.Files().isEmpty());
        QCOMPARE(f.Outcome(), Status::Declined);
        QVERIFY(!f.dlg.isVisible() && !f.dlg.SuccessWindow()->isVisible());
    }

    // The label follows the folder name and the folder, not the base name.
    void folderLabelAndDrive() {
        SaveFixture f;
        QVERIFY(f.Open(QStringLiteral("a.jpg")));
        QTest::keyClicks(Find<QLineEdit>(f.dlg, "txtNewFolderName"), QStringLiteral("X"));
        QTest::keyClicks(Find<QLineEdit>(f.dlg, "txtBaseFileName"), QStringLiteral("zz"));
        QCOMPARE(f.Path(), Native(f.folder + QStringLiteral("/a_poster_imagesX/")));
        QVERIFY(QDir(f.folder).mkdir(QStringLiteral("sub")));
        QVERIFY(f.dlg.SetDirTilePath(f.folder + QStringLiteral("/sub")));
        QCOMPARE(f.Path(), Native(f.folder + QStringLiteral("/sub/a_poster_imagesX/")));
        QCOMPARE(f.dlg.Request().folder, f.folder + QStringLiteral("/sub"));
        // A drive that cannot be opened is refused and the last good one chosen again; one
        // that opens becomes the folder.
        auto* drives = Find<QComboBox>(f.dlg, "drvTile");
        const QString goodDrive = drives->currentData().toString();
        QVERIFY(!goodDrive.isEmpty());
        drives->addItem(QStringLiteral("gone"), f.folder + QStringLiteral("/no_such_drive"));
        const auto choose = [drives](int index) {
            drives->setCurrentIndex(index);
            emit drives->activated(index);
        };
        choose(drives->count() - 1);
        QCOMPARE(Titles(f.messages), QStringList{"Invalid Drive"});
        QCOMPARE(f.messages.Messages().front().text, "The drive you chose could not be accessed.");
        QCOMPARE(drives->currentData().toString(), goodDrive);
        QCOMPARE(f.dlg.DirTilePath(), f.folder + QStringLiteral("/sub"));
        choose(drives->findData(goodDrive));
        QCOMPARE(f.messages.Messages().size(), 1);
        QCOMPARE(f.dlg.DirTilePath(), QDir::cleanPath(goodDrive));
    }

    // Each aid is offered for its file type; the overview image is saved only when ticked.
    void assemblyAidSwitches() {
        SaveFixture f;
        QVERIFY(f.Open(QStringLiteral("a.jpg")));
        const auto box = [&f](const char* name) { return Find<QAbstractButton>(f.dlg, name); };
        for (const char* pdfAid : {"chkLabels", "chkMarks", "chkOverview"})
            QVERIFY(box(pdfAid)->isChecked() && !box(pdfAid)->isEnabled());
        QVERIFY(!box("chkOverviewImage")->isChecked() && box("chkOverviewImage")->isEnabled());
        box("chkOverviewImage")->setChecked(true);
        f.Save();
        QCOMPARE(f.Files().last(), "a_overview.jpg");
        box("opbPdf")->setChecked(true);
        QVERIFY(box("chkLabels")->isEnabled() && !box("chkOverviewImage")->isEnabled());
        box("chkLabels")->setChecked(false);
        box("chkOverview")->setChecked(false);
        const AssemblyAids aids = f.dlg.Request().aids;
        QVERIFY(!aids.labels && aids.marks && !aids.overviewPage);
    }

    void cancelDuringSave() {
        SaveFixture f(3, 3);
        QVERIFY(f.Open(QStringLiteral("a.jpg")));
        frmMsg* progress = f.dlg.ProgressWindow();
        QString labelAfterCancel;
        EachTurn canceler([&] {
            if (!progress->isVisible() || !Find<QWidget>(*progress, "cmdCancel")->isVisible())
                return false;
            Click(*progress, "cmdCancel");
            labelAfterCancel = Text(*progress, "lblMsg");
            return true;
        });
        f.Save();
        QCOMPARE(labelAfterCancel, "canceling...");
        QCOMPARE(f.Outcome(), Status::Canceled);
        QCOMPARE(Titles(f.messages), QStringList{"Canceled"});
        // The tile in progress is finished, the rest not made (the saver's tests count them).
        QVERIFY(f.dlg.LastOutcome()->tilesWritten < 9);
        QVERIFY(!progress->isVisible() && !f.dlg.isVisible());
        QVERIFY(!f.dlg.SuccessWindow()->isVisible());
    }

    // A second press while the first save runs neither starts a run nor asks anything; the
    // main window turning the tiles meanwhile does not reach the tiles of this run.
    void saveDoesNotRunTwiceNorChangeOnTheWay() {
        SaveFixture f(3, 2);
        f.dlg.SetThreadCount(1);
        QVERIFY(f.Open(QStringLiteral("a.bmp")));
        std::optional<SaveOutcome> second;
        bool buttonEnabled = true;
        EachTurn again([&] {
            if (!f.dlg.ProgressWindow()->isVisible())
                return false;
            f.poster.bTileRotated = true;
            buttonEnabled = Find<QWidget>(f.dlg, "cmdSaveNow")->isEnabled();
            f.Save();
            second = f.dlg.SaveNow();
            return true;
        });
        f.Save();
        QVERIFY(second.has_value() && !buttonEnabled);
        QCOMPARE(second->tilesWritten, 0);
        QVERIFY(f.messages.Messages().isEmpty());
        QCOMPARE(f.Outcome(), Status::Saved);
        QCOMPARE(f.Files().size(), 6);
        for (const QString& name : f.Files())
            QCOMPARE(QImage(f.folder + QStringLiteral("/a_poster_images/") + name).size(),
                     QSize(60, 40));
        QVERIFY(Find<QWidget>(f.dlg, "cmdSaveNow")->isEnabled());
    }

    // The value is kept between 0 and 1 and drawn blue up to it; at 1 the window closes
    // itself. A cancel left over from an earlier run is cleared; the cancel button is taken
    // in; neither the close box nor Escape closes the window, its owner does.
    void progressWindow() {
        frmMsg msg;
        msg.bShowCancel = true;
        for (const auto& [value, stored] :
             QList<std::pair<double, double>>{{-0.25, 0}, {1.5, 1}, {1, 1}, {0.5, 0.5}}) {
            msg.bCanceled = true;
            msg.ShowProgressBar(QStringLiteral("Saving Images Now"));
            QVERIFY(!msg.bCanceled);
            QCOMPARE(msg.ProgressMode, frmMsg::kModeProgressBar);
            msg.SetProgressVal(value);
            QCOMPARE(msg.GetProgressVal(), stored);
            QCOMPARE(msg.isVisible(), stored < 1);
        }
        QCOMPARE(msg.windowTitle(), "Saving...");
        const QImage bar = Find<PictureBox>(msg, "picProgressBar")->Image();
        QCOMPARE(bar.size(), Find<QWidget>(msg, "picProgressBar")->size());
        QCOMPARE(bar.pixel(bar.width() / 2 - 2, bar.height() / 2), qRgb(0, 0, 255));
        QVERIFY(bar.pixel(bar.width() / 2 + 2, bar.height() / 2) != qRgb(0, 0, 255));
        msg.close(); // the cancel button is tried in a save
        QTest::keyClick(&msg, Qt::Key_Escape);
        QVERIFY(msg.isVisible());
        msg.Unload();
        QVERIFY(!msg.isVisible());
        QCOMPARE(msg.ProgressMode, frmMsg::kModeClosing);
        // Without the cancel button the window ends just below the bar.
        msg.bShowCancel = false;
        msg.ShowProgressBar(QStringLiteral("Saving Images Now"));
        QVERIFY(!Find<QWidget>(msg, "cmdCancel")->isVisible());
        const QRect shown = Find<QWidget>(msg, "picProgressBar")->geometry();
        QVERIFY(msg.height() > shown.bottom() && msg.height() - shown.bottom() < 20);
    }

    // The folder is linked on two lines (split as the save labels are) and opened on a click.
    void successWindow() {
        frmSimpleMsg ok;
        QStringList opened;
        ok.SetFolderOpener([&](const QString& folder) { opened.append(folder); });
        const QString folder =
            QStringLiteral("/home/somebody/Pictures/Holidays2023/Beach_poster_images");
        ok.ShowSaveOkMsg(folder);
        QCOMPARE(ok.windowTitle(), "Finished");
        auto* link = Find<LinkLabel>(ok, "lnkFol");
        QCOMPARE(link->text().count(u'\n'), 1);
        QVERIFY(!link->text().contains(u'\r'));
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(opened, QStringList{folder});
        Click(ok, "cmdOk");
        QVERIFY(!ok.isVisible());
    }

    // The program's question window answers through the message service; its close box is
    // Cancel.
    void askYesNoCancel() {
        for (const auto& [button, answer] : {std::pair{"cmdYes", Answer::Yes},
                                             {"cmdNo", Answer::No},
                                             {"cmdCancel", Answer::Cancel},
                                             {"", Answer::Cancel}}) { // "": the close box
            QStringList shown;
            WhenModal<frmMsgboxYesNo>([&, button = QLatin1String(button)](frmMsgboxYesNo* box) {
                shown = QStringList{box->windowTitle(), Text(*box, "lblMsg")};
                button.isEmpty() ? void(box->close()) : Click(*box, button.data());
            });
            QCOMPARE(QtMessageService().YesNoCancel(QStringLiteral("Q"), QStringLiteral("Go?")),
                     answer);
            QCOMPARE(shown, (QStringList{"Q", "Go?"}));
        }
    }
};

QTEST_MAIN(TestSaveDialog)
#include "tst_save_dialog.moc"
