#include "GettextTools.h"
#include "InMemoryTexts.h"
#include "exchange/PoFile.h"
#include "exchange/TextExchange.h"
#include "exchange/TextImport.h"
#include "texts/TextCodePages.h"
#include "texts/ReviewMarks.h"
#include "texts/TextChecker.h"
#include "texts/TextTable.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

using namespace orvanta;
using Reason = ImportReport::Reason;

namespace {

const QByteArray LongSource = "A rather long text that a translation editor wraps over more than one line, because "
                              "it says \"quite a lot\" about nothing";

// The sample texts up to the first fixed row (grid row 1416), row 2 long,
// row 3 with printf codes.
QList<QByteArray> sampleSources()
{
    QList<QByteArray> sources;
    for (int i = 0; i < 1416; ++i)
        sources.append("Text " + QByteArray::number(i + 1));
    sources[0] = " Load game ";
    sources[1] = LongSource;
    sources[2] = "%d gold for %s";
    sources[3] = "50% off";
    return sources;
}

const QDateTime Created(QDate(2024, 5, 1), QTime(12, 30), Qt::UTC);

QByteArray exportPo(const QList<ExchangeEntry> &entries, int codePage, const QString &language = {},
                    bool isTemplate = false)
{
    return PoFile::write(entries, {codePage, language, Created, isTemplate});
}

QByteArray exportPo(const TextTable &texts, int codePage, const QString &language = {})
{
    return exportPo(TextExchange::entries(texts, ReviewMarks(), TextCodePages(codePage, codePage)), codePage, language);
}

} // namespace

// What the kit writes, byte for byte, and what gettext's library reads of it.
TEST(PoFile, ExportCarriesHeaderRowsMarksNotesFlagsAndLimits)
{
    TextTable texts = textTable(sampleSources(), sampleSources());
    texts.setTranslation(2, "%d Gold f\xFCr %s");
    ReviewMarks marks;
    marks.setMark(2, {true, false, QStringLiteral("Gold is a coin here.\n\nKept in C:\\Games\\\nAsk the team")});
    const QList<ExchangeEntry> entries = TextExchange::entries(texts, marks, TextCodePages(1252));
    const QByteArray po = exportPo(entries, 1252, QStringLiteral("de"));
    EXPECT_TRUE(po.startsWith("msgid \"\"\nmsgstr \"\"\n\"Project-Id-Version: Orvanta\\n\"\n"
                              "\"POT-Creation-Date: 2024-05-01 12:30+0000\\n\"\n"
                              "\"PO-Revision-Date: 2024-05-01 12:30+0000\\n\"\n"
                              "\"Last-Translator: \\n\"\n\"Language-Team: \\n\"\n\"Language: de\\n\"\n"
                              "\"MIME-Version: 1.0\\n\"\n\"Content-Type: text/plain; charset=UTF-8\\n\"\n"
                              "\"Content-Transfer-Encoding: 8bit\\n\"\n\"X-Orvanta-Codepage: 1252\\n\"\n\n"
                              "#. At most 200 bytes in code page 1252.\n#: kvtexts.dat:1\nmsgid \" Load game \"\nmsgstr \"\"\n\n"
                              "#. At most 200 bytes in code page 1252.\n#: kvtexts.dat:2\nmsgid \"" + QByteArray(LongSource).replace("\"", "\\\"")
                              + "\"\nmsgstr \"\"\n\n"
                                "# Gold is a coin here.\n#\n# Kept in C:\\Games\\ \n# Ask the team\n#. At most 200 bytes in code page 1252.\n"
                                "#: kvtexts.dat:3\n#, fuzzy, c-format\nmsgid \"%d gold for %s\"\nmsgstr \"%d Gold f\xC3\xBCr %s\"\n\n"
                                "#. At most 200 bytes in code page 1252.\n#: kvtexts.dat:4\nmsgid \"50% off\"\nmsgstr \"\"\n"))
        << po.left(1400).toStdString();
    EXPECT_TRUE(po.contains("\n#. At most 200 bytes in code page 1252.\n#. Reset to the original text at every save.\n"
                            "#: kvtexts.dat:1416\nmsgid \"Text 1416\"\n"));
    EXPECT_FALSE(po.contains("Plural-Forms"));
    const auto greek = TextExchange::write(TextFormat::Id::Po, entries, {1253, {}, Created}, QStringLiteral("t.po"));
    EXPECT_TRUE(greek->contains("\"Language: el\\n\"")) << "1253 is one language's";

    const auto read = PoFile::read(po, "t.po");
    ASSERT_TRUE(read.ok()) << read.error().text();
    EXPECT_EQ(read->codePage, 1252);
    EXPECT_EQ(read->language, "de");
    ASSERT_EQ(read->entries.size(), 1416);
    EXPECT_EQ(read->entries[1].source, QString::fromLatin1(sampleSources()[1]));
    EXPECT_TRUE(read->entries[2].needsReview);
    EXPECT_EQ(read->entries[2].note, entries[2].note);
    EXPECT_EQ(read->entries[2].translation, QString::fromLatin1("%d Gold f\xFCr %s"));
    EXPECT_FALSE(read->entries[3].needsReview);

    // A template: sources only, the header as gettext's own templates have it.
    const QByteArray pot = exportPo(entries, 1252, QStringLiteral("de"), true);
    EXPECT_TRUE(pot.startsWith("# Orvanta texts.\n#, fuzzy\nmsgid \"\"\nmsgstr \"\"\n\"Project-Id-Version: Orvanta\\n\"\n"
                               "\"POT-Creation-Date: 2024-05-01 12:30+0000\\n\"\n"
                               "\"PO-Revision-Date: YEAR-MO-DA HO:MI+ZONE\\n\"\n"
                               "\"Last-Translator: FULL NAME <EMAIL@ADDRESS>\\n\"\n"
                               "\"Language-Team: LANGUAGE <LL@li.org>\\n\"\n\"Language: \\n\"\n"))
        << pot.left(600).toStdString();
    const auto readPot = PoFile::read(pot, "t.pot");
    ASSERT_TRUE(readPot.ok()) << readPot.error().text();
    for (const ExchangeEntry &entry : readPot->entries) {
        ASSERT_TRUE(entry.translation.isEmpty()) << entry.row.toStdString();
        ASSERT_FALSE(entry.needsReview) << entry.row.toStdString();
        ASSERT_TRUE(entry.note.isEmpty()) << entry.row.toStdString();
    }
}

