// Moving a translation to a new kit version with kvtool: a new kvmain.dat
// in a translated kit, and an older kit's folder taken over whole.
#include "ArchiveContents.h"
#include "KvToolRunner.h"
#include "TempKit.h"
#include "kit/KitSettings.h"
#include "texts/TextFile.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>

using namespace orvanta;

namespace {

const QList<QByteArray> OldSources{"New game", "Load game", "Options", "The bridge is guarded by three soldiers",
                                   "Old text"};
const QByteArray Translated = "row,source,translation,needs_review,note\n"
                              "1,New game,Neues Spiel,,\n"
                              "2,Load game,Spiel laden,yes,Ask: load or open?\n"
                              "3,Options,Optionen,,\n"
                              "4,The bridge is guarded by three soldiers,Drei Soldaten bewachen die Br\xC3\xBC" "cke,,"
                              "Three not four\n"
                              "5,Old text,Alter Text,,\n";
const QList<QByteArray> NewSources{"Continue", "Back", "New game", "Options", "Load game",
                                   "The bridge is guarded by four soldiers"};

void translate(const TempKit &kit)
{
    kit.writeArchive("kvmain.dat", {{"KVTEXTS.DAT", TextFile::write(OldSources)}});
    kit.write("orvanta-kit.ini", "[texts]\ncodepage=1252\n");
    kit.write("texts.csv", Translated);
    const auto imported = KvToolRun::run({"texts", "import", kit.dir(), kit.path("texts.csv")});
    ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();
}

} // namespace

// Every command that saves refuses a kit whose kvmain.dat holds other
// sources than its translations were saved against, naming texts migrate
// and the option to go on as it is; texts migrate KITDIR carries them.
TEST(KvToolKitVersions, ANewKvmainIsRefusedUntilCarriedOverOrTakenAsItIs)
{
    SKIP_WHERE_KVTOOL_HAS_NO_ARIAL();
    TempKit kit;
    translate(kit);
    kit.writeArchive("kvmain.dat", {{"KVTEXTS.DAT", TextFile::write(NewSources)}});
    const QByteArray langDat = kit.read("lang.dat");

    const QString shift = "kvmain.dat's source texts are not those the translations in lang.dat were saved against "
                          "(a new game version): 3 rows moved, 1 changed, 2 came, 1 went";
    for (const QStringList &command :
         {QStringList{"compile", kit.dir()}, QStringList{"texts", "import", kit.dir(), kit.path("texts.csv")}}) {
        const auto refused = KvToolRun::run(command);
        EXPECT_EQ(refused.exitCode, 1) << command.join(' ').toStdString();
        EXPECT_EQ(QString::fromUtf8(refused.err),
                  "kvtool: " + kit.dir() + ": " + shift + ". Saving now would leave each translation in its row, "
                  "beside another text: carry them to where their sources stand with 'kvtool texts migrate "
                  + kit.dir() + "' first, or give --as-it-is to save them as they are.\n");
        EXPECT_EQ(kit.read("lang.dat"), langDat);
    }
    const auto exported = KvToolRun::run({"texts", "export", kit.dir()});
    EXPECT_EQ(exported.exitCode, 0);
    EXPECT_EQ(QString::fromUtf8(exported.err),
              "kvtool: warning: " + shift + "; 'kvtool texts migrate " + kit.dir()
                  + "' carries the translations to where their sources stand\n");

    const auto migrated = KvToolRun::run({"texts", "migrate", kit.dir()});
    ASSERT_EQ(migrated.exitCode, 0) << migrated.err.toStdString();
    EXPECT_EQ(migrated.out, "\"lang.dat\" compilation completed successfully!\n");
    EXPECT_TRUE(migrated.err.contains("  notes carried with their texts: 2 (rows 5, 6)\n")) << migrated.err.toStdString();
    EXPECT_EQ(savedTexts(kit.path("lang.dat")),
              (QList<QByteArray>{"Continue", "Back", "Neues Spiel", "Optionen", "Spiel laden",
                                 "Drei Soldaten bewachen die Br\xFC" "cke"}));
    EXPECT_EQ(kit.read("orvanta-kit.review"),
              "orvanta-kit review 1\n5\treview\tAsk: load or open?\n6\treview\tThree not four\n");
    const auto compiled = KvToolRun::run({"compile", kit.dir()});
    EXPECT_EQ(compiled.exitCode, 0) << compiled.err.toStdString();
    EXPECT_EQ(compiled.err, "");

    // Taken as it is, each translation stays in its row, and the kit then
    // remembers the sources it was saved against.
    TempKit asItIs;
    translate(asItIs);
    asItIs.writeArchive("kvmain.dat", {{"KVTEXTS.DAT", TextFile::write(NewSources)}});
    const auto forced = KvToolRun::run({"compile", asItIs.dir(), "--as-it-is"});
    ASSERT_EQ(forced.exitCode, 0) << forced.err.toStdString();
    EXPECT_EQ(savedTexts(asItIs.path("lang.dat")).first(2), (QList<QByteArray>{"Neues Spiel", "Spiel laden"}));
    EXPECT_EQ(KvToolRun::run({"compile", asItIs.dir()}).exitCode, 0);
}

