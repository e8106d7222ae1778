#include "app/frm_msg.h"
#include "app/frm_msgbox_yes_no.h"
#include "app/frm_save_tiles.h"
#include "app/frm_simple_msg.h"
#include "app/link_label.h"
#include "app/picture_box.h"
#include "app/qt_message_service.h"
#include "layout/poster_state.h"
#include "tests/app/app_test_support.h"
#include "tests/support/recording_message_service.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <functional>
#include <memory>

using namespace tessellon;
using namespace tessellon::testing;
using Kind = RecordingMessageService::Kind;
using Answer = MessageService::Answer;

namespace {

// Every pixel different from its neighbours.
QImage PatternImage(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb(x & 0xff, y & 0xff, (x * 7 + y * 13) & 0xff));
    return img;
}

// Runs `action` from the event loop each time it turns until it returns true; the progress
// window's yields are where it gets its turns during a save.
class EachTurn : public QObject {
public:
    explicit EachTurn(std::function<bool()> action) : action_(std::move(action)) {
        connect(&timer_, &QTimer::timeout, this, [this] {
            if (action_())
                timer_.stop();
        });
        timer_.start(0);
    }

private:
    std::function<bool()> action_;
    QTimer timer_;
};

// Clicks a button of the next modal window once it is up, and records what it showed.
struct ModalAnswer {
    QString title;
    QString text;
    QString className;
    bool closedByBox = false;

    void Press(const QString& buttonName) {
        QTimer::singleShot(0, [this, buttonName] {
            QWidget* w = QApplication::activeModalWidget();
            if (!w)
                return;
            title = w->windowTitle();
            className = QString::fromLatin1(w->metaObject()->className());
            if (auto* label = w->findChild<QLabel*>(QStringLiteral("lblMsg")))
                text = label->text();
            Shot(w, QStringLiteral("frmMsgboxYesNo"));
            if (buttonName.isEmpty()) {
                closedByBox = true;
                w->close();
            } else if (auto* b = w->findChild<QPushButton*>(buttonName)) {
                b->click();
            }
        });
    }
};

// A save dialog over a 120 x 80 pattern image in a fresh folder, with 2 x 2 tiles of 6 x 4
// inches (60 x 40 pixels each).
struct SaveFixture {
    QTemporaryDir tmp;
    QString folder;
    PosterState poster;
    RecordingMessageService messages;
    std::unique_ptr<frmSaveTiles> dlg;

    explicit SaveFixture(int tilesWide = 2, int tilesHigh = 2) {
        folder = QDir::cleanPath(tmp.path());
        poster.lImgWidth = 60 * tilesWide;
        poster.lImgHeight = 40 * tilesHigh;
        poster.bImgSelected = true;
        poster.SelectTilesWide(tilesWide - 1);
        poster.SelectTilesHigh(tilesHigh - 1);
        dlg = std::make_unique<frmSaveTiles>(messages);
        dlg->SetThreadCount(2);
        dlg->SetFreeSpaceQuery([](const QString&) { return std::optional<qint64>(); });
        dlg->SuccessWindow()->SetFolderOpener([](const QString&) {});
    }

    bool Open(const QString& fileName) {
        const QImage image = PatternImage(poster.lImgWidth, poster.lImgHeight);
        return dlg->OpenFor(
            poster, [image] { return ImageObject::FromImage(image); }, folder, fileName);
    }

    QStringList Files(const QString& sub) const {
        return QDir(folder + u'/' + sub).entryList(QDir::Files, QDir::Name);
    }
};

QString Native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

class TestSaveDialog : public QObject {
    Q_OBJECT

private slots:
    // --- Save dialog ---
    void proposalsAndSaving_data();
    void proposalsAndSaving();
    void refusedOpening();
    void folderLabelFollowsFolderName();
    void invalidDriveFallsBack();
    void pdfIsOneFile();
    void assemblyAidSwitches();
    void cancelDuringSave();
    void existingFolderAnsweredNo();
    void saveDoesNotRunTwiceAtOnce();
    void posterChangeDuringSaveDoesNotReachTiles();
    void closeButtonClosesWithoutSaving();

    // --- Progress window ---
    void progressValues();
    void progressBarDrawing();
    void progressLayout();
    void cancellingTheProgress();

    // --- Success window ---
    void successWindow();