// The file as Poedit saves it after one translation was typed: its own
// header lines, the long msgid rewrapped, escaped quotes in the msgstr.
TEST(PoFile, AnEditorsEditOfOneMsgstrImportsExactlyThatChange)
{
    const TextTable texts = textTable(sampleSources(), sampleSources());
    QByteArray po = exportPo(texts, 1252);
    const qsizetype entry = po.indexOf("#: kvtexts.dat:2\n");
    const qsizetype msgstr = po.indexOf("msgstr \"\"\n", entry);
    ASSERT_GT(entry, 0);
    po.replace(entry, msgstr + 10 - entry,
               "#: kvtexts.dat:2\n"
               "msgid \"\"\n"
               "\"A rather long text that a translation editor wraps over more than one \"\n"
               "\"line, because it says \\\"quite a lot\\\" about nothing\"\n"
               "msgstr \"\"\n"
               "\"Ein ziemlich langer Text, den ein \xC3\x9C" "bersetzungsprogramm \xC3\xBC" "ber mehr \"\n"
               "\"als eine Zeile umbricht, weil er \\\"ziemlich viel\\\" \xC3\xBC" "ber nichts sagt\"\n");
    po.replace("\"X-Orvanta-Codepage: 1252\\n\"\n",
               "\"X-Orvanta-Codepage: 1252\\n\"\n\"X-Generator: Poedit 3.4.2\\n\"\n\"Last-Translator: Jana\\n\"\n");
    po.replace("\n\n", "\n\n\n"); // blank lines are nothing

    const auto read = PoFile::read(po, "t.po");
    ASSERT_TRUE(read.ok()) << read.error().text();
    const TextImport::Outcome outcome = TextImport::compute(read->entries, texts, TextCodePages(1252));
    ASSERT_EQ(outcome.changes.size(), 1);
    EXPECT_EQ(outcome.changes[0].row, 1);
    EXPECT_EQ(outcome.changes[0].text,
              "Ein ziemlich langer Text, den ein \xDC" "bersetzungsprogramm \xFC" "ber mehr als eine Zeile umbricht, weil "
              "er \"ziemlich viel\" \xFC" "ber nichts sagt");
    EXPECT_EQ(outcome.report.count(Reason::NoTranslation), texts.rowCount() - 1);
}

