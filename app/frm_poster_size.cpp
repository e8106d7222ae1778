#include "app/frm_poster_size.h"

#include "app/form_widgets.h"
#include "layout/poster_state.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tessellon {
namespace {

// The unit a bare number of the window is in: centimetres beside millimetre paper, as the
// poster's size is shown, else inches.
LengthUnit FieldUnit(const PosterState& poster) {
    return IsMillimeters(poster.iCurUnits) ? LengthUnit::Centimetre : LengthUnit::Inch;
}

} // namespace

frmPosterSize::frmPosterSize(const PosterState& poster, QWidget* parent)
    : QDialog(parent), poster_(poster) {
    setObjectName(QStringLiteral("frmPosterSize"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    BuildControls();
    SetTexts();
    connect(txtWidth, &QLineEdit::textChanged, this, &frmPosterSize::UpdateList);
    connect(txtHeight, &QLineEdit::textChanged, this, &frmPosterSize::UpdateList);
    connect(spnMaxSheets, &QSpinBox::valueChanged, this, &frmPosterSize::UpdateList);
    connect(chkWholePhoto, &QCheckBox::toggled, this, &frmPosterSize::UpdateList);
    connect(lstArrangements, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { cmdUse->setEnabled(item != nullptr); });
    connect(lstArrangements, &QTreeWidget::itemDoubleClicked, this, &frmPosterSize::cmdUse_Click);
    connect(cmdUse, &QPushButton::clicked, this, &frmPosterSize::cmdUse_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    UpdateList();
}

int frmPosterSize::ShowPosterSizeDialog(const PosterState& poster, QWidget* parent,
                                        const std::function<void(const Arrangement&)>& apply) {
    frmPosterSize dialog(poster, parent);
    const int result = dialog.exec();
    if (result == QDialog::Accepted && dialog.Chosen() && apply)
        apply(*dialog.Chosen());
    return result;
}

void frmPosterSize::BuildControls() {
    lblIntro = Named(new QLabel(this), "lblIntro");
    lblIntro->setWordWrap(true);
    lblWidth = NamedLabel(this, "lblWidth");
    txtWidth = Named(new QLineEdit(this), "txtWidth");
    lblHeight = NamedLabel(this, "lblHeight");
    txtHeight = Named(new QLineEdit(this), "txtHeight");
    lblMaxSheets = NamedLabel(this, "lblMaxSheets");
    spnMaxSheets = Named(new QSpinBox(this), "spnMaxSheets");
    spnMaxSheets->setRange(0, PosterState::kMaxTiles * PosterState::kMaxTiles);
    chkWholePhoto = Named(new QCheckBox(this), "chkWholePhoto");
    // Without a photo there is nothing to keep whole.
    chkWholePhoto->setEnabled(poster_.bImgSelected);
    lblWidth->setBuddy(txtWidth);
    lblHeight->setBuddy(txtHeight);
    lblMaxSheets->setBuddy(spnMaxSheets);

    auto* fields = new QGridLayout;
    fields->addWidget(lblWidth, 0, 0);
    fields->addWidget(txtWidth, 0, 1);
    fields->addWidget(lblHeight, 0, 2);
    fields->addWidget(txtHeight, 0, 3);
    fields->addWidget(lblMaxSheets, 1, 0);
    fields->addWidget(spnMaxSheets, 1, 1);
    fields->addWidget(chkWholePhoto, 1, 2, 1, 2);
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(3, 1);

    lstArrangements = Named(new QTreeWidget(this), "lstArrangements");
    lstArrangements->setRootIsDecorated(false);
    lstArrangements->setAllColumnsShowFocus(true);
    lstArrangements->setColumnCount(4);
    lstArrangements->setMinimumSize(560, 220);
    lstArrangements->header()->setStretchLastSection(true);
    lblStatus = Named(new QLabel(this), "lblStatus");
    lblStatus->setWordWrap(true);

    cmdUse = Named(new QPushButton(this), "cmdUse");
    cmdUse->setDefault(true);
    cmdClose = Named(new QPushButton(this), "cmdClose");
    cmdClose->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdUse);
    buttons->addWidget(cmdClose);

    auto* v = new QVBoxLayout(this);
    v->addWidget(lblIntro);
    v->addLayout(fields);
    v->addWidget(lstArrangements, 1);
    v->addWidget(lblStatus);
    v->addLayout(buttons);
}

void frmPosterSize::SetTexts() {
    setWindowTitle(tr("Poster Size"));
    const QString unit = LengthUnitName(FieldUnit(poster_));
    lblIntro->setText(
        tr("Give the poster's width, its height, both, or at most how many sheets, in %1 (or "
           "type a unit: 120cm, 1.2m, 47in). Tessellon lists the tile counts and sheet turns "
           "that reach it with the current paper, margins, overlap and edge compensation, the "
           "closest first; zoom and centring stay as they are.")
            .arg(unit));
    lblWidth->setText(tr("&Width:"));
    txtWidth->setToolTip(tr("The poster at least this wide, in %1; empty for any width").arg(unit));
    lblHeight->setText(tr("&Height:"));
    txtHeight->setToolTip(
        tr("The poster at least this high, in %1; empty for any height").arg(unit));
    lblMaxSheets->setText(tr("At most &sheets:"));
    spnMaxSheets->setSpecialValueText(tr("any number"));
    spnMaxSheets->setToolTip(tr("Only arrangements of at most this many sheets"));
    chkWholePhoto->setText(tr("The whole &photo must show"));
    chkWholePhoto->setToolTip(tr("Only arrangements whose shape cuts at most 1 % off a side of "
                                 "the photo"));
    lstArrangements->setHeaderLabels(
        {tr("Tiles"), tr("Sheets"), tr("Final size"), tr("Photo shown")});
    for (int c = 0; c < lstArrangements->columnCount() - 1; ++c)
        lstArrangements->resizeColumnToContents(c);
    lstArrangements->setToolTip(tr("Best first: the closest to the size asked, then the one that "
                                   "keeps most of the photo, then the fewest sheets"));
    cmdUse->setText(tr("&Use This"));
    cmdUse->setToolTip(tr("Set the tile counts and the sheet turn of the chosen arrangement"));
    cmdClose->setText(tr("Close"));
}

std::optional<PosterSizeRequest> frmPosterSize::Request() {
    PosterSizeRequest request;
    const LengthUnit bare = FieldUnit(poster_);
    for (QLineEdit* field : {txtWidth, txtHeight}) {
        const QString text = field->text().trimmed();
        if (text.isEmpty())
            continue;
        const auto inches = ParseLength(text, bare, LengthUnit::Inch);
        if (!inches || !(*inches > 0)) {
            lblStatus->setText(tr("%1 is no length: give %2.")
                                   .arg(field == txtWidth ? tr("The width") : tr("The height"),
                                        LengthFormatHint(bare)));
            return std::nullopt;
        }
        (field == txtWidth ? request.width : request.height) = *inches;
    }
    if (spnMaxSheets->value() > 0)
        request.maxSheets = spnMaxSheets->value();
    request.wholePhoto = chkWholePhoto->isChecked() && chkWholePhoto->isEnabled();
    return request;
}

void frmPosterSize::UpdateList() {
    lstArrangements->clear();
    listed_.clear();
    cmdUse->setEnabled(false);
    const auto request = Request();
    if (!request)
        return;
    if (!request->width && !request->height && !request->maxSheets) {
        lblStatus->setText(tr("Give a width, a height or a number of sheets."));
        return;
    }
    const auto base = poster_.UprightGeometryInput();
    if (!base) {
        lblStatus->setText(poster_.InvalidTileSizeText());
        return;
    }
    // Without a photo the arrangements' shares are unknown: the sizes alone count.
    PosterGeometryInput in = *base;
    if (!poster_.bImgSelected)
        in.imageWidth = in.imageHeight = 0;
    listed_ = PosterArrangements::Reaching(in, *request);
    if (listed_.empty()) {
        lblStatus->setText(PosterArrangements::NothingReachesText(*request, poster_.iCurUnits) +
                           u'.');
        return;
    }
    const qsizetype found = static_cast<qsizetype>(listed_.size());
    if (found > kMaxListed)
        listed_.resize(kMaxListed);
    for (const ArrangementResult& r : listed_) {
        const Arrangement& a = r.arrangement;
        auto* item = new QTreeWidgetItem(lstArrangements);
        item->setText(0, tr("%1 x %2").arg(a.tilesWide).arg(a.tilesHigh));
        item->setText(1, tr("%1, %2").arg(a.Sheets()).arg(a.turned ? tr("turned") : tr("upright")));
        item->setText(2,
                      PosterState::FinalSizeText(r.posterWidth, r.posterHeight, poster_.iCurUnits));
        item->setText(3, r.share ? PosterState::PhotoShareText(*r.share) : QStringLiteral("---"));
    }
    for (int c = 0; c < lstArrangements->columnCount() - 1; ++c)
        lstArrangements->resizeColumnToContents(c);
    lstArrangements->setCurrentItem(lstArrangements->topLevelItem(0));
    lblStatus->setText(
        found > kMaxListed
            ? tr("%1 arrangements reach it; the best %2 are listed.").arg(found).arg(kMaxListed)
        : found == 1 ? tr("1 arrangement reaches it.")
                     : tr("%1 arrangements reach it.").arg(found));
}

void frmPosterSize::cmdUse_Click() {
    const int row = lstArrangements->indexOfTopLevelItem(lstArrangements->currentItem());
    if (row < 0 || row >= int(listed_.size()))
        return;
    chosen_ = listed_[size_t(row)].arrangement;
    accept();
}

} // namespace tessellon
