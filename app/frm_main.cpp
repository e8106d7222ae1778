#include "app/frm_main.h"

#include "app/app_version.h"
#include "app/folder_tree.h"
#include "app/form_widgets.h"
#include "app/prefs_io.h"
#include "common/message_service.h"
#include "common/string_table.h"
#include "paper/paper_model.h"
#include "settings/pref_formats.h"
#include "settings/settings_store.h"
#include "source/image_loader.h"
#include "source/status_pictures.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tessellon {
namespace {

QString T(int id) {
    return StringTable::Text(id);
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text = {}) {
    return Named(new QLabel(text, parent), name);
}

QLabel* StepLabel(QWidget* parent, const char* name) {
    auto* l = MakeLabel(parent, name);
    QFont f = l->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.1);
    l->setFont(f);
    l->setStyleSheet(QStringLiteral("color: #1f4f8a;"));
    return l;
}

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

frmMain::frmMain(SettingsStore& settings, MessageService& messages, QWidget* parent)
    : QMainWindow(parent), settings_(settings), messages_(messages),
      profileStore_(std::make_unique<ProfileStore>(settings, &messages)) {
    setObjectName(QStringLiteral("frmMain"));
    setAcceptDrops(true);
    BuildUi();
    ConnectHandlers();
}

frmMain::~frmMain() {
    if (overrideCursor_)
        QApplication::restoreOverrideCursor();
}

// ---------------------------------------------------------------------------------------------
// Building the form

void frmMain::BuildUi() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralForm"));
    central->setMouseTracking(true);
    central->installEventFilter(this);
    auto* columns = new QHBoxLayout(central);
    columns->setContentsMargins(10, 8, 10, 10);
    columns->setSpacing(12);
    columns->addWidget(BuildStep1(), 0);
    columns->addWidget(BuildPreviewColumn(), 1);
    auto* right = new QWidget(central);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(BuildStep2());
    rightLayout->addSpacing(6);
    rightLayout->addWidget(BuildStep3());
    rightLayout->addStretch(1);
    lblStep4 = StepLabel(right, "lblStep4");
    lblStep4->setWordWrap(true);
    rightLayout->addWidget(lblStep4);
    cmdSaveNow = Named(new QPushButton(right), "cmdSaveNow");
    cmdSaveNow->setMinimumHeight(34);
    QFont bold = cmdSaveNow->font();
    bold.setBold(true);
    cmdSaveNow->setFont(bold);
    rightLayout->addWidget(cmdSaveNow);
    rightLayout->addSpacing(8);
    cmdQuit = Named(new QPushButton(right), "cmdQuit");
    auto* quitRow = new QHBoxLayout;
    quitRow->addStretch(1);
    quitRow->addWidget(cmdQuit);
    rightLayout->addLayout(quitRow);
    right->setFixedWidth(std::max(340, right->minimumSizeHint().width()));
    columns->addWidget(right, 0);
    setCentralWidget(central);

    tmrLoadingImg = Named(new QTimer(this), "tmrLoadingImg");
    tmrLoadingImg->setInterval(120);
    tmrImg = Named(new QTimer(this), "tmrImg");
    tmrImg->setInterval(TilePlacement::kArrowIntervalMs);
    tmrAppEnd = Named(new QTimer(this), "tmrAppEnd");
    tmrAppEnd->setSingleShot(true);
    tmrAppEnd->setInterval(0);
    picResizeTimer_ = new QTimer(this);
    picResizeTimer_->setSingleShot(true);
    picResizeTimer_->setInterval(80);

    mnuFile = Named(menuBar()->addMenu(QString()), "mnuFile");
    mnuOpen = Named(mnuFile->addAction(QString()), "mnuOpen");
    mnuOpen->setShortcut(QKeySequence::Open);
    mnuFile->addSeparator();
    mnuExit = Named(mnuFile->addAction(QString()), "mnuExit");
    mnuTools = Named(menuBar()->addMenu(QString()), "mnuTools");
    mnuPaperSize = Named(mnuTools->addAction(QString()), "mnuPaperSize");
    mnuEdgeClip = Named(mnuTools->addAction(QString()), "mnuEdgeClip");
    mnuHelp = Named(menuBar()->addMenu(QString()), "mnuHelp");
    mnuContent = Named(mnuHelp->addAction(QString()), "mnuContent");
    mnuAbout = Named(mnuHelp->addAction(QString()), "mnuAbout");

    AssignTexts();
}

QWidget* frmMain::BuildStep1() {
    auto* box = new QWidget(this);
    box->setObjectName(QStringLiteral("step1"));
    auto* v = new QVBoxLayout(box);
    v->setContentsMargins(0, 0, 0, 0);
    lblStep1 = StepLabel(box, "lblStep1");
    v->addWidget(lblStep1);
    auto* shortcuts = new QHBoxLayout;
    cmdMyDoc = Named(new QPushButton(box), "cmdMyDoc");
    cmdDesktop = Named(new QPushButton(box), "cmdDesktop");
    shortcuts->addWidget(cmdMyDoc);
    shortcuts->addWidget(cmdDesktop);
    v->addLayout(shortcuts);
    Drive1 = Named(new QComboBox(box), "Drive1");
    v->addWidget(Drive1);
    Dir1 = Named(new QTreeView(box), "Dir1");
    folderTree_ = new FolderTree(Drive1, Dir1, this);
    Dir1->setMouseTracking(true);
    Dir1->viewport()->installEventFilter(this);
    v->addWidget(Dir1, 3);
    cmbFileType = Named(new QComboBox(box), "cmbFileType");
    v->addWidget(cmbFileType);
    lstFiles = Named(new QListWidget(box), "lstFiles");
    lstFiles->setSelectionMode(QAbstractItemView::SingleSelection);
    v->addWidget(lstFiles, 4);
    box->setFixedWidth(std::max(260, box->minimumSizeHint().width()));
    return box;
}