    // --- Yes/no/cancel window ---
    void askYesNoCancel_data();
    void askYesNoCancel();
};

// ---------------------------------------------------------------------------------------------
// Save dialog

void TestSaveDialog::proposalsAndSaving_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("chosen"); // the format option the user clicks, if any
    QTest::addColumn<QString>("extension");
    QTest::newRow("jpg") << "a.jpg"
                         << ""
                         << ".jpg";
    QTest::newRow("tif, BMP chosen") << "scan.tif"
                                     << "opbBmp"
                                     << ".bmp";
    QTest::newRow("bmp") << "old.BMP"
                         << ""
                         << ".bmp";
}

// The dialog proposes names and the format of the chosen file; saving writes the tiles in it.
void TestSaveDialog::proposalsAndSaving() {
    QFETCH(QString, fileName);
    QFETCH(QString, chosen);
    QFETCH(QString, extension);
    const QString base = fileName.section(u'.', 0, 0) + u'_';
    const QString newFolder = base + QStringLiteral("poster_images");
    SaveFixture f;
    QVERIFY(f.Open(fileName));
    QVERIFY(QTest::qWaitForWindowExposed(f.dlg.get()));
    QCOMPARE(f.dlg->txtBaseFileName->text(), base);
    QCOMPARE(f.dlg->txtNewFolderName->text(), newFolder);
    QCOMPARE(f.dlg->DirTilePath(), f.folder);
    const QString expected = Native(f.folder + u'/' + newFolder + u'/');
    QVERIFY2(expected.size() <= 55, "temporary folder too long for a one-line label");
    QCOMPARE(f.dlg->lblPath->text(), expected);
    if (extension == u".jpg") {
        QCOMPARE(f.dlg->windowTitle(), QStringLiteral("Save Poster Image Files"));
        QVERIFY(!f.dlg->isModal());
        QCOMPARE(f.dlg->txtNewFolderName->toolTip(),
                 QStringLiteral("Name of the new folder to be created to hold your poster tile "
                                "images"));
        Shot(f.dlg.get(), QStringLiteral("frmSaveTiles"));
    }
    if (!chosen.isEmpty())
        QTest::mouseClick(f.dlg->findChild<QRadioButton*>(chosen), Qt::LeftButton);
    QTest::mouseClick(f.dlg->cmdSaveNow, Qt::LeftButton);
    QVERIFY(f.messages.Messages().isEmpty());
    QCOMPARE(f.dlg->LastOutcome()->status, SaveOutcome::Status::Saved);
    QStringList files;
    for (int n = 1; n <= 4; ++n)
        files.append(base + QStringLiteral("00%1").arg(n) + extension);
    QCOMPARE(f.Files(newFolder), files);
    // Tile 4 is the bottom right quarter of the pattern.
    const QImage tile(f.folder + u'/' + newFolder + u'/' + files.last());
    QCOMPARE(tile.size(), QSize(60, 40));
    if (extension != u".jpg")
        QCOMPARE(tile.convertToFormat(QImage::Format_RGB32),
                 PatternImage(120, 80).copy(60, 40, 60, 40));
    // The dialog closes; the progress window is gone and the success window names the folder.
    QVERIFY(!f.dlg->isVisible());
    QVERIFY(!f.dlg->ProgressWindow()->isVisible());
    QVERIFY(f.dlg->SuccessWindow()->isVisible());
    QCOMPARE(f.dlg->SuccessWindow()->lnkFol->Target(), f.folder + u'/' + newFolder);
}

// The reasons are checked with the opening rules; here the dialog stays closed with a message.
void TestSaveDialog::refusedOpening() {
    SaveFixture f;
    f.poster.dTileWidth = 60;
    QVERIFY(!f.Open(QStringLiteral("a.jpg")));
    QVERIFY(!f.dlg->isVisible());
    QCOMPARE(f.messages.Messages().size(), 1);
    QCOMPARE(f.messages.Messages().front().title,
             QStringLiteral("Invalid Tile Print Size Entered"));
}

