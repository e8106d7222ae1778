#pragma once

#include "layout/paper_choice.h"
#include "paper/paper_model.h"

#include <QDialog>

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace tessellon {

class MessageService;
class PosterState;

// "Determine Tile Print Size": the modal window in which the user picks the unit, the paper and
// the four margins. It owns the paper model, passes every control event to it and shows the
// model's view; accepting hands the values to the poster state and tells the main window.
class frmTileSize : public QDialog {
    Q_OBJECT
public:
    frmTileSize(PosterState& poster, MessageService& messages, QWidget* parent = nullptr);

    // Opens a fresh dialog over `parent` in the usual order and waits until it is closed.
    // `onApplied` runs after each Apply or OK, once the poster state holds the new values.
    static int ShowPaperDialog(PosterState& poster, MessageService& messages, QWidget* parent,
                               const std::function<void(const PaperChoice&)>& onApplied = {});

    // Loads the poster's paper choice: default paper state, the margin lock, then the stored
    // preference line.
    void LoadFromPoster();
    // LoadFromPoster, then shows the window modally.
    int ShowModal();

    PaperModel& Model() { return model_; }
    const PaperModel& Model() const { return model_; }

    // Sets every control from the model's view; the control events it raises are ignored.
    void ShowCurrentPaper();

    // While set, the control events do nothing (controls being set from code).
    bool bBusy = false;

signals:
    // The poster state has taken over the paper values (Apply or OK).
    void paperValuesApplied(const tessellon::PaperChoice& paper);

private:
    // --- Controls (names as the program knows them) ---
    QLabel* Label2 = nullptr;
    QRadioButton* opbInches = nullptr;
    QRadioButton* opbMm = nullptr;
    QLabel* Label1 = nullptr;
    QListWidget* lstPaperSize = nullptr;
    QLabel* lblPaperWidth = nullptr;
    QLineEdit* txtWidth = nullptr;
    QLabel* Label11 = nullptr;
    QLineEdit* txtHeight = nullptr;
    std::array<QLabel*, 2> lblUnits{}; // beside width (0) and height (1)
    QLabel* Label3 = nullptr;
    QLabel* lblMarginUnits = nullptr;
    QLabel* Label4 = nullptr;                          // top
    QLabel* Label7 = nullptr;                          // right
    QLabel* Label5 = nullptr;                          // bottom
    QLabel* Label6 = nullptr;                          // left
    std::array<QComboBox*, kMarginCount> cmbMargins{}; // top, right, bottom, left
    QCheckBox* chkLock = nullptr;
    QPushButton* cmdBorderless = nullptr;
    QPushButton* cmdReset = nullptr;
    QPushButton* cmdPrinterMargins = nullptr; // hidden without a printer
    QLabel* lblOverlap = nullptr;
    QLineEdit* txtOverlap = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* lblSizeWithBorders = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* lblSizeWithoutBorders = nullptr;
    QPushButton* cmdApply = nullptr;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdCancel = nullptr;

    // The window from top to bottom: one function per numbered step, then the buttons, each
    // adding its rows to `steps`.
    void BuildControls();
    void BuildUnitChoice(QVBoxLayout* steps);
    void BuildPaperChoice(QVBoxLayout* steps);
    void BuildMargins(QVBoxLayout* steps);
    void BuildResults(QVBoxLayout* steps);
    void BuildButtons(QVBoxLayout* steps);
    void SetPaperDialogTexts();
    void ConnectEvents();

    void opbUnits_Click(UnitCode units);
    void lstPaperSize_Click(int row);
    void txtWidth_Change(const QString& text);
    void txtHeight_Change(const QString& text);
    void cmbMargins_Change(int side, const QString& text);
    void cmbMargins_Click(int side, int item);
    void chkLock_Click(bool checked);
    void cmdBorderless_Click();
    void cmdReset_Click();
    void cmdPrinterMargins_Click();
    void cmdApply_Click();
    void cmdOk_Click();

    void ApplyPaperValues();

    PosterState& poster_;
    MessageService& messages_;
    PaperModel model_;
    QStringList shownMarginItems_;
    QString printer_; // whose margins cmdPrinterMargins offers
};

} // namespace tessellon