QWidget* frmMain::BuildPreviewColumn() {
    auto* box = new QWidget(this);
    auto* v = new QVBoxLayout(box);
    v->setContentsMargins(0, 0, 0, 0);
    // Aligns the picture's top with the first frame of the other columns.
    QLabel* spacer = StepLabel(box, "");
    spacer->setText(QStringLiteral(" "));
    v->addWidget(spacer);
    picCur = Named(new PictureBox(box), "picCur");
    picCur->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    v->addWidget(picCur, 1);
    auto* row = new QHBoxLayout;
    chkPreviewTiles = Named(new QCheckBox(box), "chkPreviewTiles");
    cmbRotate = Named(new QComboBox(box), "cmbRotate");
    chkRotateTiles = Named(new QCheckBox(box), "chkRotateTiles");
    cmdLargePreview = Named(new QPushButton(box), "cmdLargePreview");
    row->addWidget(chkPreviewTiles);
    row->addSpacing(8);
    row->addWidget(cmbRotate);
    row->addSpacing(8);
    row->addWidget(chkRotateTiles);
    row->addStretch(1);
    row->addWidget(cmdLargePreview);
    v->addLayout(row);
    return box;
}

QWidget* frmMain::BuildStep2() {
    auto* box = new QWidget(this);
    auto* v = new QVBoxLayout(box);
    v->setContentsMargins(0, 0, 0, 0);
    Label7 = StepLabel(box, "Label7");
    v->addWidget(Label7);
    fraPrintInfo = Named(new QGroupBox(box), "fraPrintInfo");
    auto* g = new QGridLayout(fraPrintInfo);
    g->setHorizontalSpacing(10);
    lblPaperCaption = MakeLabel(fraPrintInfo, "lblPaperCaption");
    lblPaperSizeCaption = MakeLabel(fraPrintInfo, "lblPaperSizeCaption");
    lblTrimmedCaption = MakeLabel(fraPrintInfo, "lblTrimmedCaption");
    lblUnitsCaption = MakeLabel(fraPrintInfo, "lblUnitsCaption");
    lblPaperName = MakeLabel(fraPrintInfo, "lblPaperName");
    lblPaperName->setWordWrap(true);
    lblPaperSize = MakeLabel(fraPrintInfo, "lblPaperSize");
    lblTileSize = MakeLabel(fraPrintInfo, "lblTileSize");
    lblUnits = MakeLabel(fraPrintInfo, "lblUnits");
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
    lblOverlapCaption = MakeLabel(fraPrintInfo, "lblOverlapCaption");
    lblOverlap = MakeLabel(fraPrintInfo, "lblOverlap");
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
    return box;
}

QWidget* frmMain::BuildStep3() {
    auto* box = new QWidget(this);
    auto* v = new QVBoxLayout(box);
    v->setContentsMargins(0, 0, 0, 0);

    Label11 = StepLabel(box, "Label11");
    v->addWidget(Label11);
    fraNumberTiles = Named(new QGroupBox(box), "fraNumberTiles");
    auto* n = new QGridLayout(fraNumberTiles);
    cmbTilesWide = Named(new QComboBox(fraNumberTiles), "cmbTilesWide");
    cmbTilesHigh = Named(new QComboBox(fraNumberTiles), "cmbTilesHigh");
    for (int i = 1; i <= PosterState::kMaxTiles; ++i) {
        cmbTilesWide->addItem(QString::number(i));
        cmbTilesHigh->addItem(QString::number(i));
    }
    cmbTilesWide->setMaxVisibleItems(PosterState::kMaxTiles);
    cmbTilesHigh->setMaxVisibleItems(PosterState::kMaxTiles);
    lblTilesWide = MakeLabel(fraNumberTiles, "lblTilesWide");
    lblTilesHigh = MakeLabel(fraNumberTiles, "lblTilesHigh");
    chkLockWh = Named(new QCheckBox(fraNumberTiles), "chkLockWh");
    n->addWidget(cmbTilesWide, 0, 0);
    n->addWidget(lblTilesWide, 0, 1);
    n->addWidget(new QLabel(QStringLiteral("x"), fraNumberTiles), 0, 2);
    n->addWidget(cmbTilesHigh, 0, 3);
    n->addWidget(lblTilesHigh, 0, 4);
    n->setColumnStretch(5, 1);
    n->addWidget(chkLockWh, 1, 0, 1, 6);
    v->addWidget(fraNumberTiles);

    fraTilePlacement = Named(new QGroupBox(box), "fraTilePlacement");
    auto* p = new QGridLayout(fraTilePlacement);
    lblZoom = MakeLabel(fraTilePlacement, "lblZoom");
    scrZoom = Named(new QScrollBar(Qt::Horizontal, fraTilePlacement), "scrZoom");
    scrZoom->setRange(0, PosterState::kMaxZoom);
    scrZoom->setSingleStep(5);
    scrZoom->setPageStep(25);
    scrZoom->setMinimumHeight(18);
    lblZoomAmount = MakeLabel(fraTilePlacement, "lblZoomAmount");
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
        QLabel* l = MakeLabel(arrowPad, arrows[d].second);
        l->setPixmap(ArrowPicture(d, kArrowPadSize));
        l->setGeometry(0, 0, kArrowPadSize, kArrowPadSize);
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
        l->setVisible(d == 0);
        *arrows[d].first = l;
    }
    p->addWidget(arrowPad, 1, 0, 2, 1);
    lblHorizontal = MakeLabel(fraTilePlacement, "lblHorizontal");
    lblVertical = MakeLabel(fraTilePlacement, "lblVertical");
    lblLrValue = MakeLabel(fraTilePlacement, "lblLrValue");
    lblTbValue = MakeLabel(fraTilePlacement, "lblTbValue");
    p->addWidget(lblHorizontal, 1, 1);
    p->addWidget(lblLrValue, 1, 2, 1, 2);
    p->addWidget(lblVertical, 2, 1);
    p->addWidget(lblTbValue, 2, 2, 1, 2);
    p->setColumnStretch(2, 1);
    v->addWidget(fraTilePlacement);

    fraPosterSize = Named(new QGroupBox(box), "fraPosterSize");
    auto* f = new QFormLayout(fraPosterSize);
    f->setLabelAlignment(Qt::AlignLeft);
    lblSizeCaption = MakeLabel(fraPosterSize, "lblSizeCaption");
    lblResolutionCaption = MakeLabel(fraPosterSize, "lblResolutionCaption");
    lblMPixCaption = MakeLabel(fraPosterSize, "lblMPixCaption");
    lblQualityCaption = MakeLabel(fraPosterSize, "lblQualityCaption");
    lblFinalSize = MakeLabel(fraPosterSize, "lblFinalSize");
    lblResolution = MakeLabel(fraPosterSize, "lblResolution");
    lblMPixVal = MakeLabel(fraPosterSize, "lblMPixVal");
    lblQuality = MakeLabel(fraPosterSize, "lblQuality");
    for (QLabel* l : {lblFinalSize, lblResolution, lblMPixVal, lblQuality}) {
        QFont bf = l->font();
        bf.setBold(true);
        l->setFont(bf);
    }
    f->addRow(lblSizeCaption, lblFinalSize);
    f->addRow(lblResolutionCaption, lblResolution);
    f->addRow(lblMPixCaption, lblMPixVal);
    f->addRow(lblQualityCaption, lblQuality);
    v->addWidget(fraPosterSize);
    return box;
}

