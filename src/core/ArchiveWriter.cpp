#include "ArchiveWriter.h"

#include "LittleEndian.h"

#include <limits>

namespace orvanta {

Result<std::vector<ArchiveEntry>> ArchiveWriter::layout(const std::vector<Item> &items)
{
    constexpr std::uint64_t limit = std::numeric_limits<std::uint32_t>::max();
    std::vector<ArchiveEntry> entries;
    entries.reserve(items.size());
    std::uint64_t offset = ArchiveEntry::dataStart(items.size());
    for (const Item &item : items) {
        if (item.name.empty())
            return FormatError::general(item.name, "an archive entry needs a name");
        if (item.name.find('\0') != std::string::npos)
            return FormatError::general(item.name, "an archive entry name cannot contain a NUL byte");
        if (item.name.size() > ArchiveEntry::MaxNameLength) {
            return FormatError::general(item.name,
                "the name has " + std::to_string(item.name.size()) + " characters; an archive entry name holds at most "
                    + std::to_string(ArchiveEntry::MaxNameLength));
        }
        if (offset > limit || item.size > limit - offset) {
            return FormatError::general(item.name, "the archive would pass 4 GiB, which its 32-bit offsets cannot address");
        }
        entries.push_back({ArchiveEntry::upperName(item.name), static_cast<std::uint32_t>(item.size),
                           static_cast<std::uint32_t>(offset)});
        offset += item.size;
    }
    return entries;
}

std::string ArchiveWriter::directoryBytes(const std::vector<ArchiveEntry> &entries)
{
    std::string out;
    out.reserve(ArchiveEntry::dataStart(entries.size()));
    LittleEndian::append32(out, static_cast<std::uint32_t>(entries.size()));
    for (const ArchiveEntry &entry : entries) {
        std::string field = entry.name;
        field.resize(ArchiveEntry::NameFieldSize, '\0');
        out += field;
        LittleEndian::append32(out, entry.size);
        LittleEndian::append32(out, entry.offset);
    }
    return out;
}

Result<std::string> ArchiveWriter::write(const std::vector<NamedData> &files)
{
    std::vector<Item> items;
    items.reserve(files.size());
    for (const NamedData &file : files)
        items.push_back({file.name, file.data.size()});
    auto entries = layout(items);
    if (!entries)
        return entries.error();
    std::string out = directoryBytes(*entries);
    for (const NamedData &file : files)
        out += file.data;
    return out;
}

} // namespace orvanta
