#pragma once

#include "export/overwrite_policy.h"
#include "export/save_outcome.h"
#include "export/save_tiles_request.h"
#include "export/tile_job.h"
#include "export/tile_sink.h"
#include "export/tile_source.h"
#include "imaging/image_object.h"
#include "layout/tile_coord_table.h"

#include <QByteArray>
#include <QSize>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <optional>

namespace tessellon {

class MessageService;
class PosterState;
class SaveProgress;

// "Save Images Now": cuts the loaded image into the poster's tiles, turns and pads them as the
// poster asks, stamps each with its print resolution and writes it as one file into a new
// folder, with progress, cancel and one message for any failure.
//
// Tiles are cut and encoded on worker threads (TilePipeline) while the calling thread writes
// them in order, reports progress and takes the cancel.
class TileSaver {
public:
    // Bytes free where `folder` lies; empty when that cannot be told.
    using FreeSpaceQuery = std::function<std::optional<qint64>(const QString& folder)>;

    // A saver for Save alone (no one to ask or tell).
    explicit TileSaver(SaveProgress& progress);
    // A saver whose processSaveNow asks and tells through `messages`.
    TileSaver(MessageService& messages, SaveProgress& progress);

    // Worker threads for cutting and encoding; 1 does everything on the calling thread.
    // Default: the machine's cores.
    void SetThreadCount(int threads);
    // Replaces the free-space lookup (default: the file system holding the folder).
    void SetFreeSpaceQuery(FreeSpaceQuery query);

    // Writes the poster's tiles for `img`, the loaded source image as turned by the poster,
    // and asks and tells nothing: an existing target is handled by `policy`, and the outcome
    // carries the message for the caller to show. Progress and cancel go through the progress
    // window. The poster supplies the tile table, the tile turning (bTileRotated), the edge
    // compensation switch and the current profile's trims.
    SaveOutcome Save(const PosterState& poster, const ImageObject& img,
                     const SaveTilesRequest& request, OverwritePolicy policy);
    // The same from `source`, whose rows are read in bands, one row of tiles at a time, top to
    // bottom: the tiles and the overview are those of the photo decoded whole.
    SaveOutcome Save(const PosterState& poster, TileSource& source, const SaveTilesRequest& request,
                     OverwritePolicy policy);

    // "Save Images Now" as the window runs it: Save, asking through the message service
    // before an existing target is used, then telling the outcome (a message, or the success
    // window).
    SaveOutcome processSaveNow(const PosterState& poster, const ImageObject& img,
                               const SaveTilesRequest& request);
    // Opens the photo for one run of a save (a source read in bands is read once); a failure
    // says why the photo cannot be had.
    using SourceOpener = std::function<Result<std::unique_ptr<TileSource>>()>;
    // The same with the photo from `open`, called for each run (a second one follows the
    // question about an existing target); its failure is the save's.
    SaveOutcome processSaveNow(const PosterState& poster, const SourceOpener& open,
                               const SaveTilesRequest& request);

    // The folder the tiles go into: folder, a separator unless it ends in one, new folder name.
    static QString TargetFolderPath(const SaveTilesRequest& request);

    // The file of tile number n (1-based): folder, new folder, base name, the number with at
    // least three digits, extension; or why there is none.
    static Result<QString> MakeTileFilePath(const SaveTilesRequest& request, short n);

    // Turns the tile 90 degrees counter-clockwise: the old right column becomes the top row.
    static Result<> RotateTileCcw(ImageObject& tile);

    // Pads the tile so that what the printer clips off is not lost: below 64 pixels per inch
    // the tile is first resampled to 64; then floor(resolution x trim) pixels are added on each
    // edge (trims in inches: top, right, bottom, left), repeating the outermost pixels.
    // 1 on success, -1 on failure.
    static short ApplyEdgeCompensation(ImageObject& tile, double resolution,
                                       const std::array<double, 4>& trims);

    // Whether the encoded tile fits on the file system of the target folder. When the free
    // space cannot be told, it counts as enough.
    bool HasRoomForTile(const QString& folder, const QByteArray& encodedTile) const;

    // Print resolution of the tiles: pixels of tile 0 across the paper width per inch of the
    // printed width, and that value rounded (halves to even), at least 2.
    struct TileResolution {
        double exact = 0;
        int rounded = 2;
    };
    static TileResolution TileResolutionFor(const TileRect& tile0, bool rotateTiles,
                                            double printedWidthInches);

    // One tile's work and its result (kept under these names for the saver's callers).
    using TileJob = tessellon::TileJob;
    using RenderedTile = tessellon::RenderedTile;
    static RenderedTile RenderTile(const PixelArray& source, const TileJob& job);

    // What makes each tile (default RenderTile), from the band of rows that holds it: the job's
    // rectangle counts its rows from the band's first. Whatever it throws, running out of
    // memory above all, ends the save with a message like any other failure.
    using RenderFunction = std::function<RenderedTile(const PixelArray&, const TileJob&)>;
    void SetRenderFunction(RenderFunction render);

    // What the tiles go into; default StandardSink. Printing puts its own sinks here.
    using SinkFactory = std::function<std::unique_ptr<TileSink>(const PosterState&, TileSource&,
                                                                const SaveTilesRequest&)>;
    void SetSinkFactory(SinkFactory factory) { sinkFactory_ = std::move(factory); }
    // The sink "Save Images Now" writes into: the PDF document or the image files, with the
    // overview the request's aids ask for.
    static std::unique_ptr<TileSink> StandardSink(const PosterState& poster, TileSource& source,
                                                  const SaveTilesRequest& request);

private:
    SaveOutcome Run(const PosterState& poster, TileSource& source, const SaveTilesRequest& request,
                    OverwritePolicy policy, SaveOutcome& outcome);
    SaveOutcome Fail(SaveOutcome outcome, const UserMessage& message, bool closeProgress);
    // What every tile of the poster's table shares when written as `format`: turn, edge
    // compensation, resolution and encoding; the rectangle is each tile's own.
    static TileJob JobTemplate(const PosterState& poster, const TileCoordTable& table,
                               ImageFormat format);
    // Why the tiles cannot be encoded as `format`: one is beyond the JPEG encoder's limit.
    static std::optional<UserMessage>
    TooLargeForEncoder(const PosterState& poster, const TileCoordTable& table, ImageFormat format);
    std::unique_ptr<TileSink> MakeSink(const PosterState& poster, TileSource& source,
                                       const SaveTilesRequest& request) const;

    MessageService* messages_ = nullptr;
    SaveProgress& progress_;
    int threads_;
    FreeSpaceQuery freeSpace_;
    RenderFunction render_;
    SinkFactory sinkFactory_;
};

} // namespace tessellon
