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
    // Opens the tree down to `path`, selects it and keeps it in sight while its parents are
    // still being read. Does not count as a choice of the user.
    void ShowPath(const QString& path);

signals:
    // A folder chosen in the tree by the user.
    void folderChosen(const QString& path);

private:
    QComboBox* drives_;
    QTreeView* folders_;
    QFileSystemModel* model_;
    QString shown_;          // the folder kept in sight
    bool following_ = false; // while its parents are still being read
};

} // namespace tessellon
