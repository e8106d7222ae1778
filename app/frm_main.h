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

#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <memory>

class QActionGroup;
class QFileSystemWatcher;

namespace tessellon {

class FilePanel;
class MessageService;
class PaperPanel;
class PreviewOptionsPanel;
class SettingsStore;
class TilesPanel;

// The main window: the four steps of making a poster on one form. The controls of the first
// three steps live in panels that announce the user's choices; the window owns the poster state
// and the loaded image, and its handlers keep the state and the panels in step and end every
// change in the same refresh (output metrics, preview with grid, placement labels, preference
// write), with the guard flags of the state suppressing parts of it while controls are set from
// code.
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

    // Sets the tile counts and the sheet turn of `arrangement` as the user would with the
    // controls (a lock that would keep the counts equal is unticked first), so that everything
    // that follows such a change follows; zoom and centring stay.
    void ApplyArrangement(const Arrangement& arrangement);

    // Runs the recomputations that follow `change`, in their order, as the refresh table
    // lists them.
    void Refresh(PosterChange change);
    void UpdateOutputSize();
    void UpdatePaperLabels();
    void UpdatePhotoShare();
    void UpdatePlacementLabels();
    void EnableOutputButtons();
    void DrawTileGrid();
    void BuildPreviewCopy();
    // Paints the poster into `pic` (the full-screen preview's picture).
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
    // Ticks the language in View > Language ("" for the system's).
    void ShowLanguageChoice(const QString& code);

    // The edge calibration profiles and their file, kept for the whole run; the edge
    // calibration dialog edits them here and calls fillMainDialog afterwards.
    ProfileStore& Profiles() { return *profileStore_; }
    const ProfileStore& Profiles() const { return *profileStore_; }
    // Refills the profile selector from the table, keeping the selection.
    void fillMainDialog();
    bool IsInitialProfile() const;
    // The profile chosen in the selector `cmbCurBtm`, as its index in the profile table.
    int CurrentProfileIndex() const;
    // The file chosen in the file list; the loaded image's file name when none is chosen.
    QString ChosenFileName() const;

signals:
    // Commands served by the dialogs.
    void paperDialogRequested();
    void posterSizeDialogRequested();
    // true from the Edit button, false from the Tools menu.
    void edgeDialogRequested(bool fromEditButton);
    void saveDialogRequested();
    // File > Print and the print button.
    void printRequested();
    void closeSaveDialogRequested();
    void helpContentsRequested();
    void aboutRequested();
    // View > Language: a language code, "" for the system's.
    void languageChosen(const QString& code);
    // The window was closed with its close box (after the preferences were written).
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    void showEvent(QShowEvent* event) override;
    // A new language: every text anew, the shown numbers with its separator.
    void changeEvent(QEvent* event) override;

    // Ends the program at once, writing nothing (Exit button and menu).
    virtual void EndProcess();
    // Asks for an image file with the platform's file dialog (File > Open); empty when
    // cancelled.
    virtual QString ChooseImageFile();

private:
    // --- Controls (names as the program knows them) ---
    // Steps (1) to (3) each in a panel of their own; the row under the picture belongs to
    // step (3).
    FilePanel* files_ = nullptr;
    PictureBox* picCur = nullptr;
    PreviewOptionsPanel* previewOptions_ = nullptr;
    PaperPanel* paper_ = nullptr;
    TilesPanel* tiles_ = nullptr;
    // Step (4)
    QLabel* lblStep4 = nullptr;
    QPushButton* cmdSaveNow = nullptr;
    QPushButton* cmdPrint = nullptr; // beside the save button, enabled with it
    QPushButton* cmdQuit = nullptr;
    QWidget* rightColumn_ = nullptr; // steps (2) to (4)
    // Timers
    QTimer* tmrLoadingImg = nullptr;
    QTimer* tmrImg = nullptr;
    QTimer* tmrAppEnd = nullptr;
    // Menus
    QMenu* mnuFile = nullptr;
    QAction* mnuOpen = nullptr;
    QAction* mnuReload = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuTools = nullptr;
    QAction* mnuPaperSize = nullptr;
    QAction* mnuPosterSize = nullptr;
    QAction* mnuEdgeClip = nullptr;
    QMenu* mnuView = nullptr;
    QMenu* mnuLanguage = nullptr;
    QAction* mnuSystemLanguage = nullptr;
    QActionGroup* languages_ = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuContent = nullptr;
    QAction* mnuAbout = nullptr;

    void BuildUi();
    void AssignTexts();
    void InitFromPrefs();
    void ApplyStateToControls();
    void ConnectHandlers();
    QWidget* BuildPreviewColumn();
    void BuildLanguageMenu();
    void RetranslateUi();

    // Handlers, reached through the panels' signals and the window's own controls
    void cmbTilesWide_Click(int index);
    void cmbTilesHigh_Click(int index);
    void chkLockWh_Click(bool checked);
    void chkPreviewTiles_Click(bool checked);
    void chkRotateTiles_Click(bool checked);
    void chkPrinterClips_Click(bool checked);
    void cmbCurBtm_Click(int index);
    void cmbRotate_Click(int index);
    void scrZoom_Change(int value);
    void cmdFitPhoto_Click();
    // Starts or (kArrowNone) stops the steps of a held placement arrow.
    void ArrowHeld(ArrowDirection d);
    void tmrImg_Timer();
    void tmrLoadingImg_Timer();
    void picCur_MouseDown(Qt::MouseButton button, QPointF pos);
    void picCur_MouseMove(QPointF pos);
    void picCur_MouseUp(QPointF pos);
    void Drive1_Change(const QString& root);
    void Dir1_Change(const QString& path);
    void cmbFileType_Click(int index);
    void cmdMyDoc_Click();
    void cmdDesktop_Click();
    void JumpTo(const FolderJump& jump);
    void lstFiles_Click();
    void cmdLargePreview_Click();
    void cmdSaveNow_Click();
    void PicCurResized();
    void ShowPicture(const QImage& image);

    void RotateImageTo(short angle);
    void SwapImageSize();
    void LoadErrorPath(const QString& reason = {});
    void mnuOpen_Click();
    // Lists the current folder anew, keeping the chosen file chosen (F5, the folder watch).
    void ReloadFileList();
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
    QPointer<frmPreview> frmPreview_;
    QTimer* picResizeTimer_ = nullptr;
    // The current folder, watched so that the file list follows files added, removed or
    // renamed there; changes are taken together once they pause.
    QFileSystemWatcher* folderWatch_ = nullptr;
    QTimer* folderChanged_ = nullptr;

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
