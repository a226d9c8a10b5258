#include "TextsSuggestCommand.h"

#include "KitFolder.h"
#include "CommonOptions.h"
#include "ToolOutput.h"
#include "exchange/TextFormat.h"
#include "kit/KitSettings.h"
#include "kit/KitSuggestions.h"
#include "texts/TabSeparated.h"

#include <QCommandLineParser>

namespace orvanta {

int TextsSuggestCommand::run(const QStringList &args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(tr(
        "Loads the texts of the kit in KITDIR as the kit does at start-up and prints what the Texts page "
        "suggests for row ROW (from 1): the translations of identical and similar originals (at least 75% "
        "alike: one less the edit distance over the longer text's characters, case kept; texts shorter than 12 "
        "characters more, up to identical) from the kit's other rows and from the translation memories, those "
        "the kit remembers and each --memory; an entry its memory marks fuzzy scores 10 points less, and its "
        "ORIGIN ends in \", fuzzy\". Prints one UTF-8 "
        "line per suggestion, PERCENT<TAB>SOURCE<TAB>TRANSLATION<TAB>ORIGIN, best first, at most 20; a "
        "backslash, tab or line break in a text is written \\\\, \\t, \\n or \\r. A memory that cannot be read "
        "is warned about and left out, and the exit code is then 3."));
    parser.addPositionalArgument(QStringLiteral("kitdir"), tr("The kit folder."));
    parser.addPositionalArgument(QStringLiteral("row"), tr("The row number, from 1."));
    const QCommandLineOption memory(QStringLiteral("memory"),
                                    tr("A translation memory: a %1 file, or another kit folder (its "
                                       "kvmain.dat and lang.dat).")
                                        .arg(TextFormat::listed(TextFormat::allSuffixes(TextFormat::Use::Memories),
                                                                QStringLiteral("."))),
                                    QStringLiteral("file-or-kit"));
    const QCommandLineOption codePage = CommonOptions::kitCodePage();
    parser.addOptions({memory, codePage});
    if (!CommonOptions::parse(parser, args, 2))
        return ToolOutput::Misused;
    bool isNumber = false;
    const QString rowArgument = parser.positionalArguments().at(1);
    const int rowNumber = rowArgument.toInt(&isNumber);
    if (!isNumber || rowNumber < 1) {
        ToolOutput::fail(QStringLiteral("ROW must be a row number from 1, not \"%1\"").arg(rowArgument));
        return ToolOutput::Misused;
    }
    KitFolder folder;
    if (const int failed = folder.open(parser, codePage, nullptr))
        return failed;
    const OpenKit &kit = folder.kit;
    if (rowNumber > kit.texts().rowCount())
        return ToolOutput::fail(QStringLiteral("the kit has %1 rows; there is no row %2")
                                    .arg(kit.texts().rowCount())
                                    .arg(rowNumber));

    KitSuggestions suggestions;
    QStringList memories = KitSettings(kit.directory()).memories() + parser.values(memory);
    memories.removeDuplicates();
    bool unread = false;
    for (const QString &path : std::as_const(memories)) {
        auto read = KitSuggestions::readMemory(path, kit.codePage());
        if (read) {
            suggestions.addMemory(std::move(*read));
        } else {
            ToolOutput::warn(QString::fromStdString(read.error().text()) + QStringLiteral("; left out"));
            unread = true;
        }
    }
    QString lines;
    for (const KitSuggestions::Suggestion &s : suggestions.suggestions(kit.texts(), kit.codePages(), rowNumber - 1))
        lines += QString::number(s.percent) + QLatin1Char('\t') + TabSeparated::escaped(s.source)
            + QLatin1Char('\t') + TabSeparated::escaped(s.translation) + QLatin1Char('\t')
            + TabSeparated::escaped(s.fuzzy ? s.origin + QStringLiteral(", fuzzy") : s.origin) + QLatin1Char('\n');
    ToolOutput::write(lines.toUtf8());
    return unread ? ToolOutput::Damaged : folder.finish(0);
}

} // namespace orvanta
