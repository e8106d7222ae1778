#pragma once

#include "layout/poster_state.h"

#include <QLabel>
#include <QMainWindow>

namespace tessellon {

class MessageService;

// The main window. It owns the poster state and shows what the state computes.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(MessageService& messages, QWidget* parent = nullptr);

    PosterState& State() { return state_; }
    void UpdateOutputSize();
    void UpdatePaperLabels();

    QLabel* lblFinalSize = nullptr;
    QLabel* lblResolution = nullptr;
    QLabel* lblMPixVal = nullptr;
    QLabel* lblQuality = nullptr;
    QLabel* lblPaperSize = nullptr;
    QLabel* lblTileSize = nullptr;
    QLabel* lblPaperName = nullptr;
    QLabel* lblUnits = nullptr;

private:
    MessageService& messages_;
    PosterState state_;
};

} // namespace tessellon
