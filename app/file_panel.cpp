#include "app/file_panel.h"

#include "app/folder_tree.h"
#include "app/form_widgets.h"
#include "common/string_table.h"
#include "source/file_browser.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTreeView>
#include <QVBoxLayout>

namespace tessellon {
FilePanel::FilePanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("step1"));
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    lblStep1 = StepTitle(this, "lblStep1");
    v->addWidget(lblStep1);
    auto* shortcuts = new QHBoxLayout;
    cmdMyDoc = Named(new QPushButton(this), "cmdMyDoc");
    cmdDesktop = Named(new QPushButton(this), "cmdDesktop");
    shortcuts->addWidget(cmdMyDoc);
    shortcuts->addWidget(cmdDesktop);
    v->addLayout(shortcuts);
    Drive1 = Named(new QComboBox(this), "Drive1");
    v->addWidget(Drive1);
    Dir1 = Named(new QTreeView(this), "Dir1");
    folderTree_ = new FolderTree(Drive1, Dir1, this);
    Dir1->setMouseTracking(true);
    Dir1->viewport()->installEventFilter(this);
    v->addWidget(Dir1, 3);
    cmbFileType = Named(new QComboBox(this), "cmbFileType");
    v->addWidget(cmbFileType);
    lstFiles = Named(new QListWidget(this), "lstFiles");
    lstFiles->setSelectionMode(QAbstractItemView::SingleSelection);
    v->addWidget(lstFiles, 4);
    setFixedWidth(std::max(260, minimumSizeHint().width()));

    connect(cmdMyDoc, &QPushButton::clicked, this, &FilePanel::myDocumentsClicked);
    connect(cmdDesktop, &QPushButton::clicked, this, &FilePanel::desktopClicked);
    connect(Drive1, &QComboBox::activated, this,
            [this](int index) { emit driveChosen(Drive1->itemData(index).toString()); });
    connect(folderTree_, &FolderTree::folderChosen, this, &FilePanel::folderChosen);
    connect(cmbFileType, &QComboBox::currentIndexChanged, this, &FilePanel::fileTypeChanged);
    connect(lstFiles, &QListWidget::itemSelectionChanged, this, &FilePanel::fileSelectionChanged);
}

void FilePanel::AssignTexts() {
    cmdMyDoc->setText(T(str::MyDocCaption));
    cmdMyDoc->setToolTip(T(str::MyDocTip));
    cmdDesktop->setText(T(str::DesktopCaption));
    cmdDesktop->setToolTip(T(str::DesktopTip));
    cmbFileType->setToolTip(T(str::FileTypeTip));
    lstFiles->setToolTip(T(str::FilesTip));
    Dir1->setToolTip(T(str::DirTip));
    Drive1->setToolTip(T(str::DriveTip));
    lblStep1->setText(T(str::Step1));
    // The fixed list, with nothing selected yet.
    const QSignalBlocker block(cmbFileType);
    cmbFileType->clear();
    cmbFileType->addItems(FileBrowser::FileTypeItems());
    cmbFileType->setCurrentIndex(-1);
    // The open list shows the long entries whole, wider than the panel if need be.
    cmbFileType->view()->setMinimumWidth(
        cmbFileType->view()->sizeHintForColumn(0) +
        cmbFileType->view()->verticalScrollBar()->sizeHint().width());
}

void FilePanel::FillDriveList() {
    folderTree_->FillDriveList();
}

QString FilePanel::ShownDrive() const {
    return Drive1->currentData().toString();
}

void FilePanel::SelectDrive(const QString& root) {
    folderTree_->SelectDrive(root);
}

void FilePanel::ShowPath(const QString& path) {
    folderTree_->ShowPath(path);
}

int FilePanel::FileType() const {
    return cmbFileType->currentIndex();
}

void FilePanel::ShowFileType(int index) {
    const QSignalBlocker block(cmbFileType);
    cmbFileType->setCurrentIndex(index);
}

void FilePanel::SetFileType(int index) {
    cmbFileType->setCurrentIndex(index);
}

void FilePanel::ShowFiles(const QStringList& names, const QString& keep) {
    const QSignalBlocker block(lstFiles);
    lstFiles->clear();
    lstFiles->addItems(names);
    lstFiles->setCurrentRow(keep.isEmpty() ? -1 : static_cast<int>(names.indexOf(keep)));
}

QString FilePanel::SelectedFile() const {
    const QList<QListWidgetItem*> selected = lstFiles->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

QString FilePanel::CurrentFile() const {
    const QListWidgetItem* item = lstFiles->currentItem();
    return item ? item->text() : QString();
}

bool FilePanel::SelectFile(const QString& name) {
    const QList<QListWidgetItem*> found = lstFiles->findItems(name, Qt::MatchExactly);
    if (found.isEmpty())
        return false;
    lstFiles->setCurrentItem(found.first());
    return true;
}

bool FilePanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Dir1->viewport() && event->type() == QEvent::MouseMove)
        emit pointerOverFolders();
    return QWidget::eventFilter(watched, event);
}

} // namespace tessellon
