#include "InMemoryTexts.h"
#include "exchange/TextExchange.h"
#include "exchange/TextImport.h"
#include "io/FileSaver.h"
#include "texts/CodePage.h"
#include "texts/TextCodePages.h"
#include "texts/ReviewMarks.h"
#include "texts/TextTable.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace orvanta;
using Reason = ImportReport::Reason;

namespace {

// Texts up to the first fixed row (index 1415, grid row 1416).
TextTable sampleTable()
{
    QList<QByteArray> sources, translations;
    for (int i = 0; i < 1416; ++i) {
        sources.append("Text " + QByteArray::number(i + 1));
        translations.append(sources.last());
    }
    sources[1] = translations[1] = "No";
    translations[1] = "Nein";
    sources[1415] = translations[1415] = "%d keys";
    return textTable(sources, translations);
}

QString source(int row)
{
    return QStringLiteral("Text %1").arg(row);
}

} // namespace

TEST(TextImport, EachEntryIsImportedSkippedOrRefusedForItsReason)
{
    const TextTable texts = sampleTable();
    const TextCodePages cp1252(1252);
    ExchangeEntry fuzzy{"4", source(4), "Vier"};
    fuzzy.needsReview = true;
    fuzzy.note = QStringLiteral("Check the gender");
    ExchangeEntry noRow{"", "x", "y"};
    noRow.line = 12;
    ExchangeEntry obsolete{"14", source(14), "Vierzehn"};
    obsolete.obsolete = true;
    const QList<ExchangeEntry> entries{
        {"1", source(1), "Eins"},
        {"2", "No", "Nein"},
        {"3", "Text 3 changed", "Drei"},
        fuzzy,
        {"5", source(5), ""},
        {"1417", "x", "y"},
        {"abc", "x", "y"},
        noRow,
        {"05", "x", "f\u00fcnf"},
        {" 5", "x", "f\u00fcnf"},
        {"+5", "x", "f\u00fcnf"},
        {"12", source(13), "Dreizehn"},
        obsolete,
        {"1", source(1), "Ein"},
        {"6", source(6), "\u0416uk"},
        {"7", source(7), QString::fromUtf16(u"a\u0000b", 3)},
        {"8", source(8), QString(201, QLatin1Char('x'))},
        {"9", source(9), QString::fromUtf8("smile \xF0\x9F\x98\x80")},
        {"1416", "%d keys", "%d Tasten"},
        {"10", source(10), "  zehn  "},
        {"11", source(11), QString(200, QChar(0xE9))},
    };
    const TextImport::Outcome outcome = TextImport::compute(entries, texts, cp1252);

    ASSERT_EQ(outcome.changes.size(), 6);
    EXPECT_EQ(outcome.changes[0].row, 0);
    EXPECT_EQ(outcome.changes[0].text, "Eins");
    EXPECT_EQ(outcome.changes[1].row, 3);
    EXPECT_EQ(outcome.changes[1].text, "Vier") << "a fuzzy translation is imported";
    EXPECT_EQ(outcome.changes[2].row, 12) << "the source moved from row 12 to row 13";
    EXPECT_EQ(outcome.changes[3].row, 1415);
    EXPECT_EQ(outcome.changes[3].text, "%d Tasten");
    EXPECT_EQ(outcome.changes[4].row, 9);
    EXPECT_EQ(outcome.changes[4].text, "  zehn  ") << "spaces are kept";
    EXPECT_EQ(outcome.changes[5].text, QByteArray(200, '\xE9')) << "200 bytes fit";
    ASSERT_EQ(outcome.marks.size(), 1) << "row 1's file says it needs no review, as the kit has it";
    EXPECT_EQ(outcome.marks[0].row, 3);
    EXPECT_EQ(outcome.marks[0].mark, (ReviewMarks::Mark{true, false, QStringLiteral("Check the gender")}));

    const ImportReport &report = outcome.report;
    EXPECT_EQ(report.changed(), 6);
    EXPECT_EQ(report.unchanged(), 1);
    const struct {
        Reason reason;
        QStringList rows;
    } expected[] = {
        {Reason::SourceChanged, {"3"}},
        {Reason::NoTranslation, {"5"}},
        {Reason::Obsolete, {"14"}},
        {Reason::UnknownRow, {"1417", "abc", "(none, line 12)", "05", " 5", "+5"}},
        {Reason::RepeatedRow, {"1"}},
        {Reason::NotInCodePage, {"6 ('\u0416' U+0416)", "7 (U+0000)", QString::fromUtf8("9 ('\xF0\x9F\x98\x80' U+1F600)")}},
        {Reason::TooLong, {"8 (201 bytes)"}},
        {Reason::Moved, {"13 (from 12)"}},
        {Reason::NeedsReview, {"4"}},
        {Reason::ResetAtSave, {"1416"}},
    };
    for (const auto &e : expected) {
        EXPECT_EQ(report.firstRows(e.reason), e.rows) << int(e.reason);
        EXPECT_EQ(report.count(e.reason), e.rows.size()) << int(e.reason);
    }
    EXPECT_TRUE(report.anyRefused());
    EXPECT_EQ(report.lines(1252).join(QLatin1Char('\n')),
              QString::fromUtf8("6 translations changed, 1 unchanged\n"
                                "skipped, the source text is not the kit's (the game's texts changed): 1 (row 3)\n"
                                "skipped, no translation: 1 (row 5)\n"
                                "skipped, obsolete entries (#~) of texts that are gone: 1 (row 14)\n"
                                "skipped, no such row in the kit: 6 (rows 1417, abc, (none, line 12), 05,  5, +5)\n"
                                "skipped, the row came earlier in the file: 1 (row 1)\n"
                                "refused, a character code page 1252 cannot hold: 3 (rows 6 ('\u0416' U+0416), 7 (U+0000), "
                                "9 ('\xF0\x9F\x98\x80' U+1F600))\n"
                                "refused, longer than 200 bytes: 1 (row 8 (201 bytes))\n"
                                "imported where the source text stands now (it moved from the row the file names): 1 "
                                "(row 13 (from 12))\n"
                                "imported, marked needs review (fuzzy): 1 (row 4)\n"
                                "imported, but reset to the original text at every save: 1 (row 1416)"));

    TextTable applied = texts;
    ReviewMarks marks;
    TextImport::apply(outcome, applied, marks);
    EXPECT_EQ(applied.row(0).translation, "Eins");
    EXPECT_EQ(applied.row(1).translation, "Nein");
    EXPECT_EQ(applied.row(9).translation, "  zehn  ");
    EXPECT_EQ(applied.row(12).translation, "Dreizehn");
    EXPECT_TRUE(marks.needsReview(3)) << "the fuzzy entry's mark is applied with its translation";
}

