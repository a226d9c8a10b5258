#pragma once

#include "KitFolder.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

namespace orvanta {

// kvtool texts import: a CSV, PO or XLIFF file from the translators' own
// tools applied to the kit's texts, saved as the save button saves. The
// kit decides (OpenKit::importFile); the options answer its questions.
class TextsImportCommand {
public:
    static int run(const QStringList &args);

    // What texts import and texts migrate share. Adds their options (font,
    // code page, the save's) to `parser`, parses `args` (two positional
    // arguments) and opens the kit for a save; 0, or the exit code of a
    // wrong use or a refusal.
    static int openToSave(QCommandLineParser &parser, const QStringList &args, const QCommandLineOption &codePage,
                          const CommonOptions::SaveOptions &saving, KitFolder &folder);
    // Reports `import` under `what` on standard error, then applies and
    // saves it unless it was not taken or nothing changes; returns the
    // exit code.
    static int finish(KitFolder &folder, const QString &what, const OpenKit::Import &import,
                      const QCommandLineParser &parser, const CommonOptions::SaveOptions &saving);
};

} // namespace orvanta
