#include "TextsImportCommand.h"

#include "ToolOutput.h"
#include "exchange/TextExchange.h"
#include "kit/KitMigration.h"
#include "texts/CodePage.h"

#include <QCommandLineParser>

namespace orvanta {

int TextsImportCommand::run(const QStringList &args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Applies a CSV, PO or XLIFF file (as texts export writes them, edited in a spreadsheet, a translation "
        "editor or a CAT tool) to the texts of the kit in KITDIR and saves a new KITDIR/lang.dat as the save "
        "button does, with the font and code page the kit remembers (a PO's X-Orvanta-Codepage header, or "
        "an XLIFF's orvanta:codepage, when --codepage is not given). An entry counts for the row it names "
        "when it carries that row's source text, else for the one row where its source stands now; entries "
        "marked for review (fuzzy) are imported and marked needs review; changed sources, empty "
        "translations, obsolete entries and unknown rows are skipped. A translation the code page cannot "
        "hold, or one longer than 200 bytes, is refused: then nothing is written, unless --skip-refused. "
        "The report goes to standard error. Refuses while the kit is open in a window, unless --while-open; "
        "reads the kit under its save lock, so a save that ends meanwhile is built on, not lost."));
    parser.addPositionalArgument(QStringLiteral("kitdir"), QStringLiteral("The kit folder."));
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A .csv, .po, .pot, .xlf or .xliff file."));
    const QCommandLineOption skipRefused(QStringLiteral("skip-refused"),
                                         QStringLiteral("Import the other translations when some are refused."));
    parser.addOption(skipRefused);
    const QCommandLineOption codePage = CommonOptions::kitCodePage();
    const CommonOptions::SaveOptions saving;
    CommonOptions::KitFolder folder;
    if (const int failed = openToSave(parser, args, codePage, saving, folder))
        return failed;
    const QString path = parser.positionalArguments().at(1);
    const auto file = TextExchange::read(path);
    if (!file)
        return ToolOutput::fail(file.error());
    if (!parser.isSet(codePage) && file->codePage && file->codePage != folder.kit.codePage().number()) {
        if (!CodePage::supported().contains(file->codePage))
            return ToolOutput::fail(QStringLiteral("%1: its header names code page %2, which the kit does not offer; "
                                                   "give --codepage")
                                        .arg(path)
                                        .arg(file->codePage));
        ToolOutput::warn(QStringLiteral("%1: read in code page %2, as its header says").arg(path).arg(file->codePage));
        folder.kit.setCodePage(file->codePage);
    }
    return finish(folder, path, folder.kit.importEntries(file->entries), parser.isSet(skipRefused), parser, saving);
}

int TextsImportCommand::migrate(const QStringList &args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Carries the translations of OLDKIT, a kit folder of an older game version (its kvmain.dat and "
        "lang.dat), over to the kit in KITDIR and saves a new KITDIR/lang.dat as texts import does. Each old "
        "translation goes to every row whose source text is the same, wherever it moved; a source that "
        "changed a little (at least 80% alike) gets the old translation marked needs review; a row "
        "translated in KITDIR already is never overwritten. The report (carried, carried for review, new "
        "rows, translations of sources that are gone, rows left as they were) goes to standard error. Refuses "
        "while the kit is open in a window, unless --while-open."));
    parser.addPositionalArgument(QStringLiteral("kitdir"), QStringLiteral("The kit folder."));
    parser.addPositionalArgument(QStringLiteral("oldkit"), QStringLiteral("The older kit folder."));
    const QCommandLineOption codePage = CommonOptions::kitCodePage();
    const CommonOptions::SaveOptions saving;
    CommonOptions::KitFolder folder;
    if (const int failed = openToSave(parser, args, codePage, saving, folder))
        return failed;
    const QString oldKit = parser.positionalArguments().at(1);
    auto outcome = KitMigration::fromOlderKit(oldKit, folder.kit.texts());
    if (!outcome)
        return ToolOutput::fail(outcome.error());
    return finish(folder, oldKit, folder.kit.imported(std::move(*outcome)), false, parser, saving);
}

int TextsImportCommand::openToSave(QCommandLineParser &parser, const QStringList &args,
                                   const QCommandLineOption &codePage, const CommonOptions::SaveOptions &saving,
                                   CommonOptions::KitFolder &folder)
{
    const CommonOptions::Font fontOptions{QString(), QString()};
    fontOptions.addTo(parser);
    parser.addOption(codePage);
    saving.addTo(parser);
    if (!ToolOutput::parse(parser, args, 2))
        return ToolOutput::Misused;
    return CommonOptions::openKit(parser, codePage, &fontOptions, folder, &saving);
}

int TextsImportCommand::finish(CommonOptions::KitFolder &folder, const QString &what, const OpenKit::Import &import,
                               bool skipRefused, const QCommandLineParser &parser,
                               const CommonOptions::SaveOptions &saving)
{
    ToolOutput::report(what + QStringLiteral(": ") + import.report.first());
    for (qsizetype i = 1; i < import.report.size(); ++i)
        ToolOutput::report(QStringLiteral("  ") + import.report[i]);
    if (import.outcome.report.anyRefused() && !skipRefused)
        return ToolOutput::fail(QStringLiteral("nothing written: mend the refused translations, or import the "
                                               "rest with --skip-refused"));
    if (import.outcome.changes.isEmpty() && import.outcome.marks.isEmpty()) {
        ToolOutput::print(QStringLiteral("No translation changed; lang.dat is left as it was."));
        return folder.finish(0);
    }
    folder.kit.apply(import);
    return CommonOptions::saveKit(folder, parser, saving);
}

} // namespace orvanta
