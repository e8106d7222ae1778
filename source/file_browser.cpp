#include "source/file_browser.h"

#include "common/string_table.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>

#include <algorithm>

namespace tessellon {

QStringList FileBrowser::FileTypeItems() {
    return {StringTable::Text(str::FilterAllImages),
            StringTable::Text(str::FilterJpeg),
            StringTable::Text(str::FilterTiff),
            StringTable::Text(str::FilterBmp),
            StringTable::Text(str::FilterAllFiles),
            QCoreApplication::translate("FileBrowser", "PNG and WebP Files (*.png, *.webp)"),
            EveryTypeItem()};
}

QString FileBrowser::EveryTypeItem() {
    QStringList patterns;
    for (const InputTypeRow& row : InputTypeTable::Rows())
        patterns << QStringLiteral("*.") + row.Extensions().constFirst();
    return QCoreApplication::translate("FileBrowser", "All Supported Images (%1)")
        .arg(patterns.join(QStringLiteral(", ")));
}

bool FileBrowser::MatchesFileFilter(const QString& name, int filterIndex) {
    if (filterIndex < kAllImages || filterIndex > kEveryType)
        return false;
    return InputTypeTable::Lists(static_cast<FileListEntry>(filterIndex),
                                 InputTypeTable::FromFileName(name));
}

FileListEntry FileBrowser::EntryShowing(const QString& name) {
    const InputTypeRow* row = InputTypeTable::Row(InputTypeTable::FromFileName(name));
    return row && !row->inAllImages ? row->listEntry : kAllFiles;
}

QStringList FileBrowser::OpenDialogFilters() {
    QStringList filters;
    for (const QString& item : FileTypeItems()) {
        // "Jpeg Files Only (*.jpg)" -> "Jpeg Files Only (*.jpg *.jpeg *.jpe ...)" with the long
        // spellings and the upper-case forms the dialog would otherwise hide.
        const qsizetype open = item.lastIndexOf(u'(');
        const int index = static_cast<int>(filters.size());
        QStringList patterns;
        for (const QString& ext : InputTypeTable::AllExtensions())
            if (index != kAllFiles && MatchesFileFilter(QStringLiteral("a.") + ext, index))
                patterns << QStringLiteral("*.") + ext << QStringLiteral("*.") + ext.toUpper();
        if (index == kAllFiles)
            patterns << QStringLiteral("*");
        filters << item.left(open).trimmed() + QStringLiteral(" (") + patterns.join(u' ') + u')';
    }
    // Every type first (the dialog's default), all files last.
    filters.move(kAllFiles, filters.size() - 1);
    filters.move(filters.size() - 2, 0);
    return filters;
}

std::optional<QStringList> FileBrowser::FillFileList(const QString& folder, int filterIndex) {
    if (folder.isEmpty())
        return std::nullopt;
    const QDir dir(folder);
    if (!dir.exists() || !dir.isReadable())
        return std::nullopt;
    QStringList names;
    // Regular files and links to them only: pipes, sockets and devices (QDir::System) cannot
    // be read as pictures, and a pipe would hold the reading up.
    for (const QString& name :
         dir.entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase)) {
        if (name.size() > 4 && MatchesFileFilter(name, filterIndex))
            names.append(name);
    }
    return names;
}

QList<Volume> FileBrowser::Volumes() {
    QList<Volume> out;
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
        if (!v.isValid() || !v.isReady())
            continue;
        QString name = v.rootPath();
        if (!v.displayName().isEmpty() && v.displayName() != v.rootPath())
            name += QStringLiteral("  [") + v.displayName() + u']';
        out.append({v.rootPath(), name});
    }
    std::sort(out.begin(), out.end(),
              [](const Volume& a, const Volume& b) { return a.rootPath < b.rootPath; });
    out.erase(
        std::unique(out.begin(), out.end(),
                    [](const Volume& a, const Volume& b) { return a.rootPath == b.rootPath; }),
        out.end());
    return out;
}

QString FileBrowser::DriveOf(const QString& path) {
    if (path.isEmpty() || !QFileInfo::exists(path))
        return {};
    const QStorageInfo info(path);
    return info.isValid() ? info.rootPath() : QString();
}

bool FileBrowser::CanOpen(const QString& folder) {
    const QFileInfo fi(folder);
    return !folder.isEmpty() && fi.isDir() && fi.isReadable() && fi.isExecutable();
}

QString FileBrowser::InvalidDriveTitle() {
    return QCoreApplication::translate("FileBrowser", "Invalid Drive");
}

QString FileBrowser::InvalidDriveText() {
    return QCoreApplication::translate("FileBrowser", "The drive you chose could not be accessed.");
}

SpecialFolders::SpecialFolders(const QString& desktop, const QString& myDocuments) {
    // Each folder counts on its own: a missing Desktop does not hide the documents folder.
    if (!desktop.isEmpty() && QFileInfo(desktop).isDir())
        desktop_ = desktop;
    if (!myDocuments.isEmpty() && QFileInfo(myDocuments).isDir())
        myDocuments_ = myDocuments;
    found_ = !desktop_.isEmpty() && !myDocuments_.isEmpty();
}

SpecialFolders SpecialFolders::LookUp() {
    return SpecialFolders(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation),
                          QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

FolderJump SpecialFolders::Jump(const QString& path, const QString& folderName) const {
    FolderJump jump;
    if (!path.isEmpty() && QFileInfo(path).isDir()) {
        jump.drive = FileBrowser::DriveOf(path);
        if (!jump.drive.isEmpty()) {
            jump.folder = QDir::cleanPath(path);
            return jump;
        }
    }
    jump.errorTitle = QCoreApplication::translate("FileBrowser", "Problem");
    jump.errorText =
        QCoreApplication::translate("FileBrowser", "Could not determine the location of the %1 "
                                                   "folder.  Please navigate there manually using "
                                                   "the folder listbox below here.")
            .arg(folderName);
    return jump;
}

QString SpecialFolders::StartFolder() {
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!pictures.isEmpty() && QFileInfo(pictures).isDir())
        return QDir::cleanPath(pictures);
    return QDir::homePath();
}

FolderJump SpecialFolders::JumpToDesktop() const {
    return Jump(desktop_, StringTable::Text(str::DesktopCaption));
}

FolderJump SpecialFolders::JumpToMyDocuments() const {
    return Jump(myDocuments_, StringTable::Text(str::MyDocCaption));
}

} // namespace tessellon
