#pragma once

#include <QCoreApplication>
#include <QStringList>

namespace orvanta {

// kvtool texts SUBCOMMAND: the game's text files.
class TextsCommands {
    // Its help in the system's language: one context for all of kvtool's help.
    Q_DECLARE_TR_FUNCTIONS(orvanta::KvTool)

public:
    static int run(const QStringList &args);

private:
    static int build(const QStringList &args);
};

} // namespace orvanta
