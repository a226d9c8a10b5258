#include "ArchiveDirectory.h"

#include "ArchiveDirectoryCheck.h"

#include <map>
#include <optional>
#include <set>

namespace orvanta {

ArchiveDirectory ArchiveDirectory::read(std::istream &in, std::uint64_t fileLength, const std::string &fileName)
{
    return fromRecords(RawArchiveDirectory::read(in, fileLength, fileName));
}

ArchiveDirectory ArchiveDirectory::readTrusted(std::istream &in, std::uint64_t fileLength, const std::string &fileName)
{
    return fromRecords(RawArchiveDirectory::read(in, fileLength, fileName), true);
}

ArchiveDirectory ArchiveDirectory::fromRecords(const RawArchiveDirectory &raw)
{
    return fromRecords(raw, false);
}

ArchiveDirectory ArchiveDirectory::fromRecords(const RawArchiveDirectory &raw, bool trusted)
{
    const std::set<std::uint64_t> overlapping = trusted ? ArchiveDirectoryCheck::overlappingRecords(raw)
                                                        : std::set<std::uint64_t>();
    // How many usable records carry each name.
    std::map<std::string, int> names;
    for (const ArchiveRecord &record : raw.records()) {
        if (const auto name = record.name(); trusted && name && record.readableSize(raw.fileLength()))
            ++names[*name];
    }
    ArchiveDirectory dir;
    dir.m_problems = raw.problems();
    dir.m_entries.reserve(raw.records().size());
    for (const ArchiveRecord &record : raw.records()) {
        std::optional<std::string> name = record.name();
        if (!name) {
            dir.m_problems.push_back(FormatError::at(raw.fileName(), record.position,
                "entry " + std::to_string(record.index) + " has a name without a terminating NUL; it is ignored"));
            continue;
        }
        const std::string shown = "entry \"" + ArchiveDirectoryCheck::printable(*name) + "\" claims "
                                  + std::to_string(record.size) + " bytes at offset " + std::to_string(record.offset)
                                  + ", past the end of the file (" + std::to_string(raw.fileLength()) + " bytes)";
        const std::optional<std::uint32_t> size = record.readableSize(raw.fileLength());
        if (!size) {
            dir.m_problems.push_back(FormatError::at(raw.fileName(), record.position, shown + "; it is ignored"));
            continue;
        }
        const std::string entry =
            "entry " + std::to_string(record.index) + " \"" + ArchiveDirectoryCheck::printable(*name) + "\"";
        if (trusted && names[*name] > 1) {
            dir.m_problems.push_back(FormatError::at(raw.fileName(), record.position,
                entry + ": another entry has the same name, so which one holds its data cannot be told; "
                        "it is ignored"));
            continue;
        }
        if (trusted && overlapping.count(record.index)) {
            dir.m_problems.push_back(FormatError::at(raw.fileName(), record.position,
                entry + ": its data overlap those of an earlier entry, so they are not its own; it is ignored"));
            continue;
        }
        if (*size != record.size) {
            // A file cut short still holds the start of its last entries:
            // they are read as far as it goes.
            dir.m_problems.push_back(FormatError::at(raw.fileName(), record.position,
                shown + "; only the " + std::to_string(*size) + " bytes the file holds are read").withKind(FormatError::Kind::CutShort));
        }
        dir.m_entries.push_back({std::move(*name), *size, record.offset});
    }
    if (raw.readFailure())
        dir.m_problems.push_back(*raw.readFailure());
    return dir;
}

const ArchiveEntry *ArchiveDirectory::find(std::string_view upperName) const
{
    for (const ArchiveEntry &entry : m_entries) {
        if (entry.name == upperName)
            return &entry;
    }
    return nullptr;
}

} // namespace orvanta
