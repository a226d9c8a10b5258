#include "ArchiveFile.h"

#include "StreamRead.h"

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

Result<std::string> ArchiveFile::readEntry(const ArchiveEntry &entry)
{
    if (std::uint64_t(entry.offset) + entry.size > m_length)
        return FormatError::at(m_fileName, entry.offset, "entry \"" + entry.name + "\" lies past the end of the file");
    std::string bytes(entry.size, '\0');
    const std::size_t delivered = StreamRead::at(m_in, entry.offset, bytes.data(), bytes.size());
    if (delivered != bytes.size())
        return FormatError::at(m_fileName, entry.offset + delivered, "entry \"" + entry.name + "\" cannot be read");
    return bytes;
}

} // namespace orvanta
