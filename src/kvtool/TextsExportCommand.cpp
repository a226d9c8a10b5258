#include "TextsExportCommand.h"

#include "CommonOptions.h"
#include "ToolOutput.h"
#include "exchange/TextExchange.h"

#include <QCommandLineParser>

namespace orvanta {

int TextsExportCommand::run(const QStringList &args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Loads the texts of the kit in KITDIR exactly as the kit does at start-up (\"kvtexts.dat\" and "
        "\"texts.dat\", each from lang.dat first, then kvmain.dat) and writes them for the translators' own "
        "tools: as UTF-8 CSV with the header row,source,translation, or as a gettext PO file with one entry "
        "per row (msgctxt the row, msgid the source, msgstr the translation, empty while untranslated)."));
    parser.addPositionalArgument(QStringLiteral("kitdir"), QStringLiteral("The kit folder."));
    const QCommandLineOption format(QStringLiteral("format"),
                                    QStringLiteral("csv or po (default: po for an output file named .po or .pot, "
                                                   "else csv)."),
                                    QStringLiteral("csv|po"));
    const QCommandLineOption output(QStringLiteral("o"),
                                    QStringLiteral("Write to <file>, replaced only once complete (default: "
                                                   "standard output)."),
                                    QStringLiteral("file"));
    const QCommandLineOption codePage = CommonOptions::kitCodePage();
    parser.addOptions({format, output, codePage});
    if (!ToolOutput::parse(parser, args, 1))
        return ToolOutput::Misused;

    const QString outPath = parser.value(output);
    TextExchange::Format chosen = TextExchange::formatOf(outPath).value_or(TextExchange::Format::Csv);
    if (parser.isSet(format)) {
        const QString name = parser.value(format).toLower();
        if (name != QLatin1String("csv") && name != QLatin1String("po")) {
            ToolOutput::fail(QStringLiteral("--format must be csv or po, not \"%1\"").arg(parser.value(format)));
            return ToolOutput::Misused;
        }
        chosen = name == QLatin1String("po") ? TextExchange::Format::Po : TextExchange::Format::Csv;
    }
    CommonOptions::KitFolder folder;
    if (const int failed = CommonOptions::openKit(parser, codePage, nullptr, folder))
        return failed;

    const auto bytes = TextExchange::write(chosen, folder.kit.texts(), folder.kit.codePage(),
                                           outPath.isEmpty() ? QStringLiteral("standard output") : outPath);
    if (!bytes)
        return ToolOutput::fail(bytes.error());
    if (outPath.isEmpty()) {
        ToolOutput::write(*bytes);
        return folder.finish(0);
    }
    return ToolOutput::saveFile(outPath, *bytes) ? folder.finish(0) : ToolOutput::Failed;
}

} // namespace orvanta
