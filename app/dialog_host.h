#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

namespace tessellon {

class frmAbout;
class frmBtm;
class frmMain;
class frmMsg;
class frmSaveTiles;
class frmSimpleMsg;
class HelpWindow;
class LanguageSwitcher;
class MessageService;
class PrintDialogService;
class SettingsStore;

// Opens the windows the main window's commands ask for: the paper dialog, the edge calibration
// dialog, the save dialog, help and About. Keeps the main window free of the dialogs' details.
// Create it after the main window's Form_Load, since the help file is looked up once, here.
class DialogHost : public QObject {
    Q_OBJECT
public:
    // `settings` keeps the save window's file type and assembly aids.
    DialogHost(frmMain& window, SettingsStore& settings, MessageService& messages);
    ~DialogHost() override;

    // The help file found at start-up; empty when there is none.
    const QString& HelpFilePath() const { return helpFilePath_; }

    void ShowPaperDialog();
    // The arrangement chosen in the poster size window goes to the main window's controls.
    void ShowPosterSizeDialog();
    // The Edit button recomputes the main window whatever way the dialog is closed; the menu
    // entry only when it is closed with its Close button.
    void ShowEdgeDialog(bool fromEditButton);
    void ShowSaveDialog();
    // File > Print: the print dialog, then the print job with the progress window.
    void ShowPrintDialog();
    // Replaces the system's print dialog (tests); the host's own one by default.
    void SetPrintDialog(PrintDialogService& dialog) { printDialog_ = &dialog; }
    PrintDialogService& PrintDialog() { return *printDialog_; }
    // View > Language stores the choice and installs it through `languages`, which outlives
    // the host. Without it the menu does nothing.
    void SetLanguages(LanguageSwitcher& languages);
    void ChooseLanguage(const QString& code);
    void CloseSaveDialog();
    void OpenHelpFile();
    void ShowAbout();

    // The windows, once opened (for tests); null before.
    frmSaveTiles* SaveDialog() const;
    HelpWindow* Help() const;
    frmAbout* About() const;

private:
    void RefreshAfterEdgeChange();

    frmMain& window_;
    SettingsStore& settings_;
    MessageService& messages_;
    QString helpFilePath_;
    QPointer<frmBtm> edgeDialog_;
    QPointer<frmSaveTiles> saveDialog_;
    QPointer<HelpWindow> help_;
    QPointer<frmAbout> about_;
    std::unique_ptr<PrintDialogService> systemPrintDialog_;
    PrintDialogService* printDialog_ = nullptr;
    LanguageSwitcher* languages_ = nullptr;
    QPointer<frmMsg> printProgress_;
    QPointer<frmSimpleMsg> printDone_;
};

} // namespace tessellon