void TestSaveDialog::folderLabelFollowsFolderName() {
    SaveFixture f;
    QVERIFY(f.Open(QStringLiteral("a.jpg")));
    QTest::keyClicks(f.dlg->txtNewFolderName, QStringLiteral("X"));
    QCOMPARE(f.dlg->lblPath->text(), Native(f.folder + QStringLiteral("/a_poster_imagesX/")));
    // The base name is not part of the label.
    QTest::keyClicks(f.dlg->txtBaseFileName, QStringLiteral("zz"));
    QCOMPARE(f.dlg->lblPath->text(), Native(f.folder + QStringLiteral("/a_poster_imagesX/")));
    // An empty folder name: the label ends in the parent's separator only.
    f.dlg->txtNewFolderName->clear();
    QCOMPARE(f.dlg->lblPath->text(), Native(f.folder + u'/'));
    // A folder chosen in the folder list.
    QVERIFY(QDir(f.folder).mkdir(QStringLiteral("sub")));
    QVERIFY(f.dlg->SetDirTilePath(f.folder + QStringLiteral("/sub")));
    QCOMPARE(f.dlg->lblPath->text(), Native(f.folder + QStringLiteral("/sub/")));
    f.dlg->txtNewFolderName->setText(QStringLiteral("a_poster_images"));
    QVERIFY(f.dlg->SetDirTilePath(QDir::rootPath()));
    QCOMPARE(f.dlg->lblPath->text(), Native(QDir::rootPath() + QStringLiteral("a_poster_images/")));
    QCOMPARE(f.dlg->Request().folder, QDir::rootPath());
}

void TestSaveDialog::invalidDriveFallsBack() {
    SaveFixture f;
    QVERIFY(f.Open(QStringLiteral("a.jpg")));
    const QString goodDrive = f.dlg->drvTile->currentData().toString();
    QVERIFY(!goodDrive.isEmpty());
    const QString missing = f.folder + QStringLiteral("/no_such_drive");
    f.dlg->drvTile->addItem(QStringLiteral("gone"), missing);
    const int bad = f.dlg->drvTile->count() - 1;
    f.dlg->drvTile->setCurrentIndex(bad);
    emit f.dlg->drvTile->activated(bad);
    QCOMPARE(f.messages.Messages().size(), 1);
    QCOMPARE(f.messages.Messages().front().title, QStringLiteral("Invalid Drive"));
    QCOMPARE(f.messages.Messages().front().text,
             QStringLiteral("The drive you chose could not be accessed."));
    QCOMPARE(f.dlg->drvTile->currentData().toString(), goodDrive);
    QCOMPARE(f.dlg->DirTilePath(), f.folder);

    // A drive that opens becomes the folder and the new fallback.
    const int good = f.dlg->drvTile->findData(goodDrive);
    f.dlg->drvTile->setCurrentIndex(good);
    emit f.dlg->drvTile->activated(good);
    QCOMPARE(f.messages.Messages().size(), 1);
    QCOMPARE(f.dlg->DirTilePath(), QDir::cleanPath(goodDrive));
}

// The PDF goes straight into the chosen folder under the base name; the label and the success
// window name the file.
void TestSaveDialog::pdfIsOneFile() {
    SaveFixture f;
    QVERIFY(f.Open(QStringLiteral("a.jpg")));
    QCOMPARE(f.dlg->opbPdf->text(), QStringLiteral("Pdf (.pdf)"));
    f.dlg->opbPdf->setChecked(true);
    const QString pdf = f.folder + QStringLiteral("/a_poster.pdf");
    QCOMPARE(f.dlg->lblPath->text(), Native(pdf));
    QVERIFY(!f.dlg->txtNewFolderName->isEnabled());
    Shot(f.dlg.get(), QStringLiteral("frmSaveTilesPdf"));
    QTest::mouseClick(f.dlg->cmdSaveNow, Qt::LeftButton);
    QVERIFY(f.messages.Messages().isEmpty());
    QCOMPARE(f.dlg->LastOutcome()->status, SaveOutcome::Status::Saved);
    QCOMPARE(QDir(f.folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("a_poster.pdf")});
    QCOMPARE(f.dlg->SuccessWindow()->lnkFol->Target(), pdf);
    Shot(f.dlg->SuccessWindow(), QStringLiteral("frmSimpleMsgPdf"));
}