TEST(PoFile, ReadsFuzzyMarksNotesCharsetsAndObsoleteEntries)
{
    const QByteArray po = "\xEF\xBB\xBF# a comment\n"
                          "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=ISO-8859-1\\n\"\n\n"
                          "# Gr\xFC\xDF" "e\n#, fuzzy\nmsgctxt \"3\"\nmsgid \"Three\"\nmsgstr \"Dr\xE9i\"\n\n"
                          "msgctxt \"4\"\nmsgid \"\\tFour \\\\0\"\nmsgstr \"\"\n\n"
                          "#~ msgctxt \"5\"\n#~ msgid \"Five\"\n#~ msgstr \"F\xFCnf\"\n";
    const auto read = PoFile::read(po, "t.po");
    ASSERT_TRUE(read.ok()) << read.error().text();
    EXPECT_EQ(read->codePage, 0) << "the header names none";
    const QList<ExchangeEntry> &entries = read->entries;
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(entries[0].row, "3");
    EXPECT_EQ(entries[0].translation, QString::fromUtf8("Dr\xC3\xA9i"));
    EXPECT_TRUE(entries[0].needsReview);
    EXPECT_EQ(entries[0].note, QString::fromUtf8("Gr\xC3\xBC\xC3\x9F" "e"));
    EXPECT_EQ(entries[1].source, "\tFour \\0") << "an escaped backslash before a 0 is no NUL";
    EXPECT_FALSE(entries[1].needsReview);
    EXPECT_FALSE(entries[1].obsolete);
    EXPECT_TRUE(entries[2].obsolete);
    EXPECT_EQ(entries[2].row, "5");
}

TEST(PoFile, AMalformedFileIsAnErrorNamingFileLineAndRow)
{
    const QByteArray header = "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n\n";
    const struct {
        QByteArray file;
        const char *error;
    } cases[] = {
        {"msgctxt \"1\"\nmsgid \"a\nmsgstr \"b\"\n", "t.po: line 3: "},
        {"msgctxt \"1\"\nmsgid \"a\"\nmsgstr \"b\"\n\nmsgctxt \"1\"\nmsgid \"a\"\nmsgstr \"c\"\n", "t.po: line 6: "},
        {header + "msgctxt \"1\"\nmsgid \"a\"\nmsgstr \"\xFF\"\n", "t.po: line 6: "},
        {"msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=X-NONE\\n\"\n", "t.po: its charset X-NONE is not one"},
        {header + QByteArray("msgctxt \"7\"\nmsgid \"Quit\"\nmsgstr \"Be\0enden\"\n", 43),
         "t.po: line 6: the text of row 7 holds a NUL byte, where the game's text would end; remove it"},
        {header + "msgctxt \"8\"\nmsgid \"Quit\"\nmsgstr \"\"\n\"Be\\0enden\"\n",
         "t.po: line 7: the text of row 8 holds a NUL byte"},
        {header + "msgctxt \"9\"\nmsgid \"Quit\"\nmsgstr \"Be\\x00 enden\"\n", "t.po: line 6: the text of row 9 holds a NUL"},
        {header + "msgctxt \"3\"\nmsgid \"%d day\"\nmsgid_plural \"%d days\"\nmsgstr[0] \"%d Tag\"\nmsgstr[1] \"%d Tage\"\n",
         "t.po: the entry of row \"3\" has plural forms (msgid_plural); the game's texts have none"},
    };
    for (const auto &c : cases) {
        const auto read = PoFile::read(c.file, "t.po");
        ASSERT_FALSE(read.ok()) << c.error;
        EXPECT_EQ(read.error().text().rfind(c.error, 0), 0u) << read.error().text();
    }
}

