#include "app/tiles_panel.h"

#include "app/form_widgets.h"
#include "common/string_table.h"
#include "layout/output_labels.h"
#include "layout/poster_state.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <array>

namespace tessellon {
namespace {

constexpr int kArrowPadSize = 72;

// The four-way arrow: a rounded pad with four triangles; `pressed` (0 none) is highlighted.
QPixmap ArrowPicture(int pressed, int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x8a, 0x96, 0xa3), 1));
    p.setBrush(QColor(0xf0, 0xf3, 0xf6));
    p.drawRoundedRect(QRectF(1, 1, size - 2, size - 2), size * 0.18, size * 0.18);
    const double c = size / 2.0;
    const double near = size * 0.17;
    const double far = size * 0.44;
    const double half = size * 0.15;
    for (int d = 1; d <= 4; ++d) {
        QPainterPath tri;
        switch (d) {
        case kArrowUp:
            tri.moveTo(c, c - far);
            tri.lineTo(c - half, c - near);
            tri.lineTo(c + half, c - near);
            break;
        case kArrowRight:
            tri.moveTo(c + far, c);
            tri.lineTo(c + near, c - half);
            tri.lineTo(c + near, c + half);
            break;
        case kArrowDown:
            tri.moveTo(c, c + far);
            tri.lineTo(c - half, c + near);
            tri.lineTo(c + half, c + near);
            break;
        default:
            tri.moveTo(c - far, c);
            tri.lineTo(c - near, c - half);
            tri.lineTo(c - near, c + half);
            break;
        }
        tri.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(d == pressed ? QColor(0xd9, 0x3f, 0x3f) : QColor(0x3d, 0x5a, 0x80));
        p.drawPath(tri);
    }
    p.setBrush(QColor(0x3d, 0x5a, 0x80));
    p.drawEllipse(QPointF(c, c), size * 0.06, size * 0.06);
    return pm;
}

} // namespace

TilesPanel::TilesPanel(QWidget* parent) : QWidget(parent) {
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    Label11 = StepTitle(this, "Label11");
    v->addWidget(Label11);
    v->addWidget(BuildTileCounts());
    v->addWidget(BuildPlacement());
    v->addWidget(BuildPosterSize());

    connect(cmbTilesWide, &QComboBox::currentIndexChanged, this, &TilesPanel::tilesWideChosen);
    connect(cmbTilesHigh, &QComboBox::currentIndexChanged, this, &TilesPanel::tilesHighChosen);
    connect(chkLockWh, &QCheckBox::toggled, this, &TilesPanel::lockToggled);
    connect(cmdPosterSize, &QPushButton::clicked, this, &TilesPanel::posterSizeRequested);
    connect(cmdFitPhoto, &QPushButton::clicked, this, &TilesPanel::fitPhotoRequested);
    connect(scrZoom, &QScrollBar::valueChanged, this, [this](int value) {
        lblZoomAmount->setText(TilePlacement::ZoomLabel(value));
        emit zoomChanged(value);
    });
}

QWidget* TilesPanel::BuildTileCounts() {
    fraNumberTiles = Named(new QGroupBox(this), "fraNumberTiles");
    auto* n = new QGridLayout(fraNumberTiles);
    cmbTilesWide = Named(new QComboBox(fraNumberTiles), "cmbTilesWide");
    cmbTilesHigh = Named(new QComboBox(fraNumberTiles), "cmbTilesHigh");
    for (int i = 1; i <= PosterState::kMaxTiles; ++i) {
        cmbTilesWide->addItem(QString::number(i));
        cmbTilesHigh->addItem(QString::number(i));
    }
    cmbTilesWide->setMaxVisibleItems(PosterState::kMaxTiles);
    cmbTilesHigh->setMaxVisibleItems(PosterState::kMaxTiles);
    lblTilesWide = NamedLabel(fraNumberTiles, "lblTilesWide");
    lblTilesHigh = NamedLabel(fraNumberTiles, "lblTilesHigh");
    chkLockWh = Named(new QCheckBox(fraNumberTiles), "chkLockWh");
    // The commands that choose the counts for the user stand at the right of them.
    cmdPosterSize = Named(new QPushButton(fraNumberTiles), "cmdPosterSize");
    cmdFitPhoto = Named(new QPushButton(fraNumberTiles), "cmdFitPhoto");
    cmdFitPhoto->setEnabled(false);
    n->addWidget(cmbTilesWide, 0, 0);
    n->addWidget(lblTilesWide, 0, 1);
    n->addWidget(new QLabel(QStringLiteral("x"), fraNumberTiles), 0, 2);
    n->addWidget(cmbTilesHigh, 0, 3);
    n->addWidget(lblTilesHigh, 0, 4);
    n->setColumnStretch(5, 1);
    n->addWidget(cmdPosterSize, 0, 6);
    n->addWidget(chkLockWh, 1, 0, 1, 6);
    n->addWidget(cmdFitPhoto, 1, 6);
    return fraNumberTiles;
}

