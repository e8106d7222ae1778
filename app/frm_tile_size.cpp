#include "app/frm_tile_size.h"

#include "app/form_widgets.h"
#include "common/message_service.h"
#include "common/string_table.h"
#include "layout/poster_state.h"
#include "paper/paper_dialog_texts.h"
#include "printing/print_texts.h"
#include "printing/printer_margins.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

namespace tessellon {
namespace {

// Replaces a line edit's text only when it differs, so the cursor of the box being typed in
// stays where it is.
void SetText(QLineEdit* edit, const QString& text) {
    if (edit->text() != text)
        edit->setText(text);
}

// The inner part of a numbered step, set in under its heading.
QLayout* Indented(QLayout* inner) {
    inner->setContentsMargins(18, 2, 0, 6);
    return inner;
}

QPushButton* Button(QWidget* parent, const QString& name) {
    auto* b = Named(new QPushButton(parent), name);
    // Enter in a margin box must not press a button behind the user's back.
    b->setAutoDefault(false);
    return b;
}

} // namespace

frmTileSize::frmTileSize(PosterState& poster, MessageService& messages, QWidget* parent)
    : QDialog(parent), poster_(poster), messages_(messages),
      printer_(PrinterMargins::PrinterName()) {
    setObjectName(QStringLiteral("frmTileSize"));
    setModal(true);
    BuildControls();
    SetPaperDialogTexts();
    ConnectEvents();
    ShowCurrentPaper();
    // Room for the longer of the two paper lists, without a scroll bar.
    const int rows = PaperModel::iLastMmPreset + 1;
    lstPaperSize->setFixedHeight(lstPaperSize->sizeHintForRow(0) * rows +
                                 2 * lstPaperSize->frameWidth() + 4);
}

int frmTileSize::ShowPaperDialog(PosterState& poster, MessageService& messages, QWidget* parent,
                                 const std::function<void(const PaperChoice&)>& onApplied) {
    frmTileSize dialog(poster, messages, parent);
    if (onApplied)
        connect(&dialog, &frmTileSize::paperValuesApplied, &dialog, onApplied);
    return dialog.ShowModal();
}

void frmTileSize::LoadFromPoster() {
    model_.initPaperSizes();
    model_.SetOverlap(poster_.dOverlap);
    if (const auto trims = poster_.AdjustEdgeTrims())
        model_.SetTileTrims((*trims)[1] + (*trims)[3], (*trims)[0] + (*trims)[2]);
    model_.SetLocked(poster_.iWhMarginLocked != 0);
    model_.setPrefFromRegLine(poster_.getPaperRegLine());
    ShowCurrentPaper();
}

int frmTileSize::ShowModal() {
    LoadFromPoster();
    return exec();
}

void frmTileSize::BuildControls() {
    // The four numbered steps from top to bottom, then the buttons.
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(4);
    BuildUnitChoice(layout);
    BuildPaperChoice(layout);
    BuildMargins(layout);
    BuildResults(layout);
    BuildButtons(layout);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void frmTileSize::BuildUnitChoice(QVBoxLayout* steps) {
    Label2 = BoldLabel(this, QStringLiteral("Label2"));
    opbInches = Named(new QRadioButton(this), QStringLiteral("opbInches"));
    opbMm = Named(new QRadioButton(this), QStringLiteral("opbMm"));
    auto* unitGroup = new QButtonGroup(this);
    unitGroup->addButton(opbInches);
    unitGroup->addButton(opbMm);

    auto* units = new QHBoxLayout;
    units->setSpacing(24);
    units->addWidget(opbInches);
    units->addWidget(opbMm);
    units->addStretch();
    steps->addWidget(Label2);
    steps->addLayout(Indented(units));
}

void frmTileSize::BuildPaperChoice(QVBoxLayout* steps) {
    Label1 = BoldLabel(this, QStringLiteral("Label1"));
    lstPaperSize = Named(new QListWidget(this), QStringLiteral("lstPaperSize"));
    lstPaperSize->setFixedWidth(210);
    lblPaperWidth = Named(new QLabel(this), QStringLiteral("lblPaperWidth"));
    txtWidth = Named(new QLineEdit(this), QStringLiteral("txtWidth"));
    Label11 = Named(new QLabel(this), QStringLiteral("Label11"));
    txtHeight = Named(new QLineEdit(this), QStringLiteral("txtHeight"));
    for (size_t i = 0; i < lblUnits.size(); ++i)
        lblUnits[i] = Named(new QLabel(this), QStringLiteral("lblUnits_%1").arg(i));
    for (QLineEdit* box : {txtWidth, txtHeight}) {
        box->setFixedWidth(80);
        box->setAlignment(Qt::AlignRight);
    }

    auto* size = new QGridLayout;
    size->setHorizontalSpacing(8);
    size->addWidget(lblPaperWidth, 0, 0);
    size->addWidget(txtWidth, 0, 1);
    size->addWidget(lblUnits[0], 0, 2);
    size->addWidget(Label11, 1, 0);
    size->addWidget(txtHeight, 1, 1);
    size->addWidget(lblUnits[1], 1, 2);
    size->setRowStretch(2, 1);
    size->setColumnStretch(3, 1);
    auto* paper = new QHBoxLayout;
    paper->setSpacing(16);
    paper->addWidget(lstPaperSize);
    paper->addLayout(size, 1);
    steps->addWidget(Label1);
    steps->addLayout(Indented(paper));
}

void frmTileSize::BuildMargins(QVBoxLayout* steps) {
    Label3 = BoldLabel(this, QStringLiteral("Label3"));
    lblMarginUnits = Named(new QLabel(this), QStringLiteral("lblMarginUnits"));
    Label4 = Named(new QLabel(this), QStringLiteral("Label4"));
    Label7 = Named(new QLabel(this), QStringLiteral("Label7"));
    Label5 = Named(new QLabel(this), QStringLiteral("Label5"));
    Label6 = Named(new QLabel(this), QStringLiteral("Label6"));
    for (size_t side = 0; side < cmbMargins.size(); ++side) {
        auto* box = Named(new QComboBox(this), QStringLiteral("cmbMargins_%1").arg(side));
        box->setEditable(true);
        // The offers stay the offers: typed values are margins, never new items.
        box->setInsertPolicy(QComboBox::NoInsert);
        // No completion either: the box must hold exactly what was typed.
        box->setCompleter(nullptr);
        box->setMaxVisibleItems(12);
        box->setFixedWidth(90);
        cmbMargins[side] = box;
    }
    lblOverlap = Named(new QLabel(this), QStringLiteral("lblOverlap"));
    txtOverlap = Named(new QLineEdit(this), QStringLiteral("txtOverlap"));
    txtOverlap->setFixedWidth(90);
    txtOverlap->setAlignment(Qt::AlignRight);
    chkLock = Named(new QCheckBox(this), QStringLiteral("chkLock"));
    cmdBorderless = Button(this, QStringLiteral("cmdBorderless"));
    cmdReset = Button(this, QStringLiteral("cmdReset"));
    cmdPrinterMargins = Button(this, QStringLiteral("cmdPrinterMargins"));
    cmdPrinterMargins->setVisible(!printer_.isEmpty());

    auto* marginHead = new QHBoxLayout;
    marginHead->addWidget(Label3);
    marginHead->addSpacing(8);
    marginHead->addWidget(lblMarginUnits);
    marginHead->addStretch();

    auto* margins = new QGridLayout;
    margins->setHorizontalSpacing(8);
    margins->addWidget(Label4, 0, 0);
    margins->addWidget(cmbMargins[kMarginTop], 0, 1);
    margins->setColumnMinimumWidth(2, 24);
    margins->addWidget(Label7, 0, 3);
    margins->addWidget(cmbMargins[kMarginRight], 0, 4);
    margins->addWidget(Label5, 1, 0);
    margins->addWidget(cmbMargins[kMarginBottom], 1, 1);
    margins->addWidget(Label6, 1, 3);
    margins->addWidget(cmbMargins[kMarginLeft], 1, 4);
    margins->addWidget(lblOverlap, 2, 0);
    margins->addWidget(txtOverlap, 2, 1);
    margins->setColumnStretch(5, 1);
    auto* marginButtons = new QHBoxLayout;
    marginButtons->addWidget(cmdBorderless);
    marginButtons->addWidget(cmdReset);
    marginButtons->addWidget(cmdPrinterMargins);
    marginButtons->addStretch();
    auto* marginBlock = new QVBoxLayout;
    marginBlock->setSpacing(8);
    marginBlock->addLayout(margins);
    marginBlock->addWidget(chkLock);
    marginBlock->addLayout(marginButtons);
    steps->addLayout(marginHead);
    steps->addLayout(Indented(marginBlock));
}

void frmTileSize::BuildResults(QVBoxLayout* steps) {
    Label8 = BoldLabel(this, QStringLiteral("Label8"));
    Label9 = Named(new QLabel(this), QStringLiteral("Label9"));
    lblSizeWithBorders = Named(new QLabel(this), QStringLiteral("lblSizeWithBorders"));
    Label10 = Named(new QLabel(this), QStringLiteral("Label10"));
    lblSizeWithoutBorders = Named(new QLabel(this), QStringLiteral("lblSizeWithoutBorders"));
    for (QLabel* result : {lblSizeWithBorders, lblSizeWithoutBorders}) {
        result->setMinimumWidth(220);
        QFont f = result->font();
        f.setBold(true);
        result->setFont(f);
    }

    auto* results = new QGridLayout;
    results->setHorizontalSpacing(12);
    results->addWidget(Label9, 0, 0);
    results->addWidget(lblSizeWithBorders, 0, 1);
    results->addWidget(Label10, 1, 0);
    results->addWidget(lblSizeWithoutBorders, 1, 1);
    results->setColumnStretch(2, 1);
    steps->addWidget(Label8);
    steps->addLayout(Indented(results));
}

void frmTileSize::BuildButtons(QVBoxLayout* steps) {
    cmdApply = Button(this, QStringLiteral("cmdApply"));
    cmdOk = Button(this, QStringLiteral("cmdOk"));
    cmdCancel = Button(this, QStringLiteral("cmdCancel"));

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdApply);
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);
    steps->addWidget(line);
    steps->addLayout(buttons);
}

