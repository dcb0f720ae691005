#include "skin/fresh_pages.h"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace gorvo::skin {

namespace {

// Below this, a buffer comes from pages the allocator has mostly touched already.
constexpr std::size_t kWorthIt = std::size_t{64} << 10;

}  // namespace

void map_pages_for_writing(void* start, std::size_t bytes) {
#if defined(__linux__) && defined(MADV_POPULATE_WRITE)
    if (start == nullptr || bytes < kWorthIt) return;
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto first = (reinterpret_cast<std::uintptr_t>(start) + page - 1) & ~(page - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(start) + bytes) & ~(page - 1);
    if (end <= first) return;
    // Only a speed-up: on failure (an older kernel) the writes map the pages themselves.
    (void)madvise(reinterpret_cast<void*>(first), end - first, MADV_POPULATE_WRITE);
#else
    (void)start;
    (void)bytes;
#endif
}

}  // namespace gorvo::skin
