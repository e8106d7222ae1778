#include "app/dialog_host.h"
#include "app/folder_tree.h"
#include "app/frm_about.h"
#include "app/frm_btm.h"
#include "app/frm_main.h"
#include "app/frm_poster_size.h"
#include "app/frm_save_tiles.h"
#include "app/frm_tile_size.h"
#include "app/help_locator.h"
#include "app/help_window.h"
#include "app/sys_info_window.h"
#include "app/system_info.h"
#include "settings/pref_formats.h"
#include "source/status_pictures.h"
#include "tests/app/app_test_support.h"
#include "tests/calibration/profile_test_support.h"
#include "tests/support/heif_test_support.h"
#include "tests/support/memory_settings_store.h"

using namespace tessellon;
using namespace tessellon::testing;

namespace {

// Types into a line edit the way a user does: select all, then the keys.
void Type(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// "1.0.0" shows as "1.00".
QString ShownVersion() {
    const QStringList v = QStringLiteral(TESSELLON_VERSION).split(u'.');
    return v[0] + u'.' + v[1] + v[2];
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
        // As the main window does: the one place the accepted paper reaches the poster.
        QObject::connect(dlg.get(), &frmTileSize::paperValuesApplied,
                         [this](const PaperChoice& paper) {
                             ++applied;
                             poster.ApplyPaper(paper);
                         });
        dlg->LoadFromPoster();
        dlg->show();
        QVERIFY(QTest::qWaitForWindowExposed(dlg.get()));
    }
    QString Without() const { return Text(*dlg, "lblSizeWithoutBorders"); }
};

// A picture with a green top-left corner, so turns can be told apart.
void SaveImage(const QTemporaryDir& dir, const QString& name, int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(QColor(90, 140, 200));
    QPainter(&img).fillRect(0, 0, 4, 4, QColor(0, 255, 0));
    QVERIFY(img.save(dir.filePath(name), name.endsWith(u"bmp") ? "BMP" : "JPEG"));
}

void SendMouse(QWidget* w, QEvent::Type type, QPointF pos, Qt::MouseButtons buttons) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent ev(type, pos, w->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &ev);
}

// The columns of row y that hold a grid line.
QList<int> RedColumns(const QImage& img, int y) {
    QList<int> xs;
    for (int x = 0; x < img.width(); ++x)
        if (img.pixel(x, y) == qRgb(255, 0, 0))
            xs.append(x);
    return xs;
}

// The grid's outline: the extent of the image's red pixels; empty without a grid.
QRect RedExtent(const QImage& img) {
    QRect extent;
    for (int y = 0; y < img.height(); ++y)
        for (const int x : RedColumns(img, y))
            extent |= QRect(x, y, 1, 1);
    return extent;
}

// Whether the tree shows its current folder.
bool InSight(const QTreeView* tree) {
    return tree->viewport()->rect().contains(tree->visualRect(tree->currentIndex()).center());
}

} // namespace

class TstApp : public QObject {
    Q_OBJECT

    RecordingMessageService messages;
    MemorySettingsStore store;
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<frmMain> w;
    std::unique_ptr<DialogHost> host;

    template <typename T = QWidget> T* C(const char* name) const { return Find<T>(*w, name); }
    QComboBox* Box(const char* name) const { return C<QComboBox>(name); }
    bool Checked(const char* name) const { return C<QCheckBox>(name)->isChecked(); }
    QString Text(const char* name) const { return testing::Text(*w, name); }
    // The texts of the named controls, in order.
    QStringList Texts(std::initializer_list<const char*> names) const {
        QStringList texts;
        for (const char* name : names)
            texts.append(Text(name));
        return texts;
    }
    void Click(const char* name) const { testing::Click(*w, name); }
    static QString Text(const QObject& root, const char* name) { return testing::Text(root, name); }
    static void Click(const QObject& root, const char* name) { testing::Click(root, name); }
    PictureBox* Picture() const { return C<PictureBox>("picCur"); }
    // Each preference write of the window writes the tile counts first.
    int Saves() const { return int(store.WriteLog().count(PrefValueName(PrefValue::NumTiles))); }
    QString Path(const char* name = "") const { return QDir::cleanPath(dir->filePath(name)); }
    QStringList Listed() const {
        QStringList names;
        for (int i = 0; i < C<QListWidget>("lstFiles")->count(); ++i)
            names << C<QListWidget>("lstFiles")->item(i)->text();
        return names;
    }
    // Starts the window anew on the same store, as the next run would; shown, with its dialogs.
    void Start(bool show = true) {
        host.reset();
        w = std::make_unique<frmMain>(store, messages);
        w->Form_Load();
        w->SetSpecialFolders(SpecialFolders(dir->path(), Path("empty")));
        if (!show)
            return;
        host = std::make_unique<DialogHost>(*w, store, messages);
        w->resize(1180, 760);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }
    void Restart(const QString& lastFolder, const QList<std::pair<PrefValue, QVariant>>& prefs = {},
                 bool show = false) {
        store.Clear();
        store.SavePref(PrefValue::AppDir, Path("app"));
        store.SavePref(PrefValue::LastFolder, lastFolder);
        for (const auto& [value, data] : prefs)
            store.SavePref(value, data);
        store.ClearWriteLog();
        Start(show);
    }
    void ClickFile(const char* name) {
        auto* list = C<QListWidget>("lstFiles");
        const auto items = list->findItems(QLatin1String(name), Qt::MatchExactly);
        QVERIFY2(!items.isEmpty(), name);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(items.first()).center());
    }
    // 600 x 400 pixels; the 2 x 2 tiles of 6 x 4 inches cover all of it.
    void LoadPhoto(bool showTiles = false) {
        C<QCheckBox>("chkPreviewTiles")->setChecked(showTiles);
        ClickFile("photo.bmp");
        QVERIFY(w->State().bImgSelected);
    }
    int MiddleRow() const { return (w->Geometry().iWinTop + w->Geometry().iWinBottom) / 2; }
    // What the window shows and stores of the tile counts and the sheet turn.
    QVariantList Outcome() const {
        QVariantList out{Texts({"lblFinalSize", "lblResolution", "lblMPixVal", "lblQuality",
                                "lblPhotoShare", "lblLrValue", "lblTbValue", "lblZoomAmount"})};
        out << Box("cmbTilesWide")->currentIndex() << Box("cmbTilesHigh")->currentIndex()
            << Checked("chkRotateTiles") << Checked("chkLockWh") << C("cmdSaveNow")->isEnabled()
            << Picture()->Image();
        for (const PrefValue v : {PrefValue::NumTiles, PrefValue::HeightEqualsWidth,
                                  PrefValue::ShowTiles, PrefValue::PaperRegLine})
            out << store.GetPref(v);
        out << ParseSwitch(store.GetPref(PrefValue::RotateTiles)); // off when never stored
        return out;
    }

