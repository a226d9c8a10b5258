#include "SampleSave.h"
#include "TempKit.h"
#include "core/ArchiveFile.h"
#include "core/ArchiveWriter.h"
#include "kit/ArchiveVerifier.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

using namespace orvanta;

namespace {

using Lines = std::vector<std::string>;
using Files = std::vector<ArchiveWriter::NamedData>;

Lines verify(const std::string &archive)
{
    std::istringstream in(archive);
    Lines lines;
    for (const FormatError &finding : ArchiveVerifier::verify(in, archive.size(), "lang.dat"))
        lines.push_back(finding.text());
    return lines;
}

std::string archiveOf(const Files &files)
{
    auto archive = ArchiveWriter::write(files);
    EXPECT_TRUE(archive.ok());
    return archive.ok() ? *archive : std::string();
}

// The entries of the lang.dat a save of the sample kit writes: TEXTS.DAT,
// FONT.SPR, FONTSIZE.DAT and STK.PAD, saved once for all tests.
class ArchiveVerifierTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        TempKit kit;
        saveSampleKit(kit);
        s_langDat = kit.read("lang.dat").toStdString();
        auto file = ArchiveFile::open(kit.path("lang.dat").toStdString());
        ASSERT_TRUE(file.ok());
        for (const ArchiveEntry &entry : (*file)->directory().entries())
            s_entries.push_back({entry.name, *(*file)->readEntry(entry)});
    }

    static std::string &entry(Files &files, const std::string &name)
    {
        for (auto &file : files)
            if (file.name == name)
                return file.data;
        ADD_FAILURE() << "no entry " << name;
        return files.front().data;
    }

    static inline std::string s_langDat;
    static inline Files s_entries;
};

} // namespace

TEST_F(ArchiveVerifierTest, TheLangDatASaveWritesIsSound)
{
    Lines names;
    for (const auto &file : s_entries)
        names.push_back(file.name);
    EXPECT_EQ(names, (Lines{"FONT.SPR", "FONTSIZE.DAT", "STK.PAD", "TEXTS.DAT"}));
    EXPECT_EQ(verify(s_langDat), Lines{});
}

TEST_F(ArchiveVerifierTest, EachDamagedEntryGivesOnePreciseLine)
{
    struct Case {
        const char *what;
        std::function<void(Files &)> damage;
        Lines findings;
    };
    const std::size_t texts = entry(s_entries, "TEXTS.DAT").size();
    const Case cases[] = {
        {"record size", [](Files &f) { entry(f, "TEXTS.DAT")[0] = char(201); },
         {"lang.dat: TEXTS.DAT: at byte 0: the record size is 201, not 200"}},
        {"part record", [](Files &f) { entry(f, "TEXTS.DAT").append(150, 'x'); },
         {"lang.dat: TEXTS.DAT: at byte " + std::to_string(texts) + ": 150 bytes after the last whole record ("
          + std::to_string((texts - 2) / 200) + " records of 200 bytes); a part record is never read"}},
        {"source texts too", [](Files &f) { f.push_back({"KVTEXTS.DAT", ""}); },
         {"lang.dat: KVTEXTS.DAT: at byte 0: the file is 0 bytes long, too short for its 2-byte record size"}},
        {"glyph record", [](Files &f) { entry(f, "FONT.SPR")[514 + 2] = char(0x21); },
         {"lang.dat: FONT.SPR: at byte 517: code 0: the record has no end byte 0xFF before byte 517, where the "
          "record of code 1 starts"}},
        {"widths", [](Files &f) { entry(f, "FONTSIZE.DAT").pop_back(); },
         {"lang.dat: FONTSIZE.DAT: at byte 255: the file is 255 bytes long; it holds one cell width for each of "
          "the 256 codes"}},
        {"glyph files apart", [](Files &f) { std::erase_if(f, [](const auto &e) { return e.name == "FONTSIZE.DAT"; }); },
         {"lang.dat: FONT.SPR has no FONTSIZE.DAT beside it; the game's glyph files go together"}},
        {"picture size", [](Files &f) { entry(f, "STK.PAD")[0] = 42; },
         {"lang.dat: STK.PAD: at byte 0: the picture is 42 x 18 pixels, but this picture is 41 x 18"}},
        {"picture cut short", [](Files &f) { entry(f, "STK.PAD").pop_back(); },
         {"lang.dat: STK.PAD: at byte 741: the file is 741 bytes long, but a picture of 41 x 18 pixels takes 4 + "
          "41 x 18 = 742 bytes"}},
        {"colour outside the palette", [](Files &f) { entry(f, "STK.PAD")[4 + 41 + 2] = char(255); },
         {"lang.dat: STK.PAD: at byte 47: pixel (2, 1) has colour index 255, past the 255 colours of the game's "
          "palette"}},
        {"unknown picture", [](Files &f) { f.push_back({"STK2.PAD", "x"}); },
         {"lang.dat: STK2.PAD: no picture of the kit has this name; the game's picture files are STK.PAD, STKS.PAD, "
          "MSITES.PAD, MBUDGET.PAD, MPURSUE.PAD, MSETUP.PAD, MARCHIVE.PAD, MAPMENU.PAD, STKV.PAD"}},
        {"other entries are not judged", [](Files &f) { f.push_back({"README.TXT", "anything"}); }, {}},
    };
    for (const Case &c : cases) {
        Files files = s_entries;
        c.damage(files);
        EXPECT_EQ(verify(archiveOf(files)), c.findings) << c.what;
    }
}

TEST_F(ArchiveVerifierTest, DirectoryFaultsComeFirstAndOnlyTheFoundEntryIsJudged)
{
    // A second TEXTS.DAT is never read: only the duplicate name is reported.
    Files files = s_entries;
    files.push_back({"TEXTS.DAT", "\x01"});
    files.push_back({"FONT.SPR", "lower case: never found, never judged"});
    std::string archive = archiveOf(files);
    archive.replace(109, 8, "font.spr"); // the writer upper-cases names
    EXPECT_EQ(verify(archive),
              (Lines{"lang.dat: at byte 88: entry 4 \"TEXTS.DAT\": the same name as entry 3; only entry 3 is ever found",
                     "lang.dat: at byte 109: entry 5 \"font.spr\": the name holds lower-case letters; the kit looks "
                     "names up upper-cased, so it never finds this entry"}));

    // A lang.dat cut short: its last entry is judged as far as it goes.
    const std::string cut = s_langDat.substr(0, s_langDat.size() - 1);
    const Lines findings = verify(cut);
    ASSERT_EQ(findings.size(), 2u);
    EXPECT_EQ(findings[0].rfind("lang.dat: at byte 67: entry 3 \"TEXTS.DAT\": claims ", 0), 0u) << findings[0];
    EXPECT_NE(findings[0].find("past the end of the file (" + std::to_string(cut.size()) + " bytes)"), std::string::npos);
    EXPECT_EQ(findings[1].rfind("lang.dat: TEXTS.DAT: at byte ", 0), 0u) << findings[1];
    EXPECT_NE(findings[1].find(": 199 bytes after the last whole record"), std::string::npos) << findings[1];
}