void frmTileSize::SetPaperDialogTexts() {
    const PaperDialogTexts t = PaperDialogTexts::SetPaperDialogTexts();
    setWindowTitle(t.windowCaption);
    Label2->setText(t.selectUnitsLabel);
    opbInches->setText(t.inchesOption);
    opbMm->setText(t.millimetersOption);
    Label1->setText(t.selectPaperLabel);
    lstPaperSize->setToolTip(t.paperListTip);
    lblPaperWidth->setText(t.widthLabel);
    txtWidth->setToolTip(t.widthTip);
    Label11->setText(t.heightLabel);
    txtHeight->setToolTip(t.heightTip);
    Label3->setText(t.selectMarginsLabel);
    const std::array<QLabel*, kMarginCount> marginLabels{Label4, Label7, Label5, Label6};
    for (size_t side = 0; side < marginLabels.size(); ++side) {
        marginLabels[side]->setText(t.marginLabels[side]);
        cmbMargins[side]->setToolTip(t.marginTips[side]);
    }
    lblOverlap->setText(StringTable::Text(str::OverlapCaption));
    txtOverlap->setToolTip(StringTable::Text(str::OverlapTip));
    chkLock->setText(t.lockCaption);
    chkLock->setToolTip(t.lockTip);
    cmdBorderless->setText(t.borderlessCaption);
    cmdBorderless->setToolTip(t.borderlessTip);
    cmdReset->setText(t.resetCaption);
    cmdReset->setToolTip(t.resetTip);
    cmdPrinterMargins->setText(t.printerMarginsCaption);
    cmdPrinterMargins->setToolTip(t.printerMarginsTip.arg(printer_));
    Label8->setText(t.resultsLabel);
    Label9->setText(t.sizeWithBordersLabel);
    lblSizeWithBorders->setToolTip(t.sizeWithBordersTip);
    Label10->setText(t.sizeWithoutBordersLabel);
    lblSizeWithoutBorders->setToolTip(t.sizeWithoutBordersTip);
    cmdApply->setText(t.applyCaption);
    cmdApply->setToolTip(t.applyTip);
    cmdOk->setText(t.okCaption);
    cmdOk->setToolTip(t.okTip);
    cmdCancel->setText(t.cancelCaption);
    cmdCancel->setToolTip(t.cancelTip);
}

