#include "app/frm_btm.h"
#include "app/frm_input_box.h"
#include "calibration/profile_store.h"
#include "common/number_format.h"
#include "common/recording_message_service.h"
#include "common/string_table.h"
#include "export/image_object.h"
#include "layout/poster_state.h"

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
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace tessellon;
using Kind = RecordingMessageService::Kind;
using Answer = MessageService::Answer;

namespace {

QString Loc(QString s) {
    return s.replace(u'.', SystemDecimalPoint());
}

const QByteArray kShippedFile = "default\t00,00,00,00,\r\n"
                                "Kodak photo lab default\t03,04,03,02,\r\n"
                                "Fuji photo lab default\t02,06,03,06,\r\n";

QByteArray ReadBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QStringList ListItems(const QListWidget* list) {
    QStringList items;
    for (int row = 0; row < list->count(); ++row)
        items.append(list->item(row)->text());
    return items;
}

QStringList SelectorTexts(const frmBtm& dlg) {
    return {dlg.cmbTopEdge->currentText(), dlg.cmbRightEdge->currentText(),
            dlg.cmbBottomEdge->currentText(), dlg.cmbLeftEdge->currentText()};
}

QStringList DescTexts(const frmBtm& dlg) {
    return {dlg.lblTopEdgeDesc->text(), dlg.lblRightEdgeDesc->text(), dlg.lblBottomEdgeDesc->text(),
            dlg.lblLeftEdgeDesc->text()};
}

// Runs `act` on the next modal window of type W once it is up (the caller then opens it).
// Gives up after a few seconds and closes whatever modal window is open, so a missing
// window fails the test instead of hanging it.
template <typename W> void WhenModal(std::function<void(W*)> act, bool* seen = nullptr) {
    auto tries = std::make_shared<int>(0);
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [act, seen, tries, poll] {
        if (auto* w = qobject_cast<W*>(QApplication::activeModalWidget())) {
            if (seen)
                *seen = true;
            act(w);
            return;
        }
        if (++*tries > 300) {
            if (auto* other = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                other->reject();
            return;
        }
        QTimer::singleShot(10, *poll);
    };
    QTimer::singleShot(0, *poll);
}

struct InputSeen {
    bool shown = false;
    QString title;
    QString msg;
    QString defaultText;
};

// Answers the next input window: types `text` and presses OK, or presses Cancel.
void AnswerInputBox(InputSeen& seen, const QString& text, bool ok) {
    WhenModal<frmInputBox>([&seen, text, ok](frmInputBox* box) {
        seen.shown = true;
        seen.title = box->windowTitle();
        seen.msg = box->lblMsg->text();
        seen.defaultText = box->txtInval->text();
        box->txtInval->selectAll();
        if (text.isEmpty())
            QTest::keyClick(box->txtInval, Qt::Key_Delete);
        else
            QTest::keyClicks(box->txtInval, text);
        QTest::mouseClick(ok ? box->OKButton : box->CancelButton, Qt::LeftButton);
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
    int profilesChanged = 0;
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
        profilesChanged = 0;
    }

    void RefillMain() {
        ++profilesChanged;
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
};

QColor PixelAt(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

bool Near(QColor a, QColor b, int tolerance) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

} // namespace

class TestEdgeDialog : public QObject {
    Q_OBJECT
private slots:
    void textsAndTooltips_data();
    void textsAndTooltips();
    void firstOpeningWritesShippedProfiles();
    void opensWithMainWindowsProfile();
    void outOfRangeProfileOpensFirst();
    void selectorChangeWritesFileAtOnce();
    void editingAnotherProfileKeepsMainCurrent();
    void refillByCodeStoresNothing();
    void newProfile_data();
    void newProfile();
    void newProfileWithTabRefused();
    void renameProfile_data();
    void renameProfile();
    void deleteProfile();
    void deleteOnlyProfileRefused();
    void millimetreWording();
    void closeButtonAndCloseBox();
    void testTargetSaved_data();
    void testTargetSaved();
    void testTargetRefused_data();
    void testTargetRefused();
    void cancelledConfirmationCreatesNothing();
    void invalidPrintSize();
    void saveFailureReported();
    void saveDialogOffersThreeFormats();
    void samplePicture();
    void screenshot();
};

void TestEdgeDialog::textsAndTooltips_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tip");
    const QString tipBase =
        QStringLiteral("For the selected Edge Calibration Profile, indicates how "
                       "many of the four test lines are visible on the %1 edge "
                       "of your test print");
    QTest::newRow("title") << "lblTitle"
                           << "Edge Calibration Profiles"
                           << "";
    QTest::newRow("new") << "cmdNew"
                         << "New"
                         << "Create a new Edge Calibration Profile";
    QTest::newRow("rename") << "cmdRename"
                            << "Rename"
                            << "Rename the currently selected Edge Calibration Profile";
    QTest::newRow("del") << "cmdDel"
                         << "Del"
                         << "Delete the currently selected Edge Calibration Profile";
    QTest::newRow("ok") << "cmdOk"
                        << "Close"
                        << "Close the Edge Calibration dialog box";
    QTest::newRow("step1") << "lblStep1"
                           << "Step (1) Create and print test image"
                           << "";
    QTest::newRow("step1 desc")
        << "lblStep1Desc"
        << "Click on button to create an Edge Calibration test image for the currently selected "
           "print size.  The test image will have 4 lines (1/16 inch wide each) around its "
           "border.  Print the test image.   "
        << "";
    QTest::newRow("generate") << "cmdGenerateTest"
                              << "Create Edge Calibration Test Image"
                              << "Create Edge Calibration Test Image";
    QTest::newRow("pic top") << "lblPicTopEdge"
                             << "top edge:"
                             << "";
    QTest::newRow("pic right") << "lblPicRightEdge"
                               << "right edge:"
                               << "";
    QTest::newRow("pic bottom") << "lblPicBottomEdge"
                                << "bottom edge:"
                                << "";
    QTest::newRow("pic left") << "lblPicLeftEdge"
                              << "left edge:"
                              << "";
    QTest::newRow("pic top left") << "lblPicTopLeft"
                                  << "Top Left"
                                  << "";
    QTest::newRow("pic caption") << "lblPicTestPrint"
                                 << "Test Print"
                                 << "";
    QTest::newRow("step2") << "lblStep2"
                           << "Step (2) Enter Edge Calibration Profile Information "
                           << "";
    QTest::newRow("step2 desc")
        << "lblStep2Desc"
        << "Select how many of the 4 border lines are visible at each edge of your test print.  "
           "This 'Edge Calibration Profile' information is used by the software to compensate "
           "for any clipping that your printer does. "
        << "";
    QTest::newRow("top") << "lblTopEdge"
                         << "Top Edge"
                         << "";
    QTest::newRow("right") << "lblRightEdge"
                           << "Right Edge"
                           << "";
    QTest::newRow("bottom") << "lblBottomEdge"
                            << "Bottom Edge:"
                            << "";
    QTest::newRow("left") << "lblLeftEdge"
                          << "Left Edge:"
                          << "";
    QTest::newRow("cmb top") << "cmbTopEdge"
                             << "" << tipBase.arg(QStringLiteral("TOP"));
    QTest::newRow("cmb right") << "cmbRightEdge"
                               << "" << tipBase.arg(QStringLiteral("RIGHT"));
    QTest::newRow("cmb bottom") << "cmbBottomEdge"
                                << "" << tipBase.arg(QStringLiteral("BOTTOM"));
    QTest::newRow("cmb left") << "cmbLeftEdge"
                              << "" << tipBase.arg(QStringLiteral("LEFT"));
    QTest::newRow("frame") << "fraCutoffInInches"
                           << "Amount the printer cuts of from the edges of images"
                           << "Edge Calibration information for the currently selected Edge "
                              "Calibration Profile";
    QTest::newRow("frame heading") << "lblCutoffHeading"
                                   << "Amount the printer cuts off from each edge"
                                   << "";
    QTest::newRow("list") << "lstConfigurations"
                          << ""
                          << "Edge Calibration Profiles";
}

void TestEdgeDialog::textsAndTooltips() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, tip);
    EdgeFixture f;
    QCOMPARE(f.dlg->windowTitle(), QStringLiteral("Edge Calibration"));
    QWidget* w = f.dlg->findChild<QWidget*>(name);
    QVERIFY2(w, qPrintable(name));
    if (auto* label = qobject_cast<QLabel*>(w))
        QCOMPARE(label->text(), text);
    else if (auto* button = qobject_cast<QPushButton*>(w))
        QCOMPARE(button->text(), text);
    else if (auto* box = qobject_cast<QGroupBox*>(w))
        QCOMPARE(box->title(), text);
    else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        QCOMPARE(combo->count(), 17);
        QCOMPARE(combo->itemText(0), QStringLiteral("See all 4 lines"));
        QCOMPARE(combo->itemText(16), QStringLiteral("See no lines"));
    }
    QCOMPARE(w->toolTip(), tip);
}

