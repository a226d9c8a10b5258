#include "core/ArchiveEntry.h"
#include "core/ArchiveWriter.h"

#include <gtest/gtest.h>

using namespace orvanta;

namespace {

std::string bytes(std::initializer_list<int> values)
{
    std::string out;
    for (int v : values)
        out.push_back(static_cast<char>(v));
    return out;
}

} // namespace

TEST(ArchiveFormat, EmptyArchiveIsFourZeroBytes)
{
    auto archive = ArchiveWriter::write({});
    ASSERT_TRUE(archive.ok());
    EXPECT_EQ(*archive, bytes({0, 0, 0, 0}));
}

TEST(ArchiveFormat, TwoEntriesByteForByte)
{
    const std::string texts(402, 'T');
    const std::string font(16, 'F');
    auto archive = ArchiveWriter::write({{"texts.dat", texts}, {"FONT.SPR", font}});
    ASSERT_TRUE(archive.ok());

    std::string expected = bytes({2, 0, 0, 0});
    expected += std::string("TEXTS.DAT") + bytes({0, 0, 0, 0}) + bytes({0x92, 0x01, 0, 0}) + bytes({0x2E, 0, 0, 0});
    expected += std::string("FONT.SPR") + bytes({0, 0, 0, 0, 0}) + bytes({0x10, 0, 0, 0}) + bytes({0xC0, 0x01, 0, 0});
    expected += texts + font;
    EXPECT_EQ(archive->size(), 464u);
    EXPECT_EQ(*archive, expected);
}

TEST(ArchiveFormat, ZeroSizeEntrySharesTheNextOffset)
{
    auto entries = ArchiveWriter::layout({{"A.DAT", 5}, {"EMPTY.DAT", 0}, {"B.DAT", 7}});
    ASSERT_TRUE(entries.ok());
    const std::uint32_t start = 4 + 21 * 3;
    EXPECT_EQ((*entries)[0], (ArchiveEntry{"A.DAT", 5, start}));
    EXPECT_EQ((*entries)[1], (ArchiveEntry{"EMPTY.DAT", 0, start + 5}));
    EXPECT_EQ((*entries)[2], (ArchiveEntry{"B.DAT", 7, start + 5}));
}

TEST(ArchiveFormat, UpperCasesOnlyAsciiLetters)
{
    EXPECT_EQ(ArchiveEntry::upperName("fontsize.dat"), "FONTSIZE.DAT");
    EXPECT_EQ(ArchiveEntry::upperName("a_b-1\xE9.x"), "A_B-1\xE9.X");
}

TEST(ArchiveFormat, WriterRefusesNamesThatDoNotFitTheField)
{
    struct Case {
        std::string name;
        std::string message;
    };
    const Case cases[] = {
        {"FONTSIZE.DATX", "13 characters; an archive entry name holds at most 12"},
        {"", "needs a name"},
        {std::string("A\0B", 3), "NUL"},
    };
    for (const Case &c : cases) {
        auto entries = ArchiveWriter::layout({{c.name, 1}});
        ASSERT_FALSE(entries.ok()) << c.name;
        EXPECT_NE(entries.error().text().find(c.message), std::string::npos) << entries.error().text();
    }
    EXPECT_TRUE(ArchiveWriter::layout({{"FONTSIZE.DAT", 1}}).ok());
}

TEST(ArchiveFormat, WriterRefusesArchivesPastFourGigabytes)
{
    auto entries = ArchiveWriter::layout({{"A", 0xFFFFFF00u}, {"B", 0x1000}});
    ASSERT_FALSE(entries.ok());
    EXPECT_NE(entries.error().text().find("4 GiB"), std::string::npos);
}