void frmMain::AssignTexts() {
    setWindowTitle(T(str::AppTitle) + QStringLiteral(" v") + GetAppVersionString());
    cmdMyDoc->setText(T(str::MyDocCaption));
    cmdMyDoc->setToolTip(T(str::MyDocTip));
    cmdDesktop->setText(T(str::DesktopCaption));
    cmdDesktop->setToolTip(T(str::DesktopTip));
    chkPreviewTiles->setText(T(str::ShowTiles));
    chkPreviewTiles->setToolTip(T(str::ShowTilesTip));
    chkRotateTiles->setText(T(str::RotateTiles));
    chkRotateTiles->setToolTip(T(str::RotateTilesTip));
    cmdLargePreview->setText(T(str::PreviewCaption));
    cmdLargePreview->setToolTip(T(str::PreviewTip));
    cmbRotate->setToolTip(T(str::RotateImageTip));
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
    cmdSaveNow->setText(T(str::SaveNow));
    cmdSaveNow->setToolTip(T(str::SaveNowTip));
    cmdQuit->setText(T(str::QuitCaption));
    cmdQuit->setToolTip(T(str::QuitTip));
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
    picCur->setToolTip(T(str::PicCurTip));
    cmbFileType->setToolTip(T(str::FileTypeTip));
    lstFiles->setToolTip(T(str::FilesTip));
    Dir1->setToolTip(T(str::DirTip));
    Drive1->setToolTip(T(str::DriveTip));
    lblStep4->setText(T(str::Step4) + QStringLiteral("-->"));
    Label11->setText(T(str::Step3));
    Label7->setText(T(str::Step2));
    lblStep1->setText(T(str::Step1));
    mnuFile->setTitle(T(str::MenuFile));
    mnuOpen->setText(QCoreApplication::translate("frmMain", "&Open..."));
    mnuExit->setText(T(str::MenuExit));
    mnuTools->setTitle(T(str::MenuTools));
    mnuPaperSize->setText(T(str::MenuPaperSize));
    mnuEdgeClip->setText(T(str::MenuEdgeClip));
    mnuHelp->setTitle(T(str::MenuHelp));
    mnuContent->setText(T(str::MenuContent));
    mnuAbout->setText(T(str::MenuAbout));

    // The fixed lists, with nothing selected yet.
    {
        const QSignalBlocker b1(cmbFileType);
        const QSignalBlocker b2(cmbRotate);
        cmbFileType->clear();
        cmbFileType->addItems(FileBrowser::FileTypeItems());
        cmbFileType->setCurrentIndex(-1);
        cmbRotate->clear();
        cmbRotate->addItems(TilePlacement::RotationItems());
        cmbRotate->setCurrentIndex(-1);
    }
}

