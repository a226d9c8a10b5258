#include "KitFolder.h"

#include "kit/KitSettings.h"
#include "texts/CodePage.h"

#include <QDir>

namespace orvanta {

int KitFolder::open(const QCommandLineParser &parser, const QCommandLineOption &codePage,
                    const CommonOptions::Font *font, const CommonOptions::SaveOptions *saving, bool carryOver)
{
    const QString dir = parser.positionalArguments().at(0);
    OpenKit opening(QDir(dir).absolutePath() + QLatin1Char('/'));
    {
        // A damaged settings file never stops a command: what was ignored is said.
        const KitSettings settings(dir);
        opening.useRemembered(settings);
        for (const QString &warning : settings.warnings())
            ToolOutput::warn(warning);
    }
    if (font) {
        int exitCode = 0;
        const std::optional<QFont> glyphFont = font->readOver(parser, exitCode, opening.glyphFont());
        if (!glyphFont)
            return exitCode;
        opening.setGlyphFont(*glyphFont);
    }
    if (parser.isSet(codePage)) {
        const int number = CommonOptions::chosenCodePage(parser, codePage);
        if (!number)
            return ToolOutput::Failed;
        opening.setCodePage(number);
    }
    if (!QDir(dir).exists())
        return ToolOutput::fail(dir + QStringLiteral(": no such folder"));
    kit = std::move(opening);

    OpenKit::Opening how;
    if (saving) {
        how.toSave = true;
        how.whileOpen = parser.isSet(saving->whileOpen);
        how.asItIs = parser.isSet(saving->asItIs) || carryOver;
        how.waiting = [](const QString &holder) {
            ToolOutput::warn(QStringLiteral("waiting for another save of this kit (%1)").arg(holder));
        };
        how.tookOver = [](const QString &notice) { ToolOutput::warn(notice); };
    }
    const OpenKit::Opened opened = kit.open(how);
    for (const FormatError &problem : opened.problems)
        ToolOutput::warn(QString::fromStdString(problem.text()));
    for (const FormatError &notice : opened.notices)
        ToolOutput::warn(QString::fromStdString(notice.text()));
    if (opened.refusal && opened.refusal->kind == FormatError::Kind::SourcesShifted)
        return ToolOutput::fail(QStringLiteral("%1: %2. Saving now would leave each translation in its row, beside "
                                               "another text: carry them to where their sources stand with "
                                               "'kvtool texts migrate %1' first, or give --as-it-is to save them "
                                               "as they are.")
                                    .arg(dir, QString::fromStdString(opened.refusal->what)));
    if (opened.shifted && !saving)
        ToolOutput::warn(OpenKit::shiftText(*opened.shifted)
                         + QStringLiteral("; 'kvtool texts migrate %1' carries the translations to where their "
                                          "sources stand")
                               .arg(dir));
    if (opened.refusal && opened.refusal->kind == FormatError::Kind::OpenInWindow)
        return ToolOutput::fail(QStringLiteral("%1 is open in the kit's window (%2), whose next save would "
                                               "overwrite this one: save there, or close the window first. "
                                               "--while-open saves anyway (the window then asks before "
                                               "it saves).")
                                    .arg(dir, QString::fromStdString(opened.refusal->cause)));
    if (opened.refusal)
        return ToolOutput::fail(*opened.refusal);
    m_damaged = opened.damaged();
    return 0;
}

int KitFolder::openWithGlyphs(QCommandLineParser &parser, const QStringList &args, const QString &description,
                              std::optional<Glyphs> &glyphs)
{
    parser.setApplicationDescription(description);
    parser.addPositionalArgument(QStringLiteral("kitdir"), tr("The kit folder."));
    const CommonOptions::Font fontOptions{QString(), QString()};
    fontOptions.addTo(parser);
    const QCommandLineOption codePage = CommonOptions::kitCodePage();
    parser.addOption(codePage);
    if (!CommonOptions::parse(parser, args, 1))
        return ToolOutput::Misused;
    if (const int failed = open(parser, codePage, &fontOptions))
        return failed;

    const auto standard = kit.standardGlyphs();
    const auto saved = kit.savedGlyphs();
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

int KitFolder::save(const QCommandLineParser &parser, const CommonOptions::SaveOptions &saving)
{
    ToolSaveQuestions questions(parser.isSet(saving.allowFewerTexts), parser.isSet(saving.force));
    const auto saved = kit.save(questions);
    if (!saved)
        return ToolOutput::fail(saved.error());
    if (saved->outcome != OpenKit::Saved::Outcome::Saved)
        return ToolOutput::fail(questions.refusal());
    ToolOutput::print(KitSave::SuccessText);
    return finish(0);
}

} // namespace orvanta
