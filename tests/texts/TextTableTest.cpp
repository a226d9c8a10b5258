#include "InMemoryTexts.h"
#include "texts/TextFile.h"
#include "texts/TextTable.h"

#include <gtest/gtest.h>

#include <memory>


using namespace orvanta;

namespace {

TextTable load(const std::vector<ArchiveWriter::NamedData> &lang, const std::vector<ArchiveWriter::NamedData> &kvmain)
{
    TextTable table;
    loadTexts(table, lang, kvmain);
    return table;
}

std::string str(QByteArrayView bytes)
{
    return std::string(bytes.data(), std::size_t(bytes.size()));
}

} // namespace

TEST(TextFile, RecordArithmetic)
{
    EXPECT_EQ(TextFile::recordCount(0), 0);
    EXPECT_EQ(TextFile::recordCount(201), 0);
    EXPECT_EQ(TextFile::recordCount(202), 1);
    EXPECT_EQ(TextFile::recordCount(2 + 200 * 3 + 150), 3);
    EXPECT_EQ(TextFile::read(QByteArray::fromStdString(textFile({"a", "b", "c"}, 150))), (QList<QByteArray>{"a", "b", "c"}));
}

TEST(TextFile, RecordsHoldTheFirst200BytesAndZeros)
{
    const QByteArray t199(199, 'a'), t200(200, 'b'), t250(250, 'c');
    const QByteArray file = TextFile::write({t199, t200, t250, "  spaced  "});
    ASSERT_EQ(file.size(), 2 + 4 * 200);
    EXPECT_EQ(file.left(2), QByteArray("\xC8\x00", 2));
    EXPECT_EQ(file.mid(2, 200), t199 + QByteArray(1, '\0'));
    EXPECT_EQ(file.mid(202, 200), t200);
    EXPECT_EQ(file.mid(402, 200), t250.left(200));
    EXPECT_EQ(TextFile::read(file), (QList<QByteArray>{t199, t200, t250.left(200), "  spaced  "}))
        << "a record without a zero byte reads as 200 characters; spaces are kept";
}

TEST(TextTable, TranslationsFollowTheSourceRecords)
{
    const TextTable table = load({{"TEXTS.DAT", textFile({"Eins"})}},
                                 {{"KVTEXTS.DAT", textFile({"One", "Two", "Three"})}});
    ASSERT_EQ(table.rowCount(), 3);
    EXPECT_EQ(str(table.row(0).translation), "Eins");
    EXPECT_EQ(str(table.row(1).source), "Two");
    EXPECT_EQ(str(table.row(1).translation), "Two");
    EXPECT_EQ(str(table.row(2).translation), "Three");
}

TEST(TextTable, LookupsPreferLangDatAndDropExtraTranslations)
{
    const TextTable table = load({{"KVTEXTS.DAT", textFile({"new source"})}},
                                 {{"KVTEXTS.DAT", textFile({"old", "sources"})},
                                  {"TEXTS.DAT", textFile({"t1", "t2", "t3"})}});
    ASSERT_EQ(table.rowCount(), 1);
    EXPECT_EQ(str(table.row(0).source), "new source");
    EXPECT_EQ(str(table.row(0).translation), "t1");
    EXPECT_EQ(table.translationFile().toStdString(), textFile({"t1"}));
}

// Under AddressSanitizer (as CI runs every test again) a view that outlived
// the bytes it shows fails here.
TEST(TextTable, ViewsStayValidWhileTheTableOrACopyOfItLives)
{
    auto table = std::make_unique<TextTable>(load({{"TEXTS.DAT", textFile({"Eins", "Two"})}},
                                                  {{"KVTEXTS.DAT", textFile({"One", "Two", "Three"})}}));
    table->setTranslation(2, "Drei");
    const TextTable copy = *table;
    // The original changes every text, loads anew and goes.
    table->setSource(0, "Uno");
    table->setTranslation(0, "Un");
    table->setTranslation(2, "Trois");
    loadTexts(*table, {}, {{"KVTEXTS.DAT", textFile({"x"})}});
    ASSERT_EQ(str(table->row(0).translation), "x");
    table.reset();
    const std::vector<std::pair<std::string, std::string>> expected = {{"One", "Eins"}, {"Two", "Two"},
                                                                       {"Three", "Drei"}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(str(copy.row(i).source), expected[std::size_t(i)].first) << i;
        EXPECT_EQ(str(copy.row(i).translation), expected[std::size_t(i)].second) << i;
    }
    // A translation that equals its source is stored once; changing the
    // source leaves the translation's view as it was.
    TextTable edited = copy;
    const TextTable::Row before = edited.row(1);
    EXPECT_EQ(before.translation.data(), before.source.data());
    edited.setSource(1, "Deux");
    EXPECT_EQ(str(edited.row(1).translation), "Two");
    EXPECT_EQ(str(before.source), "Two");
    EXPECT_EQ(edited.translationFile().toStdString(), textFile({"Eins", "Two", "Drei"}));
}

