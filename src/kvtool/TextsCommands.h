#pragma once

#include <QStringList>

namespace orvanta {

// kvtool texts SUBCOMMAND: the game's text files.
class TextsCommands {
public:
    static int run(const QStringList &args);

private:
    static int build(const QStringList &args);
};

} // namespace orvanta
