#include "core/ArchiveDirectory.h"
#include "core/ArchiveWriter.h"
#include "core/LittleEndian.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace orvanta;

namespace {

ArchiveDirectory readBytes(const std::string &bytes)
{
    std::istringstream in(bytes);
    return ArchiveDirectory::read(in, bytes.size(), "lang.dat");
}

std::string record(const std::string &nameField, std::uint32_t size, std::uint32_t offset)
{
    std::string out = nameField;
    out.resize(ArchiveEntry::NameFieldSize, '\0');
    LittleEndian::append32(out, size);
    LittleEndian::append32(out, offset);
    return out;
}

std::string count(std::uint32_t n)
{
    std::string out;
    LittleEndian::append32(out, n);
    return out;
}

} // namespace

TEST(ArchiveDirectory, ReadsWhatTheWriterWrote)
{
    auto archive = ArchiveWriter::write({{"TEXTS.DAT", "abc"}, {"EMPTY", ""}, {"FONT.SPR", "xy"}});
    ASSERT_TRUE(archive.ok());
    const ArchiveDirectory dir = readBytes(*archive);
    EXPECT_FALSE(dir.damaged());
    ASSERT_EQ(dir.entries().size(), 3u);
    EXPECT_EQ(dir.entries()[2], (ArchiveEntry{"FONT.SPR", 2, 4 + 63 + 3}));
    ASSERT_NE(dir.find("FONT.SPR"), nullptr);
    EXPECT_EQ(dir.find("font.spr"), nullptr) << "lookups here are exact; callers upper-case";
}

TEST(ArchiveDirectory, FirstOfTwoEqualNamesWins)
{
    const std::string bytes = count(2) + record("A", 1, 46) + record("A", 1, 47) + "12";
    const ArchiveDirectory dir = readBytes(bytes);
    ASSERT_NE(dir.find("A"), nullptr);
    EXPECT_EQ(dir.find("A")->offset, 46u);
}

TEST(ArchiveDirectory, HostileInputsAreBoundedAndReported)
{
    struct Case {
        const char *what;
        std::string bytes;
        std::size_t entries;
        std::string problem;
    };
    const Case cases[] = {
        {"empty file", "", 0, "lang.dat: at byte 0: the file is 0 bytes long, too short"},
        {"three bytes", "\1\0\0", 0, "too short for the 4-byte entry count"},
        {"huge count", count(0xFFFFFFFFu) + record("A", 0, 25), 1,
         "lang.dat: at byte 0: the entry count 4294967295 needs a directory of 90194313195 bytes, but the file is "
         "only 25 bytes long; only the first 1 records are read"},
        {"data past the end", count(2) + record("A", 1, 46) + record("B", 10, 47) + "xy", 1,
         "lang.dat: at byte 25: entry \"B\" claims 10 bytes at offset 47, past the end of the file (48 bytes)"},
        {"offset overflow", count(1) + record("A", 0xFFFFFFFFu, 0xFFFFFFFFu), 0, "past the end of the file"},
        {"name without NUL", count(1) + record("ABCDEFGHIJKLM", 0, 25), 0,
         "lang.dat: at byte 4: entry 0 has a name without a terminating NUL"},
    };
    for (const Case &c : cases) {
        const ArchiveDirectory dir = readBytes(c.bytes);
        EXPECT_EQ(dir.entries().size(), c.entries) << c.what;
        ASSERT_TRUE(dir.damaged()) << c.what;
        EXPECT_NE(dir.problems().front().text().find(c.problem), std::string::npos)
            << c.what << ": " << dir.problems().front().text();
    }
}
