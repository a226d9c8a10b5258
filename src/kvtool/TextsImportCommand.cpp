#include "TextsImportCommand.h"

#include "CommonOptions.h"
#include "ToolOutput.h"

namespace orvanta {

namespace {

// What an import asks, answered from the command's options.
class ToolImportQuestions : public ImportQuestions {
public:
    ToolImportQuestions(bool codePageGiven, bool skipRefused) : m_codePageGiven(codePageGiven), m_skipRefused(skipRefused) {}

    // --codepage wins over the file's header.
    FileCodePage fileCodePage(const QString &path, int named, int) override
    {
        if (m_codePageGiven)
            return FileCodePage::Kit;
        ToolOutput::warn(QStringLiteral("%1: read in code page %2, as its header says").arg(path).arg(named));
        return FileCodePage::File;
    }
    bool unofferedCodePage(const QString &path, int named) override
    {
        if (!m_codePageGiven)
            m_refusal = QStringLiteral("%1: its header names code page %2, which the kit does not offer; "
                                       "give --codepage")
                            .arg(path)
                            .arg(named);
        return m_codePageGiven;
    }
    bool takeTheRest(const OpenKit::Import &) override { return m_skipRefused; }

    const QString &refusal() const { return m_refusal; }

private:
    bool m_codePageGiven;
    bool m_skipRefused;
    QString m_refusal;
};

} // namespace

int TextsImportCommand::run(const QStringList &args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(tr(
        "Applies a CSV, PO or XLIFF file (as texts export writes them, edited in a spreadsheet, a translation "
        "editor or a CAT tool) to the texts of the kit in KITDIR and saves a new KITDIR/lang.dat as the save "
        "button does, with the font and code page the kit remembers (a PO's X-Orvanta-Codepage header, or "
        "an XLIFF's x-codepage count, when --codepage is not given). An entry counts for the one row where its "
        "source stands now; where it stands in several, for the row its context (msgctxt) or, failing that, "
        "the row it names says; entries marked for review (fuzzy) are imported and marked needs review; "
        "entries without a translation bring their marks and notes; changed sources, obsolete entries and "
        "unknown rows are skipped. A translation the code page cannot "
        "hold, or one longer than 200 bytes, is refused: then nothing is written, unless --skip-refused. "
        "The report goes to standard error. Refuses while the kit is open in a window, unless --while-open; "
        "reads the kit under its save lock, so a save that ends meanwhile is built on, not lost."));
    parser.addPositionalArgument(QStringLiteral("kitdir"), tr("The kit folder."));
    parser.addPositionalArgument(
        QStringLiteral("file"),
        tr("A %1 file.")
            .arg(TextFormat::listed(TextFormat::allSuffixes(TextFormat::Use::Texts, TextFormat::Order::Alphabetical),
                                    QStringLiteral("."))));
    const QCommandLineOption skipRefused(QStringLiteral("skip-refused"),
                                         tr("Import the other translations when some are refused."));
    parser.addOption(skipRefused);
    const QCommandLineOption codePage = CommonOptions::kitCodePage();
    const CommonOptions::SaveOptions saving;
    KitFolder folder;
    if (const int failed = openToSave(parser, args, codePage, saving, folder))
        return failed;
    const QString path = parser.positionalArguments().at(1);
    ToolImportQuestions questions(parser.isSet(codePage), parser.isSet(skipRefused));
    const auto import = folder.kit.importFile(path, questions);
    if (!import)
        return ToolOutput::fail(import.error());
    if (!*import)
        return ToolOutput::fail(questions.refusal());
    return finish(folder, path, **import, parser, saving);
}

int TextsImportCommand::openToSave(QCommandLineParser &parser, const QStringList &args,
                                   const QCommandLineOption &codePage, const CommonOptions::SaveOptions &saving,
                                   KitFolder &folder, int fewest)
{
    const CommonOptions::Font fontOptions{QString(), QString()};
    fontOptions.addTo(parser);
    parser.addOption(codePage);
    saving.addTo(parser);
    if (!CommonOptions::parse(parser, args, fewest))
        return ToolOutput::Misused;
    return folder.open(parser, codePage, &fontOptions, &saving, parser.positionalArguments().size() < 2);
}

int TextsImportCommand::finish(KitFolder &folder, const QString &what, const OpenKit::Import &import,
                               const QCommandLineParser &parser, const CommonOptions::SaveOptions &saving, bool saveAnyway)
{
    ToolOutput::report(what + QStringLiteral(": ") + import.report.first());
    for (qsizetype i = 1; i < import.report.size(); ++i)
        ToolOutput::report(QStringLiteral("  ") + import.report[i]);
    if (!import.taken)
        return ToolOutput::fail(QStringLiteral("nothing written: mend the refused translations, or import the "
                                               "rest with --skip-refused"));
    if (import.changesNothing() && !saveAnyway) {
        ToolOutput::print(QStringLiteral("No translation changed; lang.dat is left as it was."));
        return folder.finish(0);
    }
    if (const Status applied = folder.kit.apply(import); !applied)
        return ToolOutput::fail(applied.error());
    return folder.save(parser, saving);
}

} // namespace orvanta