QWidget* TilesPanel::BuildPlacement() {
    fraTilePlacement = Named(new QGroupBox(this), "fraTilePlacement");
    auto* p = new QGridLayout(fraTilePlacement);
    lblZoom = NamedLabel(fraTilePlacement, "lblZoom");
    scrZoom = Named(new QScrollBar(Qt::Horizontal, fraTilePlacement), "scrZoom");
    scrZoom->setRange(0, PosterState::kMaxZoom);
    scrZoom->setSingleStep(5);
    scrZoom->setPageStep(25);
    scrZoom->setMinimumHeight(18);
    lblZoomAmount = NamedLabel(fraTilePlacement, "lblZoomAmount");
    lblZoomAmount->setMinimumWidth(
        lblZoomAmount->fontMetrics().horizontalAdvance(QStringLiteral("(400%)")) + 4);
    p->addWidget(lblZoom, 0, 0);
    p->addWidget(scrZoom, 0, 1, 1, 2);
    p->addWidget(lblZoomAmount, 0, 3);
    arrowPad = Named(new QWidget(fraTilePlacement), "arrowPad");
    arrowPad->setFixedSize(kArrowPadSize, kArrowPadSize);
    arrowPad->installEventFilter(this);
    arrowPad->setCursor(Qt::PointingHandCursor);
    const std::array<std::pair<QLabel**, const char*>, 5> arrows{
        {{&imgArrow, "imgArrow"},
         {&imgArrow_Up, "imgArrow_Up"},
         {&imgArrow_right, "imgArrow_right"},
         {&imgArrow_down, "imgArrow_down"},
         {&imgArrow_left, "imgArrow_left"}}};
    for (int d = 0; d < 5; ++d) {
        QLabel* l = NamedLabel(arrowPad, arrows[d].second);
        l->setPixmap(ArrowPicture(d, kArrowPadSize));
        l->setGeometry(0, 0, kArrowPadSize, kArrowPadSize);
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
        l->setVisible(d == 0);
        *arrows[d].first = l;
    }
    p->addWidget(arrowPad, 1, 0, 2, 1);
    lblHorizontal = NamedLabel(fraTilePlacement, "lblHorizontal");
    lblVertical = NamedLabel(fraTilePlacement, "lblVertical");
    lblLrValue = NamedLabel(fraTilePlacement, "lblLrValue");
    lblTbValue = NamedLabel(fraTilePlacement, "lblTbValue");
    p->addWidget(lblHorizontal, 1, 1);
    p->addWidget(lblLrValue, 1, 2, 1, 2);
    p->addWidget(lblVertical, 2, 1);
    p->addWidget(lblTbValue, 2, 2, 1, 2);
    p->setColumnStretch(2, 1);
    return fraTilePlacement;
}

QWidget* TilesPanel::BuildPosterSize() {
    fraPosterSize = Named(new QGroupBox(this), "fraPosterSize");
    auto* f = new QFormLayout(fraPosterSize);
    f->setLabelAlignment(Qt::AlignLeft);
    lblSizeCaption = NamedLabel(fraPosterSize, "lblSizeCaption");
    lblResolutionCaption = NamedLabel(fraPosterSize, "lblResolutionCaption");
    lblMPixCaption = NamedLabel(fraPosterSize, "lblMPixCaption");
    lblQualityCaption = NamedLabel(fraPosterSize, "lblQualityCaption");
    lblFinalSize = NamedLabel(fraPosterSize, "lblFinalSize");
    lblResolution = NamedLabel(fraPosterSize, "lblResolution");
    lblMPixVal = NamedLabel(fraPosterSize, "lblMPixVal");
    lblQuality = NamedLabel(fraPosterSize, "lblQuality");
    lblPhotoShareCaption = NamedLabel(fraPosterSize, "lblPhotoShareCaption");
    lblPhotoShare = NamedLabel(fraPosterSize, "lblPhotoShare");
    lblPhotoShare->setWordWrap(true);
    lblPhotoShare->setText(QStringLiteral("---"));
    for (QLabel* l : {lblFinalSize, lblResolution, lblMPixVal, lblQuality, lblPhotoShare}) {
        QFont bf = l->font();
        bf.setBold(true);
        l->setFont(bf);
    }
    f->addRow(lblSizeCaption, lblFinalSize);
    f->addRow(lblResolutionCaption, lblResolution);
    f->addRow(lblMPixCaption, lblMPixVal);
    f->addRow(lblQualityCaption, lblQuality);
    // The share takes two lines in the column's width.
    lblPhotoShare->setMinimumHeight(lblPhotoShare->fontMetrics().lineSpacing() * 2);
    f->addRow(lblPhotoShareCaption, lblPhotoShare);
    return fraPosterSize;
}

