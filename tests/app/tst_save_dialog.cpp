#include "app/frm_msg.h"
#include "app/frm_msgbox_yes_no.h"
#include "app/frm_save_tiles.h"
#include "app/frm_simple_msg.h"
#include "app/link_label.h"
#include "app/picture_box.h"
#include "app/qt_message_service.h"
#include "common/recording_message_service.h"
#include "layout/poster_state.h"

#include <QApplication>
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
using Kind = RecordingMessageService::Kind;
using Answer = MessageService::Answer;

namespace {

// Saves a picture of `w` for a person to look at when TESSELLON_SHOTS names a folder.
void Shot(QWidget* w, const QString& name) {
    if (const QByteArray shots = qgetenv("TESSELLON_SHOTS"); !shots.isEmpty()) {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        w->grab().save(QString::fromLocal8Bit(shots) + u'/' + name + QStringLiteral(".png"));
    }
}

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
    QStringList opened;

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
        dlg->SuccessWindow()->SetFolderOpener([this](const QString& f) { opened.append(f); });
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
    void controlTexts_data();
    void controlTexts();
    void opensWithProposals_data();
    void opensWithProposals();
    void refusedOpenings_data();
    void refusedOpenings();
    void folderLabelFollowsFolderName();
    void folderLabelAtDriveRoot();
    void invalidDriveFallsBack();
    void fullExportWritesTiles_data();
    void fullExportWritesTiles();
    void emptyFolderNameWritesIntoFolder();
    void pdfIsOneFile();
    void cancelDuringSave();
    void existingFolderAnsweredNo();
    void existingFolderAnsweredYes();
    void saveDoesNotRunTwiceAtOnce();
    void posterChangeDuringSaveDoesNotReachTiles();
    void closeButtonClosesWithoutSaving();

    // --- Progress window ---
    void progressValues_data();
    void progressValues();
    void progressBarDrawing();
    void progressLayout_data();
    void progressLayout();
    void cancelChangesLabel();
    void progressCloseBoxCancels();
    void showProgressBarClearsCancel();

    // --- Success window ---
    void successWindow();
    void successLinkBreaksLongFolder();

    // --- Yes/no/cancel window ---
    void askYesNoCancel_data();
    void askYesNoCancel();
    void messageServiceAsksWithYesNoWindow_data();
    void messageServiceAsksWithYesNoWindow();
};

// ---------------------------------------------------------------------------------------------
// Save dialog

void TestSaveDialog::controlTexts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tip");

    QTest::newRow("fraFileFormat")
        << "fraFileFormat"
        << "File Type"
        << "Image file format that your poster tile images will be saved as";
    QTest::newRow("opbBmp") << "opbBmp"
                            << "Bitmap (.bmp)"
                            << "";
    QTest::newRow("opbTif") << "opbTif"
                            << "Tiff (.tif)"
                            << "";
    QTest::newRow("opbJpg") << "opbJpg"
                            << "Jpeg (.jpg)"
                            << "";
    QTest::newRow("fraNewName") << "fraNewName"
                                << "File Save Info"
                                << "";
    QTest::newRow("Label2") << "Label2"
                            << "Base Filename:"
                            << "";
    QTest::newRow("txtBaseFileName")
        << "txtBaseFileName"
        << ""
        << "Base name that will be used to name your poster tile image files";
    QTest::newRow("Label1") << "Label1"
                            << "New Folder Name:"
                            << "";
    QTest::newRow("txtNewFolderName")
        << "txtNewFolderName"
        << ""
        << "Name of the new folder to be created to hold your poster tile images";
    QTest::newRow("lblDir") << "lblDir"
                            << "New Folder Location"
                            << "";
    QTest::newRow("drvTile") << "drvTile"
                             << ""
                             << "Select current drive";
    QTest::newRow("dirTile") << "dirTile"
                             << ""
                             << "Select folder where you want the new subfolder to be created "
                                "which will contain your poster tile images";
    QTest::newRow("Label3") << "Label3"
                            << "Files currently set to be saved in"
                            << "";
    QTest::newRow("Label4") << "Label4"
                            << "Step (1) Select File Preferences for Poster Images"
                            << "";
    QTest::newRow("Label5") << "Label5"
                            << "Step (2) Click to Save Files Now"
                            << "";
    QTest::newRow("cmdSaveNow") << "cmdSaveNow"
                                << "Save Images Now"
                                << "Click here to generate and save your poster Tile images now";
    QTest::newRow("cmdClose")
        << "cmdClose"
        << "close"
        << "Close this dialog without generating or saving your poster Tile images";
}

