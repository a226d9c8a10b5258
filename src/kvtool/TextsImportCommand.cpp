#include "TextsImportCommand.h"

#include "CommonOptions.h"
#include "ToolOutput.h"
#include "exchange/TextExchange.h"
#include "exchange/TextImport.h"
#include "texts/CodePage.h"

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
        "then nothing is written, unless --skip-refused. The report goes to standard error."));
    parser.addPositionalArgument(QStringLiteral("kitdir"), QStringLiteral("The kit folder."));
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A .csv, .po or .pot file."));
    const CommonOptions::Font fontOptions{QString(), QString()};
    fontOptions.addTo(parser);
    const QCommandLineOption codePage = CommonOptions::kitCodePage();
    const QCommandLineOption skipRefused(QStringLiteral("skip-refused"),
                                         QStringLiteral("Import the other translations when some are refused."));
    parser.addOptions({codePage, skipRefused});
    if (!ToolOutput::parse(parser, args, 2))
        return ToolOutput::Misused;
    CommonOptions::Kit kit;
    if (const int failed = CommonOptions::openKit(parser, codePage, &fontOptions, kit))
        return failed;
    const QString path = parser.positionalArguments().at(1);
    const auto entries = TextExchange::read(path);
    if (!entries)
        return ToolOutput::fail(entries.error());

    const CodePage page(kit.codePage);
    const TextImport::Outcome outcome = TextImport::compute(*entries, kit.texts, page);
    const QStringList report = outcome.report.lines(kit.codePage);
    ToolOutput::report(path + QStringLiteral(": ") + report.first());
    for (qsizetype i = 1; i < report.size(); ++i)
        ToolOutput::report(QStringLiteral("  ") + report[i]);
    if (outcome.report.anyRefused() && !parser.isSet(skipRefused))
        return ToolOutput::fail(QStringLiteral("nothing written: mend the refused translations, or import the "
                                               "rest with --skip-refused"));
    if (outcome.changes.isEmpty()) {
        ToolOutput::print(QStringLiteral("No translation changed; lang.dat is left as it was."));
        return 0;
    }
    TextImport::apply(outcome.changes, kit.texts);
    return CommonOptions::saveKit(kit.dir, {kit.texts, kit.glyphFont, page, kit.pictures});
}

} // namespace orvanta
