#pragma once

#include <QByteArray>

#include <algorithm>
#include <cstddef>

namespace orvanta {

// The system's own form of what the kit asks of memory beyond allocating
// it.
class PlatformMemory {
public:
    // Asks the system to back the fresh, untouched memory at `data` (`size`
    // bytes, one large allocation), which the caller fills from its start,
    // with large pages where it can: a kit of 200,000 texts fills tens of
    // megabytes at start-up, and taking them one 4 KiB page fault at a time
    // costs more than reading the archives. The first `written` bytes are
    // the ones the caller is sure to write. On Linux the 2 MiB-aligned part
    // of the range gets MADV_HUGEPAGE, and the pages of the first `written`
    // bytes, with the small pages before the first large one, are taken at
    // once (MADV_POPULATE_WRITE); any other page is only taken when first
    // written. Elsewhere it does nothing. Never fails: a refusal leaves
    // ordinary pages, taken one at a time.
    static void preferLargePages(const void *data, std::size_t size, std::size_t written = 0);

    // Makes room in `bytes` for `more` bytes past its end, as a writer of
    // tens of megabytes needs: when its capacity is short, the bytes move
    // into a block of at least twice the room, given large pages before
    // they are copied (Qt's own growth would copy first, one small page
    // fault at a time).
    static void makeRoom(QByteArray &bytes, qsizetype more)
    {
        if (bytes.capacity() - bytes.size() >= more)
            return;
        QByteArray larger;
        larger.reserve(std::max(2 * bytes.capacity(), bytes.size() + more));
        preferLargePages(larger.constData(), std::size_t(larger.capacity()));
        larger.append(bytes.constData(), bytes.size());
        bytes = std::move(larger);
    }
};

} // namespace orvanta
