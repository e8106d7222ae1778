#include "app/frm_btm.h"
#include "app/frm_input_box.h"
#include "calibration/profile_store.h"
#include "imaging/image_object.h"
#include "layout/poster_state.h"
#include "tests/app/app_test_support.h"
#include "tests/calibration/profile_test_support.h"

using namespace tessellon;
using namespace tessellon::testing;
using Kind = RecordingMessageService::Kind;
using Answer = MessageService::Answer;
using Clips = std::array<int, 4>;

namespace {

// The dialog over a profile file in a temporary folder (its wiring to the main window's
// selector is tested with the main window).
struct EdgeFixture {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("printer_edge_config"));
    std::unique_ptr<ProfileStore> store;
    PosterState poster;
    RecordingMessageService messages;
    std::unique_ptr<frmBtm> dlg;
    int outputRequests = 0;
    QStringList savePrompts;
    QString saveAnswer;

    explicit EdgeFixture(const QByteArray& file = kShippedBytes) {
        if (QFile f(path); !file.isNull() && f.open(QIODevice::WriteOnly))
            f.write(file);
        store = std::make_unique<ProfileStore>(path);
        poster.dTileWidth = 4; // a 4 inch wide, 6 inch high tile
        poster.dTileHeight = 6;
        dlg = std::make_unique<frmBtm>(*store, poster, messages);
        QObject::connect(dlg.get(), &frmBtm::outputSizeUpdateRequested,
                         [this] { ++outputRequests; });
        dlg->SetSavePathQuestion([this](const QString& name, const QString&) {
            savePrompts.append(name);
            return saveAnswer;
        });
    }
    void OpenByEdit(int current) {
        dlg->PrepareEditButtonOpening(current);
        dlg->show();
        QVERIFY(QTest::qWaitForWindowExposed(dlg.get()));
    }
    QListWidget* List() const { return Find<QListWidget>(*dlg, "lstConfigurations"); }
    QComboBox* Edge(const char* name) const { return Find<QComboBox>(*dlg, name); }
    void ClickProfile(int row) const {
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {},
                          List()->visualItemRect(List()->item(row)).center());
    }
};

} // namespace

class TestEdgeDialog : public QObject {
    Q_OBJECT
private slots:
    // The sample picture: four frames from the outside in, then white.
    void samplePicture() {
        const QImage img = frmBtm::TestPrintSample(QSize(150, 100)).toImage();
        QCOMPARE(img.pixelColor(0, 50), QColor(180, 120, 0));
        QCOMPARE(img.pixelColor(149 - 16, 50), QColor(255, 0, 0));
        QCOMPARE(img.pixelColor(22, 22), QColor(255, 255, 255));
    }

    // The profile named by the main window is shown, in the poster's unit: the stripe width and
    // the left edge's amount.
    void opensAtTheMainWindowsProfile() {
        for (const auto& [mm, stripe, left] :
             {std::tuple{false, "(1/16 inch wide each)", "Printer cuts off 1/32 inches of image"},
              {true, "(1.59 mm wide each)", "Printer cuts off 0.8 mm of image"}}) {
            // No file yet: the first opening writes the shipped profiles.
            EdgeFixture f{QByteArray()};
            QCOMPARE(ReadAll(f.path), kShippedBytes);
            f.poster.iCurUnits = mm ? kUnitMillimeters : kUnitInches;
            f.OpenByEdit(1);
            QCOMPARE(f.dlg->windowTitle(), "Edge Calibration");
            QCOMPARE(f.Edge("cmbLeftEdge")->itemText(16), "See no lines");
            QCOMPARE(f.List()->currentRow(), 1);
            QCOMPARE(f.Edge("cmbRightEdge")->currentText(), Loc("See 3.00 lines"));
            QVERIFY(Text(*f.dlg, "lblStep1Desc").contains(Loc(QLatin1String(stripe))));
            QCOMPARE(Text(*f.dlg, "lblLeftEdgeDesc"), Loc(QLatin1String(left)));
            QCOMPARE(ReadAll(f.path), kShippedBytes);
            // The menu opens at the main window's profile; one out of range opens the first.
            f.dlg->PrepareMenuOpening(2);
            QCOMPARE(f.dlg->EdgeSelections(), (Clips{2, 6, 3, 6}));
            f.dlg->PrepareEditButtonOpening(7);
            QCOMPARE(f.List()->currentRow(), 0);
            QCOMPARE(Text(*f.dlg, "lblTopEdgeDesc"), "None of the image is clipped");
            QVERIFY(f.messages.Messages().isEmpty());
        }
    }

