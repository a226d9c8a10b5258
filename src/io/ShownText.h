#pragma once

#include <QString>

namespace orvanta {

// Text taken from a file as a message echoes it (a row name, a settings
// key): at most Limit characters, the rest counted, so that a hostile file
// (a name of 16 million digits) cannot fill a terminal or a message box.
class ShownText {
public:
    static constexpr qsizetype Limit = 40;

    // `text` itself, or its first Limit characters followed by
    // "... (N more characters)".
    static QString capped(const QString &text);
};

} // namespace orvanta