void TestEdgeDialog::firstOpeningWritesShippedProfiles() {
    EdgeFixture f;
    QCOMPARE(ReadBytes(f.path), kShippedFile);
    QCOMPARE(ListItems(f.dlg->lstConfigurations),
             QStringList({"default", "Kodak photo lab default", "Fuji photo lab default"}));
    QCOMPARE(f.mainSelector.currentText(), QStringLiteral("default"));
    QVERIFY(f.messages.Messages().isEmpty());
}

void TestEdgeDialog::opensWithMainWindowsProfile() {
    EdgeFixture f(kShippedFile);
    f.OpenByEdit(1);
    QCOMPARE(f.dlg->lstConfigurations->currentRow(), 1);
    QCOMPARE(SelectorTexts(*f.dlg), QStringList({Loc("See 3.25 lines"), Loc("See 3.00 lines"),
                                                 Loc("See 3.25 lines"), Loc("See 3.50 lines")}));
    QCOMPARE(DescTexts(*f.dlg), QStringList({"Printer cuts off 3/64 inches of image",
                                             "Printer cuts off 1/16 inches of image",
                                             "Printer cuts off 3/64 inches of image",
                                             "Printer cuts off 1/32 inches of image"}));
    // Opening rewrote the file unchanged and left the main window's choice alone.
    QCOMPARE(ReadBytes(f.path), kShippedFile);
    QCOMPARE(f.mainSelector.currentIndex(), 1);

    // The menu opens at the main window's profile without reading the file again.
    f.dlg->hide();
    f.dlg->PrepareMenuOpening(2);
    QCOMPARE(f.dlg->lstConfigurations->currentRow(), 2);
    QCOMPARE(f.dlg->EdgeSelections(), (std::array<int, 4>{2, 6, 3, 6}));
    QCOMPARE(f.dlg->lblLeftEdgeDesc->text(),
             QStringLiteral("Printer cuts off 3/32 inches of image"));
}

