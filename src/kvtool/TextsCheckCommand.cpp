#include "TextsCheckCommand.h"

#include "KitFolder.h"
#include "ToolOutput.h"
#include "font/WiderTextCheck.h"
#include "kit/KitSettings.h"
#include "texts/SpellingCheck.h"
#include "texts/TextReview.h"

namespace orvanta {

int TextsCheckCommand::run(const QStringList &args)
{
    const QString description = tr(
        "Loads the texts of the kit in KITDIR as the kit does at start-up and checks every translation as the "
        "Texts page does. Prints one UTF-8 line per finding, ROW<TAB>CHECK<TAB>message, where CHECK is "
        "too-long (past 200 bytes; the save cuts the rest), spaces (leading or trailing spaces or tabs differ "
        "from the original's), placeholders (the printf codes differ in number or order), empty (an empty "
        "translation of a text that is not empty), fixed (a fixed text edited; every save resets it) or wider "
        "(drawn in the glyphs the next save writes, the translation is wider than the original both in the game's "
        "standard glyphs and in those glyphs, by more than the allowance the kit remembers, wider= in [texts] of "
        "orvanta-kit.ini, such as 4px or 10%; a font that draws every text wider is said once, on standard error), double-word (a word written twice in a row), punctuation (the end punctuation differs "
        "from the original's), double-space (two spaces inside) or control (a line break, tab or other control "
        "character inside that the original does not hold), inconsistent (another row of the same original holds another translation; rows not translated yet do not count), and with a dictionary spelling (a word of the translation "
        "that is not in the dictionary, nor in the kit's own orvanta-kit.words, nor in the original). The exit code is 1 when there is any finding, 0 when there is none.");
    KitFolder folder;
    std::optional<KitFolder::Glyphs> glyphs;
    QCommandLineParser parser;
    const QCommandLineOption spell(QStringLiteral("spell"),
                                   tr("Check the spelling with the Hunspell dictionary of this language "
                                      "(e.g. en_US; default: the one the kit's window last used, if any)."),
                                   QStringLiteral("language"));
    parser.addOption(spell);
    if (const int failed = folder.openWithGlyphs(parser, args, description, glyphs))
        return failed;
    std::shared_ptr<const SpellingDictionary> spelling;
    // What else the settings hold was warned about when the kit was opened.
    const QString language = parser.isSet(spell)
        ? parser.value(spell)
        : KitSettings(folder.kit.directory()).spellLanguage().value_or(QString());
    if (!language.isEmpty()) {
        const SpellingCheck::Opened opened = SpellingCheck::open(language, folder.kit.directory());
        // A dictionary asked for by name must be there; the remembered one
        // and the kit's own words are warned about, and the check goes on
        // without them.
        if (!opened.checker && parser.isSet(spell))
            return ToolOutput::fail(opened.problems.front());
        for (const FormatError &problem : opened.problems)
            ToolOutput::warn(QString::fromStdString(problem.text()));
        spelling = opened.checker;
    }
    TextReview review{folder.kit.checker(glyphs->standard, glyphs->saved, spelling)};
    review.reviewAll(folder.kit.texts());
    if (const int widening = WiderTextCheck::widening(glyphs->standard, glyphs->saved, folder.kit.texts()))
        ToolOutput::warn(QStringLiteral("the font draws the game's texts %1% wider than the game's own glyphs; "
                                        "wider lists only the translations drawn wider than the font draws their "
                                        "original")
                             .arg(widening));
    QString lines;
    for (const TextFinding &finding : review.allFindings())
        lines += QString::number(finding.index + 1) + QLatin1Char('\t') + finding.check + QLatin1Char('\t')
            + finding.message + QLatin1Char('\n');
    ToolOutput::write(lines.toUtf8());
    return lines.isEmpty() ? folder.finish(0) : ToolOutput::Failed;
}

} // namespace orvanta
