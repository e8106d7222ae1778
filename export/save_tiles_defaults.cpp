#include "export/save_tiles_defaults.h"

#include "imaging/input_type_table.h"

namespace tessellon {

SaveTilesDefaults SaveTilesDefaults::For(const QString& fileName) {
    SaveTilesDefaults d;
    const ImageFileType type = InputTypeTable::FromFileName(fileName);
    // An image extension goes whole (".jpeg" too); any other name loses four characters.
    const qsizetype cut =
        type == ImageFileType::Unknown ? 4 : fileName.size() - fileName.lastIndexOf(u'.');
    if (fileName.size() < cut + 1) {
        d.nameProblem = UserMessage{InvalidFileTitle(), InvalidFileText()};
    } else {
        const QString base = fileName.left(fileName.size() - cut);
        d.baseFileName = base + u'_';
        d.newFolderName = base + u'_' + tr("poster") + u'_' + tr("images");
    }
    if (const InputTypeRow* row = InputTypeTable::Row(type))
        d.format = row->proposedTile;
    else
        d.formatProblem = UserMessage{InvalidTypeTitle(), InvalidTypeText()};
    return d;
}

} // namespace tessellon
