#include "app/app_version.h"
#include "app/frm_main.h"
#include "common/recording_message_service.h"
#include "common/rounding.h"
#include "paper/paper_model.h"
#include "settings/memory_settings_store.h"
#include "source/status_pictures.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace tessellon;

namespace {

// The main window with its exit replaced by a counter.
class TestMain : public frmMain {
public:
    using frmMain::frmMain;
    int ends = 0;

protected:
    void EndProcess() override { ++ends; }
};

QString SaveImage(const QTemporaryDir& dir, const QString& name, int w, int h,
                  QColor colour = QColor(90, 140, 200)) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(colour);
    // Mark the top-left corner so turns can be told apart.
    for (int y = 0; y < std::min(h, 4); ++y)
        for (int x = 0; x < std::min(w, 4); ++x)
            img.setPixel(x, y, qRgb(0, 255, 0));
    const QString path = dir.filePath(name);
    const QByteArray fmt =
        name.endsWith(QStringLiteral("bmp"), Qt::CaseInsensitive) ? "BMP" : "JPEG";
    if (!img.save(path, fmt.constData()))
        qFatal("cannot write test image");
    return path;
}

void SendMouse(QWidget* w, QEvent::Type type, QPointF pos, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
    QMouseEvent ev(type, pos, w->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &ev);
}

QList<int> RedColumns(const QImage& img, int y) {
    QList<int> xs;
    for (int x = 0; x < img.width(); ++x)
        if (img.pixel(x, y) == qRgb(255, 0, 0))
            xs.append(x);
    return xs;
}

// Saves a picture of `w` for a person to look at when TESSELLON_SHOTS names a folder.
void Shot(QWidget* w, const QString& name) {
    if (const QByteArray shots = qgetenv("TESSELLON_SHOTS"); !shots.isEmpty())
        w->grab().save(QString::fromLocal8Bit(shots) + u'/' + name + QStringLiteral(".png"));
}

bool HasRed(const QImage& img) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) == qRgb(255, 0, 0))
                return true;
    return false;
}

} // namespace

class TstApp : public QObject {
    Q_OBJECT

    RecordingMessageService messages;
    MemorySettingsStore store;
    std::unique_ptr<TestMain> w;

    // Each preference write of the window writes the tile counts first.
    int Saves() const { return int(store.WriteLog().count(PrefValueName(PrefValue::NumTiles))); }
    int FolderWrites() const {
        return int(store.WriteLog().count(PrefValueName(PrefValue::LastFolder)));
    }
    QString StoredFolder() const { return store.GetPref(PrefValue::LastFolder); }
    // A store as a first start finds it, with the profile file kept in the test folder.
    void PrepareStore(MemorySettingsStore& s, const QString& lastFolder) const {
        s.Clear();
        s.SavePref(PrefValue::AppDir, dir->filePath(QStringLiteral("app")));
        if (!lastFolder.isEmpty())
            s.SavePref(PrefValue::LastFolder, lastFolder);
        s.ClearWriteLog();
    }
    std::unique_ptr<QTemporaryDir> dir;

    void ClickFile(const QString& name) {
        const auto items = w->lstFiles->findItems(name, Qt::MatchExactly);
        QVERIFY2(!items.isEmpty(), qPrintable(name));
        const QRect r = w->lstFiles->visualItemRect(items.first());
        QTest::mouseClick(w->lstFiles->viewport(), Qt::LeftButton, {}, r.center());
    }

    // A 600 x 400 picture loaded; 2 x 2 tiles of 6 x 4 inches cover all of it.
    void LoadPhoto() {
        w->SetCurrentFolder(dir->path());
        ClickFile(QStringLiteral("photo.bmp"));
        QVERIFY(w->State().bImgSelected);
    }

