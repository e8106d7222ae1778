#pragma once

#include "export/save_tiles_defaults.h"

#include <QCoreApplication>
#include <QString>

namespace tessellon {

class MessageService;
class PosterState;

// The checks the main window's save button runs before the save dialog opens, in their order:
// the tile print sizes, the tile table, the source file's name and its type. A failed check
// shows its one message; on success the dialog's proposals come with the result.
class SaveTilesOpening {
    Q_DECLARE_TR_FUNCTIONS(SaveTilesOpening)

public:
    enum class Status {
        Ok,
        InvalidTileSizes, // the poster's own tile size message was shown
        NoTiles,          // the tile table is empty
        InvalidFile,      // the file name is shorter than five characters
        InvalidType,      // the file is not a bmp, tif or jpg
    };

    static SaveTilesOpening Check(const PosterState& poster, const QString& fileName,
                                  MessageService& messages);

    bool ok() const { return status == Status::Ok; }

    Status status = Status::Ok;
    SaveTilesDefaults defaults; // filled when ok

    static QString NoTilesText() {
        return tr("Invalid image/tile information.  Can not continue.");
    }
    static QString NoTilesTitle() { return tr("Can Not Continue"); }
};

} // namespace tessellon