// gettext's own validator accepts what the kit exports, and checks the
// printf codes of every translated entry.
TEST(PoFile, MsgfmtCheckPassesAnExportAndCatchesADroppedPlaceholder)
{
    QTemporaryDir scratch;
    const QDir dir(scratch.path());
    for (int codePage : {874, 1251, 1252}) {
        TextTable texts = textTable(sampleSources(), sampleSources());
        texts.setTranslation(1, "\xC0\xE9 \"quoted\" \\ back\tslash\r\n\x01");
        texts.setTranslation(2, "%d \xC0\xE9 %s");
        const QString name = QStringLiteral("texts%1.po").arg(codePage);
        ASSERT_TRUE(writeFile(dir.filePath(name), exportPo(texts, codePage, QStringLiteral("xx"))));
        const ToolRun clean = runTool(QStringLiteral("msgfmt"), {"--check", "-o", "/dev/null", name}, dir);
        if (clean.exitCode == -1)
            GTEST_SKIP() << "msgfmt is not installed (Debian package gettext)";
        EXPECT_EQ(clean.exitCode, 0) << codePage << ": " << clean.output.toStdString();
        EXPECT_EQ(clean.output, QByteArray()) << codePage << ": no warning either";
    }
    TextTable texts = textTable(sampleSources(), sampleSources());
    texts.setTranslation(2, "Gold for %s");
    ASSERT_TRUE(writeFile(dir.filePath("dropped.po"), exportPo(texts, 1252, QStringLiteral("de"))));
    const ToolRun dropped = runTool(QStringLiteral("msgfmt"), {"--check", "-o", "/dev/null", "dropped.po"}, dir);
    EXPECT_NE(dropped.exitCode, 0);
    EXPECT_TRUE(dropped.output.contains("dropped.po:")) << dropped.output.toStdString();
}

// The placeholder check and the PO writer's c-format flag read one printf
// grammar: an entry is marked when every '%' of its source starts a code the
// check compares, at least one not %%, and gettext accepts every mark.
TEST(PoFile, CFormatFlagAgreesWithThePlaceholderCheck)
{
    struct Case {
        QByteArray source;
        QString codes; // as the check names them
        bool cFormat;
    };
    const Case cases[] = {
        {"%d gold for %s", "\"%d %s\"", true},
        {"%-5d pts, %05.1f%%", "\"%-5d %05.1f %%\"", true},
        {"%lld of %hu, %*.*f", "\"%lld %hu %*.*f\"", true},
        {"100%% sure", "\"%%\"", false},         // nothing but %%
        {"100% complete", "none", false},        // a percent and a word, no "% c"
        {"% d left", "none", false},             // a space is no flag
        {"50% off, %d left", "\"%d\"", false},   // gettext would read "% o"
        {"%5% and %hhd and %o", "none", false},  // codes gettext knows, the kit not
    };
    QList<ExchangeEntry> entries;
    for (const Case &c : cases) {
        QList<TextFinding> findings;
        TextChecker(TextCodePages(1252)).check(0, c.source, "Text", findings);
        const auto placeholders = std::find_if(findings.begin(), findings.end(),
                                               [](const TextFinding &f) { return f.check == "placeholders"; });
        const QString message = placeholders == findings.end() ? QString() : placeholders->message;
        const QString expected =
            c.codes == "none" ? QString() : "placeholders in the original: " + c.codes + "; in the translation: none";
        EXPECT_EQ(message, expected) << c.source.toStdString();
        const QString source = QString::fromLatin1(c.source);
        entries.append({QString::number(entries.size() + 1), source, source + QStringLiteral(" (de)")});
        entries.last().translated = true;
    }
    const QByteArray po = exportPo(entries, 1252, QStringLiteral("de"));
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QByteArray context = "#: kvtexts.dat:" + QByteArray::number(i + 1) + "\n";
        const qsizetype at = po.indexOf(context);
        ASSERT_GE(at, 0);
        EXPECT_EQ(po.sliced(at, po.indexOf("msgid", at) - at).contains("#, c-format\n"), cases[i].cFormat)
            << cases[i].source.toStdString();
    }
    QTemporaryDir scratch;
    const QDir dir(scratch.path());
    ASSERT_TRUE(writeFile(dir.filePath("codes.po"), po));
    const ToolRun check = runTool(QStringLiteral("msgfmt"), {"--check", "-o", "/dev/null", "codes.po"}, dir);
    if (check.exitCode == -1)
        GTEST_SKIP() << "msgfmt is not installed (Debian package gettext)";
    EXPECT_EQ(check.exitCode, 0) << check.output.toStdString();
}