    QPointF PicPoint(double x, double y) const {
        return QPointF(x, y) + QPointF(w->picCur->ImageOrigin());
    }

private slots:
    void init() {
        messages.Clear();
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        SaveImage(*dir, QStringLiteral("photo.bmp"), 600, 400);
        SaveImage(*dir, QStringLiteral("Big.JPG"), 1200, 800);
        SaveImage(*dir, QStringLiteral("narrow.bmp"), 24, 200);
        SaveImage(*dir, QStringLiteral("tall.bmp"), 20, 300);
        SaveImage(*dir, QStringLiteral("edge.bmp"), 25, 25);
        QFile broken(dir->filePath(QStringLiteral("broken.jpg")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not a picture at all");
        broken.close();
        QFile notes(dir->filePath(QStringLiteral("notes.txt")));
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.close();
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("empty")));
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("app")));
        PrepareStore(store, dir->path());
        w = std::make_unique<TestMain>(store, messages);
        w->Form_Load();
        w->SetSpecialFolders(SpecialFolders(dir->path(), dir->filePath(QStringLiteral("empty"))));
        w->resize(1180, 760);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        messages.Clear();
        store.ClearWriteLog();
    }
    void cleanup() { w.reset(); }

    void controlsCarryTheirNamesAndTexts() {
        for (const char* name : {"Drive1",           "Dir1",
                                 "cmbFileType",      "lstFiles",
                                 "cmdMyDoc",         "cmdDesktop",
                                 "picCur",           "fraPrintInfo",
                                 "lblPaperName",     "lblPaperSize",
                                 "lblTileSize",      "lblUnits",
                                 "cmdEditPaperSize", "chkPrinterClips",
                                 "cmbCurBtm",        "cmdConfig",
                                 "fraNumberTiles",   "cmbTilesWide",
                                 "cmbTilesHigh",     "chkLockWh",
                                 "lblTilesWide",     "lblTilesHigh",
                                 "fraTilePlacement", "scrZoom",
                                 "lblZoom",          "lblZoomAmount",
                                 "imgArrow_Up",      "imgArrow_down",
                                 "imgArrow_left",    "imgArrow_right",
                                 "imgArrow",         "lblLrValue",
                                 "lblTbValue",       "fraPosterSize",
                                 "lblMPixVal",       "lblFinalSize",
                                 "lblResolution",    "lblQuality",
                                 "chkPreviewTiles",  "chkRotateTiles",
                                 "cmbRotate",        "cmdLargePreview",
                                 "cmdSaveNow",       "lblStep4",
                                 "cmdQuit",          "lblStep1",
                                 "Label7",           "Label11"})
            QVERIFY2(w->findChild<QWidget*>(QString::fromLatin1(name)), name);
        for (const char* name : {"tmrLoadingImg", "tmrImg", "tmrAppEnd"})
            QVERIFY2(w->findChild<QTimer*>(QString::fromLatin1(name)), name);
        for (const char* name : {"mnuFile", "mnuTools", "mnuHelp"})
            QVERIFY2(w->findChild<QMenu*>(QString::fromLatin1(name)), name);
        for (const char* name :
             {"mnuExit", "mnuPaperSize", "mnuEdgeClip", "mnuContent", "mnuAbout"})
            QVERIFY2(w->findChild<QAction*>(QString::fromLatin1(name)), name);

        QCOMPARE(w->windowTitle(), QStringLiteral("Tessellon v") + GetAppVersionString());
        QCOMPARE(w->cmdMyDoc->text(), QStringLiteral("My Documents"));
        QCOMPARE(w->cmdMyDoc->toolTip(), QStringLiteral("Navigate to My Documents folder"));
        QCOMPARE(w->chkPreviewTiles->text(), QStringLiteral("Show Tiles"));
        QCOMPARE(w->chkRotateTiles->toolTip(), QStringLiteral("Rotate Tiles 90 degrees"));
        QCOMPARE(w->fraPosterSize->title(), QStringLiteral("Final Poster Size"));
        QCOMPARE(w->fraPrintInfo->title(), QStringLiteral("Print Size Per Tile"));
        QCOMPARE(w->chkLockWh->text(), QStringLiteral("Lock tiles high = tiles wide"));
        QCOMPARE(w->cmdSaveNow->text(), QStringLiteral("Save Poster Tile Images"));
        QCOMPARE(w->cmdQuit->text(), QStringLiteral("Exit"));
        QCOMPARE(w->chkPrinterClips->text(), QStringLiteral("Adjust edges"));
        QCOMPARE(w->cmdConfig->text(), QStringLiteral("Edit"));
        QCOMPARE(w->lblStep4->text(),
                 QStringLiteral("Step (4) - Click to Save Tile Image Files-->"));
        QCOMPARE(w->lblStep1->text(), QStringLiteral("Step (1) - Select Image File"));
        QCOMPARE(w->Label7->text(), QStringLiteral("Step (2) - Set Tile Print Size"));
        QCOMPARE(w->Label11->text(), QStringLiteral("Step (3) - Adjust Tiles, View Results"));
        QCOMPARE(w->imgArrow->toolTip(),
                 QStringLiteral("Adjust which part of your digital image to include in your "
                                "poster"));
        QCOMPARE(w->mnuPaperSize->text(), QStringLiteral("Select Paper/Margins..."));
        QCOMPARE(w->mnuAbout->text(), QStringLiteral("About..."));
        QCOMPARE(w->cmbTilesWide->count(), 25);
        QCOMPARE(w->cmbTilesHigh->itemText(24), QStringLiteral("25"));
        QCOMPARE(w->cmbRotate->itemText(2), QStringLiteral("CCW Rotate"));
        QCOMPARE(w->cmbFileType->itemText(4), QStringLiteral("Show All Files (*.*)"));
    }

    void versionString_data() {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("shown");
        QTest::newRow("2.0.1") << "2.0.1"
                               << "2.01";
        QTest::newRow("2.1.12") << "2.1.12"
                                << "2.112";
        QTest::newRow("1.0.0") << "1.0.0"
                               << "1.00";
    }
    void versionString() {
        QFETCH(QString, version);
        QTEST(GetAppVersionString(version), "shown");
    }

    void startUpState() {
        QCOMPARE(w->cmbTilesWide->currentIndex(), 1);
        QCOMPARE(w->cmbTilesHigh->currentIndex(), 1);
        QCOMPARE(w->cmbRotate->currentIndex(), 0);
        QCOMPARE(w->cmbFileType->currentIndex(), 0);
        QCOMPARE(w->lblZoomAmount->text(), QStringLiteral("(0%)"));
        QCOMPARE(w->lblFinalSize->text(), QStringLiteral("12.00 x 8.00 inches"));
        QCOMPARE(w->lblResolution->text(), QStringLiteral("---"));
        QCOMPARE(w->lblMPixVal->text(), QStringLiteral("---"));
        QCOMPARE(w->lblQuality->text(), QStringLiteral("---"));
        QCOMPARE(w->lblLrValue->text(), QStringLiteral("---"));
        QVERIFY(!w->cmdSaveNow->isEnabled());
        QVERIFY(!w->cmdLargePreview->isEnabled());
        QCOMPARE(w->cmbCurBtm->currentText(), QStringLiteral("default"));
        QVERIFY(!w->cmbCurBtm->isEnabled());
        QCOMPARE(w->CurrentFolder(), QDir::cleanPath(dir->path()));
        QCOMPARE(w->StatusPicture(), int(StatusPictures::kPickImage));
        QVERIFY(!w->State().bSkipSettingWrite);
        QVERIFY(!w->State().bApplyingPrefs);
        Shot(w.get(), QStringLiteral("main_startup"));
    }

    void startUpWritesOnlyTheFolder() {
        RecordingMessageService m;
        MemorySettingsStore s;
        PrepareStore(s, dir->path());
        TestMain fresh(s, m);
        fresh.Form_Load();
        // Only the folder is written while starting.
        QVERIFY(!s.WriteLog().isEmpty());
        for (const QString& name : s.WriteLog())
            QCOMPARE(name, PrefValueName(PrefValue::LastFolder));
        QCOMPARE(s.GetPref(PrefValue::LastFolder), QDir::cleanPath(dir->path()));
        QVERIFY(m.Messages().isEmpty());
    }

    void folderListShowsMatchingFiles() {
        QStringList names;
        for (int i = 0; i < w->lstFiles->count(); ++i)
            names << w->lstFiles->item(i)->text();
        QCOMPARE(names, (QStringList{"Big.JPG", "broken.jpg", "edge.bmp", "narrow.bmp", "photo.bmp",
                                     "tall.bmp"}));
        w->cmbFileType->setCurrentIndex(3);
        QCOMPARE(w->lstFiles->count(), 4);
        QCOMPARE(FolderWrites(), 0); // a filter change does not store the folder
        w->cmbFileType->setCurrentIndex(4);
        QCOMPARE(w->lstFiles->count(), 7);
        w->SetCurrentFolder(dir->filePath(QStringLiteral("empty")));
        QCOMPARE(w->lstFiles->count(), 0);
        QCOMPARE(w->StatusPicture(), int(StatusPictures::kPickFolder));
        QCOMPARE(StoredFolder(), QDir::cleanPath(dir->filePath(QStringLiteral("empty"))));
    }

    void choosingAFileLoadsIt() {
        LoadPhoto();
        QCOMPARE(w->State().lImgWidth, 600);
        QCOMPARE(w->State().lImgHeight, 400);
        QCOMPARE(w->ImagePath(), QDir(dir->path()).filePath(QStringLiteral("photo.bmp")));
        // 2 x 2 tiles of 6 x 4 inches: the whole 600-pixel width over 12 inches.
        QCOMPARE(w->lblFinalSize->text(), QStringLiteral("12.00 x 8.00 inches"));
        QCOMPARE(w->lblResolution->text(), QStringLiteral("50.0 dpi"));
        QCOMPARE(w->lblQuality->text(), QStringLiteral("Good from a distance"));
        QCOMPARE(w->lblMPixVal->text(), QStringLiteral("0.24"));
        QCOMPARE(w->lblLrValue->text(), QStringLiteral("(full width)"));
        QCOMPARE(w->lblTbValue->text(), QStringLiteral("(full height)"));
        QVERIFY(w->cmdSaveNow->isEnabled());
        QVERIFY(w->cmdLargePreview->isEnabled());
        QCOMPARE(w->PointerMode(), 0);
        QCOMPARE(w->StatusPicture(), 0);
        QVERIFY(messages.Messages().isEmpty());
        // Changing the folder drops the image.
        w->SetCurrentFolder(dir->filePath(QStringLiteral("empty")));
        QVERIFY(!w->State().bImgSelected);
        QVERIFY(!w->cmdSaveNow->isEnabled());
        QCOMPARE(w->lblResolution->text(), QStringLiteral("---"));
    }

    void largeJpegLoadsThroughReducedDecode() {
        w->SetCurrentFolder(dir->path());
        ClickFile(QStringLiteral("Big.JPG"));
        QVERIFY(w->State().bImgSelected);
        QCOMPARE(w->State().lImgWidth, 1200);
        QCOMPARE(w->Image().Full().size(), QSize(1200, 800));
        QCOMPARE(w->lblResolution->text(), QStringLiteral("100.0 dpi"));
    }

    void tooSmallImages_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("rotation");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("25 x 25") << "edge.bmp" << 0 << true;
        QTest::newRow("24 x 200") << "narrow.bmp" << 0 << false;
        QTest::newRow("20 x 300 turned") << "tall.bmp" << 1 << false;
    }
    void tooSmallImages() {
        QFETCH(QString, file);
        QFETCH(int, rotation);
        QFETCH(bool, accepted);
        w->cmbRotate->setCurrentIndex(rotation);
        ClickFile(file);
        QCOMPARE(w->State().bImgSelected, accepted);
        if (accepted) {
            QVERIFY(messages.Messages().isEmpty());
            return;
        }
        QCOMPARE(messages.Messages().size(), 1);
        QCOMPARE(messages.Messages().first().title, QStringLiteral("Invalid Image File Selected"));
        QVERIFY(messages.Messages().first().text.contains(QStringLiteral("EXTREMELY small")));
        QCOMPARE(w->StatusPicture(), int(StatusPictures::kError));
        QVERIFY(!w->cmdSaveNow->isEnabled());
    }

    void unreadableFileShowsErrorPicture() {
        ClickFile(QStringLiteral("photo.bmp"));
        ClickFile(QStringLiteral("broken.jpg"));
        QVERIFY(!w->State().bImgSelected);
        QCOMPARE(w->StatusPicture(), int(StatusPictures::kError));
        QVERIFY(messages.Messages().isEmpty());
        QCOMPARE(w->lblResolution->text(), QStringLiteral("---"));
        QCOMPARE(w->PointerMode(), 0);
        w->cmbFileType->setCurrentIndex(4);
        ClickFile(QStringLiteral("notes.txt"));
        QCOMPARE(w->StatusPicture(), int(StatusPictures::kError));
    }

    void tileCountsWithTheLock() {
        LoadPhoto();
        w->cmbTilesWide->setCurrentIndex(2);
        w->cmbTilesHigh->setCurrentIndex(4);
        QCOMPARE(w->lblFinalSize->text(), QStringLiteral("18.00 x 20.00 inches"));
        const int saves = Saves();
        QVERIFY(saves >= 2);
        QTest::mouseClick(w->chkLockWh, Qt::LeftButton);
        QVERIFY(w->chkLockWh->isChecked());
        QCOMPARE(w->cmbTilesWide->currentIndex(), 2);
        QCOMPARE(w->cmbTilesHigh->currentIndex(), 2);
        QCOMPARE(w->lblFinalSize->text(), QStringLiteral("18.00 x 12.00 inches"));
        QVERIFY(Saves() > saves);
        w->cmbTilesHigh->setCurrentIndex(6);
        QCOMPARE(w->cmbTilesWide->currentIndex(), 6);
        QCOMPARE(w->State().GetNumTilesWide(), short(7));
        QCOMPARE(w->lblFinalSize->text(), QStringLiteral("42.00 x 28.00 inches"));
        // Unticking changes no count.
        QTest::mouseClick(w->chkLockWh, Qt::LeftButton);
        QCOMPARE(w->cmbTilesHigh->currentIndex(), 6);
        w->cmbTilesWide->setCurrentIndex(0);
        QCOMPARE(w->cmbTilesHigh->currentIndex(), 6);
    }

    void applyingPrefsChangesListsOnly() {
        w->State().bApplyingPrefs = true;
        const QString before = w->lblFinalSize->text();
        const int saves = Saves();
        w->cmbTilesWide->setCurrentIndex(9);
        QCOMPARE(w->State().TilesWideIndex(), 9);
        QCOMPARE(w->lblFinalSize->text(), before);
        QCOMPARE(Saves(), saves);
        w->State().bApplyingPrefs = false;
    }

    void previewShowsGridWhereTilesAreCut() {
        w->chkPreviewTiles->setChecked(true);
        LoadPhoto();
        w->cmbTilesWide->setCurrentIndex(2); // 3 x 2 tiles of 6 x 4: 18 x 8 inches
        const QImage shown = w->picCur->Image();
        const PreviewGeometry& g = w->Geometry();
        const double s = g.dPreviewScale;
        QCOMPARE(shown.width(), *Nearest(600 * s));
        const TileCoordTable t = w->State().CalcTileCoord();
        QCOMPARE(t.count, short(6));
        const int midY = (g.iWinTop + g.iWinBottom) / 4 + 1;
        const QList<int> expected{*Nearest(t.tiles[0].left * s), *Nearest(t.tiles[1].left * s),
                                  *Nearest(t.tiles[2].left * s), g.iWinRight};
        QCOMPARE(RedColumns(shown, midY), expected);
        QCOMPARE(g.iWinLeft, expected.first());
        // 18 x 8 inches is wider than the image: the window spans it across, not down.
        QCOMPARE(w->lblLrValue->text(), QStringLiteral("(full width)"));
        QCOMPARE(w->lblTbValue->text(), QStringLiteral("(center)"));

        // "Show Tiles" off: the plain picture, stored as a preference.
        const int saves = Saves();
        QTest::mouseClick(w->chkPreviewTiles, Qt::LeftButton);
        QVERIFY(!w->chkPreviewTiles->isChecked());
        QVERIFY(!HasRed(w->picCur->Image()));
        QCOMPARE(Saves(), saves + 1);
        QTest::mouseClick(w->chkPreviewTiles, Qt::LeftButton);
        QVERIFY(HasRed(w->picCur->Image()));
    }

    void zoomShrinksTheWindow() {
        w->chkPreviewTiles->setChecked(true);
        LoadPhoto();
        const int fullWidth = w->Geometry().WindowWidth();
        w->scrZoom->setValue(100);
        QCOMPARE(w->lblZoomAmount->text(), QStringLiteral("(100%)"));
        QCOMPARE(w->lblResolution->text(), QStringLiteral("25.0 dpi"));
        QCOMPARE(w->lblMPixVal->text(), QStringLiteral("0.06"));
        QVERIFY(w->Geometry().WindowWidth() < fullWidth * 0.6);
        QCOMPARE(w->lblLrValue->text(), QStringLiteral("(center)"));
        QCOMPARE(w->lblTbValue->text(), QStringLiteral("(center)"));
    }

    void zoomWithoutImageUpdatesLabel() {
        w->SetCurrentFolder(dir->filePath(QStringLiteral("empty")));
        w->scrZoom->setValue(40);
        QCOMPARE(w->lblZoomAmount->text(), QStringLiteral("(40%)"));
        QCOMPARE(w->lblLrValue->text(), QStringLiteral("---"));
    }

    void holdingAnArrowMovesThePoster() {
        w->chkPreviewTiles->setChecked(true);
        LoadPhoto();
        w->scrZoom->setValue(100);
        const QSize pad = w->arrowPad->size();
        QTest::mousePress(w->arrowPad, Qt::LeftButton, {},
                          QPoint(pad.width() - 4, pad.height() / 2));
        QVERIFY(w->tmrImg->isActive());
        QVERIFY(w->imgArrow_right->isVisible());
        QVERIFY(!w->imgArrow->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(w->State().iHorzCenter >= 105, 10000);
        QTest::mouseRelease(w->arrowPad, Qt::LeftButton, {},
                            QPoint(pad.width() - 4, pad.height() / 2));
        QVERIFY(!w->tmrImg->isActive());
        QVERIFY(w->imgArrow->isVisible());
        QVERIFY(!w->imgArrow_right->isVisible());
        const short h = w->State().iHorzCenter;
        QCOMPARE(w->lblLrValue->text(), QStringLiteral("(right %1%)").arg(h - 100));
        // The grid moved with it.
        const TileCoordTable t = w->State().CalcTileCoord();
        QCOMPARE(w->Geometry().iWinLeft, *Nearest(t.tiles[0].left * w->Geometry().dPreviewScale));
        // A corner does nothing.
        QTest::mousePress(w->arrowPad, Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(!w->tmrImg->isActive());
        QTest::mouseRelease(w->arrowPad, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(w->State().iHorzCenter, h);
    }

    void draggingTheWindow() {
        w->chkPreviewTiles->setChecked(true);
        LoadPhoto();
        w->cmbTilesWide->setCurrentIndex(0); // 1 x 2 tiles: 6 x 8 inches, narrower than the image
        const PreviewGeometry g = w->Geometry();
        const double s = g.dPreviewScale;
        const int freeX = *Nearest(600 * s - g.WindowWidth());
        QVERIFY(freeX > 20);
        const QPointF start =
            PicPoint((g.iWinLeft + g.iWinRight) / 2, (g.iWinTop + g.iWinBottom) / 2);
        SendMouse(w->picCur, QEvent::MouseMove, start, Qt::NoButton, Qt::NoButton);
        QCOMPARE(w->PointerMode(), 1);
        SendMouse(w->picCur, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(w->PointerMode(), 2);
        SendMouse(w->picCur, QEvent::MouseMove, start + QPointF(freeX / 4.0, 0), Qt::NoButton,
                  Qt::LeftButton);
        QCOMPARE(w->State().iHorzCenter, 150);
        QCOMPARE(w->lblLrValue->text(), QStringLiteral("(right 50%)"));
        SendMouse(w->picCur, QEvent::MouseMove, start + QPointF(-5000, 0), Qt::NoButton,
                  Qt::LeftButton);
        QCOMPARE(w->State().iHorzCenter, 0);
        QCOMPARE(w->Geometry().iWinLeft, 0);
        SendMouse(w->picCur, QEvent::MouseButtonRelease, start + QPointF(freeX / 2.0, 0),
                  Qt::LeftButton, Qt::NoButton);
        QCOMPARE(w->State().iHorzCenter, 200);
        QCOMPARE(w->Geometry().iWinRight, *Nearest(600 * s) - 1);
        QVERIFY(w->PointerMode() != 2);
        // Outside the window the pointer is the plain arrow.
        SendMouse(w->picCur, QEvent::MouseMove, PicPoint(1, 1), Qt::NoButton, Qt::NoButton);
        QCOMPARE(w->PointerMode(), 0);
    }

    void rotatingTheImage() {
        LoadPhoto();
        w->cmbRotate->setCurrentIndex(1); // CW
        QCOMPARE(w->State().lImgWidth, 400);
        QCOMPARE(w->State().lImgHeight, 600);
        QCOMPARE(w->State().iRotateAngle, short(90));
        QImage full = w->Image().Full();
        QCOMPARE(full.size(), QSize(400, 600));
        QCOMPARE(full.pixel(399, 0), qRgb(0, 255, 0)); // the marked corner went to the top right
        w->cmbRotate->setCurrentIndex(3);              // 180: a further quarter turn
        QCOMPARE(w->State().lImgWidth, 600);
        QCOMPARE(w->State().iRotateAngle, short(180));
        full = w->Image().Full();
        QCOMPARE(full.pixel(599, 399), qRgb(0, 255, 0));
        QCOMPARE(w->picCur->Image().width(), *Nearest(600 * w->Geometry().dPreviewScale));
    }

    void rotatingTheTiles() {
        w->cmbTilesWide->setCurrentIndex(2);
        w->cmbTilesHigh->setCurrentIndex(1);
        QCOMPARE(w->lblFinalSize->text(), QStringLiteral("18.00 x 8.00 inches"));
        QTest::mouseClick(w->chkRotateTiles, Qt::LeftButton);
        QVERIFY(w->State().bTileRotated);
        QCOMPARE(w->lblFinalSize->text(), QStringLiteral("12.00 x 12.00 inches"));
    }

    void adjustEdges() {
        LoadPhoto();
        const QString before = w->lblFinalSize->text();
        QTest::mouseClick(w->chkPrinterClips, Qt::LeftButton);
        QVERIFY(w->cmbCurBtm->isEnabled());
        // "default" clips nothing: the introduction is shown, the size stays.
        QCOMPARE(messages.Messages().size(), 1);
        QCOMPARE(messages.Messages().first().title,
                 QStringLiteral("Edge Calibration Introduction"));
        QCOMPARE(w->lblFinalSize->text(), before);
        w->cmbCurBtm->setCurrentIndex(1); // Kodak 3, 4, 3, 2 / 64 inch
        QVERIFY(w->lblFinalSize->text() != before);
        QCOMPARE(w->lblFinalSize->text(), QStringLiteral("11.81 x 7.81 inches"));
        QTest::mouseClick(w->chkPrinterClips, Qt::LeftButton);
        QVERIFY(!w->cmbCurBtm->isEnabled());
        QCOMPARE(w->lblFinalSize->text(), before);
        QTest::mouseClick(w->chkPrinterClips, Qt::LeftButton);
        QCOMPARE(messages.Messages().size(), 1); // not an initial profile any more
    }

    void paperHandOver() {
        LoadPhoto();
        const int saves = Saves();
        QCOMPARE(w->setNewTileVals(QStringLiteral("A4"), kUnitMillimeters, 210, 297, 210, 297,
                                   QStringLiteral("line")),
                 short(1));
        QCOMPARE(w->lblPaperSize->text(), QStringLiteral("210.0 x 297.0"));
        QCOMPARE(w->lblUnits->text(), QStringLiteral("Millimeters"));
        QCOMPARE(w->lblPaperName->text(), QStringLiteral("A4"));
        QCOMPARE(w->lblFinalSize->text(), QStringLiteral("42.0 x 59.4 cm"));
        QCOMPARE(Saves(), saves + 1);
        QCOMPARE(w->getPaperRegLine(), QStringLiteral("line"));
    }

    void largePreview() {
        QTest::mouseClick(w->cmdLargePreview, Qt::LeftButton); // disabled: nothing
        w->cmdLargePreview->setEnabled(true);
        QTest::mouseClick(w->cmdLargePreview, Qt::LeftButton);
        QCOMPARE(messages.Messages().size(), 1);
        QCOMPARE(messages.Messages().first().title, QStringLiteral("No Image Selected"));
        QVERIFY(!w->PreviewWindow());
        messages.Clear();
        w->chkPreviewTiles->setChecked(true);
        LoadPhoto();
        QTest::mouseClick(w->cmdLargePreview, Qt::LeftButton);
        QVERIFY(messages.Messages().isEmpty());
        frmPreview* p = w->PreviewWindow();
        QVERIFY(p);
        QVERIFY(p->isVisible());
        QCOMPARE(p->windowTitle(), QStringLiteral("Poster Preview"));
        QCOMPARE(p->cmdClose->text(), QStringLiteral("Close"));
        const QImage shown = p->picPreview->Image();
        QVERIFY(!shown.isNull());
        // 2 x 2 tiles, evenly divided grid.
        QCOMPARE(RedColumns(shown, shown.height() / 4).size(), 3);
        QCOMPARE(double(shown.width()) / shown.height(), 1.5);
        Shot(p, QStringLiteral("preview_window"));
        QTest::mouseClick(p->cmdClose, Qt::LeftButton);
        QTRY_VERIFY(!w->PreviewWindow());
    }

    void exitEndsWithoutWriting() {
        const int saves = Saves();
        QTest::mouseClick(w->cmdQuit, Qt::LeftButton);
        QCOMPARE(w->ends, 1);
        w->mnuExit->trigger();
        QCOMPARE(w->ends, 2);
        QCOMPARE(Saves(), saves);
    }

    void closingWritesPreferences() {
        QSignalSpy unloaded(w.get(), &frmMain::unloaded);
        const int saves = Saves();
        w->close();
        QCOMPARE(Saves(), saves + 1);
        QCOMPARE(unloaded.count(), 1);
        QCOMPARE(w->ends, 0);
    }

    void changesAreStored() {
        w->cmbTilesWide->setCurrentIndex(4);
        w->cmbTilesHigh->setCurrentIndex(11);
        QCOMPARE(store.GetPref(PrefValue::NumTiles), QStringLiteral("w04h11"));
        QCOMPARE(*store.Stored(PrefValue::NumTiles), StoredPref(QStringLiteral("w04h11")));
        QTest::mouseClick(w->chkPreviewTiles, Qt::LeftButton);
        QCOMPARE(*store.Stored(PrefValue::ShowTiles),
                 StoredPref(std::int32_t(w->chkPreviewTiles->isChecked() ? 1 : 0)));
        QTest::mouseClick(w->chkLockWh, Qt::LeftButton);
        QCOMPARE(*store.Stored(PrefValue::HeightEqualsWidth), StoredPref(std::int32_t(1)));
        QCOMPARE(store.GetPref(PrefValue::NumTiles), QStringLiteral("w04h04"));
        QTest::mouseClick(w->chkPrinterClips, Qt::LeftButton);
        w->cmbCurBtm->setCurrentIndex(2);
        QCOMPARE(store.GetPref(PrefValue::EdgeAdjust), QStringLiteral("1_02"));
        // The six grouped values, in their order, on every write.
        store.ClearWriteLog();
        w->cmbTilesWide->setCurrentIndex(1);
        QStringList expected;
        for (PrefValue v :
             {PrefValue::NumTiles, PrefValue::PaperRegLine, PrefValue::EdgeAdjust,
              PrefValue::ShowTiles, PrefValue::HeightEqualsWidth, PrefValue::MarginLocked})
            expected << PrefValueName(v);
        QCOMPARE(store.WriteLog().mid(0, 6), expected);
        // Turning the tiles is not stored.
        store.ClearWriteLog();
        QTest::mouseClick(w->chkRotateTiles, Qt::LeftButton);
        QVERIFY(store.WriteLog().isEmpty());
    }

    void startUpRestoresStoredPreferences() {
        const QString a4 = QStringLiteral("|1|A4 - 210 x 297|210|297|12|12|12|12|10|10|10|10|");
        RecordingMessageService m;
        MemorySettingsStore s;
        PrepareStore(s, dir->filePath(QStringLiteral("empty")));
        s.SavePref(PrefValue::NumTiles, QStringLiteral("w05h03"));
        s.SavePref(PrefValue::EdgeAdjust, QStringLiteral("1_02"));
        s.SavePref(PrefValue::ShowTiles, 1);
        s.SavePref(PrefValue::HeightEqualsWidth, 0);
        s.SavePref(PrefValue::MarginLocked, 1);
        s.SavePref(PrefValue::PaperRegLine, a4);
        s.ClearWriteLog();
        TestMain fresh(s, m);
        fresh.Form_Load();
        QCOMPARE(fresh.cmbTilesWide->currentIndex(), 5);
        QCOMPARE(fresh.cmbTilesHigh->currentIndex(), 3);
        QVERIFY(fresh.chkPrinterClips->isChecked());
        QVERIFY(fresh.cmbCurBtm->isEnabled());
        QCOMPARE(fresh.cmbCurBtm->currentIndex(), 2);
        QCOMPARE(fresh.cmbCurBtm->currentText(), QStringLiteral("Fuji photo lab default"));
        QVERIFY(fresh.chkPreviewTiles->isChecked());
        QVERIFY(!fresh.chkLockWh->isChecked());
        QCOMPARE(fresh.State().iWhMarginLocked, short(1));
        QCOMPARE(fresh.getPaperRegLine(), a4);
        QCOMPARE(fresh.getCurUnits(), kUnitMillimeters);
        PaperModel paper;
        paper.initPaperSizes();
        paper.setPrefFromRegLine(a4);
        QCOMPARE(fresh.lblPaperName->text(), paper.getWhuValues().sGetPaperName);
        QCOMPARE(fresh.lblPaperSize->text(), QStringLiteral("210.0 x 297.0"));
        QCOMPARE(fresh.lblUnits->text(), QStringLiteral("Millimeters"));
        QVERIFY(fresh.lblFinalSize->text().endsWith(QStringLiteral(" cm")));
        QCOMPARE(fresh.CurrentFolder(), QDir::cleanPath(dir->filePath(QStringLiteral("empty"))));
        QVERIFY(m.Messages().isEmpty());
        // Nothing but the folder was written while starting; the next change writes again.
        for (const QString& name : s.WriteLog())
            QCOMPARE(name, PrefValueName(PrefValue::LastFolder));
        fresh.cmbTilesHigh->setCurrentIndex(0);
        QCOMPARE(s.GetPref(PrefValue::NumTiles), QStringLiteral("w05h00"));
        // Closing writes the group once more.
        s.ClearWriteLog();
        fresh.close();
        QCOMPARE(s.WriteLog().count(PrefValueName(PrefValue::NumTiles)), 1);
    }

    void firstStartUsesDefaults() {
        RecordingMessageService m;
        MemorySettingsStore s;
        PrepareStore(s, {});
        TestMain fresh(s, m);
        fresh.Form_Load();
        QCOMPARE(fresh.State().GetNumTilesWide(), short(2));
        QCOMPARE(fresh.State().GetNumTilesHigh(), short(2));
        QVERIFY(!fresh.chkPrinterClips->isChecked());
        QVERIFY(!fresh.chkPreviewTiles->isChecked());
        QVERIFY(!fresh.chkLockWh->isChecked());
        QCOMPARE(fresh.cmbCurBtm->currentIndex(), 0);
        QCOMPARE(fresh.lblPaperName->text(), QStringLiteral("Photo 4\" x 6\""));
        QCOMPARE(fresh.lblUnits->text(), QStringLiteral("Inches"));
        // The shipped profiles were written beside the program's settings.
        QVERIFY(QFile::exists(dir->filePath(QStringLiteral("app/printer_edge_config"))));
    }

    void dialogCommandsAreForwarded() {
        QSignalSpy paper(w.get(), &frmMain::paperDialogRequested);
        QSignalSpy edge(w.get(), &frmMain::edgeDialogRequested);
        QSignalSpy save(w.get(), &frmMain::saveDialogRequested);
        QSignalSpy help(w.get(), &frmMain::helpContentsRequested);
        QSignalSpy about(w.get(), &frmMain::aboutRequested);
        QTest::mouseClick(w->cmdEditPaperSize, Qt::LeftButton);
        w->mnuPaperSize->trigger();
        QTest::mouseClick(w->cmdConfig, Qt::LeftButton);
        w->mnuEdgeClip->trigger();
        w->mnuContent->trigger();
        w->mnuAbout->trigger();
        LoadPhoto();
        QTest::mouseClick(w->cmdSaveNow, Qt::LeftButton);
        QCOMPARE(paper.count(), 2);
        QCOMPARE(edge.count(), 2);
        QCOMPARE(save.count(), 1);
        QCOMPARE(help.count(), 1);
        QCOMPARE(about.count(), 1);
    }

    void droppingAFileLoadsIt() {
        w->SetCurrentFolder(dir->filePath(QStringLiteral("empty")));
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(dir->filePath(QStringLiteral("photo.bmp")))});
        const QPoint at = w->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w.get(), &drop);
        QVERIFY(w->State().bImgSelected);
        QCOMPARE(w->CurrentFolder(), QDir::cleanPath(dir->path()));
        QCOMPARE(w->lstFiles->currentItem()->text(), QStringLiteral("photo.bmp"));
        QCOMPARE(StoredFolder(), QDir::cleanPath(dir->path()));
    }

    void specialFolderButtons() {
        QTest::mouseClick(w->cmdDesktop, Qt::LeftButton);
        // The prepared Desktop is the test folder itself; My Documents is "empty".
        QCOMPARE(w->CurrentFolder(), QDir::cleanPath(dir->path()));
        QTest::mouseClick(w->cmdMyDoc, Qt::LeftButton);
        QCOMPARE(w->CurrentFolder(), QDir::cleanPath(dir->filePath(QStringLiteral("empty"))));
        QVERIFY(messages.Messages().isEmpty());
        w->SetSpecialFolders(SpecialFolders(dir->filePath(QStringLiteral("nowhere")), {}));
        QTest::mouseClick(w->cmdMyDoc, Qt::LeftButton);
        QCOMPARE(messages.Messages().size(), 1);
        QCOMPARE(messages.Messages().first().title, QStringLiteral("Problem"));
        QVERIFY(messages.Messages().first().text.contains(QStringLiteral("My Documents folder")));
    }

    void layoutFitsAtDefaultAndEnlargedSizes_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("default") << QSize(1180, 760);
        QTest::newRow("enlarged") << QSize(1600, 1000);
    }
    void layoutFitsAtDefaultAndEnlargedSizes() {
        QFETCH(QSize, size);
        w->chkPreviewTiles->setChecked(true);
        w->resize(size);
        LoadPhoto();
        QTest::qWait(150); // the preview follows a resize after a short pause
        QWidget* central = w->centralWidget();
        const QRect area = central->rect();
        const QList<QWidget*> controls = central->findChildren<QWidget*>();
        for (QWidget* c : controls) {
            if (!c->isVisible() || c->objectName().isEmpty() || c->objectName().startsWith(u"qt_"))
                continue;
            const QRect r(c->mapTo(central, QPoint(0, 0)), c->size());
            QVERIFY2(area.contains(r), qPrintable(c->objectName()));
            QVERIFY2(c->width() >= c->minimumSizeHint().width() ||
                         c->minimumSizeHint().width() <= 0,
                     qPrintable(c->objectName()));
        }
        // The preview uses the room it gets.
        QVERIFY(w->picCur->width() > size.width() / 3);
        QCOMPARE(std::max(w->picCur->Image().width() == w->picCur->width(),
                          w->picCur->Image().height() == w->picCur->height()),
                 true);
        Shot(w.get(), QStringLiteral("main_") + QString::fromLatin1(QTest::currentDataTag()));
    }
};

QTEST_MAIN(TstApp)
#include "tst_app.moc"