void TestEdgeDialog::outOfRangeProfileOpensFirst() {
    EdgeFixture f(kShippedFile);
    f.dlg->PrepareEditButtonOpening(7);
    QCOMPARE(f.dlg->lstConfigurations->currentRow(), 0);
    QCOMPARE(f.dlg->lblTopEdgeDesc->text(), QStringLiteral("None of the image is clipped"));
    f.dlg->PrepareMenuOpening(-1);
    QCOMPARE(f.dlg->lstConfigurations->currentRow(), 0);
}

void TestEdgeDialog::selectorChangeWritesFileAtOnce() {
    EdgeFixture f(kShippedFile);
    f.OpenByEdit(1);
    f.dlg->cmbTopEdge->setCurrentIndex(16);
    QCOMPARE(ReadBytes(f.path), QByteArray("default\t00,00,00,00,\r\n"
                                           "Kodak photo lab default\t16,04,03,02,\r\n"
                                           "Fuji photo lab default\t02,06,03,06,\r\n"));
    QCOMPARE(f.dlg->lblTopEdgeDesc->text(), QStringLiteral("Printer cuts off 1/4 inches of image"));
    f.dlg->cmbLeftEdge->setCurrentIndex(0);
    QCOMPARE(f.store->Table().At(1).clip, (std::array<int, 4>{16, 4, 3, 0}));
    QVERIFY(ReadBytes(f.path).contains("Kodak photo lab default\t16,04,03,00,\r\n"));
    QCOMPARE(f.dlg->lblLeftEdgeDesc->text(), QStringLiteral("None of the image is clipped"));
}

