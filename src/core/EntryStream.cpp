#include "EntryStream.h"

#include "ArchiveEntry.h"
#include "ArchiveSet.h"

#include <algorithm>
#include <cstring>

namespace orvanta {

void EntryStream::Open(std::string_view name)
{
    m_name = ArchiveEntry::upperName(name);
    m_aheadStart = m_aheadEnd = 0;
    for (int slot = 0; slot < ArchiveSet::SlotCount; ++slot) {
        if (const ArchiveEntry *entry = m_set.directory(slot).find(m_name)) {
            m_found = true;
            m_size = entry->size;
            m_offset = entry->offset;
            m_position = 0;
            m_slot = slot;
            return;
        }
    }
    m_found = false;
}

bool EntryStream::Read(void *buffer, std::int64_t count)
{
    if (!m_found || count < 0 || count > m_size - m_position)
        return false;
    if (count == 0)
        return true;
    char *out = static_cast<char *>(buffer);
    const std::int64_t held = heldAhead();
    if (count > held) {
        const std::int64_t wanted = std::min<std::int64_t>(m_size - m_position, ReadAheadSize);
        if (count >= wanted) {
            // Nothing would be left over to read ahead: what is held, then
            // the rest straight from the file into the caller's memory.
            if (held > 0)
                std::memcpy(out, m_ahead.data() + (m_position - m_aheadStart), static_cast<std::size_t>(held));
            const auto rest = static_cast<std::size_t>(count - held);
            if (m_set.readAt(m_slot, static_cast<std::uint64_t>(m_offset + m_position + held), out + held, rest) != rest)
                return false;
            m_position += count;
            return true;
        }
        readAhead(held, wanted);
        if (heldAhead() < count)
            return false;
    }
    std::memcpy(out, m_ahead.data() + (m_position - m_aheadStart), static_cast<std::size_t>(count));
    m_position += count;
    return true;
}

std::int64_t EntryStream::heldAhead() const
{
    return m_position >= m_aheadStart && m_position < m_aheadEnd ? m_aheadEnd - m_position : 0;
}

void EntryStream::readAhead(std::int64_t held, std::int64_t wanted)
{
    if (m_ahead.size() < static_cast<std::size_t>(wanted))
        m_ahead.resize(static_cast<std::size_t>(wanted));
    if (held > 0)
        std::memmove(m_ahead.data(), m_ahead.data() + (m_position - m_aheadStart), static_cast<std::size_t>(held));
    const auto rest = static_cast<std::size_t>(wanted - held);
    const std::size_t delivered =
        m_set.readAt(m_slot, static_cast<std::uint64_t>(m_offset + m_position + held), m_ahead.data() + held, rest);
    m_aheadStart = m_position;
    m_aheadEnd = m_position + held + static_cast<std::int64_t>(delivered);
}

} // namespace orvanta
