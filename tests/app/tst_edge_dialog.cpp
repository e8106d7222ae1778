#include "app/frm_btm.h"
#include "app/frm_input_box.h"
#include "calibration/profile_store.h"
#include "common/number_format.h"
#include "export/image_object.h"
#include "layout/poster_state.h"
#include "tests/app/app_test_support.h"
#include "tests/support/find_control.h"
#include "tests/support/recording_message_service.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace tessellon;
using namespace tessellon::testing;
using Kind = RecordingMessageService::Kind;
using Answer = MessageService::Answer;
using Clips = std::array<int, 4>;

namespace {

const QByteArray kShippedFile = "default\t00,00,00,00,\r\n"
                                "Kodak photo lab default\t03,04,03,02,\r\n"
                                "Fuji photo lab default\t02,06,03,06,\r\n";

QByteArray ReadBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Answers the next input window: types `text` and presses OK, or presses Cancel. Records the
// window's title and the text it offered.
void AnswerInputBox(QStringList& seen, const QString& text, bool ok) {
    WhenModal<frmInputBox>([&seen, text, ok](frmInputBox* box) {
        seen = {box->windowTitle(), Find<QLabel>(*box, "lblMsg")->text(),
                Find<QLineEdit>(*box, "txtInval")->text()};
        Find<QLineEdit>(*box, "txtInval")->selectAll();
        QTest::keyClick(Find<QLineEdit>(*box, "txtInval"), Qt::Key_Delete);
        QTest::keyClicks(Find<QLineEdit>(*box, "txtInval"), text);
        QTest::mouseClick(ok ? Find<QPushButton>(*box, "OKButton")
                             : Find<QPushButton>(*box, "CancelButton"),
                          Qt::LeftButton);
    });
}

// The dialog over a profile file in a temporary folder, with a stand-in for the main
// window's profile selector refilled on every profilesChanged as the main window does.
struct EdgeFixture {
    QTemporaryDir dir;
    QString path;
    std::unique_ptr<ProfileStore> store;
    PosterState poster;
    RecordingMessageService messages;
    QComboBox mainSelector;
    std::unique_ptr<frmBtm> dlg;
    int outputRequests = 0;
    QStringList savePrompts;
    QString saveAnswer;

    explicit EdgeFixture(const QByteArray& file = {}) {
        path = dir.filePath(QStringLiteral("printer_edge_config"));
        if (!file.isNull()) {
            QFile f(path);
            if (f.open(QIODevice::WriteOnly))
                f.write(file);
        }
        store = std::make_unique<ProfileStore>(path);
        // A 4 inch wide, 6 inch high tile.
        poster.dTileWidth = 4;
        poster.dTileHeight = 6;
        dlg = std::make_unique<frmBtm>(*store, poster, messages);
        QObject::connect(dlg.get(), &frmBtm::profilesChanged, [this] { RefillMain(); });
        QObject::connect(dlg.get(), &frmBtm::outputSizeUpdateRequested,
                         [this] { ++outputRequests; });
        dlg->SetSavePathQuestion([this](const QString& name, const QString&) {
            savePrompts.append(name);
            return saveAnswer;
        });
        RefillMain();
    }

    void RefillMain() {
        const QString text = mainSelector.currentText();
        const int index = mainSelector.currentIndex();
        const QStringList names = store->Table().Names();
        mainSelector.clear();
        mainSelector.addItems(names);
        mainSelector.setCurrentIndex(ProfileStore::SelectionAfterRefill(names, text, index));
    }