void frmMain::ConnectHandlers() {
    connect(cmbTilesWide, &QComboBox::currentIndexChanged, this, &frmMain::cmbTilesWide_Click);
    connect(cmbTilesHigh, &QComboBox::currentIndexChanged, this, &frmMain::cmbTilesHigh_Click);
    connect(chkLockWh, &QCheckBox::toggled, this, &frmMain::chkLockWh_Click);
    connect(chkPreviewTiles, &QCheckBox::toggled, this, &frmMain::chkPreviewTiles_Click);
    connect(chkRotateTiles, &QCheckBox::toggled, this, &frmMain::chkRotateTiles_Click);
    connect(chkPrinterClips, &QCheckBox::toggled, this, &frmMain::chkPrinterClips_Click);
    connect(cmbCurBtm, &QComboBox::currentIndexChanged, this, &frmMain::cmbCurBtm_Click);
    connect(cmbRotate, &QComboBox::currentIndexChanged, this, &frmMain::cmbRotate_Click);
    connect(scrZoom, &QScrollBar::valueChanged, this, &frmMain::scrZoom_Change);
    connect(tmrImg, &QTimer::timeout, this, &frmMain::tmrImg_Timer);
    connect(tmrLoadingImg, &QTimer::timeout, this, &frmMain::tmrLoadingImg_Timer);
    connect(tmrAppEnd, &QTimer::timeout, this, [] { QCoreApplication::exit(0); });
    connect(picCur, &PictureBox::mousePressed, this, &frmMain::picCur_MouseDown);
    connect(picCur, &PictureBox::mouseMoved, this, &frmMain::picCur_MouseMove);
    connect(picCur, &PictureBox::mouseReleased, this,
            [this](Qt::MouseButton, QPointF pos) { picCur_MouseUp(pos); });
    connect(picCur, &PictureBox::resized, this, [this] {
        // Status pictures are cheap to draw; the preview is rebuilt once the resizing pauses.
        if (!state_.bImgSelected && statusKind_ != 0)
            ShowStatusPicture(statusKind_);
        else
            picResizeTimer_->start();
    });
    connect(picResizeTimer_, &QTimer::timeout, this, &frmMain::PicCurResized);
    connect(Drive1, &QComboBox::activated, this, &frmMain::Drive1_Change);
    connect(folderTree_, &FolderTree::folderChosen, this, &frmMain::Dir1_Change);
    connect(cmbFileType, &QComboBox::currentIndexChanged, this, &frmMain::cmbFileType_Click);
    connect(cmdMyDoc, &QPushButton::clicked, this, &frmMain::cmdMyDoc_Click);
    connect(cmdDesktop, &QPushButton::clicked, this, &frmMain::cmdDesktop_Click);
    connect(lstFiles, &QListWidget::itemSelectionChanged, this, &frmMain::lstFiles_Click);
    connect(cmdLargePreview, &QPushButton::clicked, this, &frmMain::cmdLargePreview_Click);
    connect(cmdSaveNow, &QPushButton::clicked, this, &frmMain::cmdSaveNow_Click);
    connect(cmdQuit, &QPushButton::clicked, this, &frmMain::EndProcess);
    connect(mnuExit, &QAction::triggered, this, &frmMain::EndProcess);
    connect(mnuOpen, &QAction::triggered, this, &frmMain::mnuOpen_Click);
    connect(cmdEditPaperSize, &QPushButton::clicked, this, &frmMain::paperDialogRequested);
    connect(mnuPaperSize, &QAction::triggered, this, &frmMain::paperDialogRequested);
    connect(cmdConfig, &QPushButton::clicked, this, [this] { emit edgeDialogRequested(true); });
    connect(mnuEdgeClip, &QAction::triggered, this, [this] { emit edgeDialogRequested(false); });
    connect(mnuContent, &QAction::triggered, this, &frmMain::helpContentsRequested);
    connect(mnuAbout, &QAction::triggered, this, &frmMain::aboutRequested);
    connect(&source_, &SourceImage::fullImageDecoded, this, &frmMain::FullImageDecoded);
}

// ---------------------------------------------------------------------------------------------
// Start-up and shut-down

void frmMain::Form_Load() {
    AssignTexts();
    state_.bSkipSettingWrite = true;
    InitFromPrefs();
    // The image objects live in source_ and previewCopy_ for the whole run.
    state_.bTileRotated = false;
    state_.iRotateAngle = 0;
    {
        const QSignalBlocker b(chkRotateTiles);
        chkRotateTiles->setChecked(false);
    }
    cmbRotate->setCurrentIndex(0); // no image yet: the handler does nothing
    FillFileList(false);
    setWindowTitle(T(str::AppTitle) + QStringLiteral(" v") + GetAppVersionString());
    state_.iHorzCenter = 100;
    state_.iVertCenter = 100;
    state_.bSkipSettingWrite = false;
    folders_ = SpecialFolders::LookUp();
}

void frmMain::InitFromPrefs() {
    state_.bApplyingPrefs = true;
    {
        const QSignalBlocker b(cmbFileType);
        cmbFileType->setCurrentIndex(0);
    }
    folderTree_->FillDriveList();
    QString folder = settings_.GetPref(PrefValue::LastFolder);
    QString drive = FileBrowser::DriveOf(folder);
    if (drive.isEmpty() || !FileBrowser::CanOpen(folder)) {
        folder = SpecialFolders::StartFolder();
        drive = FileBrowser::DriveOf(folder);
        if (drive.isEmpty() || !FileBrowser::CanOpen(folder))
            folder = drive = QDir::rootPath();
    }
    state_.sCurDrive = drive;
    folderTree_->SelectDrive(drive);
    folderTree_->ShowPath(folder);
    dir1Path_ = QDir::cleanPath(folder);
    LoadPrefs();
    UpdatePaperLabels();
    ApplyStateToControls();
    state_.bSkipSettingWrite = true;
    state_.bApplyingPrefs = false;
    UpdatePlacementLabels();
    // The profile position once more, now against the loaded profile table.
    const QString edge = settings_.GetPref(PrefValue::EdgeAdjust);
    LoadProfiles();
    cmbCurBtm->setCurrentIndex(ParseEdgeAdjustProfile(edge, cmbCurBtm->count()));
    state_.SetCurrentProfile(cmbCurBtm->currentIndex());
    UpdateOutputSize();
}

void frmMain::ApplyStateToControls() {
    const QSignalBlocker b1(cmbTilesWide), b2(cmbTilesHigh), b3(chkLockWh), b4(chkPreviewTiles),
        b5(chkPrinterClips), b6(scrZoom), b7(chkRotateTiles);
    cmbTilesWide->setCurrentIndex(state_.TilesWideIndex());
    cmbTilesHigh->setCurrentIndex(state_.TilesHighIndex());
    chkLockWh->setChecked(state_.LockWh());
    chkPreviewTiles->setChecked(state_.ShowTiles());
    chkPrinterClips->setChecked(state_.PrinterClips());
    cmbCurBtm->setEnabled(state_.PrinterClips());
    scrZoom->setValue(state_.Zoom());
    lblZoomAmount->setText(TilePlacement::ZoomLabel(state_.Zoom()));
    chkRotateTiles->setChecked(state_.bTileRotated);
}

void frmMain::closeEvent(QCloseEvent* event) {
    SavePrefs();
    if (frmPreview_)
        frmPreview_->close();
    event->accept();
    emit unloaded();
}

void frmMain::EndProcess() {
    tmrAppEnd->start();
}

