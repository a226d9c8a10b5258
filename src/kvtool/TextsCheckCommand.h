#pragma once

#include <QCoreApplication>
#include <QStringList>

namespace orvanta {

// kvtool texts check: the translation checks of the Texts page over a kit's
// texts, one line per finding; the exit code is 0 only when there is none.
class TextsCheckCommand {
    // Its help in the system's language: one context for all of kvtool's help.
    Q_DECLARE_TR_FUNCTIONS(orvanta::KvTool)

public:
    static int run(const QStringList &args);
};

} // namespace orvanta
