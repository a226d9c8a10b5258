#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvanta {

class ArchiveSet;

// Read cursor over one archive entry found by name. Lookups upper-case the
// name and search slot 0, then slot 1; the first equal record wins. Reads
// are all-or-nothing: a read that would pass the entry's end does nothing.
// The stream does not own the set, which must stay open while it is used.
class EntryStream {
public:
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
    ArchiveSet &m_set;
    bool m_found = false;
    std::string m_name;
    std::int64_t m_offset = 0;
    std::int64_t m_size = 0;
    std::int64_t m_position = 0;
    int m_slot = 0;
};

} // namespace orvanta
