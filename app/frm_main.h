#pragma once

#include "app/frm_preview.h"
#include "app/picture_box.h"
#include "calibration/profile_store.h"
#include "layout/poster_state.h"
#include "layout/preview_geometry.h"
#include "layout/preview_renderer.h"
#include "layout/refresh_table.h"
#include "layout/tile_placement.h"
#include "source/file_browser.h"
#include "source/source_image.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QTreeView>

#include <memory>

namespace tessellon {

class FolderTree;

class MessageService;
class SettingsStore;

// The main window: the four steps of making a poster on one form. It owns the poster state and
// the loaded image; its handlers keep the state and the controls in step and end every change
// in the same refresh (output metrics, preview with grid, placement labels, preference write),
// with the guard flags of the state suppressing parts of it while controls are set from code.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    frmMain(SettingsStore& settings, MessageService& messages, QWidget* parent = nullptr);
    ~frmMain() override;

    // Runs the start-up sequence (texts, preferences, file list, centring); called once before
    // the window is shown.
    void Form_Load();

    PosterState& State() { return state_; }
    const PosterState& State() const { return state_; }
    const PreviewGeometry& Geometry() const { return geometry_; }
    SourceImage& Image() { return source_; }
    const QString& ImagePath() const { return sImgPath; }
    QString CurrentFolder() const { return dir1Path_; }
    int PointerMode() const { return pointerMode_; }
    int StatusPicture() const { return statusKind_; }
    frmPreview* PreviewWindow() const { return frmPreview_; }
    const SpecialFolders& Folders() const { return folders_; }
    void SetSpecialFolders(const SpecialFolders& folders) { folders_ = folders; }

    // --- Public operations of the poster state ---
    short setNewTileVals(const QString& sNewCurPaperName, UnitCode iNewCurUnits,
                         double dNewCurTileWidth, double dNewCurTileHeight,
                         double dNewCurPaperWidth, double dNewCurPaperHeight,
                         const QString& sNewPaperRegLine);
    void setWhMarginLockedVal(short iNewVal) { state_.setWhMarginLockedVal(iNewVal); }
    // Takes the paper window's accepted choice and runs what follows it.
    void ApplyPaper(const PaperChoice& paper);
    QString getPaperRegLine() const { return state_.getPaperRegLine(); }
    UnitCode getCurUnits() const { return state_.getCurUnits(); }
    short GetNumTilesWide() const { return state_.GetNumTilesWide(); }
    short GetNumTilesHigh() const { return state_.GetNumTilesHigh(); }
    double GetFinalImgWhRatio() const { return state_.GetFinalImgWhRatio(); }

    // Runs the recomputations that follow `change`, in their order, as the refresh table
    // lists them.
    void Refresh(PosterChange change);
    void UpdateOutputSize();
    void UpdatePaperLabels();
    void UpdatePlacementLabels();
    void EnableOutputButtons();
    void DrawTileGrid();
    void BuildPreviewCopy();
    // Paints the poster into `pic` (the full-screen preview's picture).
    QImage FillPreview(PictureBox* pic);
    void FillFileList(bool bNoSave);
    void LoadSelectedImage();
    // Chooses a folder as if picked in the folder list.
    void SetCurrentFolder(const QString& folder);
    // Loads a file as if it had been chosen in the file list (drop, command line, File > Open):
    // its folder becomes the current folder and the file is selected. False when it did not
    // load.
    bool OpenImageFile(const QString& path);
    // Opens the file the program was started with (`tessellon FILE`); `arguments` as the
    // application got them, the program name first. Does nothing without a file argument.
    void OpenStartFile(const QStringList& arguments);
    // Why the last file could not be loaded (shown under the error picture); empty after a
    // successful load.
    const QString& LoadErrorText() const { return loadError_; }
    void SetMousePointerMode(int mode);
    void ShowStatusPicture(int kind);

    // The edge calibration profiles and their file, kept for the whole run; the edge
    // calibration dialog edits them here and calls fillMainDialog afterwards.
    ProfileStore& Profiles() { return *profileStore_; }
    const ProfileStore& Profiles() const { return *profileStore_; }
    // Refills the profile selector from the table, keeping the selection.
    void fillMainDialog();
    bool IsInitialProfile() const;
    // The profile chosen in the selector `cmbCurBtm`, as its index in the profile table.
    int CurrentProfileIndex() const { return cmbCurBtm->currentIndex(); }
    // The file chosen in the file list; the loaded image's file name when none is chosen.
    QString ChosenFileName() const {
        const QListWidgetItem* item = lstFiles->currentItem();
        return item ? item->text() : QFileInfo(sImgPath).fileName();
    }

signals:
    // Commands served by the dialogs.
    void paperDialogRequested();
    // true from the Edit button, false from the Tools menu.
    void edgeDialogRequested(bool fromEditButton);
    void saveDialogRequested();
    void closeSaveDialogRequested();
    void helpContentsRequested();
    void aboutRequested();
    // The window was closed with its close box (after the preferences were written).
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    void showEvent(QShowEvent* event) override;