void frmMain::SavePrefs() {
    tessellon::SavePrefs(settings_, state_);
}

void frmMain::LoadPrefs() {
    // The paper model reads the stored paper line as the paper dialog would, and hands the
    // sizes to the poster.
    auto loadPaper = [this](const QString& line) {
        PaperModel paper;
        paper.initPaperSizes();
        paper.setPrefFromRegLine(line);
        state_.RestorePaper(paper.getWhuValues());
        UpdatePaperLabels();
    };
    auto afterEdgeSwitch = [this] {
        chkPrinterClips->setChecked(state_.PrinterClips()); // bSkipOutputUpdate is set
        LoadProfiles();
    };
    tessellon::LoadPrefs(settings_, state_, loadPaper, afterEdgeSwitch);
}

void frmMain::LoadProfiles() {
    profileStore_->LoadProfiles();
    state_.SetProfileTable(&profileStore_->Table());
    fillMainDialog();
}

// ---------------------------------------------------------------------------------------------
// Poster state operations and the refresh

short frmMain::setNewTileVals(const QString& sNewCurPaperName, UnitCode iNewCurUnits,
                              double dNewCurTileWidth, double dNewCurTileHeight,
                              double dNewCurPaperWidth, double dNewCurPaperHeight,
                              const QString& sNewPaperRegLine) {
    state_.setNewTileVals(sNewCurPaperName, iNewCurUnits, dNewCurTileWidth, dNewCurTileHeight,
                          dNewCurPaperWidth, dNewCurPaperHeight, sNewPaperRegLine);
    Refresh(PosterChange::PaperAccepted);
    return 1;
}

void frmMain::ApplyPaper(const PaperChoice& paper) {
    state_.ApplyPaper(paper);
    Refresh(PosterChange::PaperAccepted);
}

void frmMain::Refresh(PosterChange change) {
    for (const RefreshEntry& entry : RefreshTable::Steps(change)) {
        if (!RefreshTable::Runs(entry, state_))
            continue;
        switch (entry.step) {
        case RefreshStep::PaperLabels:
            UpdatePaperLabels();
            break;
        case RefreshStep::OutputSize:
            UpdateOutputSize();
            break;
        case RefreshStep::TileGrid:
            DrawTileGrid();
            break;
        case RefreshStep::PlacementLabels:
            UpdatePlacementLabels();
            break;
        case RefreshStep::OutputButtons:
            EnableOutputButtons();
            break;
        case RefreshStep::CheckShownTiles:
            if (state_.ShowTiles() && !state_.CheckTileSizes().ok) {
                state_.ShowInvalidTileSizeMsg(messages_);
                chkPreviewTiles->setChecked(false); // announces the unticked box itself
                return;
            }
            break;
        case RefreshStep::SavePrefs:
            SavePrefs();
            break;
        case RefreshStep::SaveOverlap:
            tessellon::SaveOverlapPref(settings_, state_);
            break;
        case RefreshStep::EdgeHint:
            if (state_.PrinterClips() && IsInitialProfile())
                messages_.Information(T(str::EdgeIntroTitle), T(str::EdgeIntroText));
            break;
        }
    }
}

void frmMain::UpdatePaperLabels() {
    const PaperLabels labels = state_.UpdatePaperLabels();
    lblPaperSize->setText(labels.paperSize);
    lblTileSize->setText(labels.tileSize);
    lblPaperName->setText(labels.paperName);
    lblUnits->setText(labels.units);
    lblOverlap->setText(labels.overlap);
}

void frmMain::UpdateOutputSize() {
    const auto labels = state_.UpdateOutputSize();
    if (!labels)
        return;
    lblFinalSize->setText(labels->finalSize);
    lblResolution->setText(labels->resolution);
    lblMPixVal->setText(labels->megaPixels);
    lblQuality->setText(labels->quality);
    EnableOutputButtons();
}

void frmMain::EnableOutputButtons() {
    const bool on = state_.OutputButtonsEnabled();
    cmdSaveNow->setEnabled(on);
    cmdLargePreview->setEnabled(on);
}

void frmMain::UpdatePlacementLabels() {
    const PlacementLabels labels = TilePlacement::UpdatePlacementLabels(state_, geometry_);
    lblLrValue->setText(labels.horizontal);
    lblTbValue->setText(labels.vertical);
}

void frmMain::ShowPicture(const QImage& image) {
    statusKind_ = 0;
    picCur->SetImage(image);
}

void frmMain::DrawTileGrid() {
    if (!state_.bImgSelected)
        return;
    const TileCoordTable table =
        state_.CheckTileSizes().ok ? state_.CalcTileCoord() : TileCoordTable{};
    const auto drawing = PreviewRenderer::DrawTileGrid(
        previewCopy_.image, previewCopy_.dPreviewScale, table, state_.GetNumTilesWide(),
        state_.GetNumTilesHigh(), state_.dOverlap > 0);
    // The crop window is kept current even while the grid is hidden: the placement labels and
    // a drag on the picture depend on it.
    if (drawing)
        geometry_ = drawing->geometry;
    if (!chkPreviewTiles->isChecked()) {
        ShowPicture(previewCopy_.image);
        return;
    }
    if (!state_.CheckTileSizes().ok) {
        state_.ShowInvalidTileSizeMsg(messages_);
        chkPreviewTiles->setChecked(false);
        ShowPicture(previewCopy_.image);
        return;
    }
    if (!drawing) {
        messages_.Critical(T(str::Invalid), T(str::InvalidTileConfig));
        ShowPicture(previewCopy_.image);
        return;
    }
    ShowPicture(drawing->image);
}

void frmMain::BuildPreviewCopy() {
    previewCopy_ = PreviewRenderer::BuildPreviewCopy(source_.PreviewSource(), state_.lImgWidth,
                                                     state_.lImgHeight, picCur->size());
    state_.bImgSelected = true;
    Refresh(PosterChange::PreviewBuilt);
}

