#pragma once

#include <atomic>
#include <cstddef>
#include <thread>

namespace tessellon {

// Maps in the memory of a fresh buffer on a second thread, from its end backwards, while the
// owner fills it from the start. On virtual machines the first touch of fresh memory costs as
// much as decoding a photo into it; done beside the decoder, most of that time disappears.
// The contents are never written by the prefetcher. Does nothing where the system cannot
// prefault memory.
class PagePrefetcher {
public:
    PagePrefetcher(void* begin, std::size_t bytes);
    ~PagePrefetcher();
    PagePrefetcher(const PagePrefetcher&) = delete;
    PagePrefetcher& operator=(const PagePrefetcher&) = delete;

private:
    std::atomic<bool> stop_ = false;
    std::thread thread_;
};

} // namespace tessellon