    void OpenByEdit(int current) {
        mainSelector.setCurrentIndex(current);
        dlg->PrepareEditButtonOpening(mainSelector.currentIndex());
        dlg->show();
        QVERIFY(QTest::qWaitForWindowExposed(dlg.get()));
    }
    void ClickProfile(int row) {
        QListWidget* list = Find<QListWidget>(*dlg, "lstConfigurations");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }
    QStringList Descriptions() const {
        return {Find<QLabel>(*dlg, "lblTopEdgeDesc")->text(),
                Find<QLabel>(*dlg, "lblRightEdgeDesc")->text(),
                Find<QLabel>(*dlg, "lblBottomEdgeDesc")->text(),
                Find<QLabel>(*dlg, "lblLeftEdgeDesc")->text()};
    }
};

bool Near(QColor a, QColor b, int tolerance) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

} // namespace

class TestEdgeDialog : public QObject {
    Q_OBJECT
private slots:
    void wiredToItsTexts();
    void opensAtTheMainWindowsProfile();
    void editingWritesTheFileAtOnce();
    void newAndRenamedProfiles();
    void deleteProfile();
    void millimetreWording();
    void closeButtonAndCloseBox();
    void testTargetSaved_data();
    void testTargetSaved();
    void testTargetRefused_data();
    void testTargetRefused();
    void saveDialogOffersThreeFormats();
    void samplePicture();
};

void TestEdgeDialog::wiredToItsTexts() {
    EdgeFixture f(kShippedFile);
    f.OpenByEdit(1);
    QCOMPARE(f.dlg->windowTitle(), QStringLiteral("Edge Calibration"));
    QCOMPARE(Find<QPushButton>(*f.dlg, "cmdOk")->text(), QStringLiteral("Close"));
    QCOMPARE(Find<QPushButton>(*f.dlg, "cmdDel")->toolTip(),
             QStringLiteral("Delete the currently selected Edge Calibration Profile"));
    QCOMPARE(Find<QGroupBox>(*f.dlg, "fraCutoffInInches")->title(),
             QStringLiteral("Amount the printer cuts of from the edges of images"));
    QVERIFY(Find<QComboBox>(*f.dlg, "cmbLeftEdge")
                ->toolTip()
                .contains(QStringLiteral("on the LEFT edge")));
    for (QComboBox* box :
         {Find<QComboBox>(*f.dlg, "cmbTopEdge"), Find<QComboBox>(*f.dlg, "cmbRightEdge"),
          Find<QComboBox>(*f.dlg, "cmbBottomEdge"), Find<QComboBox>(*f.dlg, "cmbLeftEdge")}) {
        QCOMPARE(box->count(), 17);
        QCOMPARE(box->itemText(16), QStringLiteral("See no lines"));
    }
    Shot(f.dlg.get(), QStringLiteral("frm_btm"));
}

void TestEdgeDialog::opensAtTheMainWindowsProfile() {
    EdgeFixture f; // no file yet: the first opening writes the shipped profiles
    QCOMPARE(ReadBytes(f.path), kShippedFile);
    f.OpenByEdit(1);
    QCOMPARE(Find<QListWidget>(*f.dlg, "lstConfigurations")->currentRow(), 1);
    QCOMPARE(Find<QComboBox>(*f.dlg, "cmbRightEdge")->currentText(), Loc("See 3.00 lines"));
    QCOMPARE(f.Descriptions(), QStringList({"Printer cuts off 3/64 inches of image",
                                            "Printer cuts off 1/16 inches of image",
                                            "Printer cuts off 3/64 inches of image",
                                            "Printer cuts off 1/32 inches of image"}));
    QCOMPARE(ReadBytes(f.path), kShippedFile);
    QCOMPARE(f.mainSelector.currentIndex(), 1);
    // The menu opens at the main window's profile; one out of range opens the first.
    f.dlg->PrepareMenuOpening(2);
    QCOMPARE(f.dlg->EdgeSelections(), (Clips{2, 6, 3, 6}));
    f.dlg->PrepareEditButtonOpening(7);
    QCOMPARE(Find<QListWidget>(*f.dlg, "lstConfigurations")->currentRow(), 0);
    QCOMPARE(Find<QLabel>(*f.dlg, "lblTopEdgeDesc")->text(),
             QStringLiteral("None of the image is clipped"));
    QVERIFY(f.messages.Messages().isEmpty());
}