// An entry is found by its source: the row is a reference, msgctxt only
// tells apart the rows of one source, a row with an empty source is left
// out, a row done as it is goes out translated, and an untranslated row's
// note and mark come back. Imported into the next game version's kit (a
// text inserted at the front, rows moved), each entry lands where its
// source stands; the one whose context no longer says which row is
// reported, not guessed.
TEST(PoFile, EntriesAreFoundBySourceAndContextWhereverTheirRowsMoved)
{
    TextTable older = textTable({"OK", "Save game?", "OK", "", "Quit", "OK", "Name"},
                                {"In Ordnung", "Save game?", "Gut", "Leer", "Beenden", "OK", "Name"});
    ReviewMarks marks;
    marks.setMark(1, {.needsReview = true, .done = false, .note = QStringLiteral("Ask the team")});
    marks.setMark(6, {.needsReview = false, .done = true, .note = {}});
    const QByteArray po = exportPo(TextExchange::entries(older, marks, TextCodePages(1252)), 1252, QStringLiteral("de"));
    const QByteArray limit = "#. At most 200 bytes in code page 1252.\n";
    EXPECT_TRUE(po.endsWith("\"X-Orvanta-Codepage: 1252\\n\"\n\n"
                            + limit + "#: kvtexts.dat:1\nmsgctxt \"first\"\nmsgid \"OK\"\nmsgstr \"In Ordnung\"\n\n"
                            "# Ask the team\n" + limit + "#: kvtexts.dat:2\n#, fuzzy\nmsgid \"Save game?\"\nmsgstr \"\"\n\n"
                            + limit + "#: kvtexts.dat:3\nmsgctxt \"after: Save game?\"\nmsgid \"OK\"\nmsgstr \"Gut\"\n\n"
                            + limit + "#: kvtexts.dat:5\nmsgid \"Quit\"\nmsgstr \"Beenden\"\n\n"
                            + limit + "#: kvtexts.dat:6\nmsgctxt \"after: Quit\"\nmsgid \"OK\"\nmsgstr \"\"\n\n"
                            + limit + "#: kvtexts.dat:7\nmsgid \"Name\"\nmsgstr \"Name\"\n"))
        << po.toStdString();

    const auto read = PoFile::read(po, "t.po");
    ASSERT_TRUE(read.ok()) << read.error().text();
    const TextTable updated = textTable({"New text", "Quit", "OK", "Save game?", "OK", "", "OK", "Name"},
                                        {"New text", "Quit", "OK", "Save game?", "OK", "", "OK", "Name"});
    const TextImport::Outcome outcome = TextImport::compute(read->entries, updated, TextCodePages(1252));
    const ImportReport &report = outcome.report;
    TextTable imported = updated;
    ReviewMarks importedMarks;
    TextImport::apply(outcome, imported, importedMarks);
    EXPECT_EQ(imported.row(1).translation, "Beenden");
    EXPECT_EQ(imported.row(2).translation, "OK") << "\"after: Quit\" stands here, untranslated";
    EXPECT_EQ(imported.row(4).translation, "Gut") << "\"after: Save game?\" stands here";
    EXPECT_EQ(imported.row(6).translation, "OK") << "the first OK follows another text now";
    EXPECT_EQ(importedMarks.mark(3), (ReviewMarks::Mark{true, false, QStringLiteral("Ask the team")}));
    EXPECT_EQ(importedMarks.mark(7), (ReviewMarks::Mark{false, true, {}}));
    EXPECT_EQ(importedMarks.rows().size(), 2);
    EXPECT_EQ(report.count(Reason::SeveralRows), 1);
    EXPECT_EQ(report.firstRows(Reason::SeveralRows), QStringList{"1"});
    EXPECT_EQ(report.firstRows(Reason::Moved),
              (QStringList{"4 (from 2)", "5 (from 3)", "2 (from 5)", "8 (from 7)"}));
    EXPECT_EQ(report.changed(), 4);
}