void TestSaveDialog::controlTexts() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, tip);
    RecordingMessageService messages;
    frmSaveTiles dlg(messages);
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Save Poster Image Files"));
    QVERIFY(!dlg.isModal());
    auto* w = dlg.findChild<QWidget*>(name);
    QVERIFY2(w, qPrintable(name));
    QString shown;
    if (auto* l = qobject_cast<QLabel*>(w))
        shown = l->text();
    else if (auto* b = qobject_cast<QAbstractButton*>(w))
        shown = b->text();
    else if (auto* g = qobject_cast<QGroupBox*>(w))
        shown = g->title();
    if (!text.isEmpty())
        QCOMPARE(shown, text);
    QCOMPARE(w->toolTip(), tip);
}

void TestSaveDialog::opensWithProposals_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("newFolder");
    QTest::addColumn<QString>("option");

    QTest::newRow("a.jpg") << "a.jpg"
                           << "a_"
                           << "a_poster_images"
                           << "opbJpg";
    QTest::newRow("capital JPG") << "Beach.JPG"
                                 << "Beach_"
                                 << "Beach_poster_images"
                                 << "opbJpg";
    QTest::newRow("tif") << "scan.tif"
                         << "scan_"
                         << "scan_poster_images"
                         << "opbTif";
    QTest::newRow("bmp") << "old.BMP"
                         << "old_"
                         << "old_poster_images"
                         << "opbBmp";
}

void TestSaveDialog::opensWithProposals() {
    QFETCH(QString, fileName);
    QFETCH(QString, base);
    QFETCH(QString, newFolder);
    QFETCH(QString, option);
    SaveFixture f;
    QVERIFY(f.Open(fileName));
    QVERIFY(QTest::qWaitForWindowExposed(f.dlg.get()));
    QVERIFY(f.messages.Messages().isEmpty());
    QCOMPARE(f.dlg->txtBaseFileName->text(), base);
    QCOMPARE(f.dlg->txtNewFolderName->text(), newFolder);
    for (QRadioButton* b : {f.dlg->opbBmp, f.dlg->opbTif, f.dlg->opbJpg})
        QCOMPARE(b->isChecked(), b->objectName() == option);
    QCOMPARE(f.dlg->DirTilePath(), f.folder);
    const QString expected = Native(f.folder + u'/' + newFolder + u'/');
    QVERIFY2(expected.size() <= 55, "temporary folder too long for a one-line label");
    QCOMPARE(f.dlg->lblPath->text(), expected);
    if (fileName == QLatin1String("a.jpg"))
        Shot(f.dlg.get(), QStringLiteral("frmSaveTiles"));
}

void TestSaveDialog::refusedOpenings_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<double>("tileWidth");
    QTest::addColumn<int>("imageWidth");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");

    QTest::newRow("four characters") << "a.jp" << 6.0 << 120 << "Problem"
                                     << "Invalid file chosen.  Can not continue.";
    QTest::newRow("other type") << "picture.gif" << 6.0 << 120 << "Error"
                                << "Unable to save - invalid image file type";
    QTest::newRow("no tiles") << "a.jpg" << 6.0 << 0 << "Can Not Continue"
                              << "Invalid image/tile information.  Can not continue.";
    QTest::newRow("tile too large")
        << "a.jpg" << 60.0 << 120 << PosterState::InvalidTileSizeTitle() << QString();
}

void TestSaveDialog::refusedOpenings() {
    QFETCH(QString, fileName);
    QFETCH(double, tileWidth);
    QFETCH(int, imageWidth);
    QFETCH(QString, title);
    QFETCH(QString, text);
    SaveFixture f;
    f.poster.dTileWidth = tileWidth;
    f.poster.lImgWidth = imageWidth;
    QVERIFY(!f.Open(fileName));
    QVERIFY(!f.dlg->isVisible());
    QCOMPARE(f.messages.Messages().size(), 1);
    const auto& m = f.messages.Messages().front();
    QCOMPARE(m.kind, Kind::Critical);
    QCOMPARE(m.title, title);
    QCOMPARE(m.text, text.isEmpty() ? f.poster.InvalidTileSizeText() : text);
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
}

