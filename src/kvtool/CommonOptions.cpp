#include "CommonOptions.h"

#include "ToolOutput.h"
#include "font/FontChoice.h"
#include "texts/CodePage.h"

#include <QCoreApplication>

#include <cstdlib>

namespace orvanta {

bool CommonOptions::parse(QCommandLineParser &parser, const QStringList &args, int minPositional)
{
    parser.addHelpOption();
    if (!parser.parse(args)) {
        ToolOutput::fail(parser.errorText());
        return false;
    }
    // Through ToolOutput, not QCommandLineParser::showHelp: a Windows console
    // shows its letters only when written as text (the help may be Russian).
    // The usage line names the command ("kvtool texts export"), not the
    // program's path.
    if (parser.isSet(QStringLiteral("help"))) {
        QString help = parser.helpText().chopped(1);
        const QString program = QCoreApplication::arguments().constFirst();
        if (help.indexOf(program) >= 0)
            help.replace(help.indexOf(program), program.size(), args.value(0));
        ToolOutput::print(help);
        std::exit(0);
    }
    if (parser.positionalArguments().size() < minPositional) {
        ToolOutput::fail(QStringLiteral("missing arguments; see '%1 --help'").arg(args.value(0)));
        return false;
    }
    return true;
}

QStringList CommonOptions::subcommandArgs(const QStringList &args)
{
    return QStringList{args.value(0) + QLatin1Char(' ') + args.value(1)} + args.mid(2);
}

QCommandLineOption CommonOptions::codePage(const QString &fallback)
{
    return QCommandLineOption(QStringLiteral("codepage"),
                              tr("Windows code page of the texts (default %1).").arg(fallback),
                              QStringLiteral("number"), fallback);
}

int CommonOptions::chosenCodePage(const QCommandLineParser &parser, const QCommandLineOption &option)
{
    const int number = parser.value(option).toInt();
    if (CodePage::isSupported(number))
        return number;
    ToolOutput::fail(QStringLiteral("code page %1 is not supported; use one of 874, 1250-1258")
                         .arg(parser.value(option)));
    return 0;
}

QCommandLineOption CommonOptions::kitCodePage()
{
    return QCommandLineOption(QStringLiteral("codepage"),
                              tr("Windows code page of the translations (default: the kit's own, as the "
                                 "window last used it, else %1); the sources are read in the game's.")
                                  .arg(CodePage::localeDefault()),
                              QStringLiteral("number"));
}

CommonOptions::SaveOptions::SaveOptions()
    : allowFewerTexts(QStringLiteral("allow-fewer-texts"),
                      CommonOptions::tr("Save even when lang.dat holds more text records than the kit has "
                                        "source texts; the others are lost."))
    , whileOpen(QStringLiteral("while-open"),
                CommonOptions::tr("Save even while the kit is open in a window."))
    , force(QStringLiteral("force"), CommonOptions::tr("Replace lang.dat even when it is read-only."))
    , asItIs(QStringLiteral("as-it-is"),
             CommonOptions::tr("Save even when kvmain.dat's source texts are not those lang.dat's "
                               "translations were saved against: each translation stays in its row."))
{
}

void CommonOptions::SaveOptions::addTo(QCommandLineParser &parser) const
{
    parser.addOptions({allowFewerTexts, whileOpen, force, asItIs});
}

CommonOptions::Font::Font(const QString &defaultFamily, const QString &defaultSize)
    : family(QStringLiteral("font"), CommonOptions::tr("Font family, e.g. Arial."), QStringLiteral("family"),
             defaultFamily)
    , size(QStringLiteral("size"), CommonOptions::tr("Size in points (whole number)."), QStringLiteral("points"),
           defaultSize)
    , bold(QStringLiteral("bold"), CommonOptions::tr("Bold."))
    , italic(QStringLiteral("italic"), CommonOptions::tr("Italic."))
    , underline(QStringLiteral("underline"), CommonOptions::tr("Underlined."))
    , strikeout(QStringLiteral("strikeout"), CommonOptions::tr("Struck out."))
{
}

void CommonOptions::Font::addTo(QCommandLineParser &parser) const
{
    parser.addOptions({family, size, bold, italic, underline, strikeout});
}

std::optional<QFont> CommonOptions::Font::read(const QCommandLineParser &parser, int &exitCode) const
{
    exitCode = ToolOutput::Misused;
    for (const QCommandLineOption &required : {family, size}) {
        if (parser.value(required).isEmpty()) {
            ToolOutput::fail(QStringLiteral("--%1 is missing").arg(required.names().first()));
            return std::nullopt;
        }
    }
    QFont font;
    font.setBold(parser.isSet(bold));
    font.setItalic(parser.isSet(italic));
    font.setUnderline(parser.isSet(underline));
    font.setStrikeOut(parser.isSet(strikeout));
    return withFamilyAndSize(parser, font, exitCode);
}

std::optional<QFont> CommonOptions::Font::readOver(const QCommandLineParser &parser, int &exitCode,
                                                   QFont font) const
{
    if (parser.isSet(bold) || parser.isSet(italic) || parser.isSet(underline) || parser.isSet(strikeout)) {
        font.setBold(parser.isSet(bold));
        font.setItalic(parser.isSet(italic));
        font.setUnderline(parser.isSet(underline));
        font.setStrikeOut(parser.isSet(strikeout));
    }
    return withFamilyAndSize(parser, font, exitCode);
}

std::optional<QFont> CommonOptions::Font::withFamilyAndSize(const QCommandLineParser &parser, QFont font,
                                                            int &exitCode) const
{
    exitCode = ToolOutput::Misused;
    if (parser.isSet(size) || !parser.value(size).isEmpty()) {
        bool sizeOk = false;
        const int points = parser.value(size).toInt(&sizeOk);
        if (!sizeOk || points <= 0) {
            ToolOutput::fail(QStringLiteral("--size must be a whole number of points above 0, not \"%1\"")
                                 .arg(parser.value(size)));
            return std::nullopt;
        }
        font.setPointSize(points);
    }
    if (!parser.value(family).isEmpty())
        font.setFamily(parser.value(family));
    if (!FontChoice::servingFamily(font)) {
        exitCode = ToolOutput::Failed;
        ToolOutput::fail(QStringLiteral("no font \"%1\" is installed").arg(font.family()));
        return std::nullopt;
    }
    return font;
}

} // namespace orvanta
