#pragma once

#include "FormatError.h"
#include "RawArchiveDirectory.h"

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace orvanta {

// Judges a language archive's directory record by record, more strictly
// than reading needs: besides what makes a record unusable or short (no NUL
// in its name, data past the end of the file), it finds what the kit's own writer
// never produces and what makes an entry unreachable, ambiguous or unsafe:
// empty names, names with lower-case letters (lookups are upper-cased, so
// they never match), names that are no safe file name ("." or "..", a '/'
// or '\\' in them, control characters), names used twice (only the first
// is ever found), data inside the directory and entries whose data overlap.
class ArchiveDirectoryCheck {
public:
    // Every finding, one per fault, in directory order: first the count,
    // then each record (its byte offset in the file, its index and name).
    // Records are judged as ArchiveDirectory reads them: data cut off by the
    // end of the file count as far as the file holds them.
    static std::vector<FormatError> check(const RawArchiveDirectory &raw);

    // The indexes of the records whose data overlap the data of a record
    // before them in file order (the same offset: before them in the
    // directory). Empty entries and data past the end take no part.
    static std::set<std::uint64_t> overlappingRecords(const RawArchiveDirectory &raw);

    // A name as a line can show it: printable ASCII as it stands, any other
    // byte as \xNN.
    static std::string printable(const std::string &name);
};

} // namespace orvanta
