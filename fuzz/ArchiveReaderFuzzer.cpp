// libFuzzer harness: arbitrary bytes as the kit's "lang.dat" and
// "kvmain.dat", read the way start-up reads them: the directories, the
// texts, the picture files taken back, and every entry read whole through
// an EntryStream as extract does.
#include "core/ArchiveSet.h"
#include "core/EntryStream.h"
#include "pictures/PictureSlots.h"
#include "texts/TextTable.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <sstream>
#include <vector>

using namespace orvanta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static PictureSlots pictures;
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    ArchiveSet archives;
    for (int slot = 0; slot < ArchiveSet::SlotCount; ++slot)
        archives.openSlot(slot, std::make_unique<std::istringstream>(bytes), size, ArchiveSet::SlotFileNames[slot]);

    EntryStream stream(archives);
    TextTable texts;
    texts.LoadTexts(stream);
    pictures.readPictureFiles(archives);

    // Every entry the directory accepted reads whole.
    std::vector<char> chunk(4096);
    for (const ArchiveEntry &entry : archives.directory(0).entries()) {
        stream.Open(entry.name);
        if (!stream.found())
            continue; // a name with lower-case letters: lookups never match it
        for (std::int64_t left = stream.Size(); left > 0;) {
            const std::int64_t count = std::min<std::int64_t>(left, std::int64_t(chunk.size()));
            if (!stream.Read(chunk.data(), count))
                __builtin_trap();
            left -= count;
        }
    }
    archives.Close();
    return 0;
}
