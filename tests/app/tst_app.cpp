#include "app/app_version.h"
#include "app/frm_main.h"
#include "source/status_pictures.h"
#include "tests/app/app_test_support.h"
#include "tests/support/find_control.h"
#include "tests/support/memory_settings_store.h"
#include "tests/support/recording_message_service.h"

#include <QApplication>
#include <QDir>
#include <QFile>
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

void SendMouse(QWidget* w, QEvent::Type type, QPointF pos, Qt::MouseButtons buttons) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent ev(type, pos, w->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &ev);
}

} // namespace

class TstApp : public QObject {
    Q_OBJECT

    RecordingMessageService messages;
    MemorySettingsStore store;
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<frmMain> w;

    template <typename T = QWidget> T* C(const char* name) const { return Find<T>(*w, name); }
    QComboBox* Box(const char* name) const { return C<QComboBox>(name); }
    QString Text(const char* name) const { return testing::Text(*w, name); }
    void Click(const char* name) const { testing::Click(*w, name); }
    PictureBox* Picture() const { return C<PictureBox>("picCur"); }
    // Each preference write of the window writes the tile counts first.
    int Saves() const { return int(store.WriteLog().count(PrefValueName(PrefValue::NumTiles))); }
    QString Path(const QString& name = {}) const {
        return QDir::cleanPath(name.isEmpty() ? dir->path() : dir->filePath(name));
    }
    void PrepareStore(MemorySettingsStore& s, const QString& lastFolder) const {
        s.Clear();
        s.SavePref(PrefValue::AppDir, Path(QStringLiteral("app")));
        s.SavePref(PrefValue::LastFolder, lastFolder);
        s.ClearWriteLog();
    }
    void ClickFile(const QString& name) {
        auto* list = C<QListWidget>("lstFiles");
        const auto items = list->findItems(name, Qt::MatchExactly);
        QVERIFY2(!items.isEmpty(), qPrintable(name));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(items.first()).center());
    }
    // 600 x 400 pixels; the 2 x 2 tiles of 6 x 4 inches cover all of it.
    void LoadPhoto() {
        ClickFile(QStringLiteral("photo.bmp"));
        QVERIFY(w->State().bImgSelected);
    }
    QList<int> RedColumns(const QImage& img) const {
        const PreviewGeometry& g = w->Geometry();
        QList<int> xs;
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, (g.iWinTop + g.iWinBottom) / 2) == qRgb(255, 0, 0))
                xs.append(x);
        return xs;
    }

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

    void wiredToItsTexts() {
        // "1.0.0" shows as "1.00".
        const QStringList v = QStringLiteral(TESSELLON_VERSION).split(u'.');
        QCOMPARE(w->windowTitle(), QStringLiteral("Tessellon v") + v[0] + u'.' + v[1] + v[2]);
        QCOMPARE(GetAppVersionString(QStringLiteral("2.1.12")), "2.112");
        QCOMPARE(C("cmdMyDoc")->toolTip(), "Navigate to My Documents folder");
        QCOMPARE(C<QGroupBox>("fraPosterSize")->title(), "Final Poster Size");
        QCOMPARE(Text("lblStep4"), "Step (4) - Click to Save Tile Image Files-->");
        QCOMPARE(C<QAction>("mnuPaperSize")->text(), "Select Paper/Margins...");
        QCOMPARE(Box("cmbTilesWide")->count(), 25);
        QCOMPARE(Box("cmbTilesHigh")->itemText(24), "25");
        QCOMPARE(Box("cmbRotate")->itemText(2), "CCW Rotate");
        QCOMPARE(Box("cmbFileType")->itemText(4), "Show All Files (*.*)");
    }

    void startUpState() {
        QCOMPARE(Box("cmbRotate")->currentIndex(), 0);
        QCOMPARE(Text("lblZoomAmount"), "(0%)");
        QCOMPARE(Text("lblFinalSize"), "12.00 x 8.00 inches");
        for (const char* label : {"lblResolution", "lblMPixVal", "lblQuality", "lblLrValue"})
            QCOMPARE(Text(label), "---");
        QVERIFY(!C("cmdSaveNow")->isEnabled() && !C("cmdLargePreview")->isEnabled());
        QVERIFY(!Box("cmbCurBtm")->isEnabled());
        QVERIFY(!C<QCheckBox>("chkPrinterClips")->isChecked());
        QVERIFY(!C<QCheckBox>("chkPreviewTiles")->isChecked());
        QCOMPARE(Text("lblPaperName"), "Photo 4\" x 6\"");
        QCOMPARE(Text("lblUnits"), "Inches");
        QCOMPARE(w->CurrentFolder(), Path());
        QCOMPARE(w->StatusPicture(), int(StatusPictures::kPickImage));
        QVERIFY(QFile::exists(dir->filePath(QStringLiteral("app/printer_edge_config"))));
        Shot(w.get(), QStringLiteral("main_startup"));
    }

    void startUpRestoresStoredPreferences() {
        const QString a4 = QStringLiteral("|1|A4 - 210 x 297|210|297|12|12|12|12|10|10|10|10|");
        PrepareStore(store, Path(QStringLiteral("empty")));
        store.SavePref(PrefValue::NumTiles, QStringLiteral("w05h03"));
        store.SavePref(PrefValue::EdgeAdjust, QStringLiteral("1_02"));
        store.SavePref(PrefValue::ShowTiles, 1);
        store.SavePref(PrefValue::MarginLocked, 1);
        store.SavePref(PrefValue::PaperRegLine, a4);
        store.ClearWriteLog();
        w = std::make_unique<frmMain>(store, messages);
        w->Form_Load();
        QCOMPARE(Box("cmbTilesWide")->currentIndex(), 5);
        QCOMPARE(Box("cmbTilesHigh")->currentIndex(), 3);
        QVERIFY(C<QCheckBox>("chkPrinterClips")->isChecked() && Box("cmbCurBtm")->isEnabled());
        QCOMPARE(Box("cmbCurBtm")->currentText(), "Fuji photo lab default");
        QVERIFY(C<QCheckBox>("chkPreviewTiles")->isChecked());
        QVERIFY(!C<QCheckBox>("chkLockWh")->isChecked());
        QCOMPARE(w->State().iWhMarginLocked, short(1));
        QCOMPARE(w->getPaperRegLine(), a4);
        QCOMPARE(Text("lblPaperName"), "A4 - 210 x 297");
        QCOMPARE(Text("lblPaperSize"), "210.0 x 297.0");
        QCOMPARE(Text("lblTileSize"), "190.0 x 277.0");
        QCOMPARE(Text("lblUnits"), "Millimeters");
        // 6 x 4 tiles of 190 x 277 mm less the Fuji trims (3/32 + 3/32 in, 2/64 + 3/64 in).
        QCOMPARE(Text("lblFinalSize"), "111.1 x 110.0 cm");
        QCOMPARE(w->CurrentFolder(), Path(QStringLiteral("empty")));
        QVERIFY(messages.Messages().isEmpty());
        // Nothing but the folder is written while starting; the next change writes again.
        QCOMPARE(store.WriteLog(), QStringList{PrefValueName(PrefValue::LastFolder)});
        Box("cmbTilesHigh")->setCurrentIndex(0);
        QCOMPARE(store.GetPref(PrefValue::NumTiles), "w05h00");
    }

    void missingStoredFolderStartsWithDefaults() {
        PrepareStore(store, Path(QStringLiteral("gone/away")));
        w = std::make_unique<frmMain>(store, messages);
        w->Form_Load();
        QVERIFY(QFileInfo(w->CurrentFolder()).isDir());
        QCOMPARE(store.GetPref(PrefValue::LastFolder), w->CurrentFolder());
    }

    void folderListShowsMatchingFiles() {
        auto* list = C<QListWidget>("lstFiles");
        QStringList names;
        for (int i = 0; i < list->count(); ++i)
            names << list->item(i)->text();
        QCOMPARE(names,
                 (QStringList{"Big.JPG", "broken.jpg", "edge.bmp", "narrow.bmp", "photo.bmp"}));
        Box("cmbFileType")->setCurrentIndex(4);
        QCOMPARE(list->count(), 6);
        QVERIFY(store.WriteLog().isEmpty()); // a filter change does not store the folder
        w->SetCurrentFolder(dir->filePath(QStringLiteral("empty")));
        QCOMPARE(list->count(), 0);
        QCOMPARE(w->StatusPicture(), int(StatusPictures::kPickFolder));
        QCOMPARE(store.GetPref(PrefValue::LastFolder), Path(QStringLiteral("empty")));
    }

    void choosingAFileLoadsIt() {
        LoadPhoto();
        QCOMPARE(w->State().lImgWidth, 600);
        QCOMPARE(w->ImagePath(), dir->filePath(QStringLiteral("photo.bmp")));
        QCOMPARE(Text("lblResolution"), "50.0 dpi");
        QCOMPARE(Text("lblQuality"), "Good from a distance");
        QCOMPARE(Text("lblMPixVal"), "0.24");
        QCOMPARE(Text("lblLrValue"), "(full width)");
        QCOMPARE(Text("lblTbValue"), "(full height)");
        QVERIFY(C("cmdSaveNow")->isEnabled() && C("cmdLargePreview")->isEnabled());
        QCOMPARE(w->PointerMode(), 0);
        QVERIFY(messages.Messages().isEmpty());
        // A large JPEG is shown from a reduced decode; the full image is still there.
        ClickFile(QStringLiteral("Big.JPG"));
        QCOMPARE(w->Image().Full().size(), QSize(1200, 800));
        QCOMPARE(Text("lblResolution"), "100.0 dpi");
        // Changing the folder drops the image.
        w->SetCurrentFolder(dir->filePath(QStringLiteral("empty")));
        QVERIFY(!w->State().bImgSelected && !C("cmdSaveNow")->isEnabled());
        QCOMPARE(Text("lblResolution"), "---");
    }

    void imagesThatCannotBeUsed_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QStringList>("titles"); // an unreadable file fails without a message
        QTest::newRow("25 x 25") << "edge.bmp" << true << QStringList();
        QTest::newRow("24 x 200") << "narrow.bmp" << false
                                  << QStringList{"Invalid Image File Selected"};
        QTest::newRow("not a picture") << "broken.jpg" << false << QStringList();
    }
    void imagesThatCannotBeUsed() {
        QFETCH(QString, file);
        QFETCH(bool, accepted);
        QFETCH(QStringList, titles);
        ClickFile(file);
        QCOMPARE(w->State().bImgSelected, accepted);
        QCOMPARE(Titles(messages), titles);
        QCOMPARE(w->StatusPicture() == int(StatusPictures::kError), !accepted);
        QCOMPARE(C("cmdSaveNow")->isEnabled(), accepted);
        QCOMPARE(w->PointerMode(), 0);
    }

    // The rotation chosen before loading turns the loaded image; later choices turn it on.
    void rotatingTheImage() {
        Box("cmbRotate")->setCurrentIndex(1); // CW, no image yet
        LoadPhoto();
        QCOMPARE(w->State().iRotateAngle, short(90));
        QCOMPARE(w->State().lImgWidth, 400);
        const QImage file = QImage(dir->filePath(QStringLiteral("photo.bmp")))
                                .convertToFormat(w->Image().Full().format());
        QCOMPARE(w->Image().Full(), file.transformed(QTransform().rotate(90)));
        // Poster 12 x 8 inches over a 400-pixel wide image: 33.3 dpi.
        QCOMPARE(Text("lblResolution"), "33.3 dpi");
        Box("cmbRotate")->setCurrentIndex(3); // 180: a further quarter turn from here
        QCOMPARE(w->State().lImgWidth, 600);
        QCOMPARE(w->State().iRotateAngle, short(180));
        QCOMPARE(w->Image().Full(), file.transformed(QTransform().rotate(180)));
        QCOMPARE(Text("lblResolution"), "50.0 dpi");
    }

    void tileCountsWithTheLock() {
        Box("cmbTilesWide")->setCurrentIndex(2);
        Box("cmbTilesHigh")->setCurrentIndex(4);
        const int saves = Saves();
        Click("chkLockWh");
        QCOMPARE(Box("cmbTilesHigh")->currentIndex(), 2);
        QCOMPARE(Text("lblFinalSize"), "18.00 x 12.00 inches");
        QVERIFY(Saves() > saves);
        Box("cmbTilesHigh")->setCurrentIndex(6);
        QCOMPARE(Box("cmbTilesWide")->currentIndex(), 6);
        QCOMPARE(Text("lblFinalSize"), "42.00 x 28.00 inches");
        Click("chkLockWh"); // unticking changes no count
        Box("cmbTilesWide")->setCurrentIndex(0);
        QCOMPARE(Box("cmbTilesHigh")->currentIndex(), 6);
    }

    void previewShowsTheGrid() {
        C<QCheckBox>("chkPreviewTiles")->setChecked(true);
        LoadPhoto();
        Box("cmbTilesWide")->setCurrentIndex(2); // 3 x 2 tiles: 18 x 8 inches, full width
        const QImage shown = Picture()->Image();
        const QList<int> columns = RedColumns(shown);
        QCOMPARE(columns.size(), 4);
        QCOMPARE(columns.first(), 0);
        QCOMPARE(columns.last(), shown.width() - 1);
        QCOMPARE(w->Geometry().iWinRight, shown.width() - 1);
        QCOMPARE(Text("lblLrValue"), "(full width)");
        QCOMPARE(Text("lblTbValue"), "(center)");
        // "Show Tiles" off: the plain picture, stored as a preference.
        const int saves = Saves();
        Click("chkPreviewTiles");
        QVERIFY(RedColumns(Picture()->Image()).isEmpty());
        QCOMPARE(Saves(), saves + 1);
    }

    void zoomShrinksTheWindow() {
        C<QScrollBar>("scrZoom")->setValue(40);
        QCOMPARE(Text("lblZoomAmount"), "(40%)");
        QCOMPARE(Text("lblLrValue"), "---");
        LoadPhoto();
        C<QScrollBar>("scrZoom")->setValue(100);
        QCOMPARE(Text("lblResolution"), "25.0 dpi");
        QCOMPARE(Text("lblMPixVal"), "0.06");
        QCOMPARE(Text("lblLrValue"), "(center)");
        QCOMPARE(Text("lblTbValue"), "(center)");
    }

    void holdingAnArrowStepsEveryQuarterSecond() {
        LoadPhoto();
        C<QScrollBar>("scrZoom")->setValue(100); // room to move both ways
        QWidget* pad = C("arrowPad");
        auto* timer = C<QTimer>("tmrImg");
        const QPoint right(pad->width() - 4, pad->height() / 2);
        QTest::mousePress(pad, Qt::LeftButton, {}, right);
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 250);
        QVERIFY(C("imgArrow_right")->isVisible() && !C("imgArrow")->isVisible());
        QList<int> after;
        for (int i = 0; i < 7; ++i) {
            QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
            after << w->State().iHorzCenter;
        }
        QCOMPARE(after, (QList<int>{101, 103, 105, 107, 109, 114, 119}));
        QCOMPARE(Text("lblLrValue"), "(right 19%)");
        const int left = w->Geometry().iWinLeft;
        QTest::mouseRelease(pad, Qt::LeftButton, {}, right);
        QVERIFY(!timer->isActive());
        QVERIFY(C("imgArrow")->isVisible() && !C("imgArrow_right")->isVisible());
        // The grid moved with it: the window is right of the centred position.
        QVERIFY(left > (Picture()->Image().width() - w->Geometry().WindowWidth()) / 2);
        QTest::mousePress(pad, Qt::LeftButton, {}, QPoint(2, 2)); // a corner does nothing
        QVERIFY(!timer->isActive());
        QTest::mouseRelease(pad, Qt::LeftButton, {}, QPoint(2, 2));
    }

    void draggingTheWindow() {
        C<QCheckBox>("chkPreviewTiles")->setChecked(true);
        LoadPhoto();
        Box("cmbTilesWide")->setCurrentIndex(0); // 1 x 2 tiles: 6 x 8 inches, narrower
        const PreviewGeometry g = w->Geometry();
        PictureBox* pic = Picture();
        const int freeX = pic->Image().width() - g.WindowWidth();
        QVERIFY(freeX > 20);
        const QPointF origin(pic->ImageOrigin());
        const QPointF start = origin + QPointF((g.iWinLeft + g.iWinRight) / 2, g.iWinTop + 5);
        SendMouse(pic, QEvent::MouseMove, start, Qt::NoButton);
        QCOMPARE(w->PointerMode(), 1);
        SendMouse(pic, QEvent::MouseButtonPress, start, Qt::LeftButton);
        QCOMPARE(w->PointerMode(), 2);
        SendMouse(pic, QEvent::MouseMove, start + QPointF(freeX / 4.0, 0), Qt::LeftButton);
        QCOMPARE(w->State().iHorzCenter, 150);
        QCOMPARE(Text("lblLrValue"), "(right 50%)");
        SendMouse(pic, QEvent::MouseMove, start + QPointF(-5000, 0), Qt::LeftButton);
        QCOMPARE(w->State().iHorzCenter, 0);
        QCOMPARE(w->Geometry().iWinLeft, 0);
        SendMouse(pic, QEvent::MouseButtonRelease, start + QPointF(freeX / 2.0, 0), Qt::NoButton);
        QCOMPARE(w->State().iHorzCenter, 200);
        QCOMPARE(w->Geometry().iWinRight, pic->Image().width() - 1);
        SendMouse(pic, QEvent::MouseMove, origin + QPointF(1, 1), Qt::NoButton);
        QCOMPARE(w->PointerMode(), 0);
    }

    void rotatingTheTilesRefreshesEverything() {
        LoadPhoto();
        QCOMPARE(Text("lblLrValue"), "(full width)");
        Click("chkRotateTiles");
        QVERIFY(w->State().bTileRotated);
        // 2 x 2 tiles of 4 x 6 inches: 8 x 12, narrower than the 600 x 400 image.
        QCOMPARE(Text("lblFinalSize"), "8.00 x 12.00 inches");
        QCOMPARE(Text("lblLrValue"), "(center)");
        QCOMPARE(Text("lblTbValue"), "(full height)");
        QVERIFY(w->Geometry().WindowWidth() < Picture()->Image().width() / 2);
        QVERIFY(store.WriteLog().isEmpty()); // turning the tiles is not stored
    }

    void adjustEdges() {
        LoadPhoto();
        Click("chkPrinterClips");
        QVERIFY(Box("cmbCurBtm")->isEnabled());
        // "default" clips nothing: the introduction is shown, the size stays.
        QCOMPARE(Titles(messages), QStringList{"Edge Calibration Introduction"});
        QCOMPARE(Text("lblFinalSize"), "12.00 x 8.00 inches");
        Box("cmbCurBtm")->setCurrentIndex(1); // Kodak 3, 4, 3, 2 / 64 inch
        QCOMPARE(Text("lblFinalSize"), "11.81 x 7.81 inches");
        QCOMPARE(store.GetPref(PrefValue::EdgeAdjust), "1_01");
        Click("chkPrinterClips");
        QVERIFY(!Box("cmbCurBtm")->isEnabled());
        QCOMPARE(Text("lblFinalSize"), "12.00 x 8.00 inches");
        Click("chkPrinterClips");
        QCOMPARE(messages.Messages().size(), 1); // not an initial profile any more
    }

    void paperHandOver() {
        LoadPhoto();
        const int saves = Saves();
        QCOMPARE(w->setNewTileVals(QStringLiteral("A4"), kUnitMillimeters, 210, 297, 210, 297,
                                   QStringLiteral("line")),
                 short(1));
        QCOMPARE(Text("lblPaperSize"), "210.0 x 297.0");
        QCOMPARE(Text("lblUnits"), "Millimeters");
        QCOMPARE(Text("lblPaperName"), "A4");
        QCOMPARE(Text("lblFinalSize"), "42.0 x 59.4 cm");
        QCOMPARE(Saves(), saves + 1);
        QCOMPARE(store.GetPref(PrefValue::PaperRegLine), "line");
    }

    // The full-screen preview is a snapshot of the poster that draws itself anew when resized:
    // grid lines stay 1 pixel, red.
    void largePreview() {
        C("cmdLargePreview")->setEnabled(true);
        Click("cmdLargePreview");
        QCOMPARE(Titles(messages), QStringList{"No Image Selected"});
        QVERIFY(!w->PreviewWindow());
        C<QCheckBox>("chkPreviewTiles")->setChecked(true);
        LoadPhoto();
        Click("cmdLargePreview");
        QCOMPARE(messages.Messages().size(), 1);
        frmPreview* p = w->PreviewWindow();
        QVERIFY(p && p->isVisible());
        QCOMPARE(p->windowTitle(), "Poster Preview");
        auto* pic = Find<PictureBox>(*p, "picPreview");
        // Red pixels across a row, or -1 when any pixel is neither red nor the photo (a blend).
        const auto redInRow = [pic] {
            const QImage shown = pic->Image();
            int red = 0;
            for (int x = 0; x < shown.width(); ++x) {
                const QRgb c = shown.pixel(x, shown.height() / 4);
                if (c != qRgb(255, 0, 0) && c != qRgb(90, 140, 200))
                    return -1;
                red += c == qRgb(255, 0, 0);
            }
            return red;
        };
        QTRY_COMPARE(redInRow(), 3); // 2 x 2 tiles: edges and the middle line
        QCOMPARE(double(pic->Image().width()) / pic->Image().height(), 1.5);
        Shot(p, QStringLiteral("preview_window"));
        p->showNormal();
        p->resize(p->size() + QSize(333, 250));
        QTRY_COMPARE(pic->Image().size(), pic->size());
        QTRY_COMPARE(redInRow(), 3);
        QTest::mouseClick(Find<QPushButton>(*p, "cmdClose"), Qt::LeftButton);
        QTRY_VERIFY(!w->PreviewWindow());
    }

    void exitEndsTheApplicationWithoutWriting() {
        QSignalSpy unloaded(w.get(), &frmMain::unloaded);
        for (const bool byMenu : {false, true}) {
            if (byMenu)
                C<QAction>("mnuExit")->trigger();
            else
                Click("cmdQuit");
            QTimer guard; // ends the run with a failure should the window not end it
            connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
            guard.start(5000);
            QCOMPARE(QCoreApplication::exec(), 0);
        }
        QVERIFY(store.WriteLog().isEmpty());
        QCOMPARE(unloaded.count(), 0);
    }

    void changesAreStoredAsTheGroup() {
        Box("cmbTilesWide")->setCurrentIndex(4);
        Box("cmbTilesHigh")->setCurrentIndex(11);
        QCOMPARE(*store.Stored(PrefValue::NumTiles), StoredPref(QStringLiteral("w04h11")));
        Click("chkPreviewTiles");
        QCOMPARE(*store.Stored(PrefValue::ShowTiles), StoredPref(std::int32_t(1)));
        store.ClearWriteLog();
        Click("chkLockWh");
        QCOMPARE(*store.Stored(PrefValue::HeightEqualsWidth), StoredPref(std::int32_t(1)));
        QCOMPARE(store.GetPref(PrefValue::NumTiles), "w04h04");
        // Every write stores the whole group, in its order.
        QCOMPARE(store.WriteLog().mid(store.WriteLog().size() - 6),
                 (QStringList{"prefs_numTiles", "paperRegLine", "prefs_edgeAdjust",
                              "prefs_showTiles", "prefs_heightEqualsWidth", "cmbMarginLocked"}));
        // Closing the window writes once more and tells the application.
        store.ClearWriteLog();
        QSignalSpy unloaded(w.get(), &frmMain::unloaded);
        w->close();
        QCOMPARE(Saves(), 1);
        QCOMPARE(unloaded.count(), 1);
    }

    void dialogCommandsAreForwarded() {
        QSignalSpy paper(w.get(), &frmMain::paperDialogRequested);
        QSignalSpy edge(w.get(), &frmMain::edgeDialogRequested);
        QSignalSpy save(w.get(), &frmMain::saveDialogRequested);
        QSignalSpy help(w.get(), &frmMain::helpContentsRequested);
        QSignalSpy about(w.get(), &frmMain::aboutRequested);
        Click("cmdEditPaperSize");
        Click("cmdConfig");
        for (const char* menu : {"mnuPaperSize", "mnuEdgeClip", "mnuContent", "mnuAbout"})
            C<QAction>(menu)->trigger();
        LoadPhoto();
        Click("cmdSaveNow");
        QCOMPARE((QList<qsizetype>{paper.count(), edge.count(), save.count(), help.count(),
                                   about.count()}),
                 (QList<qsizetype>{2, 2, 1, 1, 1}));
    }

    void specialFolderButtons() {
        Click("cmdMyDoc");
        QCOMPARE(w->CurrentFolder(), Path(QStringLiteral("empty")));
        Click("cmdDesktop");
        QCOMPARE(w->CurrentFolder(), Path());
        w->SetSpecialFolders(SpecialFolders(dir->filePath(QStringLiteral("nowhere")), {}));
        Click("cmdMyDoc");
        QCOMPARE(Titles(messages), QStringList{"Problem"});
    }

    void layoutFitsAtDefaultAndEnlargedSizes_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("default") << QSize(1180, 760);
        QTest::newRow("enlarged") << QSize(1600, 1000);
    }
    void layoutFitsAtDefaultAndEnlargedSizes() {
        QFETCH(QSize, size);
        C<QCheckBox>("chkPreviewTiles")->setChecked(true);
        w->resize(size);
        LoadPhoto();
        // The preview uses the room it gets, once it has followed the resize.
        PictureBox* pic = Picture();
        QTRY_VERIFY(pic->Image().width() == pic->width() || pic->Image().height() == pic->height());
        QVERIFY(pic->width() > size.width() / 3);
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
