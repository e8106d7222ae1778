#include "app/preview_options_panel.h"

#include "app/form_widgets.h"
#include "common/string_table.h"
#include "layout/tile_placement.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>

namespace tessellon {
PreviewOptionsPanel::PreviewOptionsPanel(QWidget* parent) : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    chkPreviewTiles = Named(new QCheckBox(this), "chkPreviewTiles");
    cmbRotate = Named(new QComboBox(this), "cmbRotate");
    chkRotateTiles = Named(new QCheckBox(this), "chkRotateTiles");
    cmdLargePreview = Named(new QPushButton(this), "cmdLargePreview");
    row->addWidget(chkPreviewTiles);
    row->addSpacing(8);
    row->addWidget(cmbRotate);
    row->addSpacing(8);
    row->addWidget(chkRotateTiles);
    row->addStretch(1);
    row->addWidget(cmdLargePreview);

    connect(chkPreviewTiles, &QCheckBox::toggled, this, &PreviewOptionsPanel::tilesShownToggled);
    connect(cmbRotate, &QComboBox::currentIndexChanged, this, &PreviewOptionsPanel::rotationChosen);
    connect(chkRotateTiles, &QCheckBox::toggled, this, &PreviewOptionsPanel::tilesRotatedToggled);
    connect(cmdLargePreview, &QPushButton::clicked, this, &PreviewOptionsPanel::previewRequested);
}

void PreviewOptionsPanel::AssignTexts() {
    chkPreviewTiles->setText(T(str::ShowTiles));
    chkPreviewTiles->setToolTip(T(str::ShowTilesTip));
    chkRotateTiles->setText(T(str::RotateTiles));
    chkRotateTiles->setToolTip(T(str::RotateTilesTip));
    cmdLargePreview->setText(T(str::PreviewCaption));
    cmdLargePreview->setToolTip(T(str::PreviewTip));
    cmbRotate->setToolTip(T(str::RotateImageTip));
    // The fixed list, with nothing selected yet.
    const QSignalBlocker block(cmbRotate);
    cmbRotate->clear();
    cmbRotate->addItems(TilePlacement::RotationItems());
    cmbRotate->setCurrentIndex(-1);
}

bool PreviewOptionsPanel::TilesShown() const {
    return chkPreviewTiles->isChecked();
}

void PreviewOptionsPanel::ShowTilesShown(bool on) {
    const QSignalBlocker block(chkPreviewTiles);
    chkPreviewTiles->setChecked(on);
}

void PreviewOptionsPanel::UntickTilesShown() {
    chkPreviewTiles->setChecked(false);
}

void PreviewOptionsPanel::ShowTilesRotated(bool on) {
    const QSignalBlocker block(chkRotateTiles);
    chkRotateTiles->setChecked(on);
}

void PreviewOptionsPanel::SetTilesRotated(bool on) {
    chkRotateTiles->setChecked(on);
}

int PreviewOptionsPanel::Rotation() const {
    return cmbRotate->currentIndex();
}

void PreviewOptionsPanel::SetRotation(int index) {
    cmbRotate->setCurrentIndex(index);
}

void PreviewOptionsPanel::ShowRotation(int index) {
    const QSignalBlocker block(cmbRotate);
    cmbRotate->setCurrentIndex(index);
}

void PreviewOptionsPanel::EnablePreview(bool on) {
    cmdLargePreview->setEnabled(on);
}

} // namespace tessellon