void TestEdgeDialog::editingAnotherProfileKeepsMainCurrent() {
    EdgeFixture f(kShippedFile);
    f.OpenByEdit(1);
    // The user clicks the Fuji profile and edits it.
    QListWidget* list = f.dlg->lstConfigurations;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(2)).center());
    QCOMPARE(list->currentRow(), 2);
    QCOMPARE(f.dlg->EdgeSelections(), (std::array<int, 4>{2, 6, 3, 6}));
    f.dlg->cmbRightEdge->setCurrentIndex(8);
    QCOMPARE(f.store->Table().At(2).clip, (std::array<int, 4>{2, 8, 3, 6}));
    QCOMPARE(f.store->Table().At(1).clip, (std::array<int, 4>{3, 4, 3, 2}));
    QCOMPARE(f.mainSelector.currentIndex(), 1);
    QCOMPARE(f.poster.CurrentProfile(), 0); // the dialog never touches the poster's choice
}

void TestEdgeDialog::refillByCodeStoresNothing() {
    EdgeFixture f(kShippedFile);
    f.OpenByEdit(2);
    // Refilling selects the first profile with events suppressed: the selectors keep showing
    // the Fuji values, and nothing is copied into "default".
    f.dlg->bIgnoreEvents = true;
    f.dlg->FillProfileList(0);
    f.dlg->cmbTopEdge->setCurrentIndex(9);
    f.dlg->bIgnoreEvents = false;
    QCOMPARE(f.store->Table().At(0).clip, (std::array<int, 4>{0, 0, 0, 0}));
    QCOMPARE(ReadBytes(f.path), kShippedFile);
}

void TestEdgeDialog::newProfile_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("created");
    QTest::newRow("ok") << "Epson R800 glossy" << true << true;
    QTest::newRow("cancel") << "Epson R800 glossy" << false << false;
    QTest::newRow("ok empty") << "" << true << false;
}

void TestEdgeDialog::newProfile() {
    QFETCH(QString, typed);
    QFETCH(bool, ok);
    QFETCH(bool, created);
    EdgeFixture f(kShippedFile);
    f.OpenByEdit(1);
    const int changesBefore = f.profilesChanged;
    InputSeen seen;
    AnswerInputBox(seen, typed, ok);
    QTest::mouseClick(f.dlg->cmdNew, Qt::LeftButton);
    QVERIFY(seen.shown);
    QCOMPARE(seen.title, QStringLiteral("Enter name for new configuration:"));
    QCOMPARE(seen.msg, QStringLiteral("New Configuration"));
    QCOMPARE(seen.defaultText, QString());
    QCOMPARE(f.dlg->inputBoxResult, ok ? QStringLiteral("1") : QStringLiteral("0"));
    if (!created) {
        QCOMPARE(ListItems(f.dlg->lstConfigurations).size(), 3);
        QCOMPARE(f.dlg->lstConfigurations->currentRow(), 1);
        QCOMPARE(ReadBytes(f.path), kShippedFile);
        QCOMPARE(f.profilesChanged, changesBefore);
        return;
    }
    QCOMPARE(ListItems(f.dlg->lstConfigurations).size(), 4);
    QCOMPARE(f.dlg->lstConfigurations->currentRow(), 3);
    QCOMPARE(f.dlg->lstConfigurations->currentItem()->text(), typed);
    QCOMPARE(f.dlg->EdgeSelections(), (std::array<int, 4>{0, 0, 0, 0}));
    QCOMPARE(ReadBytes(f.path), kShippedFile + typed.toLatin1() + "\t00,00,00,00,\r\n");
    // The main window's selector got the new name and kept its profile.
    QCOMPARE(f.mainSelector.count(), 4);
    QCOMPARE(f.mainSelector.currentIndex(), 1);
    QVERIFY(f.profilesChanged > changesBefore);
}

void TestEdgeDialog::newProfileWithTabRefused() {
    EdgeFixture f(kShippedFile);
    f.OpenByEdit(0);
    f.dlg->SetInputQuestion([](const QString&, const QString&, const QString&) {
        return std::optional<QString>(QStringLiteral("a\tb"));
    });
    QTest::mouseClick(f.dlg->cmdNew, Qt::LeftButton);
    QCOMPARE(f.dlg->lstConfigurations->count(), 3);
    QCOMPARE(ReadBytes(f.path), kShippedFile);
    QCOMPARE(f.messages.Messages().size(), 1);
    QCOMPARE(f.messages.Messages().first().kind, Kind::Critical);
}

void TestEdgeDialog::renameProfile_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("renamed");
    QTest::newRow("ok") << "My lab" << true << true;
    QTest::newRow("cancel") << "My lab" << false << false;
    QTest::newRow("unchanged") << "Fuji photo lab default" << true << false;
    QTest::newRow("other case") << "fuji photo lab default" << true << true;
    QTest::newRow("empty") << "" << true << false;
}

