#include "ArchiveRecord.h"

#include "LittleEndian.h"

#include <algorithm>

namespace orvanta {

ArchiveRecord ArchiveRecord::decode(std::uint64_t index, const unsigned char *bytes)
{
    ArchiveRecord record;
    record.index = index;
    record.position = ArchiveEntry::dataStart(index);
    std::copy_n(bytes, ArchiveEntry::NameFieldSize, record.nameField.begin());
    record.size = LittleEndian::read32(bytes + ArchiveEntry::NameFieldSize);
    record.offset = LittleEndian::read32(bytes + ArchiveEntry::NameFieldSize + 4);
    return record;
}

std::optional<std::string> ArchiveRecord::name() const
{
    const auto nul = std::find(nameField.begin(), nameField.end(), 0);
    if (nul == nameField.end())
        return std::nullopt;
    return std::string(nameField.begin(), nul);
}

std::optional<std::uint32_t> ArchiveRecord::readableSize(std::uint64_t fileLength) const
{
    if (dataFits(fileLength))
        return size;
    if (offset >= fileLength)
        return std::nullopt;
    return static_cast<std::uint32_t>(fileLength - offset);
}

} // namespace orvanta
