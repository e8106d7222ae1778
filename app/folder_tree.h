#pragma once

#include <QObject>
#include <QString>

class QComboBox;
class QFileSystemModel;
class QTreeView;

namespace tessellon {

// A drive list over a folder tree, as the main window and the save dialog show them: the
// tree lists the folders of the drive chosen in the list. The window owns both controls; this
// object gives the tree its file-system model and keeps the two in step.
class FolderTree : public QObject {
    Q_OBJECT
public:
    FolderTree(QComboBox* drives, QTreeView* folders, QObject* parent);

    // Lists the mounted volumes (name shown, root path as the item's data).
    void FillDriveList();
    // Selects `root` in the drive list, adding it when it is not listed, and roots the tree
    // there. Does not count as a choice of the user.
    void SelectDrive(const QString& root);
    // Opens the tree down to `path`, selects it and keeps it in sight while folders are read
    // and sorted around it, until the user scrolls, clicks or types in the tree. Does not count
    // as a choice of the user.
    void ShowPath(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // A folder chosen in the tree by the user.
    void folderChosen(const QString& path);

private:
    QComboBox* drives_;
    QTreeView* folders_;
    QFileSystemModel* model_;
    QString shown_;          // the folder kept in sight
    bool following_ = false; // until the user takes over the tree
};

} // namespace tessellon
