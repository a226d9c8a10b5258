#pragma once

#include <QCoreApplication>
#include <QStringList>

namespace orvanta {

// kvtool texts migrate: the translations of an older kit folder carried
// over to this kit's texts (OpenKit::importOlderKit), saved as texts import
// saves.
class TextsMigrateCommand {
    // Its help in the system's language: one context for all of kvtool's help.
    Q_DECLARE_TR_FUNCTIONS(orvanta::KvTool)

public:
    static int run(const QStringList &args);
};

} // namespace orvanta
