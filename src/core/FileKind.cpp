#include "FileKind.h"

namespace orvanta {

std::optional<std::string> FileKind::notAFile(const std::filesystem::path &path)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec && status.type() != fs::file_type::not_found)
        return "cannot be examined: " + ec.message();
    switch (status.type()) {
    case fs::file_type::regular: return std::nullopt;
    case fs::file_type::not_found:
        return fs::is_symlink(fs::symlink_status(path, ec)) ? "is a symbolic link to nothing" : "no such file";
    case fs::file_type::directory: return "is a folder, not a file";
    case fs::file_type::fifo: return "is a named pipe (FIFO), not a file";
    case fs::file_type::socket: return "is a socket, not a file";
    case fs::file_type::character: return "is a character device, not a file";
    case fs::file_type::block: return "is a block device, not a file";
    default: return "is not a regular file";
    }
}

} // namespace orvanta
