#include "PlatformMemory.h"

namespace orvanta {

// Windows gives large pages only to programs holding a privilege a
// translator's account lacks, and only to memory allocated as such.
void PlatformMemory::preferLargePages(const void *, std::size_t, std::size_t)
{
}

} // namespace orvanta
