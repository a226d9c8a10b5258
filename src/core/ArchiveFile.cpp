#include "ArchiveFile.h"

#include "ArchiveDirectoryCheck.h"

#include <algorithm>
#include <sstream>
#include <vector>

namespace orvanta {

Result<std::shared_ptr<ArchiveFile>> ArchiveFile::open(const std::filesystem::path &path)
{
    auto file = std::make_shared<ArchiveFile>();
    file->m_fileName = path.string();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return FormatError::general(file->m_fileName, "no such file");
    file->m_length = std::filesystem::file_size(path, ec);
    file->m_in.open(path, std::ios::binary);
    if (ec || !file->m_in)
        return FormatError::general(file->m_fileName, "cannot be opened for reading");
    file->m_directory = ArchiveDirectory::read(file->m_in, file->m_length, file->m_fileName);
    return file;
}

Status ArchiveFile::copyEntry(const ArchiveEntry &entry, std::ostream &out)
{
    const std::string who = "entry \"" + ArchiveDirectoryCheck::printable(entry.name) + "\"";
    if (std::uint64_t(entry.offset) + entry.size > m_length)
        return FormatError::at(m_fileName, entry.offset, who + " lies past the end of the file");
    std::vector<char> buffer(std::size_t(1) << 20);
    m_in.clear();
    m_in.seekg(static_cast<std::streamoff>(entry.offset));
    std::uint64_t left = entry.size;
    while (left > 0) {
        const std::size_t chunk = static_cast<std::size_t>(std::min<std::uint64_t>(left, buffer.size()));
        if (!m_in.read(buffer.data(), static_cast<std::streamsize>(chunk)))
            return FormatError::at(m_fileName, entry.offset + (entry.size - left), who + " cannot be read");
        if (!out.write(buffer.data(), static_cast<std::streamsize>(chunk)))
            return FormatError::general(m_fileName, who + " cannot be written out");
        left -= chunk;
    }
    return Done{};
}

Result<std::string> ArchiveFile::readEntry(const ArchiveEntry &entry)
{
    std::ostringstream out;
    Status copied = copyEntry(entry, out);
    if (!copied)
        return copied.error();
    return out.str();
}

} // namespace orvanta
