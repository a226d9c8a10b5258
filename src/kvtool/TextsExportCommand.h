#pragma once

#include <QCoreApplication>
#include <QStringList>

namespace orvanta {

// kvtool texts export: the kit's texts as a CSV or PO file for the
// translators' own tools.
class TextsExportCommand {
    // Its help in the system's language: one context for all of kvtool's help.
    Q_DECLARE_TR_FUNCTIONS(orvanta::KvTool)

public:
    static int run(const QStringList &args);
};

} // namespace orvanta
