#pragma once

#include <QDialog>

#include <cstdint>

class QLabel;
class QPushButton;
class QTimer;

namespace tessellon {

class PictureBox;

// The progress window: a message, a blue progress bar and an optional cancel button, shown
// modeless while a long job runs on the user-interface thread. Every update yields to the
// event loop, which is when a press of the cancel button is taken in.
class frmMsg : public QDialog {
    Q_OBJECT
public:
    // Layouts and states of ProgressMode.
    static constexpr std::int32_t kModeClosing = 1;
    static constexpr std::int32_t kModeProgressBar = 3;
    // The layout number SetMode arranges.
    static constexpr std::int32_t kLayoutProgress = 2;

    explicit frmMsg(QWidget* parent = nullptr);

    // Arranges the window for a layout; only the progress layout (2) does anything.
    void SetMode(std::int32_t mode);
    // Clears the cancel flag, shows sMsg with the bar at 0 and the window modeless.
    void ShowProgressBar(const QString& sMsg);
    // Stores the progress (at most 1.0) and redraws the bar; at 1.0 the window closes.
    void SetProgressVal(double dProg);
    double GetProgressVal() const { return dProgress; }
    // Draws the bar for dProgress.
    void UpdateProgess();
    // Hides the window and stops its timer.
    void Unload();

    bool bShowCancel = false;
    bool bCanceled = false;
    double dProgress = 0;
    std::int32_t ProgressMode = kModeClosing;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    QLabel* lblMsg = nullptr;
    PictureBox* picProgressBar = nullptr;
    QPushButton* cmdCancel = nullptr;
    QTimer* tmrProgBar = nullptr;

    void cmdCancel_Click();
    void tmrProgBar_Timer();
    bool CloseRequestedWhileBusy();
};

} // namespace tessellon
