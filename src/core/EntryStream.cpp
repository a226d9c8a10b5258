#include "EntryStream.h"

#include "ArchiveEntry.h"
#include "ArchiveSet.h"

namespace orvanta {

void EntryStream::Open(std::string_view name)
{
    m_name = ArchiveEntry::upperName(name);
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
    if (!m_set.readAt(m_slot, static_cast<std::uint64_t>(m_offset + m_position), static_cast<char *>(buffer),
                      static_cast<std::size_t>(count)))
        return false;
    m_position += count;
    return true;
}

} // namespace orvanta
