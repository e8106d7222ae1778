#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTreeView;

namespace tessellon {

class FolderTree;

// Step (1) of the main window: the folder shortcuts, the drive list over the folder tree, the
// file type filter and the file list. It announces what the user chooses; the main window
// decides what follows. Show… and Select… operations called by the window are no choice of the
// user and announce nothing, except where noted.
class FilePanel : public QWidget {
    Q_OBJECT
public:
    explicit FilePanel(QWidget* parent);

    void AssignTexts();

    void FillDriveList();
    // The drive the drive list shows (its root path).
    QString ShownDrive() const;
    void SelectDrive(const QString& root);
    void ShowPath(const QString& path);

    int FileType() const;
    void ShowFileType(int index);
    // Chooses a file type entry as the user would: announced by fileTypeChanged.
    void SetFileType(int index);

    // Lists `names`, none of them selected but `keep` when it is among them (announced by
    // nothing).
    void ShowFiles(const QStringList& names, const QString& keep = {});
    // The selected file's name; empty when none is selected.
    QString SelectedFile() const;
    // The file list's current file; empty when there is none.
    QString CurrentFile() const;
    // Selects `name` as the user would (announced by fileSelectionChanged); false when the list
    // does not hold it.
    bool SelectFile(const QString& name);

signals:
    void myDocumentsClicked();
    void desktopClicked();
    void driveChosen(const QString& root);
    void folderChosen(const QString& path);
    void fileTypeChanged(int index);
    void fileSelectionChanged();
    // The pointer moved over the folder tree.
    void pointerOverFolders();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* lblStep1 = nullptr;
    QPushButton* cmdMyDoc = nullptr;
    QPushButton* cmdDesktop = nullptr;
    QComboBox* Drive1 = nullptr;
    QTreeView* Dir1 = nullptr;
    QComboBox* cmbFileType = nullptr;
    QListWidget* lstFiles = nullptr;
    FolderTree* folderTree_ = nullptr;
};

} // namespace tessellon
