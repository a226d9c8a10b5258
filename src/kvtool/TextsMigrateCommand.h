#pragma once

#include <QStringList>

namespace orvanta {

// kvtool texts migrate: the translations of an older kit folder carried
// over to this kit's texts (OpenKit::importOlderKit), saved as texts import
// saves.
class TextsMigrateCommand {
public:
    static int run(const QStringList &args);
};

} // namespace orvanta