void TestEdgeDialog::editingWritesTheFileAtOnce() {
    EdgeFixture f(kShippedFile);
    f.OpenByEdit(1);
    Find<QComboBox>(*f.dlg, "cmbTopEdge")->setCurrentIndex(16);
    QCOMPARE(ReadBytes(f.path), QByteArray("default\t00,00,00,00,\r\n"
                                           "Kodak photo lab default\t16,04,03,02,\r\n"
                                           "Fuji photo lab default\t02,06,03,06,\r\n"));
    QCOMPARE(Find<QLabel>(*f.dlg, "lblTopEdgeDesc")->text(),
             QStringLiteral("Printer cuts off 1/4 inches of image"));
    // Another profile clicked and edited; the main window keeps its choice.
    f.ClickProfile(2);
    QCOMPARE(f.dlg->EdgeSelections(), (Clips{2, 6, 3, 6}));
    Find<QComboBox>(*f.dlg, "cmbRightEdge")->setCurrentIndex(8);
    QVERIFY(ReadBytes(f.path).endsWith("Fuji photo lab default\t02,08,03,06,\r\n"));
    QCOMPARE(f.mainSelector.currentIndex(), 1);
    QCOMPARE(f.poster.CurrentProfile(), 0); // the dialog never touches the poster's choice
    // A refill by code with events suppressed copies nothing into the profile it selects.
    const QByteArray before = ReadBytes(f.path);
    f.dlg->bIgnoreEvents = true;
    f.dlg->FillProfileList(0);
    Find<QComboBox>(*f.dlg, "cmbTopEdge")->setCurrentIndex(9);
    f.dlg->bIgnoreEvents = false;
    QCOMPARE(ReadBytes(f.path), before);
}

void TestEdgeDialog::newAndRenamedProfiles() {
    EdgeFixture f(kShippedFile);
    f.OpenByEdit(1);
    QStringList seen;
    AnswerInputBox(seen, QStringLiteral("Epson"), false); // Cancel adds nothing
    QTest::mouseClick(Find<QPushButton>(*f.dlg, "cmdNew"), Qt::LeftButton);
    QCOMPARE(seen, (QStringList{"Enter name for new configuration:", "New Configuration", ""}));
    QCOMPARE(ReadBytes(f.path), kShippedFile);
    AnswerInputBox(seen, QStringLiteral("Epson"), true);
    QTest::mouseClick(Find<QPushButton>(*f.dlg, "cmdNew"), Qt::LeftButton);
    QCOMPARE(Find<QListWidget>(*f.dlg, "lstConfigurations")->currentRow(), 3);
    QCOMPARE(f.dlg->EdgeSelections(), (Clips{0, 0, 0, 0}));
    QCOMPARE(ReadBytes(f.path), kShippedFile + "Epson\t00,00,00,00,\r\n");
    // The main window's selector got the new name and kept its profile.
    QCOMPARE(f.mainSelector.count(), 4);
    QCOMPARE(f.mainSelector.currentIndex(), 1);

    // Renaming offers the old name; Cancel keeps it.
    f.ClickProfile(2);
    AnswerInputBox(seen, QStringLiteral("My lab"), false);
    QTest::mouseClick(Find<QPushButton>(*f.dlg, "cmdRename"), Qt::LeftButton);
    QCOMPARE(seen, (QStringList{"Enter new name for this Edge Calibrtion Profile:",
                                "New Configuration", "Fuji photo lab default"}));
    QCOMPARE(Find<QListWidget>(*f.dlg, "lstConfigurations")->item(2)->text(),
             QStringLiteral("Fuji photo lab default"));
    AnswerInputBox(seen, QStringLiteral("My lab"), true);
    QTest::mouseClick(Find<QPushButton>(*f.dlg, "cmdRename"), Qt::LeftButton);
    QCOMPARE(Find<QListWidget>(*f.dlg, "lstConfigurations")->item(2)->text(),
             QStringLiteral("My lab"));
    // The first profile is selected afterwards, and the selectors show it.
    QCOMPARE(Find<QListWidget>(*f.dlg, "lstConfigurations")->currentRow(), 0);
    QCOMPARE(f.dlg->EdgeSelections(), (Clips{0, 0, 0, 0}));
    QVERIFY(ReadBytes(f.path).contains("My lab\t02,06,03,06,\r\n"));
    QCOMPARE(f.mainSelector.itemText(2), QStringLiteral("My lab"));
}