TEST(TextTable, MissingEntriesGiveAnEmptyTable)
{
    EXPECT_EQ(load({}, {}).rowCount(), 0);
    EXPECT_EQ(load({}, {{"KVTEXTS.DAT", "\xC8"}}).rowCount(), 0);
}

TEST(TextTable, EntriesOfAnyLengthLoadWholeAndIgnoreAPartRecord)
{
    // Record counts around the stream's read-ahead (1310 records end just
    // inside the first 256 KiB, 1311 just past it) and past 2000.
    struct Case {
        int sources, sourceTail, translations, translationTail;
    };
    const Case cases[] = {
        {2345, 150, 1400, 199}, {1311, 199, 1311, 1}, {1310, 0, 2400, 150}, {1, 0, 0, 1}, {3, 150, 1, 0}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.sources << "+" << c.sourceTail << " / " << c.translations << "+"
                                        << c.translationTail);
        QList<QByteArray> sources, translations;
        for (int i = 0; i < c.sources; ++i)
            sources.append("source " + QByteArray::number(i));
        for (int i = 0; i < c.translations; ++i)
            translations.append("translation " + QByteArray::number(i) + QByteArray(i % 7 * 30, '+'));
        const TextTable table = load({{"TEXTS.DAT", textFile(translations, c.translationTail)}},
                                     {{"KVTEXTS.DAT", textFile(sources, c.sourceTail)}});
        ASSERT_EQ(table.rowCount(), c.sources);
        for (int i = 0; i < c.sources; ++i) {
            ASSERT_EQ(table.row(i).source, sources[i]) << "row " << i + 1;
            ASSERT_EQ(table.row(i).translation, i < c.translations ? translations[i].left(200) : sources[i])
                << "row " << i + 1;
        }
    }
}

TEST(TextTable, FixedRecordsAreSavedAsTheirSourceAndLoadBackAsSaved)
{
    QList<QByteArray> texts;
    for (int i = 0; i < 1700; ++i)
        texts.append("src " + QByteArray::number(i));
    TextTable table = load({}, {{"KVTEXTS.DAT", textFile(texts)}});
    table.setTranslation(1415, "typed into row 1416");
    table.setTranslation(1414, "row 1415 is free");
    table.setSource(1610, "edited source of row 1611");
    table.setTranslation(1622, "typed into row 1623");
    table.setTranslation(1623, "row 1624 is free");

    const QList<QByteArray> saved = TextFile::read(table.translationFile());
    ASSERT_EQ(saved.size(), 1700);
    EXPECT_EQ(str(saved[1415]), "src 1415");
    EXPECT_EQ(str(saved[1414]), "row 1415 is free");
    EXPECT_EQ(str(saved[1610]), "edited source of row 1611");
    EXPECT_EQ(str(saved[1622]), "src 1622");
    EXPECT_EQ(str(saved[1623]), "row 1624 is free");
    EXPECT_EQ(str(table.row(1415).translation), "typed into row 1416") << "what is written, not the table, is reset";
    EXPECT_EQ(TextTable::FixedTextRows.front(), 1415);
    EXPECT_EQ(TextTable::FixedTextRows.back(), 1622);

    // The next start: the text a fixed record gave the game comes back as
    // the row's source, so the save after it writes it again.
    TextTable next = load({{"TEXTS.DAT", table.translationFile().toStdString()}}, {{"KVTEXTS.DAT", textFile(texts)}});
    EXPECT_EQ(str(next.row(1610).source), "edited source of row 1611");
    EXPECT_EQ(str(next.row(1610).translation), "edited source of row 1611");
    EXPECT_EQ(str(next.row(1415).source), "src 1415");
    EXPECT_EQ(str(next.row(1414).source), "src 1414") << "a free row keeps its source";
    EXPECT_EQ(next.translationFile(), table.translationFile());

    TextTable small = load({}, {{"KVTEXTS.DAT", textFile({"only"})}});
    EXPECT_EQ(small.translationFile().toStdString(), textFile({"only"})); // fixed rows past the end change nothing
}
