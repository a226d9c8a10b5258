#pragma once

#include <QStringList>

namespace orvanta {

// kvtool texts import: a CSV or PO file from the translators' own tools
// applied to the kit's texts, saved as the save button saves.
class TextsImportCommand {
public:
    static int run(const QStringList &args);
};

} // namespace orvanta
