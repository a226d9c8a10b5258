#include "TextsImportCommand.h"

#include "CommonOptions.h"
#include "ToolOutput.h"

#include <QCommandLineParser>

namespace orvanta {

int TextsImportCommand::run(const QStringList &args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Applies a CSV or PO file (as texts export writes them, edited in a spreadsheet or a translation "
        "editor) to the texts of the kit in KITDIR and saves a new KITDIR/lang.dat as the save button does, "
        "with the font and code page the kit remembers. An entry counts only for its row and only when it "
        "carries that row's source text; changed sources, fuzzy entries, empty translations and unknown rows "
        "are skipped. A translation the code page cannot hold, or one longer than 200 bytes, is refused: "
        "then nothing is written, unless --skip-refused. The report goes to standard error. Refuses while the "
        "kit is open in a window, unless --while-open; reads the kit under its save lock, so a save that ends "
        "meanwhile is built on, not lost."));
    parser.addPositionalArgument(QStringLiteral("kitdir"), QStringLiteral("The kit folder."));
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A .csv, .po or .pot file."));
    const CommonOptions::Font fontOptions{QString(), QString()};
    fontOptions.addTo(parser);
    const QCommandLineOption codePage = CommonOptions::kitCodePage();
    const QCommandLineOption skipRefused(QStringLiteral("skip-refused"),
                                         QStringLiteral("Import the other translations when some are refused."));
    const CommonOptions::SaveOptions saving;
    parser.addOptions({codePage, skipRefused});
    saving.addTo(parser);
    if (!ToolOutput::parse(parser, args, 2))
        return ToolOutput::Misused;
    CommonOptions::KitFolder folder;
    if (const int failed = CommonOptions::openKit(parser, codePage, &fontOptions, folder, &saving))
        return failed;
    const QString path = parser.positionalArguments().at(1);
    const auto import = folder.kit.readImport(path);
    if (!import)
        return ToolOutput::fail(import.error());

    ToolOutput::report(path + QStringLiteral(": ") + import->report.first());
    for (qsizetype i = 1; i < import->report.size(); ++i)
        ToolOutput::report(QStringLiteral("  ") + import->report[i]);
    if (import->outcome.report.anyRefused() && !parser.isSet(skipRefused))
        return ToolOutput::fail(QStringLiteral("nothing written: mend the refused translations, or import the "
                                               "rest with --skip-refused"));
    if (import->outcome.changes.isEmpty()) {
        ToolOutput::print(QStringLiteral("No translation changed; lang.dat is left as it was."));
        return folder.finish(0);
    }
    folder.kit.apply(*import);
    return CommonOptions::saveKit(folder, parser, saving);
}

} // namespace orvanta
