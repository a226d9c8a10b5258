#include "TextsMigrateCommand.h"

#include "TextsImportCommand.h"
#include "ToolOutput.h"

namespace orvanta {

namespace {

// A migration reads no file of the translators' and refuses nothing it
// would have to ask about; were a translation refused, nothing is written.
class MigrationQuestions : public ImportQuestions {
public:
    FileCodePage fileCodePage(const QString &, int, int) override { return FileCodePage::Kit; }
    bool unofferedCodePage(const QString &, int) override { return true; }
    bool takeTheRest(const OpenKit::Import &) override { return false; }
};

} // namespace

int TextsMigrateCommand::run(const QStringList &args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(tr(
        "Carries the translations of OLDKIT, a kit folder of an older game version (its kvmain.dat and "
        "lang.dat), over to the kit in KITDIR and saves a new KITDIR/lang.dat as texts import does. Each old "
        "translation goes to every row whose source text is the same, wherever it moved; a source that "
        "changed a little (at least 80% alike) gets the old translation marked needs review; a row "
        "translated in KITDIR already is never overwritten. Marks and notes go with their texts (a reworded "
        "one keeps its note), and the redrawn pictures, the kit dictionary's words and the settings KITDIR "
        "has none of yet (font, code page, spell check, memories) come along. Without OLDKIT, the "
        "translations of KITDIR's own lang.dat are carried from the source texts they were saved against to "
        "where those stand in KITDIR's kvmain.dat now (after a new kvmain.dat was put in). The report "
        "(carried, carried for review, new rows, translations of sources that are gone, rows left as they "
        "were, marks, notes, pictures, words, settings) goes to standard error. Refuses while the kit is "
        "open in a window, unless --while-open."));
    parser.addPositionalArgument(QStringLiteral("kitdir"), tr("The kit folder."));
    parser.addPositionalArgument(QStringLiteral("oldkit"), tr("The older kit folder."),
                                 QStringLiteral("[oldkit]"));
    const QCommandLineOption codePage = CommonOptions::kitCodePage();
    const CommonOptions::SaveOptions saving;
    KitFolder folder;
    if (const int failed = TextsImportCommand::openToSave(parser, args, codePage, saving, folder, 1))
        return failed;
    if (parser.positionalArguments().size() < 2) {
        const auto &carryOver = folder.kit.carryOver();
        if (!carryOver) {
            ToolOutput::print(QStringLiteral("The translations in lang.dat were saved against kvmain.dat's source "
                                             "texts as they are; nothing to carry over."));
            return folder.finish(0);
        }
        // Saved even when no translation moves: the kit then remembers the new sources.
        return TextsImportCommand::finish(folder, parser.positionalArguments().at(0), *carryOver, parser, saving,
                                          true);
    }
    const QString oldKit = parser.positionalArguments().at(1);
    MigrationQuestions questions;
    const auto import = folder.kit.importOlderKit(oldKit, questions);
    if (!import)
        return ToolOutput::fail(import.error());
    return TextsImportCommand::finish(folder, oldKit, *import, parser, saving);
}

} // namespace orvanta
