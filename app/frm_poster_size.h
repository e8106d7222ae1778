#pragma once

#include "layout/poster_arrangement.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTreeWidget;

namespace tessellon {

class PosterState;

// "Poster Size": the user gives a width, a height, both, or at most so many sheets, in the
// poster's unit (centimetres or inches; other units may be typed), and whether the whole photo
// must show; the window lists the sheet arrangements that reach it with the poster's paper,
// margins, overlap, edge trims, photo and zoom, best first, and hands the one chosen back.
class frmPosterSize : public QDialog {
    Q_OBJECT
public:
    // At most this many arrangements are listed.
    static constexpr int kMaxListed = 60;

    frmPosterSize(const PosterState& poster, QWidget* parent = nullptr);

    // Opens the window modal over `parent`; `apply` gets the arrangement chosen with "Use This"
    // (or a double click). Returns the window's result.
    static int ShowPosterSizeDialog(const PosterState& poster, QWidget* parent,
                                    const std::function<void(const Arrangement&)>& apply);

    // What the fields ask for; empty (and the reason shown) when a field holds no length.
    std::optional<PosterSizeRequest> Request();
    // The arrangements listed, best first.
    const std::vector<ArrangementResult>& Listed() const { return listed_; }
    // The arrangement chosen, once the window was closed with "Use This".
    const std::optional<Arrangement>& Chosen() const { return chosen_; }

private:
    void BuildControls();
    void SetTexts();
    // Lists what reaches the fields' request, selecting the best.
    void UpdateList();
    void cmdUse_Click();

    const PosterState& poster_;
    QLabel* lblIntro = nullptr;
    QLabel* lblWidth = nullptr;
    QLineEdit* txtWidth = nullptr;
    QLabel* lblHeight = nullptr;
    QLineEdit* txtHeight = nullptr;
    QLabel* lblMaxSheets = nullptr;
    QSpinBox* spnMaxSheets = nullptr;
    QCheckBox* chkWholePhoto = nullptr;
    QTreeWidget* lstArrangements = nullptr;
    QLabel* lblStatus = nullptr;
    QPushButton* cmdUse = nullptr;
    QPushButton* cmdClose = nullptr;

    std::vector<ArrangementResult> listed_;
    std::optional<Arrangement> chosen_;
};

} // namespace tessellon
