#pragma once

#include <QtGlobal>

#include <optional>

class QIODevice;

namespace orvanta {

// Where a text file the kit reads as UTF-8 is not: the line a message
// names when a reader meets bytes that are no UTF-8.
class Utf8Lines {
public:
    // The line, counted from 1, of the first bytes from `file`'s position
    // on that are not UTF-8; nothing when all of it is. A CR alone, an LF
    // or a CR LF ends a line. Read a block at a time.
    static std::optional<qsizetype> firstBadLine(QIODevice &file);
};

} // namespace orvanta