void frmTileSize::ConnectEvents() {
    connect(opbInches, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            opbUnits_Click(kUnitInches);
    });
    connect(opbMm, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            opbUnits_Click(kUnitMillimeters);
    });
    connect(lstPaperSize, &QListWidget::currentRowChanged, this, &frmTileSize::lstPaperSize_Click);
    connect(txtWidth, &QLineEdit::textEdited, this, &frmTileSize::txtWidth_Change);
    connect(txtHeight, &QLineEdit::textEdited, this, &frmTileSize::txtHeight_Change);
    connect(txtOverlap, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.OverlapChanged(text); });
    for (size_t i = 0; i < cmbMargins.size(); ++i) {
        const int side = static_cast<int>(i);
        // Typing raises textEdited only; choosing an offer raises activated only.
        connect(cmbMargins[i]->lineEdit(), &QLineEdit::textEdited, this,
                [this, side](const QString& text) { cmbMargins_Change(side, text); });
        connect(cmbMargins[i], &QComboBox::activated, this,
                [this, side](int item) { cmbMargins_Click(side, item); });
    }
    connect(chkLock, &QCheckBox::toggled, this, &frmTileSize::chkLock_Click);
    connect(cmdBorderless, &QPushButton::clicked, this, &frmTileSize::cmdBorderless_Click);
    connect(cmdReset, &QPushButton::clicked, this, &frmTileSize::cmdReset_Click);
    connect(cmdPrinterMargins, &QPushButton::clicked, this, &frmTileSize::cmdPrinterMargins_Click);
    connect(cmdApply, &QPushButton::clicked, this, &frmTileSize::cmdApply_Click);
    connect(cmdOk, &QPushButton::clicked, this, &frmTileSize::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmTileSize::ShowCurrentPaper() {
    const PaperView v = model_.View();
    const QScopedValueRollback busy(bBusy, true);

    const bool mm = IsMillimeters(v.iUnits);
    opbInches->setChecked(!mm);
    opbMm->setChecked(mm);

    QStringList listed;
    for (int row = 0; row < lstPaperSize->count(); ++row)
        listed.append(lstPaperSize->item(row)->text());
    if (listed != v.paperNames) {
        lstPaperSize->clear();
        lstPaperSize->addItems(v.paperNames);
    }
    lstPaperSize->setCurrentRow(v.paperSelection);

    for (QLabel* label : lblUnits)
        label->setText(v.unitWord);
    lblMarginUnits->setText(v.marginUnitsLabel);

    SetText(txtWidth, v.widthText);
    SetText(txtHeight, v.heightText);
    SetText(txtOverlap, model_.OverlapText());
    txtWidth->setEnabled(v.sizeEditable);
    txtHeight->setEnabled(v.sizeEditable);

    const bool refill = shownMarginItems_ != v.marginItems;
    shownMarginItems_ = v.marginItems;
    for (size_t side = 0; side < cmbMargins.size(); ++side) {
        QComboBox* box = cmbMargins[side];
        if (refill) {
            box->clear();
            box->addItems(v.marginItems);
        }
        const QString& text = v.marginTexts[side];
        if (box->currentText() == text)
            continue;
        // On one of the offers the list opens there and the arrow keys step from there.
        if (const int item = box->findText(text); item >= 0)
            box->setCurrentIndex(item);
        else
            box->setEditText(text);
    }

    chkLock->setChecked(v.locked);
    lblSizeWithBorders->setText(v.sizeWithBorders);
    lblSizeWithoutBorders->setText(v.sizeWithoutBorders);
}

// --- Control events ---

void frmTileSize::opbUnits_Click(UnitCode units) {
    if (bBusy)
        return;
    model_.ChangeUnits(units, messages_);
    ShowCurrentPaper();
}

void frmTileSize::lstPaperSize_Click(int row) {
    if (bBusy || row < 0)
        return;
    // A refused move puts the selection back, as ShowCurrentPaper shows the model's.
    model_.SelectPaper(row, messages_);
    ShowCurrentPaper();
}

void frmTileSize::txtWidth_Change(const QString& text) {
    if (bBusy)
        return;
    model_.WidthChanged(text);
    ShowCurrentPaper();
}

void frmTileSize::txtHeight_Change(const QString& text) {
    if (bBusy)
        return;
    model_.HeightChanged(text);
    ShowCurrentPaper();
}

void frmTileSize::cmbMargins_Change(int side, const QString& text) {
    if (bBusy)
        return;
    model_.MarginChanged(side, text);
    ShowCurrentPaper();
}

void frmTileSize::cmbMargins_Click(int side, int item) {
    if (bBusy)
        return;
    model_.MarginItemSelected(side, item);
    ShowCurrentPaper();
}

void frmTileSize::chkLock_Click(bool checked) {
    if (bBusy)
        return;
    model_.SetLocked(checked);
    ShowCurrentPaper();
}

void frmTileSize::cmdBorderless_Click() {
    model_.SetBorderless();
    ShowCurrentPaper();
}

void frmTileSize::cmdReset_Click() {
    model_.ResetMargins();
    ShowCurrentPaper();
}

void frmTileSize::cmdPrinterMargins_Click() {
    const PaperPreset& paper = model_.CurrentPreset();
    const auto margins =
        PrinterMargins::For(printer_, {paper.dWidth, paper.dHeight}, model_.Units());
    if (!margins) {
        messages_.Critical(PrintTexts::PrinterMarginsTitle(), margins.error());
        return;
    }
    model_.SetMargins(*margins);
    ShowCurrentPaper();
}

void frmTileSize::cmdApply_Click() {
    ApplyPaperValues();
}

void frmTileSize::cmdOk_Click() {
    ApplyPaperValues();
    accept();
}

void frmTileSize::ApplyPaperValues() {
    const PaperChoice paper = model_.ApplyPaperValues(messages_);
    ShowCurrentPaper();
    emit paperValuesApplied(paper);
}

} // namespace tessellon