void frmMain::PicCurResized() {
    if (state_.bImgSelected) {
        // Enlarging the window gives the preview more pixels; refine the reduced copy from the
        // full image once it is there.
        const QSize fit = source_.Size().scaled(picCur->size(), Qt::KeepAspectRatio);
        if (source_.IsFullReady() && (source_.PreviewSource().width() < fit.width() ||
                                      source_.PreviewSource().height() < fit.height()))
            source_.RefinePreviewSource(picCur->size());
        BuildPreviewCopy();
    } else if (statusKind_ != 0) {
        ShowStatusPicture(statusKind_);
    }
}

// ---------------------------------------------------------------------------------------------
// Tile counts, switches, profile

void frmMain::cmbTilesWide_Click(int index) {
    if (index < 0)
        return;
    const bool run = state_.SelectTilesWide(index);
    if (!run)
        return;
    if (cmbTilesHigh->currentIndex() != state_.TilesHighIndex())
        cmbTilesHigh->setCurrentIndex(state_.TilesHighIndex());
    Refresh(PosterChange::TileCount);
}

void frmMain::cmbTilesHigh_Click(int index) {
    if (index < 0)
        return;
    const bool run = state_.SelectTilesHigh(index);
    if (!run)
        return;
    if (cmbTilesWide->currentIndex() != state_.TilesWideIndex())
        cmbTilesWide->setCurrentIndex(state_.TilesWideIndex());
    Refresh(PosterChange::TileCount);
}

void frmMain::chkLockWh_Click(bool checked) {
    state_.SetLockWh(checked);
    if (checked && cmbTilesHigh->currentIndex() != state_.TilesHighIndex())
        cmbTilesHigh->setCurrentIndex(state_.TilesHighIndex());
    Refresh(PosterChange::Lock);
}

void frmMain::chkPreviewTiles_Click(bool checked) {
    state_.SetShowTiles(checked);
    Refresh(PosterChange::ShowTiles);
}

void frmMain::chkRotateTiles_Click(bool checked) {
    state_.bTileRotated = checked;
    Refresh(PosterChange::RotateTiles);
}

void frmMain::chkPrinterClips_Click(bool checked) {
    state_.SetPrinterClips(checked);
    cmbCurBtm->setEnabled(checked);
    Refresh(PosterChange::AdjustEdges);
}

void frmMain::cmbCurBtm_Click(int index) {
    if (index < 0)
        return;
    state_.SetCurrentProfile(index);
    Refresh(PosterChange::EdgeProfile);
}

void frmMain::fillMainDialog() {
    const QString oldText = cmbCurBtm->currentText();
    const int oldIndex = cmbCurBtm->currentIndex();
    int select = -1;
    {
        const QSignalBlocker block(cmbCurBtm);
        cmbCurBtm->clear();
        const QStringList names = profileStore_->Table().Names();
        cmbCurBtm->addItems(names);
        select =
            names.isEmpty() ? -1 : ProfileStore::SelectionAfterRefill(names, oldText, oldIndex);
        cmbCurBtm->setCurrentIndex(select);
    }
    // The selection counts as made anew: recompute with the (possibly changed) profile.
    cmbCurBtm_Click(select);
}

bool frmMain::IsInitialProfile() const {
    return profileStore_->IsInitialProfile(cmbCurBtm->currentIndex());
}

// ---------------------------------------------------------------------------------------------
// Placement

void frmMain::scrZoom_Change(int value) {
    state_.SetZoom(value);
    lblZoomAmount->setText(TilePlacement::ZoomLabel(value));
    Refresh(PosterChange::Zoom);
}

void frmMain::imgArrow_MouseDown(QPointF pos) {
    iArrowRepeat = 0;
    if (const auto d =
            TilePlacement::ArrowHitTest(pos.x(), pos.y(), arrowPad->width(), arrowPad->height()))
        SetArrowState(*d);
}

void frmMain::imgArrow_MouseUp() {
    SetArrowState(kArrowNone);
    tmrImg->stop();
}

void frmMain::SetArrowState(ArrowDirection d) {
    const std::array<QLabel*, 5> images{imgArrow, imgArrow_Up, imgArrow_right, imgArrow_down,
                                        imgArrow_left};
    for (int i = 0; i < 5; ++i)
        images[static_cast<size_t>(i)]->setVisible(i == d);
    iArrowDirection = d;
    if (d == kArrowNone)
        tmrImg->stop();
    else
        tmrImg->start(TilePlacement::kArrowIntervalMs);
}

void frmMain::tmrImg_Timer() {
    TilePlacement::StepArrow(state_, iArrowDirection, iArrowRepeat);
    Refresh(PosterChange::Placement);
}

void frmMain::picCur_MouseDown(Qt::MouseButton button, QPointF pos) {
    if (button != Qt::LeftButton || !state_.bImgSelected)
        return;
    if (TilePlacement::IsInPosterWindow(pos.x(), pos.y(), geometry_)) {
        bDragging = true;
        drag_ = TilePlacement::BeginDrag(state_, pos.x(), pos.y());
        SetMousePointerMode(2);
    }
}

void frmMain::picCur_MouseMove(QPointF pos) {
    if (bDragging) {
        SetMousePointerMode(2);
        TilePlacement::DragPosterWindow(state_, geometry_, drag_, pos.x(), pos.y());
        Refresh(PosterChange::Placement);
        return;
    }
    const bool inside =
        state_.bImgSelected && TilePlacement::IsInPosterWindow(pos.x(), pos.y(), geometry_);
    SetMousePointerMode(inside ? 1 : 0);
}

void frmMain::picCur_MouseUp(QPointF pos) {
    if (!bDragging)
        return;
    SetMousePointerMode(TilePlacement::IsInPosterWindow(pos.x(), pos.y(), geometry_) ? 1 : 0);
    TilePlacement::DragPosterWindow(state_, geometry_, drag_, pos.x(), pos.y());
    Refresh(PosterChange::Placement);
    bDragging = false;
}

