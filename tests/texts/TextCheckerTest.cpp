#include "InMemoryTexts.h"
#include "texts/TextChecker.h"
#include "texts/TextReview.h"
#include "texts/TextTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace orvanta;

namespace {

const int Fixed = 1415; // the first fixed record

struct CheckCase {
    const char *what;
    int index;
    QByteArray source;
    QByteArray translation;
    QList<std::pair<QString, QString>> expected; // (check, message)
    int codePage = 1252;
};

QList<std::pair<QString, QString>> run(const CheckCase &c)
{
    QList<TextFinding> findings;
    TextChecker(TextCodePages(c.codePage, c.codePage)).check(c.index, c.source, c.translation, findings);
    QList<std::pair<QString, QString>> result;
    for (const TextFinding &f : findings) {
        EXPECT_EQ(f.index, c.index) << c.what;
        result.append({f.check, f.message});
    }
    return result;
}

// A table of `count` records "Text i", each its own translation.
TextTable untranslatedTable(int count)
{
    QList<QByteArray> texts;
    for (int i = 0; i < count; ++i)
        texts.append("Text " + QByteArray::number(i));
    TextTable table;
    loadTexts(table, {}, {{"KVTEXTS.DAT", textFile(texts)}});
    return table;
}

} // namespace

TEST(TextChecker, WarnsAboutWhatTheGameWouldShowWrongly)
{
    const QByteArray b200(200, 'a');
    const CheckCase cases[] = {
        {"200 bytes fit a record", 0, "Start", b200, {}},
        {"201 bytes lose the last", 0, "Start", b200 + "Z",
         {{"too-long", "201 bytes: the save keeps the first 200 and cuts the last character, \"Z\""}}},
        {"cut characters are decoded and control characters shown", 0, "Start", b200 + "\xC0\t" + QByteArray(50, 'b'),
         {{"too-long", QString::fromUtf8("252 bytes: the save keeps the first 200 and cuts the last 52 characters, "
                                         "\"\u0410\u2409") + QString(38, QLatin1Char('b')) + QString::fromUtf8("\u2026\"")},
          {"control", "the translation holds a tab, which the original does not"}},
         1251},
        {"spaces lost on both sides", 0, " Start ", "\xD1\xF2\xE0\xF0\xF2",
         {{"spaces", "the original starts with 1 space, the translation with no space; "
                     "the original ends with 1 space, the translation with no space"}},
         1251},
        {"leading space lost", 0, " Start", "Beginn", {{"spaces", "the original starts with 1 space, the translation with no space"}}},
        {"trailing tab became a space", 0, "Name:\t", "Nom: ",
         {{"spaces", "the original ends with 1 tab, the translation with 1 space"}}},
        {"mixed runs told in order", 0, "\t  x", "x",
         {{"spaces", "the original starts with 1 tab, 2 spaces, the translation with no space"}}},
        {"spaces kept", 0, " OK ", " Ja ", {}},
        {"%d became %s", 0, "%d gold", "%s Gold",
         {{"placeholders", "placeholders in the original: \"%d\"; in the translation: \"%s\""}}},
        {"%% lost its second %", 0, "%d%%", "%d%",
         {{"placeholders", "placeholders in the original: \"%d %%\"; in the translation: \"%d\""}}},
        {"%% kept, text between codes free", 0, "%d%%", "%d %%", {}},
        {"width dropped", 0, "%-5d pts", "%d Pkt",
         {{"placeholders", "placeholders in the original: \"%-5d\"; in the translation: \"%d\""}}},
        {"flags, width and precision kept", 0, "%-5d pts, %05.1f%%", "Pkt %-5d, %05.1f %%", {}},
        {"order swapped", 0, "%d of %s", "%s: %d",
         {{"placeholders", "placeholders in the original: \"%d %s\"; in the translation: \"%s %d\""}}},
        {"code added", 0, "Gold", "%d Gold",
         {{"placeholders", "placeholders in the original: none; in the translation: \"%d\""}}},
        {"empty translation, only empty", 0, " %d ", "", {{"empty", "the translation is empty where the original is not"}}},
        {"empty record left empty", 0, "", "", {}},
        {"untranslated", 0, " %d gold ", " %d gold ", {}},
        {"fixed record edited", Fixed, "%d gold", "%s Gold",
         {{"fixed", "the translation differs from the original; it is reset to the original text at every save"}}},
        {"fixed record emptied", Fixed, "Ctrl", "",
         {{"fixed", "the translation differs from the original; it is reset to the original text at every save"}}},
        {"fixed record as it is", Fixed, "Ctrl", "Ctrl", {}},
        {"a fixed record saves its source, whose length counts", Fixed, b200 + "Z", b200 + "Z",
         {{"too-long", "201 bytes: the save keeps the first 200 and cuts the last character, \"Z\""}}},
        {"the row before the fixed ones is free", Fixed - 1, "%d gold", "%d Gold", {}},
        {"a word doubled, any case", 0, "The door", "Die die T\xFCr",
         {{"double-word", "\"die\" is written twice in a row"}}},
        {"a doubling the source has too", 0, "Bye bye", "Tschau tschau", {}},
        {"the same word across punctuation is no doubling", 0, "Yes, yes", "Ja. Ja", {}},
        {"a Cyrillic word doubled", 0, "Main menu", "\xC3\xEB\xE0\xE2\xED\xEE\xE5 \xE3\xEB\xE0\xE2\xED\xEE\xE5",
         {{"double-word", QString::fromUtf8("\"\u0433\u043b\u0430\u0432\u043d\u043e\u0435\" is written twice in a row")}},
         1251},
        {"full stop dropped", 0, "Saved.", "Gespeichert",
         {{"punctuation", "the original ends with \".\", the translation with no end punctuation"}}},
        {"question became exclamation", 0, "Quit?", "Beenden!",
         {{"punctuation", "the original ends with \"?\", the translation with \"!\""}}},
        {"colon added", 0, "Name", "Nom :",
         {{"punctuation", "the original ends with no end punctuation, the translation with \":\""}}},
        {"three dots and the ellipsis are one", 0, "Loading\x85", "Laden...", {}},
        {"a double space inside", 0, "New game", "Neues  Spiel",
         {{"double-space", "two spaces in a row inside the translation"}}},
        {"a line break and a tab inside", 0, "New game", "Neues\nSpiel\t1\x01",
         {{"control", "the translation holds a line break, a tab, control character 01, which the original does not"}}},
        {"a line break the source has too", 0, "New\ngame", "Neues\nSpiel", {}},
    };
    for (const CheckCase &c : cases)
        EXPECT_EQ(run(c), c.expected) << c.what;
}

