#pragma once

#include <QStringList>

namespace orvanta {

// kvtool texts check: the translation checks of the Texts page over a kit's
// texts, one line per finding; the exit code is 0 only when there is none.
class TextsCheckCommand {
public:
    static int run(const QStringList &args);
};

} // namespace orvanta
