#include "TextsCommands.h"

#include "CommonOptions.h"
#include "TextsCheckCommand.h"
#include "TextsWidthsCommand.h"
#include "ToolOutput.h"
#include "pictures/PictureSlots.h"
#include "texts/CodePage.h"
#include "texts/TextFile.h"
#include "texts/TextTable.h"

#include <QCommandLineParser>
#include <QFile>

namespace orvanta {

namespace {

const char *const Usage =
    "Usage: kvtool texts build SOURCE.txt OUT.dat [--codepage NUMBER]\n"
    "       kvtool texts export KITDIR [--codepage NUMBER]\n"
    "       kvtool texts check KITDIR [--codepage NUMBER]\n"
    "       kvtool texts widths KITDIR [--codepage NUMBER] [--font F --size N ...]\n\n"
    "  build    makes a text file (200-byte records) from a UTF-8 text file,\n"
    "           one text per line\n"
    "  export   writes the kit's texts as CSV (row,source,translation), loaded\n"
    "           from KITDIR exactly as the kit loads them at start-up\n"
    "  check    checks every translation as the Texts page does, one line\n"
    "           per finding\n"
    "  widths   writes how wide the game draws each text as CSV\n"
    "           (row,source_px,translation_px)";

// A CSV field, quoted when it holds a comma, a quote or a line break.
QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n'))
        && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

int TextsCommands::run(const QStringList &args)
{
    const QString sub = args.value(1);
    const QStringList rest = ToolOutput::subcommandArgs(args);
    if (sub == QLatin1String("build"))
        return build(rest);
    if (sub == QLatin1String("export"))
        return exportCsv(rest);
    if (sub == QLatin1String("check"))
        return TextsCheckCommand::run(rest);
    if (sub == QLatin1String("widths"))
        return TextsWidthsCommand::run(rest);
    ToolOutput::print(QString::fromLatin1(Usage));
    return sub == QLatin1String("--help") ? 0 : ToolOutput::Misused;
}

int TextsCommands::build(const QStringList &args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Makes a text file of the game (record size 200, then one 200-byte record per text) from a UTF-8 "
        "text file with one text per line. Spaces are kept as they stand; a text that the code page cannot "
        "hold, or one longer than 200 bytes, is an error."));
    parser.addPositionalArgument(QStringLiteral("source"), QStringLiteral("UTF-8 text, one text per line."));
    parser.addPositionalArgument(QStringLiteral("out"), QStringLiteral("The text file to write."));
    const QCommandLineOption codePage = CommonOptions::codePage(QStringLiteral("1252"));
    parser.addOption(codePage);
    if (!ToolOutput::parse(parser, args, 2))
        return ToolOutput::Misused;
    const int number = CommonOptions::chosenCodePage(parser, codePage);
    if (!number)
        return ToolOutput::Failed;
    const CodePage page(number);

    const QString sourcePath = parser.positionalArguments().at(0);
    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly))
        return ToolOutput::fail(sourcePath + QStringLiteral(": cannot be opened: ") + source.errorString());
    QStringList lines = QString::fromUtf8(source.readAll()).split(QLatin1Char('\n'));
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

namespace orvanta {

int TextsCommands::exportCsv(const QStringList &args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Loads the texts of the kit in KITDIR exactly as the kit does at start-up (\"kvtexts.dat\" and "
        "\"texts.dat\", each from lang.dat first, then kvmain.dat) and writes them to standard output as "
        "UTF-8 CSV with the header row,source,translation."));
    parser.addPositionalArgument(QStringLiteral("kitdir"), QStringLiteral("The kit folder."));
    const QCommandLineOption codePage = CommonOptions::kitCodePage();
    parser.addOption(codePage);
    if (!ToolOutput::parse(parser, args, 1))
        return ToolOutput::Misused;
    const int number = CommonOptions::chosenKitCodePage(parser, codePage, parser.positionalArguments().at(0));
    if (!number)
        return ToolOutput::Failed;
    const CodePage shownIn(number);
    TextTable texts;
    PictureSlots pictures;
    if (!CommonOptions::loadKit(parser.positionalArguments().at(0), texts, pictures))
        return ToolOutput::Failed;

    QString csv = QStringLiteral("row,source,translation\r\n");
    for (int i = 0; i < texts.rowCount(); ++i) {
        csv += QString::number(i + 1) + QLatin1Char(',') + csvField(shownIn.decode(texts.row(i).source))
            + QLatin1Char(',') + csvField(shownIn.decode(texts.row(i).translation)) + QStringLiteral("\r\n");
    }
    ToolOutput::write(csv.toUtf8());
    return 0;
}

} // namespace orvanta
