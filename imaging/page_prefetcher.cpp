#include "imaging/page_prefetcher.h"

#include <cstdint>
#include <system_error>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace tessellon {

PagePrefetcher::PagePrefetcher(void* begin, std::size_t bytes) {
#if defined(__linux__) && defined(MADV_POPULATE_WRITE)
    constexpr std::size_t kChunk = std::size_t(4) << 20;
    if (!begin || bytes < 4 * kChunk)
        return;
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto first = (reinterpret_cast<std::uintptr_t>(begin) + page - 1) / page * page;
    const auto last = (reinterpret_cast<std::uintptr_t>(begin) + bytes) / page * page;
    if (last <= first)
        return;
    // Only a head start: without a thread for it the pages are touched when written.
    try {
        thread_ = std::thread([this, first, last] {
            std::uintptr_t end = last;
            while (end > first && !stop_.load(std::memory_order_relaxed)) {
                const std::uintptr_t start = end - first > kChunk ? end - kChunk : first;
                if (madvise(reinterpret_cast<void*>(start), end - start, MADV_POPULATE_WRITE) != 0)
                    return;
                end = start;
            }
        });
    } catch (const std::system_error&) {
    }
#else
    (void)begin;
    (void)bytes;
#endif
}

PagePrefetcher::~PagePrefetcher() {
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
}

} // namespace tessellon
