#include "GlyphsCommand.h"

#include "ToolOutput.h"
#include "font/GlyphFileWriter.h"
#include "font/FontChoice.h"
#include "font/GlyphSheet.h"
#include "texts/CodePage.h"

#include <QCommandLineParser>
#include <QDir>
#include <QSaveFile>

namespace orvanta {

namespace {

bool savePreview(const QString &path, const QImage &sheet)
{
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || !sheet.save(&out, "PNG") || !out.commit()) {
        ToolOutput::fail(path + QStringLiteral(": cannot be written: ") + out.errorString());
        return false;
    }
    return true;
}

} // namespace

int GlyphsCommand::run(const QStringList &args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Captures the 256 codes of a font as the game's glyph files, exactly as the kit's save does, and "
        "writes font.spr and fontsize.dat into a folder. Code c draws the character that byte c stands for "
        "in the code page; code 0 draws nothing. Glyphs are drawn at 96 pixels per inch without smoothing."));
    const QCommandLineOption font(QStringLiteral("font"), QStringLiteral("Font family, e.g. Arial."),
                                  QStringLiteral("family"));
    const QCommandLineOption size(QStringLiteral("size"), QStringLiteral("Size in points (whole number)."),
                                  QStringLiteral("points"));
    const QCommandLineOption bold(QStringLiteral("bold"), QStringLiteral("Bold."));
    const QCommandLineOption italic(QStringLiteral("italic"), QStringLiteral("Italic."));
    const QCommandLineOption underline(QStringLiteral("underline"), QStringLiteral("Underlined."));
    const QCommandLineOption strikeout(QStringLiteral("strikeout"), QStringLiteral("Struck out."));
    const QCommandLineOption codePage(QStringLiteral("codepage"), QStringLiteral("Windows code page (default 1252)."),
                                      QStringLiteral("number"), QStringLiteral("1252"));
    const QCommandLineOption output(QStringLiteral("o"), QStringLiteral("Write the glyph files into <dir>."),
                                    QStringLiteral("dir"));
    const QCommandLineOption preview(QStringLiteral("preview"),
                                     QStringLiteral("Also draw the 256 glyph cells (16 x 16, enlarged) to <png>."),
                                     QStringLiteral("png"));
    parser.addOptions({font, size, bold, italic, underline, strikeout, codePage, output, preview});
    if (!ToolOutput::parse(parser, args, 0))
        return ToolOutput::Misused;
    for (const QCommandLineOption &required : {font, size, output}) {
        if (!parser.isSet(required)) {
            ToolOutput::fail(QStringLiteral("--%1 is missing; see '%2 --help'").arg(required.names().first(), args.value(0)));
            return ToolOutput::Misused;
        }
    }
    bool sizeOk = false;
    const int points = parser.value(size).toInt(&sizeOk);
    if (!sizeOk || points <= 0) {
        ToolOutput::fail(QStringLiteral("--size must be a whole number of points above 0, not \"%1\"").arg(parser.value(size)));
        return ToolOutput::Misused;
    }
    const int number = parser.value(codePage).toInt();
    if (!CodePage::isSupported(number))
        return ToolOutput::fail(QStringLiteral("code page %1 is not supported").arg(parser.value(codePage)));

    QFont glyphFont;
    glyphFont.setPointSize(points);
    glyphFont.setBold(parser.isSet(bold));
    glyphFont.setItalic(parser.isSet(italic));
    glyphFont.setUnderline(parser.isSet(underline));
    glyphFont.setStrikeOut(parser.isSet(strikeout));
    glyphFont.setFamily(parser.value(font));
    const auto served = FontChoice::servingFamily(glyphFont);
    if (!served)
        return ToolOutput::fail(QStringLiteral("no font \"%1\" is installed").arg(glyphFont.family()));

    GlyphTable table;
    const auto files = GlyphFileWriter::CaptureGlyphFiles(glyphFont, CodePage(number), &table);
    if (!files)
        return ToolOutput::fail(files.error());
    const QString dir = parser.value(output);
    if (!QDir().mkpath(dir))
        return ToolOutput::fail(dir + QStringLiteral(": the folder cannot be made"));
    if (!ToolOutput::saveFile(QDir(dir).filePath(GlyphFileWriter::SizeFileName), files->fontSizeDat)
        || !ToolOutput::saveFile(QDir(dir).filePath(GlyphFileWriter::FontFileName), files->fontSpr))
        return ToolOutput::Failed;
    if (parser.isSet(preview) && !savePreview(parser.value(preview), GlyphSheet::render(table)))
        return ToolOutput::Failed;
    ToolOutput::print(QStringLiteral("%1 drawn with %2: %3 %4 bytes, %5 %6 bytes, cells %7 pixels high")
                          .arg(FontChoice::DescribeGlyphFont(glyphFont), *served, GlyphFileWriter::FontFileName)
                          .arg(files->fontSpr.size())
                          .arg(GlyphFileWriter::SizeFileName)
                          .arg(files->fontSizeDat.size())
                          .arg(table.cellHeight));
    return 0;
}

} // namespace orvanta
