#include "GlyphsCommand.h"

#include "CommonOptions.h"
#include "ToolOutput.h"
#include "font/GlyphFileWriter.h"
#include "font/FontChoice.h"
#include "font/GlyphSheet.h"
#include "texts/CodePage.h"

#include <QCommandLineParser>
#include <QDir>

namespace orvanta {

int GlyphsCommand::run(const QStringList &args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(tr(
        "Captures the 256 codes of a font as the game's glyph files, exactly as the kit's save does, and "
        "writes font.spr and fontsize.dat into a folder. Code c draws the character that byte c stands for "
        "in the code page; code 0 draws nothing. Glyphs are drawn at 96 pixels per inch without smoothing."));
    const CommonOptions::Font fontOptions{QString(), QString()};
    const QCommandLineOption codePage = CommonOptions::codePage(QStringLiteral("1252"));
    const QCommandLineOption output(QStringLiteral("o"), tr("Write the glyph files into <dir>."),
                                    QStringLiteral("dir"));
    const QCommandLineOption preview(QStringLiteral("preview"),
                                     tr("Also draw the 256 glyph cells (16 x 16, enlarged) to <png>."),
                                     QStringLiteral("png"));
    fontOptions.addTo(parser);
    parser.addOptions({codePage, output, preview});
    if (!CommonOptions::parse(parser, args, 0))
        return ToolOutput::Misused;
    if (!parser.isSet(output)) {
        ToolOutput::fail(QStringLiteral("-o is missing; see '%1 --help'").arg(args.value(0)));
        return ToolOutput::Misused;
    }
    int exitCode = 0;
    const auto glyphFont = fontOptions.read(parser, exitCode);
    if (!glyphFont)
        return exitCode;
    const int number = CommonOptions::chosenCodePage(parser, codePage);
    if (!number)
        return ToolOutput::Failed;

    GlyphTable table;
    const auto files = GlyphFileWriter::captureGlyphFiles(*glyphFont, CodePage(number), &table);
    if (!files)
        return ToolOutput::fail(files.error());
    const QString dir = parser.value(output);
    if (!QDir().mkpath(dir))
        return ToolOutput::fail(dir + QStringLiteral(": the folder cannot be made"));
    if (!ToolOutput::saveFile(QDir(dir).filePath(GlyphFileWriter::SizeFileName), files->fontSizeDat)
        || !ToolOutput::saveFile(QDir(dir).filePath(GlyphFileWriter::FontFileName), files->fontSpr))
        return ToolOutput::Failed;
    if (parser.isSet(preview) && !ToolOutput::savePng(parser.value(preview), GlyphSheet::render(table)))
        return ToolOutput::Failed;
    ToolOutput::print(QStringLiteral("%1 drawn with %2: %3 %4 bytes, %5 %6 bytes, cells %7 pixels high")
                          .arg(FontChoice::DescribeGlyphFont(*glyphFont), *FontChoice::servingFamily(*glyphFont), GlyphFileWriter::FontFileName)
                          .arg(files->fontSpr.size())
                          .arg(GlyphFileWriter::SizeFileName)
                          .arg(files->fontSizeDat.size())
                          .arg(table.cellHeight));
    return 0;
}

} // namespace orvanta
