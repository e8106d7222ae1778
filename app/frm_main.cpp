#include "app/frm_main.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>

namespace tessellon {
namespace {

QLabel* MakeLabel(QWidget* parent, const char* name) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

} // namespace

frmMain::frmMain(MessageService& messages, QWidget* parent)
    : QMainWindow(parent), messages_(messages) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Tessellon v") + QStringLiteral(TESSELLON_VERSION));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);

    auto* paper = new QGroupBox(tr("Paper"), central);
    auto* paperForm = new QFormLayout(paper);
    lblPaperName = MakeLabel(paper, "lblPaperName");
    lblPaperSize = MakeLabel(paper, "lblPaperSize");
    lblTileSize = MakeLabel(paper, "lblTileSize");
    lblUnits = MakeLabel(paper, "lblUnits");
    paperForm->addRow(tr("Paper:"), lblPaperName);
    paperForm->addRow(tr("Paper size:"), lblPaperSize);
    paperForm->addRow(tr("Tile size:"), lblTileSize);
    paperForm->addRow(tr("Units:"), lblUnits);
    layout->addWidget(paper);

    auto* frame = new QGroupBox(tr("Final Poster Size"), central);
    frame->setObjectName(QStringLiteral("fraFinalSize"));
    auto* form = new QFormLayout(frame);
    lblFinalSize = MakeLabel(frame, "lblFinalSize");
    lblResolution = MakeLabel(frame, "lblResolution");
    lblMPixVal = MakeLabel(frame, "lblMPixVal");
    lblQuality = MakeLabel(frame, "lblQuality");
    form->addRow(tr("Size:"), lblFinalSize);
    form->addRow(tr("Resolution:"), lblResolution);
    form->addRow(tr("MegaPixels:"), lblMPixVal);
    form->addRow(tr("Quality:"), lblQuality);
    layout->addWidget(frame);
    layout->addStretch();
    setCentralWidget(central);

    UpdatePaperLabels();
    UpdateOutputSize();
}

void frmMain::UpdateOutputSize() {
    if (const auto labels = state_.UpdateOutputSize()) {
        lblFinalSize->setText(labels->finalSize);
        lblResolution->setText(labels->resolution);
        lblMPixVal->setText(labels->megaPixels);
        lblQuality->setText(labels->quality);
    }
}

void frmMain::UpdatePaperLabels() {
    const PaperLabels labels = state_.UpdatePaperLabels();
    lblPaperSize->setText(labels.paperSize);
    lblTileSize->setText(labels.tileSize);
    lblPaperName->setText(labels.paperName);
    lblUnits->setText(labels.units);
}

} // namespace tessellon
