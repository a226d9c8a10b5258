#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvanta {

// One directory record of a language archive. On disk it is 21 bytes:
// a 13-byte NUL-terminated name, then size and offset as unsigned 32-bit
// little-endian numbers (size first). Offsets count from the file's start.
struct ArchiveEntry {
    static constexpr std::size_t NameFieldSize = 13;
    static constexpr std::size_t MaxNameLength = NameFieldSize - 1;
    static constexpr std::size_t RecordSize = NameFieldSize + 4 + 4;
    static constexpr std::size_t CountSize = 4;

    std::string name;
    std::uint32_t size = 0;
    std::uint32_t offset = 0;

    // Letters a-z become A-Z; every other byte stays as it is. Archive names
    // and lookups both go through this.
    static std::string upperName(std::string_view name);

    // Where the directory ends and the data of an archive of `count`
    // entries begins.
    static std::uint64_t dataStart(std::uint64_t count) { return CountSize + RecordSize * count; }

    bool operator==(const ArchiveEntry &) const = default;
};

} // namespace orvanta
