#pragma once

#include <QCoreApplication>
#include <QStringList>

namespace orvanta {

// kvtool list, extract and pack: language archives on their own.
class ArchiveCommands {
    // Its help in the system's language: one context for all of kvtool's help.
    Q_DECLARE_TR_FUNCTIONS(orvanta::KvTool)

public:
    static int list(const QStringList &args);
    static int extract(const QStringList &args);
    static int pack(const QStringList &args);
};

} // namespace orvanta
