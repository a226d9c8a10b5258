#include "RawArchiveDirectory.h"

#include "LittleEndian.h"

#include <algorithm>
#include <array>

namespace orvanta {

RawArchiveDirectory RawArchiveDirectory::read(std::istream &in, std::uint64_t fileLength, const std::string &fileName)
{
    RawArchiveDirectory dir;
    dir.m_fileName = fileName;
    dir.m_fileLength = fileLength;
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
    dir.m_count = LittleEndian::read32(record.data());
    const std::uint64_t fitting = (fileLength - ArchiveEntry::CountSize) / ArchiveEntry::RecordSize;
    if (dir.m_count > fitting) {
        dir.m_problems.push_back(FormatError::at(fileName, 0,
            "the entry count " + std::to_string(dir.m_count) + " needs a directory of "
                + std::to_string(dir.m_count * ArchiveEntry::RecordSize) + " bytes, but the file is only "
                + std::to_string(fileLength) + " bytes long; only the first " + std::to_string(fitting)
                + " records are read"));
    }

    // Records are kept as they are read, so memory follows what the file
    // really holds, whatever its count claims.
    const std::uint64_t readable = std::min(dir.m_count, fitting);
    for (std::uint64_t i = 0; i < readable; ++i) {
        if (!in.read(reinterpret_cast<char *>(record.data()), record.size())) {
            dir.m_readFailure = FormatError::at(fileName, ArchiveEntry::dataStart(i), "the directory record cannot be read");
            break;
        }
        dir.m_records.push_back(ArchiveRecord::decode(i, record.data()));
    }
    return dir;
}

} // namespace orvanta