TEST(TextReview, ProgressAndStatesFollowEditsRowByRow)
{
    TextTable table = untranslatedTable(1420); // records 1415..1419 are fixed
    TextChecker checker;
    QList<CheckedText> seen;
    // A check joining the standard ones sees what the save writes.
    checker.addCheck([&seen](const CheckedText &text, QList<TextFinding> &findings) {
        if (text.saved.startsWith("!")) {
            seen.append(text);
            findings.append({text.index, QStringLiteral("bang"), QStringLiteral("starts with !")});
        }
    });
    TextReview review(checker);
    review.reviewAll(table);
    EXPECT_EQ(review.progress(), (TextReview::Progress{0, 1415, 0}));
    EXPECT_EQ(review.state(0), TextReview::State::Untranslated);
    EXPECT_EQ(review.state(1415), TextReview::State::Fixed);

    table.setTranslation(0, "Texte 0");
    table.setTranslation(1, "Texte %d");
    table.setTranslation(2, "");
    table.setTranslation(3, "!Texte 3");
    table.setTranslation(4, "  ");
    table.setTranslation(1416, "Touche");
    for (int index : {0, 1, 2, 3, 4, 1416})
        review.reviewRow(table, index);
    EXPECT_EQ(review.progress(), (TextReview::Progress{3, 1415, 5}));
    EXPECT_EQ(review.state(2), TextReview::State::Untranslated) << "empty";
    EXPECT_EQ(review.state(4), TextReview::State::Untranslated) << "only the spaces the code page let through";
    EXPECT_EQ(review.progress().percent(), 0);
    EXPECT_EQ(review.state(0), TextReview::State::Translated);
    EXPECT_EQ(review.state(1416), TextReview::State::Fixed);
    EXPECT_TRUE(review.hasWarnings(1416));
    EXPECT_FALSE(review.hasWarnings(0));
    QStringList checks;
    for (const TextFinding &f : review.allFindings())
        checks.append(QString::number(f.index + 1) + QLatin1Char(' ') + f.check);
    EXPECT_EQ(checks, (QStringList{"2 placeholders", "3 empty", "4 bang", "5 spaces", "1417 fixed"}));
    ASSERT_EQ(seen.size(), 1);
    EXPECT_EQ(seen[0].index, 3);
    EXPECT_EQ(seen[0].saved, "!Texte 3");

    const struct {
        TextReview::Filter filter;
        int count;
    } filters[] = {{TextReview::Filter::All, 1420},       {TextReview::Filter::Untranslated, 1412},
                   {TextReview::Filter::Translated, 3},   {TextReview::Filter::WithWarnings, 5},
                   {TextReview::Filter::Fixed, 5}};
    for (const auto &f : filters) {
        int count = 0;
        for (int i = 0; i < review.rowCount(); ++i)
            count += review.matches(i, f.filter);
        EXPECT_EQ(count, f.count) << int(f.filter);
    }

    // However the translator types, the totals kept row by row are those
    // of a full review.
    std::mt19937 random(12);
    const QByteArray typed[] = {"", "Texte", " Texte ", "%s", "!x", QByteArray(205, 'x')};
    for (int step = 0; step < 300; ++step) {
        const int index = std::uniform_int_distribution<int>(1410, 1419)(random);
        const QByteArray &text = typed[std::uniform_int_distribution<int>(0, 5)(random)];
        table.setTranslation(index, step % 7 ? text : table.row(index).source.toByteArray());
        review.reviewRow(table, index);
        TextReview full(checker);
        full.reviewAll(table);
        ASSERT_EQ(review.progress(), full.progress()) << "step " << step;
        ASSERT_EQ(review.allFindings(), full.allFindings()) << "step " << step;
    }

    for (int i = 0; i < 1415; ++i)
        table.setTranslation(i, "x");
    review.reviewAll(table);
    EXPECT_EQ(review.progress().percent(), 100);
}