    void editingWritesTheFileAtOnce() {
        EdgeFixture f;
        f.OpenByEdit(1);
        f.Edge("cmbTopEdge")->setCurrentIndex(16);
        QCOMPARE(ReadAll(f.path), QByteArray("default\t00,00,00,00,\r\n"
                                             "Kodak photo lab default\t16,04,03,02,\r\n"
                                             "Fuji photo lab default\t02,06,03,06,\r\n"));
        QCOMPARE(Text(*f.dlg, "lblTopEdgeDesc"), "Printer cuts off 1/4 inches of image");
        // Another profile clicked and edited.
        f.ClickProfile(2);
        QCOMPARE(f.dlg->EdgeSelections(), (Clips{2, 6, 3, 6}));
        f.Edge("cmbRightEdge")->setCurrentIndex(8);
        QVERIFY(ReadAll(f.path).endsWith("Fuji photo lab default\t02,08,03,06,\r\n"));
        QCOMPARE(f.poster.CurrentProfile(), 0); // the dialog never touches the poster's choice
        // A refill by code with events suppressed copies nothing into the profile it selects.
        const QByteArray before = ReadAll(f.path);
        f.dlg->bIgnoreEvents = true;
        f.dlg->FillProfileList(0);
        f.Edge("cmbTopEdge")->setCurrentIndex(9);
        f.dlg->bIgnoreEvents = false;
        QCOMPARE(ReadAll(f.path), before);
    }

    // New asks in the input window; Cancel adds nothing. Rename offers the old name. Delete
    // asks about the selected profile (the answers and the last profile are the store's rules).
    void newRenamedAndDeletedProfiles() {
        EdgeFixture f;
        f.OpenByEdit(1);
        QStringList seen;
        for (const bool ok : {false, true}) {
            WhenModal<frmInputBox>([&seen, ok](frmInputBox* box) {
                seen =
                    QStringList{box->windowTitle(), Text(*box, "lblMsg"), Text(*box, "txtInval")};
                QTest::keyClicks(Find<QLineEdit>(*box, "txtInval"), QStringLiteral("Epson"));
                Click(*box, ok ? "OKButton" : "CancelButton");
            });
            Click(*f.dlg, "cmdNew");
            QCOMPARE(seen,
                     (QStringList{"Enter name for new configuration:", "New Configuration", ""}));
            QCOMPARE(ReadAll(f.path),
                     ok ? kShippedBytes + "Epson\t00,00,00,00,\r\n" : kShippedBytes);
        }
        QCOMPARE(f.List()->currentRow(), 3);
        QCOMPARE(f.dlg->EdgeSelections(), (Clips{0, 0, 0, 0}));
        f.ClickProfile(2);
        QStringList asked;
        std::optional<QString> answer;
        f.dlg->SetInputQuestion([&](const QString& title, const QString& msg, const QString& old) {
            asked = QStringList{title, msg, old};
            return answer;
        });
        Click(*f.dlg, "cmdRename"); // cancelled
        QCOMPARE(f.List()->item(2)->text(), "Fuji photo lab default");
        answer = QStringLiteral("My lab");
        Click(*f.dlg, "cmdRename");
        QCOMPARE(asked, (QStringList{"Enter new name for this Edge Calibrtion Profile:",
                                     "New Configuration", "Fuji photo lab default"}));
        QCOMPARE(f.List()->item(2)->text(), "My lab");
        // The first profile is selected afterwards, and the selectors show it.
        QCOMPARE(f.List()->currentRow(), 0);
        QCOMPARE(f.dlg->EdgeSelections(), (Clips{0, 0, 0, 0}));
        QVERIFY(ReadAll(f.path).contains("My lab\t02,06,03,06,\r\n"));
        f.ClickProfile(2);
        f.messages.QueueAnswer(Answer::Yes);
        Click(*f.dlg, "cmdDel");
        QVERIFY(f.messages.Messages().at(0).text.endsWith(u"(My lab)?"));
        QCOMPARE(f.List()->currentRow(), 0);
        QCOMPARE(ReadAll(f.path), QByteArray("default\t00,00,00,00,\r\n"
                                             "Kodak photo lab default\t03,04,03,02,\r\n"
                                             "Epson\t00,00,00,00,\r\n"));
    }

