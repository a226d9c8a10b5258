#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>

namespace orvanta {

// The one way the archive code reads data out of an archive file: a single
// seek and a single read at a position counted from the file's start. On a
// file stream, a read larger than the stream's own buffer goes straight
// from the file into the caller's memory, so callers that ask for large
// blocks pass over each byte once.
struct StreamRead {
    // Reads up to `count` bytes at `offset` into `buffer` and returns how many
    // arrived: fewer only where the stream ends or fails. Clears the stream's
    // error state first, so one failed read does not spoil the next.
    static std::size_t at(std::istream &in, std::uint64_t offset, char *buffer, std::size_t count);
};

} // namespace orvanta
