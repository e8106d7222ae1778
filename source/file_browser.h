#pragma once

#include "imaging/input_type_table.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace tessellon {

// One mounted volume offered in the drive list.
struct Volume {
    QString rootPath;
    QString displayName;
    bool operator==(const Volume&) const = default;
};

// A folder the shortcut buttons jump to, or the message to show when it cannot be used.
struct FolderJump {
    QString folder;
    QString drive;
    QString errorTitle;
    QString errorText;
    bool ok() const { return errorText.isEmpty(); }
};

// The source image browser: mounted volumes, the file-type filter and the filtered list of
// files in a folder, and the Desktop / My Documents shortcuts.
class FileBrowser {
public:
    // Items of the file-type filter list, in list order (FileListEntry).
    static QStringList FileTypeItems();
    // The entry listing every type that opens, with each type's usual extension.
    static QString EveryTypeItem();
    // Whether `name` passes filter `filterIndex`: its extension, in any letter case, against
    // the filter's types (.jpg, .jpeg and .jpe for JPEG; .tif and .tiff for TIFF). Any other
    // index accepts nothing.
    static bool MatchesFileFilter(const QString& name, int filterIndex);
    // The entry that shows a file the current filter hides: its type's own entry for a type
    // outside "Image Files", else all files.
    static FileListEntry EntryShowing(const QString& name);
    // The filter list as the file dialog's name filters, with every extension they accept:
    // every type first, then the list's order, all files last.
    static QStringList OpenDialogFilters();
    // The names of the files in `folder` that are longer than four characters and pass the
    // filter, sorted by name; empty when the folder cannot be listed.
    static std::optional<QStringList> FillFileList(const QString& folder, int filterIndex);

    // Mounted, ready volumes (the drive list).
    static QList<Volume> Volumes();
    // The root of the volume holding `path`; empty when it cannot be determined.
    static QString DriveOf(const QString& path);
    // Whether a drive can be opened as a folder.
    static bool CanOpen(const QString& folder);

    static QString InvalidDriveTitle();
    static QString InvalidDriveText();
};

// The Desktop and My Documents folders, looked up once at start-up and kept for the run.
class SpecialFolders {
public:
    SpecialFolders() = default;
    // Takes the two paths as found; each is kept when it is an existing folder, and `found`
    // is set when both are.
    SpecialFolders(const QString& desktop, const QString& myDocuments);

    // Looks both up with the system's standard locations.
    static SpecialFolders LookUp();
    // Where the browser starts without a stored folder: the user's pictures folder, or home.
    static QString StartFolder();

    bool Found() const { return found_; }
    const QString& Desktop() const { return desktop_; }

    FolderJump JumpToDesktop() const;
    FolderJump JumpToMyDocuments() const;

private:
    FolderJump Jump(const QString& path, const QString& folderName) const;

    QString desktop_;
    QString myDocuments_;
    bool found_ = false;
};

} // namespace tessellon
