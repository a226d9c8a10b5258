#pragma once

#include "ArchiveEntry.h"
#include "Result.h"

#include <cstdint>
#include <string>
#include <vector>

namespace orvanta {

// Lays out and writes language archives: count, one 21-byte record per
// entry, then the entries' data back to back in directory order. Data is
// streamed by the caller after directoryBytes(), so files of any size can
// be packed without holding them in memory.
class ArchiveWriter {
public:
    struct Item {
        std::string name; // bare file name; upper-cased on the way in
        std::uint64_t size = 0;
    };
    struct NamedData {
        std::string name;
        std::string data;
    };

    // The records for `items` in their order: upper-cased names, offsets from
    // 4 + 21 x count. Refuses names that are empty, hold a NUL or are longer
    // than 12 characters, and archives whose offsets would pass 4 GiB.
    static Result<std::vector<ArchiveEntry>> layout(const std::vector<Item> &items);

    // Count and directory records, ready to be followed by the data. Bytes of
    // a name field after its NUL are zero.
    static std::string directoryBytes(const std::vector<ArchiveEntry> &entries);

    // A whole archive in memory, for small inputs and tests.
    static Result<std::string> write(const std::vector<NamedData> &files);
};

} // namespace orvanta
