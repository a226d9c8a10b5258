#include "KvToolRunner.h"
#include "SampleSave.h"
#include "TempKit.h"

#include <QDir>
#include <QProcess>

#include <gtest/gtest.h>

TEST(KvToolVerify, TheSavedLangDatPassesAndEachDamageFailsWithItsLine)
{
    TempKit kit;
    saveSampleKit(kit);
    const QString langDat = kit.path("lang.dat");
    const auto sound = KvToolRun::run({"verify", langDat});
    EXPECT_EQ(sound.exitCode, 0) << sound.out.toStdString();
    EXPECT_EQ(sound.out, (langDat + ": no problems found\n").toUtf8());
    EXPECT_EQ(sound.err, "");

    const auto kvmain = KvToolRun::run({"verify", kit.path("kvmain.dat")});
    EXPECT_EQ(kvmain.exitCode, 0) << kvmain.out.toStdString();

    // The first record's name in lower case, and the file one byte short.
    QByteArray damaged = kit.read("lang.dat");
    damaged[4] = 'f';
    damaged.chop(1);
    kit.write("damaged.dat", damaged);
    const QString shown = kit.shown("damaged.dat");
    const auto found = KvToolRun::run({"verify", kit.path("damaged.dat")});
    EXPECT_EQ(found.exitCode, 1);
    const QList<QByteArray> lines = found.out.split('\n');
    ASSERT_EQ(lines.size(), 5) << found.out.toStdString();
    EXPECT_EQ(lines[0], (shown + ": at byte 4: entry 0 \"fONT.SPR\": the name holds lower-case letters; the kit "
                                "looks names up upper-cased, so it never finds this entry").toUtf8());
    EXPECT_TRUE(lines[1].startsWith((shown + ": at byte 67: entry 3 \"TEXTS.DAT\": claims ").toUtf8())) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith((shown + ": TEXTS.DAT: at byte ").toUtf8())) << lines[2].toStdString();
    EXPECT_TRUE(lines[2].contains("199 bytes after the last whole record")) << lines[2].toStdString();
    EXPECT_EQ(lines[3], (shown + ": FONTSIZE.DAT has no FONT.SPR beside it; the game's glyph files go together").toUtf8());
    EXPECT_EQ(lines[4], "");
}

TEST(KvToolVerify, WrongUseAndWhatIsNoFile)
{
    TempKit kit;
    ASSERT_TRUE(QDir(kit.dir()).mkdir("folder.dat"));
    const bool fifo = QProcess::execute(QStringLiteral("mkfifo"), {kit.path("pipe.dat")}) == 0;
    struct Case {
        const char *name;
        const char *says;
    };
    const Case cases[] = {
        {"lang.dat", "no such file"},
        {"folder.dat", "is a folder, not a file"},
        {"pipe.dat", "is a named pipe (FIFO), not a file"},
    };
    for (const Case &c : cases) {
        if (!fifo && QByteArray(c.name) == "pipe.dat")
            continue;
        const auto run = KvToolRun::run({"verify", kit.path(c.name)});
        EXPECT_EQ(run.exitCode, 1) << c.name;
        EXPECT_EQ(run.err, ("kvtool: " + kit.path(c.name) + ": " + c.says + "\n").toUtf8()) << c.name;
    }
    EXPECT_EQ(KvToolRun::run({"verify"}).exitCode, 2);
}
