#include "TextsCommands.h"

#include "CommonOptions.h"
#include "TextsCheckCommand.h"
#include "TextsExportCommand.h"
#include "TextsImportCommand.h"
#include "TextsMigrateCommand.h"
#include "TextsSuggestCommand.h"
#include "TextsWidthsCommand.h"
#include "ToolOutput.h"
#include "exchange/TextFormat.h"
#include "io/FileReader.h"
#include "texts/CodePage.h"
#include "texts/TextFile.h"

#include <QCommandLineParser>

namespace orvanta {

namespace {

// %1 the formats' names, %2 their suffixes.
const char *const Usage = QT_TRANSLATE_NOOP(
    "orvanta::KvTool",
    "Usage: kvtool texts build SOURCE.txt OUT.dat [--codepage NUMBER]\n"
    "       kvtool texts export KITDIR [--format %1] [-o FILE]\n"
    "                          [--language LL] [--codepage NUMBER]\n"
    "       kvtool texts import KITDIR FILE [--codepage NUMBER] [--skip-refused]\n"
    "       kvtool texts migrate KITDIR OLDKIT [--codepage NUMBER]\n"
    "       kvtool texts check KITDIR [--codepage NUMBER]\n"
    "       kvtool texts widths KITDIR [--codepage NUMBER] [--font F --size N ...]\n"
    "       kvtool texts suggest KITDIR ROW [--memory FILE_OR_KIT]... [--codepage NUMBER]\n\n"
    "  build    makes a text file (200-byte records) from a UTF-8 text file,\n"
    "           one text per line\n"
    "  export   writes the kit's texts as CSV, PO, a PO template, XLIFF or\n"
    "           XLIFF for OmegaT (each target its source), or their\n"
    "           translations as TMX, loaded from KITDIR exactly as the kit\n"
    "           loads them at start-up\n"
    "  import   applies a %2 file to the kit's\n"
    "           texts and saves a new lang.dat as the save button does\n"
    "  migrate  carries the translations of an older kit folder over to the\n"
    "           kit's texts (moved and reworded ones too) and saves as import\n"
    "  check    checks every translation as the Texts page does, one line\n"
    "           per finding\n"
    "  widths   writes how wide the game draws each text as CSV\n"
    "           (row,source_px,translation_px)\n"
    "  suggest  prints the translations of identical and similar originals for\n"
    "           a row, from the kit's other rows and translation memories");

} // namespace

int TextsCommands::run(const QStringList &args)
{
    const QString sub = args.value(1);
    const QStringList rest = CommonOptions::subcommandArgs(args);
    if (sub == QLatin1String("build"))
        return build(rest);
    if (sub == QLatin1String("export"))
        return TextsExportCommand::run(rest);
    if (sub == QLatin1String("import"))
        return TextsImportCommand::run(rest);
    if (sub == QLatin1String("migrate"))
        return TextsMigrateCommand::run(rest);
    if (sub == QLatin1String("check"))
        return TextsCheckCommand::run(rest);
    if (sub == QLatin1String("suggest"))
        return TextsSuggestCommand::run(rest);
    if (sub == QLatin1String("widths"))
        return TextsWidthsCommand::run(rest);
    ToolOutput::print(tr(Usage).arg(
        TextFormat::names().join(QLatin1Char('|')),
        TextFormat::listed(TextFormat::allSuffixes(TextFormat::Use::Texts, TextFormat::Order::Alphabetical),
                           QStringLiteral("."))));
    return sub == QLatin1String("--help") ? 0 : ToolOutput::Misused;
}

int TextsCommands::build(const QStringList &args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(tr(
        "Makes a text file of the game (record size 200, then one 200-byte record per text) from a UTF-8 "
        "text file with one text per line. Spaces are kept as they stand; a text that the code page cannot "
        "hold, or one longer than 200 bytes, is an error."));
    parser.addPositionalArgument(QStringLiteral("source"), tr("UTF-8 text, one text per line."));
    parser.addPositionalArgument(QStringLiteral("out"), tr("The text file to write."));
    const QCommandLineOption codePage = CommonOptions::codePage(QStringLiteral("1252"));
    parser.addOption(codePage);
    if (!CommonOptions::parse(parser, args, 2))
        return ToolOutput::Misused;
    const int number = CommonOptions::chosenCodePage(parser, codePage);
    if (!number)
        return ToolOutput::Failed;
    const CodePage page(number);

    const QString sourcePath = parser.positionalArguments().at(0);
    const auto source = FileReader::read(sourcePath, FileReader::ExchangeCap);
    if (!source)
        return ToolOutput::fail(source.error());
    QStringList lines = QString::fromUtf8(*source).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();

    QList<QByteArray> texts;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        qsizetype bad = 0;
        const auto bytes = page.encode(line, &bad);
        if (!bytes)
            return ToolOutput::fail(FormatError::inRow(sourcePath.toStdString(), i + 1,
                QStringLiteral("'%1' has no byte in code page %2").arg(line.at(bad)).arg(number).toStdString()));
        if (bytes->size() > TextFile::RecordSize)
            return ToolOutput::fail(FormatError::inRow(sourcePath.toStdString(), i + 1,
                QStringLiteral("the text is longer than %1 bytes").arg(TextFile::RecordSize).toStdString()));
        texts.append(*bytes);
    }
    return ToolOutput::saveFile(parser.positionalArguments().at(1), TextFile::write(texts)) ? 0 : ToolOutput::Failed;
}

} // namespace orvanta