void TestEdgeDialog::deleteProfile() {
    EdgeFixture f(kShippedFile);
    f.OpenByEdit(2);
    f.messages.QueueAnswer(Answer::No);
    QTest::mouseClick(Find<QPushButton>(*f.dlg, "cmdDel"), Qt::LeftButton);
    QCOMPARE(ReadBytes(f.path), kShippedFile);
    QCOMPARE(f.messages.Messages().at(0).kind, Kind::YesNoCancel);
    QVERIFY(f.messages.Messages().at(0).text.endsWith(u"(Fuji photo lab default)?"));
    f.messages.QueueAnswer(Answer::Yes);
    QTest::mouseClick(Find<QPushButton>(*f.dlg, "cmdDel"), Qt::LeftButton);
    QCOMPARE(Find<QListWidget>(*f.dlg, "lstConfigurations")->currentRow(), 0);
    QCOMPARE(ReadBytes(f.path), QByteArray("default\t00,00,00,00,\r\n"
                                           "Kodak photo lab default\t03,04,03,02,\r\n"));
    QCOMPARE(f.mainSelector.count(), 2);
    // The only profile left is kept.
    EdgeFixture one("only\t01,02,03,04,\r\n");
    one.OpenByEdit(0);
    QTest::mouseClick(Find<QPushButton>(*one.dlg, "cmdDel"), Qt::LeftButton);
    QCOMPARE(one.messages.Messages().size(), 1);
    QCOMPARE(one.messages.Messages().first().title, QStringLiteral("Can not remove profile"));
    QCOMPARE(ReadBytes(one.path), QByteArray("only\t01,02,03,04,\r\n"));
}

void TestEdgeDialog::millimetreWording() {
    EdgeFixture f(kShippedFile);
    f.poster.iCurUnits = kUnitMillimeters;
    f.OpenByEdit(1);
    QVERIFY(Find<QLabel>(*f.dlg, "lblStep1Desc")
                ->text()
                .contains(QStringLiteral("(1.59 mm wide each)")));
    QCOMPARE(f.Descriptions(), QStringList({Loc("Printer cuts off 1.2 mm of image"),
                                            Loc("Printer cuts off 1.6 mm of image"),
                                            Loc("Printer cuts off 1.2 mm of image"),
                                            Loc("Printer cuts off 0.8 mm of image")}));
    // Back in inches the menu opening shows the inch wording again.
    f.poster.iCurUnits = kUnitInches;
    f.dlg->PrepareMenuOpening(1);
    QVERIFY(Find<QLabel>(*f.dlg, "lblStep1Desc")
                ->text()
                .contains(QStringLiteral("(1/16 inch wide each)")));
    QCOMPARE(Find<QLabel>(*f.dlg, "lblLeftEdgeDesc")->text(),
             QStringLiteral("Printer cuts off 1/32 inches of image"));
    // The confirmation of the test target speaks of millimetres.
    f.poster.iCurUnits = kUnitMillimeters;
    f.poster.dTileWidth = 101.6;
    f.poster.dTileHeight = 152.4;
    f.messages.QueueAnswer(Answer::Cancel);
    f.dlg->cmdGenerateTest_Click();
    QVERIFY(f.messages.Messages().first().text.startsWith(
        Loc("A 152.4 mm high x 101.6 mm wide test image will now be created.  ")));
    QVERIFY(f.savePrompts.isEmpty()); // cancelled: nothing asked, nothing made
}

