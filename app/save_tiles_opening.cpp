#include "app/save_tiles_opening.h"

#include "common/message_service.h"
#include "layout/poster_state.h"

namespace tessellon {

SaveTilesOpening SaveTilesOpening::Check(const PosterState& poster, const QString& fileName,
                                         MessageService& messages) {
    SaveTilesOpening out;
    if (!poster.bTileSizesOk(messages)) {
        out.status = Status::InvalidTileSizes;
        return out;
    }
    if (poster.CalcTileCoord().count < 1) {
        messages.Critical(NoTilesTitle(), NoTilesText());
        out.status = Status::NoTiles;
        return out;
    }
    SaveTilesDefaults defaults = SaveTilesDefaults::For(fileName);
    if (defaults.nameProblem) {
        messages.Critical(defaults.nameProblem->title, defaults.nameProblem->text);
        out.status = Status::InvalidFile;
        return out;
    }
    if (defaults.formatProblem) {
        messages.Critical(defaults.formatProblem->title, defaults.formatProblem->text);
        out.status = Status::InvalidType;
        return out;
    }
    out.defaults = std::move(defaults);
    return out;
}

} // namespace tessellon
