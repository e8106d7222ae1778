#include "export/tile_pipeline.h"

#include "export/save_tiles_texts.h"

#include <algorithm>
#include <exception>
#include <new>
#include <system_error>

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
    if (threads_ == 1)
        return;
    for (int i = 0; i < threads_; ++i) {
        try {
            workers_.emplace_back([this] { Work(); });
        } catch (const std::system_error&) {
            break; // the ones started do the work
        }
    }
}

TilePipeline::~TilePipeline() {
    Stop();
}

void TilePipeline::Stop() {
    stop_ = true;
    {
        const std::lock_guard lock(mutex_);
        closing_ = true;
    }
    wake_.notify_all();
    for (std::thread& t : workers_)
        t.join();
    workers_.clear();
}

void TilePipeline::Work() {
    for (;;) {
        std::packaged_task<RenderedTile()> task;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return closing_ || !queue_.empty(); });
            if (queue_.empty())
                return;
            task = std::move(queue_.front());
            queue_.pop_front();
        }
        task();
    }
}

void TilePipeline::StartMore() {
    const size_t maxPending = std::max<size_t>(workers_.size(), 1) + 1;
    while (next_ < count_ && pending_.size() < maxPending) {
        const TileJob job = jobFor_(next_);
        const qint64 work = TileWorkBytes(job);
        if (!pending_.empty() && pendingBytes_ + work > budget_)
            break;
        Pending p;
        p.workBytes = work;
        if (workers_.empty()) {
            std::promise<RenderedTile> ready;
            ready.set_value(RenderGuarded(render_, source_, job));
            p.future = ready.get_future();
        } else {
            std::packaged_task<RenderedTile()> task([this, job] {
                // Tiles not begun when the run stops are not made at all.
                return stop_.load() ? RenderedTile{} : RenderGuarded(render_, source_, job);
            });
            p.future = task.get_future();
            {
                const std::lock_guard lock(mutex_);
                queue_.push_back(std::move(task));
            }
            wake_.notify_one();
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
    RenderedTile tile = current.future.get();
    pendingBytes_ -= current.workBytes;
    // Keep the workers busy while this tile is written.
    StartMore();
    return tile;
}

} // namespace tessellon