void TilesPanel::AssignTexts() {
    fraPosterSize->setTitle(T(str::FinalPosterSize));
    lblMPixCaption->setText(T(str::MegaPixels));
    lblMPixCaption->setToolTip(T(str::MegaPixelsTip));
    lblMPixVal->setToolTip(T(str::MegaPixelsValueTip));
    lblSizeCaption->setText(T(str::SizeCaption));
    lblSizeCaption->setToolTip(T(str::SizeTip));
    lblFinalSize->setToolTip(T(str::SizeValueTip));
    lblResolutionCaption->setText(T(str::ResolutionCaption));
    lblResolutionCaption->setToolTip(T(str::ResolutionTip));
    lblResolution->setToolTip(T(str::ResolutionValueTip));
    lblQualityCaption->setText(T(str::QualityCaption));
    lblQuality->setToolTip(T(str::QualityTip));
    lblPhotoShareCaption->setText(T(str::PhotoShareCaption));
    lblPhotoShareCaption->setToolTip(T(str::PhotoShareTip));
    lblPhotoShare->setToolTip(T(str::PhotoShareTip));
    cmdPosterSize->setText(T(str::PosterSizeCommand));
    cmdPosterSize->setToolTip(T(str::PosterSizeTip));
    cmdFitPhoto->setText(T(str::FitPhotoCaption));
    cmdFitPhoto->setToolTip(T(str::FitPhotoTip));
    fraTilePlacement->setTitle(T(str::TilePlacement));
    for (QWidget* w : {static_cast<QWidget*>(arrowPad), static_cast<QWidget*>(imgArrow),
                       static_cast<QWidget*>(imgArrow_Up), static_cast<QWidget*>(imgArrow_right),
                       static_cast<QWidget*>(imgArrow_down), static_cast<QWidget*>(imgArrow_left)})
        w->setToolTip(T(str::ArrowTip));
    lblVertical->setText(T(str::Vertical));
    lblHorizontal->setText(T(str::Horizontal));
    lblLrValue->setText(T(str::LrInitial));
    lblLrValue->setToolTip(T(str::LrTip));
    lblTbValue->setText(T(str::TbInitial));
    lblTbValue->setToolTip(T(str::TbTip));
    lblZoomAmount->setToolTip(T(str::ZoomAmountTip));
    scrZoom->setToolTip(T(str::ZoomAmountTip));
    lblZoomAmount->setText(TilePlacement::ZoomLabel(scrZoom->value()));
    lblZoom->setText(T(str::Zoom));
    fraNumberTiles->setTitle(T(str::NumberOfTiles));
    chkLockWh->setText(T(str::LockWh));
    chkLockWh->setToolTip(T(str::LockWhTip));
    cmbTilesWide->setToolTip(T(str::TilesWideTip));
    cmbTilesHigh->setToolTip(T(str::TilesHighTip));
    lblTilesHigh->setText(T(str::High));
    lblTilesWide->setText(T(str::Wide));
    Label11->setText(T(str::Step3));
}

void TilesPanel::ShowSettings(int tilesWideIndex, int tilesHighIndex, bool lockWh, int zoom) {
    const QSignalBlocker b1(cmbTilesWide), b2(cmbTilesHigh), b3(chkLockWh), b4(scrZoom);
    cmbTilesWide->setCurrentIndex(tilesWideIndex);
    cmbTilesHigh->setCurrentIndex(tilesHighIndex);
    chkLockWh->setChecked(lockWh);
    scrZoom->setValue(zoom);
    lblZoomAmount->setText(TilePlacement::ZoomLabel(zoom));
}

void TilesPanel::SetTilesWide(int index) {
    if (cmbTilesWide->currentIndex() != index)
        cmbTilesWide->setCurrentIndex(index);
}

void TilesPanel::SetTilesHigh(int index) {
    if (cmbTilesHigh->currentIndex() != index)
        cmbTilesHigh->setCurrentIndex(index);
}

void TilesPanel::UntickLock() {
    chkLockWh->setChecked(false);
}

void TilesPanel::ShowPhotoShare(const QString& text) {
    lblPhotoShare->setText(text);
}

void TilesPanel::EnableFitPhoto(bool on) {
    cmdFitPhoto->setEnabled(on);
}

void TilesPanel::ShowOutputMetrics(const OutputLabels& labels) {
    lblFinalSize->setText(labels.finalSize);
    lblResolution->setText(labels.resolution);
    lblMPixVal->setText(labels.megaPixels);
    lblQuality->setText(labels.quality);
}

void TilesPanel::ShowPlacement(const PlacementLabels& labels) {
    lblLrValue->setText(labels.horizontal);
    lblTbValue->setText(labels.vertical);
}

void TilesPanel::ShowArrow(ArrowDirection direction) {
    const std::array<QLabel*, 5> images{imgArrow, imgArrow_Up, imgArrow_right, imgArrow_down,
                                        imgArrow_left};
    for (int i = 0; i < 5; ++i)
        images[static_cast<size_t>(i)]->setVisible(i == direction);
}

bool TilesPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched != arrowPad)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress) {
        auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() == Qt::LeftButton) {
            const QPointF pos = me->position();
            if (const auto d = TilePlacement::ArrowHitTest(pos.x(), pos.y(), arrowPad->width(),
                                                           arrowPad->height())) {
                ShowArrow(*d);
                emit arrowHeld(*d);
            }
        }
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            ShowArrow(kArrowNone);
            emit arrowHeld(kArrowNone);
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tessellon