void TestEdgeDialog::closeButtonAndCloseBox() {
    EdgeFixture f(kShippedFile);
    // Edit button, Close button: a recomputation on Close and one when the window returns.
    WhenModal<frmBtm>(
        [](frmBtm* d) { QTest::mouseClick(Find<QPushButton>(*d, "cmdOk"), Qt::LeftButton); });
    QCOMPARE(f.dlg->OpenFromEditButton(1), int(QDialog::Accepted));
    QCOMPARE(f.outputRequests, 2);
    // Edit button, close box: the main window still recomputes once.
    WhenModal<frmBtm>([](frmBtm* d) { d->reject(); });
    f.dlg->OpenFromEditButton(1);
    QCOMPARE(f.outputRequests, 3);
    // Menu, close box: nothing; menu, Close button: one.
    WhenModal<frmBtm>([](frmBtm* d) { d->reject(); });
    f.dlg->OpenFromMenu(2);
    QCOMPARE(f.outputRequests, 3);
    WhenModal<frmBtm>(
        [](frmBtm* d) { QTest::mouseClick(Find<QPushButton>(*d, "cmdOk"), Qt::LeftButton); });
    f.dlg->OpenFromMenu(0);
    QCOMPARE(f.outputRequests, 4);
}

void TestEdgeDialog::testTargetSaved_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("tolerance");
    QTest::newRow("bmp") << "target.bmp" << 0;
    QTest::newRow("jpg") << "target.jpg" << 70;
}

void TestEdgeDialog::testTargetSaved() {
    QFETCH(QString, fileName);
    QFETCH(int, tolerance);
    EdgeFixture f(kShippedFile);
    f.OpenByEdit(1);
    f.saveAnswer = f.dir.filePath(fileName);
    QTest::mouseClick(Find<QPushButton>(*f.dlg, "cmdGenerateTest"), Qt::LeftButton);
    QCOMPARE(f.savePrompts, QStringList{QStringLiteral("Edge_Test_Image")});
    const auto& msgs = f.messages.Messages();
    QCOMPARE(msgs.size(), 2);
    QCOMPARE(msgs.at(0).kind, Kind::OkCancel);
    QVERIFY(msgs.at(0).text.startsWith(
        Loc("A 6.00 inch high x 4.00 inch wide test image will now be created.  ")));
    QCOMPARE(msgs.at(1).title, QStringLiteral("Test Image Creation Completed"));
    QVERIFY(msgs.at(1).text.contains(
        QStringLiteral(" (%1) ").arg(QDir::toNativeSeparators(f.saveAnswer))));

    ImageObject saved;
    QVERIFY(saved.LoadImageFile(f.saveAnswer).ok());
    QCOMPARE(saved.ImageWidth(), 512);
    QCOMPARE(saved.ImageHeight(), 768);
    QCOMPARE(saved.ImageInfo(ImageAttribute::HorizontalResolution), 128);
    QCOMPARE(saved.ImageInfo(ImageAttribute::VerticalResolution), 128);
    // The middle of each stripe and the white inside (the stripe layout is tested with the
    // target itself); JPEG stays close to the colours there.
    const QImage img = saved.GetPicture();
    const QList<std::pair<QPoint, QColor>> spots{
        {{3, 300}, QColor(180, 120, 0)}, {{11, 300}, QColor(0, 0, 255)},
        {{19, 300}, QColor(0, 255, 0)},  {{27, 300}, QColor(255, 0, 0)},
        {{256, 740}, QColor(255, 0, 0)}, {{100, 200}, QColor(255, 255, 255)}};
    for (const auto& [at, colour] : spots)
        QVERIFY2(Near(img.pixelColor(at), colour, tolerance),
                 qPrintable(img.pixelColor(at).name()));
    QCOMPARE(ReadBytes(f.path), kShippedFile); // the profiles are not touched
}

