#pragma once

#include <QStringList>

namespace orvanta {

// kvtool verify: checks a language archive and every entry the kit knows,
// one line per finding; the exit code is 0 only when there is none.
class VerifyCommand {
public:
    static int run(const QStringList &args);
};

} // namespace orvanta
