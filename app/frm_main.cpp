#include "app/frm_main.h"

#include "app/app_version.h"
#include "app/file_panel.h"
#include "app/form_widgets.h"
#include "app/language_switcher.h"
#include "app/paper_panel.h"
#include "app/prefs_io.h"
#include "app/preview_options_panel.h"
#include "app/tiles_panel.h"
#include "common/message_service.h"
#include "common/string_table.h"
#include "paper/paper_model.h"
#include "settings/pref_formats.h"
#include "settings/settings_store.h"
#include "source/image_loader.h"
#include "source/status_pictures.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QVBoxLayout>

namespace tessellon {
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
    files_ = new FilePanel(central);
    columns->addWidget(files_, 0);
    columns->addWidget(BuildPreviewColumn(), 1);
    auto* right = new QWidget(central);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    paper_ = new PaperPanel(right);
    rightLayout->addWidget(paper_);
    rightLayout->addSpacing(6);
    tiles_ = new TilesPanel(right);
    rightLayout->addWidget(tiles_);
    rightLayout->addStretch(1);
    lblStep4 = StepTitle(right, "lblStep4");
    lblStep4->setWordWrap(true);
    rightLayout->addWidget(lblStep4);
    cmdSaveNow = Named(new QPushButton(right), "cmdSaveNow");
    cmdSaveNow->setMinimumHeight(34);
    QFont bold = cmdSaveNow->font();
    bold.setBold(true);
    cmdSaveNow->setFont(bold);
    // Printing sits beside saving: the same sheets, straight to a printer.
    cmdPrint = Named(new QPushButton(right), "cmdPrint");
    cmdPrint->setMinimumHeight(34);
    auto* outputRow = new QHBoxLayout;
    outputRow->addWidget(cmdSaveNow, 1);
    outputRow->addWidget(cmdPrint);
    rightLayout->addLayout(outputRow);
    rightLayout->addSpacing(8);
    cmdQuit = Named(new QPushButton(right), "cmdQuit");
    auto* quitRow = new QHBoxLayout;
    quitRow->addStretch(1);
    quitRow->addWidget(cmdQuit);
    rightLayout->addLayout(quitRow);
    rightColumn_ = right;
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
    folderWatch_ = new QFileSystemWatcher(this);
    folderChanged_ = new QTimer(this);
    folderChanged_->setSingleShot(true);
    folderChanged_->setInterval(150);

    mnuFile = Named(menuBar()->addMenu(QString()), "mnuFile");
    mnuOpen = Named(mnuFile->addAction(QString()), "mnuOpen");
    mnuOpen->setShortcut(QKeySequence::Open);
    mnuReload = Named(mnuFile->addAction(QString()), "mnuReload");
    mnuReload->setShortcut(QKeySequence(Qt::Key_F5));
    mnuPrint = Named(mnuFile->addAction(QString()), "mnuPrint");
    mnuPrint->setShortcut(QKeySequence::Print);
    mnuFile->addSeparator();
    mnuExit = Named(mnuFile->addAction(QString()), "mnuExit");
    mnuTools = Named(menuBar()->addMenu(QString()), "mnuTools");
    mnuPaperSize = Named(mnuTools->addAction(QString()), "mnuPaperSize");
    mnuPosterSize = Named(mnuTools->addAction(QString()), "mnuPosterSize");
    mnuEdgeClip = Named(mnuTools->addAction(QString()), "mnuEdgeClip");
    BuildLanguageMenu();
    mnuHelp = Named(menuBar()->addMenu(QString()), "mnuHelp");
    mnuContent = Named(mnuHelp->addAction(QString()), "mnuContent");
    mnuAbout = Named(mnuHelp->addAction(QString()), "mnuAbout");

    AssignTexts();
}

void frmMain::BuildLanguageMenu() {
    mnuView = Named(menuBar()->addMenu(QString()), "mnuView");
    mnuLanguage = Named(mnuView->addMenu(QString()), "mnuLanguage");
    languages_ = new QActionGroup(this);
    mnuSystemLanguage = Named(mnuLanguage->addAction(QString()), "mnuSystemLanguage");
    mnuSystemLanguage->setData(QString());
    mnuLanguage->addSeparator();
    // Each language by its own name, so that it can be found whatever the current one.
    QList<QAction*> choices{mnuSystemLanguage};
    for (const auto& language : LanguageSwitcher::Available()) {
        QAction* a = mnuLanguage->addAction(language.name);
        a->setObjectName(QStringLiteral("mnuLanguage_") + language.code);
        a->setData(language.code);
        choices.append(a);
    }
    for (QAction* a : choices) {
        a->setCheckable(true);
        languages_->addAction(a);
    }
    mnuSystemLanguage->setChecked(true);
    connect(languages_, &QActionGroup::triggered, this,
            [this](QAction* a) { emit languageChosen(a->data().toString()); });
}

