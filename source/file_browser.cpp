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
    return {StringTable::Text(str::FilterAllImages), StringTable::Text(str::FilterJpeg),
            StringTable::Text(str::FilterTiff), StringTable::Text(str::FilterBmp),
            StringTable::Text(str::FilterAllFiles)};
}

bool FileBrowser::MatchesFileFilter(const QString& name, int filterIndex) {
    const QString ext = name.right(3).toUpper();
    switch (filterIndex) {
    case kAllImages:
        return ext == u"JPG" || ext == u"TIF" || ext == u"BMP";
    case kJpegOnly:
        return ext == u"JPG";
    case kTiffOnly:
        return ext == u"TIF";
    case kBmpOnly:
        return ext == u"BMP";
    case kAllFiles:
        return true;
    default:
        return false;
    }
}

std::optional<QStringList> FileBrowser::FillFileList(const QString& folder, int filterIndex) {
    if (folder.isEmpty())
        return std::nullopt;
    const QDir dir(folder);
    if (!dir.exists() || !dir.isReadable())
        return std::nullopt;
    QStringList names;
    for (const QString& name :
         dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name | QDir::IgnoreCase)) {
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
    desktop_ = desktop.isEmpty() ? QDir::rootPath() : desktop;
    if (!QFileInfo(desktop_).isDir())
        return;
    const QString docs = myDocuments.isEmpty() ? QDir::rootPath() : myDocuments;
    if (QFileInfo(docs).isDir()) {
        myDocuments_ = docs;
        found_ = true;
    }
}

SpecialFolders SpecialFolders::LookUp() {
    return SpecialFolders(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation),
                          QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

FolderJump SpecialFolders::Jump(const QString& path, const QString& folderName) const {
    FolderJump jump;
    if (found_ && QFileInfo(path).isDir()) {
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

FolderJump SpecialFolders::JumpToDesktop() const {
    return Jump(desktop_, QStringLiteral("Desktop"));
}

FolderJump SpecialFolders::JumpToMyDocuments() const {
    return Jump(myDocuments_, QStringLiteral("My Documents"));
}

} // namespace tessellon