    // The Edit button recomputes the main window however the window is closed (once more on
    // Close); the menu only after Close.
    void closeButtonAndCloseBox() {
        // Opened from Edit or the menu, closed by Close or the close box: requests made.
        for (const auto& [fromEdit, byCloseButton, requests] :
             {std::tuple{true, true, 2}, {true, false, 1}, {false, true, 1}, {false, false, 0}}) {
            EdgeFixture f;
            WhenModal<frmBtm>(
                [close = byCloseButton](frmBtm* d) { close ? Click(*d, "cmdOk") : d->reject(); });
            fromEdit ? f.dlg->OpenFromEditButton(1) : f.dlg->OpenFromMenu(1);
            QCOMPARE(f.outputRequests, requests);
        }
    }

    // The target is confirmed, asked for, saved at 128 pixels per inch and named; its stripes
    // and file types are tested with the target itself.
    void testTargetSaved() {
        EdgeFixture f;
        f.OpenByEdit(1);
        f.saveAnswer = f.dir.filePath(QStringLiteral("target.bmp"));
        f.messages.QueueAnswer(Answer::Cancel); // at the confirmation: nothing asked or made
        Click(*f.dlg, "cmdGenerateTest");
        QVERIFY(f.savePrompts.isEmpty() && !QFile::exists(f.saveAnswer));
        f.messages.Clear();
        Click(*f.dlg, "cmdGenerateTest");
        QCOMPARE(f.savePrompts, QStringList{"Edge_Test_Image"});
        const auto& msgs = f.messages.Messages();
        QCOMPARE(Titles(f.messages).size(), 2);
        QCOMPARE(msgs.at(0).kind, Kind::OkCancel);
        QVERIFY(msgs.at(0).text.startsWith(
            Loc("A 6.00 inch high x 4.00 inch wide test image will now be created.  ")));
        QCOMPARE(msgs.at(1).title, "Test Image Creation Completed");
        QVERIFY(msgs.at(1).text.contains(
            QStringLiteral(" (%1) ").arg(QDir::toNativeSeparators(f.saveAnswer))));
        ImageObject saved;
        QVERIFY(saved.LoadImageFile(f.saveAnswer).ok());
        QCOMPARE(QSize(saved.ImageWidth(), saved.ImageHeight()), QSize(512, 768));
        QCOMPARE(saved.ImageInfo(ImageAttribute::HorizontalResolution), 128);
        QCOMPARE(ReadAll(f.path), kShippedBytes); // the profiles are not touched
    }

    // The file's type, its folder and the print size are checked before anything is written.
    void testTargetRefused() {
        for (const auto& [answer, tileWidth, title, text] :
             {std::tuple{"target.jpeg", 4.0, "Invalid file type", "bmp, tif or jpg"},
              {"missing/t.bmp", 4.0, "Error", "to disk - "},
              {"t.jpg", 0.5, "Invalide print dimensions", "not valid"}}) {
            EdgeFixture f;
            f.poster.dTileWidth = tileWidth;
            f.saveAnswer = f.dir.filePath(QLatin1String(answer));
            f.dlg->cmdGenerateTest_Click();
            const auto& last = f.messages.Messages().last();
            QCOMPARE(last.kind, Kind::Critical);
            QCOMPARE(last.title, QLatin1String(title));
            QVERIFY2(last.text.contains(QLatin1String(text)), qPrintable(last.text));
            QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files), QStringList{"printer_edge_config"});
        }
    }

    void saveDialogOffersThreeFormats() {
        EdgeFixture f;
        f.dlg->SetSavePathQuestion({}); // the real file dialog
        f.dlg->show();
        QStringList shown;
        WhenModal<QFileDialog>([&](QFileDialog* d) {
            shown = d->nameFilters() << d->selectedNameFilter() << d->windowTitle();
            d->reject();
        });
        f.dlg->cmdGenerateTest_Click();
        QCOMPARE(shown, QStringList({"Bitmap (*.bmp)", "Tiff (*.tif)", "Jpeg (*.jpg)",
                                     "Jpeg (*.jpg)", "Save Test Target"}));
        QCOMPARE(f.messages.Messages().last().text, "Test Target Creation canceled");
    }
};

QTEST_MAIN(TestEdgeDialog)
#include "tst_edge_dialog.moc"