void TestEdgeDialog::renameProfile() {
    QFETCH(QString, typed);
    QFETCH(bool, ok);
    QFETCH(bool, renamed);
    EdgeFixture f(kShippedFile);
    f.OpenByEdit(2);
    InputSeen seen;
    AnswerInputBox(seen, typed, ok);
    QTest::mouseClick(f.dlg->cmdRename, Qt::LeftButton);
    QVERIFY(seen.shown);
    QCOMPARE(seen.title, QStringLiteral("Enter new name for this Edge Calibrtion Profile:"));
    QCOMPARE(seen.msg, QStringLiteral("New Configuration"));
    QCOMPARE(seen.defaultText, QStringLiteral("Fuji photo lab default"));
    if (!renamed) {
        QCOMPARE(f.store->Table().At(2).name, QStringLiteral("Fuji photo lab default"));
        QCOMPARE(f.dlg->lstConfigurations->currentRow(), 2);
        QCOMPARE(ReadBytes(f.path), kShippedFile);
        return;
    }
    QCOMPARE(f.store->Table().At(2).name, typed);
    QCOMPARE(f.dlg->lstConfigurations->item(2)->text(), typed);
    // The first profile is selected afterwards, and the selectors show it.
    QCOMPARE(f.dlg->lstConfigurations->currentRow(), 0);
    QCOMPARE(f.dlg->EdgeSelections(), (std::array<int, 4>{0, 0, 0, 0}));
    QVERIFY(ReadBytes(f.path).endsWith(typed.toLatin1() + "\t02,06,03,06,\r\n"));
    QCOMPARE(f.mainSelector.itemText(2), typed);
}

void TestEdgeDialog::deleteProfile() {
    EdgeFixture f(kShippedFile);
    f.OpenByEdit(2);
    f.messages.QueueAnswer(Answer::No);
    QTest::mouseClick(f.dlg->cmdDel, Qt::LeftButton);
    QCOMPARE(f.dlg->lstConfigurations->count(), 3);
    QCOMPARE(ReadBytes(f.path), kShippedFile);
    QCOMPARE(f.messages.Messages().size(), 1);
    QCOMPARE(f.messages.Messages().at(0).kind, Kind::YesNoCancel);
    QCOMPARE(f.messages.Messages().at(0).title, QStringLiteral("Delete Edge Calibration Profile"));
    QCOMPARE(f.messages.Messages().at(0).text,
             QStringLiteral("Are you sure that you want to delete the currently selected Edge "
                            "Calibration Profile (Fuji photo lab default)?"));

    f.messages.QueueAnswer(Answer::Cancel);
    QTest::mouseClick(f.dlg->cmdDel, Qt::LeftButton);
    QCOMPARE(f.dlg->lstConfigurations->count(), 3);

    f.messages.QueueAnswer(Answer::Yes);
    QTest::mouseClick(f.dlg->cmdDel, Qt::LeftButton);
    QCOMPARE(ListItems(f.dlg->lstConfigurations),
             QStringList({"default", "Kodak photo lab default"}));
    QCOMPARE(f.dlg->lstConfigurations->currentRow(), 0);
    QCOMPARE(ReadBytes(f.path), QByteArray("default\t00,00,00,00,\r\n"
                                           "Kodak photo lab default\t03,04,03,02,\r\n"));
    QCOMPARE(f.mainSelector.count(), 2);
}

void TestEdgeDialog::deleteOnlyProfileRefused() {
    EdgeFixture f("only\t01,02,03,04,\r\n");
    f.OpenByEdit(0);
    QTest::mouseClick(f.dlg->cmdDel, Qt::LeftButton);
    QCOMPARE(f.dlg->lstConfigurations->count(), 1);
    QCOMPARE(f.messages.Messages().size(), 1);
    const auto& m = f.messages.Messages().first();
    QCOMPARE(m.kind, Kind::Critical);
    QCOMPARE(m.title, QStringLiteral("Can not remove profile"));
    QCOMPARE(m.text, QStringLiteral("You must have at least one Edge Calibration Profile.  You can "
                                    "not delete your only one."));
    QCOMPARE(ReadBytes(f.path), QByteArray("only\t01,02,03,04,\r\n"));
}

