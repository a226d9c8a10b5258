#include "InMemoryTexts.h"
#include "exchange/TextMigration.h"
#include "texts/TextTable.h"

#include <QHash>

#include <gtest/gtest.h>

#include <random>

using namespace orvanta;
using Reason = ImportReport::Reason;

TEST(TextMigration, AddedMovedRewordedAndRemovedTextsEachGetTheirShare)
{
    const QList<QByteArray> oldSources{"New game", "Load the saved game", "Options", "Quit to the desktop",
                                       "The bridge is guarded by three soldiers", "Gold", "Old text"};
    const QList<QByteArray> oldTranslations{"Neues Spiel", "Gespeichertes Spiel laden", "Optionen", "Quit to the desktop",
                                            "Drei Soldaten bewachen die Br\xFC" "cke", "Gold", "Alter Text"};
    const TextTable older = textTable(oldSources, oldTranslations);
    // Two texts added at the front, everything moved, "Options" twice, one
    // reworded, "Old text" removed, one translated in the new kit already.
    const QList<QByteArray> newSources{"Added first", "Added second", "Options", "New game",
                                       "The bridge is guarded by four soldiers", "Options", "Load the saved game",
                                       "Quit to the desktop"};
    QList<QByteArray> newTranslations = newSources;
    newTranslations[6] = "Spiel laden";
    const TextTable texts = textTable(newSources, newTranslations);

    const TextImport::Outcome outcome = TextMigration::compute(older, texts);
    TextTable migrated = texts;
    ReviewMarks marks;
    TextImport::apply(outcome, migrated, marks);
    EXPECT_EQ(migrated.row(2).translation, "Optionen");
    EXPECT_EQ(migrated.row(5).translation, "Optionen") << "every row with the source";
    EXPECT_EQ(migrated.row(3).translation, "Neues Spiel");
    EXPECT_EQ(migrated.row(4).translation, "Drei Soldaten bewachen die Br\xFC" "cke");
    EXPECT_EQ(migrated.row(6).translation, "Spiel laden") << "never overwritten";
    EXPECT_EQ(migrated.row(7).translation, "Quit to the desktop") << "the old row was not translated";
    EXPECT_EQ(migrated.row(0).translation, "Added first");
    ASSERT_EQ(outcome.marks.size(), 1);
    EXPECT_EQ(outcome.marks[0].row, 4);
    EXPECT_TRUE(outcome.marks[0].mark.needsReview);

    const ImportReport &report = outcome.report;
    EXPECT_EQ(report.changed(), 4);
    EXPECT_EQ(report.firstRows(Reason::CarriedForReview), QStringList{"5 (from 5)"});
    EXPECT_EQ(report.firstRows(Reason::NewRow), (QStringList{"1", "2"})) << "row 8 was there, untranslated";
    EXPECT_EQ(report.firstRows(Reason::SourceGone), QStringList{"7"});
    EXPECT_EQ(report.firstRows(Reason::KeptTranslated), QStringList{"7"});
    EXPECT_EQ(report.lines(1252).join('\n'),
              "4 translations changed, 0 unchanged\n"
              "carried for review, the source text changed a little: 1 (row 5 (from 5))\n"
              "new rows, left untranslated: 2 (rows 1, 2)\n"
              "translations of source texts that are gone (rows of the older kit): 1 (row 7)\n"
              "left as they were, translated in this kit already: 1 (row 7)");
}

TEST(TextMigration, SimilarityIsOneLessTheEditsOverTheLongerText)
{
    EXPECT_DOUBLE_EQ(TextMigration::similarity("abcdefghij", "abcdefghij", 0.8), 1.0);
    EXPECT_DOUBLE_EQ(TextMigration::similarity("abcdefghij", "abXdefghiYj", 0.8), 1.0 - 2.0 / 11.0);
    EXPECT_DOUBLE_EQ(TextMigration::similarity("abcdefghij", "abcdefgh", 0.8), 0.8);
    EXPECT_LT(TextMigration::similarity("abcdefghij", "abcdefg", 0.8), 0.8);
    EXPECT_LT(TextMigration::similarity("abcdefghij", "jihgfedcba", 0.8), 0.8);
}

// The search by shared pieces must find what comparing the reworded text
// with every gone source finds: texts of few words, so that most of them
// share pieces, each old one reworded by a few letters or a word.
TEST(TextMigration, FindsTheMostSimilarGoneSourceAsComparingWithEveryOneDoes)
{
    std::mt19937 random(5);
    const QList<QByteArray> words{"the", "gate", "opens", "at", "dawn", "guard", "gold", "sword", "of", "king", "river", "old"};
    const auto sentence = [&] {
        QByteArray text = "The";
        for (int w = 3 + int(random() % 6); w > 0; --w)
            text += ' ' + words[random() % words.size()];
        return text;
    };
    QList<QByteArray> oldSources, oldTranslations, newSources;
    for (int i = 0; i < 300; ++i) {
        oldSources.append(sentence() + ' ' + QByteArray::number(i % 40));
        oldTranslations.append("T" + QByteArray::number(i));
        QByteArray reworded = oldSources.last();
        for (int e = int(random() % 5); e > 0; --e) {
            const int at = int(random() % reworded.size());
            switch (random() % 3) {
            case 0: reworded[at] = char('a' + random() % 26); break;
            case 1: reworded.insert(at, char('a' + random() % 26)); break;
            default: reworded.remove(at, 1);
            }
        }
        newSources.append(i % 7 == 0 ? sentence() + " new" : reworded);
    }
    const TextTable older = textTable(oldSources, oldTranslations);
    const TextTable texts = textTable(newSources, newSources);
    const TextImport::Outcome outcome = TextMigration::compute(older, texts);
    QHash<int, QByteArray> carried;
    for (const TextChange &change : outcome.changes)
        carried.insert(change.row, change.text);

    QList<int> gone; // the first row of each old source this kit has no more
    for (int row = 0; row < older.rowCount(); ++row) {
        if (!newSources.contains(oldSources[row]) && oldSources.indexOf(oldSources[row]) == row)
            gone.append(row);
    }
    int forReview = 0;
    for (int row = 0; row < texts.rowCount(); ++row) {
        if (TextTable::isFixed(row) || oldSources.contains(newSources[row]))
            continue;
        int best = -1;
        double bestSimilarity = TextMigration::Similarity;
        for (int candidate : gone) {
            const double similarity = TextMigration::similarity(newSources[row], oldSources[candidate], 0.0);
            if (similarity > bestSimilarity || (similarity == bestSimilarity && best < 0)) {
                bestSimilarity = similarity;
                best = candidate;
            }
        }
        EXPECT_EQ(carried.value(row), best < 0 ? QByteArray() : oldTranslations[best]) << newSources[row].constData();
        forReview += best >= 0;
    }
    EXPECT_GT(forReview, 150);
    EXPECT_EQ(outcome.report.count(Reason::CarriedForReview), forReview);
}
