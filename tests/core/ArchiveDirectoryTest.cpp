#include "core/ArchiveDirectory.h"
#include "core/ArchiveDirectoryCheck.h"
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

std::vector<std::string> findingsOf(const std::string &bytes)
{
    std::istringstream in(bytes);
    std::vector<std::string> lines;
    for (const FormatError &finding : ArchiveDirectoryCheck::check(RawArchiveDirectory::read(in, bytes.size(), "lang.dat")))
        lines.push_back(finding.text());
    return lines;
}

using Lines = std::vector<std::string>;

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
        {"data that start at the end", count(2) + record("A", 1, 46) + record("B", 10, 47) + "x", 1,
         "lang.dat: at byte 25: entry \"B\" claims 10 bytes at offset 47, past the end of the file (47 bytes); it is "
         "ignored"},
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

TEST(ArchiveDirectory, AFileCutShortKeepsWhatItHolds)
{
    // TEXTS.DAT is packed last; cutting the file shortens it, and its
    // entry keeps the bytes that are still there.
    auto archive = ArchiveWriter::write({{"FONT.SPR", "ab"}, {"TEXTS.DAT", std::string(402, 'T')}});
    ASSERT_TRUE(archive.ok());
    const std::string cut = archive->substr(0, archive->size() - 100);
    const ArchiveDirectory dir = readBytes(cut);
    ASSERT_EQ(dir.entries().size(), 2u);
    EXPECT_EQ(dir.entries()[1], (ArchiveEntry{"TEXTS.DAT", 302, 4 + 42 + 2}));
    EXPECT_EQ(dir.problems().size(), 1u);
    EXPECT_EQ(dir.problems()[0].text(), "lang.dat: at byte 25: entry \"TEXTS.DAT\" claims 402 bytes at offset 48, past "
                                        "the end of the file (350 bytes); only the 302 bytes the file holds are read");
}

TEST(ArchiveDirectoryCheck, WhatTheWriterWritesHasNoFindings)
{
    for (const auto &files : std::vector<std::vector<ArchiveWriter::NamedData>>{
             {}, {{"TEXTS.DAT", std::string(402, 'T')}, {"EMPTY", ""}, {"FONTSIZE.DAT", std::string(256, 'S')}}}) {
        auto archive = ArchiveWriter::write(files);
        ASSERT_TRUE(archive.ok());
        EXPECT_EQ(findingsOf(*archive), Lines{});
    }
}

TEST(ArchiveDirectoryCheck, EachFaultOfARecordIsOnePreciseLine)
{
    // Two records: the directory ends at byte 45, the data start at 46.
    const std::string head = count(2) + record("A", 1, 46);
    struct Case {
        const char *what;
        std::string bytes;
        Lines findings;
    };
    const Case cases[] = {
        {"name without NUL", head + record("ABCDEFGHIJKLM", 1, 47) + "ab", {
             "lang.dat: at byte 25: entry 1: the name has no terminating NUL in its 13 bytes"}},
        {"empty name", head + record("", 1, 47) + "ab", {"lang.dat: at byte 25: entry 1: the name is empty"}},
        {"lower case", head + record("font.spr", 1, 47) + "ab", {
             "lang.dat: at byte 25: entry 1 \"font.spr\": the name holds lower-case letters; the kit looks names up "
             "upper-cased, so it never finds this entry"}},
        {"other bytes shown escaped", count(2) + record("CAF\xC9", 1, 46) + record("CAF\xC9", 1, 47) + "ab", {
             "lang.dat: at byte 25: entry 1 \"CAF\\xC9\": the same name as entry 0; only entry 0 is ever found"}},
        {"control characters", head + record("B\x1B[2J", 1, 47) + "ab", {
             "lang.dat: at byte 25: entry 1 \"B\\x1B[2J\": the name holds control characters"}},
        {"a folder part", head + record("..\\X", 1, 47) + "ab", {
             "lang.dat: at byte 25: entry 1 \"..\\x5CX\": the name holds a folder separator ('/' or '\\'); a file "
             "extracted under it would land in another folder"}},
        {"a folder's name", head + record("..", 1, 47) + "ab", {
             "lang.dat: at byte 25: entry 1 \"..\": the name is \"..\", which names a folder, not a file"}},
        {"same name twice", head + record("A", 1, 47) + "ab", {
             "lang.dat: at byte 25: entry 1 \"A\": the same name as entry 0; only entry 0 is ever found"}},
        {"data past the end", head + record("B", 3, 47) + "ab", {
             "lang.dat: at byte 25: entry 1 \"B\": claims 3 bytes at offset 47, past the end of the file (48 bytes)"}},
        {"data inside the directory", head + record("B", 2, 44) + "ab", {
             "lang.dat: at byte 25: entry 1 \"B\": its data (bytes 44 to 45) begin inside the directory, which ends "
             "at byte 45"}},
        {"overlapping data", head + record("B", 2, 46) + "ab", {
             "lang.dat: at byte 25: entry 1 \"B\": its data (bytes 46 to 47) overlap those of entry 0 \"A\" (bytes 46 "
             "to 46)"}},
        {"count past the file", count(3) + record("A", 1, 46) + record("B", 1, 47) + "ab", {
             "lang.dat: at byte 0: the entry count 3 needs a directory of 63 bytes, but the file is only 48 bytes "
             "long; only the first 2 records are read"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(findingsOf(c.bytes), c.findings) << c.what;
}

TEST(ArchiveDirectoryCheck, FaultsThatHideOthersAreJudgedAsTheKitReads)
{
    // A record whose data start past the end is never read, so a later
    // record of its name is the one found: no duplicate. Zero-size entries
    // share offsets freely. Data cut off by the end of the file are read as
    // far as they go, and overlap as far as that.
    const std::string bytes = count(5) + record("A", 9, 110) + record("A", 1, 109) + record("Z", 0, 109)
                              + record("Z2", 0, 110) + record("CUT", 5, 109) + "a";
    EXPECT_EQ(findingsOf(bytes),
              (Lines{"lang.dat: at byte 4: entry 0 \"A\": claims 9 bytes at offset 110, past the end of the file (110 "
                     "bytes)",
                     "lang.dat: at byte 88: entry 4 \"CUT\": claims 5 bytes at offset 109, past the end of the file (110 "
                     "bytes)",
                     "lang.dat: at byte 88: entry 4 \"CUT\": its data (bytes 109 to 109) overlap those of entry 1 \"A\" "
                     "(bytes 109 to 109)"}));

    // One entry spanning two others: each of them names it.
    const std::string spanning = count(3) + record("BIG", 4, 67) + record("X", 1, 68) + record("Y", 1, 69) + "abcd";
    EXPECT_EQ(findingsOf(spanning),
              (Lines{"lang.dat: at byte 25: entry 1 \"X\": its data (bytes 68 to 68) overlap those of entry 0 \"BIG\" "
                     "(bytes 67 to 70)",
                     "lang.dat: at byte 46: entry 2 \"Y\": its data (bytes 69 to 69) overlap those of entry 0 \"BIG\" "
                     "(bytes 67 to 70)"}));
}
