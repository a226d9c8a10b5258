#include "CommonOptions.h"

#include "ToolOutput.h"
#include "font/FontChoice.h"
#include "packaging/KitLoader.h"
#include "packaging/KitSettings.h"
#include "texts/CodePage.h"

#include <QDir>

namespace orvanta {

QCommandLineOption CommonOptions::codePage(const QString &fallback)
{
    return QCommandLineOption(QStringLiteral("codepage"),
                              QStringLiteral("Windows code page of the texts (default %1).").arg(fallback),
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
                              QStringLiteral("Windows code page of the texts (default: the kit's own, as the window "
                                             "last used it, else %1).")
                                  .arg(CodePage::localeDefault()),
                              QStringLiteral("number"));
}

namespace {

// What was wrong in the kit's remembered settings, said on standard error:
// a damaged settings file never stops a command.
void warnAbout(const KitSettings &settings)
{
    for (const QString &warning : settings.warnings())
        ToolOutput::warn(warning);
}

} // namespace

int CommonOptions::chosenKitCodePage(const QCommandLineParser &parser, const QCommandLineOption &option,
                                     const QString &kitDir)
{
    if (parser.isSet(option))
        return chosenCodePage(parser, option);
    const KitSettings settings(kitDir);
    const int number = settings.codePage().value_or(CodePage::localeDefault());
    warnAbout(settings);
    return number;
}

int CommonOptions::openKit(const QCommandLineParser &parser, const QCommandLineOption &codePage, const Font *font,
                           Kit &kit)
{
    kit.dir = parser.positionalArguments().at(0);
    if (font) {
        int exitCode = 0;
        const auto glyphFont = font->readForKit(parser, exitCode, kit.dir);
        if (!glyphFont)
            return exitCode;
        kit.glyphFont = *glyphFont;
    }
    kit.codePage = chosenKitCodePage(parser, codePage, kit.dir);
    if (!kit.codePage)
        return ToolOutput::Failed;
    if (!QDir(kit.dir).exists())
        return ToolOutput::fail(kit.dir + QStringLiteral(": no such folder"));
    const auto problems = KitLoader::load(QDir(kit.dir).absolutePath(), kit.texts, kit.pictures);
    if (!problems.empty())
        return ToolOutput::fail(problems.front());
    return 0;
}

QCommandLineOption CommonOptions::allowFewerTexts()
{
    return QCommandLineOption(QStringLiteral("allow-fewer-texts"),
                              QStringLiteral("Save even when lang.dat holds more text records than the kit has "
                                             "source texts; the others are lost."));
}

int CommonOptions::openKitWithGlyphs(const QStringList &args, const QString &description, Kit &kit,
                                     std::optional<Glyphs> &glyphs)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(description);
    parser.addPositionalArgument(QStringLiteral("kitdir"), QStringLiteral("The kit folder."));
    const Font fontOptions{QString(), QString()};
    fontOptions.addTo(parser);
    const QCommandLineOption codePage = kitCodePage();
    parser.addOption(codePage);
    if (!ToolOutput::parse(parser, args, 1))
        return ToolOutput::Misused;
    if (const int failed = openKit(parser, codePage, &fontOptions, kit))
        return failed;

    GlyphCache cache;
    const auto standard = cache.standard();
    const auto saved = cache.glyphs(kit.glyphFont, kit.codePage);
    for (const auto *captured : {&standard, &saved}) {
        if (!*captured)
            return ToolOutput::fail(captured->error());
    }
    glyphs = Glyphs{*standard, *saved};
    return 0;
}

int CommonOptions::saveKit(const QString &kitDir, const KitSave::Work &kitWork, bool allowFewerTexts)
{
    const QString directory = QDir(kitDir).absolutePath() + QLatin1Char('/');
    // Captured once for the check and the save; a font that cannot be
    // captured is left to the check, which says why.
    KitSave::Work work = kitWork;
    if (const auto glyphs = GlyphCache().glyphs(work.glyphFont, work.codePage.number()))
        work.glyphs = *glyphs;
    const auto check = KitSave::check(directory, work);
    if (!check)
        return ToolOutput::fail(check.error());
    if (check->fewerTexts() && !allowFewerTexts)
        return ToolOutput::fail(KitSave::fewerTextsText(check->textsNow, check->textsWritten)
                                + QStringLiteral(" Give --allow-fewer-texts to save anyway."));
    if (check->glyphsReplaced)
        ToolOutput::warn(KitSave::glyphsReplacedText(*check));
    KitSave::Options options;
    options.allowFewerTexts = allowFewerTexts;
    const auto saved = KitSave::save(directory, work, options);
    if (!saved)
        return ToolOutput::fail(saved.error());
    ToolOutput::print(KitSave::SuccessText);
    return 0;
}

CommonOptions::Font::Font(const QString &defaultFamily, const QString &defaultSize)
    : family(QStringLiteral("font"), QStringLiteral("Font family, e.g. Arial."), QStringLiteral("family"), defaultFamily)
    , size(QStringLiteral("size"), QStringLiteral("Size in points (whole number)."), QStringLiteral("points"),
           defaultSize)
    , bold(QStringLiteral("bold"), QStringLiteral("Bold."))
    , italic(QStringLiteral("italic"), QStringLiteral("Italic."))
    , underline(QStringLiteral("underline"), QStringLiteral("Underlined."))
    , strikeout(QStringLiteral("strikeout"), QStringLiteral("Struck out."))
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

std::optional<QFont> CommonOptions::Font::readForKit(const QCommandLineParser &parser, int &exitCode,
                                                     const QString &kitDir) const
{
    const KitSettings settings(kitDir);
    QFont font = settings.glyphFont().value_or(FontChoice::defaultFont());
    warnAbout(settings);
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
