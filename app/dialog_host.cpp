#include "app/dialog_host.h"

#include "app/frm_about.h"
#include "app/frm_btm.h"
#include "app/frm_main.h"
#include "app/frm_msg.h"
#include "app/frm_poster_size.h"
#include "app/frm_save_tiles.h"
#include "app/frm_simple_msg.h"
#include "app/frm_tile_size.h"
#include "app/help_locator.h"
#include "app/help_window.h"
#include "app/language_switcher.h"
#include "app/poster_photo.h"
#include "app/print_poster_flow.h"
#include "app/qt_print_dialog_service.h"
#include "app/save_progress_windows.h"
#include "app/save_tiles_opening.h"
#include "app/sys_info_window.h"
#include "settings/settings_store.h"

namespace tessellon {

DialogHost::DialogHost(frmMain& window, SettingsStore& settings, MessageService& messages)
    : QObject(&window), window_(window), settings_(settings), messages_(messages),
      helpFilePath_(HelpLocator::GetHelpFilePath(settings.GetPref(PrefValue::AppDir))),
      systemPrintDialog_(std::make_unique<QtPrintDialogService>()),
      printDialog_(systemPrintDialog_.get()) {
    connect(&window, &frmMain::printRequested, this, &DialogHost::ShowPrintDialog);
    connect(&window, &frmMain::paperDialogRequested, this, &DialogHost::ShowPaperDialog);
    connect(&window, &frmMain::posterSizeDialogRequested, this, &DialogHost::ShowPosterSizeDialog);
    connect(&window, &frmMain::edgeDialogRequested, this, &DialogHost::ShowEdgeDialog);
    connect(&window, &frmMain::saveDialogRequested, this, &DialogHost::ShowSaveDialog);
    connect(&window, &frmMain::closeSaveDialogRequested, this, &DialogHost::CloseSaveDialog);
    connect(&window, &frmMain::helpContentsRequested, this, &DialogHost::OpenHelpFile);
    connect(&window, &frmMain::aboutRequested, this, &DialogHost::ShowAbout);
    connect(&window, &frmMain::languageChosen, this, &DialogHost::ChooseLanguage);
}

void DialogHost::SetLanguages(LanguageSwitcher& languages) {
    languages_ = &languages;
    window_.ShowLanguageChoice(settings_.GetPref(PrefValue::Language));
}

void DialogHost::ChooseLanguage(const QString& code) {
    if (!languages_)
        return;
    settings_.SavePref(PrefValue::Language, code);
    languages_->Apply(code);
    window_.ShowLanguageChoice(code);
}

DialogHost::~DialogHost() = default;

frmSaveTiles* DialogHost::SaveDialog() const {
    return saveDialog_;
}
HelpWindow* DialogHost::Help() const {
    return help_;
}
frmAbout* DialogHost::About() const {
    return about_;
}

void DialogHost::ShowPaperDialog() {
    frmTileSize::ShowPaperDialog(window_.State(), messages_, &window_,
                                 [this](const PaperChoice& paper) { window_.ApplyPaper(paper); });
}

void DialogHost::ShowPosterSizeDialog() {
    frmPosterSize::ShowPosterSizeDialog(
        window_.State(), &window_,
        [this](const Arrangement& arrangement) { window_.ApplyArrangement(arrangement); });
}

void DialogHost::ShowEdgeDialog(bool fromEditButton) {
    // One dialog for the run; the Edit button re-reads the profile file on each opening.
    if (!edgeDialog_) {
        edgeDialog_ = new frmBtm(window_.Profiles(), window_.State(), messages_, &window_);
        connect(edgeDialog_, &frmBtm::profilesChanged, &window_, &frmMain::fillMainDialog);
        connect(edgeDialog_, &frmBtm::outputSizeUpdateRequested, this,
                &DialogHost::RefreshAfterEdgeChange);
        // The dialog read the table while it was being built: the selector follows it.
        window_.fillMainDialog();
    }
    edgeDialog_->SetPrintDialog(*printDialog_);
    const int current = window_.CurrentProfileIndex();
    if (fromEditButton)
        edgeDialog_->OpenFromEditButton(current);
    else
        edgeDialog_->OpenFromMenu(current);
}

void DialogHost::RefreshAfterEdgeChange() {
    window_.Refresh(PosterChange::EdgeValues);
}

void DialogHost::ShowSaveDialog() {
    if (!saveDialog_)
        saveDialog_ = new frmSaveTiles(messages_, &window_, &settings_);
    saveDialog_->OpenFor(window_.State(), window_.Image(), window_.CurrentFolder(),
                         window_.ChosenFileName());
}

void DialogHost::ShowPrintDialog() {
    // The checks of the save button: a print is the same sheets.
    if (!SaveTilesOpening::Check(window_.State(), window_.ChosenFileName(), messages_).ok())
        return;
    if (!printProgress_)
        printProgress_ = new frmMsg(&window_);
    if (!printDone_)
        printDone_ = new frmSimpleMsg(&window_);
    SaveProgressWindows progress(*printProgress_, *printDone_);
    // The job works on the poster as it is now; the window stays usable while it runs.
    const PosterState poster = window_.State();
    PrintPosterFlow(messages_, *printDialog_, progress)
        .PrintPoster(&window_, poster, PosterPhoto::Opener(window_.Image()),
                     window_.ChosenFileName());
}

void DialogHost::CloseSaveDialog() {
    if (saveDialog_)
        saveDialog_->close();
}

void DialogHost::OpenHelpFile() {
    if (!help_)
        help_ = new HelpWindow(&window_);
    help_->OpenHelpFile(helpFilePath_, messages_);
}

void DialogHost::ShowAbout() {
    if (!about_)
        about_ = new frmAbout(messages_, &window_);
    about_->ShowAbout();
}

} // namespace tessellon
