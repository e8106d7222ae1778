#pragma once

#include "export/save_tiles_request.h"
#include "export/tile_sink.h"
#include "imaging/batched_file_writer.h"
#include "print/overview_picture_source.h"
#include "print/poster_overview.h"

namespace tessellon {

// One image file per tile, numbered from 1, in the target folder (created when missing).
class TileFileSink : public TileSink {
public:
    explicit TileFileSink(SaveTilesRequest request);

    // After the last tile, writes base name + "overview" + ".jpg" beside the tiles: the poster
    // picture from `pictures` (which must outlive the sink) with the sheets and their names.
    void SetOverview(PosterOverview overview, OverviewPictureSource& pictures);
    // That file's path.
    QString OverviewFilePath() const;

    QString Folder() const override;
    std::optional<UserMessage> CheckNames() const override;
    std::optional<UserMessage> ExistingTarget() const override;
    std::optional<UserMessage> Open() override;
    std::optional<UserMessage> Add(int index, const QByteArray& encoded, QSize pixels) override;
    QString CannotWrite(int index) const override;
    std::optional<UserMessage> Finish() override;
    // The tiles written so far are completed; a folder made for a save that wrote nothing is
    // not left behind.
    void Abandon() override;

private:
    SaveTilesRequest request_;
    bool createdFolder_ = false;
    bool wroteAny_ = false;
    std::optional<PosterOverview> overview_;
    OverviewPictureSource* pictures_ = nullptr;
    // The tiles reach the disk in batches, not one wait per tile.
    BatchedFileWriter files_;
};

} // namespace tessellon
