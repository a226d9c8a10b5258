#pragma once

#include <QCoreApplication>
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
    // Its help in the system's language: one context for all of kvtool's help.
    Q_DECLARE_TR_FUNCTIONS(orvanta::KvTool)

public:
    static int run(const QStringList &args);

    // What texts import and texts migrate share. Adds their options (font,
    // code page, the save's) to `parser`, parses `args` (two positional
    // arguments, KITDIR and what comes in, or at least `fewest`) and opens
    // the kit for a save; 0, or the exit code of a wrong use or a refusal.
    // With KITDIR alone the command carries the kit's own translations
    // over (KitFolder::open's carryOver).
    static int openToSave(QCommandLineParser &parser, const QStringList &args, const QCommandLineOption &codePage,
                          const CommonOptions::SaveOptions &saving, KitFolder &folder, int fewest = 2);
    // Reports `import` under `what` on standard error, then applies and
    // saves it unless it was not taken or nothing changes (unless
    // `saveAnyway`); returns the exit code.
    static int finish(KitFolder &folder, const QString &what, const OpenKit::Import &import,
                      const QCommandLineParser &parser, const CommonOptions::SaveOptions &saving,
                      bool saveAnyway = false);
};

} // namespace orvanta
