#pragma once

#include <QCoreApplication>
#include <QStringList>

namespace orvanta {

// kvtool compile: what opening the kit in a folder, choosing a font and
// pictures and pressing the save button does, from the command line.
class CompileCommand {
    // Its help in the system's language: one context for all of kvtool's help.
    Q_DECLARE_TR_FUNCTIONS(orvanta::KvTool)

public:
    static int run(const QStringList &args);
};

} // namespace orvanta