// A translated kit's PO, msgmerge'd onto the template of a game update with a
// text inserted at row 2 (every row after it moved by one), a text reworded
// and one removed: every unchanged translation arrives translated and
// unmarked (gettext finds it by its source and context, exactly), the two
// rows of one source each keep their own, gettext's guess for the reworded
// text comes in marked needs review, the obsolete entry is counted and
// never applied.
TEST(PoFile, AnExportMergedByMsgmergeOntoANewTemplateImportsEveryTranslation)
{
    QList<QByteArray> oldSources, translations;
    for (int i = 0; i < 30; ++i) {
        oldSources.append("The castle gate number " + QByteArray::number(i + 1) + " is closed");
        translations.append("Das Burgtor Nummer " + QByteArray::number(i + 1) + " ist zu");
    }
    oldSources[5] = "%d arrows left";
    translations[5] = "%d Pfeile \xFC" "brig";
    oldSources[15] = oldSources[25] = "Back";
    translations[15] = "Zur\xFC" "ck";
    translations[25] = "Zur\xFC" "ck!";
    const TextTable older = textTable(oldSources, translations);
    QList<QByteArray> newSources = oldSources;
    newSources.insert(1, "A new text of the update");
    newSources[11] = "The castle gate number 11 is closed now"; // reworded (old row 11)
    newSources.removeAt(21); // old row 21 is gone
    const TextTable updated = textTable(newSources, newSources);

    QTemporaryDir scratch;
    const QDir dir(scratch.path());
    ASSERT_TRUE(writeFile(dir.filePath("old.po"), exportPo(older, 1252, QStringLiteral("de"))));
    ASSERT_TRUE(writeFile(dir.filePath("new.pot"),
                          exportPo(TextExchange::entries(updated, ReviewMarks(), TextCodePages(1252)), 1252, {}, true)));
    const ToolRun merge = runTool(QStringLiteral("msgmerge"), {"--quiet", "-o", "merged.po", "old.po", "new.pot"}, dir);
    if (merge.exitCode == -1)
        GTEST_SKIP() << "msgmerge is not installed (Debian package gettext)";
    ASSERT_EQ(merge.exitCode, 0) << merge.output.toStdString();
    const ToolRun statistics =
        runTool(QStringLiteral("msgfmt"), {"--statistics", "-o", "/dev/null", "merged.po"}, dir);
    EXPECT_EQ(statistics.output, "28 translated messages, 1 fuzzy translation, 1 untranslated message.\n");

    const auto read = PoFile::read(readFile(dir.filePath("merged.po")), "merged.po");
    ASSERT_TRUE(read.ok()) << read.error().text();
    const TextImport::Outcome outcome = TextImport::compute(read->entries, updated, TextCodePages(1252));
    const ImportReport &report = outcome.report;
    EXPECT_FALSE(report.anyRefused());
    TextTable imported = updated;
    ReviewMarks marks;
    TextImport::apply(outcome, imported, marks);
    for (int old = 0; old < oldSources.size(); ++old) {
        const int row = old == 0 ? 0 : old < 20 ? old + 1 : old; // a text inserted at row 2, old row 21 gone
        if (old == 20 || old == 10)
            continue;
        EXPECT_EQ(imported.row(row).translation, translations[old]) << "row " << row + 1;
        EXPECT_FALSE(marks.needsReview(row)) << "row " << row + 1;
    }
    EXPECT_EQ(imported.row(1).translation, "A new text of the update") << "new: untranslated";
    EXPECT_EQ(imported.row(11).translation, translations[10]);
    EXPECT_TRUE(marks.needsReview(11)) << "reworded: gettext's guess, for review";
    EXPECT_EQ(report.firstRows(Reason::NeedsReview), QStringList{"12"});
    EXPECT_EQ(report.count(Reason::Moved), 0) << "the references are the new rows";
    EXPECT_EQ(report.count(Reason::Obsolete), 1) << report.lines(1252).join('\n').toStdString();
    EXPECT_EQ(report.changed(), 29) << report.lines(1252).join('\n').toStdString();
}