void frmMain::ShowLanguageChoice(const QString& code) {
    for (QAction* a : languages_->actions())
        a->setChecked(a->data().toString() == code);
}

void frmMain::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange && mnuFile)
        RetranslateUi();
    QMainWindow::changeEvent(event);
}

void frmMain::RetranslateUi() {
    // The lists are filled anew with the texts; the choices in them stay.
    const int fileType = files_->FileType();
    const int rotation = previewOptions_->Rotation();
    AssignTexts();
    files_->ShowFileType(fileType);
    previewOptions_->ShowRotation(rotation);
    UpdatePaperLabels();
    UpdateOutputSize();
    UpdatePhotoShare();
    if (state_.bImgSelected)
        UpdatePlacementLabels();
    if (statusKind_ != 0)
        ShowStatusPicture(statusKind_);
}

QWidget* frmMain::BuildPreviewColumn() {
    auto* box = new QWidget(this);
    auto* v = new QVBoxLayout(box);
    v->setContentsMargins(0, 0, 0, 0);
    // Aligns the picture's top with the first frame of the other columns.
    QLabel* spacer = StepTitle(box, "");
    spacer->setText(QStringLiteral(" "));
    v->addWidget(spacer);
    picCur = Named(new PictureBox(box), "picCur");
    picCur->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    v->addWidget(picCur, 1);
    previewOptions_ = new PreviewOptionsPanel(box);
    v->addWidget(previewOptions_);
    return box;
}

void frmMain::AssignTexts() {
    setWindowTitle(T(str::AppTitle) + QStringLiteral(" v") + GetAppVersionString());
    files_->AssignTexts();
    picCur->setToolTip(T(str::PicCurTip));
    previewOptions_->AssignTexts();
    paper_->AssignTexts();
    tiles_->AssignTexts();
    lblStep4->setText(T(str::Step4) + QStringLiteral("-->"));
    cmdSaveNow->setText(T(str::SaveNow));
    cmdSaveNow->setToolTip(T(str::SaveNowTip));
    cmdQuit->setText(T(str::QuitCaption));
    cmdQuit->setToolTip(T(str::QuitTip));
    mnuFile->setTitle(T(str::MenuFile));
    mnuOpen->setText(QCoreApplication::translate("frmMain", "&Open..."));
    mnuReload->setText(QCoreApplication::translate("frmMain", "&Reload File List"));
    mnuPrint->setText(QCoreApplication::translate("frmMain", "&Print..."));
    cmdPrint->setText(QCoreApplication::translate("frmMain", "Print..."));
    cmdPrint->setToolTip(QCoreApplication::translate(
        "frmMain", "Print the poster's sheets, each at its exact size"));
    mnuExit->setText(T(str::MenuExit));
    mnuTools->setTitle(T(str::MenuTools));
    mnuPaperSize->setText(T(str::MenuPaperSize));
    mnuPosterSize->setText(T(str::PosterSizeCommand));
    mnuEdgeClip->setText(T(str::MenuEdgeClip));
    mnuView->setTitle(QCoreApplication::translate("frmMain", "&View"));
    mnuLanguage->setTitle(QCoreApplication::translate("frmMain", "&Language"));
    mnuSystemLanguage->setText(QCoreApplication::translate("frmMain", "&System Language"));
    mnuHelp->setTitle(T(str::MenuHelp));
    mnuContent->setText(T(str::MenuContent));
    mnuAbout->setText(T(str::MenuAbout));
    // The column keeps its width while the picture is resized, but is as wide as the texts of
    // the language need.
    rightColumn_->setFixedWidth(std::max(340, rightColumn_->minimumSizeHint().width()));
}

