#include "ArchiveFile.h"

#include "ArchiveDirectoryCheck.h"
#include "FileKind.h"
#include "StreamRead.h"

namespace orvanta {

Result<std::shared_ptr<ArchiveFile>> ArchiveFile::open(const std::filesystem::path &path)
{
    auto file = std::make_shared<ArchiveFile>();
    file->m_fileName = path.string();
    if (const auto why = FileKind::notAFile(path))
        return FormatError::general(file->m_fileName, *why);
    std::error_code ec;
    file->m_length = std::filesystem::file_size(path, ec);
    file->m_in.open(path, std::ios::binary);
    if (ec || !file->m_in)
        return FormatError::general(file->m_fileName, "cannot be opened for reading");
    file->m_directory = ArchiveDirectory::read(file->m_in, file->m_length, file->m_fileName);
    return file;
}

Result<std::string> ArchiveFile::readEntry(const ArchiveEntry &entry)
{
    const std::string who = "entry \"" + ArchiveDirectoryCheck::printable(entry.name) + "\"";
    if (std::uint64_t(entry.offset) + entry.size > m_length)
        return FormatError::at(m_fileName, entry.offset, who + " lies past the end of the file");
    std::string bytes(entry.size, '\0');
    const std::size_t delivered = StreamRead::at(m_in, entry.offset, bytes.data(), bytes.size());
    if (delivered != bytes.size())
        return FormatError::at(m_fileName, entry.offset + delivered, who + " cannot be read");
    return bytes;
}

} // namespace orvanta
