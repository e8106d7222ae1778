#include "app/save_folder_label.h"

#include "app/split_path_label.h"
#include "export/tile_saver.h"

#include <QDir>

namespace tessellon {

QString SaveFolderLabel::FolderText(const QString& folder, const QString& newFolderName) {
    SaveTilesRequest target;
    target.folder = folder;
    target.newFolderName = newFolderName;
    QString text = QDir::toNativeSeparators(TileSaver::TargetFolderPath(target));
    if (!newFolderName.isEmpty())
        text += QDir::separator();
    return text;
}

QString SaveFolderLabel::Caption(const QString& folder, const QString& newFolderName) {
    return SplitPathLabel(FolderText(folder, newFolderName), kWinStart, kWinEnd);
}

} // namespace tessellon
