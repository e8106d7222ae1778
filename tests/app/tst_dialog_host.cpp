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
#include "tests/support/memory_settings_store.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>

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
    QComboBox* Profiles() const { return Find<QComboBox>(*w, "cmbCurBtm"); }
    void ChooseFile(const char* name) const {
        auto* list = Find<QListWidget>(*w, "lstFiles");
        const auto items = list->findItems(QLatin1String(name), Qt::MatchExactly);
        QVERIFY(!items.isEmpty());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(items.first()).center());
    }

private slots:
    void init() {
        messages.Clear();
        dir = std::make_unique<QTemporaryDir>();
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

    // The button and the menu entry open the dialog at the poster's paper; OK brings the
    // choice into the main window and its preferences.
    void paperDialogChangesTheMainWindow() {
        for (const auto& [row, paper] :
             {std::pair{2, "Photo 8\" x 10\""}, std::pair{3, "Letter 8.5\" x 11\""}}) {
            WhenModal<frmTileSize>([row = row](frmTileSize* d) {
                Find<QListWidget>(*d, "lstPaperSize")->setCurrentRow(row);
                Click(*d, "cmdOk");
            });
            if (row == 2)
                Click(*w, "cmdEditPaperSize");
            else
                Find<QAction>(*w, "mnuPaperSize")->trigger();
            QCOMPARE(w->State().sPaperName, paper);
            QCOMPARE(Text(*w, "lblPaperName"), paper);
            QVERIFY(store.GetPref(PrefValue::PaperRegLine).contains(QLatin1String(paper)));
        }
    }

    // The Edit button opens the dialog at the main window's profile and recomputes the main
    // window also when the dialog is closed with its close box.
    void edgeDialogFromEditButtonRecomputes() {
        ChooseFile("photo.bmp");
        Find<QCheckBox>(*w, "chkPrinterClips")->setChecked(true);
        Profiles()->setCurrentIndex(1); // Kodak photo lab default: 3, 4, 3, 2 / 64 inch
        QCOMPARE(Text(*w, "lblFinalSize"), "11.81 x 7.81 inches");
        int shownRow = -1;
        WhenModal<frmBtm>([&](frmBtm* d) {
            shownRow = Find<QListWidget>(*d, "lstConfigurations")->currentRow();
            Find<QComboBox>(*d, "cmbTopEdge")->setCurrentIndex(16); // a quarter inch off the top
            d->reject();
        });
        Click(*w, "cmdConfig");
        QCOMPARE(shownRow, 1);
        QFile file(AppDir() + u'/' + ProfileFile::FileName());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("Kodak photo lab default\t16,04,03,02,\r\n"));
        QCOMPARE(Text(*w, "lblFinalSize"), "11.81 x 7.41 inches");
        QCOMPARE(Profiles()->currentIndex(), 1);
    }

    void edgeDialogNewProfileReachesTheSelector() {
        WhenModal<frmBtm>([&](frmBtm* d) {
            d->SetInputQuestion([](const QString&, const QString&, const QString&) {
                return std::optional<QString>(QStringLiteral("My printer"));
            });
            Click(*d, "cmdNew");
            Click(*d, "cmdOk");
        });
        Find<QAction>(*w, "mnuEdgeClip")->trigger();
        QCOMPARE(Profiles()->count(), 4);
        QCOMPARE(Profiles()->itemText(3), "My printer");
    }

    // The save dialog proposes names from the file chosen in the main window's list; choosing
    // another file there closes it.
    void saveDialogOpensWithTheChosenFile() {
        ChooseFile("photo.bmp");
        Click(*w, "cmdSaveNow");
        frmSaveTiles* save = host->SaveDialog();
        QVERIFY(save && save->isVisible() && !save->isModal());
        QCOMPARE(Text(*save, "txtBaseFileName"), "photo_");
        QCOMPARE(QDir::cleanPath(save->DirTilePath()), QDir::cleanPath(dir->path()));
        ChooseFile("other.bmp");
        QTRY_VERIFY(!save->isVisible());
    }

    // Without the file the user is told its name; with it the window shows it, keeping
    // links inside it, and each opening starts from the first page.
    void help() {
        QVERIFY(host->HelpFilePath().isEmpty()); // neither app_dir nor the test's folder has it
        Find<QAction>(*w, "mnuContent")->trigger();
        QCOMPARE(messages.Messages().size(), 1);
        QVERIFY(messages.Messages().first().text.contains(QStringLiteral("tessellon_help.html")));
        QFile file(AppDir() + QStringLiteral("/tessellon_help.html"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<html><body><h1>Poster help</h1><a href=\"#two\">go</a>"
                   "<p style=\"margin-top:2000px\"><a name=\"two\"></a>Second</p></body></html>");
        file.close();
        DialogHost withHelp(*w, store, messages);
        QCOMPARE(QDir::cleanPath(withHelp.HelpFilePath()), QDir::cleanPath(file.fileName()));
        withHelp.OpenHelpFile();
        HelpWindow* help = withHelp.Help();
        QVERIFY(help && help->isVisible() && help->isWindow());
        auto* text = Find<QTextBrowser>(*help, "txtHelp");
        QVERIFY(text->toPlainText().contains(QStringLiteral("Poster help")));
        QUrl second = QUrl::fromLocalFile(file.fileName());
        second.setFragment(QStringLiteral("two"));
        text->setSource(second);
        QVERIFY(Find<QWidget>(*help, "cmdBack")->isEnabled());
        withHelp.OpenHelpFile();
        QCOMPARE(text->source(), QUrl::fromLocalFile(file.fileName()));
        QVERIFY(!Find<QWidget>(*help, "cmdBack")->isEnabled());
        QCOMPARE(messages.Messages().size(), 1);
    }

    void aboutIsModelessAndShownOnce() {
        Find<QAction>(*w, "mnuAbout")->trigger();
        frmAbout* first = host->About();
        QVERIFY(first && first->isVisible() && !first->isModal());
        Find<QAction>(*w, "mnuAbout")->trigger();
        QCOMPARE(host->About(), first);
    }
};

QTEST_MAIN(TstDialogHost)
#include "tst_dialog_host.moc"
