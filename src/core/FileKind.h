#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace orvanta {

// What stands at a path when it is not a regular file the kit can read, in
// words for a message after the path: "no such file", "is a folder, not a
// file", "is a named pipe (FIFO), not a file"... A reader asks this before
// it opens a path, so it never blocks on a pipe or a device.
struct FileKind {
    // Nothing for a regular file (or a link to one).
    static std::optional<std::string> notAFile(const std::filesystem::path &path);
};

} // namespace orvanta
