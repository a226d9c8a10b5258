#pragma once

#include <QStringList>

namespace orvanta {

// kvtool texts suggest: the Texts page's suggestions for one row of a kit,
// from its other rows and from translation memories, one line each.
class TextsSuggestCommand {
public:
    static int run(const QStringList &args);
};

} // namespace orvanta
