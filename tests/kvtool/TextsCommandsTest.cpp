#include "ArchiveContents.h"
#include "InMemoryTexts.h"
#include "KitSaving.h"
#include "KvToolRunner.h"
#include "TempKit.h"
#include "kit/KitLoader.h"
#include "kit/KitSave.h"
#include "kit/KitSettings.h"
#include "pictures/PictureSlots.h"
#include "texts/CodePage.h"
#include "texts/TextFile.h"
#include "texts/TextTable.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

using namespace orvanta;

namespace {

} // namespace

TEST(KvToolTexts, ExportLoadsLikeTheKitAndQuotesCsv)
{
    TempKit kit;
    kit.writeArchive("kvmain.dat",
                     {{"KVTEXTS.DAT", QByteArray::fromStdString(textFile({"Yes, no", "Say \"hi\"", " pad ", "\xC0"}))}});
    kit.writeArchive("lang.dat", {{"TEXTS.DAT", QByteArray::fromStdString(textFile({"Ja, nein"}))}});
    auto run = KvToolRun::run({"texts", "export", kit.dir(), "--codepage", "1251"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(run.out), QString::fromUtf8("row,source,translation,needs_review,note\r\n"
                                                            "1,\"Yes, no\",\"Ja, nein\",,\r\n"
                                                            "2,\"Say \"\"hi\"\"\",\"Say \"\"hi\"\"\",,\r\n"
                                                            "3, pad , pad ,,\r\n"
                                                            "4,\u00C0,\u00C0,,\r\n"));
}

// The sources are the game's own texts in the game's code page, whatever
// code page the translations are in: a Russian kit (1251) exports "Caf\u00E9"
// as it is in every format and takes a CSV whose source holds "\u20AC" for its
// row. A kit that names another code page for its sources is read in that.
TEST(KvToolTexts, SourcesAreReadInTheGamesCodePageNotTheTranslations)
{
    SKIP_WHERE_KVTOOL_HAS_NO_ARIAL();
    TempKit kit;
    kit.writeArchive("kvmain.dat", {{"KVTEXTS.DAT", TextFile::write({"Caf\xE9 owners in Pellam", "Price: 5 \x80"})}});
    kit.writeArchive("lang.dat", {{"TEXTS.DAT", TextFile::write({"\xC2\xEB\xE0\xE4\xE5\xEB\xFC\xF6\xFB \xEA\xE0\xF4\xE5",
                                                                   "Price: 5 \x80"})}});
    kit.write("orvanta-kit.ini", "[texts]\ncodepage=1251\n");
    const QByteArray translated = "\u0412\u043B\u0430\u0434\u0435\u043B\u044C\u0446\u044B \u043A\u0430\u0444\u0435";

    const auto csv = KvToolRun::run({"texts", "export", kit.dir()});
    ASSERT_EQ(csv.exitCode, 0) << csv.err.toStdString();
    EXPECT_EQ(csv.out, "row,source,translation,needs_review,note\r\n"
                       "1,Caf\u00E9 owners in Pellam," + translated + ",,\r\n"
                       "2,Price: 5 \u20AC,Price: 5 \u20AC,,\r\n");
    const auto po = KvToolRun::run({"texts", "export", kit.dir(), "--format", "po"});
    ASSERT_EQ(po.exitCode, 0) << po.err.toStdString();
    EXPECT_TRUE(po.out.contains("msgid \"Caf\u00E9 owners in Pellam\"\nmsgstr \"" + translated + "\"\n"))
        << po.out.toStdString();
    EXPECT_TRUE(po.out.contains("msgid \"Price: 5 \u20AC\"\n")) << po.out.toStdString();
    const auto xliff = KvToolRun::run({"texts", "export", kit.dir(), "--format", "xliff"});
    ASSERT_EQ(xliff.exitCode, 0) << xliff.err.toStdString();
    EXPECT_TRUE(xliff.out.contains(" source-language=\"en\"")) << xliff.out.toStdString();
    EXPECT_TRUE(xliff.out.contains(">Caf\u00E9 owners in Pellam</source>")) << xliff.out.toStdString();
    EXPECT_TRUE(xliff.out.contains(">" + translated + "</target>")) << xliff.out.toStdString();
    // For OmegaT the target is the source, the translation left to the TMX.
    const auto forOmegaT = KvToolRun::run({"texts", "export", kit.dir(), "--format", "xliff-omegat"});
    ASSERT_EQ(forOmegaT.exitCode, 0) << forOmegaT.err.toStdString();
    EXPECT_TRUE(forOmegaT.out.contains("<source>Caf\u00E9 owners in Pellam</source>\n"
                                       "    <target state=\"new\">Caf\u00E9 owners in Pellam</target>"))
        << forOmegaT.out.toStdString();

    kit.write("texts.csv", "row,source,translation\r\n2,Price: 5 \u20AC,\u0426\u0435\u043D\u0430: 5 \u20AC\r\n");
    const auto imported = KvToolRun::run({"texts", "import", kit.dir(), kit.path("texts.csv")});
    ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    EXPECT_TRUE(imported.err.contains(": 1 translations changed, 0 unchanged\n")) << imported.err.toStdString();
    EXPECT_EQ(savedTexts(kit.path("lang.dat")),
              (QList<QByteArray>{"\xC2\xEB\xE0\xE4\xE5\xEB\xFC\xF6\xFB \xEA\xE0\xF4\xE5", "\xD6\xE5\xED\xE0: 5 \x88"}));

    kit.write("orvanta-kit.ini", "[texts]\ncodepage=1251\nsourcecodepage=1251\n");
    const auto named = KvToolRun::run({"texts", "export", kit.dir()});
    ASSERT_EQ(named.exitCode, 0) << named.err.toStdString();
    EXPECT_TRUE(named.out.contains("\r\n1,Caf\u0439 owners in Pellam,")) << named.out.toStdString();
}

TEST(KvToolTexts, ExportRefusesWhatTheKitWouldWarnAbout)
{
    SKIP_WHERE_KVTOOL_HAS_NO_ARIAL();
    TempKit kit;
    kit.write("lang.dat", QByteArray("\x07\0\0\0", 4));
    struct Case {
        QStringList args;
        const char *message;
    };
    const Case cases[] = {
        {{"texts", "export", kit.dir()}, "lang.dat: at byte 0: the entry count 7"},
        {{"texts", "import", kit.dir(), kit.path("t.po")}, "lang.dat: at byte 0: the entry count 7"},
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

// The whole road with the settings the kit remembers: export as PO, one
// msgstr typed in a translation editor, import; the new lang.dat is the one
// the save button makes of the same work. Exporting that and importing it
// unchanged leaves it byte for byte.
TEST(KvToolTexts, ImportSavesLikeTheSaveButtonAndARoundTripChangesNothing)
{
    TempKit kit, reference;
    kit.installSampleData();
    reference.installSampleData();
    const QByteArray settings = "[font]\nfamily=DejaVu Sans\nsize=9\n[texts]\ncodepage=1251\n";
    kit.write("orvanta-kit.ini", settings);
    auto exported = KvToolRun::run({"texts", "export", kit.dir(), "-o", kit.path("texts.po")});
    ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    QByteArray po = kit.read("texts.po");
    EXPECT_TRUE(po.contains("\"X-Orvanta-Codepage: 1251\\n\""));
    const qsizetype msgstr = po.indexOf("msgstr \"\"\n", po.indexOf("#: kvtexts.dat:2\nmsgid \"Load game\"\n"));
    ASSERT_GT(msgstr, 0);
    po.replace(msgstr, 10, "msgstr \"\\\"\xD0\x97\xD0\xB0\xD0\xB3\xD1\x80\xD1\x83\xD0\xB7\xD0\xB8\xD1\x82\xD1\x8C\\\" \"\n");
    kit.write("texts.po", po);

    auto imported = KvToolRun::run({"texts", "import", kit.dir(), kit.path("texts.po")});
    ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    EXPECT_EQ(imported.out, "\"lang.dat\" compilation completed successfully!\n");
    EXPECT_TRUE(imported.err.contains((kit.path("texts.po") + ": 1 translations changed, 0 unchanged\n").toUtf8()))
        << imported.err.toStdString();

    TextTable texts;
    PictureSlots pictures;
    ASSERT_TRUE(KitLoader::load(reference.dir(), texts, pictures).empty());
    texts.setTranslation(1, "\"\xC7\xE0\xE3\xF0\xF3\xE7\xE8\xF2\xFC\" ");
    const CodePage page(1251);
    ASSERT_TRUE(saveThroughKit(reference.dir(), {texts, *KitSettings(kit.dir()).glyphFont(), page, pictures}).ok());
    const QByteArray saved = kit.read("lang.dat");
    expectSameSave(kit.path("lang.dat"), reference.path("lang.dat"));
    EXPECT_EQ(savedTexts(kit.path("lang.dat")).value(1), "\"\xC7\xE0\xE3\xF0\xF3\xE7\xE8\xF2\xFC\" ");

    for (const char *name : {"again.csv", "again.po", "again.xlf"}) {
        ASSERT_EQ(KvToolRun::run({"texts", "export", kit.dir(), "-o", kit.path(name)}).exitCode, 0);
        auto again = KvToolRun::run({"texts", "import", kit.dir(), kit.path(name)});
        ASSERT_EQ(again.exitCode, 0) << again.err.toStdString();
        EXPECT_EQ(again.out, "No translation changed; lang.dat is left as it was.\n") << name;
        EXPECT_EQ(kit.read("lang.dat"), saved) << name;
    }
    EXPECT_EQ(kit.read("orvanta-kit.ini"), settings);
}

// A game update: a text added at the front, one reworded a little, one
// removed. migrate carries the work over and saves as import does; an older
// kit without source texts is refused with nothing written.
TEST(KvToolTexts, MigrateCarriesTranslationsOfAnOlderKitAndSaves)
{
    SKIP_WHERE_KVTOOL_HAS_NO_ARIAL();
    TempKit older, kit;
    older.writeArchive("kvmain.dat", {{"KVTEXTS.DAT", TextFile::write({"Start the journey now", "Load the saved game",
                                                                       "Options", "Old text"})}});
    older.writeArchive("lang.dat", {{"TEXTS.DAT", TextFile::write({"Reise jetzt beginnen", "Spiel laden", "Options",
                                                                   "Alter Text"})}});
    kit.writeArchive("kvmain.dat", {{"KVTEXTS.DAT", TextFile::write({"Added", "Start the journey now!",
                                                                     "Load the saved game", "Options"})}});
    kit.write("orvanta-kit.ini", "[texts]\ncodepage=1252\n");

    const auto refused = KvToolRun::run({"texts", "migrate", kit.dir(), kit.path("missing")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("no such folder")) << refused.err.toStdString();
    TempKit empty;
    const auto noSources = KvToolRun::run({"texts", "migrate", kit.dir(), empty.dir()});
    EXPECT_EQ(noSources.exitCode, 1) << noSources.err.toStdString();
    EXPECT_FALSE(QFile::exists(kit.path("lang.dat")));

    const auto migrated = KvToolRun::run({"texts", "migrate", kit.dir(), older.dir()});
    ASSERT_EQ(migrated.exitCode, 0) << migrated.err.toStdString();
    EXPECT_EQ(migrated.out, "\"lang.dat\" compilation completed successfully!\n");
    EXPECT_TRUE(migrated.err.contains(": 2 translations changed, 0 unchanged\n"
                                      "  carried for review, the source text changed a little: 1 (row 2 (from 1))\n"
                                      "  new rows, left untranslated: 1 (row 1)\n"
                                      "  translations of source texts that are gone (rows of the older kit): 1 (row 4)\n"))
        << migrated.err.toStdString();
    EXPECT_EQ(savedTexts(kit.path("lang.dat")),
              (QList<QByteArray>{"Added", "Reise jetzt beginnen", "Spiel laden", "Options"}));
    EXPECT_EQ(kit.read("orvanta-kit.review"), "orvanta-kit review 1\n2\treview\t\n");
}

// The translator's marks and notes: imported from a CSV and saved beside
// lang.dat, exported as PO fuzzy flags and translator comments, through
// gettext's msgcat and into another kit unchanged. A damaged review file is
// kept aside, never written over.
TEST(KvToolTexts, ReviewMarksAndNotesAreSavedAndTravelThroughPo)
{
    SKIP_WHERE_KVTOOL_HAS_NO_ARIAL();
    TempKit kit, other;
    const QByteArray kvmain = TextFile::write({"Build", "Stock", "Coffee", "OK"});
    for (const TempKit *k : {&kit, &other}) {
        k->writeArchive("kvmain.dat", {{"KVTEXTS.DAT", kvmain}});
        k->write("orvanta-kit.ini", "[texts]\ncodepage=1252\n");
    }
    kit.write("marks.csv", "row,source,translation,needs_review,note\n"
                           "1,Build,Bauen,yes,\"Ask the team:\nbuild or construct?\"\n"
                           "3,Coffee,Kaffee,,Checked\n");
    const auto imported = KvToolRun::run({"texts", "import", kit.dir(), kit.path("marks.csv")});
    ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    const QByteArray review = "orvanta-kit review 1\n1\treview\tAsk the team:\\nbuild or construct?\n3\t-\tChecked\n";
    EXPECT_EQ(kit.read("orvanta-kit.review"), review);

    ASSERT_EQ(KvToolRun::run({"texts", "export", kit.dir(), "--format", "po", "-o", kit.path("texts.po")}).exitCode, 0);
    const QByteArray po = kit.read("texts.po");
    EXPECT_TRUE(po.contains("# Ask the team:\n# build or construct?\n#. At most 200 bytes in code page 1252.\n#: kvtexts.dat:1\n#, fuzzy\nmsgid \"Build\"\n")) << po.toStdString();
    const QString msgcat = QStandardPaths::findExecutable("msgcat");
    if (msgcat.isEmpty())
        GTEST_SKIP() << "msgcat is not installed (Debian package gettext)";
    QProcess cat;
    cat.start(msgcat, {kit.path("texts.po"), "-o", other.path("texts.po")});
    ASSERT_TRUE(cat.waitForFinished() && cat.exitCode() == 0) << cat.readAllStandardError().toStdString();
    const auto again = KvToolRun::run({"texts", "import", other.dir(), other.path("texts.po")});
    ASSERT_EQ(again.exitCode, 0) << again.err.toStdString();
    EXPECT_TRUE(again.err.contains("imported, marked needs review (fuzzy): 1 (row 1)")) << again.err.toStdString();
    EXPECT_EQ(other.read("orvanta-kit.review"), review);
    EXPECT_EQ(other.read("lang.dat"), kit.read("lang.dat"));

    other.write("orvanta-kit.review", "orvanta-kit review 1\n1\tmaybe\t\n");
    const auto damaged = KvToolRun::run({"texts", "import", other.dir(), kit.path("marks.csv")});
    EXPECT_EQ(damaged.exitCode, 3) << damaged.err.toStdString();
    EXPECT_TRUE(damaged.err.contains("orvanta-kit.review: line 2: unknown mark \"maybe\"")) << damaged.err.toStdString();
    EXPECT_TRUE(damaged.err.contains("kept as " + QDir::toNativeSeparators(other.path("orvanta-kit.review.damaged")).toUtf8()));
    EXPECT_EQ(other.read("orvanta-kit.review.damaged"), "orvanta-kit review 1\n1\tmaybe\t\n");
    EXPECT_EQ(other.read("orvanta-kit.review"), review) << "the import's marks, saved anew";
}

TEST(KvToolTexts, ImportRefusesWhatTheCodePageCannotHoldUnlessTheRefusalsAreSkipped)
{
    SKIP_WHERE_KVTOOL_HAS_NO_ARIAL();
    TempKit kit;
    kit.installSampleData();
    kit.write("texts.csv", "row,source,translation\r\n1,New game,\xD0\x96uk\r\n2,Load game,  Laden  \r\n");
    auto refused = KvToolRun::run({"texts", "import", kit.dir(), kit.path("texts.csv"), "--codepage", "1252"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("refused, a character code page 1252 cannot hold: 1 (row 1 ('\xD0\x96' U+0416))"))
        << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains("kvtool: nothing written"));
    EXPECT_TRUE(kit.read("lang.dat").isEmpty());

    auto skipped = KvToolRun::run(
        {"texts", "import", kit.dir(), kit.path("texts.csv"), "--codepage", "1252", "--skip-refused"});
    ASSERT_EQ(skipped.exitCode, 0) << skipped.err.toStdString();
    const QList<QByteArray> saved = savedTexts(kit.path("lang.dat"));
    EXPECT_EQ(saved.value(0), "New game");
    EXPECT_EQ(saved.value(1), "  Laden  ");
}

TEST(KvToolTexts, ImportOfABadFileNamesItAndExportOfABadFormatIsAMisuse)
{
    SKIP_WHERE_KVTOOL_HAS_NO_ARIAL();
    TempKit kit;
    kit.installSampleData();
    kit.write("bad.csv", "row,source,translation\n1,New game,\"Neu\n");
    kit.write("texts.txt", "row,source,translation\n");
    const struct {
        QString file;
        QByteArray message;
    } cases[] = {
        {kit.path("bad.csv"), "bad.csv: line 2: a quoted field is not closed"},
        {kit.path("texts.txt"), "texts.txt: not a texts file"},
        {kit.path("missing.po"), "missing.po: cannot be opened"},
    };
    for (const auto &c : cases) {
        auto run = KvToolRun::run({"texts", "import", kit.dir(), c.file});
        EXPECT_EQ(run.exitCode, 1) << c.message.toStdString();
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
    }
    EXPECT_TRUE(kit.read("lang.dat").isEmpty());
    auto misuse = KvToolRun::run({"texts", "export", kit.dir(), "--format", "xml"});
    EXPECT_EQ(misuse.exitCode, 2);
    EXPECT_TRUE(misuse.err.contains("--format must be csv, po, pot, tmx, xliff or xliff-omegat"));
}

// The help and the messages name the formats as the translators know them:
// every texts file for an import, no template as a memory, TMX (written,
// never read) for an export only.
TEST(KvToolTexts, HelpAndMessagesNameEveryFormat)
{
    const auto usage = KvToolRun::run({"texts", "--help"});
    EXPECT_EQ(usage.exitCode, 0);
    EXPECT_TRUE(usage.out.contains("       kvtool texts export KITDIR [--format csv|po|pot|tmx|xliff|xliff-omegat] [-o FILE]\n"))
        << usage.out.toStdString();
    EXPECT_TRUE(usage.out.contains("  import   applies a .csv, .po, .pot, .xlf or .xliff file to the kit's\n"));
    const auto exportHelp = KvToolRun::run({"texts", "export", "--help"});
    EXPECT_TRUE(exportHelp.out.simplified().contains(
        "--format <csv|po|pot|tmx|xliff|xliff-omegat> csv, po, pot, tmx, xliff or xliff-omegat (default: the "
        "output file's name: .po, .pot, .xlf, .xliff or .tmx, else csv)."))
        << exportHelp.out.toStdString();
    const auto importHelp = KvToolRun::run({"texts", "import", "--help"});
    EXPECT_TRUE(importHelp.out.simplified().contains("file A .csv, .po, .pot, .xlf or .xliff file."))
        << importHelp.out.toStdString();
    const auto suggestHelp = KvToolRun::run({"texts", "suggest", "--help"});
    EXPECT_TRUE(suggestHelp.out.simplified().contains(
        "A translation memory: a .po, .xlf, .xliff or .csv file, or another kit folder (its kvmain.dat and lang.dat)."))
        << suggestHelp.out.toStdString();

    TempKit kit;
    kit.writeArchive("kvmain.dat", {{"KVTEXTS.DAT", QByteArray::fromStdString(textFile({"Open the door"}))}});
    kit.write("texts.txt", "row,source,translation\n");
    kit.write("new.pot", "msgid \"\"\nmsgstr \"\"\n");
    const auto notTexts = KvToolRun::run({"texts", "import", kit.dir(), kit.path("texts.txt")});
    EXPECT_TRUE(notTexts.err.contains("texts.txt: not a texts file: the name must end in .csv, .po, .pot, .xlf or "
                                      ".xliff\n"))
        << notTexts.err.toStdString();
    const auto misuse = KvToolRun::run({"texts", "export", kit.dir(), "--format", "x.po"});
    EXPECT_EQ(misuse.exitCode, 2);
    EXPECT_TRUE(misuse.err.contains("--format must be csv, po, pot, tmx, xliff or xliff-omegat, not \"x.po\"\n"))
        << misuse.err.toStdString();
    const auto xlf = KvToolRun::run({"texts", "export", kit.dir(), "--format", "XLF"});
    EXPECT_EQ(xlf.exitCode, 0) << xlf.err.toStdString();
    EXPECT_TRUE(xlf.out.contains("<xliff xmlns=\"urn:oasis:names:tc:xliff:document:1.2\"")) << xlf.out.toStdString();
    kit.write("kit.tmx", "<tmx version=\"1.4\"/>");
    const auto tmxImport = KvToolRun::run({"texts", "import", kit.dir(), kit.path("kit.tmx")});
    EXPECT_TRUE(tmxImport.err.contains("kit.tmx: not a texts file: the name must end in .csv, .po, .pot, .xlf or "
                                       ".xliff\n"))
        << tmxImport.err.toStdString();
    const auto noLanguage = KvToolRun::run({"texts", "export", kit.dir(), "-o", kit.path("out.tmx")});
    EXPECT_EQ(noLanguage.exitCode, 1);
    EXPECT_TRUE(noLanguage.err.contains("out.tmx: a TMX names the translation's language, and the kit does not know "
                                        "it: name it as language in group [texts] of orvanta-kit.ini, or give "
                                        "kvtool texts export --language LL"))
        << noLanguage.err.toStdString();
    const auto tmx = KvToolRun::run({"texts", "export", kit.dir(), "-o", kit.path("out.tmx"), "--language", "de"});
    EXPECT_EQ(tmx.exitCode, 0) << tmx.err.toStdString();
    EXPECT_TRUE(kit.read("out.tmx").contains("<tmx version=\"1.4\">")) << kit.read("out.tmx").toStdString();
    // A template holds no translations.
    const auto memory = KvToolRun::run({"texts", "suggest", kit.dir(), "1", "--memory", kit.path("new.pot")});
    EXPECT_TRUE(memory.err.contains("new.pot: is no translation memory (a .po, .xlf, .xliff or .csv file, or a kit "
                                    "folder)"))
        << memory.err.toStdString();
}
