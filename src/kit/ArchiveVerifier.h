#pragma once

#include "core/FormatError.h"

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

namespace orvanta {

// Checks a language archive the way a modder wants before shipping it:
// the directory record by record (ArchiveDirectoryCheck), then every entry
// the kit knows, as the kit or the game would read it: "TEXTS.DAT" and
// "KVTEXTS.DAT" (text files), "FONT.SPR" with "FONTSIZE.DAT" (glyph files)
// and each ".PAD" picture file against the picture catalogue. Other
// entries are not judged.
//
// Findings about an entry name the archive and the entry ("lang.dat:
// FONT.SPR: at byte 600: ..."), with byte offsets inside the entry.
class ArchiveVerifier {
public:
    // Entries larger than this are reported, not read: every entry the kit
    // writes is far smaller.
    static constexpr std::uint64_t MaxCheckedEntrySize = std::uint64_t(64) << 20;

    // `in` is a stream over the whole archive of `length` bytes; `fileName`
    // names it in findings. No findings means the archive is sound.
    static std::vector<FormatError> verify(std::istream &in, std::uint64_t length, const std::string &fileName);
};

} // namespace orvanta