void TestEdgeDialog::millimetreWording() {
    EdgeFixture f(kShippedFile);
    f.poster.iCurUnits = kUnitMillimeters;
    f.OpenByEdit(1);
    const QString mmText = f.dlg->lblStep1Desc->text();
    QVERIFY2(mmText.contains(QStringLiteral("(1.59 mm wide each)")), qPrintable(mmText));
    QVERIFY(!mmText.contains(QStringLiteral("1/16")));
    QCOMPARE(DescTexts(*f.dlg), QStringList({Loc("Printer cuts off 1.2 mm of image"),
                                             Loc("Printer cuts off 1.6 mm of image"),
                                             Loc("Printer cuts off 1.2 mm of image"),
                                             Loc("Printer cuts off 0.8 mm of image")}));
    f.dlg->cmbBottomEdge->setCurrentIndex(16);
    QCOMPARE(f.dlg->lblBottomEdgeDesc->text(), Loc("Printer cuts off 6.4 mm of image"));

    // Back in inches the menu opening shows the inch wording again.
    f.poster.iCurUnits = kUnitInches;
    f.dlg->PrepareMenuOpening(1);
    QCOMPARE(f.dlg->lblStep1Desc->text(), StringTable::Text(str::Step1EdgeDesc));
    QCOMPARE(f.dlg->lblBottomEdgeDesc->text(),
             QStringLiteral("Printer cuts off 1/4 inches of image"));

    // The confirmation of the test target speaks of 1.6 mm stripes.
    f.poster.iCurUnits = kUnitMillimeters;
    f.poster.dTileWidth = 101.6;
    f.poster.dTileHeight = 152.4;
    f.messages.QueueAnswer(Answer::Cancel);
    f.dlg->cmdGenerateTest_Click();
    QCOMPARE(f.messages.Messages().size(), 1);
    const QString confirm = f.messages.Messages().first().text;
    QVERIFY2(confirm.startsWith(Loc("A 152.4 mm high x 101.6 mm wide test image will now be "
                                    "created.  ")),
             qPrintable(confirm));
    QVERIFY(confirm.contains(QStringLiteral("Each stripe is 1.6 mm wide.")));
}

void TestEdgeDialog::closeButtonAndCloseBox() {
    EdgeFixture f(kShippedFile);
    // Edit button, Close button: a recomputation on Close and one when the window returns.
    WhenModal<frmBtm>([](frmBtm* d) { QTest::mouseClick(d->cmdOk, Qt::LeftButton); });
    QCOMPARE(f.dlg->OpenFromEditButton(1), int(QDialog::Accepted));
    QCOMPARE(f.outputRequests, 2);
    QCOMPARE(f.dlg->lstConfigurations->currentRow(), 1);

    // Edit button, close box: the main window still recomputes once.
    f.outputRequests = 0;
    WhenModal<frmBtm>([](frmBtm* d) { d->reject(); });
    f.dlg->OpenFromEditButton(1);
    QCOMPARE(f.outputRequests, 1);

    // Menu, close box: nothing.
    f.outputRequests = 0;
    WhenModal<frmBtm>([](frmBtm* d) { d->reject(); });
    f.dlg->OpenFromMenu(2);
    QCOMPARE(f.outputRequests, 0);

    // Menu, Close button: one.
    WhenModal<frmBtm>([](frmBtm* d) {
        QCOMPARE(d->lstConfigurations->currentRow(), 0);
        QTest::mouseClick(d->cmdOk, Qt::LeftButton);
    });
    f.dlg->OpenFromMenu(0);
    QCOMPARE(f.outputRequests, 1);
}

void TestEdgeDialog::testTargetSaved_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("tolerance");
    QTest::newRow("bmp") << "target.bmp" << 0;
    QTest::newRow("BMP upper case") << "target.BMP" << 0;
    QTest::newRow("tif") << "target.tif" << 0;
    QTest::newRow("jpg") << "target.jpg" << 70;
}

