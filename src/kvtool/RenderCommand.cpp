#include "RenderCommand.h"

#include "CommonOptions.h"
#include "ToolOutput.h"
#include "font/GameTextRenderer.h"
#include "font/GlyphFileWriter.h"
#include "texts/CodePage.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>

#include <optional>

namespace orvanta {

namespace {

// How far --scale may enlarge: beyond it a 200-byte text makes pictures of
// hundreds of megabytes.
constexpr int MaxScale = 16;

std::optional<QByteArray> readGlyphFile(const QString &dir, const QString &name)
{
    const QString path = QDir(dir).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ToolOutput::fail(path + QStringLiteral(": cannot be opened: ") + file.errorString());
        return std::nullopt;
    }
    return file.readAll();
}

} // namespace

int RenderCommand::run(const QStringList &args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(tr(
        "Draws TEXT as the game draws it from the glyph files font.spr and fontsize.dat in a folder (as "
        "'kvtool glyphs' writes them) and saves it as an RGBA PNG: transparent where the game draws nothing, "
        "black for the outline, white for the body. Prints the text's width in the game's pixels."));
    parser.addPositionalArgument(QStringLiteral("text"), tr("The text, written in the code page."));
    const QCommandLineOption glyphs(QStringLiteral("glyphs"),
                                    tr("The folder holding font.spr and fontsize.dat."),
                                    QStringLiteral("dir"));
    const QCommandLineOption output(QStringLiteral("o"), tr("Write the picture to <png>."),
                                    QStringLiteral("png"));
    const QCommandLineOption codePage = CommonOptions::codePage(QStringLiteral("1252"));
    const QCommandLineOption scale(QStringLiteral("scale"),
                                   tr("Repeat each pixel K x K times (1 to %1, default 1).").arg(MaxScale),
                                   QStringLiteral("k"), QStringLiteral("1"));
    parser.addOptions({glyphs, output, codePage, scale});
    if (!CommonOptions::parse(parser, args, 1))
        return ToolOutput::Misused;
    for (const QCommandLineOption &required : {glyphs, output}) {
        if (!parser.isSet(required)) {
            const QString name = required.names().first();
            ToolOutput::fail(QStringLiteral("%1%2 is missing; see '%3 --help'")
                                 .arg(name.size() > 1 ? QStringLiteral("--") : QStringLiteral("-"), name, args.value(0)));
            return ToolOutput::Misused;
        }
    }
    bool scaleOk = false;
    const int factor = parser.value(scale).toInt(&scaleOk);
    if (!scaleOk || factor < 1 || factor > MaxScale) {
        ToolOutput::fail(QStringLiteral("--scale must be a whole number from 1 to %1, not \"%2\"")
                             .arg(MaxScale).arg(parser.value(scale)));
        return ToolOutput::Misused;
    }
    const int number = CommonOptions::chosenCodePage(parser, codePage);
    if (!number)
        return ToolOutput::Failed;
    const QString text = parser.positionalArguments().at(0);
    qsizetype bad = 0;
    const auto bytes = CodePage(number).encode(text, &bad);
    if (!bytes)
        return ToolOutput::fail(QStringLiteral("'%1' (U+%2) has no byte in code page %3")
                                    .arg(text.at(bad))
                                    .arg(text.at(bad).unicode(), 4, 16, QLatin1Char('0'))
                                    .arg(number));

    const auto fontSpr = readGlyphFile(parser.value(glyphs), GlyphFileWriter::FontFileName);
    const auto fontSizeDat = fontSpr ? readGlyphFile(parser.value(glyphs), GlyphFileWriter::SizeFileName) : std::nullopt;
    if (!fontSizeDat)
        return ToolOutput::Failed;
    const auto renderer = GameTextRenderer::fromFiles(*fontSpr, *fontSizeDat);
    if (!renderer) {
        FormatError error = renderer.error();
        error.file = QDir(parser.value(glyphs)).filePath(QString::fromStdString(error.file)).toStdString();
        return ToolOutput::fail(error);
    }
    const QImage picture = renderer->render(*bytes);
    if (picture.isNull())
        return ToolOutput::fail(QStringLiteral("the text draws nothing in these glyphs (%1 x %2 pixels)")
                                    .arg(renderer->width(*bytes))
                                    .arg(renderer->cellHeight()));
    if (!ToolOutput::savePng(parser.value(output), picture.scaled(picture.size() * factor)))
        return ToolOutput::Failed;
    ToolOutput::print(QString::number(picture.width()));
    return 0;
}

} // namespace orvanta
