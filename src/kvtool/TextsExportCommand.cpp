#include "TextsExportCommand.h"

#include "KitFolder.h"
#include "CommonOptions.h"
#include "ToolOutput.h"
#include "exchange/TextExchange.h"
#include "kit/KitSettings.h"

#include <QCommandLineParser>

namespace orvanta {

int TextsExportCommand::run(const QStringList &args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(tr(
        "Loads the texts of the kit in KITDIR exactly as the kit does at start-up (\"kvtexts.dat\" and "
        "\"texts.dat\", each from lang.dat first, then kvmain.dat) and writes them for the translators' own "
        "tools: as UTF-8 CSV with the header row,source,translation,needs_review,note; as a gettext PO file "
        "with one entry per text, found by its source (the row as a kvtexts.dat reference, msgctxt only where "
        "a source stands in several rows, msgid the source, msgstr the translation, empty while untranslated); "
        "as a PO template (every msgstr empty, for msgmerge and Weblate); as XLIFF 1.2 for CAT tools (one "
        "trans-unit per row, with the 200-byte limit and the source's width in the game's pixels); as XLIFF for "
        "OmegaT (the same with every target its source, in state new: OmegaT translates a target's text); or "
        "the translations as a TMX 1.4 memory for CAT tools (one tu per translated row; OmegaT inserts those "
        "in its project's tm/auto folder, a source translated differently in several rows only in the XLIFF "
        "for OmegaT of the TMX's name, between the same neighbours)."));
    parser.addPositionalArgument(QStringLiteral("kitdir"), tr("The kit folder."));
    // A name of no other format's suffix is written as CSV.
    const QStringList names = TextFormat::names();
    QStringList suffixes = TextFormat::allSuffixes(TextFormat::Use::Exports);
    for (const QString &csv : TextFormat::of(TextFormat::Id::Csv).suffixes)
        suffixes.removeOne(csv);
    const QCommandLineOption format(
        QStringLiteral("format"),
        tr("%1 (default: the output file's name: %2, else csv).")
            .arg(TextFormat::listed(names), TextFormat::listed(suffixes, QStringLiteral("."))),
        names.join(QLatin1Char('|')));
    const QCommandLineOption output(QStringLiteral("o"),
                                    tr("Write to <file>, replaced only once complete (default: "
                                       "standard output)."),
                                    QStringLiteral("file"));
    const QCommandLineOption language(QStringLiteral("language"),
                                      tr("The translation's language code (ru, pt_BR) for the PO "
                                         "header, XLIFF target-language and TMX (default: the one the kit "
                                         "remembers, else the one language of the code page)."),
                                      QStringLiteral("LL"));
    const QCommandLineOption codePage = CommonOptions::kitCodePage();
    parser.addOptions({format, output, language, codePage});
    if (!CommonOptions::parse(parser, args, 1))
        return ToolOutput::Misused;

    const QString outPath = parser.value(output);
    const TextFormat *chosen = TextFormat::ofFile(outPath);
    if (!chosen)
        chosen = &TextFormat::of(TextFormat::Id::Csv);
    if (parser.isSet(format)) {
        chosen = TextFormat::named(parser.value(format));
        if (!chosen) {
            ToolOutput::fail(QStringLiteral("--format must be %1, not \"%2\"")
                                 .arg(TextFormat::listed(names), parser.value(format)));
            return ToolOutput::Misused;
        }
    }
    if (parser.isSet(language) && !KitSettings::isLanguageCode(parser.value(language))) {
        ToolOutput::fail(QStringLiteral("--language must be a language code such as ru or pt_BR, not \"%1\"")
                             .arg(parser.value(language)));
        return ToolOutput::Misused;
    }
    KitFolder folder;
    if (const int failed = folder.open(parser, codePage, nullptr))
        return failed;

    const QString chosenLanguage =
        parser.isSet(language) ? parser.value(language) : KitSettings(folder.kit.directory()).language();
    const auto bytes = folder.kit.exportTexts(chosen->id, chosenLanguage,
                                              outPath.isEmpty() ? QStringLiteral("standard output") : outPath);
    if (!bytes)
        return ToolOutput::fail(bytes.error());
    if (outPath.isEmpty()) {
        ToolOutput::write(*bytes);
        return folder.finish(0);
    }
    return ToolOutput::saveFile(outPath, *bytes) ? folder.finish(0) : ToolOutput::Failed;
}

} // namespace orvanta
