#include "app/frm_save_tiles.h"

#include "app/folder_tree.h"
#include "app/form_widgets.h"
#include "app/frm_msg.h"
#include "app/frm_simple_msg.h"
#include "app/poster_photo.h"
#include "app/save_folder_label.h"
#include "app/save_progress_windows.h"
#include "app/save_tiles_opening.h"
#include "app/split_path_label.h"
#include "common/message_service.h"
#include "export/pdf_tile_sink.h"
#include "export/whole_image_source.h"
#include "imaging/format_table.h"
#include "layout/poster_state.h"
#include "settings/pref_formats.h"
#include "settings/settings_store.h"
#include "source/file_browser.h"
#include "source/source_image.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QTreeView>
#include <QVBoxLayout>

namespace tessellon {
namespace {

QLabel* StepLabel(QWidget* parent, const char* name) {
    auto* label = BoldLabel(parent, QString::fromLatin1(name));
    label->setStyleSheet(QStringLiteral("color: #1f4f8a;"));
    return label;
}

// Line breaks as a plain-text label shows them.
QString LabelLines(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

frmSaveTiles::frmSaveTiles(MessageService& messages, QWidget* parent, SettingsStore* settings)
    : QDialog(parent), messages_(messages), settings_(settings) {
    setObjectName(QStringLiteral("frmSaveTiles"));
    setModal(false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    BuildControls();
    SetTexts();
    ConnectEvents();
    RestoreAndKeepChoices();
    UpdateAidSwitches();
    folderTree_->FillDriveList();
    frmMsg_ = new frmMsg(this);
    frmSimpleMsg_ = new frmSimpleMsg(this);
}

frmSaveTiles::~frmSaveTiles() = default;

void frmSaveTiles::BuildControls() {
    Label4 = StepLabel(this, "Label4");

    fraFileFormat = Named(new QGroupBox(this), "fraFileFormat");
    opbBmp = Named(new QRadioButton(fraFileFormat), "opbBmp");
    opbTif = Named(new QRadioButton(fraFileFormat), "opbTif");
    opbJpg = Named(new QRadioButton(fraFileFormat), "opbJpg");
    opbPdf = Named(new QRadioButton(fraFileFormat), "opbPdf");
    auto* formats = new QVBoxLayout(fraFileFormat);
    formats->addWidget(opbBmp);
    formats->addWidget(opbTif);
    formats->addWidget(opbJpg);
    formats->addWidget(opbPdf);
    formats->addStretch(1);

    fraNewName = Named(new QGroupBox(this), "fraNewName");
    Label2 = Named(new QLabel(fraNewName), "Label2");
    txtBaseFileName = Named(new QLineEdit(fraNewName), "txtBaseFileName");
    Label1 = Named(new QLabel(fraNewName), "Label1");
    txtNewFolderName = Named(new QLineEdit(fraNewName), "txtNewFolderName");
    auto* names = new QGridLayout(fraNewName);
    names->addWidget(Label2, 0, 0);
    names->addWidget(txtBaseFileName, 0, 1);
    names->addWidget(Label1, 1, 0);
    names->addWidget(txtNewFolderName, 1, 1);
    names->setColumnStretch(1, 1);
    names->setRowStretch(2, 1);

    fraAids_ = Named(new QGroupBox(this), "fraAids");
    chkLabels_ = Named(new QCheckBox(fraAids_), "chkLabels");
    chkMarks_ = Named(new QCheckBox(fraAids_), "chkMarks");
    chkOverview_ = Named(new QCheckBox(fraAids_), "chkOverview");
    chkOverviewImage_ = Named(new QCheckBox(fraAids_), "chkOverviewImage");
    const AssemblyAids defaults;
    chkLabels_->setChecked(defaults.labels);
    chkMarks_->setChecked(defaults.marks);
    chkOverview_->setChecked(defaults.overviewPage);
    chkOverviewImage_->setChecked(defaults.overviewImage);
    auto* aids = new QGridLayout(fraAids_);
    aids->addWidget(chkLabels_, 0, 0);
    aids->addWidget(chkMarks_, 0, 1);
    aids->addWidget(chkOverview_, 1, 0);
    aids->addWidget(chkOverviewImage_, 1, 1);

    lblDir = Named(new QLabel(this), "lblDir");
    drvTile = Named(new QComboBox(this), "drvTile");
    dirTile = Named(new QTreeView(this), "dirTile");
    folderTree_ = new FolderTree(drvTile, dirTile, this);
    dirTile->setMinimumHeight(190);

    Label3 = Named(new QLabel(this), "Label3");
    lblPath = Named(new QLabel(this), "lblPath");
    lblPath->setTextFormat(Qt::PlainText);
    lblPath->setFrameShape(QFrame::StyledPanel);
    lblPath->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblPath->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblPath->setMargin(4);
    // Room for three lines of the longest line the label breaks at.
    const QFontMetrics fm(lblPath->font());
    lblPath->setMinimumWidth(fm.horizontalAdvance(QString(SaveFolderLabel::kWinEnd, u'n')) + 12);
    lblPath->setMinimumHeight(fm.lineSpacing() * 3 + 10);

    Label5 = StepLabel(this, "Label5");
    cmdSaveNow = Named(new QPushButton(this), "cmdSaveNow");
    cmdSaveNow->setAutoDefault(false);
    cmdSaveNow->setMinimumHeight(34);
    QFont bold = cmdSaveNow->font();
    bold.setBold(true);
    cmdSaveNow->setFont(bold);
    cmdClose = Named(new QPushButton(this), "cmdClose");
    cmdClose->setAutoDefault(false);

    auto* top = new QHBoxLayout;
    top->addWidget(fraFileFormat, 0);
    top->addWidget(fraNewName, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdSaveNow, 1);
    buttons->addSpacing(24);
    buttons->addWidget(cmdClose, 0);

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(14, 12, 14, 12);
    v->setSpacing(6);
    v->addWidget(Label4);
    v->addLayout(top);
    v->addWidget(fraAids_);
    v->addSpacing(4);
    v->addWidget(lblDir);
    v->addWidget(drvTile);
    v->addWidget(dirTile, 1);
    v->addSpacing(4);
    v->addWidget(Label3);
    v->addWidget(lblPath);
    v->addSpacing(8);
    v->addWidget(Label5);
    v->addLayout(buttons);
}

void frmSaveTiles::SetTexts() {
    setWindowTitle(tr("Save Poster Image Files"));
    fraFileFormat->setTitle(tr("File Type"));
    fraFileFormat->setToolTip(
        tr("Image file format that your poster tile images will be saved as"));
    for (const auto& [button, format] : FormatButtons())
        button->setText(FormatTable::Row(format).Caption());
    fraNewName->setTitle(tr("File Save Info"));
    Label2->setText(tr("Base Filename") + u':');
    txtBaseFileName->setToolTip(
        tr("Base name that will be used to name your poster tile image files"));
    Label1->setText(tr("New Folder Name") + u':');
    txtNewFolderName->setToolTip(
        tr("Name of the new folder to be created to hold your poster tile images"));
    fraAids_->setTitle(tr("Assembly Aids"));
    chkLabels_->setText(tr("Sheet names (A1, A2, ...)"));
    chkLabels_->setToolTip(tr("PDF: print each sheet's name and the poster's layout where no "
                              "picture shows"));
    chkMarks_->setText(tr("Cut and glue marks"));
    chkMarks_->setToolTip(tr("PDF: mark where overlapping sheets are cut and glued, or the "
                             "picture's corners when the sheets do not overlap"));
    chkOverview_->setText(tr("Overview page"));
    chkOverview_->setToolTip(tr("PDF: a first page with the whole poster, its sheets and how to "
                                "put them together"));
    chkOverviewImage_->setText(tr("Overview image"));
    chkOverviewImage_->setToolTip(tr("Image files: also save a picture of the whole poster with "
                                     "its sheets and their names beside the tiles"));
    lblDir->setText(tr("New Folder Location"));
    drvTile->setToolTip(tr("Select current drive"));
    dirTile->setToolTip(tr("Select folder where you want the new subfolder to be created which "
                           "will contain your poster tile images"));
    Label3->setText(tr("Files currently set to be saved in"));
    Label4->setText(tr("Step (1) Select File Preferences for Poster Images"));
    Label5->setText(tr("Step (2) Click to Save Files Now"));
    cmdSaveNow->setText(tr("Save Images Now"));
    cmdSaveNow->setToolTip(tr("Click here to generate and save your poster Tile images now"));
    cmdClose->setText(tr("close"));
    cmdClose->setToolTip(
        tr("Close this dialog without generating or saving your poster Tile images"));
}

void frmSaveTiles::ConnectEvents() {
    connect(drvTile, &QComboBox::activated, this, &frmSaveTiles::drvTile_Change);
    connect(folderTree_, &FolderTree::folderChosen, this, &frmSaveTiles::dirTile_Change);
    connect(txtNewFolderName, &QLineEdit::textChanged, this, &frmSaveTiles::UpdateSaveFolderLabel);
    // The document's name follows the base name; a document needs no new folder.
    connect(txtBaseFileName, &QLineEdit::textChanged, this, [this] {
        if (SavesDocument())
            UpdateSaveFolderLabel();
    });
    connect(opbPdf, &QRadioButton::toggled, this, [this](bool on) {
        txtNewFolderName->setEnabled(!on);
        Label1->setEnabled(!on);
        UpdateSaveFolderLabel();
    });
    for (const auto& [button, format] : FormatButtons())
        connect(button, &QRadioButton::toggled, this, &frmSaveTiles::UpdateAidSwitches);
    connect(cmdSaveNow, &QPushButton::clicked, this, &frmSaveTiles::cmdSaveNow_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);
}

// ---------------------------------------------------------------------------------------------
// Opening

bool frmSaveTiles::OpenFor(const PosterState& poster, ImageSource image, const QString& folder,
                           const QString& fileName) {
    // Taken once for all the runs of a save, as the window's photo is.
    auto held = std::make_shared<std::optional<ImageObject>>();
    return OpenFor(
        poster,
        [image = std::move(image), held]() -> Result<std::unique_ptr<TileSource>> {
            if (!*held)
                *held = image();
            return std::unique_ptr<TileSource>(std::make_unique<WholeImageSource>(**held));
        },
        folder, fileName);
}

bool frmSaveTiles::OpenFor(const PosterState& poster, TileSaver::SourceOpener openPhoto,
                           const QString& folder, const QString& fileName) {
    const SaveTilesOpening opening = SaveTilesOpening::Check(poster, fileName, messages_);
    if (!opening.ok()) {
        // Proposals made for an earlier poster must not stay on offer.
        close();
        return false;
    }
    poster_ = &poster;
    openPhoto_ = std::move(openPhoto);

    QString drive = FileBrowser::DriveOf(folder);
    if (drive.isEmpty())
        drive = poster.sCurDrive;
    if (!FileBrowser::CanOpen(drive)) {
        messages_.Critical(FileBrowser::InvalidDriveTitle(), FileBrowser::InvalidDriveText());
    } else {
        lastGoodDrive_ = drive;
        folderTree_->SelectDrive(drive);
    }
    {
        // The label is built once, below, from the final values.
        const QSignalBlocker block(txtNewFolderName);
        txtBaseFileName->setText(opening.defaults.baseFileName);
        txtNewFolderName->setText(opening.defaults.newFolderName);
    }
    if (!SetDirTilePath(folder))
        dirTilePath_ = QDir::cleanPath(folder);
    SelectFormat(*opening.defaults.format);
    if (settings_)
        if (const auto kept = FormatTable::FromCliName(settings_->GetPref(PrefValue::OutputType)))
            SelectFormat(*kept);
    UpdateSaveFolderLabel();
    show();
    raise();
    activateWindow();
    return true;
}

bool frmSaveTiles::OpenFor(const PosterState& poster, SourceImage& source, const QString& folder,
                           const QString& fileName) {
    return OpenFor(poster, PosterPhoto::Opener(source), folder, fileName);
}

std::vector<std::pair<QRadioButton*, ImageFormat>> frmSaveTiles::FormatButtons() const {
    return {{opbBmp, ImageFormat::Bmp},
            {opbTif, ImageFormat::Tiff},
            {opbJpg, ImageFormat::Jpeg},
            {opbPdf, ImageFormat::Pdf}};
}

std::vector<std::pair<QCheckBox*, int>> frmSaveTiles::AidSwitches() const {
    return {{chkLabels_, static_cast<int>(PrefValue::AidLabels)},
            {chkMarks_, static_cast<int>(PrefValue::AidMarks)},
            {chkOverview_, static_cast<int>(PrefValue::AidOverviewPage)},
            {chkOverviewImage_, static_cast<int>(PrefValue::AidOverviewImage)}};
}

void frmSaveTiles::RestoreAndKeepChoices() {
    if (!settings_)
        return;
    for (const auto& [box, pref] : AidSwitches()) {
        const auto value = static_cast<PrefValue>(pref);
        box->setChecked(ParseSwitchOr(settings_->GetPref(value), box->isChecked()));
        // Only the user's clicks are stored, not what the window sets itself.
        connect(box, &QCheckBox::clicked, this,
                [this, value](bool on) { settings_->SavePref(value, on ? 1 : 0); });
    }
    for (const auto& [button, format] : FormatButtons())
        connect(button, &QRadioButton::clicked, this, [this, format = format] {
            settings_->SavePref(PrefValue::OutputType, FormatTable::Row(format).CliName());
        });
}

bool frmSaveTiles::SavesDocument() const {
    const auto format = SelectedFormat();
    return format && !FormatTable::Row(*format).IsImage();
}

void frmSaveTiles::UpdateAidSwitches() {
    const bool document = SavesDocument();
    chkLabels_->setEnabled(document);
    chkMarks_->setEnabled(document);
    chkOverview_->setEnabled(document);
    chkOverviewImage_->setEnabled(!document && SelectedFormat().has_value());
}

void frmSaveTiles::SelectFormat(ImageFormat format) {
    for (const auto& [button, f] : FormatButtons())
        if (f == format)
            button->setChecked(true);
}

std::optional<ImageFormat> frmSaveTiles::SelectedFormat() const {
    for (const auto& [button, format] : FormatButtons())
        if (button->isChecked())
            return format;
    return std::nullopt;
}

SaveTilesRequest frmSaveTiles::Request() const {
    SaveTilesRequest r;
    r.folder = dirTilePath_;
    r.newFolderName = txtNewFolderName->text();
    r.baseFileName = txtBaseFileName->text();
    r.format = SelectedFormat();
    r.aids = AssemblyAids{chkLabels_->isChecked(), chkMarks_->isChecked(),
                          chkOverview_->isChecked(), chkOverviewImage_->isChecked()};
    return r;
}

void frmSaveTiles::UpdateSaveFolderLabel() {
    if (SavesDocument()) {
        lblPath->setText(LabelLines(
            SplitPathLabel(QDir::toNativeSeparators(PdfTileSink::DocumentFilePath(Request())),
                           SaveFolderLabel::kWinStart, SaveFolderLabel::kWinEnd)));
        return;
    }
    lblPath->setText(LabelLines(SaveFolderLabel::Caption(dirTilePath_, txtNewFolderName->text())));
}

// ---------------------------------------------------------------------------------------------
// Drive and folder lists

bool frmSaveTiles::SetDirTilePath(const QString& folder) {
    if (!FileBrowser::CanOpen(folder))
        return false;
    const QString drive = FileBrowser::DriveOf(folder);
    if (!drive.isEmpty() && drvTile->currentData().toString() != drive) {
        lastGoodDrive_ = drive;
        folderTree_->SelectDrive(drive);
    }
    folderTree_->ShowPath(folder);
    dirTile_Change(folder);
    return true;
}

void frmSaveTiles::drvTile_Change(int index) {
    const QString root = drvTile->itemData(index).toString();
    if (!FileBrowser::CanOpen(root)) {
        messages_.Critical(FileBrowser::InvalidDriveTitle(), FileBrowser::InvalidDriveText());
        // Back to the last drive that opened; the folder stays where it was.
        folderTree_->SelectDrive(lastGoodDrive_);
        if (!dirTilePath_.isEmpty())
            folderTree_->ShowPath(dirTilePath_);
        return;
    }
    lastGoodDrive_ = root;
    folderTree_->SelectDrive(root);
    folderTree_->ShowPath(root);
    dirTile_Change(root);
}

void frmSaveTiles::dirTile_Change(const QString& path) {
    dirTilePath_ = QDir::cleanPath(path);
    UpdateSaveFolderLabel();
}

// ---------------------------------------------------------------------------------------------
// Saving

SaveOutcome frmSaveTiles::SaveNow() {
    SaveOutcome outcome;
    if (saving_ || !poster_)
        return outcome;
    const QScopedValueRollback guard(saving_, true);
    // The run works on the poster and the image as they are now: the main window stays usable
    // while the progress window yields, and must not change the tiles halfway.
    const PosterState poster = *poster_;
    SaveProgressWindows windows(*frmMsg_, *frmSimpleMsg_);
    TileSaver saver(messages_, windows);
    if (threads_)
        saver.SetThreadCount(*threads_);
    if (freeSpace_)
        saver.SetFreeSpaceQuery(*freeSpace_);
    cmdSaveNow->setEnabled(false);
    cmdClose->setEnabled(false);
    outcome = saver.processSaveNow(poster, openPhoto_, Request());
    cmdSaveNow->setEnabled(true);
    cmdClose->setEnabled(true);
    lastOutcome_ = outcome;
    return outcome;
}

void frmSaveTiles::cmdSaveNow_Click() {
    if (saving_)
        return;
    QCoreApplication::processEvents();
    SaveNow();
    close();
}

} // namespace tessellon
