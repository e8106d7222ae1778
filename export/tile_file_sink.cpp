#include "export/tile_file_sink.h"

#include "export/save_tiles_texts.h"
#include "export/tile_saver.h"
#include "print/overview_image.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <filesystem>
#include <system_error>

namespace tessellon {

TileFileSink::TileFileSink(SaveTilesRequest request) : request_(std::move(request)) {}

QString TileFileSink::Folder() const {
    return TileSaver::TargetFolderPath(request_);
}

std::optional<UserMessage> TileFileSink::CheckNames() const {
    if (const auto first = TileSaver::MakeTileFilePath(request_, 1); !first)
        return UserMessage{SaveTilesTexts::ErrorTitle(), SaveTilesTexts::Problem(first.error())};
    return std::nullopt;
}

std::optional<UserMessage> TileFileSink::ExistingTarget() const {
    if (!QFileInfo(Folder()).isDir())
        return std::nullopt;
    return UserMessage{SaveTilesTexts::FolderExistsTitle(), SaveTilesTexts::FolderExists(Folder())};
}

std::optional<UserMessage> TileFileSink::Open() {
    // Announced before the first tile: a photo read in bands reduces its rows as they pass.
    if (overview_ && pictures_)
        (void)pictures_->Reserve(*overview_, OverviewImage::kLongSide);
    const QString folder = Folder();
    if (QFileInfo(folder).isDir())
        return std::nullopt;
    std::error_code error;
    createdFolder_ =
        std::filesystem::create_directory(std::filesystem::path(folder.toStdU16String()), error);
    if (!error)
        return std::nullopt;
    return UserMessage{SaveTilesTexts::CreateFolderTitle(),
                       SaveTilesTexts::WithReason(SaveTilesTexts::CreateFolderError(folder),
                                                  QString::fromLocal8Bit(error.message()))};
}

QString TileFileSink::CannotWrite(int index) const {
    const auto path = TileSaver::MakeTileFilePath(request_, static_cast<short>(index + 1));
    if (!path)
        return path.error();
    if (QFileInfo(*path).isSymLink())
        return {}; // replaced by the write, so only the room counts
    QSaveFile probe(*path);
    if (!probe.open(QIODevice::WriteOnly))
        return probe.errorString();
    probe.cancelWriting();
    return {};
}

void TileFileSink::Abandon() {
    (void)files_.Finish();
    if (createdFolder_ && !wroteAny_)
        QDir().rmdir(Folder());
}

std::optional<UserMessage> TileFileSink::Add(int index, const QByteArray& encoded, QSize) {
    const auto path = TileSaver::MakeTileFilePath(request_, static_cast<short>(index + 1));
    if (!path)
        return UserMessage{SaveTilesTexts::ErrorTitle(), SaveTilesTexts::Problem(path.error())};
    if (const Result<> written = files_.Write(*path, encoded); !written)
        return UserMessage{
            SaveTilesTexts::ErrorTitle(),
            SaveTilesTexts::WithReason(SaveTilesTexts::SaveFailed(), written.error())};
    wroteAny_ = true;
    return std::nullopt;
}

} // namespace tessellon

namespace tessellon {

void TileFileSink::SetOverview(PosterOverview overview, OverviewPictureSource& pictures) {
    overview_ = std::move(overview);
    pictures_ = &pictures;
}

QString TileFileSink::OverviewFilePath() const {
    return QDir(Folder()).filePath(request_.baseFileName + SaveTilesTexts::OverviewWord() +
                                   FormatExtension(ImageFormat::Jpeg));
}

std::optional<UserMessage> TileFileSink::Finish() {
    const auto failed = [](const QString& reason) {
        return UserMessage{SaveTilesTexts::ErrorTitle(),
                           SaveTilesTexts::WithReason(SaveTilesTexts::SaveFailed(), reason)};
    };
    if (!overview_ || !pictures_) {
        if (const Result<> done = files_.Finish(); !done)
            return failed(done.error());
        return std::nullopt;
    }
    const ImageObject picture = OverviewImage::Render(*overview_, *pictures_);
    if (picture.IsNull())
        return failed(SaveTilesTexts::SourceUnreadable());
    const auto bytes = picture.EncodeToMemory(ImageFormat::Jpeg);
    if (!bytes)
        return failed(bytes.error());
    if (const Result<> written = files_.Write(OverviewFilePath(), *bytes); !written)
        return failed(written.error());
    if (const Result<> done = files_.Finish(); !done)
        return failed(done.error());
    return std::nullopt;
}

} // namespace tessellon
