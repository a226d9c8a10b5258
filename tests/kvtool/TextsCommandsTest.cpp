#include "InMemoryTexts.h"
#include "KvToolRunner.h"
#include "TempKit.h"

#include <gtest/gtest.h>

TEST(KvToolTexts, ExportLoadsLikeTheKitAndQuotesCsv)
{
    TempKit kit;
    kit.writeArchive("kvmain.dat",
                     {{"KVTEXTS.DAT", QByteArray::fromStdString(textFile({"Yes, no", "Say \"hi\"", " pad ", "\xC0"}))}});
    kit.writeArchive("lang.dat", {{"TEXTS.DAT", QByteArray::fromStdString(textFile({"Ja, nein"}))}});
    auto run = KvToolRun::run({"texts", "export", kit.dir(), "--codepage", "1251"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(run.out), QString::fromUtf8("row,source,translation\r\n"
                                                            "1,\"Yes, no\",\"Ja, nein\"\r\n"
                                                            "2,\"Say \"\"hi\"\"\",\"Say \"\"hi\"\"\"\r\n"
                                                            "3, pad , pad \r\n"
                                                            "4,\u0410,\u0410\r\n"));
}

TEST(KvToolTexts, ExportRefusesWhatTheKitWouldWarnAbout)
{
    TempKit kit;
    kit.write("lang.dat", QByteArray("\x07\0\0\0", 4));
    struct Case {
        QStringList args;
        const char *message;
    };
    const Case cases[] = {
        {{"texts", "export", kit.dir()}, "lang.dat: at byte 0: the entry count 7"},
        {{"texts", "export", kit.path("nowhere")}, "nowhere: no such folder"},
        {{"texts", "export", kit.dir(), "--codepage", "437"}, "code page 437 is not supported"},
    };
    for (const Case &c : cases) {
        auto run = KvToolRun::run(c.args);
        EXPECT_EQ(run.exitCode, 1) << c.message;
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
}

TEST(KvToolTexts, BuildRefusesTextsTheCodePageCannotHold)
{
    TempKit kit;
    kit.write("src.txt", QString::fromUtf8("fine\n\u0416 here\n").toUtf8());
    auto run = KvToolRun::run({"texts", "build", kit.path("src.txt"), kit.path("out.dat")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("src.txt: row 2:")) << run.err.toStdString();
    EXPECT_TRUE(kit.read("out.dat").isEmpty());
}
