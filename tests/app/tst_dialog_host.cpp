#include "app/dialog_host.h"
#include "app/frm_about.h"
#include "app/frm_btm.h"
#include "app/frm_main.h"
#include "app/frm_save_tiles.h"
#include "app/frm_tile_size.h"
#include "app/help_window.h"
#include "app/sys_info_window.h"
#include "calibration/profile_file.h"
#include "tests/app/app_test_support.h"
#include "tests/support/find_control.h"
#include "tests/support/memory_settings_store.h"
#include "tests/support/recording_message_service.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <functional>

using namespace tessellon;
using namespace tessellon::testing;

// The main window's commands reach the right windows, and what those windows change comes
// back into the main window.
class TstDialogHost : public QObject {
    Q_OBJECT
    RecordingMessageService messages;
    MemorySettingsStore store;
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<frmMain> w;
    std::unique_ptr<DialogHost> host;

    QString AppDir() const { return dir->filePath(QStringLiteral("app")); }
    QString ProfilePath() const { return AppDir() + u'/' + ProfileFile::FileName(); }

    void LoadPhoto() {
        w->SetCurrentFolder(dir->path());
        const auto items = Find<QListWidget>(*w, "lstFiles")
                               ->findItems(QStringLiteral("photo.bmp"), Qt::MatchExactly);
        QVERIFY(!items.isEmpty());
        Find<QListWidget>(*w, "lstFiles")->setCurrentItem(items.first());
        QVERIFY(w->OpenImageFile(dir->filePath(QStringLiteral("photo.bmp"))));
        QVERIFY(w->State().bImgSelected);
    }

private slots:
    void init() {
        messages.Clear();
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("app")));
        QImage img(600, 400, QImage::Format_RGB32);
        img.fill(QColor(90, 140, 200));
        QVERIFY(img.save(dir->filePath(QStringLiteral("photo.bmp"))));
        QVERIFY(img.save(dir->filePath(QStringLiteral("other.bmp"))));
        store.Clear();
        store.SavePref(PrefValue::AppDir, AppDir());
        store.SavePref(PrefValue::LastFolder, dir->path());
        w = std::make_unique<frmMain>(store, messages);
        w->Form_Load();
        host = std::make_unique<DialogHost>(*w, store, messages);
        w->resize(1180, 760);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        messages.Clear();
    }
    void cleanup() {
        host.reset();
        w.reset();
    }

    void paperDialogChangesTheMainWindow() {
        QString chosen;
        WhenModal<frmTileSize>([&](frmTileSize* d) {
            Find<QListWidget>(*d, "lstPaperSize")->setCurrentRow(2);
            chosen = Find<QListWidget>(*d, "lstPaperSize")->currentItem()->text();
            Find<QPushButton>(*d, "cmdOk")->click();
        });
        QTest::mouseClick(Find<QPushButton>(*w, "cmdEditPaperSize"), Qt::LeftButton);
        QVERIFY(!chosen.isEmpty());
        QCOMPARE(w->State().sPaperName, chosen);
        QCOMPARE(Find<QLabel>(*w, "lblPaperName")->text(), chosen);
        QVERIFY2(store.GetPref(PrefValue::PaperRegLine).contains(chosen),
                 qPrintable(store.GetPref(PrefValue::PaperRegLine)));
    }

    void edgeDialogFromEditButtonRecomputes() {
        LoadPhoto();
        Find<QCheckBox>(*w, "chkPrinterClips")->setChecked(true);
        messages.Clear();
        Find<QComboBox>(*w, "cmbCurBtm")->setCurrentIndex(1); // Kodak photo lab default
        const QString before = Find<QLabel>(*w, "lblFinalSize")->text();
        int shownRow = -1;
        WhenModal<frmBtm>([&](frmBtm* d) {
            shownRow = Find<QListWidget>(*d, "lstConfigurations")->currentRow();
            Find<QComboBox>(*d, "cmbTopEdge")->setCurrentIndex(16); // a quarter inch off the top
            // The window's own close box: the Edit button recomputes all the same.
            d->reject();
        });
        QTest::mouseClick(Find<QPushButton>(*w, "cmdConfig"), Qt::LeftButton);
        QCOMPARE(shownRow, 1);
        QFile file(ProfilePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("Kodak photo lab default\t16,04,03,02,\r\n"));
        QVERIFY2(Find<QLabel>(*w, "lblFinalSize")->text() != before, qPrintable(before));
        QCOMPARE(Find<QComboBox>(*w, "cmbCurBtm")->currentIndex(), 1);
    }

    void edgeDialogNewProfileReachesTheSelector() {
        WhenModal<frmBtm>([&](frmBtm* d) {
            d->SetInputQuestion([](const QString&, const QString&, const QString&) {
                return std::optional<QString>(QStringLiteral("My printer"));
            });
            Find<QPushButton>(*d, "cmdNew")->click();
            Find<QPushButton>(*d, "cmdOk")->click();
        });
        Find<QAction>(*w, "mnuEdgeClip")->trigger();
        QCOMPARE(Find<QComboBox>(*w, "cmbCurBtm")->count(), 4);
        QCOMPARE(Find<QComboBox>(*w, "cmbCurBtm")->itemText(3), QStringLiteral("My printer"));
    }

    void saveDialogOpensWithTheChosenFile() {
        LoadPhoto();
        QTest::mouseClick(Find<QPushButton>(*w, "cmdSaveNow"), Qt::LeftButton);
        frmSaveTiles* save = host->SaveDialog();
        QVERIFY(save);
        QVERIFY(save->isVisible());
        QVERIFY(!save->isModal());
        QCOMPARE(Find<QLineEdit>(*save, "txtBaseFileName")->text(), QStringLiteral("photo_"));
        QCOMPARE(Find<QLineEdit>(*save, "txtNewFolderName")->text(),
                 QStringLiteral("photo_poster_images"));
        QCOMPARE(QDir::cleanPath(save->DirTilePath()), QDir::cleanPath(dir->path()));
        // Choosing a file in the main window's list closes it.
        const auto other = Find<QListWidget>(*w, "lstFiles")
                               ->findItems(QStringLiteral("other.bmp"), Qt::MatchExactly);
        QVERIFY(!other.isEmpty());
        const QRect r = Find<QListWidget>(*w, "lstFiles")->visualItemRect(other.first());
        QTest::mouseClick(Find<QListWidget>(*w, "lstFiles")->viewport(), Qt::LeftButton, {},
                          r.center());
        QTRY_VERIFY(!save->isVisible());
    }

    void helpWithoutTheFileNamesIt() {
        // Neither app_dir nor the test program's folder holds the help file.
        QVERIFY(host->HelpFilePath().isEmpty());
        Find<QAction>(*w, "mnuContent")->trigger();
        QCOMPARE(messages.Messages().size(), 1);
        QVERIFY(messages.Messages().first().text.contains(QStringLiteral("tessellon_help.html")));
    }

    void helpFoundInTheApplicationFolder() {
        QFile help(AppDir() + QStringLiteral("/tessellon_help.html"));
        QVERIFY(help.open(QIODevice::WriteOnly));
        help.write("<html><body><h1>Poster help</h1></body></html>");
        help.close();
        DialogHost withHelp(*w, store, messages);
        QCOMPARE(QDir::cleanPath(withHelp.HelpFilePath()), QDir::cleanPath(help.fileName()));
        withHelp.OpenHelpFile();
        QVERIFY(withHelp.Help());
        QVERIFY(withHelp.Help()->isVisible());
        QVERIFY(Find<QTextBrowser>(*withHelp.Help(), "txtHelp")
                    ->toPlainText()
                    .contains(QStringLiteral("Poster help")));
        QVERIFY(messages.Messages().isEmpty());
    }

    void aboutIsModeless() {
        Find<QAction>(*w, "mnuAbout")->trigger();
        QVERIFY(host->About());
        QVERIFY(host->About()->isVisible());
        QVERIFY(!host->About()->isModal());
        // A second request shows the same window.
        frmAbout* first = host->About();
        Find<QAction>(*w, "mnuAbout")->trigger();
        QCOMPARE(host->About(), first);
    }
};

QTEST_MAIN(TstDialogHost)
#include "tst_dialog_host.moc"