void TestEdgeDialog::testTargetSaved() {
    QFETCH(QString, fileName);
    QFETCH(int, tolerance);
    EdgeFixture f(kShippedFile);
    f.OpenByEdit(1);
    f.saveAnswer = f.dir.filePath(fileName);
    QTest::mouseClick(f.dlg->cmdGenerateTest, Qt::LeftButton);

    QCOMPARE(f.savePrompts, QStringList{QStringLiteral("Edge_Test_Image")});
    const auto& msgs = f.messages.Messages();
    QCOMPARE(msgs.size(), 2);
    QCOMPARE(msgs.at(0).kind, Kind::OkCancel);
    QCOMPARE(msgs.at(0).title, QStringLiteral("Create Test Target"));
    QVERIFY(msgs.at(0).text.startsWith(
        Loc("A 6.00 inch high x 4.00 inch wide test image will now be created.  ")));
    QCOMPARE(msgs.at(1).kind, Kind::Information);
    QCOMPARE(msgs.at(1).title, QStringLiteral("Test Image Creation Completed"));
    QVERIFY(msgs.at(1).text.contains(QStringLiteral(" (") + QDir::toNativeSeparators(f.saveAnswer) +
                                     QStringLiteral(") ")));

    ImageObject saved;
    QVERIFY(saved.LoadImageFile(f.saveAnswer).ok());
    QCOMPARE(saved.ImageWidth(), 512);
    QCOMPARE(saved.ImageHeight(), 768);
    QCOMPARE(saved.ImageInfo(ImageAttribute::HorizontalResolution), 128);
    QCOMPARE(saved.ImageInfo(ImageAttribute::VerticalResolution), 128);
    const QImage img = saved.GetPicture();
    struct Spot {
        int x, y;
        QColor c;
    };
    const QColor brown(180, 120, 0), blue(0, 0, 255), green(0, 255, 0), red(255, 0, 0),
        white(255, 255, 255);
    // Frame boundaries and corners, exact in the lossless formats.
    const Spot exact[] = {{0, 0, brown},     {8, 8, blue},    {16, 100, green},
                          {24, 24, red},     {32, 32, white}, {7, 100, brown},
                          {511, 767, brown}, {487, 400, red}, {256, 750, green},
                          {504, 300, brown}, {31, 31, red},   {479, 735, white}};
    // The middle of each stripe, where JPEG stays close to the colour.
    const Spot middle[] = {{3, 300, brown},   {11, 300, blue}, {19, 300, green}, {27, 300, red},
                           {256, 764, brown}, {256, 740, red}, {100, 200, white}};
    const auto check = [&](const Spot& s, int tol) {
        return Near(PixelAt(img, s.x, s.y), s.c, tol);
    };
    for (const Spot& s : middle)
        QVERIFY2(check(s, tolerance), qPrintable(QStringLiteral("(%1, %2) is %3")
                                                     .arg(s.x)
                                                     .arg(s.y)
                                                     .arg(PixelAt(img, s.x, s.y).name())));
    if (tolerance == 0)
        for (const Spot& s : exact)
            QVERIFY2(check(s, 0), qPrintable(QStringLiteral("(%1, %2) is %3")
                                                 .arg(s.x)
                                                 .arg(s.y)
                                                 .arg(PixelAt(img, s.x, s.y).name())));
    // The caption darkens the middle.
    bool dark = false;
    for (int x = 100; x < 412 && !dark; ++x)
        dark = PixelAt(img, x, 384).lightness() < 100;
    QVERIFY(dark);
    // The profiles are not touched.
    QCOMPARE(ReadBytes(f.path), kShippedFile);
}

void TestEdgeDialog::testTargetRefused_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::newRow("jpeg") << "target.jpeg"
                          << "Invalid file type"
                          << "Invalid image filename.  Must save image as bmp, tif or jpg file";
    QTest::newRow("no extension") << "target"
                                  << "Invalid file type"
                                  << "Invalid image filename.  Must save image as bmp, tif or "
                                     "jpg file";
    QTest::newRow("cancelled") << ""
                               << "canceled"
                               << "Test Target Creation canceled";
}

void TestEdgeDialog::testTargetRefused() {
    QFETCH(QString, answer);
    QFETCH(QString, title);
    QFETCH(QString, text);
    EdgeFixture f(kShippedFile);
    f.saveAnswer = answer.isEmpty() ? QString() : f.dir.filePath(answer);
    f.dlg->cmdGenerateTest_Click();
    const auto& msgs = f.messages.Messages();
    QCOMPARE(msgs.size(), 2);
    QCOMPARE(msgs.at(1).kind, Kind::Critical);
    QCOMPARE(msgs.at(1).title, title);
    QCOMPARE(msgs.at(1).text, text);
    QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files),
             QStringList{QStringLiteral("printer_edge_config")});
}