    // Ends the program at once, writing nothing (Exit button and menu).
    virtual void EndProcess();
    // Asks for an image file with the platform's file dialog (File > Open); empty when
    // cancelled.
    virtual QString ChooseImageFile();

private:
    // --- Controls (names as the program knows them) ---
    // Step (1)
    QLabel* lblStep1 = nullptr;
    QComboBox* Drive1 = nullptr;
    QTreeView* Dir1 = nullptr;
    QComboBox* cmbFileType = nullptr;
    QListWidget* lstFiles = nullptr;
    QPushButton* cmdMyDoc = nullptr;
    QPushButton* cmdDesktop = nullptr;
    PictureBox* picCur = nullptr;
    // Step (2)
    QLabel* Label7 = nullptr;
    QGroupBox* fraPrintInfo = nullptr;
    QLabel* lblPaperCaption = nullptr;
    QLabel* lblPaperSizeCaption = nullptr;
    QLabel* lblTrimmedCaption = nullptr;
    QLabel* lblUnitsCaption = nullptr;
    QLabel* lblPaperName = nullptr;
    QLabel* lblPaperSize = nullptr;
    QLabel* lblTileSize = nullptr;
    QLabel* lblUnits = nullptr;
    QLabel* lblOverlapCaption = nullptr;
    QLabel* lblOverlap = nullptr;
    QPushButton* cmdEditPaperSize = nullptr;
    QCheckBox* chkPrinterClips = nullptr;
    QComboBox* cmbCurBtm = nullptr;
    QPushButton* cmdConfig = nullptr;
    // Step (3)
    QLabel* Label11 = nullptr;
    QGroupBox* fraNumberTiles = nullptr;
    QComboBox* cmbTilesWide = nullptr;
    QComboBox* cmbTilesHigh = nullptr;
    QCheckBox* chkLockWh = nullptr;
    QLabel* lblTilesWide = nullptr;
    QLabel* lblTilesHigh = nullptr;
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
    QCheckBox* chkPreviewTiles = nullptr;
    QCheckBox* chkRotateTiles = nullptr;
    QComboBox* cmbRotate = nullptr;
    QPushButton* cmdLargePreview = nullptr;
    // Step (4)
    QLabel* lblStep4 = nullptr;
    QPushButton* cmdSaveNow = nullptr;
    QPushButton* cmdQuit = nullptr;
    // Timers
    QTimer* tmrLoadingImg = nullptr;
    QTimer* tmrImg = nullptr;
    QTimer* tmrAppEnd = nullptr;
    // Menus
    QMenu* mnuFile = nullptr;
    QAction* mnuOpen = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuTools = nullptr;
    QAction* mnuPaperSize = nullptr;
    QAction* mnuEdgeClip = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuContent = nullptr;
    QAction* mnuAbout = nullptr;

    void BuildUi();
    void AssignTexts();
    void InitFromPrefs();
    void ApplyStateToControls();
    void ConnectHandlers();
    QWidget* BuildStep1();
    QWidget* BuildPreviewColumn();
    QWidget* BuildStep2();
    QWidget* BuildStep3();

    // Handlers
    void cmbTilesWide_Click(int index);
    void cmbTilesHigh_Click(int index);
    void chkLockWh_Click(bool checked);
    void chkPreviewTiles_Click(bool checked);
    void chkRotateTiles_Click(bool checked);
    void chkPrinterClips_Click(bool checked);
    void cmbCurBtm_Click(int index);
    void cmbRotate_Click(int index);
    void scrZoom_Change(int value);
    void imgArrow_MouseDown(QPointF pos);
    void imgArrow_MouseUp();
    void tmrImg_Timer();
    void tmrLoadingImg_Timer();
    void picCur_MouseDown(Qt::MouseButton button, QPointF pos);
    void picCur_MouseMove(QPointF pos);
    void picCur_MouseUp(QPointF pos);
    void Drive1_Change(int index);
    void Dir1_Change(const QString& path);
    void cmbFileType_Click(int index);
    void cmdMyDoc_Click();
    void cmdDesktop_Click();
    void JumpTo(const FolderJump& jump);
    void lstFiles_Click();
    void cmdLargePreview_Click();
    void cmdSaveNow_Click();
    void FullImageDecoded(bool ok);
    void PicCurResized();
    void ShowPicture(const QImage& image);

    void SetArrowState(ArrowDirection d);
    void RotateImageTo(short angle);
    void SwapImageSize();
    void LoadErrorPath(const QString& reason = {});
    void mnuOpen_Click();
    void SavePrefs();
    void LoadPrefs();
    void LoadProfiles();

    SettingsStore& settings_;
    MessageService& messages_;
    PosterState state_;
    std::unique_ptr<ProfileStore> profileStore_;
    SourceImage source_;
    PreviewCopy previewCopy_;
    PreviewGeometry geometry_;
    SpecialFolders folders_;
    FolderTree* folderTree_ = nullptr;
    QPointer<frmPreview> frmPreview_;
    QTimer* picResizeTimer_ = nullptr;

    QString sImgPath;
    QString loadError_;
    bool shownOnce_ = false;
    QString dir1Path_;
    int statusKind_ = 0;
    int pointerMode_ = 0;
    bool overrideCursor_ = false;
    int iArrowRepeat = 0;
    ArrowDirection iArrowDirection = kArrowNone;
    bool bDragging = false;
    DragStart drag_;
};

} // namespace tessellon
