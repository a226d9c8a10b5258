#include "core/ArchiveSet.h"
#include "core/ArchiveWriter.h"
#include "core/EntryStream.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <cstring>
#include <limits>
#include <sstream>

using namespace orvanta;

namespace {

std::string archive(const std::vector<ArchiveWriter::NamedData> &files)
{
    auto bytes = ArchiveWriter::write(files);
    EXPECT_TRUE(bytes.ok());
    return bytes.ok() ? *bytes : std::string();
}

void openInMemory(ArchiveSet &set, int slot, const std::string &bytes)
{
    EXPECT_TRUE(set.OpenSlot(slot, std::make_unique<std::istringstream>(bytes), bytes.size(), "mem").empty());
}

std::string entry402()
{
    std::string data(402, '\0');
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<char>(i % 251);
    return data;
}

} // namespace

TEST(EntryStream, SlotZeroComesFirstAndCaseDoesNotMatter)
{
    ArchiveSet set;
    openInMemory(set, 0, archive({{"TEXTS.DAT", "lang"}}));
    openInMemory(set, 1, archive({{"TEXTS.DAT", "kvmain"}, {"KVTEXTS.DAT", "source"}}));
    EntryStream stream(set);
    for (const char *name : {"texts.dat", "TEXTS.DAT", "Texts.Dat"}) {
        stream.Open(name);
        ASSERT_TRUE(stream.found()) << name;
        EXPECT_EQ(stream.slot(), 0);
        EXPECT_EQ(stream.Size(), 4);
    }
    stream.Open("kvtexts.dat");
    ASSERT_TRUE(stream.found());
    EXPECT_EQ(stream.slot(), 1);
    char buffer[6] = {};
    ASSERT_TRUE(stream.Read(buffer, 6));
    EXPECT_EQ(std::string(buffer, 6), "source");
}

TEST(EntryStream, ReadsAreWholeOrNothing)
{
    const std::string data = entry402();
    ArchiveSet set;
    openInMemory(set, 1, archive({{"TEXTS.DAT", data}}));
    EntryStream stream(set);
    stream.Open("texts.dat");

    char buffer[300];
    EXPECT_TRUE(stream.Read(buffer, 2));
    EXPECT_TRUE(stream.Read(buffer, 200));
    EXPECT_FALSE(stream.Read(buffer, 300)) << "300 bytes at position 202 pass the end";
    EXPECT_EQ(stream.position(), 202);
    EXPECT_TRUE(stream.Read(buffer, 200));
    EXPECT_EQ(std::string(buffer, 200), data.substr(202, 200));
    EXPECT_EQ(stream.position(), 402);

    std::memset(buffer, 'z', 2);
    EXPECT_FALSE(stream.Read(buffer, 1));
    EXPECT_EQ(buffer[0], 'z') << "a refused read leaves the buffer alone";
    EXPECT_TRUE(stream.Read(buffer, 0));
    EXPECT_FALSE(stream.Read(buffer, -1));
    EXPECT_FALSE(stream.Read(buffer, std::numeric_limits<std::int64_t>::max())) << "no overflow past the end";
    EXPECT_EQ(stream.position(), 402);
}

TEST(EntryStream, SizeSurvivesAFailedOpenAndStartsAtZero)
{
    ArchiveSet set;
    openInMemory(set, 0, archive({{"TEXTS.DAT", entry402()}}));
    EntryStream stream(set);
    EXPECT_EQ(stream.Size(), 0);
    stream.Open("missing.dat");
    EXPECT_FALSE(stream.found());
    EXPECT_EQ(stream.Size(), 0);

    stream.Open("texts.dat");
    stream.Open("kvtexts.dat");
    EXPECT_FALSE(stream.found());
    EXPECT_EQ(stream.Size(), 402);
    char buffer[2];
    EXPECT_FALSE(stream.Read(buffer, 2));
}

TEST(EntryStream, AFileCutShortGivesWhatItHoldsAndNothingAfter)
{
    std::string bytes = archive({{"A", "12"}, {"B", "3456"}, {"C", "78"}});
    bytes.resize(bytes.size() - 4); // B keeps "34"; C would start at the end
    ArchiveSet set;
    const auto problems =
        set.OpenSlot(0, std::make_unique<std::istringstream>(bytes), bytes.size(), "lang.dat");
    ASSERT_EQ(problems.size(), 2u);
    openInMemory(set, 1, archive({{"B", "kv"}, {"C", "kv"}}));
    EntryStream stream(set);
    stream.Open("b");
    ASSERT_TRUE(stream.found());
    EXPECT_EQ(stream.slot(), 0) << "the cut entry is still the one found";
    EXPECT_EQ(stream.Size(), 2);
    char buffer[2];
    ASSERT_TRUE(stream.Read(buffer, 2));
    EXPECT_EQ(std::string(buffer, 2), "34");
    EXPECT_FALSE(stream.Read(buffer, 1));
    stream.Open("c");
    ASSERT_TRUE(stream.found());
    EXPECT_EQ(stream.slot(), 1) << "a record whose data lie wholly past the end is dropped; the lookup goes on";
}

TEST(ArchiveSet, OpensTheKitFolderAndStaysSilentAboutMissingArchives)
{
    const auto dir = std::filesystem::temp_directory_path() / "orvanta-archive-set-test";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);

    ArchiveSet set;
    EXPECT_TRUE(set.Open(dir).empty()) << "no archives at all is a fresh kit, not an error";
    EntryStream stream(set);
    stream.Open("texts.dat");
    EXPECT_FALSE(stream.found());

    std::ofstream(dir / "kvmain.dat", std::ios::binary) << archive({{"KVTEXTS.DAT", "src"}});
    std::ofstream(dir / "lang.dat", std::ios::binary) << std::string("\x05\0\0\0", 4);
    const auto problems = set.Open(dir);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].text().find("lang.dat: at byte 0: the entry count 5"), std::string::npos)
        << problems[0].text();
    stream.Open("kvtexts.dat");
    EXPECT_TRUE(stream.found());
    set.Close();
    std::filesystem::remove_all(dir);
}