private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        SaveImage(*dir, QStringLiteral("photo.bmp"), 600, 400);
        SaveImage(*dir, QStringLiteral("Big.JPG"), 1200, 800);
        SaveImage(*dir, QStringLiteral("narrow.bmp"), 24, 200);
        SaveImage(*dir, QStringLiteral("edge.bmp"), 25, 25);
        for (const char* name : {"broken.jpg", "notes.txt"})
            QVERIFY(WriteAll(dir->filePath(QLatin1String(name)), "not a picture"));
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("empty")));
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("app")));
        Restart(dir->path(), {}, true);
        messages.Clear();
        store.ClearWriteLog();
    }
    void cleanup() {
        host.reset();
        w.reset();
    }

    // The window at start: its texts, and without an image or stored preferences the defaults.
    void startUp() {
        QCOMPARE(w->windowTitle(), "Tessellon v" + ShownVersion());
        QCOMPARE(C("cmdMyDoc")->toolTip(), "Navigate to My Documents folder");
        QCOMPARE(C<QAction>("mnuPaperSize")->text(), "Select Paper/Margins...");
        QCOMPARE(Box("cmbTilesHigh")->count(), 25);
        QCOMPARE(Box("cmbFileType")->itemText(4), "Show All Files (*.*)");
        QCOMPARE(Texts({"lblStep4", "lblZoomAmount", "lblFinalSize", "lblResolution", "lblMPixVal",
                        "lblQuality", "lblLrValue", "lblPaperName", "lblUnits"}),
                 (QStringList{"Step (4) - Click to Save Tile Image Files-->", "(0%)",
                              "12.00 x 8.00 inches", "---", "---", "---", "---", "Photo 4\" x 6\"",
                              "Inches"}));
        QVERIFY(!C("cmdSaveNow")->isEnabled() && !C("cmdLargePreview")->isEnabled() &&
                !Box("cmbCurBtm")->isEnabled() && !Checked("chkPrinterClips") &&
                !Checked("chkPreviewTiles"));
        QCOMPARE(w->CurrentFolder(), Path());
        QCOMPARE(w->StatusPicture(), int(StatusPictures::kPickImage));
        QVERIFY(QFile::exists(Path("app/printer_edge_config")));
        // Stored preferences come back.
        const QString a4 = QStringLiteral("|1|A4 - 210 x 297|210|297|12|12|12|12|10|10|10|10|");
        Restart(Path("empty"), {{PrefValue::NumTiles, QStringLiteral("w05h03")},
                                {PrefValue::EdgeAdjust, QStringLiteral("1_02")},
                                {PrefValue::ShowTiles, 1},
                                {PrefValue::MarginLocked, 1},
                                {PrefValue::PaperRegLine, a4}});
        QCOMPARE((QVariantList{Box("cmbTilesWide")->currentIndex(),
                               Box("cmbTilesHigh")->currentIndex(), Checked("chkPrinterClips"),
                               Box("cmbCurBtm")->isEnabled(), Box("cmbCurBtm")->currentText(),
                               Checked("chkPreviewTiles"), Checked("chkLockWh"),
                               int(w->State().iWhMarginLocked), w->getPaperRegLine()}),
                 (QVariantList{5, 3, true, true, "Fuji photo lab default", true, false, 1, a4}));
        // 6 x 4 tiles of 190 x 277 mm less the Fuji trims (3/32 + 3/32 in, 2/64 + 3/64 in).
        QCOMPARE(Texts({"lblPaperName", "lblPaperSize", "lblTileSize", "lblUnits", "lblFinalSize"}),
                 (QStringList{"A4 - 210 x 297", "210.0 x 297.0", "190.0 x 277.0", "Millimeters",
                              "111.1 x 110.0 cm"}));
        QCOMPARE(w->CurrentFolder(), Path("empty"));
        QVERIFY(messages.Messages().isEmpty());
        // Nothing but the folder is written while starting; the next change writes again.
        QCOMPARE(store.WriteLog(), QStringList{PrefValueName(PrefValue::LastFolder)});
        Box("cmbTilesHigh")->setCurrentIndex(0);
        QCOMPARE(store.GetPref(PrefValue::NumTiles), "w05h00");
        // A stored folder that is gone: a folder that exists, stored at once.
        Restart(Path("gone/away"));
        QVERIFY(QFileInfo(w->CurrentFolder()).isDir());
        QCOMPARE(store.GetPref(PrefValue::LastFolder), w->CurrentFolder());
    }

    // The list and the special folders' buttons; another folder drops the chosen image.
    void folderListAndSpecialFolders() {
        QCOMPARE(Listed(),
                 (QStringList{"Big.JPG", "broken.jpg", "edge.bmp", "narrow.bmp", "photo.bmp"}));
        Box("cmbFileType")->setCurrentIndex(4);
        QCOMPARE(Listed().size(), 6);
        QVERIFY(store.WriteLog().isEmpty()); // a filter change does not store the folder
        LoadPhoto();
        w->SetCurrentFolder(Path("empty"));
        QVERIFY(Listed().isEmpty() && !w->State().bImgSelected && !C("cmdSaveNow")->isEnabled());
        QCOMPARE(Text("lblResolution"), "---");
        QCOMPARE(w->StatusPicture(), int(StatusPictures::kPickFolder));
        QCOMPARE(store.GetPref(PrefValue::LastFolder), Path("empty"));
        Click("cmdDesktop");
        QCOMPARE(w->CurrentFolder(), Path());
        Click("cmdMyDoc");
        QCOMPARE(w->CurrentFolder(), Path("empty"));
        w->SetSpecialFolders(SpecialFolders(Path("nowhere"), {}));
        Click("cmdMyDoc");
        QCOMPARE(Titles(messages), QStringList{"Problem"});
    }

    void choosingAFile_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QStringList>("titles"); // an unreadable file fails without a message
        QTest::addColumn<QString>("reason");     // shown under the error picture
        QTest::newRow("600 x 400") << "photo.bmp" << true << QStringList() << "";
        QTest::newRow("25 x 25") << "edge.bmp" << true << QStringList() << "";
        QTest::newRow("24 x 200") << "narrow.bmp" << false
                                  << QStringList{"Invalid Image File Selected"} << "";
        QTest::newRow("not a picture") << "broken.jpg" << false << QStringList() << "not an image";
    }
    void choosingAFile() {
        QFETCH(QString, file);
        QFETCH(bool, accepted);
        QFETCH(QString, reason);
        ClickFile(qPrintable(file));
        QCOMPARE(w->State().bImgSelected, accepted);
        QTEST(Titles(messages), "titles");
        QVERIFY2(w->LoadErrorText().contains(reason), qPrintable(w->LoadErrorText()));
        QCOMPARE(w->StatusPicture() == int(StatusPictures::kError), !accepted);
        QCOMPARE(C("cmdSaveNow")->isEnabled(), accepted);
        QCOMPARE(C("cmdLargePreview")->isEnabled(), accepted);
        QCOMPARE(w->PointerMode(), 0);
    }

    // The rotation chosen before loading turns the loaded image; later choices turn it on.
    void rotatingTheImage() {
        Box("cmbRotate")->setCurrentIndex(1); // CW, no image yet
        LoadPhoto();
        const QImage file = QImage(Path("photo.bmp")).convertToFormat(w->Image().Full().format());
        const auto turned = [&](int angle, const char* resolution) {
            QCOMPARE(w->Image().Full(), file.transformed(QTransform().rotate(angle)));
            QCOMPARE(w->State().iRotateAngle, short(angle));
            QCOMPARE(Text("lblResolution"), resolution);
        };
        turned(90, "33.3 dpi");               // 12 x 8 inches over 400 pixels
        Box("cmbRotate")->setCurrentIndex(3); // 180: a further quarter turn from here
        turned(180, "50.0 dpi");
        Box("cmbRotate")->setCurrentIndex(2); // 270: another half turn on
        turned(270, "33.3 dpi");
    }

    void tileCountsWithTheLock() {
        Box("cmbTilesWide")->setCurrentIndex(2);
        Box("cmbTilesHigh")->setCurrentIndex(4);
        Click("chkLockWh");
        QCOMPARE(Box("cmbTilesHigh")->currentIndex(), 2);
        QCOMPARE(Text("lblFinalSize"), "18.00 x 12.00 inches");
        QCOMPARE(*store.Stored(PrefValue::HeightEqualsWidth), StoredPref(std::int32_t(1)));
        QCOMPARE(store.GetPref(PrefValue::NumTiles), "w02h02");
        Box("cmbTilesHigh")->setCurrentIndex(6);
        QCOMPARE(Box("cmbTilesWide")->currentIndex(), 6);
        QCOMPARE(Text("lblFinalSize"), "42.00 x 28.00 inches");
        Click("chkLockWh"); // unticking changes no count
        Box("cmbTilesWide")->setCurrentIndex(0);
        QCOMPARE(Box("cmbTilesHigh")->currentIndex(), 6);
        QCOMPARE(store.GetPref(PrefValue::NumTiles), "w00h06");
    }

    // The poster size window lists what reaches 32 in wide on 6 x 4 in sheets over the 3:2
    // photo: turned sheets (4 in across) reach it exactly with 8 across; 8 x 4 turned is
    // 32 x 24 and keeps 400 * 32 / 24 = 533 columns. Choosing it sets the counts and the turn
    // (unticking the lock) exactly as the user would by hand.
    void posterSizeWindowSetsTheControls() {
        LoadPhoto(true);
        Click("chkLockWh");
        const QVariantList start = Outcome();
        QStringList firstRow; // stays empty should the window not open
        WhenModal<frmPosterSize>([&](frmPosterSize* d) {
            QVERIFY(d->Listed().empty());
            QCOMPARE(Text(*d, "lblStatus"), "Give a width, a height or a number of sheets.");
            Type(Find<QLineEdit>(*d, "txtWidth"), QStringLiteral("3ft"));
            QVERIFY(Text(*d, "lblStatus").contains("a bare number is in inches"));
            Type(Find<QLineEdit>(*d, "txtWidth"), QStringLiteral("32"));
            auto* list = Find<QTreeWidget>(*d, "lstArrangements");
            for (int c = 0; c < 4; ++c)
                firstRow << list->topLevelItem(0)->text(c);
            Click(*d, "cmdUse");
        });
        Click("cmdPosterSize");
        QCOMPARE(firstRow, (QStringList{"8 x 4", "32, turned", "32.00 x 24.00 inches",
                                        "88 % of the width, 100 % of the height"}));
        const QVariantList chosen = Outcome();
        // The same by hand from the same start.
        Click("chkRotateTiles");
        Box("cmbTilesWide")->setCurrentIndex(1);
        Box("cmbTilesHigh")->setCurrentIndex(1);
        Click("chkLockWh");
        QCOMPARE(Outcome(), start);
        Click("chkLockWh");
        Box("cmbTilesWide")->setCurrentIndex(7);
        Box("cmbTilesHigh")->setCurrentIndex(3);
        Click("chkRotateTiles");
        QCOMPARE(Outcome(), chosen);
        // From the menu; closing the window changes nothing. A size out of reach says so.
        QString status;
        WhenModal<frmPosterSize>([&](frmPosterSize* d) {
            Type(Find<QLineEdit>(*d, "txtHeight"), QStringLiteral("4m"));
            status = Text(*d, "lblStatus");
            QVERIFY(!Find<QWidget>(*d, "cmdUse")->isEnabled());
            Click(*d, "cmdClose");
        });
        C<QAction>("mnuPosterSize")->trigger();
        QCOMPARE(status, Loc("No arrangement reaches 157.48 inches high."));
        QCOMPARE(Outcome(), chosen);
    }

    // "Fit Photo" needs a photo. Over turned 2 x 2 sheets (8 x 12, 267 of 600 columns) it
    // finds 2 x 2 upright (12 x 8, the whole photo; 1 x 1 keeps it too but is smaller), as
    // unticking "Rotate" by hand does.
    void fitPhotoAsByHand() {
        QVERIFY(!C("cmdFitPhoto")->isEnabled());
        LoadPhoto(true);
        QCOMPARE(Texts({"lblPhotoShare", "lblQuality"}),
                 (QStringList{"100 % of the width, 100 % of the height", "Good from a distance"}));
        Click("chkRotateTiles");
        QCOMPARE(Text("lblPhotoShare"), "44 % of the width, 100 % of the height");
        const QVariantList turned = Outcome();
        Click("cmdFitPhoto");
        const QVariantList fitted = Outcome();
        QVERIFY(!Checked("chkRotateTiles"));
        QCOMPARE(Texts({"lblFinalSize", "lblPhotoShare"}),
                 (QStringList{"12.00 x 8.00 inches", "100 % of the width, 100 % of the height"}));
        Click("chkRotateTiles");
        QCOMPARE(Outcome(), turned);
        Click("chkRotateTiles");
        QCOMPARE(Outcome(), fitted);
        // The zoom stays the user's and the share follows it.
        C<QScrollBar>("scrZoom")->setValue(100);
        QCOMPARE(Text("lblPhotoShare"), "50 % of the width, 50 % of the height");
        Click("cmdFitPhoto");
        QCOMPARE(C<QScrollBar>("scrZoom")->value(), 100);
    }

    // The save window opens modeless over the chosen file, in its folder, and closes when
    // another file is chosen. "Rotate", its file type and its assembly aids are there again
    // on the next run; without them stored, the window proposes as before.
    void saveWindowAndWhatItRemembers() {
        ClickFile("photo.bmp");
        Click("cmdSaveNow");
        frmSaveTiles* save = host->SaveDialog();
        const auto on = [&save](const char* name) {
            return Find<QAbstractButton>(*save, name)->isChecked();
        };
        QVERIFY(save && save->isVisible() && !save->isModal());
        QCOMPARE(Text(*save, "txtBaseFileName"), "photo_");
        QCOMPARE(QDir::cleanPath(save->DirTilePath()), Path());
        QVERIFY(on("opbBmp") && on("chkMarks"));
        Click(*save, "opbPdf");
        Click(*save, "chkMarks");
        ClickFile("edge.bmp");
        QTRY_VERIFY(!save->isVisible());
        Click("chkRotateTiles");
        QCOMPARE(store.GetPref(PrefValue::OutputType), "pdf");
        QCOMPARE(store.GetPref(PrefValue::AidMarks), "0");
        Start();
        QVERIFY(Checked("chkRotateTiles") && w->State().bTileRotated);
        QCOMPARE(Text("lblFinalSize"), "8.00 x 12.00 inches");
        ClickFile("photo.bmp");
        Click("cmdSaveNow");
        save = host->SaveDialog();
        QVERIFY(on("opbPdf") && !on("chkMarks") && on("chkLabels") && !save->Request().aids.marks);
    }

    void holdingAnArrowStepsEveryQuarterSecond() {
        LoadPhoto();
        C<QScrollBar>("scrZoom")->setValue(100); // room to move both ways
        QWidget* pad = C("arrowPad");
        auto* timer = C<QTimer>("tmrImg");
        const QPoint right(pad->width() - 4, pad->height() / 2);
        QTest::mousePress(pad, Qt::LeftButton, {}, right);
        QVERIFY(timer->isActive() && timer->interval() == 250);
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
        QVERIFY(!timer->isActive() && C("imgArrow")->isVisible() &&
                !C("imgArrow_right")->isVisible());
        // The grid moved with it: the window is right of the centred position.
        QVERIFY(left > (Picture()->Image().width() - w->Geometry().WindowWidth()) / 2);
        QTest::mousePress(pad, Qt::LeftButton, {}, QPoint(2, 2)); // a corner does nothing
        QVERIFY(!timer->isActive());
        QTest::mouseRelease(pad, Qt::LeftButton, {}, QPoint(2, 2));
    }

    void draggingTheWindow() {
        LoadPhoto(true);
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

    // After a quarter turn the preview is made from at least as many pixels as it shows.
    void previewSharpAfterTurn() {
        ImageObject big;
        QVERIFY(big.CreateBlankImage(1200, 400, Qt::gray));
        QVERIFY(big.SaveImageFile(Path("pano.jpg"), ImageFormat::Jpeg));
        QVERIFY(w->OpenImageFile(Path("pano.jpg")));
        QVERIFY(w->Image().PreviewSource().width() < 1200); // a reduced decode
        Box("cmbRotate")->setCurrentIndex(2); // counter-clockwise, perhaps before the full decode
        QCOMPARE(w->Image().Size(), QSize(400, 1200));
        const QSize shown = QSize(400, 1200).scaled(Picture()->size(), Qt::KeepAspectRatio);
        QVERIFY(w->Image().PreviewSource().height() >= shown.height());
        QTRY_COMPARE_WITH_TIMEOUT(w->Image().Full().size(), QSize(400, 1200), 30000);
    }

    // `tessellon FILE`, File > Open and a drop: the file's folder becomes current, the file is
    // chosen and loaded.
    void openingFromCommandLineMenuAndDrop() {
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("sub")));
        SaveImage(*dir, QStringLiteral("sub/a.jpg"), 64, 48);
        const auto opened = [this](const QString& folder, const char* file) {
            QCOMPARE(w->CurrentFolder(), folder);
            QCOMPARE(C<QListWidget>("lstFiles")->currentItem()->text(), file);
            QVERIFY(w->State().bImgSelected);
        };
        w->OpenStartFile({QStringLiteral("tessellon"), Path("sub/a.jpg")});
        opened(Path("sub"), "a.jpg");
        QCOMPARE(store.GetPref(PrefValue::LastFolder), Path("sub"));
        WhenModal<QFileDialog>([this](QFileDialog* d) {
            d->selectFile(Path("edge.bmp"));
            static_cast<QDialog*>(d)->accept();
        });
        C<QAction>("mnuOpen")->trigger();
        opened(Path(), "edge.bmp");
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(Path("sub/a.jpg"))});
        QDragEnterEvent enter(w->rect().center(), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(w.get(), &enter);
        QDropEvent drop(w->rect().center(), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(w.get(), &drop);
        opened(Path("sub"), "a.jpg");
    }

    // Every type that opens is listed at start (the fixed entries still hide the newer ones),
    // phones' photos load, and the list follows the folder and F5; File > Open offers every
    // type first.
    void everyTypeListedAndTheListFollowsTheFolder() {
        const QString missing = HeifToolsMissing();
        QVERIFY2(missing.isEmpty(), qPrintable(missing));
        QCOMPARE(Box("cmbFileType")->currentText(),
                 "All Supported Images (*.jpg, *.tif, *.bmp, *.png, *.webp, *.heic, *.avif)");
        QImage shot(64, 48, QImage::Format_RGB32);
        shot.fill(QColor(200, 60, 30));
        QVERIFY(HeifEncode(shot, Path("IMG_0001.HEIC")) && HeifEncode(shot, Path("web.avif")));
        QVERIFY(shot.save(Path("scan.png")));
        QTRY_VERIFY(Listed().contains("IMG_0001.HEIC") && Listed().contains("web.avif") &&
                    Listed().contains("scan.png"));
        ClickFile("IMG_0001.HEIC");
        QVERIFY(MaxChannelDifference(w->Image().Full(), HeifReference(Path("IMG_0001.HEIC"))) <= 2);
        // F5 lists the folder at once, keeping the chosen file and its picture.
        QVERIFY(QFile::copy(Path("Big.JPG"), Path("copy.jpg")));
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QTest::keyClick(w.get(), Qt::Key_F5);
        QVERIFY(Listed().contains("copy.jpg"));
        QCOMPARE(C<QListWidget>("lstFiles")->currentRow(), Listed().indexOf("IMG_0001.HEIC"));
        QVERIFY(w->State().bImgSelected);
        QVERIFY(WriteAll(Path("cut.heic"), ReadAll(Path("IMG_0001.HEIC")).left(300)));
        QTRY_VERIFY(Listed().contains("cut.heic"));
        ClickFile("cut.heic");
        QCOMPARE(w->StatusPicture(), int(StatusPictures::kError));
        QVERIFY2(w->LoadErrorText().contains("damaged"), qPrintable(w->LoadErrorText()));
        QVERIFY(QFile::remove(Path("scan.png")) && QFile::rename(Path("web.avif"), Path("w.avif")));
        QTRY_VERIFY(!Listed().contains("scan.png") && !Listed().contains("web.avif") &&
                    Listed().contains("w.avif"));
        Box("cmbFileType")->setCurrentIndex(0);
        QCOMPARE(Listed(), (QStringList{"Big.JPG", "broken.jpg", "copy.jpg", "edge.bmp",
                                        "narrow.bmp", "photo.bmp"}));
        QStringList filters;
        WhenModal<QFileDialog>([&filters](QFileDialog* d) {
            filters = d->nameFilters();
            d->reject();
        });
        C<QAction>("mnuOpen")->trigger();
        QCOMPARE(filters.size(), 7);
        QVERIFY2(filters.first().startsWith("All Supported Images (*.jpg *.JPG *.jpeg"),
                 qPrintable(filters.first()));
        QVERIFY(filters.first().contains("*.heic *.HEIC *.heif *.HEIF *.hif *.HIF *.avif *.AVIF)"));
        QCOMPARE(filters.last(), "Show All Files (*)");
    }

    // Without a stored folder the browser starts in Pictures, or home; the tree shows it.
    void startFolder() {
        const QByteArray home = qgetenv("HOME");
        qputenv("HOME", dir->path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", Path("app").toLocal8Bit());
        MemorySettingsStore s1, s2;
        frmMain atHome(s1, messages);
        atHome.Form_Load();
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("Pictures")));
        frmMain atPictures(s2, messages);
        atPictures.Form_Load();
        atPictures.show();
        qputenv("HOME", home);
        QCOMPARE(atHome.CurrentFolder(), Path());
        QCOMPARE(atPictures.CurrentFolder(), Path("Pictures"));
        QVERIFY(QTest::qWaitForWindowExposed(&atPictures));
        auto* tree = Find<QTreeView>(atPictures, "Dir1");
        QTRY_VERIFY_WITH_TIMEOUT(InSight(tree), 30000);
    }

    // Folders read above the shown one push it down: the tree keeps it in sight, until the
    // user takes over the tree.
    void folderKeptInSight() {
        QDir base(dir->path());
        QVERIFY(base.mkpath(QStringLiteral("b/shown")));
        for (int i = 0; i < 150; ++i)
            QVERIFY(base.mkpath(QStringLiteral("a/%1").arg(i)) &&
                    base.mkpath(QStringLiteral("c/%1").arg(i)));
        QWidget window;
        auto* tree = new QTreeView(&window);
        tree->setGeometry(0, 30, 200, 200);
        FolderTree folders(new QComboBox(&window), tree, &window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // Waits for the rows of a folder read in the background, not for a time that a busy
        // machine may overrun.
        auto* model = static_cast<QFileSystemModel*>(tree->model());
        const auto expandAndRead = [tree, model](const QString& folder) {
            tree->expand(model->index(folder));
            QTRY_COMPARE_WITH_TIMEOUT(model->rowCount(model->index(folder)), 150, 30000);
            QCoreApplication::processEvents();
        };
        folders.ShowPath(Path("b/shown"));
        QTRY_VERIFY(InSight(tree));
        expandAndRead(Path("a")); // above
        QTRY_VERIFY(InSight(tree));
        QTest::keyClick(tree, Qt::Key_Shift);
        tree->scrollToTop();
        expandAndRead(Path("c")); // below
        QVERIFY(!InSight(tree));
    }

    // A change brings the outputs it affects up to date: they are blanked first, so one that
    // is not recomputed stays blank. The texts (size, resolution, megapixels, placement, zoom)
    // and the grid's shape on the preview (the poster's width over its height; 0: no grid) are
    // worked out by hand for the 600 x 400 photo, 2 x 2 tiles of 6 x 4 inches. Preference
    // writes are counted exactly. Changes before a ';' set the scene.
    void eachChangeRefreshesItsOutputs_data() {
        // The control, then the item or scroll value to choose; buttons are clicked.
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("texts");
        QTest::addColumn<double>("shape");
        QTest::addColumn<int>("saves");
        const auto row = [](const char* tag, const char* change, const char* texts, double shape,
                            int saves) { QTest::newRow(tag) << change << texts << shape << saves; };
        // 3 x 2 tiles: 18 x 8 in over the full width, 600 x 267 pixels.
        row("tile count", "cmbTilesWide 3",
            "18.00 x 8.00 inches|33.3 dpi|0.16|(full width)|(center)|", 18.0 / 8, 1);
        row("lock", "chkLockWh", "|||||", 0, 1);
        // 8 x 12 in, narrower than the photo: 267 x 400 pixels.
        row("rotate tiles", "chkRotateTiles",
            "8.00 x 12.00 inches|33.3 dpi|0.11|(center)|(full height)|", 8.0 / 12, 0);
        // The photo turned to 400 x 600: 400 x 267 pixels of it.
        row("rotate image", "cmbRotate CW Rotate",
            "12.00 x 8.00 inches|33.3 dpi|0.11|(full width)|(center)|", 1.5, 0);
        row("zoom", "scrZoom 100", "12.00 x 8.00 inches|25.0 dpi|0.06|(center)|(center)|(100%)",
            1.5, 0);
        // "default" clips nothing.
        row("adjust edges", "chkPrinterClips",
            "12.00 x 8.00 inches|50.0 dpi|0.24|(full width)|(full height)|", 1.5, 1);
        // Kodak clips 3, 4, 3, 2 / 64 in: 11.8125 x 7.8125 in over 600 x 397 pixels.
        row("edge profile", "chkPrinterClips;cmbCurBtm Kodak photo lab default",
            "11.81 x 7.81 inches|50.8 dpi|0.24|||", 11.8125 / 7.8125, 1);
        // A quarter inch off the top instead: 11.8125 x 7.40625 in over 600 x 376 pixels; the
        // selector is refilled as the dialog opens and as it saves.
        row("edge values", "chkPrinterClips;cmbCurBtm Kodak photo lab default;edge dialog",
            "11.81 x 7.41 inches|50.8 dpi|0.23|(full width)|(center)|", 11.8125 / 7.40625, 2);
        row("show tiles", "chkPreviewTiles", "|||||", 0, 1);
        row("placement", "tmrImg", "|||(full width)|(full height)|", 1.5, 0);
        row("load", "lstFiles Big.JPG",
            "12.00 x 8.00 inches|100.0 dpi|0.96|(full width)|(full height)|", 1.5, 0);
        row("failed load", "lstFiles broken.jpg", "12.00 x 8.00 inches|---|---|---|---|", 0, 0);
        // A4 sheets without margins overlapping by 0.5 in: 2 x 210 - 12.7 by 2 x 297 - 12.7 mm,
        // the full height of the photo and 280 columns of it.
        row("paper accepted", "paper", "40.7 x 58.1 cm|6.9 dots/cm|0.11|(center)|(full height)|",
            407.3 / 581.3, 1);
    }
    void eachChangeRefreshesItsOutputs() {
        QFETCH(QString, change);
        QFETCH(double, shape);
        LoadPhoto(true);
        const QStringList steps = change.split(u';');
        for (const QString& step : steps) {
            if (&step == &steps.last()) {
                for (const char* label : {"lblFinalSize", "lblResolution", "lblMPixVal",
                                          "lblLrValue", "lblTbValue", "lblZoomAmount"})
                    C<QLabel>(label)->clear();
                Picture()->Clear();
                store.ClearWriteLog();
            }
            QObject* c = w->findChild<QObject*>(step.section(u' ', 0, 0));
            const QString choice = step.section(u' ', 1);
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
            else if (step == u"paper")
                w->ApplyPaper(
                    PaperChoice{"A4 - 210 x 297", kUnitMillimeters, 210, 297, {}, false, 0.5, {}});
            else if (step == u"edge dialog") {
                WhenModal<frmBtm>([](frmBtm* d) {
                    Find<QComboBox>(*d, "cmbTopEdge")->setCurrentIndex(16); // 16 / 64 in
                    d->reject();
                });
                Click("cmdConfig");
            }
        }
        QTEST(Texts({"lblFinalSize", "lblResolution", "lblMPixVal", "lblLrValue", "lblTbValue",
                     "lblZoomAmount"})
                  .join(u'|'),
              "texts");
        QTEST(Saves(), "saves");
        const QRect grid = RedExtent(Picture()->Image());
        if (shape == 0)
            QVERIFY(grid.isEmpty());
        else
            QVERIFY2(qAbs(double(grid.width() - 1) / (grid.height() - 1) / shape - 1) < 0.015,
                     qPrintable(QStringLiteral("%1 x %2").arg(grid.width()).arg(grid.height())));
    }

    // "Adjust edges" (its sizes are in the refresh table's rows): the introduction for the
    // initial profile, the selector enabled with it, the stored choice, and the Edit button
    // opening the edge window at the main window's profile. A profile made there reaches the
    // selector, which keeps its choice.
    void adjustEdges() {
        LoadPhoto();
        Click("chkPrinterClips");
        QVERIFY(Box("cmbCurBtm")->isEnabled());
        QCOMPARE(Titles(messages), QStringList{"Edge Calibration Introduction"});
        Box("cmbCurBtm")->setCurrentIndex(1);
        QCOMPARE(store.GetPref(PrefValue::EdgeAdjust), "1_01");
        Click("chkPrinterClips");
        QVERIFY(!Box("cmbCurBtm")->isEnabled());
        Click("chkPrinterClips");
        QCOMPARE(messages.Messages().size(), 1); // not an initial profile any more
        int shownRow = -1;
        WhenModal<frmBtm>([&](frmBtm* d) {
            shownRow = Find<QListWidget>(*d, "lstConfigurations")->currentRow();
            d->SetInputQuestion([](const QString&, const QString&, const QString&) {
                return std::optional<QString>(QStringLiteral("My printer"));
            });
            Click(*d, "cmdNew");
            Click(*d, "cmdOk");
        });
        Click("cmdConfig");
        QCOMPARE(shownRow, 1);
        QCOMPARE(Box("cmbCurBtm")->count(), 4);
        QCOMPARE(Box("cmbCurBtm")->itemText(3), "My printer");
        QCOMPARE(Box("cmbCurBtm")->currentIndex(), 1);
    }

    // The full-screen preview is a snapshot of the poster that draws itself anew when resized:
    // grid lines stay 1 pixel, red, as in the small preview. An overlap accepted with the paper
    // is stored on its own, comes back after a restart, and both previews lighten the strips
    // neighbouring sheets share; the picture elsewhere stays.
    void largePreviewAndOverlap() {
        C("cmdLargePreview")->setEnabled(true);
        Click("cmdLargePreview");
        QCOMPARE(Titles(messages), QStringList{"No Image Selected"});
        QVERIFY(!w->PreviewWindow());
        LoadPhoto(true);
        // The small preview draws the grid too: 2 x 2 tiles over the full width.
        const QList<int> columns = RedColumns(Picture()->Image(), MiddleRow());
        QCOMPARE(columns.size(), 3);
        QVERIFY(columns.first() == 0 && columns.last() == Picture()->Image().width() - 1);
        Click("cmdLargePreview");
        QCOMPARE(messages.Messages().size(), 1);
        frmPreview* p = w->PreviewWindow();
        QVERIFY(p && p->isVisible());
        QCOMPARE(p->windowTitle(), "Poster Preview");
        auto* pic = Find<PictureBox>(*p, "picPreview");
        // Red pixels across a row, or -1 when any pixel is neither red nor the photo (a blend).
        const auto redInRow = [pic] {
            const QImage shown = pic->Image();
            for (int x = 0; x < shown.width(); ++x)
                if (const QRgb c = shown.pixel(x, shown.height() / 4);
                    c != qRgb(255, 0, 0) && c != qRgb(90, 140, 200))
                    return -1;
            return int(RedColumns(shown, shown.height() / 4).size());
        };
        QTRY_COMPARE(redInRow(), 3); // 2 x 2 tiles: edges and the middle line
        QCOMPARE(double(pic->Image().width()) / pic->Image().height(), 1.5);
        p->showNormal();
        p->resize(p->size() + QSize(333, 250));
        QTRY_COMPARE(pic->Image().size(), pic->size());
        QTRY_COMPARE(redInRow(), 3);
        Click(*p, "cmdClose");
        QTRY_VERIFY(!w->PreviewWindow());
        // 2 x 2 sheets of 6 x 4 in sharing 1 in: 11 x 7 in over 600 x 382 pixels; the strip
        // between the columns is 1 / 11 of the width, from 5 / 11 on.
        w->ApplyPaper(PaperChoice{"Photo 4\" x 6\"", kUnitInches, 6, 4, {}, false, 1, {}});
        QCOMPARE(store.GetPref(PrefValue::Overlap), "10000");
        const auto check = [](const QImage& shown) {
            const QRect grid = RedExtent(shown);
            const int y = grid.top() + grid.height() / 4; // in the upper row of sheets only
            const auto at = [&](double part) {
                return shown.pixel(grid.left() + qRound(part * (grid.width() - 1)), y);
            };
            const QRgb photo = qRgb(90, 140, 200), strip = at(5.5 / 11);
            QVERIFY(at(2.0 / 11) == photo && at(8.5 / 11) == photo);
            QVERIFY2(strip != photo && qGray(strip) > qGray(photo),
                     qPrintable(QString::number(strip, 16)));
        };
        check(Picture()->Image());
        Click("cmdLargePreview");
        QTRY_VERIFY(w->PreviewWindow());
        pic = Find<PictureBox>(*w->PreviewWindow(), "picPreview");
        check(pic->Image());
        const QSize before = pic->Image().size();
        w->PreviewWindow()->showNormal();
        w->PreviewWindow()->resize(w->PreviewWindow()->size() + QSize(120, 90));
        QTRY_VERIFY(pic->Image().size() != before);
        // Drawn anew at once rather than after the pause in resizing it waits for.
        QVERIFY(QMetaObject::invokeMethod(w->PreviewWindow()->findChild<QTimer*>(), "timeout"));
        check(pic->Image());
        QTest::keyClick(w->PreviewWindow(), Qt::Key_Escape);
        QTRY_VERIFY(!w->PreviewWindow());
        Click("chkPreviewTiles"); // "Show Tiles" off: the plain picture
        QVERIFY(RedColumns(Picture()->Image(), MiddleRow()).isEmpty());
        w->close();
        Start(false);
        QCOMPARE(w->State().dOverlap, 1.0);
    }

    // Exit (button and menu) ends the program at once, writing nothing; closing the window
    // writes the preferences once and tells the application.
    void exitAndClose() {
        QSignalSpy unloaded(w.get(), &frmMain::unloaded);
        for (const bool byMenu : {false, true}) {
            byMenu ? C<QAction>("mnuExit")->trigger() : Click("cmdQuit");
            QTimer guard; // ends the run with a failure should the window not end it
            connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
            guard.start(30000);
            QCOMPARE(QCoreApplication::exec(), 0);
        }
        QVERIFY(store.WriteLog().isEmpty());
        QCOMPARE(unloaded.count(), 0);
        w->close();
        QCOMPARE(Saves(), 1);
        QCOMPARE(unloaded.count(), 1);
    }

    // The preview uses the room it gets, and every control fits, at the default size and
    // enlarged.
    void layoutFitsAtDefaultAndEnlargedSizes() {
        LoadPhoto(true);
        for (const QSize size : {QSize(1180, 760), QSize(1600, 1000)}) {
            w->resize(size);
            PictureBox* pic = Picture();
            QTRY_VERIFY(pic->Image().width() == pic->width() ||
                        pic->Image().height() == pic->height());
            QVERIFY(pic->width() > size.width() / 3);
            QWidget* central = w->centralWidget();
            for (QWidget* c : central->findChildren<QWidget*>()) {
                if (!c->isVisible() || c->objectName().isEmpty() ||
                    c->objectName().startsWith(u"qt_"))
                    continue;
                QVERIFY2(central->rect().contains(QRect(c->mapTo(central, QPoint()), c->size())),
                         qPrintable(c->objectName()));
                QVERIFY2(c->width() >= c->minimumSizeHint().width(), qPrintable(c->objectName()));
            }
        }
    }

    // --- The dialogs the main window's commands open, and what they change in it ---
    // The button and the menu entry open the dialog at the poster's paper; OK brings the
    // choice into the main window and its preferences (both papers have half-inch margins);
    // Cancel and the close box change nothing.
    void paperDialogChangesTheMainWindow() {
        const char* letter = "Letter 8.5\" x 11\"";
        for (const auto& [row, button, paper, size] :
             {std::tuple{2, "cmdOk", "Photo 8\" x 10\"", "14.00 x 18.00 inches"},
              std::tuple{3, "cmdOk", letter, "15.00 x 20.00 inches"},
              std::tuple{5, "cmdCancel", letter, "15.00 x 20.00 inches"},
              std::tuple{5, "", letter, "15.00 x 20.00 inches"}}) {
            bool overMain = false;
            WhenModal<frmTileSize>([&, row = row, button = QLatin1String(button)](frmTileSize* d) {
                overMain = d->isModal() && d->parentWidget() == w.get();
                Find<QListWidget>(*d, "lstPaperSize")->setCurrentRow(row);
                if (button != u"cmdOk")
                    Click(*d, "chkLock");
                button.isEmpty() ? void(d->close()) : Click(*d, button.data());
            });
            row == 3 ? C<QAction>("mnuPaperSize")->trigger() : Click("cmdEditPaperSize");
            QVERIFY(overMain);
            QCOMPARE(Texts({"lblPaperName", "lblFinalSize"}), (QStringList{paper, size}));
            QVERIFY(store.GetPref(PrefValue::PaperRegLine).contains(QLatin1String(paper)));
        }
        QCOMPARE(w->State().iWhMarginLocked, short(0));
    }

    // Without the file the user is told its name; with it the window shows it, keeping
    // links inside it, and each opening starts from the first page.
    void help() {
        QVERIFY(host->HelpFilePath().isEmpty()); // neither app_dir nor the test's folder has it
        C<QAction>("mnuContent")->trigger();
        QCOMPARE(messages.Messages().size(), 1);
        QVERIFY(messages.Messages().first().text.contains(QStringLiteral("tessellon_help.html")));
        // The build puts the file beside the program; every picture and every link inside it
        // must lead somewhere.
        const QString path =
            HelpLocator::GetHelpFilePath(QString(), QStringLiteral(TESSELLON_BUILD_DIR));
        QVERIFY2(!path.isEmpty(), "help file not copied beside the program");
        const QString html = QString::fromUtf8(ReadAll(path));
        static const QRegularExpression img(QStringLiteral("<img[^>]*src=\"([^\"]+)\""));
        QVERIFY(img.match(html).hasMatch());
        for (const auto& m : img.globalMatch(html))
            QVERIFY2(QImage(QFileInfo(path).dir().filePath(m.captured(1))).width() > 100,
                     qPrintable(m.captured(1)));
        static const QRegularExpression anchor(QStringLiteral("href=\"#([^\"]+)\""));
        for (const auto& m : anchor.globalMatch(html))
            QVERIFY2(html.contains(QStringLiteral("id=\"%1\"").arg(m.captured(1))) ||
                         html.contains(QStringLiteral("name=\"%1\"").arg(m.captured(1))),
                     qPrintable(m.captured(1)));
        for (const char* topic : {"Step (1)", "Step (4)", "Edge Calibration", "Save Images Now"})
            QVERIFY2(html.contains(QLatin1String(topic)), topic);
        const QString copy = Path("app/tessellon_help.html");
        QVERIFY(QFile::copy(path, copy));
        DialogHost withHelp(*w, store, messages);
        QCOMPARE(QDir::cleanPath(withHelp.HelpFilePath()), copy);
        withHelp.OpenHelpFile();
        HelpWindow* help = withHelp.Help();
        QVERIFY(help && help->isVisible() && help->isWindow());
        auto* text = Find<QTextBrowser>(*help, "txtHelp");
        QVERIFY(text->toPlainText().contains(QStringLiteral("Edge Calibration")));
        QUrl second = QUrl::fromLocalFile(copy);
        second.setFragment(anchor.match(html).captured(1));
        text->setSource(second);
        QVERIFY(Find<QWidget>(*help, "cmdBack")->isEnabled());
        withHelp.OpenHelpFile();
        QCOMPARE(text->source(), QUrl::fromLocalFile(copy));
        QVERIFY(!Find<QWidget>(*help, "cmdBack")->isEnabled());
        QCOMPARE(messages.Messages().size(), 1);
    }

    // The program's folder is PREFIX/bin; an installed program finds the file in
    // PREFIX/share/tessellon. Each case: the file in app_dir (else a folder of its name there),
    // where under PREFIX it is (if anywhere), app_dir given (0 none, 1 the folder, 2 with a
    // slash), and where it is found ("app", the program's copy, or "").
    void helpSearch() {
        for (const auto& [inAppDir, atProgram, appDir, expected] :
             {std::tuple{true, "bin", 1, "app"},
              {true, "", 2, "app"},
              {false, "bin", 1, "bin"},
              {true, "bin", 0, "bin"},
              {false, "share/tessellon", 1, "share/tessellon"},
              {false, "", 1, ""}}) {
            QTemporaryDir app, prefix;
            const QString name = HelpLocator::HelpFileName(), at = QLatin1String(atProgram);
            if (inAppDir)
                QVERIFY(WriteAll(app.filePath(name), "<html>x</html>"));
            else
                QVERIFY(QDir(app.path()).mkdir(name));
            QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
            if (!at.isEmpty() && QDir(prefix.path()).mkpath(at))
                QVERIFY(WriteAll(prefix.filePath(at + u'/' + name), "<html>x</html>"));
            const QString found = HelpLocator::GetHelpFilePath(
                appDir ? app.path() + QString(appDir - 1, u'/') : QString(),
                prefix.filePath("bin"));
            const QString where =
                QLatin1String(expected) == u"app" ? app.path() : prefix.filePath(expected);
            QCOMPARE(QFileInfo(found).canonicalFilePath(),
                     *expected ? QFileInfo(where + u'/' + name).canonicalFilePath() : QString());
            QCOMPARE(HelpLocator::IsMissing(found), !*expected);
        }
    }

    // About opens modeless from the menu, once; the system information likewise from it.
    void aboutAndSystemInformation() {
        C<QAction>("mnuAbout")->trigger();
        frmAbout& about = *host->About();
        QVERIFY(QTest::qWaitForWindowExposed(&about) && !about.isModal());
        C<QAction>("mnuAbout")->trigger();
        QCOMPARE(host->About(), &about);
        QCOMPARE(Text(about, "lblVersion"), "Version " + ShownVersion());
        for (const char* link : {"lblHomePage", "lblSupport", "lblPurchase"})
            QVERIFY(Text(about, link).contains(QStringLiteral("href=\"http")) &&
                    Find<QLabel>(about, link)->openExternalLinks());
        // The report marks what is not known; with nothing known there is no report, only a
        // message.
        SystemInfo info;
        info.productName = QStringLiteral("Some OS 1");
        info.kernelType = QStringLiteral("linux");
        info.qtRuntime = QStringLiteral("6.4.2");
        QCOMPARE(info.Report(), "Operating system: Some OS 1\nKernel: linux (unknown)\nCPU "
                                "architecture: (unknown)\nBuilt for: (unknown) ((unknown))\nQt "
                                "version: 6.4.2 (built with (unknown))\n");
        info.productName.clear();
        info.kernelType = QStringLiteral("unknown");
        QVERIFY(!about.StartSysInfo(info) && !about.SysInfo());
        QCOMPARE(messages.Messages().size(), 1);
        QCOMPARE(messages.Messages().first().kind, RecordingMessageService::Kind::Information);
        QCOMPARE(messages.Messages().first().text,
                 "System Information Is Unavailable At This Time");
        // The system information opens modeless, read-only, selectable; a second click
        // reuses the window.
        Click(about, "cmdSysInfo");
        SysInfoWindow* window = about.SysInfo();
        QVERIFY(window && window->isVisible() && !window->isModal());
        auto* shown = Find<QPlainTextEdit>(*window, "txtInfo");
        QCOMPARE(shown->toPlainText(), window->Text());
        QVERIFY(shown->isReadOnly() && shown->textInteractionFlags() & Qt::TextSelectableByMouse);
        Click(about, "cmdSysInfo");
        QCOMPARE(about.SysInfo(), window);
        Click(*window, "cmdClose");
        QVERIFY(!window->isVisible());
        QCOMPARE(messages.Messages().size(), 1);
        Click(about, "cmdOk");
        QVERIFY(!about.isVisible());
    }

    // --- Paper dialog on its own: the model's rules and messages are tested with the model ---
    // The lock is ticked before the line loads, so the line's own margins win. Each case: the
    // line, the lock, the paper's row, the margins, and the size without borders.
    void paperOpensFromPoster() {
        for (const auto& [line, locked, row, margins, withoutBorders] :
             {std::tuple{"|1|A4 - 210 x 297|999|999|0|0|0|0|12|12|12|12|", 0, 4,
                         QStringList(4, "12.0"), "186.0 x 273.0 mm"},
              {"|0|Letter 8.5\" x 11\"|8.5|11|0.5|0.5|0.5|0.5|1|0.5|0.25|0.75|", 1, 3,
               QStringList{"1.00", "0.50", "0.25", "0.75"}, "7.25 x 9.75 Inches"}}) {
            PaperFixture f{QLatin1String(line), short(locked)};
            const frmTileSize& d = *f.dlg;
            QCOMPARE(d.windowTitle(), "Determine Tile Print Size");
            QCOMPARE(Find<QRadioButton>(d, "opbMm")->isChecked(),
                     QLatin1String(withoutBorders).endsWith(u"mm"));
            QCOMPARE(Find<QListWidget>(d, "lstPaperSize")->currentRow(), row);
            QCOMPARE(MarginTexts(d).join(u'|'), Loc(margins.join(u'|')));
            QCOMPARE(Find<QCheckBox>(d, "chkLock")->isChecked(), locked != 0);
            QCOMPARE(f.Without(), Loc(QLatin1String(withoutBorders)));
            QCOMPARE(f.applied, 0);
        }
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
        // The arrow keys step through the offers without adding to them; Enter presses no button.
        QComboBox* top = Margin(d, 0);
        top->setFocus();
        QTest::keyClick(top, Qt::Key_Down);
        QCOMPARE(f.Without(), Loc("7.50 x 9.99 Inches"));
        Type(top->lineEdit(), Loc("0.333"));
        QTest::keyClick(top->lineEdit(), Qt::Key_Return);
        QTest::keyClick(Find<QLineEdit>(d, "txtWidth"), Qt::Key_Return);
        QVERIFY(top->count() == 201 && d.isVisible());
        Type(top->lineEdit(), Loc("1"));
        QCOMPARE(f.Without(), Loc("7.50 x 9.50 Inches"));
        Click(d, "chkLock"); // bottom takes top
        QCOMPARE(f.Without(), Loc("7.50 x 9.00 Inches"));
        Click(d, "chkLock"); // untick: every side on its own again
        Click(d, "cmdBorderless");
        QCOMPARE(MarginTexts(d), QStringList(4, Loc("0.00")));
        QCOMPARE(f.Without(), Loc("8.50 x 11.00 Inches"));
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
        QVERIFY(d.isVisible() && f.applied == 1);
        QCOMPARE(f.poster.sPaperName, "Custom (mm)");
        QCOMPARE(QSizeF(f.poster.dTileWidth, f.poster.dTileHeight), QSizeF(130, 190));
        Type(Margin(d, 2)->lineEdit(), Loc("-1"));
        Click(d, "cmdApply");
        QVERIFY(d.isVisible());
        QCOMPARE(Titles(f.messages).size(), 1);
        QCOMPARE(Margin(d, 2)->currentText(), Loc("-1"));
        Click(d, "cmdOk");
        QCOMPARE(f.messages.Messages().size(), 2);
        QVERIFY(!d.isVisible() && d.result() == QDialog::Accepted);
        QCOMPARE(f.applied, 3);
        QCOMPARE(f.poster.dTileHeight, 190.0); // "-" on the way to "-1" was no valid margin
        frmTileSize again(f.poster, f.messages);
        again.LoadFromPoster();
        QVERIFY(Find<QRadioButton>(again, "opbMm")->isChecked());
        QCOMPARE(Find<QListWidget>(again, "lstPaperSize")->currentRow(), 7);
    }
};

QTEST_MAIN(TstApp)
#include "tst_app.moc"
