#include "PlatformMemory.h"

#include <algorithm>
#include <cstdint>

#include <unistd.h>

#include <sys/mman.h>

namespace orvanta {

void PlatformMemory::preferLargePages(const void *data, std::size_t size, std::size_t written)
{
#ifdef MADV_HUGEPAGE
    constexpr std::uintptr_t LargePage = std::uintptr_t(2) << 20;
    const auto at = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t start = (at + LargePage - 1) & ~(LargePage - 1);
    const std::uintptr_t end = (at + size) & ~(LargePage - 1);
    if (end > start)
        madvise(reinterpret_cast<void *>(start), end - start, MADV_HUGEPAGE);
#ifdef MADV_POPULATE_WRITE
    // Pages surely written, and the small ones before the first large page,
    // which a writer from the start reaches first: one call for all of
    // them rather than one fault each. Kernels before 5.14 refuse it.
    const std::uintptr_t smallPage = std::uintptr_t(sysconf(_SC_PAGESIZE));
    const std::uintptr_t takenStart = at & ~(smallPage - 1);
    const std::uintptr_t takenEnd = std::min(std::max(start, at + written), at + size);
    if (takenEnd > takenStart)
        madvise(reinterpret_cast<void *>(takenStart), takenEnd - takenStart, MADV_POPULATE_WRITE);
#endif
#else
    (void)data;
    (void)size;
    (void)written;
#endif
}

} // namespace orvanta
