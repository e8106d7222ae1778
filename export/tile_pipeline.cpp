#include "export/tile_pipeline.h"

#include "export/save_tiles_texts.h"

#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <exception>
#include <new>

namespace tessellon {
namespace {

// Memory a tile needs while it is being made (its pixels once or twice, and its bytes).
qint64 TileWorkBytes(const TileJob& job) {
    const QSizeF pixels = job.OutputPixels();
    return static_cast<qint64>(
        std::min(pixels.width() * pixels.height() * PixelArray::kChannels * 2, 1e15));
}

// The tile, or why there is none: nothing a worker throws leaves it.
RenderedTile RenderGuarded(const TilePipeline::Render& render, const PixelArray& source,
                           const TileJob& job) {
    RenderedTile failed;
    try {
        return render(source, job);
    } catch (const std::bad_alloc&) {
        failed.error = SaveTilesTexts::NotEnoughMemory();
    } catch (const std::exception& e) {
        failed.error = QString::fromLocal8Bit(e.what());
    } catch (...) {
        // Nothing to name; the message goes without a reason.
    }
    return failed;
}

} // namespace

TilePipeline::TilePipeline(const PixelArray& source, int count, JobFor jobFor, Render render,
                           int threads)
    : source_(source), count_(count), jobFor_(std::move(jobFor)), render_(std::move(render)),
      threads_(std::max(1, threads)),
      budget_((qint64(64) << 20) + qint64(source.BytesPerLine()) * source.Height() / 2) {
    pool_.setMaxThreadCount(threads_);
}

TilePipeline::~TilePipeline() {
    Stop();
}

void TilePipeline::Stop() {
    stop_ = true;
    pool_.waitForDone();
}

void TilePipeline::StartMore() {
    const size_t maxPending = static_cast<size_t>(threads_) + 1;
    while (next_ < count_ && pending_.size() < maxPending) {
        const TileJob job = jobFor_(next_);
        const qint64 work = TileWorkBytes(job);
        if (!pending_.empty() && pendingBytes_ + work > budget_)
            break;
        Pending p;
        p.workBytes = work;
        if (threads_ == 1) {
            p.future = QtFuture::makeReadyFuture(RenderGuarded(render_, source_, job));
        } else {
            p.future = QtConcurrent::run(&pool_, [this, job] {
                // Tiles not begun when the run stops are not made at all.
                return stop_.load() ? RenderedTile{} : RenderGuarded(render_, source_, job);
            });
        }
        pendingBytes_ += work;
        pending_.push_back(std::move(p));
        ++next_;
    }
}

RenderedTile TilePipeline::Next() {
    StartMore();
    if (pending_.empty())
        return {};
    Pending current = std::move(pending_.front());
    pending_.pop_front();
    RenderedTile tile = current.future.result();
    pendingBytes_ -= current.workBytes;
    // Keep the workers busy while this tile is written.
    StartMore();
    return tile;
}

} // namespace tessellon
