#include "app/app_version.h"
#include "app/frm_main.h"
#include "source/status_pictures.h"
#include "tests/app/app_test_support.h"
#include "tests/support/memory_settings_store.h"
#include "tests/support/recording_message_service.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace tessellon;
using namespace tessellon::testing;

namespace {

void SaveImage(const QTemporaryDir& dir, const QString& name, int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(QColor(90, 140, 200));
    // A green top-left corner, so turns can be told apart.
    for (int y = 0; y < std::min(h, 4); ++y)
        for (int x = 0; x < std::min(w, 4); ++x)
            img.setPixel(x, y, qRgb(0, 255, 0));
    QVERIFY(img.save(dir.filePath(name), name.endsWith(u"bmp") ? "BMP" : "JPEG"));
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

} // namespace

class TstApp : public QObject {
    Q_OBJECT

    RecordingMessageService messages;
    MemorySettingsStore store;
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<frmMain> w;

    // Each preference write of the window writes the tile counts first.
    int Saves() const { return int(store.WriteLog().count(PrefValueName(PrefValue::NumTiles))); }
    QString Path(const QString& name = {}) const {
        return QDir::cleanPath(name.isEmpty() ? dir->path() : dir->filePath(name));
    }
    void PrepareStore(MemorySettingsStore& s, const QString& lastFolder) const {
        s.Clear();
        s.SavePref(PrefValue::AppDir, Path(QStringLiteral("app")));
        if (!lastFolder.isEmpty())
            s.SavePref(PrefValue::LastFolder, lastFolder);
        s.ClearWriteLog();
    }
    void ClickFile(const QString& name) {
        const auto items = w->lstFiles->findItems(name, Qt::MatchExactly);
        QVERIFY2(!items.isEmpty(), qPrintable(name));
        const QRect r = w->lstFiles->visualItemRect(items.first());
        QTest::mouseClick(w->lstFiles->viewport(), Qt::LeftButton, {}, r.center());
    }
    // 600 x 400 pixels; the 2 x 2 tiles of 6 x 4 inches cover all of it.
    void LoadPhoto() {
        ClickFile(QStringLiteral("photo.bmp"));
        QVERIFY(w->State().bImgSelected);
    }
    void ClickArrowPad(QPoint at) { QTest::mousePress(w->arrowPad, Qt::LeftButton, {}, at); }

private slots:
    void init() {
        messages.Clear();
        dir = std::make_unique<QTemporaryDir>();
        SaveImage(*dir, QStringLiteral("photo.bmp"), 600, 400);
        SaveImage(*dir, QStringLiteral("Big.JPG"), 1200, 800);
        SaveImage(*dir, QStringLiteral("narrow.bmp"), 24, 200);
        SaveImage(*dir, QStringLiteral("edge.bmp"), 25, 25);
        QFile broken(dir->filePath(QStringLiteral("broken.jpg")));
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("not a picture") > 0);
        broken.close();
        QFile notes(dir->filePath(QStringLiteral("notes.txt")));
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.close();
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("empty")));
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("app")));
        PrepareStore(store, dir->path());
        w = std::make_unique<frmMain>(store, messages);
        w->Form_Load();
        w->SetSpecialFolders(SpecialFolders(dir->path(), Path(QStringLiteral("empty"))));
        w->resize(1180, 760);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        messages.Clear();
        store.ClearWriteLog();
    }
    void cleanup() { w.reset(); }

    void controlsAreNamedAndWiredToTheirTexts() {
        const QString names = QStringLiteral(
            "Drive1 Dir1 cmbFileType lstFiles cmdMyDoc cmdDesktop picCur fraPrintInfo "
            "lblPaperName lblPaperSize lblTileSize lblUnits cmdEditPaperSize chkPrinterClips "
            "cmbCurBtm cmdConfig fraNumberTiles cmbTilesWide cmbTilesHigh chkLockWh "
            "lblTilesWide lblTilesHigh fraTilePlacement scrZoom lblZoom lblZoomAmount "
            "imgArrow_Up imgArrow_down imgArrow_left imgArrow_right imgArrow lblLrValue "
            "lblTbValue fraPosterSize lblMPixVal lblFinalSize lblResolution lblQuality "
            "chkPreviewTiles chkRotateTiles cmbRotate cmdLargePreview cmdSaveNow lblStep4 "
            "cmdQuit lblStep1 Label7 Label11 tmrLoadingImg tmrImg tmrAppEnd mnuExit "
            "mnuPaperSize mnuEdgeClip mnuContent mnuAbout");
        for (const QString& name : names.split(u' '))
            QVERIFY2(w->findChild<QObject*>(name), qPrintable(name));
        // "1.0.0" shows as "1.00".
        const QStringList v = QStringLiteral(TESSELLON_VERSION).split(u'.');
        QCOMPARE(w->windowTitle(), QStringLiteral("Tessellon v") + v[0] + u'.' + v[1] + v[2]);
        QCOMPARE(GetAppVersionString(QStringLiteral("2.1.12")), QStringLiteral("2.112"));
        // One text of each kind reaches its control.
        QCOMPARE(w->cmdMyDoc->toolTip(), QStringLiteral("Navigate to My Documents folder"));
        QCOMPARE(w->fraPosterSize->title(), QStringLiteral("Final Poster Size"));
        QCOMPARE(w->lblStep4->text(),
                 QStringLiteral("Step (4) - Click to Save Tile Image Files-->"));
        QCOMPARE(w->mnuPaperSize->text(), QStringLiteral("Select Paper/Margins..."));
        QCOMPARE(w->cmbTilesWide->count(), 25);
        QCOMPARE(w->cmbTilesHigh->itemText(24), QStringLiteral("25"));
        QCOMPARE(w->cmbRotate->itemText(2), QStringLiteral("CCW Rotate"));
        QCOMPARE(w->cmbFileType->itemText(4), QStringLiteral("Show All Files (*.*)"));
    }

    void startUpState() {
        QCOMPARE(w->cmbRotate->currentIndex(), 0);
        QCOMPARE(w->lblZoomAmount->text(), QStringLiteral("(0%)"));
        QCOMPARE(w->lblFinalSize->text(), QStringLiteral("12.00 x 8.00 inches"));
        for (QLabel* l : {w->lblResolution, w->lblMPixVal, w->lblQuality, w->lblLrValue})
            QCOMPARE(l->text(), QStringLiteral("---"));
        QVERIFY(!w->cmdSaveNow->isEnabled() && !w->cmdLargePreview->isEnabled());
        QVERIFY(!w->cmbCurBtm->isEnabled());
        QCOMPARE(w->CurrentFolder(), Path());
        QCOMPARE(w->StatusPicture(), int(StatusPictures::kPickImage));
        QVERIFY(!w->State().bSkipSettingWrite);
        QVERIFY(QFile::exists(dir->filePath(QStringLiteral("app/printer_edge_config"))));
        Shot(w.get(), QStringLiteral("main_startup"));
    }

    void startUpRestoresStoredPreferences() {
        const QString a4 = QStringLiteral("|1|A4 - 210 x 297|210|297|12|12|12|12|10|10|10|10|");
        RecordingMessageService m;
        MemorySettingsStore s;
        PrepareStore(s, Path(QStringLiteral("empty")));
        s.SavePref(PrefValue::NumTiles, QStringLiteral("w05h03"));
        s.SavePref(PrefValue::EdgeAdjust, QStringLiteral("1_02"));
        s.SavePref(PrefValue::ShowTiles, 1);
        s.SavePref(PrefValue::MarginLocked, 1);
        s.SavePref(PrefValue::PaperRegLine, a4);
        s.ClearWriteLog();
        frmMain fresh(s, m);
        fresh.Form_Load();
        QCOMPARE(fresh.cmbTilesWide->currentIndex(), 5);
        QCOMPARE(fresh.cmbTilesHigh->currentIndex(), 3);
        QVERIFY(fresh.chkPrinterClips->isChecked());
        QVERIFY(fresh.cmbCurBtm->isEnabled());
        QCOMPARE(fresh.cmbCurBtm->currentText(), QStringLiteral("Fuji photo lab default"));
        QVERIFY(fresh.chkPreviewTiles->isChecked());
        QVERIFY(!fresh.chkLockWh->isChecked());
        QCOMPARE(fresh.State().iWhMarginLocked, short(1));
        QCOMPARE(fresh.getPaperRegLine(), a4);
        QCOMPARE(fresh.lblPaperName->text(), QStringLiteral("A4 - 210 x 297"));
        QCOMPARE(fresh.lblPaperSize->text(), QStringLiteral("210.0 x 297.0"));
        QCOMPARE(fresh.lblTileSize->text(), QStringLiteral("190.0 x 277.0"));
        QCOMPARE(fresh.lblUnits->text(), QStringLiteral("Millimeters"));
        // 6 x 4 tiles of 190 x 277 mm less the Fuji trims (3/32 + 3/32 in, 2/64 + 3/64 in).
        QCOMPARE(fresh.lblFinalSize->text(), QStringLiteral("111.1 x 110.0 cm"));
        QCOMPARE(fresh.CurrentFolder(), Path(QStringLiteral("empty")));
        QVERIFY(m.Messages().isEmpty());
        // Nothing but the folder is written while starting; the next change writes again.
        QCOMPARE(s.WriteLog(), QStringList{PrefValueName(PrefValue::LastFolder)});
        fresh.cmbTilesHigh->setCurrentIndex(0);
        QCOMPARE(s.GetPref(PrefValue::NumTiles), QStringLiteral("w05h00"));
        s.ClearWriteLog();
        fresh.close();
        QCOMPARE(s.WriteLog().count(PrefValueName(PrefValue::NumTiles)), 1);
    }

    void missingStoredFolderStartsWithDefaults() {
        RecordingMessageService m;
        MemorySettingsStore s;
        PrepareStore(s, Path(QStringLiteral("gone/away")));
        frmMain fresh(s, m);
        fresh.Form_Load();
        QVERIFY(QFileInfo(fresh.CurrentFolder()).isDir());
        QCOMPARE(s.GetPref(PrefValue::LastFolder), fresh.CurrentFolder());
        QCOMPARE(fresh.State().GetNumTilesWide(), short(2));
        QVERIFY(!fresh.chkPrinterClips->isChecked() && !fresh.chkPreviewTiles->isChecked());
        QCOMPARE(fresh.lblPaperName->text(), QStringLiteral("Photo 4\" x 6\""));
        QCOMPARE(fresh.lblUnits->text(), QStringLiteral("Inches"));
    }

    void folderListShowsMatchingFiles() {
        QStringList names;
        for (int i = 0; i < w->lstFiles->count(); ++i)
            names << w->lstFiles->item(i)->text();
        QCOMPARE(names,
                 (QStringList{"Big.JPG", "broken.jpg", "edge.bmp", "narrow.bmp", "photo.bmp"}));
        w->cmbFileType->setCurrentIndex(4);
        QCOMPARE(w->lstFiles->count(), 6);
        QVERIFY(store.WriteLog().isEmpty()); // a filter change does not store the folder
        w->SetCurrentFolder(dir->filePath(QStringLiteral("empty")));
        QCOMPARE(w->lstFiles->count(), 0);
        QCOMPARE(w->StatusPicture(), int(StatusPictures::kPickFolder));
        QCOMPARE(store.GetPref(PrefValue::LastFolder), Path(QStringLiteral("empty")));
    }

    void choosingAFileLoadsIt() {
        LoadPhoto();
        QCOMPARE(w->State().lImgWidth, 600);
        QCOMPARE(w->ImagePath(), dir->filePath(QStringLiteral("photo.bmp")));
        QCOMPARE(w->lblResolution->text(), QStringLiteral("50.0 dpi"));
        QCOMPARE(w->lblQuality->text(), QStringLiteral("Good from a distance"));
        QCOMPARE(w->lblMPixVal->text(), QStringLiteral("0.24"));
        QCOMPARE(w->lblLrValue->text(), QStringLiteral("(full width)"));
        QCOMPARE(w->lblTbValue->text(), QStringLiteral("(full height)"));
        QVERIFY(w->cmdSaveNow->isEnabled() && w->cmdLargePreview->isEnabled());
        QCOMPARE(w->PointerMode(), 0);
        QVERIFY(messages.Messages().isEmpty());
        // A large JPEG is shown from a reduced decode; the full image is still there.
        ClickFile(QStringLiteral("Big.JPG"));
        QCOMPARE(w->Image().Full().size(), QSize(1200, 800));
        QCOMPARE(w->lblResolution->text(), QStringLiteral("100.0 dpi"));
        // Changing the folder drops the image.
        w->SetCurrentFolder(dir->filePath(QStringLiteral("empty")));
        QVERIFY(!w->State().bImgSelected);
        QVERIFY(!w->cmdSaveNow->isEnabled());
        QCOMPARE(w->lblResolution->text(), QStringLiteral("---"));
    }

    void imagesThatCannotBeUsed_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("messageCount"); // an unreadable file fails without a message
        QTest::newRow("25 x 25") << "edge.bmp" << true << 0;
        QTest::newRow("24 x 200") << "narrow.bmp" << false << 1;
        QTest::newRow("not a picture") << "broken.jpg" << false << 0;
    }
    void imagesThatCannotBeUsed() {
        QFETCH(QString, file);
        QFETCH(bool, accepted);
        QFETCH(int, messageCount);
        ClickFile(file);
        QCOMPARE(w->State().bImgSelected, accepted);
        QCOMPARE(messages.Messages().size(), messageCount);
        if (messageCount)
            QCOMPARE(messages.Messages().first().title,
                     QStringLiteral("Invalid Image File Selected"));
        QCOMPARE(w->StatusPicture() == int(StatusPictures::kError), !accepted);
        QCOMPARE(w->cmdSaveNow->isEnabled(), accepted);
        QCOMPARE(w->PointerMode(), 0);
    }

    void rotationChosenBeforeLoadingIsApplied() {
        w->cmbRotate->setCurrentIndex(1); // CW, no image yet
        LoadPhoto();
        QCOMPARE(w->State().iRotateAngle, short(90));
        QCOMPARE(w->State().lImgWidth, 400);
        const QImage full = w->Image().Full();
        QCOMPARE(full, QImage(dir->filePath(QStringLiteral("photo.bmp")))
                           .convertToFormat(full.format())
                           .transformed(QTransform().rotate(90)));
        // Poster 12 x 8 inches over a 400-pixel wide image: 33.3 dpi.
        QCOMPARE(w->lblResolution->text(), QStringLiteral("33.3 dpi"));
    }

    void tileCountsWithTheLock() {
        w->cmbTilesWide->setCurrentIndex(2);
        w->cmbTilesHigh->setCurrentIndex(4);
        const int saves = Saves();
        QTest::mouseClick(w->chkLockWh, Qt::LeftButton);
        QCOMPARE(w->cmbTilesHigh->currentIndex(), 2);
        QCOMPARE(w->lblFinalSize->text(), QStringLiteral("18.00 x 12.00 inches"));
        QVERIFY(Saves() > saves);
        w->cmbTilesHigh->setCurrentIndex(6);
        QCOMPARE(w->cmbTilesWide->currentIndex(), 6);
        QCOMPARE(w->lblFinalSize->text(), QStringLiteral("42.00 x 28.00 inches"));
        QTest::mouseClick(w->chkLockWh, Qt::LeftButton); // unticking changes no count
        w->cmbTilesWide->setCurrentIndex(0);
        QCOMPARE(w->cmbTilesHigh->currentIndex(), 6);
    }

    void previewShowsTheGrid() {
        w->chkPreviewTiles->setChecked(true);
        LoadPhoto();
        w->cmbTilesWide->setCurrentIndex(2); // 3 x 2 tiles: 18 x 8 inches, the image's full width
        const QImage shown = w->picCur->Image();
        const PreviewGeometry& g = w->Geometry();
        const QList<int> columns = RedColumns(shown, (g.iWinTop + g.iWinBottom) / 2);
        QCOMPARE(columns.size(), 4);
        QCOMPARE(columns.first(), 0);
        QCOMPARE(columns.last(), shown.width() - 1);
        QCOMPARE(g.iWinLeft, 0);
        QCOMPARE(g.iWinRight, shown.width() - 1);
        QCOMPARE(w->lblLrValue->text(), QStringLiteral("(full width)"));
        QCOMPARE(w->lblTbValue->text(), QStringLiteral("(center)"));
        // "Show Tiles" off: the plain picture, stored as a preference.
        const int saves = Saves();
        QTest::mouseClick(w->chkPreviewTiles, Qt::LeftButton);
        QVERIFY(RedColumns(w->picCur->Image(), (g.iWinTop + g.iWinBottom) / 2).isEmpty());
        QCOMPARE(Saves(), saves + 1);
    }

    void zoomShrinksTheWindow() {
        w->scrZoom->setValue(40);
        QCOMPARE(w->lblZoomAmount->text(), QStringLiteral("(40%)"));
        QCOMPARE(w->lblLrValue->text(), QStringLiteral("---"));
        LoadPhoto();
        w->scrZoom->setValue(100);
        QCOMPARE(w->lblResolution->text(), QStringLiteral("25.0 dpi"));
        QCOMPARE(w->lblMPixVal->text(), QStringLiteral("0.06"));
        QCOMPARE(w->lblLrValue->text(), QStringLiteral("(center)"));
        QCOMPARE(w->lblTbValue->text(), QStringLiteral("(center)"));
    }

    void holdingAnArrowStepsEveryQuarterSecond() {
        LoadPhoto();
        w->scrZoom->setValue(100); // room to move both ways
        const QSize pad = w->arrowPad->size();
        ClickArrowPad(QPoint(pad.width() - 4, pad.height() / 2));
        QVERIFY(w->tmrImg->isActive());
        QCOMPARE(w->tmrImg->interval(), 250);
        QVERIFY(w->imgArrow_right->isVisible() && !w->imgArrow->isVisible());
        QList<int> after;
        for (int i = 0; i < 7; ++i) {
            QVERIFY(QMetaObject::invokeMethod(w->tmrImg, "timeout"));
            after << w->State().iHorzCenter;
        }
        QCOMPARE(after, (QList<int>{101, 103, 105, 107, 109, 114, 119}));
        QCOMPARE(w->lblLrValue->text(), QStringLiteral("(right 19%)"));
        const int left = w->Geometry().iWinLeft;
        QTest::mouseRelease(w->arrowPad, Qt::LeftButton, {},
                            QPoint(pad.width() - 4, pad.height() / 2));
        QVERIFY(!w->tmrImg->isActive());
        QVERIFY(w->imgArrow->isVisible() && !w->imgArrow_right->isVisible());
        // The grid moved with it: the window is right of the centred position.
        QVERIFY(left > (w->picCur->Image().width() - w->Geometry().WindowWidth()) / 2);
        // A corner does nothing.
        ClickArrowPad(QPoint(2, 2));
        QVERIFY(!w->tmrImg->isActive());
        QTest::mouseRelease(w->arrowPad, Qt::LeftButton, {}, QPoint(2, 2));
    }

    void draggingTheWindow() {
        w->chkPreviewTiles->setChecked(true);
        LoadPhoto();
        w->cmbTilesWide->setCurrentIndex(0); // 1 x 2 tiles: 6 x 8 inches, narrower than the image
        const PreviewGeometry g = w->Geometry();
        const int freeX = w->picCur->Image().width() - g.WindowWidth();
        QVERIFY(freeX > 20);
        const QPointF origin(w->picCur->ImageOrigin());
        const QPointF start = origin + QPointF((g.iWinLeft + g.iWinRight) / 2, g.iWinTop + 5);
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
        QCOMPARE(w->Geometry().iWinRight, w->picCur->Image().width() - 1);
        SendMouse(w->picCur, QEvent::MouseMove, origin + QPointF(1, 1), Qt::NoButton, Qt::NoButton);
        QCOMPARE(w->PointerMode(), 0);
    }

    void rotatingTheImage() {
        LoadPhoto();
        const QImage file = w->Image().Full();
        w->cmbRotate->setCurrentIndex(1); // CW
        QCOMPARE(w->State().lImgWidth, 400);
        QCOMPARE(w->Image().Full(), file.transformed(QTransform().rotate(90)));
        w->cmbRotate->setCurrentIndex(3); // 180: a further quarter turn from here
        QCOMPARE(w->State().lImgWidth, 600);
        QCOMPARE(w->State().iRotateAngle, short(180));
        QCOMPARE(w->Image().Full(), file.transformed(QTransform().rotate(180)));
    }

    void rotatingTheTilesRefreshesEverything() {
        LoadPhoto();
        QCOMPARE(w->lblLrValue->text(), QStringLiteral("(full width)"));
        QTest::mouseClick(w->chkRotateTiles, Qt::LeftButton);
        QVERIFY(w->State().bTileRotated);
        // 2 x 2 tiles of 4 x 6 inches: 8 x 12, narrower than the 600 x 400 image.
        QCOMPARE(w->lblFinalSize->text(), QStringLiteral("8.00 x 12.00 inches"));
        QCOMPARE(w->lblLrValue->text(), QStringLiteral("(center)"));
        QCOMPARE(w->lblTbValue->text(), QStringLiteral("(full height)"));
        QVERIFY(w->Geometry().WindowWidth() < w->picCur->Image().width() / 2);
        QVERIFY(store.WriteLog().isEmpty()); // turning the tiles is not stored
    }

    // A change brings the outputs it affects up to date: they are blanked first, so one that
    // is not recomputed stays blank. Preference writes are counted exactly.
    void eachChangeRefreshesItsOutputs_data() {
        // The control, then the item or scroll value to choose; buttons are clicked.
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("metrics");
        QTest::addColumn<bool>("picture");
        QTest::addColumn<bool>("placement");
        QTest::addColumn<int>("saves");
        QTest::newRow("tile count") << "cmbTilesWide 3" << true << true << true << 1;
        QTest::newRow("lock") << "chkLockWh" << false << false << false << 1;
        QTest::newRow("rotate tiles") << "chkRotateTiles" << true << true << true << 0;
        QTest::newRow("rotate image") << "cmbRotate CW Rotate" << true << true << true << 0;
        QTest::newRow("zoom") << "scrZoom 100" << true << true << true << 0;
        QTest::newRow("adjust edges") << "chkPrinterClips" << true << true << true << 1;
        QTest::newRow("edge profile")
            << "cmbCurBtm Kodak photo lab default" << true << true << false << 1;
        QTest::newRow("show tiles") << "chkPreviewTiles" << false << true << false << 1;
        QTest::newRow("placement") << "tmrImg" << false << true << true << 0;
        QTest::newRow("load") << "lstFiles Big.JPG" << true << true << true << 0;
        QTest::newRow("failed load") << "lstFiles broken.jpg" << true << true << true << 0;
        QTest::newRow("paper accepted") << "setNewTileVals" << true << true << true << 1;
    }
    void eachChangeRefreshesItsOutputs() {
        QFETCH(QString, change);
        QFETCH(bool, metrics);
        QFETCH(bool, picture);
        QFETCH(bool, placement);
        QFETCH(int, saves);
        LoadPhoto();
        auto* finalSize = w->findChild<QLabel*>(QStringLiteral("lblFinalSize"));
        auto* lr = w->findChild<QLabel*>(QStringLiteral("lblLrValue"));
        auto* pic = w->findChild<PictureBox*>(QStringLiteral("picCur"));
        finalSize->clear();
        lr->clear();
        pic->Clear();
        store.ClearWriteLog();
        QObject* c = w->findChild<QObject*>(change.section(u' ', 0, 0));
        const QString choice = change.section(u' ', 1);
        if (auto* combo = qobject_cast<QComboBox*>(c))
            combo->setCurrentText(choice);
        else if (auto* bar = qobject_cast<QScrollBar*>(c))
            bar->setValue(choice.toInt());
        else if (auto* list = qobject_cast<QListWidget*>(c))
            list->setCurrentItem(list->findItems(choice, Qt::MatchExactly).value(0));
        else if (auto* button = qobject_cast<QAbstractButton*>(c))
            button->click();
        else if (c)
            QVERIFY(QMetaObject::invokeMethod(c, "timeout"));
        else
            w->setNewTileVals(QStringLiteral("A4"), kUnitMillimeters, 210, 297, 210, 297, {});
        QVERIFY(!metrics || !finalSize->text().isEmpty());
        QVERIFY(!picture || !pic->Image().isNull());
        QVERIFY(!placement || !lr->text().isEmpty());
        QCOMPARE(Saves(), saves);
    }

    void adjustEdges() {
        LoadPhoto();
        QTest::mouseClick(w->chkPrinterClips, Qt::LeftButton);
        QVERIFY(w->cmbCurBtm->isEnabled());
        // "default" clips nothing: the introduction is shown, the size stays.
        QCOMPARE(messages.Messages().size(), 1);
        QCOMPARE(messages.Messages().first().title,
                 QStringLiteral("Edge Calibration Introduction"));
        QCOMPARE(w->lblFinalSize->text(), QStringLiteral("12.00 x 8.00 inches"));
        w->cmbCurBtm->setCurrentIndex(1); // Kodak 3, 4, 3, 2 / 64 inch
        QCOMPARE(w->lblFinalSize->text(), QStringLiteral("11.81 x 7.81 inches"));
        QCOMPARE(store.GetPref(PrefValue::EdgeAdjust), QStringLiteral("1_01"));
        QTest::mouseClick(w->chkPrinterClips, Qt::LeftButton);
        QVERIFY(!w->cmbCurBtm->isEnabled());
        QCOMPARE(w->lblFinalSize->text(), QStringLiteral("12.00 x 8.00 inches"));
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
        QCOMPARE(store.GetPref(PrefValue::PaperRegLine), QStringLiteral("line"));
    }

    void largePreview() {
        w->cmdLargePreview->setEnabled(true);
        QTest::mouseClick(w->cmdLargePreview, Qt::LeftButton);
        QCOMPARE(messages.Messages().first().title, QStringLiteral("No Image Selected"));
        QVERIFY(!w->PreviewWindow());
        messages.Clear();
        w->chkPreviewTiles->setChecked(true);
        LoadPhoto();
        QTest::mouseClick(w->cmdLargePreview, Qt::LeftButton);
        QVERIFY(messages.Messages().isEmpty());
        frmPreview* p = w->PreviewWindow();
        QVERIFY(p && p->isVisible());
        QCOMPARE(p->windowTitle(), QStringLiteral("Poster Preview"));
        const QImage shown = p->picPreview->Image();
        QCOMPARE(RedColumns(shown, shown.height() / 4).size(), 3); // 2 x 2 tiles
        QCOMPARE(double(shown.width()) / shown.height(), 1.5);
        Shot(p, QStringLiteral("preview_window"));
        QTest::mouseClick(p->cmdClose, Qt::LeftButton);
        QTRY_VERIFY(!w->PreviewWindow());
    }

    void exitEndsTheApplicationWithoutWriting() {
        QSignalSpy unloaded(w.get(), &frmMain::unloaded);
        for (const bool byMenu : {false, true}) {
            if (byMenu)
                w->mnuExit->trigger();
            else
                QTest::mouseClick(w->cmdQuit, Qt::LeftButton);
            QTimer guard; // ends the run with a failure should the window not end it
            connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
            guard.start(5000);
            QCOMPARE(QCoreApplication::exec(), 0);
        }
        QVERIFY(store.WriteLog().isEmpty());
        QCOMPARE(unloaded.count(), 0);
    }

    void closingWritesPreferences() {
        QSignalSpy unloaded(w.get(), &frmMain::unloaded);
        w->close();
        QCOMPARE(Saves(), 1);
        QCOMPARE(unloaded.count(), 1);
    }

    void changesAreStoredAsTheGroup() {
        w->cmbTilesWide->setCurrentIndex(4);
        w->cmbTilesHigh->setCurrentIndex(11);
        QCOMPARE(*store.Stored(PrefValue::NumTiles), StoredPref(QStringLiteral("w04h11")));
        QTest::mouseClick(w->chkPreviewTiles, Qt::LeftButton);
        QCOMPARE(*store.Stored(PrefValue::ShowTiles), StoredPref(std::int32_t(1)));
        store.ClearWriteLog();
        QTest::mouseClick(w->chkLockWh, Qt::LeftButton);
        QCOMPARE(*store.Stored(PrefValue::HeightEqualsWidth), StoredPref(std::int32_t(1)));
        QCOMPARE(store.GetPref(PrefValue::NumTiles), QStringLiteral("w04h04"));
        // Every write stores the whole group, in its order.
        QCOMPARE(store.WriteLog().mid(store.WriteLog().size() - 6),
                 (QStringList{"prefs_numTiles", "paperRegLine", "prefs_edgeAdjust",
                              "prefs_showTiles", "prefs_heightEqualsWidth", "cmbMarginLocked"}));
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
        QCOMPARE((QList<qsizetype>{paper.count(), edge.count(), save.count(), help.count(),
                                   about.count()}),
                 (QList<qsizetype>{2, 2, 1, 1, 1}));
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
        QCOMPARE(w->lstFiles->currentItem()->text(), QStringLiteral("photo.bmp"));
        QCOMPARE(store.GetPref(PrefValue::LastFolder), Path());
    }

    void specialFolderButtons() {
        QTest::mouseClick(w->cmdMyDoc, Qt::LeftButton);
        QCOMPARE(w->CurrentFolder(), Path(QStringLiteral("empty")));
        QTest::mouseClick(w->cmdDesktop, Qt::LeftButton);
        QCOMPARE(w->CurrentFolder(), Path());
        w->SetSpecialFolders(SpecialFolders(dir->filePath(QStringLiteral("nowhere")), {}));
        QTest::mouseClick(w->cmdMyDoc, Qt::LeftButton);
        QCOMPARE(messages.Messages().size(), 1);
        QCOMPARE(messages.Messages().first().title, QStringLiteral("Problem"));
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
        // The preview uses the room it gets, once it has followed the resize.
        QTRY_VERIFY(w->picCur->Image().width() == w->picCur->width() ||
                    w->picCur->Image().height() == w->picCur->height());
        QVERIFY(w->picCur->width() > size.width() / 3);
        QWidget* central = w->centralWidget();
        for (QWidget* c : central->findChildren<QWidget*>()) {
            if (!c->isVisible() || c->objectName().isEmpty() || c->objectName().startsWith(u"qt_"))
                continue;
            QVERIFY2(central->rect().contains(QRect(c->mapTo(central, QPoint(0, 0)), c->size())),
                     qPrintable(c->objectName()));
            QVERIFY2(c->width() >= c->minimumSizeHint().width(), qPrintable(c->objectName()));
        }
        Shot(w.get(), QStringLiteral("main_") + QLatin1String(QTest::currentDataTag()));
    }
};

QTEST_MAIN(TstApp)
#include "tst_app.moc"
