#pragma once

#include "ArchiveRecord.h"
#include "FormatError.h"

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace orvanta {

// The directory of a language archive as it stands in the file: the count
// and every record that lies wholly inside the file, unchecked. The kit
// reads archives through ArchiveDirectory, which keeps only the usable
// records; this raw view is for the checks that judge the records
// themselves (names, overlaps, duplicates).
class RawArchiveDirectory {
public:
    // Reads from `in`, a stream over the whole archive of `fileLength`
    // bytes; `fileName` names the file in problems.
    static RawArchiveDirectory read(std::istream &in, std::uint64_t fileLength, const std::string &fileName);

    // The count the file states (0 when it is too short to hold one).
    std::uint64_t count() const { return m_count; }
    std::uint64_t fileLength() const { return m_fileLength; }
    const std::string &fileName() const { return m_fileName; }

    // The records that lie wholly inside the file, in directory order.
    const std::vector<ArchiveRecord> &records() const { return m_records; }

    // A file too short for the count, or a count that the file cannot hold.
    const std::vector<FormatError> &problems() const { return m_problems; }

    // Set when the stream failed partway through the records; the records
    // before it are kept.
    const std::optional<FormatError> &readFailure() const { return m_readFailure; }

private:
    std::string m_fileName;
    std::uint64_t m_fileLength = 0;
    std::uint64_t m_count = 0;
    std::vector<ArchiveRecord> m_records;
    std::vector<FormatError> m_problems;
    std::optional<FormatError> m_readFailure;
};

} // namespace orvanta
