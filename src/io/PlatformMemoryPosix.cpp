#include "PlatformMemory.h"

#include <cstdint>

#include <sys/mman.h>

namespace orvanta {

void PlatformMemory::preferLargePages(const void *data, std::size_t size)
{
#ifdef MADV_HUGEPAGE
    constexpr std::uintptr_t LargePage = std::uintptr_t(2) << 20;
    const auto at = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t start = (at + LargePage - 1) & ~(LargePage - 1);
    const std::uintptr_t end = (at + size) & ~(LargePage - 1);
    if (end > start)
        madvise(reinterpret_cast<void *>(start), end - start, MADV_HUGEPAGE);
#else
    (void)data;
    (void)size;
#endif
}

} // namespace orvanta
