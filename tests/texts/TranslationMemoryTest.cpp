#include "texts/TranslationMemory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace orvanta;

TEST(TranslationMemory, PercentIsOneLessTheEditsOverTheLongerInCharacters)
{
    const struct {
        const char *a;
        const char *b;
        int percent;
    } cases[] = {
        {"Open the door", "Open the door", 100},
        {"Open the door", "Open the doors", 92},      // 1 of 14
        {"Open the door", "open the door", 92},       // case counts
        {"Save game", "Load game", 66},               // 3 of 9: below the least
        {"\u0417\u0430\u043a\u0440\u044b\u0442\u044c", "\u0417\u0430\u043a\u0440\u044b\u0442\u044c!", 87}, // 1 of 8 characters, not bytes
        {"", "", 100},
    };
    for (const auto &c : cases) {
        const QString a = QString::fromUtf8(c.a), b = QString::fromUtf8(c.b);
        const int percent = TranslationMemory::percent(a, b);
        const int least = TranslationMemory::leastPercent(std::max(a.size(), b.size()));
        if (c.percent >= least)
            EXPECT_EQ(percent, c.percent) << c.a << " / " << c.b;
        else
            EXPECT_LT(percent, least) << c.a << " / " << c.b;
    }
}

// "Sell" is not "Well": the shorter the texts, the more alike they must be;
// a fuzzy entry counts below an exact one, and not at all near the floor.
TEST(TranslationMemory, ShortTextsNeedMoreAlikeAndFuzzyEntriesScoreLower)
{
    TranslationMemory memory({
        {"Well", "Brunnen", "a"},
        {"Sell", "Verkaufen", "b"},
        {"Sell!", "Verkaufe!", "c"},                  // 80%: too little for five letters
        {"Sell the goods", "Waren verkaufen", "d"},   // 1 of 14 characters
        {"Sell the boats", "Boote verkaufen", "e", true}, // fuzzy, 3 of 14: 78 - 10
        {"Sell the goods", "Die Waren verkaufen", "f", true}, // fuzzy, identical
        {"Sell a goat", "Ziege verkaufen", "g"},      // too many edits
        {"Sell the foods", "Essen verkaufen", "h"},   // 1 of 14: 92%
    });
    using Match = TranslationMemory::Match;
    EXPECT_EQ(memory.find(u"Sell"), (std::vector<Match>{{1, 100}}));
    EXPECT_EQ(memory.find(u"Sell the goods"), (std::vector<Match>{{3, 100}, {7, 92}, {5, 90}}));
    EXPECT_EQ(TranslationMemory::leastPercent(4), 92);
    EXPECT_EQ(TranslationMemory::leastPercent(8), 84);
    EXPECT_EQ(TranslationMemory::leastPercent(12), 75);
    EXPECT_EQ(TranslationMemory::leastPercent(200), 75);
    // From 12 characters on three edits in twelve still count.
    EXPECT_EQ(TranslationMemory({{"Open the box", "Box", "a"}}).find(u"Open the cat").size(), 1u);
}

TEST(TranslationMemory, FindsEveryEntryAlikeEnoughBestFirst)
{
    TranslationMemory memory({
        {"Open the doors", "Ouvrir les portes", "a"},
        {"Open the door", "Ouvrir la porte", "b"},
        {"Open the door", "", "c"},             // no translation: nothing to suggest
        {"Open his door", "Ouvrir sa porte", "d"},
        {"Open the door now, please", "Vite", "e"}, // too long to be alike
        {"Open the door", "Ouvre la porte", "f"},
    });
    const std::vector<TranslationMemory::Match> found = memory.find(u"Open the door");
    EXPECT_EQ(found, (std::vector<TranslationMemory::Match>{{1, 100}, {5, 100}, {0, 92}, {3, 76}}));
    EXPECT_EQ(memory.find(u"Open the door", 1).front(), (TranslationMemory::Match{5, 100}));
    memory.setTranslation(2, QStringLiteral("Ouvrez la porte"));
    EXPECT_EQ(memory.find(u"Open the door").size(), 5u);
    EXPECT_TRUE(memory.find(u"Something else entirely").empty());
    EXPECT_TRUE(TranslationMemory().find(u"Open").empty());

    // The index finds exactly what comparing with every entry finds.
    std::mt19937 random(5);
    const auto randomText = [&random] {
        QString text;
        const int length = std::uniform_int_distribution<int>(1, 14)(random);
        for (int i = 0; i < length; ++i)
            text += QChar(u"aabbcd e\u0436"[std::uniform_int_distribution<int>(0, 8)(random)]);
        return text;
    };
    QList<TranslationMemory::Entry> entries;
    for (int i = 0; i < 3000; ++i)
        entries.append({randomText(), QString::number(i), QString()});
    const TranslationMemory big(entries);
    for (int query = 0; query < 200; ++query) {
        const QString text = randomText();
        std::vector<TranslationMemory::Match> expected;
        for (int i = 0; i < int(entries.size()); ++i) {
            const int percent = TranslationMemory::percent(text, entries[i].source);
            if (percent >= TranslationMemory::leastPercent(std::max(text.size(), entries[i].source.size())))
                expected.push_back({i, percent});
        }
        std::stable_sort(expected.begin(), expected.end(),
                         [](const auto &a, const auto &b) { return a.percent > b.percent; });
        ASSERT_EQ(big.find(text), expected) << text.toStdString();
        // The best ones alone are the first of all.
        expected.resize(std::min<std::size_t>(expected.size(), 3));
        ASSERT_EQ(big.find(text, -1, 3), expected) << text.toStdString();
    }

    // A source and translation found twice are given once, the first.
    const TranslationMemory twice({{"Yes", "Oui", "a"}, {"Yes", "Oui", "b"}, {"Yes", "Si", "c"}});
    EXPECT_EQ(twice.find(u"Yes"), (std::vector<TranslationMemory::Match>{{0, 100}, {2, 100}}));
}
