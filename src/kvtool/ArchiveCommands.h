#pragma once

#include <QStringList>

namespace orvanta {

// kvtool list, extract and pack: language archives on their own.
class ArchiveCommands {
public:
    static int list(const QStringList &args);
    static int extract(const QStringList &args);
    static int pack(const QStringList &args);
};

} // namespace orvanta
