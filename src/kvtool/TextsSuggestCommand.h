#pragma once

#include <QCoreApplication>
#include <QStringList>

namespace orvanta {

// kvtool texts suggest: the Texts page's suggestions for one row of a kit,
// from its other rows and from translation memories, one line each.
class TextsSuggestCommand {
    // Its help in the system's language: one context for all of kvtool's help.
    Q_DECLARE_TR_FUNCTIONS(orvanta::KvTool)

public:
    static int run(const QStringList &args);
};

} // namespace orvanta