TEST(TextImport, ManyEntriesOfOneReasonKeepTheFirstRows)
{
    const TextTable texts = sampleTable();
    QList<ExchangeEntry> entries;
    for (int row = 1; row <= 20; ++row)
        entries.append({QString::number(row), "changed", "x"});
    const ImportReport report = TextImport::compute(entries, texts, TextCodePages(1252)).report;
    EXPECT_EQ(report.lines(1252).last(),
              "skipped, the source text is not the kit's (the game's texts changed): 20 (rows 1, 2, 3, 4, 5, 6, 7, 8 "
              "and 12 more)");
}

// Export to a file, then import what was exported, for every format and for
// two code pages with texts outside ASCII: nothing changes, marks and notes
// included; an edited translation comes back as the code page's bytes.
TEST(TextExchange, WhatIsExportedImportsUnchangedInEveryFormatAndCodePage)
{
    const struct {
        int codePage;
        QByteArray translated; // row 2's translation, in the code page
        QString edited;
        QByteArray editedBytes;
    } pages[] = {
        {1251, "\xCF\xF0\xE8\xE2\xE5\xF2, \"\xEC\xE8\xF0\"", QString::fromUtf8("\xD0\x9F\xD0\xBE\xD0\xBA\xD0\xB0"),
         "\xCF\xEE\xEA\xE0"},
        {1252, "Gr\xFC\xDF" "e, \"Welt\"", QString::fromUtf8("Tsch\xC3\xBC\xC3\x9F"), "Tsch\xFC\xDF"},
    };
    for (const auto &page : pages) {
        // Sources in the game's code page, translations in the page's.
        const TextCodePages codePages(page.codePage);
        const CodePage &codePage = codePages.translation();
        const TextTable texts = textTable({"Hello", "Hello, \"world\"", "  spaced  ", "\xC0\xE0"},
                                          {"Hello", page.translated, "  spaced  ", "\xC0\xE0"});
        QList<ExchangeEntry> exported = TextExchange::entries(texts, ReviewMarks(), codePages);
        exported[1].needsReview = true;
        exported[1].note = QStringLiteral("two\nlines, \"quoted\"");
        for (const auto &[format, suffix] : {std::pair{TextFormat::Id::Csv, "csv"}, std::pair{TextFormat::Id::Po, "po"},
                                             std::pair{TextFormat::Id::Xliff, "xlf"}}) {
            const std::string what = std::to_string(page.codePage) + ' ' + suffix;
            const auto file = TextExchange::write(format, exported, {page.codePage, {}, QDateTime::currentDateTimeUtc()},
                                                  QStringLiteral("t"));
            ASSERT_TRUE(file.ok()) << what << ": " << file.error().text();
            QTemporaryDir dir;
            const QString path = dir.filePath(QStringLiteral("t.") + QLatin1String(suffix));
            ASSERT_TRUE(FileSaver::save(path, *file).ok());
            const auto read = TextExchange::read(path);
            ASSERT_TRUE(read.ok()) << what << ": " << read.error().text();
            const QList<ExchangeEntry> *entries = &read->entries;
            ASSERT_EQ(entries->size(), 4) << what;
            EXPECT_EQ((*entries)[1].translation, codePage.decode(page.translated)) << what;
            EXPECT_TRUE((*entries)[1].needsReview) << what;
            EXPECT_EQ((*entries)[1].note, exported[1].note) << what;
            EXPECT_EQ((*entries)[2].source, "  spaced  ") << what;

            ReviewMarks marks;
            marks.setMark(1, {true, false, exported[1].note});
            const TextImport::Outcome same = TextImport::compute(*entries, texts, codePages, marks);
            EXPECT_TRUE(same.changes.isEmpty()) << what;
            EXPECT_TRUE(same.marks.isEmpty()) << what;
            EXPECT_FALSE(same.report.anyRefused()) << what;

            QList<ExchangeEntry> edited = *entries;
            edited[1].translation = page.edited;
            const TextImport::Outcome changed = TextImport::compute(edited, texts, codePages, marks);
            ASSERT_EQ(changed.changes.size(), 1) << what;
            EXPECT_EQ(changed.changes[0].row, 1) << what;
            EXPECT_EQ(changed.changes[0].text, page.editedBytes) << what;
        }
    }
}

// A row name of any length (a resname of 16 million digits) is echoed cut,
// the rest counted, so the report stays a few lines.
TEST(TextImport, ALongRowNameIsEchoedCutAndCounted)
{
    const QString row(100000, QLatin1Char('7'));
    const auto outcome = TextImport::compute({{row, QStringLiteral("x"), QStringLiteral("y")}}, sampleTable(), TextCodePages(1252));
    EXPECT_EQ(outcome.report.lines(1252).value(1),
              "skipped, no such row in the kit: 1 (row " + QString(40, QLatin1Char('7'))
                  + QStringLiteral("... (99960 more characters))"));
}
