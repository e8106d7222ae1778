#pragma once

#include <QString>

namespace tessellon {

// The save dialog's "Files currently set to be saved in" text.
class SaveFolderLabel {
public:
    static constexpr short kWinStart = 55;
    static constexpr short kWinEnd = 78;

    // The folder the tiles go into, in the system's notation: the parent folder, a separator
    // unless it already ends in one, the new folder name and, when that is not empty, a final
    // separator.
    static QString FolderText(const QString& folder, const QString& newFolderName);
    // FolderText broken into label lines.
    static QString Caption(const QString& folder, const QString& newFolderName);
};

} // namespace tessellon
