#include "app/paper_panel.h"

#include "app/form_widgets.h"
#include "calibration/profile_store.h"
#include "common/string_table.h"
#include "layout/paper_labels.h"
#include "paper/paper_model.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tessellon {
PaperPanel::PaperPanel(QWidget* parent) : QWidget(parent) {
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    Label7 = StepTitle(this, "Label7");
    v->addWidget(Label7);
    fraPrintInfo = Named(new QGroupBox(this), "fraPrintInfo");
    auto* g = new QGridLayout(fraPrintInfo);
    g->setHorizontalSpacing(10);
    lblPaperCaption = NamedLabel(fraPrintInfo, "lblPaperCaption");
    lblPaperSizeCaption = NamedLabel(fraPrintInfo, "lblPaperSizeCaption");
    lblTrimmedCaption = NamedLabel(fraPrintInfo, "lblTrimmedCaption");
    lblUnitsCaption = NamedLabel(fraPrintInfo, "lblUnitsCaption");
    lblPaperName = NamedLabel(fraPrintInfo, "lblPaperName");
    lblPaperName->setWordWrap(true);
    lblPaperSize = NamedLabel(fraPrintInfo, "lblPaperSize");
    lblTileSize = NamedLabel(fraPrintInfo, "lblTileSize");
    lblUnits = NamedLabel(fraPrintInfo, "lblUnits");
    cmdEditPaperSize = Named(new QPushButton(fraPrintInfo), "cmdEditPaperSize");
    g->addWidget(lblPaperCaption, 0, 0);
    g->addWidget(lblPaperName, 0, 1);
    g->addWidget(cmdEditPaperSize, 0, 2, 2, 1, Qt::AlignTop);
    g->addWidget(lblPaperSizeCaption, 1, 0);
    g->addWidget(lblPaperSize, 1, 1);
    g->addWidget(lblTrimmedCaption, 2, 0);
    g->addWidget(lblTileSize, 2, 1);
    g->addWidget(lblUnitsCaption, 3, 0);
    g->addWidget(lblUnits, 3, 1);
    lblOverlapCaption = NamedLabel(fraPrintInfo, "lblOverlapCaption");
    lblOverlap = NamedLabel(fraPrintInfo, "lblOverlap");
    g->addWidget(lblOverlapCaption, 4, 0);
    g->addWidget(lblOverlap, 4, 1);
    chkPrinterClips = Named(new QCheckBox(fraPrintInfo), "chkPrinterClips");
    cmbCurBtm = Named(new QComboBox(fraPrintInfo), "cmbCurBtm");
    cmbCurBtm->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmbCurBtm->setMinimumContentsLength(10);
    cmdConfig = Named(new QPushButton(fraPrintInfo), "cmdConfig");
    auto* edges = new QHBoxLayout;
    edges->addWidget(chkPrinterClips);
    edges->addWidget(cmbCurBtm, 1);
    edges->addWidget(cmdConfig);
    g->addLayout(edges, 5, 0, 1, 3);
    g->setColumnStretch(1, 1);
    v->addWidget(fraPrintInfo);

    connect(cmdEditPaperSize, &QPushButton::clicked, this, &PaperPanel::paperEditRequested);
    connect(cmdConfig, &QPushButton::clicked, this, &PaperPanel::profilesEditRequested);
    connect(chkPrinterClips, &QCheckBox::toggled, this, [this](bool on) {
        cmbCurBtm->setEnabled(on);
        emit printerClipsToggled(on);
    });
    connect(cmbCurBtm, &QComboBox::currentIndexChanged, this, &PaperPanel::profileChosen);
}

void PaperPanel::AssignTexts() {
    fraPrintInfo->setTitle(T(str::PrintSizePerTile));
    cmdEditPaperSize->setText(QCoreApplication::translate("frmMain", "Paper..."));
    cmdEditPaperSize->setToolTip(T(str::EditPaperTip));
    chkPrinterClips->setText(T(str::AdjustEdges));
    chkPrinterClips->setToolTip(T(str::AdjustEdgesTip));
    cmdConfig->setText(T(str::EditProfiles));
    cmdConfig->setToolTip(T(str::EditProfilesTip));
    cmbCurBtm->setToolTip(T(str::CurBtmTip));
    lblUnitsCaption->setText(T(str::UnitsCaption));
    lblUnitsCaption->setToolTip(T(str::UnitsTip));
    lblUnits->setToolTip(T(str::UnitsTip));
    lblTrimmedCaption->setText(T(str::TrimmedCaption));
    lblTrimmedCaption->setToolTip(T(str::TrimmedTip));
    lblTileSize->setToolTip(T(str::TrimmedTip));
    lblOverlapCaption->setText(T(str::OverlapStepCaption));
    lblOverlap->setToolTip(T(str::OverlapTip));
    lblPaperSizeCaption->setText(T(str::PaperSizeCaption));
    lblPaperSizeCaption->setToolTip(T(str::PaperSizeTip));
    lblPaperSize->setToolTip(T(str::PaperSizeTip));
    lblPaperCaption->setText(T(str::PaperCaption));
    lblPaperCaption->setToolTip(T(str::PaperTip));
    lblPaperName->setToolTip(T(str::PaperTip));
    Label7->setText(T(str::Step2));
}

void PaperPanel::ShowPaperLabels(const PaperLabels& labels) {
    lblPaperSize->setText(labels.paperSize);
    lblTileSize->setText(labels.tileSize);
    lblPaperName->setText(PaperModel::ShownName(labels.paperName));
    lblUnits->setText(labels.units);
    lblOverlap->setText(labels.overlap);
}

void PaperPanel::ShowPrinterClips(bool on) {
    const QSignalBlocker block(chkPrinterClips);
    chkPrinterClips->setChecked(on);
    cmbCurBtm->setEnabled(on);
}

void PaperPanel::SetPrinterClips(bool on) {
    chkPrinterClips->setChecked(on);
}

int PaperPanel::CurrentProfile() const {
    return cmbCurBtm->currentIndex();
}

int PaperPanel::ProfileCount() const {
    return cmbCurBtm->count();
}

void PaperPanel::SetProfile(int index) {
    cmbCurBtm->setCurrentIndex(index);
}

int PaperPanel::RefillProfiles(const QStringList& names) {
    const QString oldText = cmbCurBtm->currentText();
    const int oldIndex = cmbCurBtm->currentIndex();
    const QSignalBlocker block(cmbCurBtm);
    cmbCurBtm->clear();
    cmbCurBtm->addItems(names);
    const int select =
        names.isEmpty() ? -1 : ProfileStore::SelectionAfterRefill(names, oldText, oldIndex);
    cmbCurBtm->setCurrentIndex(select);
    return select;
}

} // namespace tessellon