void frmMain::ConnectHandlers() {
    connect(files_, &FilePanel::driveChosen, this, &frmMain::Drive1_Change);
    connect(files_, &FilePanel::folderChosen, this, &frmMain::Dir1_Change);
    connect(files_, &FilePanel::fileTypeChanged, this, &frmMain::cmbFileType_Click);
    connect(files_, &FilePanel::myDocumentsClicked, this, &frmMain::cmdMyDoc_Click);
    connect(files_, &FilePanel::desktopClicked, this, &frmMain::cmdDesktop_Click);
    connect(files_, &FilePanel::fileSelectionChanged, this, &frmMain::lstFiles_Click);
    connect(files_, &FilePanel::pointerOverFolders, this, [this] { SetMousePointerMode(0); });
    connect(previewOptions_, &PreviewOptionsPanel::tilesShownToggled, this,
            &frmMain::chkPreviewTiles_Click);
    connect(previewOptions_, &PreviewOptionsPanel::tilesRotatedToggled, this,
            &frmMain::chkRotateTiles_Click);
    connect(previewOptions_, &PreviewOptionsPanel::rotationChosen, this, &frmMain::cmbRotate_Click);
    connect(previewOptions_, &PreviewOptionsPanel::previewRequested, this,
            &frmMain::cmdLargePreview_Click);
    connect(paper_, &PaperPanel::paperEditRequested, this, &frmMain::paperDialogRequested);
    connect(paper_, &PaperPanel::profilesEditRequested, this,
            [this] { emit edgeDialogRequested(true); });
    connect(paper_, &PaperPanel::printerClipsToggled, this, &frmMain::chkPrinterClips_Click);
    connect(paper_, &PaperPanel::profileChosen, this, &frmMain::cmbCurBtm_Click);
    connect(tiles_, &TilesPanel::tilesWideChosen, this, &frmMain::cmbTilesWide_Click);
    connect(tiles_, &TilesPanel::tilesHighChosen, this, &frmMain::cmbTilesHigh_Click);
    connect(tiles_, &TilesPanel::lockToggled, this, &frmMain::chkLockWh_Click);
    connect(tiles_, &TilesPanel::zoomChanged, this, &frmMain::scrZoom_Change);
    connect(tiles_, &TilesPanel::arrowHeld, this, &frmMain::ArrowHeld);
    connect(tiles_, &TilesPanel::posterSizeRequested, this, &frmMain::posterSizeDialogRequested);
    connect(tiles_, &TilesPanel::fitPhotoRequested, this, &frmMain::cmdFitPhoto_Click);
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
    connect(cmdSaveNow, &QPushButton::clicked, this, &frmMain::cmdSaveNow_Click);
    connect(cmdQuit, &QPushButton::clicked, this, &frmMain::EndProcess);
    connect(mnuExit, &QAction::triggered, this, &frmMain::EndProcess);
    connect(mnuOpen, &QAction::triggered, this, &frmMain::mnuOpen_Click);
    connect(mnuReload, &QAction::triggered, this, &frmMain::ReloadFileList);
    connect(folderWatch_, &QFileSystemWatcher::directoryChanged, folderChanged_,
            qOverload<>(&QTimer::start));
    connect(folderChanged_, &QTimer::timeout, this, &frmMain::ReloadFileList);
    connect(cmdPrint, &QPushButton::clicked, this, &frmMain::printRequested);
    connect(mnuPrint, &QAction::triggered, this, &frmMain::printRequested);
    connect(mnuPaperSize, &QAction::triggered, this, &frmMain::paperDialogRequested);
    connect(mnuPosterSize, &QAction::triggered, this, &frmMain::posterSizeDialogRequested);
    connect(mnuEdgeClip, &QAction::triggered, this, [this] { emit edgeDialogRequested(false); });
    connect(mnuContent, &QAction::triggered, this, &frmMain::helpContentsRequested);
    connect(mnuAbout, &QAction::triggered, this, &frmMain::aboutRequested);
}

// ---------------------------------------------------------------------------------------------
// Start-up and shut-down

void frmMain::Form_Load() {
    AssignTexts();
    state_.bSkipSettingWrite = true;
    InitFromPrefs();
    // The image objects live in source_ and previewCopy_ for the whole run. The sheet turn is
    // the stored one (off unless stored).
    state_.iRotateAngle = 0;
    previewOptions_->ShowTilesRotated(state_.bTileRotated);
    previewOptions_->SetRotation(0); // no image yet: the handler does nothing
    FillFileList(false);
    setWindowTitle(T(str::AppTitle) + QStringLiteral(" v") + GetAppVersionString());
    state_.iHorzCenter = 100;
    state_.iVertCenter = 100;
    state_.bSkipSettingWrite = false;
    folders_ = SpecialFolders::LookUp();
}