// An older kit's folder gives the new one its translations, marks and
// notes where their sources stand, its redrawn pictures, its dictionary and
// the settings the new kit has none of; the report names each.
TEST(KvToolKitVersions, MigrateFromAnOlderKitCarriesEverythingOfTheTextsAndTheKit)
{
    SKIP_WHERE_KVTOOL_HAS_NO_ARIAL();
    TempKit older, kit;
    translate(older);
    ASSERT_EQ(KvToolRun::run({"picture", "original", "1", older.path("stk.bmp")}).exitCode, 0);
    const auto withPicture = KvToolRun::run({"compile", older.dir(), "--picture", "1=" + older.path("stk.bmp")});
    ASSERT_EQ(withPicture.exitCode, 0) << withPicture.err.toStdString();
    older.write("orvanta-kit.words", "Kelmor\nAshford\n");
    older.write("orvanta-kit.ini", "[font]\nfamily=Liberation Serif\nsize=9\n[texts]\ncodepage=1250\n"
                                   "spelling=en_US\nmemories=" + older.path("memory.po").toUtf8() + "\n");
    kit.writeArchive("kvmain.dat", {{"KVTEXTS.DAT", TextFile::write(NewSources)}});
    kit.write("orvanta-kit.words", "Ashford\n");

    const auto migrated = KvToolRun::run({"texts", "migrate", kit.dir(), older.dir()});
    ASSERT_EQ(migrated.exitCode, 0) << migrated.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(migrated.err),
              older.dir() + ": 4 translations changed, 0 unchanged\n"
              "  carried for review, the source text changed a little: 1 (row 6 (from 4))\n"
              "  new rows, left untranslated: 2 (rows 1, 2)\n"
              "  translations of source texts that are gone (rows of the older kit): 1 (row 5)\n"
              "  notes carried with their texts: 2 (rows 5, 6)\n"
              "  needs review and done as it is marks carried with their texts: 1 (row 5)\n"
              "  redrawn pictures carried: 1 (stk.pad)\n"
              "  kit dictionary words carried: 1\n"
              "  settings taken from the older kit: font Liberation Serif 9, code page 1250, spell check en_US, 1 "
              "translation memories\n")
        << migrated.err.toStdString();
    EXPECT_EQ(savedTexts(kit.path("lang.dat")),
              (QList<QByteArray>{"Continue", "Back", "Neues Spiel", "Optionen", "Spiel laden",
                                 "Drei Soldaten bewachen die Br\xFC" "cke"}));
    EXPECT_EQ(kit.read("orvanta-kit.review"),
              "orvanta-kit review 1\n5\treview\tAsk: load or open?\n6\treview\tThree not four\n");
    const auto picture = [](const QString &langDat) {
        for (const auto &[name, bytes] : archiveContents(langDat)) {
            if (name == "STK.PAD")
                return bytes;
        }
        return std::string();
    };
    EXPECT_FALSE(picture(kit.path("lang.dat")).empty());
    EXPECT_EQ(picture(kit.path("lang.dat")), picture(older.path("lang.dat"))) << "the redrawn picture byte for byte";
    EXPECT_EQ(kit.read("orvanta-kit.words"), "Ashford\nKelmor\n");
    const KitSettings settings(kit.dir());
    EXPECT_EQ(settings.codePage(), 1250);
    ASSERT_TRUE(settings.glyphFont());
    EXPECT_EQ(settings.glyphFont()->family(), "Liberation Serif");
    EXPECT_EQ(settings.spellLanguage(), "en_US");
    EXPECT_EQ(settings.memories(), QStringList{older.path("memory.po")});
}
