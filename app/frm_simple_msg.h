#pragma once

#include <QDialog>
#include <QString>

#include <functional>

class QLabel;
class QPushButton;

namespace tessellon {

class LinkLabel;

// The success window after a save: a check mark, the message and a link that opens the
// folder holding the tiles.
class frmSimpleMsg : public QDialog {
    Q_OBJECT
public:
    // Opens a folder for the user (default: the system's file manager).
    using FolderOpener = std::function<void(const QString& folder)>;

    static constexpr short kLinkWinStart = 35;
    static constexpr short kLinkWinEnd = 55;

    explicit frmSimpleMsg(QWidget* parent = nullptr);

    // Shows the window modeless with a link to sFolderName.
    void ShowSaveOkMsg(const QString& sFolderName);
    // The same for a poster saved as one file, with a link that opens it.
    void ShowSavedDocument(const QString& filePath);
    void SetFolderOpener(FolderOpener opener) { opener_ = std::move(opener); }

private:
    QLabel* lblTitle = nullptr;
    QLabel* lblMsg = nullptr;
    LinkLabel* lnkFol = nullptr;
    QLabel* imgCheck = nullptr;
    QPushButton* cmdOk = nullptr;

    void ShowLink(const QString& path);
    void lnkFol_Click(const QString& target);

    FolderOpener opener_;
};

} // namespace tessellon
