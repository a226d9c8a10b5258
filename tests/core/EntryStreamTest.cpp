#include "core/ArchiveSet.h"
#include "core/ArchiveWriter.h"
#include "core/EntryStream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <cstring>
#include <limits>
#include <map>
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
    EXPECT_TRUE(set.openSlot(slot, std::make_unique<std::istringstream>(bytes), bytes.size(), "mem").empty());
}

std::string entry402()
{
    std::string data(402, '\0');
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<char>(i % 251);
    return data;
}

// Bytes that differ from entry to entry (by `seed`) and from place to place.
std::string patterned(std::size_t size, int seed)
{
    std::string data(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        data[i] = static_cast<char>((i * 7 + std::size_t(seed) * 31 + i / 251) % 256);
    return data;
}

// Reads pieces of `piece` bytes from the stream's position until `limit`
// bytes are read or a read is refused; a refused read must leave the
// position and the caller's memory as they were.
std::string readPieces(EntryStream &stream, std::int64_t piece, std::int64_t limit)
{
    std::string got;
    std::vector<char> buffer(static_cast<std::size_t>(piece));
    while (std::int64_t(got.size()) < limit) {
        const std::int64_t before = stream.position();
        std::fill(buffer.begin(), buffer.end(), '\x5A');
        if (!stream.Read(buffer.data(), piece)) {
            EXPECT_EQ(stream.position(), before);
            EXPECT_EQ(std::count(buffer.begin(), buffer.end(), '\x5A'), piece) << "a refused read wrote";
            break;
        }
        got.append(buffer.data(), buffer.size());
    }
    return got;
}

} // namespace

TEST(EntryStream, PiecesAcrossTheReadAheadEdgeAndOtherEntriesGiveTheEntryBytes)
{
    constexpr std::int64_t Ahead = EntryStream::ReadAheadSize;
    // A and B lie back to back in lang.dat, so bytes read ahead from one
    // entry would show up in the other; C is in kvmain.dat.
    const std::map<std::string, std::string> data = {
        {"A", patterned(std::size_t(2 * Ahead + 1234), 1)},
        {"B", patterned(5000, 2)},
        {"C", patterned(std::size_t(Ahead + 1), 3)},
    };
    ArchiveSet set;
    openInMemory(set, 0, archive({{"A", data.at("A")}, {"B", data.at("B")}}));
    openInMemory(set, 1, archive({{"C", data.at("C")}}));

    const std::vector<std::int64_t> pieces = {1, 2, 199, 200, 4096, Ahead - 1, Ahead, Ahead + 1, 2 * Ahead + 1235};
    const std::vector<std::vector<std::string>> orders = {
        {"A", "B", "A"}, {"B", "A", "B"}, {"A", "C", "A", "A"}, {"C", "missing", "B", "C"}};
    for (const std::int64_t piece : pieces) {
        for (const auto &order : orders) {
            EntryStream stream(set);
            for (const std::string &name : order) {
                SCOPED_TRACE("pieces of " + std::to_string(piece) + ", entry " + name);
                stream.Open(name);
                if (!data.count(name)) {
                    EXPECT_FALSE(stream.found());
                    EXPECT_EQ(readPieces(stream, piece, 1), "");
                    continue;
                }
                const std::string &expected = data.at(name);
                EXPECT_EQ(stream.Size(), std::int64_t(expected.size()));
                // Past the first read-ahead, or to the end and one refused read.
                const std::int64_t limit = name == "B" ? std::int64_t(expected.size()) + 1 : Ahead + 3 * piece;
                const std::string got = readPieces(stream, piece, limit);
                const std::int64_t reads = std::min((limit + piece - 1) / piece, std::int64_t(expected.size()) / piece);
                ASSERT_EQ(std::int64_t(got.size()), reads * piece);
                EXPECT_TRUE(got == expected.substr(0, got.size())) << "bytes differ";
                EXPECT_EQ(stream.position(), std::int64_t(got.size()));
            }
        }
    }
}

TEST(EntryStream, AFileThatEndsEarlyRefusesWhatItCannotDeliver)
{
    // The directory promises all of A, but the file (cut after it was
    // opened) ends 500 bytes short of A's end.
    const std::string data = patterned(EntryStream::ReadAheadSize + 1000, 4);
    std::string bytes = archive({{"A", data}});
    const std::uint64_t promised = bytes.size();
    bytes.resize(bytes.size() - 500);
    ArchiveSet set;
    ASSERT_TRUE(set.openSlot(0, std::make_unique<std::istringstream>(bytes), promised, "lang.dat").empty());
    EntryStream stream(set);
    stream.Open("a");

    const std::string got = readPieces(stream, 200, stream.Size());
    EXPECT_EQ(got.size(), (data.size() - 500) / 200 * 200);
    EXPECT_TRUE(got == data.substr(0, got.size())) << "bytes differ";
    char one = 0;
    EXPECT_TRUE(stream.Read(&one, 1)) << "what the file holds is still served";
    EXPECT_EQ(one, data[got.size()]);

    stream.Open("a");
    std::string whole(data.size(), '\0');
    EXPECT_FALSE(stream.Read(whole.data(), stream.Size()));
    EXPECT_EQ(stream.position(), 0);
}

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
        set.openSlot(0, std::make_unique<std::istringstream>(bytes), bytes.size(), "lang.dat");
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