void frmMain::cmbRotate_Click(int index) {
    if (index < 0 || !state_.bImgSelected)
        return;
    const short angle = TilePlacement::RotationAngle(index);
    RotateImageTo(angle);
    state_.iRotateAngle = angle;
    Refresh(PosterChange::ImageRotation);
}

void frmMain::RotateImageTo(short angle) {
    const int delta = TilePlacement::RotationDelta(state_.iRotateAngle, angle);
    if (delta == 0)
        return;
    source_.RotateBy(delta);
    if (TilePlacement::SwapsSize(delta))
        SwapImageSize();
    BuildPreviewCopy();
}

void frmMain::SwapImageSize() {
    std::swap(state_.lImgWidth, state_.lImgHeight);
}

void frmMain::SetMousePointerMode(int mode) {
    pointerMode_ = mode;
    if (mode == 3) {
        if (!overrideCursor_) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            overrideCursor_ = true;
        }
        return;
    }
    if (overrideCursor_) {
        QApplication::restoreOverrideCursor();
        overrideCursor_ = false;
    }
    switch (mode) {
    case 1:
        picCur->setCursor(Qt::CrossCursor);
        break;
    case 2:
        picCur->setCursor(Qt::SizeAllCursor);
        break;
    default:
        picCur->unsetCursor();
        break;
    }
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == arrowPad) {
        if (event->type() == QEvent::MouseButtonPress) {
            auto* me = static_cast<QMouseEvent*>(event);
            if (me->button() == Qt::LeftButton)
                imgArrow_MouseDown(me->position());
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                imgArrow_MouseUp();
            return true;
        }
    } else if (event->type() == QEvent::MouseMove) {
        // Over the form background or the folder list the pointer is the plain arrow again,
        // and a drag that left the picture ends.
        if (watched == centralWidget()) {
            bDragging = false;
            SetMousePointerMode(0);
        } else if (watched == Dir1->viewport()) {
            SetMousePointerMode(0);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------------
// Image file browser

void frmMain::SetCurrentFolder(const QString& folder) {
    const QString drive = FileBrowser::DriveOf(folder);
    if (drive.isEmpty() || !FileBrowser::CanOpen(folder))
        return;
    if (drive != state_.sCurDrive || Drive1->currentData().toString() != drive) {
        state_.sCurDrive = drive;
        folderTree_->SelectDrive(drive);
    }
    folderTree_->ShowPath(folder);
    Dir1_Change(folder);
}

void frmMain::Drive1_Change(int index) {
    const QString root = Drive1->itemData(index).toString();
    const QString kept = dir1Path_;
    if (!FileBrowser::CanOpen(root)) {
        messages_.Critical(FileBrowser::InvalidDriveTitle(), FileBrowser::InvalidDriveText());
        folderTree_->SelectDrive(state_.sCurDrive);
        folderTree_->ShowPath(kept);
        FillFileList(false);
        return;
    }
    state_.sCurDrive = root;
    folderTree_->SelectDrive(root);
    folderTree_->ShowPath(root);
    Dir1_Change(root);
}

void frmMain::Dir1_Change(const QString& path) {
    dir1Path_ = QDir::cleanPath(path);
    state_.bImgSelected = false;
    FillFileList(false);
    Refresh(PosterChange::FolderChanged);
}

void frmMain::FillFileList(bool bNoSave) {
    const auto names = FileBrowser::FillFileList(dir1Path_, cmbFileType->currentIndex());
    if (!names)
        return;
    {
        const QSignalBlocker block(lstFiles);
        lstFiles->clear();
        lstFiles->addItems(*names);
        lstFiles->setCurrentRow(-1);
    }
    // While an image is shown (a changed filter) the preview stays.
    if (!state_.bImgSelected)
        ShowStatusPicture(names->isEmpty() ? StatusPictures::kPickFolder
                                           : StatusPictures::kPickImage);
    if (!bNoSave)
        settings_.SavePref(PrefValue::LastFolder, QDir::toNativeSeparators(dir1Path_));
}

void frmMain::cmbFileType_Click(int index) {
    if (index >= 0)
        FillFileList(true);
}

void frmMain::JumpTo(const FolderJump& jump) {
    if (!jump.ok()) {
        messages_.Critical(jump.errorTitle, jump.errorText);
        return;
    }
    SetCurrentFolder(jump.folder);
}

void frmMain::cmdMyDoc_Click() {
    JumpTo(folders_.JumpToMyDocuments());
}

void frmMain::cmdDesktop_Click() {
    JumpTo(folders_.JumpToDesktop());
}

// ---------------------------------------------------------------------------------------------
// Loading

void frmMain::ShowStatusPicture(int kind) {
    if (kind < StatusPictures::kPickFolder || kind > StatusPictures::kLoading4)
        return;
    statusKind_ = kind;
    picCur->SetImage(StatusPictures::Draw(kind, picCur->size(),
                                          kind == StatusPictures::kError ? loadError_ : QString()));
}

void frmMain::tmrLoadingImg_Timer() {
    if (!StatusPictures::IsLoadingFrame(statusKind_)) {
        tmrLoadingImg->stop();
        return;
    }
    ShowStatusPicture(StatusPictures::NextLoadingFrame(statusKind_));
}

void frmMain::lstFiles_Click() {
    LoadSelectedImage();
    Refresh(PosterChange::ImageChosen);
    emit closeSaveDialogRequested();
}

void frmMain::LoadSelectedImage() {
    const QList<QListWidgetItem*> selected = lstFiles->selectedItems();
    QListWidgetItem* item = selected.isEmpty() ? nullptr : selected.first();
    if (!item) {
        statusKind_ = 0;
        picCur->Clear();
        state_.bImgSelected = false;
        Refresh(PosterChange::ImageUnloaded);
        return;
    }
    if (!state_.CheckTileSizes().ok)
        chkPreviewTiles->setChecked(false);
    const QString path = QDir(dir1Path_).filePath(item->text());
    // The previous image is gone from here on; handlers that run while the file loads (the
    // animation, a resize) see none.
    state_.bImgSelected = false;
    loadError_.clear();
    SetMousePointerMode(3);
    ShowStatusPicture(StatusPictures::kLoading1);
    tmrLoadingImg->start();
    picCur->repaint();
    if (!source_.Open(path, picCur->size())) {
        LoadErrorPath(source_.Error());
        return;
    }
    sImgPath = path;
    state_.lImgWidth = source_.Size().width();
    state_.lImgHeight = source_.Size().height();
    const short angle = TilePlacement::RotationAngle(cmbRotate->currentIndex());
    state_.iRotateAngle = 0;
    if (angle != 0) {
        source_.RotateBy(angle);
        state_.iRotateAngle = angle;
        if (TilePlacement::SwapsSize(angle))
            SwapImageSize();
    }
    if (ImageLoader::IsLargeEnough(source_.Size())) {
        BuildPreviewCopy();
        SetMousePointerMode(0);
        return;
    }
    messages_.Critical(ImageLoader::TooSmallTitle(), ImageLoader::TooSmallText());
    LoadErrorPath();
}

void frmMain::LoadErrorPath(const QString& reason) {
    loadError_ = reason;
    ShowStatusPicture(StatusPictures::kError);
    state_.bImgSelected = false;
    source_.Clear();
    Refresh(PosterChange::ImageUnloaded);
    SetMousePointerMode(0);
}

void frmMain::FullImageDecoded(bool ok) {
    // The header and the reduced copy were fine but the pixels are not: treat it as a failed
    // load rather than export garbage later.
    if (!ok && state_.bImgSelected)
        LoadErrorPath(source_.Error());
}

bool frmMain::OpenImageFile(const QString& path) {
    const QFileInfo fi(path);
    if (!fi.isFile()) {
        LoadErrorPath(QCoreApplication::translate("frmMain", "The file %1 does not exist.")
                          .arg(QDir::toNativeSeparators(path)));
        return false;
    }
    SetCurrentFolder(fi.absolutePath());
    if (dir1Path_ != QDir::cleanPath(fi.absolutePath()))
        return false;
    auto find = [this, &fi]() -> QListWidgetItem* {
        const auto found = lstFiles->findItems(fi.fileName(), Qt::MatchExactly);
        return found.isEmpty() ? nullptr : found.first();
    };
    QListWidgetItem* item = find();
    if (!item) {
        // The filter hides it: show its type's entry, or all files, so that the choice is
        // visible in the list.
        cmbFileType->setCurrentIndex(FileBrowser::EntryShowing(fi.fileName()));
        item = find();
    }
    if (!item)
        return false;
    lstFiles->setCurrentItem(item);
    return state_.bImgSelected;
}

void frmMain::OpenStartFile(const QStringList& arguments) {
    for (const QString& arg : arguments.mid(1)) {
        if (!arg.startsWith(u'-')) {
            OpenImageFile(QFileInfo(arg).absoluteFilePath());
            return;
        }
    }
}

void frmMain::mnuOpen_Click() {
    const QString path = ChooseImageFile();
    if (!path.isEmpty())
        OpenImageFile(path);
}

QString frmMain::ChooseImageFile() {
    QFileDialog dialog(this, QCoreApplication::translate("frmMain", "Open Image"), dir1Path_);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(FileBrowser::OpenDialogFilters());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

void frmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_)
        return;
    shownOnce_ = true;
    // The tree can scroll only once it has its size, after this event: show the current folder
    // then.
    QTimer::singleShot(0, this, [this] { folderTree_->ShowPath(dir1Path_); });
}

void frmMain::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.first().isLocalFile() &&
        QFileInfo(urls.first().toLocalFile()).isFile())
        event->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile())
        return;
    event->acceptProposedAction();
    SetMousePointerMode(0);
    OpenImageFile(urls.first().toLocalFile());
}

