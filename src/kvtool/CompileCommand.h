#pragma once

#include <QStringList>

namespace orvanta {

// kvtool compile: what opening the kit in a folder, choosing a font and
// pictures and pressing the save button does, from the command line.
class CompileCommand {
public:
    static int run(const QStringList &args);
};

} // namespace orvanta
