#pragma once

#include "layout/tile_placement.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace tessellon {

struct OutputLabels;

// Step (3) of the main window: the number of tiles, the placement of the poster on the image
// (zoom and the arrow pad) and the final poster size. It announces what the user chooses;
// Show… operations called by the window announce nothing.
class TilesPanel : public QWidget {
    Q_OBJECT
public:
    explicit TilesPanel(QWidget* parent);

    void AssignTexts();

    // The tile count lists (as item indexes), the width/height lock and the zoom.
    void ShowSettings(int tilesWideIndex, int tilesHighIndex, bool lockWh, int zoom);
    // Choose a tile count as the user would, when it differs from the shown one: announced by
    // tilesWideChosen or tilesHighChosen.
    void SetTilesWide(int index);
    void SetTilesHigh(int index);
    // Unticks "Lock tiles high = tiles wide" as the user would: announced by lockToggled when it
    // was ticked.
    void UntickLock();

    void ShowOutputMetrics(const OutputLabels& labels);
    // "Photo shown": how much of the photo the poster keeps.
    void ShowPhotoShare(const QString& text);
    // "Fit Photo" needs a photo and a valid tile print size.
    void EnableFitPhoto(bool on);
    void ShowPlacement(const PlacementLabels& labels);

signals:
    void tilesWideChosen(int index);
    void tilesHighChosen(int index);
    void lockToggled(bool on);
    void zoomChanged(int value);
    // "Poster Size..." and "Fit Photo" beside the tile counts.
    void posterSizeRequested();
    void fitPhotoRequested();
    // An arrow of the pad is held down; kArrowNone when it is let go.
    void arrowHeld(tessellon::ArrowDirection direction);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildTileCounts();
    QWidget* BuildPlacement();
    QWidget* BuildPosterSize();
    // Shows the pad's picture with `direction` pressed.
    void ShowArrow(ArrowDirection direction);

    QLabel* Label11 = nullptr;
    QGroupBox* fraNumberTiles = nullptr;
    QComboBox* cmbTilesWide = nullptr;
    QComboBox* cmbTilesHigh = nullptr;
    QCheckBox* chkLockWh = nullptr;
    QLabel* lblTilesWide = nullptr;
    QLabel* lblTilesHigh = nullptr;
    QPushButton* cmdPosterSize = nullptr;
    QPushButton* cmdFitPhoto = nullptr;
    QGroupBox* fraTilePlacement = nullptr;
    QScrollBar* scrZoom = nullptr;
    QLabel* lblZoom = nullptr;
    QLabel* lblZoomAmount = nullptr;
    QWidget* arrowPad = nullptr;
    QLabel* imgArrow = nullptr;
    QLabel* imgArrow_Up = nullptr;
    QLabel* imgArrow_right = nullptr;
    QLabel* imgArrow_down = nullptr;
    QLabel* imgArrow_left = nullptr;
    QLabel* lblHorizontal = nullptr;
    QLabel* lblVertical = nullptr;
    QLabel* lblLrValue = nullptr;
    QLabel* lblTbValue = nullptr;
    QGroupBox* fraPosterSize = nullptr;
    QLabel* lblMPixCaption = nullptr;
    QLabel* lblSizeCaption = nullptr;
    QLabel* lblResolutionCaption = nullptr;
    QLabel* lblQualityCaption = nullptr;
    QLabel* lblMPixVal = nullptr;
    QLabel* lblFinalSize = nullptr;
    QLabel* lblResolution = nullptr;
    QLabel* lblQuality = nullptr;
    QLabel* lblPhotoShareCaption = nullptr;
    QLabel* lblPhotoShare = nullptr;
};

} // namespace tessellon