// ---------------------------------------------------------------------------------------------
// Preview and save

void frmMain::cmdLargePreview_Click() {
    if (!state_.bImgSelected) {
        messages_.Critical(T(str::NoImageSelectedTitle), T(str::NoImageSelected));
        return;
    }
    SetMousePointerMode(3);
    if (!frmPreview_) {
        frmPreview_ = new frmPreview(messages_, this);
        frmPreview_->setAttribute(Qt::WA_DeleteOnClose);
    }
    // The preview shows the poster as it is now, also when its window is resized later.
    const TileCoordTable table = state_.CalcTileCoord();
    frmPreview_->SetRenderer([full = source_.Full(), table,
                              showTiles = chkPreviewTiles->isChecked(),
                              wide = state_.GetNumTilesWide(), high = state_.GetNumTilesHigh(),
                              shared = state_.dOverlap > 0](QSize size) {
        return table.count < 1
                   ? QImage()
                   : PreviewRenderer::FillPreview(full, table, size, showTiles, wide, high, shared);
    });
    frmPreview_->showMaximized();
    if (frmPreview_->FitToNewSizeForPic(GetFinalImgWhRatio()))
        frmPreview_->SetPreviewImage(FillPreview(frmPreview_->PreviewPicture()));
    SetMousePointerMode(0);
}

QImage frmMain::FillPreview(PictureBox* pic) {
    if (!state_.bImgSelected || !pic)
        return {};
    const TileCoordTable table = state_.CalcTileCoord();
    if (table.count < 1)
        return {};
    const QImage out = PreviewRenderer::FillPreview(
        source_.Full(), table, pic->size(), chkPreviewTiles->isChecked(), state_.GetNumTilesWide(),
        state_.GetNumTilesHigh(), state_.dOverlap > 0);
    pic->SetImage(out);
    return out;
}

void frmMain::cmdSaveNow_Click() {
    emit saveDialogRequested();
}

} // namespace tessellon