void TestSaveDialog::folderLabelAtDriveRoot() {
    SaveFixture f;
    QVERIFY(f.Open(QStringLiteral("a.jpg")));
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

void TestSaveDialog::fullExportWritesTiles_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("extension");
    QTest::newRow("jpg") << "opbJpg"
                         << ".jpg";
    QTest::newRow("tif") << "opbTif"
                         << ".tif";
    QTest::newRow("bmp") << "opbBmp"
                         << ".bmp";
}

void TestSaveDialog::fullExportWritesTiles() {
    QFETCH(QString, option);
    QFETCH(QString, extension);
    SaveFixture f;
    QVERIFY(f.Open(QStringLiteral("a.jpg")));
    f.dlg->findChild<QRadioButton*>(option)->setChecked(true);
    QTest::mouseClick(f.dlg->cmdSaveNow, Qt::LeftButton);

    QVERIFY(f.messages.Messages().isEmpty());
    QVERIFY(f.dlg->LastOutcome().has_value());
    QCOMPARE(f.dlg->LastOutcome()->status, SaveOutcome::Status::Saved);
    QStringList expected;
    for (int n = 1; n <= 4; ++n)
        expected.append(QStringLiteral("a_00%1").arg(n) + extension);
    QCOMPARE(f.Files(QStringLiteral("a_poster_images")), expected);
    // Tile 4 is the bottom right quarter of the pattern.
    const QImage tile(f.folder + QStringLiteral("/a_poster_images/a_004") + extension);
    QCOMPARE(tile.size(), QSize(60, 40));
    if (extension != QLatin1String(".jpg"))
        QCOMPARE(tile.pixel(0, 0), PatternImage(120, 80).pixel(60, 40));

    // The dialog closes; the progress window is gone and the success window names the folder.
    QVERIFY(!f.dlg->isVisible());
    QVERIFY(!f.dlg->ProgressWindow()->isVisible());
    frmSimpleMsg* ok = f.dlg->SuccessWindow();
    QVERIFY(ok->isVisible());
    QCOMPARE(ok->lnkFol->Target(), f.folder + QStringLiteral("/a_poster_images"));
    QTest::mouseClick(ok->lnkFol, Qt::LeftButton);
    QCOMPARE(f.opened, QStringList{f.folder + QStringLiteral("/a_poster_images")});
}

