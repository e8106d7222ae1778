#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QPushButton;

namespace tessellon {

// The row under the main window's preview: the tile grid switch, the image rotation, the tile
// rotation and the full-screen preview button. Part of step (3), it sits under the picture
// rather than in the step's column. It announces what the user chooses; Show… operations
// called by the window announce nothing.
class PreviewOptionsPanel : public QWidget {
    Q_OBJECT
public:
    explicit PreviewOptionsPanel(QWidget* parent);

    void AssignTexts();

    bool TilesShown() const;
    void ShowTilesShown(bool on);
    // Unticks the grid switch as the user would: announced by tilesShownToggled when it was on.
    void UntickTilesShown();
    void ShowTilesRotated(bool on);
    // Ticks or unticks "Rotate" as the user would: announced by tilesRotatedToggled when it
    // changes.
    void SetTilesRotated(bool on);
    // The image rotation list's entry (-1 for none).
    int Rotation() const;
    // Chooses an image rotation entry as the user would: announced by rotationChosen.
    void SetRotation(int index);
    // Shows a rotation without announcing it.
    void ShowRotation(int index);
    void EnablePreview(bool on);

signals:
    void tilesShownToggled(bool on);
    void rotationChosen(int index);
    void tilesRotatedToggled(bool on);
    void previewRequested();

private:
    QCheckBox* chkPreviewTiles = nullptr;
    QComboBox* cmbRotate = nullptr;
    QCheckBox* chkRotateTiles = nullptr;
    QPushButton* cmdLargePreview = nullptr;
};

} // namespace tessellon
