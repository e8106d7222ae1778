#pragma once

#include <QStringList>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace tessellon {

struct PaperLabels;

// Step (2) of the main window: the paper and trimmed tile size with the button to change them,
// and the edge adjustment switch with its profile selector. It announces what the user
// chooses; Show… and Refill… operations called by the window announce nothing.
class PaperPanel : public QWidget {
    Q_OBJECT
public:
    explicit PaperPanel(QWidget* parent);

    void AssignTexts();
    void ShowPaperLabels(const PaperLabels& labels);

    // The edge adjustment switch; the profile selector is usable only while it is ticked.
    void ShowPrinterClips(bool on);
    // Ticks or unticks the switch as the user would: announced by printerClipsToggled when it
    // changes.
    void SetPrinterClips(bool on);

    int CurrentProfile() const;
    int ProfileCount() const;
    // Chooses a profile as the user would: announced by profileChosen when it changes.
    void SetProfile(int index);
    // Lists the profiles `names`, keeping the chosen one where it still is; returns the
    // selection (-1 when there are none).
    int RefillProfiles(const QStringList& names);

signals:
    void paperEditRequested();
    void profilesEditRequested();
    void printerClipsToggled(bool on);
    void profileChosen(int index);

private:
    QLabel* Label7 = nullptr;
    QGroupBox* fraPrintInfo = nullptr;
    QLabel* lblPaperCaption = nullptr;
    QLabel* lblPaperSizeCaption = nullptr;
    QLabel* lblTrimmedCaption = nullptr;
    QLabel* lblUnitsCaption = nullptr;
    QLabel* lblPaperName = nullptr;
    QLabel* lblPaperSize = nullptr;
    QLabel* lblTileSize = nullptr;
    QLabel* lblUnits = nullptr;
    QLabel* lblOverlapCaption = nullptr;
    QLabel* lblOverlap = nullptr;
    QPushButton* cmdEditPaperSize = nullptr;
    QCheckBox* chkPrinterClips = nullptr;
    QComboBox* cmbCurBtm = nullptr;
    QPushButton* cmdConfig = nullptr;
};

} // namespace tessellon
