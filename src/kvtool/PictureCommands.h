#pragma once

#include <QStringList>

namespace orvanta {

// kvtool picture SUBCOMMAND: the nine standard pictures and the check of a
// redrawn one, exactly as the Pictures page does them.
class PictureCommands {
public:
    static int run(const QStringList &args);

private:
    static int original(const QStringList &args);
    static int check(const QStringList &args);
};

} // namespace orvanta
