#include "ArchiveDirectory.h"

#include "LittleEndian.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace orvanta {

ArchiveDirectory ArchiveDirectory::read(std::istream &in, std::uint64_t fileLength, const std::string &fileName)
{
    ArchiveDirectory dir;
    if (fileLength < ArchiveEntry::CountSize) {
        dir.m_problems.push_back(FormatError::at(fileName, 0,
            "the file is " + std::to_string(fileLength) + " bytes long, too short for the 4-byte entry count"));
        return dir;
    }

    std::array<unsigned char, ArchiveEntry::RecordSize> record{};
    in.clear();
    in.seekg(0);
    if (!in.read(reinterpret_cast<char *>(record.data()), ArchiveEntry::CountSize)) {
        dir.m_problems.push_back(FormatError::at(fileName, 0, "the entry count cannot be read"));
        return dir;
    }
    const std::uint64_t count = LittleEndian::read32(record.data());
    const std::uint64_t fitting = (fileLength - ArchiveEntry::CountSize) / ArchiveEntry::RecordSize;
    if (count > fitting) {
        dir.m_problems.push_back(FormatError::at(fileName, 0,
            "the entry count " + std::to_string(count) + " needs a directory of "
                + std::to_string(count * ArchiveEntry::RecordSize) + " bytes, but the file is only "
                + std::to_string(fileLength) + " bytes long; only the first " + std::to_string(fitting)
                + " records are read"));
    }

    const std::uint64_t readable = std::min(count, fitting);
    dir.m_entries.reserve(static_cast<std::size_t>(readable));
    for (std::uint64_t i = 0; i < readable; ++i) {
        const std::uint64_t recordOffset = ArchiveEntry::dataStart(i);
        if (!in.read(reinterpret_cast<char *>(record.data()), record.size())) {
            dir.m_problems.push_back(FormatError::at(fileName, recordOffset, "the directory record cannot be read"));
            break;
        }
        const auto *nul = std::find(record.begin(), record.begin() + ArchiveEntry::NameFieldSize, 0);
        if (nul == record.begin() + ArchiveEntry::NameFieldSize) {
            dir.m_problems.push_back(FormatError::at(fileName, recordOffset,
                "entry " + std::to_string(i) + " has a name without a terminating NUL; it is ignored"));
            continue;
        }
        ArchiveEntry entry;
        entry.name.assign(reinterpret_cast<const char *>(record.data()), nul - record.begin());
        entry.size = LittleEndian::read32(record.data() + ArchiveEntry::NameFieldSize);
        entry.offset = LittleEndian::read32(record.data() + ArchiveEntry::NameFieldSize + 4);
        if (std::uint64_t(entry.offset) + entry.size > fileLength) {
            dir.m_problems.push_back(FormatError::at(fileName, recordOffset,
                "entry \"" + entry.name + "\" claims " + std::to_string(entry.size) + " bytes at offset "
                    + std::to_string(entry.offset) + ", past the end of the file (" + std::to_string(fileLength)
                    + " bytes); it is ignored"));
            continue;
        }
        dir.m_entries.push_back(std::move(entry));
    }
    return dir;
}

const ArchiveEntry *ArchiveDirectory::find(std::string_view upperName) const
{
    for (const ArchiveEntry &entry : m_entries) {
        if (entry.name == upperName)
            return &entry;
    }
    return nullptr;
}

} // namespace orvanta