void TestSaveDialog::emptyFolderNameWritesIntoFolder() {
    SaveFixture f;
    QVERIFY(f.Open(QStringLiteral("a.jpg")));
    f.dlg->txtNewFolderName->clear();
    f.dlg->opbBmp->setChecked(true);
    QTest::mouseClick(f.dlg->cmdSaveNow, Qt::LeftButton);
    // The chosen folder exists already, so the question comes first (answered Yes).
    QCOMPARE(f.messages.Messages().size(), 1);
    QCOMPARE(f.messages.Messages().front().kind, Kind::YesNoCancel);
    QCOMPARE(f.Files(QString()), (QStringList{"a_001.bmp", "a_002.bmp", "a_003.bmp", "a_004.bmp"}));
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

void TestSaveDialog::existingFolderAnsweredYes() {
    SaveFixture f;
    QVERIFY(f.Open(QStringLiteral("a.jpg")));
    QVERIFY(QDir(f.folder).mkdir(QStringLiteral("a_poster_images")));
    f.messages.QueueAnswer(Answer::Yes);
    QTest::mouseClick(f.dlg->cmdSaveNow, Qt::LeftButton);
    QCOMPARE(f.Files(QStringLiteral("a_poster_images")).size(), 4);
    QCOMPARE(f.dlg->LastOutcome()->status, SaveOutcome::Status::Saved);
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

void TestSaveDialog::progressValues_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("stored");
    QTest::addColumn<bool>("open");
    QTest::newRow("start") << 0.0 << 0.0 << true;
    QTest::newRow("half") << 0.5 << 0.5 << true;
    QTest::newRow("done") << 1.0 << 1.0 << false;
    QTest::newRow("past the end") << 1.5 << 1.0 << false;
    QTest::newRow("below zero") << -0.25 << 0.0 << true;
}

void TestSaveDialog::progressValues() {
    QFETCH(double, value);
    QFETCH(double, stored);
    QFETCH(bool, open);
    frmMsg msg;
    QCOMPARE(msg.ProgressMode, frmMsg::kModeClosing);
    msg.bShowCancel = true;
    msg.ShowProgressBar(QStringLiteral("Saving Images Now"));
    QVERIFY(msg.isVisible());
    QCOMPARE(msg.ProgressMode, frmMsg::kModeProgressBar);
    QCOMPARE(msg.windowTitle(), QStringLiteral("Saving..."));
    msg.SetProgressVal(value);
    QCOMPARE(msg.GetProgressVal(), stored);
    QCOMPARE(msg.dProgress, stored);
    QCOMPARE(msg.isVisible(), open);
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

void TestSaveDialog::progressLayout_data() {
    QTest::addColumn<bool>("showCancel");
    QTest::newRow("with cancel") << true;
    QTest::newRow("without cancel") << false;
}

void TestSaveDialog::progressLayout() {
    QFETCH(bool, showCancel);
    frmMsg msg;
    msg.bShowCancel = showCancel;
    msg.ShowProgressBar(QStringLiteral("Saving Images Now"));
    QCOMPARE(msg.cmdCancel->isVisible(), showCancel);
    QCOMPARE(msg.cmdCancel->text(), QStringLiteral("Cancel"));
    QVERIFY(msg.picProgressBar->isVisible());
    const QRect label = msg.lblMsg->geometry();
    const QRect bar = msg.picProgressBar->geometry();
    QVERIFY(bar.top() > label.bottom());
    if (showCancel) {
        const QRect button = msg.cmdCancel->geometry();
        QVERIFY(button.top() > bar.bottom());
        QVERIFY(msg.height() > button.bottom());
    } else {
        QVERIFY(msg.height() > bar.bottom());
        QVERIFY(msg.height() - bar.bottom() < 20);
    }
}

void TestSaveDialog::cancelChangesLabel() {
    frmMsg msg;
    msg.bShowCancel = true;
    msg.ShowProgressBar(QStringLiteral("Saving Images Now"));
    QCOMPARE(msg.lblMsg->text(), QStringLiteral("Saving Images Now"));
    QTest::mouseClick(msg.cmdCancel, Qt::LeftButton);
    QVERIFY(msg.bCanceled);
    QCOMPARE(msg.lblMsg->text(), QStringLiteral("canceling..."));
    // The window stays until its owner closes it.
    QVERIFY(msg.isVisible());
    msg.ProgressMode = frmMsg::kModeClosing;
    QTRY_VERIFY(!msg.isVisible());
}

void TestSaveDialog::progressCloseBoxCancels() {
    frmMsg msg;
    msg.bShowCancel = true;
    msg.ShowProgressBar(QStringLiteral("Saving Images Now"));
    msg.close();
    QVERIFY(msg.isVisible());
    QVERIFY(msg.bCanceled);
    QTest::keyClick(&msg, Qt::Key_Escape);
    QVERIFY(msg.isVisible());
    msg.Unload();
    QVERIFY(!msg.isVisible());
    QCOMPARE(msg.ProgressMode, frmMsg::kModeClosing);
}

void TestSaveDialog::showProgressBarClearsCancel() {
    frmMsg msg;
    msg.bShowCancel = true;
    msg.bCanceled = true;
    msg.dProgress = 0.7;
    msg.ShowProgressBar(QStringLiteral("Saving Images Now"));
    QVERIFY(!msg.bCanceled);
    QCOMPARE(msg.GetProgressVal(), 0.0);
}

// ---------------------------------------------------------------------------------------------
// Success window

void TestSaveDialog::successWindow() {
    frmSimpleMsg ok;
    QStringList opened;
    ok.SetFolderOpener([&](const QString& folder) { opened.append(folder); });
    const QString folder = QStringLiteral("/home/user/Pictures/Beach_poster_images");
    ok.ShowSaveOkMsg(folder);
    QVERIFY(QTest::qWaitForWindowExposed(&ok));
    QCOMPARE(ok.windowTitle(), QStringLiteral("Finished"));
    QCOMPARE(ok.cmdOk->text(), QStringLiteral("Finished"));
    QCOMPARE(ok.lblTitle->text(), QStringLiteral("Images Saved Successfully"));
    QCOMPARE(ok.lblMsg->text(),
             QStringLiteral("Your poster images were saved successfully and are now ready for "
                            "you to print.  They are located in the following folder:"));
    QVERIFY(!ok.imgCheck->pixmap().isNull());
    QCOMPARE(ok.lnkFol->Target(), folder);
    QCOMPARE(ok.lnkFol->Caption(), Native(folder));
    Shot(&ok, QStringLiteral("frmSimpleMsg"));
    QTest::mouseClick(ok.lnkFol, Qt::LeftButton);
    QCOMPARE(opened, QStringList{folder});
    QTest::mouseClick(ok.cmdOk, Qt::LeftButton);
    QVERIFY(!ok.isVisible());
}

void TestSaveDialog::successLinkBreaksLongFolder() {
    frmSimpleMsg ok;
    ok.SetFolderOpener([](const QString&) {});
    const QString folder =
        QStringLiteral("/home/somebody/Pictures/Holidays2023/Beach_poster_images");
    ok.ShowSaveOkMsg(folder);
    // The first separator after more than 35 characters ends the first line.
    QCOMPARE(ok.lnkFol->Caption(), Native(QStringLiteral("/home/somebody/Pictures/Holidays2023/")) +
                                       QStringLiteral("\r\n") +
                                       QStringLiteral("Beach_poster_images"));
    QCOMPARE(ok.lnkFol->text().count(u'\n'), 1);
    QVERIFY(!ok.lnkFol->text().contains(u'\r'));
    QCOMPARE(ok.lnkFol->Target(), folder);
}

// ---------------------------------------------------------------------------------------------
// Yes/no/cancel window

void TestSaveDialog::askYesNoCancel_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");
    QTest::newRow("yes") << "cmdYes" << 6;
    QTest::newRow("no") << "cmdNo" << 7;
    QTest::newRow("cancel") << "cmdCancel" << 2;
    QTest::newRow("close box") << "" << 2;
}

void TestSaveDialog::askYesNoCancel() {
    QFETCH(QString, button);
    QFETCH(int, result);
    ModalAnswer answer;
    answer.Press(button);
    const short got =
        frmMsgboxYesNo::AskYesNoCancel(QStringLiteral("Continue?"), QStringLiteral("Question"));
    QCOMPARE(int(got), result);
    QCOMPARE(answer.className, QStringLiteral("tessellon::frmMsgboxYesNo"));
    QCOMPARE(answer.title, QStringLiteral("Question"));
    QCOMPARE(answer.text, QStringLiteral("Continue?"));
    QCOMPARE(answer.closedByBox, button.isEmpty());
}

void TestSaveDialog::messageServiceAsksWithYesNoWindow_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("answer");
    QTest::newRow("yes") << "cmdYes" << int(Answer::Yes);
    QTest::newRow("no") << "cmdNo" << int(Answer::No);
    QTest::newRow("close box") << "" << int(Answer::Cancel);
}

void TestSaveDialog::messageServiceAsksWithYesNoWindow() {
    QFETCH(QString, button);
    QFETCH(int, answer);
    QtMessageService service;
    ModalAnswer modal;
    modal.Press(button);
    const Answer got = service.YesNoCancel(QStringLiteral("Folder Exists"),
                                           QStringLiteral("The folder \"x\" already exists"));
    QCOMPARE(int(got), answer);
    QCOMPARE(modal.className, QStringLiteral("tessellon::frmMsgboxYesNo"));
    QCOMPARE(modal.title, QStringLiteral("Folder Exists"));
    QCOMPARE(modal.text, QStringLiteral("The folder \"x\" already exists"));
}

QTEST_MAIN(TestSaveDialog)
#include "tst_save_dialog.moc"
