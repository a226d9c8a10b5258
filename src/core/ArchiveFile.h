#pragma once

#include "ArchiveDirectory.h"
#include "Result.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace orvanta {

// One archive file opened on its own (not as a slot of the ArchiveSet), for
// tools that list, extract or check archives.
class ArchiveFile {
public:
    // Fails when the file cannot be opened; a damaged directory is not a
    // failure here: see directory().problems().
    static Result<std::shared_ptr<ArchiveFile>> open(const std::filesystem::path &path);

    const std::string &fileName() const { return m_fileName; }
    std::uint64_t length() const { return m_length; }
    const ArchiveDirectory &directory() const { return m_directory; }

    // An entry's bytes, read with one seek and one read; an error names the
    // entry when its data lies past the end of the file or cannot be read.
    Result<std::string> readEntry(const ArchiveEntry &entry);

private:
    std::string m_fileName;
    std::uint64_t m_length = 0;
    std::ifstream m_in;
    ArchiveDirectory m_directory;
};

} // namespace orvanta
