#pragma once

// A text table loaded as the kit loads it at start-up, from an in-memory
// "lang.dat" holding the given "kvtexts.dat" and "texts.dat": what the text
// harnesses and the seed writer build their tables from. Nothing when the
// archive cannot be made.
#include "core/ArchiveSet.h"
#include "core/ArchiveWriter.h"
#include "core/EntryStream.h"
#include "texts/TextTable.h"

#include <memory>
#include <optional>
#include <sstream>
#include <string>

inline std::optional<orvanta::TextTable> loadedTexts(const std::string &kvtexts, const std::string &texts)
{
    const auto archive = orvanta::ArchiveWriter::write({{"KVTEXTS.DAT", kvtexts}, {"TEXTS.DAT", texts}});
    if (!archive)
        return std::nullopt;
    orvanta::ArchiveSet archives;
    archives.openSlot(0, std::make_unique<std::istringstream>(*archive), archive->size(), "lang.dat");
    orvanta::EntryStream stream(archives);
    orvanta::TextTable table;
    table.LoadTexts(stream);
    return table;
}