void frmMain::InitFromPrefs() {
    state_.bApplyingPrefs = true;
    // Every type that opens; the fixed entries keep their places in the list.
    files_->ShowFileType(kEveryType);
    files_->FillDriveList();
    QString folder = settings_.GetPref(PrefValue::LastFolder);
    QString drive = FileBrowser::DriveOf(folder);
    if (drive.isEmpty() || !FileBrowser::CanOpen(folder)) {
        folder = SpecialFolders::StartFolder();
        drive = FileBrowser::DriveOf(folder);
        if (drive.isEmpty() || !FileBrowser::CanOpen(folder))
            folder = drive = QDir::rootPath();
    }
    state_.sCurDrive = drive;
    files_->SelectDrive(drive);
    files_->ShowPath(folder);
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
    paper_->SetProfile(ParseEdgeAdjustProfile(edge, paper_->ProfileCount()));
    state_.SetCurrentProfile(paper_->CurrentProfile());
    UpdateOutputSize();
    UpdatePhotoShare();
}

void frmMain::ApplyStateToControls() {
    tiles_->ShowSettings(state_.TilesWideIndex(), state_.TilesHighIndex(), state_.LockWh(),
                         state_.Zoom());
    previewOptions_->ShowTilesShown(state_.ShowTiles());
    paper_->ShowPrinterClips(state_.PrinterClips());
    previewOptions_->ShowTilesRotated(state_.bTileRotated);
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
        paper_->SetPrinterClips(state_.PrinterClips()); // bSkipOutputUpdate is set
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
        case RefreshStep::PhotoShare:
            UpdatePhotoShare();
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
                previewOptions_->UntickTilesShown(); // announces the unticked box itself
                return;
            }
            break;
        case RefreshStep::SavePrefs:
            SavePrefs();
            break;
        case RefreshStep::SaveOverlap:
            tessellon::SaveOverlapPref(settings_, state_);
            break;
        case RefreshStep::SaveTileTurn:
            tessellon::SaveTileTurnPref(settings_, state_);
            break;
        case RefreshStep::EdgeHint:
            if (state_.PrinterClips() && IsInitialProfile())
                messages_.Information(T(str::EdgeIntroTitle), T(str::EdgeIntroText));
            break;
        }
    }
}

void frmMain::UpdatePaperLabels() {
    paper_->ShowPaperLabels(state_.UpdatePaperLabels());
}

void frmMain::UpdateOutputSize() {
    const auto labels = state_.UpdateOutputSize();
    if (!labels)
        return;
    tiles_->ShowOutputMetrics(*labels);
    EnableOutputButtons();
}

void frmMain::UpdatePhotoShare() {
    if (const auto text = state_.UpdatePhotoShare())
        tiles_->ShowPhotoShare(*text);
}

void frmMain::EnableOutputButtons() {
    const bool on = state_.OutputButtonsEnabled();
    cmdSaveNow->setEnabled(on);
    cmdPrint->setEnabled(on);
    mnuPrint->setEnabled(on);
    previewOptions_->EnablePreview(on);
    tiles_->EnableFitPhoto(on);
}

