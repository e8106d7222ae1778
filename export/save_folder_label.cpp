#include "export/save_folder_label.h"

#include "export/split_path_label.h"

#include <QDir>

namespace tessellon {

QString SaveFolderLabel::FolderText(const QString& folder, const QString& newFolderName) {
    const QChar separator = QDir::separator();
    QString text = QDir::toNativeSeparators(folder);
    if (!text.endsWith(separator))
        text += separator;
    text += newFolderName;
    if (!newFolderName.isEmpty())
        text += separator;
    return text;
}

QString SaveFolderLabel::Caption(const QString& folder, const QString& newFolderName) {
    return SplitPathLabel(FolderText(folder, newFolderName), kWinStart, kWinEnd);
}

} // namespace tessellon
