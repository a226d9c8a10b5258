#pragma once

#include "ArchiveEntry.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace orvanta {

// One 21-byte directory record exactly as the archive holds it, before any
// check: the whole 13-byte name field, size and offset, and where the
// record itself stands in the file.
struct ArchiveRecord {
    std::uint64_t index = 0;    // counted from 0 in directory order
    std::uint64_t position = 0; // file offset of the record's first byte
    std::array<unsigned char, ArchiveEntry::NameFieldSize> nameField{};
    std::uint32_t size = 0;
    std::uint32_t offset = 0;

    // Decodes the record that starts at `bytes` (21 bytes).
    static ArchiveRecord decode(std::uint64_t index, const unsigned char *bytes);

    // The name up to its NUL; nothing when the field holds no NUL.
    std::optional<std::string> name() const;

    // Whether the data lies wholly inside a file of `fileLength` bytes.
    bool dataFits(std::uint64_t fileLength) const { return std::uint64_t(offset) + size <= fileLength; }

    // How much of the data a reader takes from a file of `fileLength`
    // bytes: all of it when it fits, the part before the end of the file
    // when only its start lies inside (a file cut short), nothing when it
    // would start at or past the end.
    std::optional<std::uint32_t> readableSize(std::uint64_t fileLength) const;
};

} // namespace orvanta
