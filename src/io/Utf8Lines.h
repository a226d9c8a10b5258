#pragma once

#include <QByteArrayView>

#include <optional>

namespace orvanta {

// Where a text file the kit reads as UTF-8 is not: the line a message
// names when a reader meets bytes that are no UTF-8.
class Utf8Lines {
public:
    // The line, counted from 1, of the first bytes in `file` that are not
    // UTF-8; nothing when all of it is. A CR alone, an LF or a CR LF ends a
    // line.
    static std::optional<qsizetype> firstBadLine(QByteArrayView file);
};

} // namespace orvanta
