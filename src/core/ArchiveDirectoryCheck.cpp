#include "ArchiveDirectoryCheck.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <vector>

namespace orvanta {

namespace {

std::string label(const ArchiveRecord &record, const std::optional<std::string> &name)
{
    std::string text = "entry " + std::to_string(record.index);
    if (name && !name->empty())
        text += " \"" + ArchiveDirectoryCheck::printable(*name) + "\"";
    return text;
}

// The bytes of a record's data that a reader takes.
struct Placed {
    const ArchiveRecord *record;
    std::uint64_t end; // one past the last byte
};

std::string span(const Placed &placed)
{
    return "bytes " + std::to_string(placed.record->offset) + " to " + std::to_string(placed.end - 1);
}

// For each record whose data overlap the data of a record before it in file
// order, that earlier record: one partner per record is enough to name the
// fault. Empty entries and data past the end take no part; data cut off by
// the end of the file take part as far as they are read.
std::map<std::uint64_t, Placed> overlaps(const RawArchiveDirectory &raw)
{
    std::vector<Placed> placed;
    for (const ArchiveRecord &record : raw.records()) {
        const auto size = record.readableSize(raw.fileLength());
        if (size && *size > 0)
            placed.push_back({&record, std::uint64_t(record.offset) + *size});
    }
    std::stable_sort(placed.begin(), placed.end(),
                     [](const Placed &a, const Placed &b) { return a.record->offset < b.record->offset; });
    std::map<std::uint64_t, Placed> found;
    std::optional<Placed> reachesFurthest;
    for (const Placed &p : placed) {
        if (reachesFurthest && p.record->offset < reachesFurthest->end)
            found.emplace(p.record->index, *reachesFurthest);
        if (!reachesFurthest || p.end > reachesFurthest->end)
            reachesFurthest = p;
    }
    return found;
}

} // namespace

std::set<std::uint64_t> ArchiveDirectoryCheck::overlappingRecords(const RawArchiveDirectory &raw)
{
    std::set<std::uint64_t> indexes;
    for (const auto &[index, partner] : overlaps(raw))
        indexes.insert(index);
    return indexes;
}

std::string ArchiveDirectoryCheck::printable(const std::string &name)
{
    std::string out;
    for (unsigned char c : name) {
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            out.push_back(char(c));
        } else {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            out += escaped;
        }
    }
    return out;
}

std::vector<FormatError> ArchiveDirectoryCheck::check(const RawArchiveDirectory &raw)
{
    std::vector<FormatError> findings = raw.problems();
    const std::string &file = raw.fileName();
    const std::uint64_t directoryEnd = ArchiveEntry::dataStart(raw.records().size());
    const auto overlapping = overlaps(raw);
    std::map<std::string, std::uint64_t> firstWithName;

    for (const ArchiveRecord &record : raw.records()) {
        const std::optional<std::string> name = record.name();
        const std::string who = label(record, name);
        const auto report = [&](const std::string &what) {
            findings.push_back(FormatError::at(file, record.position, who + ": " + what));
        };
        if (!name)
            report("the name has no terminating NUL in its 13 bytes");
        else if (name->empty())
            report("the name is empty");
        else if (std::any_of(name->begin(), name->end(), [](char c) { return c >= 'a' && c <= 'z'; }))
            report("the name holds lower-case letters; the kit looks names up upper-cased, so it never finds "
                   "this entry");
        if (name && (*name == "." || *name == ".."))
            report("the name is \"" + *name + "\", which names a folder, not a file");
        else if (name && name->find_first_of("/\\") != std::string::npos)
            report("the name holds a folder separator ('/' or '\\'); a file extracted under it would land in "
                   "another folder");
        if (name && std::any_of(name->begin(), name->end(), [](char c) { return (c >= 0 && c < 0x20) || c == 0x7F; }))
            report("the name holds control characters");

        if (!record.dataFits(raw.fileLength()))
            report("claims " + std::to_string(record.size) + " bytes at offset " + std::to_string(record.offset)
                   + ", past the end of the file (" + std::to_string(raw.fileLength()) + " bytes)");
        const std::optional<std::uint32_t> size = record.readableSize(raw.fileLength());
        if (!size)
            continue;
        // Only records the kit can read compete for a name.
        if (name && !name->empty()) {
            const auto [first, isFirst] = firstWithName.emplace(*name, record.index);
            if (!isFirst)
                report("the same name as entry " + std::to_string(first->second) + "; only entry "
                       + std::to_string(first->second) + " is ever found");
        }
        const Placed placed{&record, std::uint64_t(record.offset) + *size};
        if (*size > 0 && record.offset < directoryEnd)
            report("its data (" + span(placed) + ") begin inside the directory, which ends at byte "
                   + std::to_string(directoryEnd - 1));
        if (const auto other = overlapping.find(record.index); other != overlapping.end())
            report("its data (" + span(placed) + ") overlap those of "
                   + label(*other->second.record, other->second.record->name()) + " (" + span(other->second) + ")");
    }
    if (raw.readFailure())
        findings.push_back(*raw.readFailure());
    return findings;
}

} // namespace orvanta
