#include "app/folder_tree.h"

#include "source/file_browser.h"

#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QScrollBar>
#include <QTreeView>

namespace tessellon {

FolderTree::FolderTree(QComboBox* drives, QTreeView* folders, QObject* parent)
    : QObject(parent), drives_(drives), folders_(folders), model_(new QFileSystemModel(this)) {
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model_->setRootPath(QDir::rootPath());
    folders_->setModel(model_);
    for (int c = 1; c < model_->columnCount(); ++c)
        folders_->hideColumn(c);
    folders_->header()->hide();
    connect(folders_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (!current.isValid())
                    return;
                shown_ = model_->filePath(current);
                emit folderChosen(shown_);
            });
    // Folders are read and sorted in the background, so rows above the shown folder come and
    // move after it was scrolled to: keep it in sight until the user takes over the tree.
    const auto keepInSight = [this] {
        if (following_)
            folders_->scrollTo(model_->index(shown_), QAbstractItemView::PositionAtCenter);
    };
    connect(model_, &QFileSystemModel::directoryLoaded, this, keepInSight);
    connect(model_, &QAbstractItemModel::rowsInserted, this, keepInSight);
    connect(model_, &QAbstractItemModel::layoutChanged, this, keepInSight);
    folders_->installEventFilter(this);
    folders_->viewport()->installEventFilter(this);
    connect(folders_->verticalScrollBar(), &QAbstractSlider::actionTriggered, this,
            [this] { following_ = false; });
}

bool FolderTree::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
    case QEvent::KeyPress:
        following_ = false;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void FolderTree::FillDriveList() {
    const QSignalBlocker block(drives_);
    drives_->clear();
    for (const Volume& v : FileBrowser::Volumes())
        drives_->addItem(v.displayName, v.rootPath);
}

void FolderTree::SelectDrive(const QString& root) {
    const QSignalBlocker block(drives_);
    int i = drives_->findData(root);
    if (i < 0 && !root.isEmpty()) {
        drives_->addItem(root, root);
        i = drives_->count() - 1;
    }
    drives_->setCurrentIndex(i);
    folders_->setRootIndex(root.isEmpty() ? QModelIndex() : model_->index(root));
}

void FolderTree::ShowPath(const QString& path) {
    shown_ = path;
    following_ = true;
    const QModelIndex idx = model_->index(path);
    const QSignalBlocker block(folders_->selectionModel());
    for (QModelIndex up = idx; up.isValid(); up = up.parent())
        folders_->expand(up);
    folders_->setCurrentIndex(idx);
    folders_->scrollTo(idx, QAbstractItemView::PositionAtCenter);
}

} // namespace tessellon
