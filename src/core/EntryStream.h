#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

class ArchiveSet;

// Read cursor over one archive entry found by name. Lookups upper-case the
// name and search slot 0, then slot 1; the first equal record wins. Reads
// are all-or-nothing: a read that would pass the entry's end does nothing.
// The stream does not own the set, which must stay open while it is used.
//
// Reading an entry front to back in small pieces (a header, then 200-byte
// records) passes over its bytes once: the stream reads ahead up to
// ReadAheadSize bytes of the entry with one file read and serves the
// following reads from memory. A read at least as large as what is left to
// read ahead goes straight into the caller's memory. Open() drops what was
// read ahead, so the bytes always belong to the entry found last.
class EntryStream {
public:
    static constexpr std::size_t ReadAheadSize = std::size_t(256) << 10;

    explicit EntryStream(ArchiveSet &set) : m_set(set) {}

    // Looks `name` up. When nothing is found, found() turns false and Size()
    // keeps reporting the previous entry's size (0 if there never was one).
    void Open(std::string_view name);

    // Copies `count` bytes from the current position into `buffer` and
    // advances, but only if they all lie inside the entry and the file
    // delivers them; otherwise the position stays, and so does the buffer
    // unless the file itself came up short.
    bool Read(void *buffer, std::int64_t count);

    std::int64_t Size() const { return m_size; }
    bool found() const { return m_found; }
    std::int64_t position() const { return m_position; }
    int slot() const { return m_slot; }
    const std::string &name() const { return m_name; }

private:
    // How many bytes from the position on are read ahead already.
    std::int64_t heldAhead() const;

    // Reads ahead from the position on, `wanted` bytes in all: the `held`
    // bytes already read ahead move to the front, the rest comes from the
    // file (fewer where the file comes up short).
    void readAhead(std::int64_t held, std::int64_t wanted);

    ArchiveSet &m_set;
    bool m_found = false;
    std::string m_name;
    std::int64_t m_offset = 0;
    std::int64_t m_size = 0;
    std::int64_t m_position = 0;
    int m_slot = 0;

    // Bytes [m_aheadStart, m_aheadEnd) of the entry, at the start of m_ahead.
    std::vector<char> m_ahead;
    std::int64_t m_aheadStart = 0;
    std::int64_t m_aheadEnd = 0;
};

} // namespace orvanta