void TestEdgeDialog::cancelledConfirmationCreatesNothing() {
    EdgeFixture f(kShippedFile);
    f.saveAnswer = f.dir.filePath(QStringLiteral("target.jpg"));
    f.messages.QueueAnswer(Answer::Cancel);
    f.dlg->cmdGenerateTest_Click();
    QCOMPARE(f.messages.Messages().size(), 1);
    QCOMPARE(f.messages.Messages().first().kind, Kind::OkCancel);
    QVERIFY(f.savePrompts.isEmpty());
    QVERIFY(!QFile::exists(f.saveAnswer));
}

void TestEdgeDialog::invalidPrintSize() {
    EdgeFixture f(kShippedFile);
    f.poster.dTileWidth = 0.5;
    f.saveAnswer = f.dir.filePath(QStringLiteral("target.jpg"));
    f.dlg->cmdGenerateTest_Click();
    QCOMPARE(f.messages.Messages().size(), 1);
    const auto& m = f.messages.Messages().first();
    QCOMPARE(m.kind, Kind::Critical);
    QCOMPARE(m.title, QStringLiteral("Invalide print dimensions"));
    QCOMPARE(m.text,
             Loc("The custom print size that you currently have entered in not valid.  The height "
                 "and width must both be between 0.75 and 50.00 inches long.  Please enter valid "
                 "values in the \"") +
                 StringTable::Text(str::PrintSizePerTile).trimmed() +
                 QStringLiteral("\" section of the main dialog."));
    QVERIFY(f.savePrompts.isEmpty());
}

void TestEdgeDialog::saveFailureReported() {
    EdgeFixture f(kShippedFile);
    // A folder that does not exist.
    f.saveAnswer = f.dir.filePath(QStringLiteral("missing/target.bmp"));
    f.dlg->cmdGenerateTest_Click();
    const auto& msgs = f.messages.Messages();
    QCOMPARE(msgs.size(), 2);
    QCOMPARE(msgs.at(1).kind, Kind::Critical);
    QCOMPARE(msgs.at(1).title, QStringLiteral("Error"));
    QVERIFY(
        msgs.at(1).text.startsWith(QStringLiteral("Error occurred while saving image to disk - ")));
}

void TestEdgeDialog::saveDialogOffersThreeFormats() {
    EdgeFixture f(kShippedFile);
    f.dlg->SetSavePathQuestion({}); // the real file dialog
    f.dlg->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.dlg.get()));
    QStringList filters;
    QString selectedFilter;
    QString title;
    bool seen = false;
    WhenModal<QFileDialog>(
        [&](QFileDialog* d) {
            filters = d->nameFilters();
            selectedFilter = d->selectedNameFilter();
            title = d->windowTitle();
            d->reject();
        },
        &seen);
    f.dlg->cmdGenerateTest_Click();
    QVERIFY(seen);
    QCOMPARE(filters, QStringList({"Bitmap (*.bmp)", "Tiff (*.tif)", "Jpeg (*.jpg)"}));
    QCOMPARE(selectedFilter, QStringLiteral("Jpeg (*.jpg)"));
    QCOMPARE(title, QStringLiteral("Save Test Target"));
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
    QCOMPARE(img.pixelColor(149, 99), QColor(180, 120, 0));
    bool dark = false;
    for (int x = 25; x < 125 && !dark; ++x)
        for (int y = 30; y < 70 && !dark; ++y)
            dark = img.pixelColor(x, y).lightness() < 100;
    QVERIFY(dark);
}

void TestEdgeDialog::screenshot() {
    const QByteArray shots = qgetenv("TESSELLON_SHOTS");
    if (shots.isEmpty())
        QSKIP("TESSELLON_SHOTS names no folder");
    EdgeFixture f(kShippedFile);
    f.OpenByEdit(1);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QVERIFY(f.dlg->grab().save(QString::fromLocal8Bit(shots) + QStringLiteral("/frm_btm.png")));
    frmInputBox box(f.dlg->inputBoxResult, f.dlg->inputBoxText);
    box.setWindowTitle(QStringLiteral("Enter name for new configuration:"));
    box.lblMsg->setText(QStringLiteral("New Configuration"));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QVERIFY(box.grab().save(QString::fromLocal8Bit(shots) + QStringLiteral("/frm_input_box.png")));
}

QTEST_MAIN(TestEdgeDialog)
#include "tst_edge_dialog.moc"