// Each aid is offered for its file type; the overview image is saved only when ticked.
void TestSaveDialog::assemblyAidSwitches() {
    SaveFixture f;
    QVERIFY(f.Open(QStringLiteral("a.jpg")));
    const auto box = [&f](const char* name) {
        return f.dlg->findChild<QAbstractButton*>(QString::fromLatin1(name));
    };
    for (const char* pdfAid : {"chkLabels", "chkMarks", "chkOverview"})
        QVERIFY(box(pdfAid)->isChecked() && !box(pdfAid)->isEnabled());
    QVERIFY(!box("chkOverviewImage")->isChecked() && box("chkOverviewImage")->isEnabled());
    box("chkOverviewImage")->setChecked(true);
    QTest::mouseClick(box("cmdSaveNow"), Qt::LeftButton);
    QCOMPARE(f.Files(QStringLiteral("a_poster_images")).last(), QStringLiteral("a_overview.jpg"));
    box("opbPdf")->setChecked(true);
    QVERIFY(box("chkLabels")->isEnabled() && !box("chkOverviewImage")->isEnabled());
    box("chkLabels")->setChecked(false);
    box("chkOverview")->setChecked(false);
    const AssemblyAids aids = f.dlg->Request().aids;
    QVERIFY(!aids.labels && aids.marks && !aids.overviewPage);
}

void TestSaveDialog::cancelDuringSave() {
    SaveFixture f(3, 3);
    QVERIFY(f.Open(QStringLiteral("a.jpg")));
    frmMsg* progress = f.dlg->ProgressWindow();
    QString labelAfterCancel;
    EachTurn canceler([&] {
        if (!progress->isVisible() || !progress->cmdCancel->isVisible())
            return false;
        QTest::mouseClick(progress->cmdCancel, Qt::LeftButton);
        labelAfterCancel = progress->lblMsg->text();
        return true;
    });
    QTest::mouseClick(f.dlg->cmdSaveNow, Qt::LeftButton);

    QCOMPARE(labelAfterCancel, QStringLiteral("canceling..."));
    QCOMPARE(f.dlg->LastOutcome()->status, SaveOutcome::Status::Canceled);
    QCOMPARE(f.messages.Messages().size(), 1);
    const auto& m = f.messages.Messages().front();
    QCOMPARE(m.kind, Kind::Critical);
    QCOMPARE(m.title, QStringLiteral("Canceled"));
    QCOMPARE(m.text, QStringLiteral("Canceled by user"));
    // The tile in progress is finished; the rest are not made. Written files stay.
    const int written = f.dlg->LastOutcome()->tilesWritten;
    QVERIFY(written >= 1 && written < 9);
    QCOMPARE(f.Files(QStringLiteral("a_poster_images")).size(), written);
    QVERIFY(!progress->isVisible());
    QVERIFY(!f.dlg->SuccessWindow()->isVisible());
    QVERIFY(!f.dlg->isVisible());
}

void TestSaveDialog::existingFolderAnsweredNo() {
    SaveFixture f;
    QVERIFY(f.Open(QStringLiteral("a.jpg")));
    QVERIFY(QDir(f.folder).mkdir(QStringLiteral("a_poster_images")));
    f.messages.QueueAnswer(Answer::No);
    QTest::mouseClick(f.dlg->cmdSaveNow, Qt::LeftButton);

    QCOMPARE(f.messages.Messages().size(), 1);
    const auto& m = f.messages.Messages().front();
    QCOMPARE(m.kind, Kind::YesNoCancel);
    QCOMPARE(m.title, QStringLiteral("Folder Exists"));
    QVERIFY(m.text.contains(QStringLiteral("already exists")));
    QVERIFY(f.Files(QStringLiteral("a_poster_images")).isEmpty());
    QCOMPARE(f.dlg->LastOutcome()->status, SaveOutcome::Status::Declined);
    QVERIFY(!f.dlg->isVisible());
    QVERIFY(!f.dlg->SuccessWindow()->isVisible());
}