void TestEdgeDialog::testTargetRefused_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<double>("tileWidth");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text"); // how the last message starts
    const auto row = [](const char* tag, const char* answer, double width, const char* title,
                        const char* text) {
        QTest::newRow(tag) << QString::fromLatin1(answer) << width << QString::fromLatin1(title)
                           << QString::fromLatin1(text);
    };
    row("jpeg", "target.jpeg", 4, "Invalid file type",
        "Invalid image filename.  Must save image as bmp, tif or jpg file");
    row("cancelled", "", 4, "canceled", "Test Target Creation canceled");
    row("missing folder", "missing/target.bmp", 4, "Error",
        "Error occurred while saving image to disk - ");
    row("print size", "target.jpg", 0.5, "Invalide print dimensions",
        "The custom print size that you currently have entered in not valid.  The height and "
        "width must both be between 0.75 and 50.00 inches long.  Please enter valid values in "
        "the \"Print Size Per Tile\" section of the main dialog.");
}

void TestEdgeDialog::testTargetRefused() {
    QFETCH(QString, answer);
    QFETCH(double, tileWidth);
    QFETCH(QString, title);
    QFETCH(QString, text);
    EdgeFixture f(kShippedFile);
    f.poster.dTileWidth = tileWidth;
    f.saveAnswer = answer.isEmpty() ? QString() : f.dir.filePath(answer);
    f.dlg->cmdGenerateTest_Click();
    const auto& last = f.messages.Messages().last();
    QCOMPARE(last.kind, Kind::Critical);
    QCOMPARE(last.title, title);
    QVERIFY2(last.text.startsWith(Loc(text)), qPrintable(last.text));
    QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files),
             QStringList{QStringLiteral("printer_edge_config")});
}

void TestEdgeDialog::saveDialogOffersThreeFormats() {
    EdgeFixture f(kShippedFile);
    f.dlg->SetSavePathQuestion({}); // the real file dialog
    f.dlg->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.dlg.get()));
    QStringList shown;
    bool seen = false;
    WhenModal<QFileDialog>(
        [&](QFileDialog* d) {
            shown = d->nameFilters() << d->selectedNameFilter() << d->windowTitle();
            d->reject();
        },
        &seen);
    f.dlg->cmdGenerateTest_Click();
    QVERIFY(seen);
    QCOMPARE(shown, QStringList({"Bitmap (*.bmp)", "Tiff (*.tif)", "Jpeg (*.jpg)", "Jpeg (*.jpg)",
                                 "Save Test Target"}));
    QCOMPARE(f.messages.Messages().last().text, QStringLiteral("Test Target Creation canceled"));
}

void TestEdgeDialog::samplePicture() {
    const QImage img = frmBtm::TestPrintSample(QSize(150, 100)).toImage();
    QCOMPARE(img.size(), QSize(150, 100));
    // Four frames from the outside in, then white.
    QCOMPARE(img.pixelColor(0, 50), QColor(180, 120, 0));
    QCOMPARE(img.pixelColor(6, 50), QColor(0, 0, 255));
    QCOMPARE(img.pixelColor(75, 11), QColor(0, 255, 0));
    QCOMPARE(img.pixelColor(149 - 16, 50), QColor(255, 0, 0));
    QCOMPARE(img.pixelColor(22, 22), QColor(255, 255, 255));
    bool dark = false;
    for (int x = 25; x < 125 && !dark; ++x)
        for (int y = 30; y < 70 && !dark; ++y)
            dark = img.pixelColor(x, y).lightness() < 100;
    QVERIFY(dark);
}

QTEST_MAIN(TestEdgeDialog)
#include "tst_edge_dialog.moc"
