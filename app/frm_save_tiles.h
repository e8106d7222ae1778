#pragma once

#include "export/save_outcome.h"
#include "export/save_tiles_request.h"
#include "export/tile_saver.h"
#include "imaging/image_format.h"
#include "imaging/image_object.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeView;

namespace tessellon {

class MessageService;
class PosterState;
class SettingsStore;
class SourceImage;
class FolderTree;
class frmMsg;
class frmSimpleMsg;

// "Save Poster Image Files": the modeless dialog in which the user chooses the parent folder,
// the new folder's name, the base file name and the file type, and starts the tile saving.
// It keeps its progress and success windows for the whole run.
class frmSaveTiles : public QDialog {
    Q_OBJECT
public:
    // The loaded source image as the poster turns it, taken when the save starts.
    using ImageSource = std::function<ImageObject()>;

    // With `settings`, the file type and the assembly aids the user chooses are kept there
    // (prefs_outputType, prefs_aid...) and offered again: the stored type replaces the one
    // proposed for the source file, the stored aids their defaults.
    explicit frmSaveTiles(MessageService& messages, QWidget* parent = nullptr,
                          SettingsStore* settings = nullptr);
    ~frmSaveTiles() override;

    // The main window's save button: checks the poster and the source file name (showing one
    // message when a check fails), fills the dialog with the proposals for `fileName` in
    // `folder` and shows it. False when the dialog is not shown.
    bool OpenFor(const PosterState& poster, ImageSource image, const QString& folder,
                 const QString& fileName);
    bool OpenFor(const PosterState& poster, TileSaver::SourceOpener openPhoto,
                 const QString& folder, const QString& fileName);
    // The same with the main window's loaded image, read from its file or decoded whole when
    // the save starts.
    bool OpenFor(const PosterState& poster, SourceImage& source, const QString& folder,
                 const QString& fileName);

    // The dialog's folder (the parent of the new folder).
    const QString& DirTilePath() const { return dirTilePath_; }
    // Chooses a folder as if picked in the folder list; false when it cannot be opened.
    bool SetDirTilePath(const QString& folder);
    // The file type of the option buttons (bmp before tif before jpg), empty when none is set.
    std::optional<ImageFormat> SelectedFormat() const;
    // What the controls say, as the save takes it.
    SaveTilesRequest Request() const;
    // Whether the chosen type makes one document rather than a folder of image files.
    bool SavesDocument() const;
    void UpdateSaveFolderLabel();

    // Runs the save with the dialog's choices and windows; the dialog stays open.
    SaveOutcome SaveNow();
    const std::optional<SaveOutcome>& LastOutcome() const { return lastOutcome_; }

    // Settings handed to the saver of each run.
    void SetThreadCount(int threads) { threads_ = threads; }
    void SetFreeSpaceQuery(TileSaver::FreeSpaceQuery query) { freeSpace_ = std::move(query); }

    frmMsg* ProgressWindow() const { return frmMsg_; }
    frmSimpleMsg* SuccessWindow() const { return frmSimpleMsg_; }

private:
    // --- Controls (names as the program knows them) ---
    QGroupBox* fraFileFormat = nullptr;
    QRadioButton* opbBmp = nullptr;
    QRadioButton* opbTif = nullptr;
    QRadioButton* opbJpg = nullptr;
    QRadioButton* opbPdf = nullptr;
    QGroupBox* fraNewName = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* txtBaseFileName = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* txtNewFolderName = nullptr;
    QLabel* lblDir = nullptr;
    QComboBox* drvTile = nullptr;
    QTreeView* dirTile = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* lblPath = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QPushButton* cmdSaveNow = nullptr;
    QPushButton* cmdClose = nullptr;

    // Enables the assembly aids that apply to the chosen file type.
    void UpdateAidSwitches();
    void BuildControls();
    void SetTexts();
    void ConnectEvents();
    void SelectFormat(ImageFormat format);
    // The assembly aid switches with the preference each is kept in.
    std::vector<std::pair<QCheckBox*, int>> AidSwitches() const;
    // The stored aids in place of the defaults; the user's choices stored as they are made.
    void RestoreAndKeepChoices();
    // The file type option buttons in order of precedence, with their formats.
    std::vector<std::pair<QRadioButton*, ImageFormat>> FormatButtons() const;

    void drvTile_Change(int index);
    void dirTile_Change(const QString& path);
    void cmdSaveNow_Click();

    MessageService& messages_;
    SettingsStore* settings_ = nullptr;
    FolderTree* folderTree_ = nullptr;
    // Assembly aids: labels, marks and overview page for a document, the overview image for
    // image files.
    QGroupBox* fraAids_ = nullptr;
    QCheckBox* chkLabels_ = nullptr;
    QCheckBox* chkMarks_ = nullptr;
    QCheckBox* chkOverview_ = nullptr;
    QCheckBox* chkOverviewImage_ = nullptr;
    frmMsg* frmMsg_ = nullptr;
    frmSimpleMsg* frmSimpleMsg_ = nullptr;

    const PosterState* poster_ = nullptr;
    TileSaver::SourceOpener openPhoto_;
    QString dirTilePath_;
    QString lastGoodDrive_;
    bool saving_ = false;
    std::optional<SaveOutcome> lastOutcome_;
    std::optional<int> threads_;
    std::optional<TileSaver::FreeSpaceQuery> freeSpace_;
};

} // namespace tessellon
