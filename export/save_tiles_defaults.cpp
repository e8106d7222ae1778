#include "export/save_tiles_defaults.h"

namespace tessellon {

SaveTilesDefaults SaveTilesDefaults::For(const QString& fileName) {
    SaveTilesDefaults d;
    if (fileName.size() < 5) {
        d.nameProblem = Message{InvalidFileTitle(), InvalidFileText()};
    } else {
        const QString base = fileName.left(fileName.size() - 4);
        d.baseFileName = base + u'_';
        d.newFolderName = base + u'_' + tr("poster") + u'_' + tr("images");
    }
    d.format = FormatFromFileName(fileName);
    if (!d.format)
        d.formatProblem = Message{InvalidTypeTitle(), InvalidTypeText()};
    return d;
}

} // namespace tessellon
