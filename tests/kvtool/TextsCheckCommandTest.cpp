#include "InMemoryTexts.h"
#include "KvToolRunner.h"
#include "TempKit.h"
#include "io/PlatformFiles.h"

#include <QDir>

#include <gtest/gtest.h>

TEST(KvToolTextsCheck, OneLinePerFindingAndExitCodes)
{
    SKIP_WHERE_KVTOOL_HAS_NO_ARIAL();
    QList<QByteArray> sources, translations;
    for (int i = 0; i < 1417; ++i)
        sources.append("Text " + QByteArray::number(i)); // record 1415 is the first fixed one
    translations = sources;
    sources[0] = " Start ";
    translations[0] = "\xD1\xF2\xE0\xF0\xF2"; // "Старт"
    sources[1] = "%d gold";
    translations[1] = "%s \xE7\xEE\xEB\xEE\xF2\xE0";
    translations[2] = QByteArray(200, 'a'); // a full record: a file holds no longer text
    translations[3] = "";
    translations[1415] = "Edited"; // what an earlier save gave the game for a fixed row: its text now, no finding
    TempKit kit;
    kit.writeArchive("kvmain.dat", {{"KVTEXTS.DAT", QByteArray::fromStdString(textFile(sources))}});
    kit.writeArchive("lang.dat", {{"TEXTS.DAT", QByteArray::fromStdString(textFile(translations))}});

    auto run = KvToolRun::run({"texts", "check", kit.dir(), "--codepage", "1251"});
    EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    // The widths are the rasteriser's: where kvtool draws with another one
    // than the tests, its `wider` findings are not held to these.
    auto drawnAlike = [](const QByteArray &findings) {
        QByteArrayList lines = findings.split('\n');
        if (!kvtoolDrawsAsTheTests())
            lines.removeIf([](const QByteArray &line) { return line.contains("\twider\t"); });
        return lines.join('\n').toStdString();
    };
    EXPECT_EQ(drawnAlike(run.out),
              drawnAlike(
                  "1\tspaces\tthe original starts with 1 space, the translation with no space; the original ends "
                  "with 1 space, the translation with no space\n"
                  "2\tplaceholders\tplaceholders in the original: \"%d\"; in the translation: \"%s\"\n"
                  "2\twider\tthe translation is drawn 63 pixels wide, the original 45 pixels\n"
                  "3\twider\tthe translation is drawn 1600 pixels wide, the original 36 pixels\n"
                  "4\tempty\tthe translation is empty where the original is not\n"));

    kit.writeArchive("lang.dat", {{"TEXTS.DAT", QByteArray::fromStdString(textFile({" Start ", "%d gold"}))}});
    run = KvToolRun::run({"texts", "check", kit.dir()});
    EXPECT_EQ(run.exitCode, 0) << run.out.toStdString();
    EXPECT_TRUE(run.out.isEmpty());

    run = KvToolRun::run({"texts", "check", kit.path("nowhere")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("nowhere: no such folder")) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
}

TEST(KvToolTextsCheck, WiderInTheGlyphsTheSaveWrites)
{
    SKIP_WHERE_KVTOOL_HAS_NO_ARIAL();
    TempKit kit;
    kit.writeArchive("kvmain.dat", {{"KVTEXTS.DAT", QByteArray::fromStdString(textFile({"OK", "OK", "Long original"}))}});
    kit.writeArchive("lang.dat", {{"TEXTS.DAT", QByteArray::fromStdString(textFile({"OK", "Okay", "Short"}))}});

    auto run = KvToolRun::run({"texts", "check", kit.dir(), "--codepage", "1252"});
    EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
    EXPECT_EQ(run.out.toStdString(), "2\twider\tthe translation is drawn 30 pixels wide, the original 18 pixels\n");

    // A larger font draws every text wider than the game's own: said once,
    // and only the translation wider than the font draws its original is
    // listed, never the untranslated row.
    run = KvToolRun::run({"texts", "check", kit.dir(), "--codepage", "1252", "--size", "12"});
    EXPECT_EQ(run.out.count("\twider\t"), 1) << run.out.toStdString();
    EXPECT_TRUE(run.out.startsWith("2\twider\t")) << run.out.toStdString();
    EXPECT_TRUE(run.err.contains("% wider than the game's own glyphs")) << run.err.toStdString();

    // The allowance the translator set in the window: 12 pixels more, or 67%
    // of 18 pixels, let "Okay" pass; 11 pixels and 66% do not.
    const struct {
        const char *allowance;
        bool listed;
    } allowances[] = {{"12px", false}, {"11px", true}, {"67%", false}, {"66%", true}};
    for (const auto &a : allowances) {
        kit.write("orvanta-kit.ini", QByteArray("[texts]\nwider=") + a.allowance + "\n");
        run = KvToolRun::run({"texts", "check", kit.dir(), "--codepage", "1252"});
        EXPECT_EQ(run.exitCode, a.listed ? 1 : 0) << a.allowance;
        EXPECT_EQ(run.out.startsWith("2\twider\t"), a.listed) << a.allowance << ": " << run.out.toStdString();
        EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    }
}

namespace {

// The lines of `out` whose check is `check`.
QStringList linesOf(const QByteArray &out, const QString &check)
{
    QStringList lines;
    for (const QString &line : QString::fromUtf8(out).split('\n', Qt::SkipEmptyParts)) {
        if (line.section('\t', 1, 1) == check)
            lines.append(line);
    }
    return lines;
}

} // namespace

TEST(KvToolTextsCheck, SpellingWithTheDictionaryGivenOrRemembered)
{
    SKIP_WHERE_KVTOOL_HAS_NO_ARIAL();
    TempKit kit;
    kit.writeArchive("kvmain.dat", {{"KVTEXTS.DAT", QByteArray::fromStdString(textFile(
                                                        {"Kvorgan's sword", "%d gold", "Untranslated qwzx"}))}});
    kit.writeArchive("lang.dat", {{"TEXTS.DAT", QByteArray::fromStdString(textFile(
                                                      {"Kvorgan holds the swrod", "%d goold, goold", "Untranslated qwzx"}))}});

    auto run = KvToolRun::run({"texts", "check", kit.dir(), "--codepage", "1252", "--spell", "en_US"});
    EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    EXPECT_EQ(linesOf(run.out, "spelling"),
              QStringList({"1\tspelling\t\"swrod\" is not in the en_US dictionary",
                           "2\tspelling\t\"goold\" is not in the en_US dictionary"}));

    // Without --spell: the dictionary the window last used, with the kit's own words.
    kit.write("orvanta-kit.ini", "[texts]\nspelling=en_US\n");
    kit.write("orvanta-kit.words", "swrod\n");
    run = KvToolRun::run({"texts", "check", kit.dir(), "--codepage", "1252"});
    EXPECT_EQ(linesOf(run.out, "spelling"), QStringList({"2\tspelling\t\"goold\" is not in the en_US dictionary"}));

    // A kit dictionary that is not UTF-8 is told and left out; the file stays.
    kit.write("orvanta-kit.words", "swrod\n\xFF\n");
    run = KvToolRun::run({"texts", "check", kit.dir(), "--codepage", "1252"});
    EXPECT_TRUE(run.err.contains("orvanta-kit.words: line 2: is not UTF-8 text")) << run.err.toStdString();
    EXPECT_EQ(linesOf(run.out, "spelling").size(), 2);
    EXPECT_EQ(kit.read("orvanta-kit.words"), QByteArray("swrod\n\xFF\n"));

    // A remembered dictionary that is gone is a warning; one asked for, a failure.
    kit.write("orvanta-kit.ini", "[texts]\nspelling=xx_XX\n");
    run = KvToolRun::run({"texts", "check", kit.dir(), "--codepage", "1252"});
    EXPECT_TRUE(run.err.contains("warning: " + QDir::toNativeSeparators(orvanta::PlatformFiles::dictionaryFolder()).toUtf8()
                                 + QDir::separator().toLatin1() + "xx_XX.aff: no such file"))
        << run.err.toStdString();
    EXPECT_TRUE(linesOf(run.out, "spelling").isEmpty());
    run = KvToolRun::run({"texts", "check", kit.dir(), "--spell", "xx_XX"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.contains("the dictionary for \"xx_XX\" is not installed")) << run.err.toStdString();
}

TEST(KvToolTextsCheck, InconsistentNamesTheOtherRowsOfTheSameOriginal)
{
    SKIP_WHERE_KVTOOL_HAS_NO_ARIAL();
    TempKit kit;
    kit.writeArchive("kvmain.dat",
                     {{"KVTEXTS.DAT", QByteArray::fromStdString(textFile({"Open", "Open", "Open", "Close", "Open"}))}});
    kit.writeArchive("lang.dat",
                     {{"TEXTS.DAT", QByteArray::fromStdString(textFile({"Auf", "Ab", "Open", "Zu", "Auf"}))}});

    const auto run = KvToolRun::run({"texts", "check", kit.dir(), "--codepage", "1252"});
    EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
    EXPECT_EQ(run.out.toStdString(), "1\tinconsistent\tthe same original is translated otherwise in row 2\n"
                                     "2\tinconsistent\tthe same original is translated otherwise in rows 1 and 5\n"
                                     "5\tinconsistent\tthe same original is translated otherwise in row 2\n");
}
