#pragma once

#include "ArchiveDirectory.h"
#include "FormatError.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <istream>
#include <memory>
#include <string>
#include <vector>

namespace orvanta {

// The two archives the kit reads at start-up, searched in slot order:
// slot 0 "lang.dat" (the game's language file), slot 1 "kvmain.dat" (the
// kit's own data). Directories are held only while the set is open. A
// missing archive behaves as one without entries and is not a problem; a
// damaged one is read as far as it is sound and reported by Open(). Entries
// whose name repeats an earlier one or whose data overlap another's are
// left out and reported too (ArchiveDirectory::readTrusted).
class ArchiveSet {
public:
    static constexpr int SlotCount = 2;
    static constexpr std::array<const char *, SlotCount> SlotFileNames{"lang.dat", "kvmain.dat"};

    ArchiveSet() = default;
    ArchiveSet(const ArchiveSet &) = delete;
    ArchiveSet &operator=(const ArchiveSet &) = delete;

    // Opens "lang.dat" and "kvmain.dat" in `directory`. Returns what was
    // found damaged in either; empty when both are sound or missing.
    std::vector<FormatError> Open(const std::filesystem::path &directory);

    // Opens one slot over any seekable stream of `length` bytes (in-memory
    // archives in tests); `fileName` names it in problems.
    std::vector<FormatError> openSlot(int slot, std::unique_ptr<std::istream> in, std::uint64_t length,
                                      const std::string &fileName);

    void Close();

    const ArchiveDirectory &directory(int slot) const { return m_slots.at(slot).directory; }

    // Reads up to `count` bytes at `offset` of a slot's file, with one seek
    // and one read, and returns how many arrived: fewer only where the file
    // ends or fails (none for a slot without a file).
    std::size_t readAt(int slot, std::uint64_t offset, char *buffer, std::size_t count);

private:
    struct Slot {
        std::unique_ptr<std::istream> file;
        ArchiveDirectory directory;
    };
    std::array<Slot, SlotCount> m_slots;
};

} // namespace orvanta
