#pragma once

#include "ArchiveEntry.h"
#include "FormatError.h"
#include "RawArchiveDirectory.h"

#include <cstdint>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

// The directory of one language archive, read and checked against the
// file's length before anything trusts it.
//
// What a damaged archive yields: the count is never believed beyond what the
// file can hold, so only records lying wholly inside the file are read; of
// those, a record whose name has no NUL in its 13 bytes, or whose data
// would start at or past the end of the file, is dropped. A record whose
// data start inside the file but run past its end (a file cut short) is
// kept with the bytes the file holds: its size here ends at the end of the
// file, so every whole text record of a truncated TEXTS.DAT still loads.
// Everything dropped or cut is listed in problems(), so the caller can tell
// the user that the archive is damaged; an entry cut short is a problem of
// kind CutShort, the only damage a save may build on, since it loses
// nothing the file still holds.
class ArchiveDirectory {
public:
    ArchiveDirectory() = default;

    // Reads the directory from `in`, a stream over the whole archive of
    // `fileLength` bytes; `fileName` only names the file in problems.
    static ArchiveDirectory read(std::istream &in, std::uint64_t fileLength, const std::string &fileName);

    // The usable records of a directory already read raw.
    static ArchiveDirectory fromRecords(const RawArchiveDirectory &raw);

    // As read(), for the kit's own reading of its archives (ArchiveSet):
    // besides, the records of a name that several usable records have, and
    // a record whose data overlap those of a record before it, are dropped
    // and named in problems(), so that the kit never takes data two entries
    // claim (a damaged or forged archive whose entries all point at one
    // entry's bytes). Listing and extracting keep them (read()).
    static ArchiveDirectory readTrusted(std::istream &in, std::uint64_t fileLength, const std::string &fileName);

    const std::vector<ArchiveEntry> &entries() const { return m_entries; }
    const std::vector<FormatError> &problems() const { return m_problems; }
    bool damaged() const { return !m_problems.empty(); }

    // The first record whose name equals `upperName` byte for byte, or null.
    const ArchiveEntry *find(std::string_view upperName) const;

private:
    static ArchiveDirectory fromRecords(const RawArchiveDirectory &raw, bool trusted);

    std::vector<ArchiveEntry> m_entries;
    std::vector<FormatError> m_problems;
};

} // namespace orvanta