// A translation of nothing but the spaces the code page let through is no
// translation: not to the grid's states, and no other translation to the
// consistency check either.
TEST(TextReview, BlankTranslationsCountAsUntranslatedEverywhere)
{
    QList<QByteArray> sources{"Open", "Open", "Open", "Open"};
    QList<QByteArray> translations{"Ouvrir", "  ", "\t", "Ouvrir"};
    TextTable table = textTable(sources, translations);
    TextReview review;
    review.reviewAll(table);
    const TextReview::State expected[] = {TextReview::State::Translated, TextReview::State::Untranslated,
                                          TextReview::State::Untranslated, TextReview::State::Translated};
    for (int row = 0; row < table.rowCount(); ++row) {
        EXPECT_EQ(review.state(row), expected[row]) << row;
        EXPECT_EQ(table.isTranslated(row), expected[row] == TextReview::State::Translated) << row;
    }
    for (const TextFinding &f : review.allFindings())
        EXPECT_NE(f.check, TextChecker::Inconsistent) << f.index << " " << f.message.toStdString();
}

TEST(TextReview, InconsistentTranslationsOfOneSourceNameTheOtherRows)
{
    // Rows 1-4 and 9 share "Open"; row 5 is untranslated, row 6 empty,
    // row 1416 fixed: none of those counts as another translation.
    QList<QByteArray> sources{"Open", "Open", "Open", "Open", "Open", "Open", "Close", "Close", "Open"};
    QList<QByteArray> translations{"Ouvrir", "Ouvre", "Ouvrir", "Ouvert", "Open", "", "Fermer", "Fermer", "Ouvre"};
    while (sources.size() < 1420) {
        sources.append("Text " + QByteArray::number(sources.size()));
        translations.append(sources.back());
    }
    sources[1415] = "Open";
    translations[1415] = "Ouvrir!";
    TextTable table = textTable(sources, translations);
    TextReview review;
    review.reviewAll(table);
    const auto inconsistent = [&review] {
        QStringList lines;
        for (const TextFinding &f : review.allFindings())
            if (f.check == TextChecker::Inconsistent)
                lines.append(QString::number(f.index + 1) + QLatin1Char(' ') + f.message);
        return lines;
    };
    EXPECT_EQ(inconsistent(), (QStringList{
                                  "1 the same original is translated otherwise in rows 2, 4 and 9",
                                  "2 the same original is translated otherwise in rows 1, 3 and 4",
                                  "3 the same original is translated otherwise in rows 2, 4 and 9",
                                  "4 the same original is translated otherwise in rows 1, 2, 3 and 9",
                                  "9 the same original is translated otherwise in rows 1, 3 and 4",
                              }));

    // Agreeing takes the findings away from every row of the source.
    for (int row : {1, 3, 8}) {
        table.setTranslation(row, "Ouvrir");
        review.reviewRow(table, row);
    }
    EXPECT_TRUE(inconsistent().isEmpty());
    table.setSource(6, "Open"); // "Fermer" now stands beside "Ouvrir"
    review.reviewRow(table, 6);
    EXPECT_EQ(inconsistent().size(), 6);
    EXPECT_EQ(inconsistent().front(), "1 the same original is translated otherwise in row 7");

    // The one-row changes give the findings of a full review, whatever is typed.
    std::mt19937 random(7);
    const QByteArray typed[] = {"Open", "Close", "Ouvrir", "Fermer", "", "Text 12"};
    for (int step = 0; step < 400; ++step) {
        const int index = std::uniform_int_distribution<int>(0, 12)(random);
        const QByteArray &text = typed[std::uniform_int_distribution<int>(0, 5)(random)];
        if (step % 3 == 0)
            table.setSource(index, text);
        else
            table.setTranslation(index, text);
        review.reviewRow(table, index);
        TextReview full;
        full.reviewAll(table);
        ASSERT_EQ(review.allFindings(), full.allFindings()) << "step " << step;
        ASSERT_EQ(review.progress(), full.progress()) << "step " << step;
    }

    // Many rows changed at once (an import) are reviewed together.
    for (int index = 0; index < 13; ++index)
        table.setTranslation(index, typed[index % 4]);
    review.reviewRows(table, 0, 12);
    TextReview full;
    full.reviewAll(table);
    EXPECT_EQ(review.allFindings(), full.allFindings());
    EXPECT_EQ(review.progress(), full.progress());

    // Many rows of one source: the finding names five and counts the rest.
    QList<QByteArray> many(20, "Yes"), answers;
    for (int i = 0; i < 20; ++i)
        answers.append(i < 12 ? "Oui" : "Si");
    TextTable manyTable = textTable(many, answers);
    review.reviewAll(manyTable);
    EXPECT_EQ(review.findings(0).back().message, "the same original is translated otherwise in rows 13, 14, 15, 16, 17 and 3 more");
    EXPECT_EQ(review.findings(19).back().message, "the same original is translated otherwise in rows 1, 2, 3, 4, 5 and 7 more");
    const QList<TextChange> changes = review.consistency().useTranslationForSameSource(manyTable, 0);
    ASSERT_EQ(changes.size(), 8);
    EXPECT_EQ(changes.front().row, 12);
    EXPECT_EQ(changes.front().text, "Oui");
}
