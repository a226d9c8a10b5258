#include "ArchiveSet.h"

#include "FileKind.h"
#include "StreamRead.h"

#include <fstream>

namespace orvanta {

std::vector<FormatError> ArchiveSet::Open(const std::filesystem::path &directory)
{
    std::vector<FormatError> problems;
    for (int slot = 0; slot < SlotCount; ++slot) {
        const std::filesystem::path path = directory / SlotFileNames[slot];
        std::error_code ec;
        if (const auto why = FileKind::notAFile(path)) {
            if (std::filesystem::exists(path, ec))
                problems.push_back(FormatError::general(path.string(), *why));
            m_slots[slot] = {};
            continue;
        }
        const std::uint64_t length = std::filesystem::file_size(path, ec);
        auto file = std::make_unique<std::ifstream>(path, std::ios::binary);
        if (ec || !*file) {
            problems.push_back(FormatError::general(path.string(), "cannot be opened for reading"));
            m_slots[slot] = {};
            continue;
        }
        auto found = openSlot(slot, std::move(file), length, path.string());
        problems.insert(problems.end(), found.begin(), found.end());
    }
    return problems;
}

std::vector<FormatError> ArchiveSet::openSlot(int slot, std::unique_ptr<std::istream> in, std::uint64_t length,
                                              const std::string &fileName)
{
    Slot &s = m_slots.at(slot);
    s.directory = ArchiveDirectory::readTrusted(*in, length, fileName);
    s.file = std::move(in);
    return s.directory.problems();
}

void ArchiveSet::Close()
{
    for (Slot &slot : m_slots)
        slot = {};
}

std::size_t ArchiveSet::readAt(int slot, std::uint64_t offset, char *buffer, std::size_t count)
{
    std::istream *file = m_slots.at(slot).file.get();
    return file ? StreamRead::at(*file, offset, buffer, count) : 0;
}

} // namespace orvanta
