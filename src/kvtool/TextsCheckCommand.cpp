#include "TextsCheckCommand.h"

#include "CommonOptions.h"
#include "ToolOutput.h"
#include "font/WiderTextCheck.h"
#include "texts/CodePage.h"
#include "texts/TextReview.h"

namespace orvanta {

int TextsCheckCommand::run(const QStringList &args)
{
    const QString description = QStringLiteral(
        "Loads the texts of the kit in KITDIR as the kit does at start-up and checks every translation as the "
        "Texts page does. Prints one UTF-8 line per finding, ROW<TAB>CHECK<TAB>message, where CHECK is "
        "too-long (past 200 bytes; the save cuts the rest), spaces (leading or trailing spaces or tabs differ "
        "from the original's), placeholders (the printf codes differ in number or order), empty (an empty "
        "translation of a text that is not empty), fixed (a fixed text edited; every save resets it) or wider "
        "(drawn in the glyphs the next save writes, the translation is wider than the original in the game's "
        "standard glyphs), double-word (a word written twice in a row), punctuation (the end punctuation differs "
        "from the original's), double-space (two spaces inside), control (a line break, tab or other control "
        "character inside that the original does not hold) or inconsistent (another row of the same original "
        "holds another translation; rows not translated yet do not count). The exit code is 1 when there is any finding, 0 when there is none.");
    CommonOptions::KitFolder folder;
    std::optional<CommonOptions::Glyphs> glyphs;
    if (const int failed = CommonOptions::openKitWithGlyphs(args, description, folder, glyphs))
        return failed;
    TextChecker checker{folder.kit.codePage()};
    checker.addCheck(WiderTextCheck::make(glyphs->standard, glyphs->saved));
    TextReview review{checker};
    review.reviewAll(folder.kit.texts());
    QString lines;
    for (const TextFinding &finding : review.allFindings())
        lines += QString::number(finding.index + 1) + QLatin1Char('\t') + finding.check + QLatin1Char('\t')
            + finding.message + QLatin1Char('\n');
    ToolOutput::write(lines.toUtf8());
    return lines.isEmpty() ? folder.finish(0) : ToolOutput::Failed;
}

} // namespace orvanta
