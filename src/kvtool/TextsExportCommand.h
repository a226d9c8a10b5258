#pragma once

#include <QStringList>

namespace orvanta {

// kvtool texts export: the kit's texts as a CSV or PO file for the
// translators' own tools.
class TextsExportCommand {
public:
    static int run(const QStringList &args);
};

} // namespace orvanta
