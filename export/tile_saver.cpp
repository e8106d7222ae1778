#include "export/tile_saver.h"

#include "export/pdf_tile_sink.h"
#include "export/save_progress.h"
#include "export/save_tiles_texts.h"
#include "export/tile_band_plan.h"
#include "export/tile_file_sink.h"
#include "export/tile_pipeline.h"
#include "export/whole_image_source.h"
#include "imaging/bmp_codec.h"
#include "imaging/format_table.h"
#include "imaging/imaging.h"
#include "imaging/jpeg_codec.h"
#include "imaging/tiff_codec.h"
#include "imaging/tile_renderer.h"

#include "common/message_service.h"
#include "common/rounding.h"
#include "layout/poster_state.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
#include <QStorageInfo>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <new>

namespace tessellon {
namespace {

bool IsSeparator(QChar c) {
#if defined(Q_OS_WIN)
    return c == u'/' || c == u'\\';
#else
    return c == u'/';
#endif
}

bool EndsInSeparator(const QString& path) {
    return !path.isEmpty() && IsSeparator(path.back());
}

std::optional<qint64> FileSystemFreeSpace(const QString& folder) {
    const QStorageInfo storage(folder);
    if (!storage.isValid() || !storage.isReady())
        return std::nullopt;
    const qint64 free = storage.bytesAvailable();
    return free >= 0 ? std::optional<qint64>(free) : std::nullopt;
}

// Below this much free space (as counted down from the last answer) the file system is asked
// again before each tile.
constexpr qint64 kRecheckRoomBelow = qint64(64) << 20;

TileMargins TrimPixels(double resolution, const std::array<double, 4>& trims) {
    const auto px = [&](double trim) {
        const double v = std::floor(resolution * trim);
        return v > 0 && v < 1e6 ? static_cast<int>(v) : 0;
    };
    return TileMargins{px(trims[0]), px(trims[1]), px(trims[2]), px(trims[3])};
}

} // namespace

TileSaver::TileSaver(SaveProgress& progress)
    : progress_(progress), threads_(std::max(1, QThread::idealThreadCount())),
      freeSpace_(&FileSystemFreeSpace), render_(&TileSaver::RenderTile) {}

TileSaver::TileSaver(MessageService& messages, SaveProgress& progress) : TileSaver(progress) {
    messages_ = &messages;
}

void TileSaver::SetThreadCount(int threads) {
    threads_ = std::max(1, threads);
}

void TileSaver::SetRenderFunction(RenderFunction render) {
    render_ = render ? std::move(render) : RenderFunction(&TileSaver::RenderTile);
}

void TileSaver::SetFreeSpaceQuery(FreeSpaceQuery query) {
    freeSpace_ = std::move(query);
}

QString TileSaver::TargetFolderPath(const SaveTilesRequest& request) {
    QString path = request.folder;
    if (!EndsInSeparator(path))
        path += u'/';
    return path + request.newFolderName;
}

Result<QString> TileSaver::MakeTileFilePath(const SaveTilesRequest& request, short n) {
    if (!request.format)
        return Result<>::Fail(SaveTilesTexts::ExtensionNotSelected());
    if (request.folder.isEmpty())
        return Result<>::Fail(SaveTilesTexts::NoLocation());
    // A separator in the base name would put the tiles somewhere else than the new folder.
    if (request.baseFileName.contains(u'/') || request.baseFileName.contains(u'\\'))
        return Result<>::Fail(SaveTilesTexts::BaseNameHasSeparator());
    QString path = request.folder;
    if (!EndsInSeparator(path))
        path += u'/';
    path += request.newFolderName;
    if (!request.newFolderName.isEmpty())
        path += u'/';
    path += request.baseFileName + QString::number(n).rightJustified(3, u'0') +
            FormatExtension(*request.format);
    return path;
}

Result<> TileSaver::RotateTileCcw(ImageObject& tile) {
    PixelArray turned =
        TileRenderer::Turned(tile.ReadPixels(), TileRenderer::Turn::CounterClockwise);
    if (turned.IsNull())
        return Result<>::Fail(
            QCoreApplication::translate("TileSaver", "The tile could not be turned"));
    return tile.LoadPixels(turned);
}

short TileSaver::ApplyEdgeCompensation(ImageObject& tile, double resolution,
                                       const std::array<double, 4>& trims) {
    if (tile.IsNull() || !(resolution > 0))
        return -1;
    double r = resolution;
    if (r < 64) {
        const auto w = Nearest(tile.ImageWidth() * 64 / r);
        const auto h = Nearest(tile.ImageHeight() * 64 / r);
        if (!w || !h || !tile.Resample(*w, *h))
            return -1;
        r = 64;
    }
    const PixelArray pixels = tile.ReadPixels();
    const PixelArray padded =
        TileRenderer::Compose(pixels, TileRect{0, 0, pixels.Width() - 1, pixels.Height() - 1},
                              TileRenderer::Turn::None, TrimPixels(r, trims));
    ImageObject fresh;
    if (padded.IsNull() || !fresh.LoadPixels(padded))
        return -1;
    tile = std::move(fresh);
    return 1;
}

bool TileSaver::HasRoomForTile(const QString& folder, const QByteArray& encodedTile) const {
    const std::optional<qint64> free = freeSpace_ ? freeSpace_(folder) : std::nullopt;
    return !free || *free >= encodedTile.size();
}

TileSaver::TileResolution TileSaver::TileResolutionFor(const TileRect& tile0, bool rotateTiles,
                                                       double printedWidthInches) {
    TileResolution out;
    const int extent = rotateTiles ? tile0.Height() : tile0.Width();
    out.exact = printedWidthInches > 0 ? extent / printedWidthInches : 0;
    out.rounded = std::max(2, Nearest(out.exact).value_or(2));
    return out;
}

TileSaver::RenderedTile TileSaver::RenderTile(const PixelArray& source, const TileJob& job) {
    RenderedTile out;
    const auto turn = job.rotate ? TileRenderer::Turn::CounterClockwise : TileRenderer::Turn::None;
    const QRect inside(job.rect.left, job.rect.top, job.rect.Width(), job.rect.Height());
    if (!job.rotate && !job.compensate &&
        QRect(0, 0, source.Width(), source.Height()).contains(inside)) {
        // The tile is a plain rectangle of the source: encoded where it lies, no copy.
        const int dpi = job.roundedResolution;
        std::optional<Result<QByteArray>> bytes;
        if (job.format == ImageFormat::Jpeg)
            bytes = JpegCodec::EncodeRegion(source, inside, {dpi, dpi}, ImageObject::kJpegQuality,
                                            job.iccProfile);
        else if (job.format == ImageFormat::Tiff)
            bytes = TiffCodec::EncodeRegion(source, inside, dpi, dpi, job.iccProfile);
        else if (job.format == ImageFormat::Bmp)
            bytes = BmpCodec::EncodeRegion(source, inside, dpi, dpi);
        if (bytes) {
            if (*bytes)
                out.bytes = std::move(*bytes).value();
            else
                out.error = bytes->error();
            out.pixels = inside.size();
            return out;
        }
    }
    ImageObject tile;
    if (job.compensate && job.resolution >= 64) {
        // No resampling: cutting, turning and padding are one pass over the source.
        if (!tile.LoadPixels(TileRenderer::Compose(source, job.rect, turn,
                                                   TrimPixels(job.resolution, job.trims)))) {
            out.error = SaveTilesTexts::NotEnoughMemory(); // the rectangle itself is valid
            return out;
        }
    } else {
        if (!tile.LoadPixels(TileRenderer::Compose(source, job.rect, turn))) {
            out.error = SaveTilesTexts::NotEnoughMemory();
            return out;
        }
        if (job.compensate)
            out.compensation = ApplyEdgeCompensation(tile, job.resolution, job.trims);
        if (out.compensation < 1)
            return out;
    }
    // A tile resampled to 64 pixels per inch prints at its paper size only when stamped so.
    const int stamp = job.compensate && job.resolution < 64 ? 64 : job.roundedResolution;
    (void)tile.SetImageInfo(ImageAttribute::HorizontalResolution, stamp);
    (void)tile.SetImageInfo(ImageAttribute::VerticalResolution, stamp);
    tile.SetIccProfile(job.iccProfile);
    out.pixels = QSize(tile.ImageWidth(), tile.ImageHeight());
    auto bytes = tile.EncodeToMemory(job.format);
    if (bytes)
        out.bytes = std::move(bytes).value();
    else
        out.error = bytes.error();
    return out;
}

SaveOutcome TileSaver::Fail(SaveOutcome outcome, const UserMessage& message, bool closeProgress) {
    if (closeProgress)
        progress_.CloseProgress();
    outcome.status = SaveOutcome::Status::Failed;
    outcome.title = message.title;
    outcome.text = message.text;
    return outcome;
}

std::unique_ptr<TileSink> TileSaver::MakeSink(const PosterState& poster, TileSource& source,
                                              const SaveTilesRequest& request) const {
    return sinkFactory_ ? sinkFactory_(poster, source, request)
                        : StandardSink(poster, source, request);
}

std::unique_ptr<TileSink> TileSaver::StandardSink(const PosterState& poster, TileSource& source,
                                                  const SaveTilesRequest& request) {
    const AssemblyAids& aids = request.aids;
    if (request.format && FormatTable::Row(*request.format).writer == FormatWriter::PdfDocument) {
        const SheetLayout layout = PdfTileSink::LayoutFor(poster);
        auto sink = std::make_unique<PdfTileSink>(request, layout, source.Rows().IccProfile());
        const bool margins = layout.picture != QRectF(QPointF(), layout.page);
        if (aids.overviewPage)
            if (auto overview = PosterOverview::For(poster, aids.marks, margins))
                sink->SetOverview(std::move(*overview), source.Overview());
        return sink;
    }
    auto sink = std::make_unique<TileFileSink>(request);
    if (aids.overviewImage)
        if (auto overview = PosterOverview::For(poster, aids.marks, true))
            sink->SetOverview(std::move(*overview), source.Overview());
    return sink;
}

SaveOutcome TileSaver::processSaveNow(const PosterState& poster, const ImageObject& img,
                                      const SaveTilesRequest& request) {
    return processSaveNow(
        poster,
        [&img]() -> Result<std::unique_ptr<TileSource>> {
            return std::unique_ptr<TileSource>(std::make_unique<WholeImageSource>(img));
        },
        request);
}

SaveOutcome TileSaver::processSaveNow(const PosterState& poster, const SourceOpener& open,
                                      const SaveTilesRequest& request) {
    const auto run = [&](OverwritePolicy policy) {
        auto source = open();
        if (!source) {
            SaveOutcome failed;
            failed.title = SaveTilesTexts::ErrorTitle();
            failed.text = source.error(); // nothing is written: the photo says what is wrong
            return failed;
        }
        return Save(poster, **source, request, policy);
    };
    SaveOutcome outcome = run(OverwritePolicy::Refuse);
    if (outcome.status == SaveOutcome::Status::TargetExists) {
        if (!messages_ ||
            messages_->YesNoCancel(outcome.title, outcome.text) != MessageService::Answer::Yes) {
            outcome.status = SaveOutcome::Status::Declined;
            return outcome;
        }
        outcome = run(OverwritePolicy::Replace);
    }
    switch (outcome.status) {
    case SaveOutcome::Status::Saved:
        if (outcome.file.isEmpty())
            progress_.ShowSaveOkMsg(outcome.folder);
        else
            progress_.ShowSavedDocument(outcome.file);
        break;
    case SaveOutcome::Status::Failed:
        if (messages_ && outcome.imagingUnavailable)
            messages_->Critical(ImageObjectInitErrorTitle(), ImageObjectInitErrorText());
        [[fallthrough]];
    case SaveOutcome::Status::Canceled:
        if (messages_)
            messages_->Critical(outcome.title, outcome.text);
        break;
    case SaveOutcome::Status::Declined:
    case SaveOutcome::Status::TargetExists:
        break;
    }
    return outcome;
}

TileSaver::TileJob TileSaver::JobTemplate(const PosterState& poster, const TileCoordTable& table,
                                          ImageFormat format) {
    TileJob job;
    job.rotate = poster.bTileRotated;
    job.compensate = poster.PrinterClips();
    const TileResolution resolution =
        TileResolutionFor(table.tiles.front(), poster.bTileRotated, poster.CheckTileSizes().dW);
    job.resolution = resolution.exact;
    job.roundedResolution = resolution.rounded;
    for (int e = 0; e < 4; ++e)
        job.trims[static_cast<size_t>(e)] = poster.GetCurEdgeTrimInches(e + 1).value_or(0);
    job.format = FormatTable::Row(format).tileEncoding;
    return job;
}

std::optional<UserMessage> TileSaver::TooLargeForEncoder(const PosterState& poster,
                                                         const TileCoordTable& table,
                                                         ImageFormat format) {
    // Told before anything is written, not after the tiles before it.
    if (FormatTable::Row(format).tileEncoding != ImageFormat::Jpeg)
        return std::nullopt;
    TileJob job = JobTemplate(poster, table, format);
    for (int i = 0; i < table.count; ++i) {
        job.rect = table.tiles[static_cast<size_t>(i)];
        const QSizeF out = job.OutputPixels();
        const QSize pixels(static_cast<int>(std::min(std::ceil(out.width()), 2e9)),
                           static_cast<int>(std::min(std::ceil(out.height()), 2e9)));
        if (!JpegCodec::FitsEncoder(pixels))
            return UserMessage{SaveTilesTexts::ErrorTitle(),
                               SaveTilesTexts::TileTooLargeForJpeg(pixels.width(), pixels.height(),
                                                                   JpegCodec::MaxMegapixels())};
    }
    return std::nullopt;
}

SaveOutcome TileSaver::Save(const PosterState& poster, const ImageObject& img,
                            const SaveTilesRequest& request, OverwritePolicy policy) {
    WholeImageSource source(img);
    return Save(poster, source, request, policy);
}

SaveOutcome TileSaver::Save(const PosterState& poster, TileSource& source,
                            const SaveTilesRequest& request, OverwritePolicy policy) {
    SaveOutcome outcome;
    try {
        outcome = Run(poster, source, request, policy, outcome);
    } catch (const std::bad_alloc&) {
        outcome = Fail(outcome,
                       {SaveTilesTexts::ErrorTitle(),
                        SaveTilesTexts::WithReason(SaveTilesTexts::SaveFailed(),
                                                   SaveTilesTexts::NotEnoughMemory())},
                       true);
    }
    return outcome;
}

SaveOutcome TileSaver::Run(const PosterState& poster, TileSource& source,
                           const SaveTilesRequest& request, OverwritePolicy policy,
                           SaveOutcome& outcome) {
    const TileCoordTable table = poster.CalcTileCoord();
    const int count = table.count;
    if (count < 1)
        return Fail(outcome, {SaveTilesTexts::ErrorTitle(), SaveTilesTexts::TileCoordError()},
                    false);
    if (std::any_of(table.tiles.begin(), table.tiles.begin() + count,
                    [](const TileRect& r) { return r.Width() < 1 || r.Height() < 1; }))
        return Fail(outcome, {SaveTilesTexts::ErrorTitle(), SaveTilesTexts::TilesTooSmall()},
                    false);

    // The names are checked before anything is created, so that a missing choice leaves no
    // empty folder behind.
    const std::unique_ptr<TileSink> sink = MakeSink(poster, source, request);
    if (const auto problem = sink->CheckNames())
        return Fail(outcome, *problem, false);

    const QString folder = sink->Folder();
    outcome.folder = folder;
    outcome.file = sink->DocumentPath();
    if (const auto question = sink->ExistingTarget();
        question && policy == OverwritePolicy::Refuse) {
        outcome.status = SaveOutcome::Status::TargetExists;
        outcome.title = question->title;
        outcome.text = question->text;
        return outcome;
    }
    if (const auto problem = TooLargeForEncoder(poster, table, *request.format))
        return Fail(outcome, *problem, false);
    if (const auto problem = sink->Open())
        return Fail(outcome, *problem, false);
    // From here on, an early end abandons the output.
    const auto stopOutput = qScopeGuard([&] {
        if (outcome.status != SaveOutcome::Status::Saved)
            sink->Abandon();
    });

    progress_.ShowProgressBar(SaveTilesTexts::SavingImagesNow());

    ImageObject probe;
    if (!probe.LoadPixels(PixelArray(1, 1))) {
        outcome.imagingUnavailable = true;
        return Fail(outcome, {SaveTilesTexts::ErrorTitle(), SaveTilesTexts::ImageObjectError()},
                    true);
    }

    RowBandSource& rows = source.Rows();
    if (rows.Size() != QSize(poster.lImgWidth, poster.lImgHeight))
        return Fail(outcome, {SaveTilesTexts::ErrorTitle(), SaveTilesTexts::SourceUnreadable()},
                    true);

    if (!poster.CheckTileSizesNoTrim().ok)
        return Fail(outcome, {SaveTilesTexts::ErrorTitle(), SaveTilesTexts::InvalidTileSizes()},
                    true);

    TileJob shared = JobTemplate(poster, table, *request.format);
    shared.iccProfile = rows.IccProfile();
    const auto cannotRead = [&](const QString& why) {
        return Fail(outcome,
                    {SaveTilesTexts::ErrorTitle(),
                     SaveTilesTexts::WithReason(SaveTilesTexts::SourceUnreadable(), why)},
                    true);
    };

    // The free space is asked once, then counted down by what is written; it is asked again
    // only near the limit, where other writers on the same disk may have changed it.
    std::optional<qint64> room = freeSpace_ ? freeSpace_(folder) : std::nullopt;
    const auto hasRoom = [&](const QByteArray& bytes) {
        if (room && *room < bytes.size() + kRecheckRoomBelow)
            room = freeSpace_(folder);
        if (!room)
            return true;
        if (*room < bytes.size())
            return false;
        *room -= bytes.size();
        return true;
    };

    // One row of tiles at a time: its band of rows is read, its tiles are cut from it on the
    // workers while they are written here, and only then is the next band read.
    const std::vector<TileBand> bands = TileBandPlan::For(table, poster.lImgHeight);
    if (const auto reserved = rows.Reserve(TileBandPlan::TallestBand(bands)); !reserved)
        return cannotRead(reserved.error());
    for (size_t b = 0; b < bands.size();) {
        const auto band = rows.Rows(bands[b].firstRow, bands[b].lastRow);
        if (!band)
            return cannotRead(band.error());
        const int top = band->top;
        const int firstTile = bands[b].firstTile;
        // The runs whose rows the band holds as well (all of them for a photo decoded whole)
        // share its workers.
        int tileCount = 0;
        for (; b < bands.size() && bands[b].firstRow >= top &&
               bands[b].lastRow < top + band->pixels.Height();
             ++b)
            tileCount += bands[b].tileCount;
        if (tileCount == 0) // a band without the rows asked for
            return Fail(outcome, {SaveTilesTexts::ErrorTitle(), SaveTilesTexts::SourceUnreadable()},
                        true);
        const auto jobFor = [&](int k) {
            TileJob job = shared;
            job.rect = table.tiles[static_cast<size_t>(firstTile + k)];
            job.rect.top -= top;
            job.rect.bottom -= top;
            return job;
        };
        TilePipeline tiles(band->pixels, tileCount, jobFor, render_, threads_);
        for (int k = 0; k < tileCount; ++k) {
            const int i = firstTile + k;
            const RenderedTile tile = tiles.Next();

            if (tile.compensation < 1) {
                tiles.Stop();
                return Fail(outcome,
                            {SaveTilesTexts::ErrorTitle(), SaveTilesTexts::CompensationError()},
                            true);
            }
            QString failure;
            if (tile.bytes.isEmpty()) {
                failure = tile.error;
            } else if (!hasRoom(tile.bytes)) {
                // A file system that fails for another reason may also report no free space.
                failure = sink->CannotWrite(i);
                if (failure.isEmpty()) {
                    tiles.Stop();
                    return Fail(outcome,
                                {SaveTilesTexts::OutOfSpaceTitle(), SaveTilesTexts::OutOfSpace()},
                                true);
                }
            }
            if (tile.bytes.isEmpty() || !failure.isEmpty()) {
                tiles.Stop();
                return Fail(outcome,
                            {SaveTilesTexts::ErrorTitle(),
                             SaveTilesTexts::WithReason(SaveTilesTexts::SaveFailed(), failure)},
                            true);
            }
            if (const auto problem = sink->Add(i, tile.bytes, tile.pixels)) {
                tiles.Stop();
                return Fail(outcome, *problem, true);
            }
            outcome.tilesWritten = i + 1;
            if (progress_.Canceled()) {
                tiles.Stop();
                progress_.CloseProgress();
                outcome.status = SaveOutcome::Status::Canceled;
                outcome.title = SaveTilesTexts::CanceledTitle();
                outcome.text = SaveTilesTexts::Canceled();
                return outcome;
            }
            if (i + 1 < count)
                progress_.SetProgressVal(static_cast<double>(i + 1) / count);
        }
        tiles.Stop();
    }
    // The rest of the photo is read and checked, and the overview takes the rows it still
    // needs.
    if (const auto finished = rows.Finish(); !finished)
        return cannotRead(finished.error());
    // A document is complete only once it is closed and under its name.
    if (const auto problem = sink->Finish())
        return Fail(outcome, *problem, true);
    progress_.SetProgressVal(1.0);
    progress_.CloseProgress();
    outcome.status = SaveOutcome::Status::Saved;
    return outcome;
}

} // namespace tessellon