void TestSaveDialog::saveDoesNotRunTwiceAtOnce() {
    SaveFixture f(3, 2);
    QVERIFY(f.Open(QStringLiteral("a.jpg")));
    frmMsg* progress = f.dlg->ProgressWindow();
    std::optional<SaveOutcome> second;
    bool buttonEnabled = true;
    EachTurn again([&] {
        if (!progress->isVisible())
            return false;
        buttonEnabled = f.dlg->cmdSaveNow->isEnabled();
        // A second press while the first save runs.
        f.dlg->cmdSaveNow->click();
        second = f.dlg->SaveNow();
        return true;
    });
    QTest::mouseClick(f.dlg->cmdSaveNow, Qt::LeftButton);
    QVERIFY(second.has_value());
    QVERIFY(!buttonEnabled);
    QCOMPARE(second->tilesWritten, 0);
    // One run: no folder question from a second run, every tile once.
    QVERIFY(f.messages.Messages().isEmpty());
    QCOMPARE(f.dlg->LastOutcome()->status, SaveOutcome::Status::Saved);
    QCOMPARE(f.Files(QStringLiteral("a_poster_images")).size(), 6);
    QVERIFY(f.dlg->cmdSaveNow->isEnabled());
}

void TestSaveDialog::posterChangeDuringSaveDoesNotReachTiles() {
    SaveFixture f(3, 3);
    f.dlg->SetThreadCount(1);
    QVERIFY(f.Open(QStringLiteral("a.bmp")));
    frmMsg* progress = f.dlg->ProgressWindow();
    EachTurn changer([&] {
        if (!progress->isVisible())
            return false;
        // The main window turns the tiles while the save runs.
        f.poster.bTileRotated = true;
        return true;
    });
    QTest::mouseClick(f.dlg->cmdSaveNow, Qt::LeftButton);
    QCOMPARE(f.dlg->LastOutcome()->status, SaveOutcome::Status::Saved);
    for (const QString& name : f.Files(QStringLiteral("a_poster_images")))
        QCOMPARE(QImage(f.folder + QStringLiteral("/a_poster_images/") + name).size(),
                 QSize(60, 40));
}

void TestSaveDialog::closeButtonClosesWithoutSaving() {
    SaveFixture f;
    QVERIFY(f.Open(QStringLiteral("a.jpg")));
    QTest::mouseClick(f.dlg->cmdClose, Qt::LeftButton);
    QVERIFY(!f.dlg->isVisible());
    QVERIFY(!f.dlg->LastOutcome().has_value());
    QVERIFY(!QFileInfo::exists(f.folder + QStringLiteral("/a_poster_images")));
}

// ---------------------------------------------------------------------------------------------
// Progress window

void TestSaveDialog::progressValues() {
    frmMsg msg;
    QCOMPARE(msg.ProgressMode, frmMsg::kModeClosing);
    msg.bShowCancel = true;
    // The value is kept between 0 and 1; the window closes itself at 1.
    for (const auto& [value, stored] :
         QList<std::pair<double, double>>{{0.5, 0.5}, {-0.25, 0}, {0, 0}, {1.5, 1}, {1, 1}}) {
        msg.ShowProgressBar(QStringLiteral("Saving Images Now"));
        QCOMPARE(msg.ProgressMode, frmMsg::kModeProgressBar);
        QCOMPARE(msg.windowTitle(), QStringLiteral("Saving..."));
        msg.SetProgressVal(value);
        QCOMPARE(msg.GetProgressVal(), stored);
        QCOMPARE(msg.isVisible(), stored < 1);
    }
}

void TestSaveDialog::progressBarDrawing() {
    frmMsg msg;
    msg.bShowCancel = true;
    msg.ShowProgressBar(QStringLiteral("Saving Images Now"));
    msg.SetProgressVal(0.5);
    const QImage bar = msg.picProgressBar->Image();
    QCOMPARE(bar.size(), msg.picProgressBar->size());
    const int y = bar.height() / 2;
    const QRgb blue = qRgb(0, 0, 255);
    QCOMPARE(bar.pixel(bar.width() / 4, y), blue);
    QCOMPARE(bar.pixel(bar.width() / 2 - 2, y), blue);
    QVERIFY(bar.pixel(bar.width() / 2 + 2, y) != blue);
    QVERIFY(bar.pixel(bar.width() * 3 / 4, y) != blue);
    Shot(&msg, QStringLiteral("frmMsg"));
}

