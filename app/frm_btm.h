#pragma once

#include <QDialog>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLayout;
class QListWidget;
class QPushButton;
class QVBoxLayout;

namespace tessellon {

class MessageService;
class PosterState;
class PrintDialogService;
class ProfileStore;

// "Edge Calibration": the modal window in which the user manages the edge calibration profiles
// of the store, enters per edge how many test stripes the printer leaves, and creates the test
// target. Every change is written to the profile file at once. The main window is reached only
// through the signals: it refills its profile selector on profilesChanged and recomputes its
// tile sizes on outputSizeUpdateRequested.
class frmBtm : public QDialog {
    Q_OBJECT
public:
    // Sets the texts, fills the selectors and loads the profiles (initControls).
    frmBtm(ProfileStore& profiles, const PosterState& poster, MessageService& messages,
           QWidget* parent = nullptr);
    ~frmBtm() override;

    // --- Opening from the main window; both wait until the window is closed ---
    // The Edit button beside the profile selector: reloads the profiles, selects the main
    // window's current profile and shows the window. Afterwards, however it was closed,
    // outputSizeUpdateRequested is emitted.
    int OpenFromEditButton(int currentProfileIndex);
    // The Tools menu entry: selects the main window's current profile and shows the window.
    int OpenFromMenu(int currentProfileIndex);
    // What the two do before showing the window.
    void PrepareEditButtonOpening(int currentProfileIndex);
    void PrepareMenuOpening(int currentProfileIndex);

    // --- Public state ---
    // While set, the list's and the selectors' events do nothing (controls set from code).
    bool bIgnoreEvents = false;
    // The input window's answer: the text, and "1" after OK ("0" otherwise).
    QString inputBoxText;
    QString inputBoxResult;

    // --- Public operations ---
    // Reads the profile file (shipped profiles when it gives none), refills the list with the
    // first profile selected and tells the main window.
    void initControls();
    // Asks for one line of text in the input window. True when the answer counts (OK with a
    // non-empty text), which is then in inputBoxText.
    bool customInputBox(const QString& title, const QString& msg, const QString& defaultVal);
    // A selector changed: stores the four positions in the selected profile and saves.
    void ProcessFormChange();
    void fillDropDowns();
    // Sets the selectors from the profile selected in the list.
    void UpdateComboboxes();
    void UpdateEdgeDescriptions();
    void FillProfileList(int selection = 0);
    // The stripe width of the step-1 text in the poster's display unit.
    void SetStep1DescUnits();
    // Explains, builds and saves the edge test target.
    void cmdGenerateTest_Click();
    // Builds the edge test target and prints it at the tile print size on the printer chosen
    // in the print dialog.
    void cmdPrintTest_Click();
    // Replaces the system's print dialog (tests; the main window's host passes its own).
    void SetPrintDialog(PrintDialogService& dialog) { printDialog_ = &dialog; }

    // The save question for the test target; returns the chosen path or empty text.
    QString ShowSaveTestTargetDialog(const QString& fileName = QStringLiteral("edge_clipping_test"),
                                     const QString& folder = {});

    // Replace the modal questions (tests). The save question gets the proposed file name and
    // folder; the input question gets title, message and default and returns the text after
    // OK or nothing after Cancel.
    using SavePathQuestion = std::function<QString(const QString& fileName, const QString& folder)>;
    using InputQuestion = std::function<std::optional<QString>(
        const QString& title, const QString& msg, const QString& defaultVal)>;
    void SetSavePathQuestion(SavePathQuestion question) { savePathQuestion_ = std::move(question); }
    void SetInputQuestion(InputQuestion question) { inputQuestion_ = std::move(question); }

    // The four selectors' positions: top, right, bottom, left.
    std::array<int, 4> EdgeSelections() const;

    // The small picture of the test target shown in picTestPrint.
    static QPixmap TestPrintSample(QSize size);

signals:
    // The profile table was refilled or changed; the main window refills its selector
    // (fillMainDialog), which keeps its current profile.
    void profilesChanged();
    // The main window recomputes its tile sizes and output metrics (UpdateOutputSize).
    void outputSizeUpdateRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // --- Controls (names as the program knows them) ---
    QLabel* lblTitle = nullptr;
    QListWidget* lstConfigurations = nullptr;
    QPushButton* cmdNew = nullptr;
    QPushButton* cmdRename = nullptr;
    QPushButton* cmdDel = nullptr;
    QPushButton* cmdOk = nullptr;
    QLabel* lblStep1 = nullptr;
    QLabel* lblStep1Desc = nullptr;
    QPushButton* cmdGenerateTest = nullptr;
    QPushButton* cmdPrintTest = nullptr; // beside cmdGenerateTest: the target straight to paper
    QLabel* picTestPrint = nullptr;
    QLabel* lblPicTopEdge = nullptr;
    QLabel* lblPicRightEdge = nullptr;
    QLabel* lblPicBottomEdge = nullptr;
    QLabel* lblPicLeftEdge = nullptr;
    QLabel* lblPicTopLeft = nullptr;
    QLabel* lblPicTestPrint = nullptr;
    QLabel* lblStep2 = nullptr;
    QLabel* lblStep2Desc = nullptr;
    QLabel* lblTopEdge = nullptr;
    QLabel* lblRightEdge = nullptr;
    QLabel* lblBottomEdge = nullptr;
    QLabel* lblLeftEdge = nullptr;
    QComboBox* cmbTopEdge = nullptr;
    QComboBox* cmbRightEdge = nullptr;
    QComboBox* cmbBottomEdge = nullptr;
    QComboBox* cmbLeftEdge = nullptr;
    QGroupBox* fraCutoffInInches = nullptr;
    QLabel* lblCutoffHeading = nullptr;
    QLabel* lblTopEdgeDesc = nullptr;
    QLabel* lblRightEdgeDesc = nullptr;
    QLabel* lblBottomEdgeDesc = nullptr;
    QLabel* lblLeftEdgeDesc = nullptr;

    // The window: the profile list, then the two steps (each adding its rows to `steps`).
    void BuildControls();
    QLayout* BuildProfileList();
    void BuildTestPrintStep(QVBoxLayout* steps);
    void BuildEdgesStep(QVBoxLayout* steps);
    void SetEdgeDialogTexts();
    void ConnectEvents();
    void AlignEdgeRows();
    void SelectListRow(int index);
    std::array<QComboBox*, 4> EdgeSelectors() const;
    std::array<QLabel*, 4> EdgeDescriptions() const;

    void lstConfigurations_Click();
    void cmdNew_Click();
    void cmdRename_Click();
    void cmdDel_Click();
    void cmdOk_Click();

    ProfileStore& profiles_;
    const PosterState& poster_;
    MessageService& messages_;
    SavePathQuestion savePathQuestion_;
    InputQuestion inputQuestion_;
    std::unique_ptr<PrintDialogService> systemPrintDialog_;
    PrintDialogService* printDialog_ = nullptr;
    QVBoxLayout* edgesColumn_ = nullptr;
    bool edgeRowsAligned_ = false;
};

} // namespace tessellon
