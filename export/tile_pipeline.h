#pragma once

#include "export/tile_job.h"
#include "imaging/pixel_array.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

namespace tessellon {

// Makes the tiles of a save on worker threads and hands them out in tile order, so that the
// caller writes each one while the next are being made. The tiles in the making are bounded
// by the threads and by memory (a few tiles, or one when tiles are very large); the bytes are
// the same as when everything runs on one thread.
class TilePipeline {
public:
    using Render = std::function<RenderedTile(const PixelArray&, const TileJob&)>;
    using JobFor = std::function<TileJob(int index)>;

    // Tiles 0 .. count - 1 of `source`, each made by `render` from `jobFor(index)`; with one
    // thread everything runs on the calling thread, as it does when no worker thread can be
    // started (no memory left for their stacks). `source` must outlive the pipeline.
    TilePipeline(const PixelArray& source, int count, JobFor jobFor, Render render, int threads);
    // Stops: tiles not begun are not made, and the workers are waited for.
    ~TilePipeline();
    TilePipeline(const TilePipeline&) = delete;
    TilePipeline& operator=(const TilePipeline&) = delete;

    // The next tile in order, once it is made; at most `count` calls. Whatever the render
    // throws, running out of memory above all, comes back as a tile with an error.
    RenderedTile Next();
    // Lets no further tile begin and waits for those being made.
    void Stop();

private:
    struct Pending {
        std::future<RenderedTile> future;
        qint64 workBytes = 0;
    };
    void StartMore();
    // A worker: makes queued tiles until the pipeline stops and the queue is empty.
    void Work();

    const PixelArray& source_;
    const int count_;
    const JobFor jobFor_;
    const Render render_;
    const int threads_;
    const qint64 budget_;
    std::atomic<bool> stop_ = false;
    std::deque<Pending> pending_;
    qint64 pendingBytes_ = 0;
    int next_ = 0;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::packaged_task<RenderedTile()>> queue_;
    bool closing_ = false;
    // Our own threads rather than a pool's: a thread that cannot be started is known at once
    // (a pool would leave its tiles waiting for ever).
    std::vector<std::thread> workers_;
};

} // namespace tessellon
