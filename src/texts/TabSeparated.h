#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace orvanta {

// A text as one field of a tab-separated line, as the review file and
// kvtool's listings write it: backslash, tab, line feed and carriage return
// as \\, \t, \n and \r, so that the field holds no separator or line end.
class TabSeparated {
public:
    static QString escaped(QStringView text);
    // The text of an escaped field; nothing at an unknown escape or a
    // backslash that ends the field.
    static std::optional<QString> unescaped(QStringView field);
};

} // namespace orvanta
