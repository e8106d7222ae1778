#include "export/tile_file_sink.h"

#include "export/file_output.h"
#include "export/save_tiles_texts.h"
#include "export/tile_saver.h"

#include <QDir>
#include <QFileInfo>

namespace tessellon {

TileFileSink::TileFileSink(SaveTilesRequest request) : request_(std::move(request)) {}

QString TileFileSink::Folder() const {
    return TileSaver::TargetFolderPath(request_);
}

std::optional<SaveMessage> TileFileSink::CheckNames() const {
    if (const auto first = TileSaver::MakeTileFilePath(request_, 1); first.result < 1)
        return SaveMessage{SaveTilesTexts::ErrorTitle(), SaveTilesTexts::Problem(first.message)};
    return std::nullopt;
}

std::optional<SaveMessage> TileFileSink::ExistingTarget() const {
    if (!QFileInfo(Folder()).isDir())
        return std::nullopt;
    return SaveMessage{SaveTilesTexts::FolderExistsTitle(), SaveTilesTexts::FolderExists(Folder())};
}

std::optional<SaveMessage> TileFileSink::Open() {
    const QString folder = Folder();
    if (QFileInfo(folder).isDir() || QDir().mkdir(folder))
        return std::nullopt;
    return SaveMessage{SaveTilesTexts::CreateFolderTitle(),
                       SaveTilesTexts::CreateFolderError(folder)};
}

std::optional<SaveMessage> TileFileSink::Add(int index, const QByteArray& encoded, QSize) {
    const auto path = TileSaver::MakeTileFilePath(request_, static_cast<short>(index + 1));
    if (path.result < 1)
        return SaveMessage{SaveTilesTexts::ErrorTitle(), SaveTilesTexts::Problem(path.message)};
    if (!WriteFileReplacing(path.path, encoded))
        return SaveMessage{SaveTilesTexts::ErrorTitle(), SaveTilesTexts::SaveFailed()};
    return std::nullopt;
}

} // namespace tessellon