void TestSaveDialog::progressLayout() {
    for (const bool showCancel : {true, false}) {
        frmMsg msg;
        msg.bShowCancel = showCancel;
        msg.ShowProgressBar(QStringLiteral("Saving Images Now"));
        QCOMPARE(msg.cmdCancel->isVisible(), showCancel);
        const QRect bar = msg.picProgressBar->geometry();
        QVERIFY(bar.top() > msg.lblMsg->geometry().bottom());
        if (showCancel)
            QVERIFY(msg.cmdCancel->geometry().top() > bar.bottom() &&
                    msg.height() > msg.cmdCancel->geometry().bottom());
        else
            QVERIFY(msg.height() > bar.bottom() && msg.height() - bar.bottom() < 20);
    }
}

void TestSaveDialog::cancellingTheProgress() {
    frmMsg msg;
    msg.bShowCancel = true;
    msg.bCanceled = true; // left over from an earlier run
    msg.ShowProgressBar(QStringLiteral("Saving Images Now"));
    QVERIFY(!msg.bCanceled);
    QTest::mouseClick(msg.cmdCancel, Qt::LeftButton);
    QVERIFY(msg.bCanceled);
    QCOMPARE(msg.lblMsg->text(), QStringLiteral("canceling..."));
    // Neither the close box nor Escape closes it; its owner does.
    msg.bCanceled = false;
    msg.close();
    QVERIFY(msg.isVisible() && msg.bCanceled);
    QTest::keyClick(&msg, Qt::Key_Escape);
    QVERIFY(msg.isVisible());
    msg.Unload();
    QVERIFY(!msg.isVisible());
    QCOMPARE(msg.ProgressMode, frmMsg::kModeClosing);
}

// ---------------------------------------------------------------------------------------------
// Success window

void TestSaveDialog::successWindow() {
    frmSimpleMsg ok;
    QStringList opened;
    ok.SetFolderOpener([&](const QString& folder) { opened.append(folder); });
    const QString folder =
        QStringLiteral("/home/somebody/Pictures/Holidays2023/Beach_poster_images");
    ok.ShowSaveOkMsg(folder);
    QVERIFY(QTest::qWaitForWindowExposed(&ok));
    QCOMPARE(ok.windowTitle(), QStringLiteral("Finished"));
    QVERIFY(!ok.imgCheck->pixmap().isNull());
    // The first separator after more than 35 characters ends the first line.
    QCOMPARE(ok.lnkFol->Caption(), Native(QStringLiteral("/home/somebody/Pictures/Holidays2023/")) +
                                       QStringLiteral("\r\nBeach_poster_images"));
    QCOMPARE(ok.lnkFol->text().count(u'\n'), 1);
    QVERIFY(!ok.lnkFol->text().contains(u'\r'));
    Shot(&ok, QStringLiteral("frmSimpleMsg"));
    QTest::mouseClick(ok.lnkFol, Qt::LeftButton);
    QCOMPARE(opened, QStringList{folder});
    QTest::mouseClick(ok.cmdOk, Qt::LeftButton);
    QVERIFY(!ok.isVisible());
}

// ---------------------------------------------------------------------------------------------
// Yes/no/cancel window

void TestSaveDialog::askYesNoCancel_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("answer"); // through the message service
    QTest::newRow("yes") << "cmdYes" << 6 << int(Answer::Yes);
    QTest::newRow("no") << "cmdNo" << 7 << int(Answer::No);
    QTest::newRow("cancel") << "cmdCancel" << 2 << int(Answer::Cancel);
    QTest::newRow("close box") << "" << 2 << int(Answer::Cancel);
}

void TestSaveDialog::askYesNoCancel() {
    QFETCH(QString, button);
    QFETCH(int, result);
    QFETCH(int, answer);
    ModalAnswer modal;
    modal.Press(button);
    QCOMPARE(int(frmMsgboxYesNo::AskYesNoCancel(QStringLiteral("Go?"), QStringLiteral("Q"))),
             result);
    QCOMPARE(modal.className, QStringLiteral("tessellon::frmMsgboxYesNo"));
    QCOMPARE(modal.title, QStringLiteral("Q"));
    QCOMPARE(modal.text, QStringLiteral("Go?"));
    QCOMPARE(modal.closedByBox, button.isEmpty());
    QtMessageService service;
    modal.Press(button);
    QCOMPARE(int(service.YesNoCancel(QStringLiteral("Folder Exists"), QStringLiteral("x"))),
             answer);
    QCOMPARE(modal.title, QStringLiteral("Folder Exists"));
}

QTEST_MAIN(TestSaveDialog)
#include "tst_save_dialog.moc"
