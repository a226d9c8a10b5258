#pragma once

#include "CommonOptions.h"

#include <QStringList>

namespace orvanta {

// kvtool texts import: a CSV, PO or XLIFF file from the translators' own
// tools applied to the kit's texts, saved as the save button saves; and
// kvtool texts migrate: the translations of an older kit folder carried
// over to this kit's texts, saved the same way.
class TextsImportCommand {
public:
    static int run(const QStringList &args);
    static int migrate(const QStringList &args);

private:
    // Adds the options both commands share (font, code page, the save's) to
    // `parser`, parses `args` (two positional arguments) and opens the kit
    // for a save; 0, or the exit code of a wrong use or a refusal.
    static int openToSave(QCommandLineParser &parser, const QStringList &args, const QCommandLineOption &codePage,
                          const CommonOptions::SaveOptions &saving, CommonOptions::KitFolder &folder);

    // Reports `import` under `what` on standard error, then applies and
    // saves it unless something was refused (and not `skipRefused`) or
    // nothing changes; returns the exit code.
    static int finish(CommonOptions::KitFolder &folder, const QString &what, const OpenKit::Import &import,
                      bool skipRefused, const QCommandLineParser &parser, const CommonOptions::SaveOptions &saving);
};

} // namespace orvanta
