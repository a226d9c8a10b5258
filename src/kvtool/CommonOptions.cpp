#include "CommonOptions.h"

#include "ToolOutput.h"
#include "core/ArchiveDirectory.h"
#include "kit/KitOpenLock.h"
#include "font/FontChoice.h"
#include "kit/KitSettings.h"
#include "texts/CodePage.h"

#include <QDir>

#include <algorithm>

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
                           KitFolder &folder, const SaveOptions *saving)
{
    const QString dir = parser.positionalArguments().at(0);
    std::optional<QFont> glyphFont;
    if (font) {
        int exitCode = 0;
        glyphFont = font->readForKit(parser, exitCode, dir);
        if (!glyphFont)
            return exitCode;
    }
    const int number = chosenKitCodePage(parser, codePage, dir);
    if (!number)
        return ToolOutput::Failed;
    if (!QDir(dir).exists())
        return ToolOutput::fail(dir + QStringLiteral(": no such folder"));
    folder.kit = OpenKit(QDir(dir).absolutePath() + QLatin1Char('/'));
    folder.kit.setCodePage(number);
    if (glyphFont)
        folder.kit.setGlyphFont(*glyphFont);

    if (saving) {
        if (!parser.isSet(saving->whileOpen)) {
            if (const auto window = KitOpenLock::windowHolding(folder.kit.directory()))
                return ToolOutput::fail(QStringLiteral("%1 is open in the kit's window (%2), whose next save would "
                                                       "overwrite this one: save there, or close the window first. "
                                                       "--while-open saves anyway (the window then asks before "
                                                       "it saves).")
                                            .arg(dir, *window));
        }
        const Status locked = folder.kit.holdSaveLock(OpenKit::DefaultLockWait, [](const QString &holder) {
            ToolOutput::warn(QStringLiteral("waiting for another save of this kit (%1)").arg(holder));
        });
        if (!locked)
            return ToolOutput::fail(locked.error());
    }
    std::vector<FormatError> problems = folder.kit.load();
    // Without source texts there is nothing to work on (KitLoader says so last).
    std::optional<FormatError> noSources;
    if (folder.kit.texts().rowCount() == 0) {
        noSources = problems.back();
        problems.pop_back();
    }
    // A save may build on a lang.dat cut short (every whole record is read),
    // never on one whose directory lost entries: their data would be gone.
    const auto lost = std::find_if(problems.begin(), problems.end(), [](const FormatError &problem) {
        return !problem.what.ends_with(ArchiveDirectory::CutShortText);
    });
    if (saving && lost != problems.end())
        return ToolOutput::fail(*lost);
    if (const auto &marks = folder.kit.marksProblem())
        problems.push_back(*marks); // kept aside: the command works on without marks
    for (const FormatError &problem : problems)
        ToolOutput::warn(QString::fromStdString(problem.text()));
    if (noSources)
        return ToolOutput::fail(*noSources);
    folder.damaged = !problems.empty();
    return 0;
}

CommonOptions::SaveOptions::SaveOptions()
    : allowFewerTexts(QStringLiteral("allow-fewer-texts"),
                      QStringLiteral("Save even when lang.dat holds more text records than the kit has source texts; "
                                     "the others are lost."))
    , whileOpen(QStringLiteral("while-open"),
                QStringLiteral("Save even while the kit is open in a window."))
    , force(QStringLiteral("force"), QStringLiteral("Replace lang.dat even when it is read-only."))
{
}

void CommonOptions::SaveOptions::addTo(QCommandLineParser &parser) const
{
    parser.addOptions({allowFewerTexts, whileOpen, force});
}

int CommonOptions::openKitWithGlyphs(QCommandLineParser &parser, const QStringList &args,
                                     const QString &description, KitFolder &folder, std::optional<Glyphs> &glyphs)
{
    parser.setApplicationDescription(description);
    parser.addPositionalArgument(QStringLiteral("kitdir"), QStringLiteral("The kit folder."));
    const Font fontOptions{QString(), QString()};
    fontOptions.addTo(parser);
    const QCommandLineOption codePage = kitCodePage();
    parser.addOption(codePage);
    if (!ToolOutput::parse(parser, args, 1))
        return ToolOutput::Misused;
    if (const int failed = openKit(parser, codePage, &fontOptions, folder))
        return failed;

    const auto standard = folder.kit.standardGlyphs();
    const auto saved = folder.kit.savedGlyphs();
    for (const auto *captured : {&standard, &saved}) {
        if (!*captured)
            return ToolOutput::fail(captured->error());
    }
    glyphs = Glyphs{*standard, *saved};
    return 0;
}

namespace {

// What a save asks, answered from the command's options.
class ToolSaveQuestions : public SaveQuestions {
public:
    ToolSaveQuestions(bool allowFewerTexts, bool force) : m_allowFewerTexts(allowFewerTexts), m_force(force) {}

    // The command read the kit under the save lock, so only a writer that
    // takes no lock can have changed it.
    ChangedOnDisk changedOnDisk() override
    {
        m_refusal = QStringLiteral("lang.dat changed on disk while this command ran, by something that is not a "
                                   "save of the kit; nothing written");
        return ChangedOnDisk::Cancel;
    }
    bool replaceGlyphs(const KitSave::Check &check) override
    {
        ToolOutput::warn(KitSave::glyphsReplacedText(check));
        return true;
    }
    bool saveFewerTexts(const KitSave::Check &check) override
    {
        if (!m_allowFewerTexts)
            m_refusal = KitSave::fewerTextsText(check.textsNow, check.textsWritten)
                + QStringLiteral(" Give --allow-fewer-texts to save anyway.");
        return m_allowFewerTexts;
    }
    bool replaceReadOnly() override
    {
        if (!m_force)
            m_refusal = KitSave::ReadOnlyText + QStringLiteral(" Give --force to replace it anyway.");
        return m_force;
    }

    const QString &refusal() const { return m_refusal; }

private:
    bool m_allowFewerTexts;
    bool m_force;
    QString m_refusal;
};

} // namespace

int CommonOptions::saveKit(KitFolder &folder, const QCommandLineParser &parser, const SaveOptions &saving)
{
    ToolSaveQuestions questions(parser.isSet(saving.allowFewerTexts), parser.isSet(saving.force));
    const auto saved = folder.kit.save(questions);
    if (!saved)
        return ToolOutput::fail(saved.error());
    if (saved->outcome != OpenKit::Saved::Outcome::Saved)
        return ToolOutput::fail(questions.refusal());
    ToolOutput::print(KitSave::SuccessText);
    return folder.finish(0);
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