void frmMain::UpdatePlacementLabels() {
    tiles_->ShowPlacement(TilePlacement::UpdatePlacementLabels(state_, geometry_));
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
    if (!previewOptions_->TilesShown()) {
        ShowPicture(previewCopy_.image);
        return;
    }
    if (!state_.CheckTileSizes().ok) {
        state_.ShowInvalidTileSizeMsg(messages_);
        previewOptions_->UntickTilesShown();
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
        // Enlarging the window gives the preview more pixels: a held image refines the reduced
        // copy (a photo read from its file has one for the whole screen already).
        const QSize fit = source_.Size().scaled(picCur->size(), Qt::KeepAspectRatio);
        if (source_.PreviewSource().width() < fit.width() ||
            source_.PreviewSource().height() < fit.height())
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
    tiles_->SetTilesHigh(state_.TilesHighIndex());
    Refresh(PosterChange::TileCount);
}

void frmMain::cmbTilesHigh_Click(int index) {
    if (index < 0)
        return;
    const bool run = state_.SelectTilesHigh(index);
    if (!run)
        return;
    tiles_->SetTilesWide(state_.TilesWideIndex());
    Refresh(PosterChange::TileCount);
}

void frmMain::chkLockWh_Click(bool checked) {
    state_.SetLockWh(checked);
    if (checked)
        tiles_->SetTilesHigh(state_.TilesHighIndex());
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
    Refresh(PosterChange::AdjustEdges);
}

void frmMain::cmbCurBtm_Click(int index) {
    if (index < 0)
        return;
    state_.SetCurrentProfile(index);
    Refresh(PosterChange::EdgeProfile);
}

void frmMain::fillMainDialog() {
    // The selection counts as made anew: recompute with the (possibly changed) profile.
    cmbCurBtm_Click(paper_->RefillProfiles(profileStore_->Table().Names()));
}

bool frmMain::IsInitialProfile() const {
    return profileStore_->IsInitialProfile(paper_->CurrentProfile());
}

int frmMain::CurrentProfileIndex() const {
    return paper_->CurrentProfile();
}

// ---------------------------------------------------------------------------------------------
// Placement

void frmMain::scrZoom_Change(int value) {
    state_.SetZoom(value);
    Refresh(PosterChange::Zoom);
}

void frmMain::cmdFitPhoto_Click() {
    const auto base = state_.UprightGeometryInput();
    if (!state_.bImgSelected || !base)
        return;
    if (const auto fit = PosterArrangements::FitPhoto(*base, state_.CurrentArrangement().Sheets()))
        ApplyArrangement(fit->arrangement);
}

void frmMain::ApplyArrangement(const Arrangement& arrangement) {
    if (state_.LockWh() && arrangement.tilesWide != arrangement.tilesHigh)
        tiles_->UntickLock();
    tiles_->SetTilesWide(arrangement.tilesWide - 1);
    tiles_->SetTilesHigh(arrangement.tilesHigh - 1);
    previewOptions_->SetTilesRotated(arrangement.turned);
}

void frmMain::ArrowHeld(ArrowDirection d) {
    iArrowDirection = d;
    if (d == kArrowNone) {
        tmrImg->stop();
        return;
    }
    iArrowRepeat = 0;
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
    // Over the form background the pointer is the plain arrow again (as over the folder tree),
    // and a drag that left the picture ends.
    if (watched == centralWidget() && event->type() == QEvent::MouseMove) {
        bDragging = false;
        SetMousePointerMode(0);
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------------
// Image file browser

void frmMain::SetCurrentFolder(const QString& folder) {
    const QString drive = FileBrowser::DriveOf(folder);
    if (drive.isEmpty() || !FileBrowser::CanOpen(folder))
        return;
    if (drive != state_.sCurDrive || files_->ShownDrive() != drive) {
        state_.sCurDrive = drive;
        files_->SelectDrive(drive);
    }
    files_->ShowPath(folder);
    Dir1_Change(folder);
}

void frmMain::Drive1_Change(const QString& root) {
    const QString kept = dir1Path_;
    if (!FileBrowser::CanOpen(root)) {
        messages_.Critical(FileBrowser::InvalidDriveTitle(), FileBrowser::InvalidDriveText());
        files_->SelectDrive(state_.sCurDrive);
        files_->ShowPath(kept);
        FillFileList(false);
        return;
    }
    state_.sCurDrive = root;
    files_->SelectDrive(root);
    files_->ShowPath(root);
    Dir1_Change(root);
}

void frmMain::Dir1_Change(const QString& path) {
    dir1Path_ = QDir::cleanPath(path);
    state_.bImgSelected = false;
    FillFileList(false);
    Refresh(PosterChange::FolderChanged);
}

void frmMain::FillFileList(bool bNoSave) {
    const auto names = FileBrowser::FillFileList(dir1Path_, files_->FileType());
    if (!names)
        return;
    files_->ShowFiles(*names);
    if (const QStringList watched = folderWatch_->directories();
        watched != QStringList{dir1Path_}) {
        if (!watched.isEmpty())
            folderWatch_->removePaths(watched);
        folderWatch_->addPath(dir1Path_);
    }
    // While an image is shown (a changed filter) the preview stays.
    if (!state_.bImgSelected)
        ShowStatusPicture(names->isEmpty() ? StatusPictures::kPickFolder
                                           : StatusPictures::kPickImage);
    if (!bNoSave)
        settings_.SavePref(PrefValue::LastFolder, QDir::toNativeSeparators(dir1Path_));
}

void frmMain::ReloadFileList() {
    const auto names = FileBrowser::FillFileList(dir1Path_, files_->FileType());
    if (!names)
        return;
    // The chosen file stays chosen, without loading it again; one that is gone is no longer.
    files_->ShowFiles(*names, files_->SelectedFile());
    if (!state_.bImgSelected &&
        (statusKind_ == StatusPictures::kPickFolder || statusKind_ == StatusPictures::kPickImage))
        ShowStatusPicture(names->isEmpty() ? StatusPictures::kPickFolder
                                           : StatusPictures::kPickImage);
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
    const QString name = files_->SelectedFile();
    if (name.isEmpty()) {
        statusKind_ = 0;
        picCur->Clear();
        state_.bImgSelected = false;
        Refresh(PosterChange::ImageUnloaded);
        return;
    }
    if (!state_.CheckTileSizes().ok)
        previewOptions_->UntickTilesShown();
    const QString path = QDir(dir1Path_).filePath(name);
    // The previous image is gone from here on; handlers that run while the file loads (the
    // animation, a resize) see none.
    state_.bImgSelected = false;
    loadError_.clear();
    SetMousePointerMode(3);
    ShowStatusPicture(StatusPictures::kLoading1);
    tmrLoadingImg->start();
    picCur->repaint();
    // A photo read from its file keeps only its reduced copy: large enough for the picture
    // box at the largest the screen lets it grow.
    QSize previewBox = picCur->size();
    if (const QScreen* screen = this->screen())
        previewBox = previewBox.expandedTo(screen->availableSize());
    if (!source_.Open(path, previewBox)) {
        LoadErrorPath(source_.Error());
        return;
    }
    sImgPath = path;
    state_.lImgWidth = source_.Size().width();
    state_.lImgHeight = source_.Size().height();
    const short angle = TilePlacement::RotationAngle(previewOptions_->Rotation());
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
    if (!files_->SelectFile(fi.fileName())) {
        // The filter hides it: show its type's entry, or all files, so that the choice is
        // visible in the list.
        files_->SetFileType(FileBrowser::EntryShowing(fi.fileName()));
        if (!files_->SelectFile(fi.fileName()))
            return false;
    }
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
    QTimer::singleShot(0, this, [this] { files_->ShowPath(dir1Path_); });
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
    // The preview shows the poster as it is now, also when its window is resized later (up
    // to the screen's size), from a copy of the photo with the pixels the screen can show.
    const TileCoordTable table = state_.CalcTileCoord();
    QSize screen = frmPreview_ ? frmPreview_->size() : size();
    if (const QScreen* s = this->screen())
        screen = screen.expandedTo(s->size());
    auto photo =
        source_.PreviewAtLeast(PreviewRenderer::ReducedSizeFor(source_.Size(), table, screen));
    if (!photo) {
        SetMousePointerMode(0);
        messages_.Critical(T(str::PosterPreview), photo.error());
        return;
    }
    if (!frmPreview_) {
        frmPreview_ = new frmPreview(messages_, this);
        frmPreview_->setAttribute(Qt::WA_DeleteOnClose);
    }
    const auto render = [photo = *photo, size = source_.Size(), table,
                         showTiles = previewOptions_->TilesShown(), wide = state_.GetNumTilesWide(),
                         high = state_.GetNumTilesHigh(), shared = state_.dOverlap > 0](QSize box) {
        return table.count < 1 ? QImage()
                               : PreviewRenderer::FillPreview(photo, size, table, box, showTiles,
                                                              wide, high, shared);
    };
    frmPreview_->SetRenderer(render);
    frmPreview_->showMaximized();
    if (frmPreview_->FitToNewSizeForPic(GetFinalImgWhRatio())) {
        PictureBox* pic = frmPreview_->PreviewPicture();
        const QImage out = render(pic->size());
        pic->SetImage(out);
        frmPreview_->SetPreviewImage(out);
    }
    SetMousePointerMode(0);
}

QString frmMain::ChosenFileName() const {
    const QString chosen = files_->CurrentFile();
    return chosen.isEmpty() ? QFileInfo(sImgPath).fileName() : chosen;
}

void frmMain::cmdSaveNow_Click() {
    emit saveDialogRequested();
}

} // namespace tessellon
