#include "KvToolRunner.h"
#include "TempKit.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

TEST(KvToolArchives, PackListExtractRoundTrip)
{
    TempKit kit;
    kit.write("texts.dat", QByteArray(402, 'T'));
    kit.write("font.spr", QByteArray(16, 'F'));
    auto packed = KvToolRun::run({"pack", kit.path("lang.dat"), kit.path("texts.dat"), kit.path("font.spr")});
    ASSERT_EQ(packed.exitCode, 0) << packed.err.toStdString();
    EXPECT_EQ(kit.read("lang.dat").size(), 464);

    auto listed = KvToolRun::run({"list", kit.path("lang.dat")});
    EXPECT_EQ(listed.exitCode, 0);
    EXPECT_EQ(listed.out, "TEXTS.DAT\t402\t46\nFONT.SPR\t16\t448\n");

    QDir(kit.dir()).mkdir("out");
    auto extracted = KvToolRun::run({"extract", kit.path("lang.dat"), "Font.Spr"}, kit.path("out"));
    ASSERT_EQ(extracted.exitCode, 0) << extracted.err.toStdString();
    EXPECT_EQ(kit.read("out/FONT.SPR"), QByteArray(16, 'F'));
    auto named = KvToolRun::run({"extract", kit.path("lang.dat"), "texts.dat", "-o", kit.path("t.bin")});
    ASSERT_EQ(named.exitCode, 0);
    EXPECT_EQ(kit.read("t.bin"), QByteArray(402, 'T'));
}

TEST(KvToolArchives, EntryNamesCannotWriteOutsideTheFolder)
{
    TempKit kit;
    kit.writeArchive("evil.dat", {{"../X", "escaped"}, {"..", "dots"}});
    QDir(kit.dir()).mkdir("out");
    auto run = KvToolRun::run({"extract", kit.path("evil.dat"), "../x"}, kit.path("out"));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(kit.read("out/X"), "escaped");
    EXPECT_FALSE(QFile::exists(kit.path("X")));
    auto dots = KvToolRun::run({"extract", kit.path("evil.dat"), ".."}, kit.path("out"));
    EXPECT_EQ(dots.exitCode, 1);
    EXPECT_TRUE(dots.err.contains("has no usable file name")) << dots.err.toStdString();
}

TEST(KvToolArchives, ErrorsAreOneLineAndLeaveNothingHalfWritten)
{
    TempKit kit;
    kit.write("damaged.dat", QByteArray("\x02\0\0\0", 4));
    kit.write("verylongname.dat", "x");
    kit.write("keep.dat", "old");
    struct Case {
        QStringList args;
        const char *message;
    };
    const Case cases[] = {
        {{"list", kit.path("missing.dat")}, "missing.dat: no such file"},
        {{"list", kit.path("damaged.dat")}, "damaged.dat: at byte 0: the entry count 2"},
        {{"extract", kit.path("damaged.dat"), "a"}, "the entry count 2"},
        {{"pack", kit.path("keep.dat"), kit.path("verylongname.dat")}, "holds at most 12"},
        {{"pack", kit.path("keep.dat"), kit.path("nothere.dat")}, "nothere.dat: is not a readable file"},
        {{"frobnicate"}, "unknown command"},
    };
    for (const Case &c : cases) {
        auto run = KvToolRun::run(c.args);
        EXPECT_NE(run.exitCode, 0) << c.message;
        EXPECT_TRUE(run.err.startsWith("kvtool: ")) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
    }
    EXPECT_EQ(kit.read("keep.dat"), "old");
    kit.writeArchive("ok.dat", {{"A", "1"}});
    auto missing = KvToolRun::run({"extract", kit.path("ok.dat"), "b", "-o", kit.path("b.out")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("no entry named \"b\""));
    EXPECT_FALSE(QFile::exists(kit.path("b.out")));
}

TEST(KvToolArchives, HelpDescribesEveryCommand)
{
    auto help = KvToolRun::run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char *command : {"list", "extract", "pack", "texts", "glyphs"})
        EXPECT_TRUE(help.out.contains(command)) << command;
    auto extractHelp = KvToolRun::run({"extract", "--help"});
    EXPECT_EQ(extractHelp.exitCode, 0);
    EXPECT_TRUE(extractHelp.out.contains("-o <file>"));
}
