#include "ArchiveContents.h"
#include "KitSaving.h"
#include "KvToolRunner.h"
#include "TempKit.h"
#include "font/FontChoice.h"
#include "kit/KitLoader.h"
#include "kit/KitSave.h"
#include "pictures/PictureSlots.h"
#include "texts/CodePage.h"
#include "texts/TextFile.h"
#include "texts/TextTable.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <memory>

using namespace orvanta;

TEST(KvToolCompile, MakesTheSameLangDatAsTheSaveButton)
{
    SKIP_WHERE_KVTOOL_HAS_NO_ARIAL();
    TempKit tool, kit;
    tool.installSampleData();
    kit.installSampleData();
    auto run = KvToolRun::run({"compile", tool.dir(), "--codepage", "1252"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "\"lang.dat\" compilation completed successfully!\n");

    TextTable texts;
    PictureSlots pictures;
    ASSERT_TRUE(KitLoader::load(kit.dir(), texts, pictures).empty());
    const CodePage page(1252);
    ASSERT_TRUE(saveThroughKit(kit.dir(), {texts, FontChoice::defaultFont(), page, pictures}).ok());
    expectSameSave(tool.path("lang.dat"), kit.path("lang.dat"));
}

TEST(KvToolCompile, PicturesAreTestedFirstAndKeptAcrossCompiles)
{
    SKIP_WHERE_KVTOOL_HAS_NO_ARIAL();
    TempKit kit;
    kit.installSampleData();
    ASSERT_EQ(KvToolRun::run({"picture", "original", "1", kit.path("stk.bmp")}).exitCode, 0);
    ASSERT_EQ(KvToolRun::run({"picture", "original", "3", kit.path("msites.bmp")}).exitCode, 0);
    kit.writeArchive("lang.dat", {{"TEXTS.DAT", "old"}});
    const QByteArray old = kit.read("lang.dat");

    auto refused = KvToolRun::run({"compile", kit.dir(), "--picture", "1=" + kit.path("msites.bmp")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.out, "Translated picture sizes mismatch!\n");
    EXPECT_EQ(kit.read("lang.dat"), old) << "nothing is written after a refusal";

    auto accepted = KvToolRun::run({"compile", kit.dir(), "--picture", "1=" + kit.path("stk.bmp")});
    ASSERT_EQ(accepted.exitCode, 0) << accepted.err.toStdString();
    const auto withPicture = entryNames(kit.path("lang.dat"));
    EXPECT_EQ(withPicture, (std::vector<std::string>{"FONT.SPR", "FONTSIZE.DAT", "STK.PAD", "TEXTS.DAT"}));
    ASSERT_EQ(KvToolRun::run({"compile", kit.dir()}).exitCode, 0);
    EXPECT_EQ(entryNames(kit.path("lang.dat")), withPicture) << "pictures in lang.dat come back";
}

TEST(KvToolCompile, RefusesWhatWouldLoseWork)
{
    SKIP_WHERE_KVTOOL_HAS_NO_ARIAL();
    TempKit kit;
    kit.installSampleData();
    kit.write("lang.dat", QByteArray("\x03\0\0\0", 4));
    TempKit withoutSources;
    withoutSources.writeArchive("lang.dat", {{"TEXTS.DAT", TextFile::write({"Bauen"})}});
    struct Case {
        QStringList args;
        int exitCode;
        const char *message;
    };
    const Case cases[] = {
        {{"compile", kit.dir()}, 1, "lang.dat: at byte 0: the entry count 3"},
        {{"compile", kit.path("nowhere")}, 1, "nowhere: no such folder"},
        {{"compile", withoutSources.dir()}, 1, "kvmain.dat: is missing, and with it the source texts"},
        {{"compile", kit.dir(), "--picture", "10=x.bmp"}, 2, "--picture wants ROW=FILE.bmp"},
        {{"compile", kit.dir(), "--font", "No Such Font"}, 1, "no font \"No Such Font\" is installed"},
    };
    for (const Case &c : cases) {
        auto run = KvToolRun::run(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.message;
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
    }
    EXPECT_EQ(kit.read("lang.dat"), QByteArray("\x03\0\0\0", 4));
}

TEST(KvToolCompile, WithoutOptionsUsesTheFontAndCodePageTheKitRemembers)
{
    SKIP_WHERE_KVTOOL_HAS_NO_ARIAL();
    TempKit remembered, given;
    remembered.installSampleData();
    given.installSampleData();
    remembered.write("orvanta-kit.ini", "[font]\nfamily=DejaVu Sans\nsize=9\nbold=true\n[texts]\ncodepage=1251\n");
    const QByteArray settings = remembered.read("orvanta-kit.ini");

    auto run = KvToolRun::run({"compile", remembered.dir()});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    auto explicitRun = KvToolRun::run(
        {"compile", given.dir(), "--font", "DejaVu Sans", "--size", "9", "--bold", "--codepage", "1251"});
    ASSERT_EQ(explicitRun.exitCode, 0) << explicitRun.err.toStdString();
    EXPECT_EQ(remembered.read("lang.dat"), given.read("lang.dat"));

    // An option given wins and is not remembered.
    ASSERT_EQ(KvToolRun::run({"compile", remembered.dir(), "--size", "10", "--codepage", "1252"}).exitCode, 0);
    EXPECT_NE(remembered.read("lang.dat"), given.read("lang.dat"));
    EXPECT_EQ(remembered.read("orvanta-kit.ini"), settings);

    remembered.write("orvanta-kit.ini", "[texts]\ncodepage=nonsense\n");
    auto damaged = KvToolRun::run({"compile", remembered.dir()});
    EXPECT_EQ(damaged.exitCode, 0);
    EXPECT_TRUE(damaged.err.contains("kvtool: warning: ")) << damaged.err.toStdString();
}

TEST(KvToolCompile, FewerTextsNeedAnOptionAndOtherGlyphsAWarning)
{
    SKIP_WHERE_KVTOOL_HAS_NO_ARIAL();
    TempKit kit;
    kit.installSampleData();
    ASSERT_EQ(KvToolRun::run({"compile", kit.dir(), "--codepage", "1252"}).exitCode, 0);
    const auto same = KvToolRun::run({"compile", kit.dir(), "--codepage", "1252"});
    EXPECT_EQ(same.exitCode, 0);
    EXPECT_FALSE(same.err.contains("warning")) << same.err.toStdString();

    const auto bigger = KvToolRun::run({"compile", kit.dir(), "--codepage", "1251", "--size", "9"});
    EXPECT_EQ(bigger.exitCode, 0) << bigger.err.toStdString();
    EXPECT_TRUE(bigger.err.contains("kvtool: warning: lang.dat holds glyphs of another font or code page (cells "))
        << bigger.err.toStdString();
    EXPECT_TRUE(bigger.err.contains("; this save replaces them with Arial 9, code page 1251 (cells ")) << bigger.err.toStdString();
    EXPECT_EQ(bigger.out, "\"lang.dat\" compilation completed successfully!\n");

    // A lang.dat with more text records than the kit's source texts.
    QList<QByteArray> more(1705, "x");
    kit.writeArchive("lang.dat", {{"TEXTS.DAT", TextFile::write(more)}});
    const QByteArray old = kit.read("lang.dat");
    const auto refused = KvToolRun::run({"compile", kit.dir()});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("kvtool: lang.dat holds 1705 text records, but this save writes only 1702: the "
                                     "last 3 translations would be lost. Give --allow-fewer-texts to save anyway.\n"))
        << refused.err.toStdString();
    EXPECT_EQ(kit.read("lang.dat"), old);
    const auto allowed = KvToolRun::run({"compile", kit.dir(), "--allow-fewer-texts"});
    EXPECT_EQ(allowed.exitCode, 0) << allowed.err.toStdString();
    EXPECT_EQ(kit.read("lang.dat.bak"), old);
}

TEST(KvToolCompile, TwoCompilesStartedTogetherLeaveOneWholeArchive)
{
    SKIP_WHERE_KVTOOL_HAS_NO_ARIAL();
    // What each compile makes on its own.
    const QStringList sizes{"8", "9"};
    std::vector<QByteArray> expected;
    for (const QString &size : sizes) {
        TempKit alone;
        alone.installSampleData();
        ASSERT_EQ(KvToolRun::run({"compile", alone.dir(), "--codepage", "1252", "--size", size}).exitCode, 0);
        expected.push_back(alone.read("lang.dat"));
    }
    for (int round = 0; round < 3; ++round) {
        TempKit kit;
        kit.installSampleData();
        std::vector<std::unique_ptr<QProcess>> runs;
        for (const QString &size : sizes) {
            runs.push_back(std::make_unique<QProcess>());
            runs.back()->setProcessEnvironment(KvToolRun::environment());
            runs.back()->start(QStringLiteral(KVTOOL_PATH), {"compile", kit.dir(), "--codepage", "1252", "--size", size});
        }
        int saved = 0;
        for (const auto &run : runs) {
            ASSERT_TRUE(run->waitForFinished(120000));
            const QByteArray err = run->readAllStandardError();
            if (run->exitCode() == 0)
                ++saved;
            else
                EXPECT_TRUE(err.contains("kvtool: Another save of this kit is running.")) << err.toStdString();
        }
        EXPECT_GE(saved, 1) << round;
        const QByteArray result = kit.read("lang.dat");
        EXPECT_TRUE(result == expected[0] || result == expected[1]) << "round " << round;
        if (saved == 2) {
            EXPECT_TRUE(kit.read("lang.dat.bak") == expected[0] || kit.read("lang.dat.bak") == expected[1]);
            EXPECT_NE(kit.read("lang.dat.bak"), result) << "the second save kept the first one's archive";
        }
        EXPECT_FALSE(QFile::exists(kit.path("output")));
        EXPECT_EQ(KvToolRun::run({"verify", kit.path("lang.dat")}).exitCode, 0);
    }
}
