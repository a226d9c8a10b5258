// The sources a save's translations were made for, remembered beside
// lang.dat: what a new kvmain.dat does to a translated kit, and files of
// remembered sources that cannot be trusted.
#include "ArchiveContents.h"
#include "InMemoryTexts.h"
#include "KitSaving.h"
#include "TempKit.h"
#include "kit/OpenKit.h"
#include "texts/TextFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace orvanta;

namespace {

const QList<QByteArray> OldSources{"New game", "Load game", "Options", "The bridge is guarded by three soldiers",
                                   "Old text", "Quit"};
const QList<QByteArray> OldTranslations{"Neues Spiel", "Spiel laden", "Optionen",
                                        "Drei Soldaten bewachen die Br\xFC" "cke", "Alter Text", "Quit"};

void writeSources(const TempKit &kit, const QList<QByteArray> &sources)
{
    kit.writeArchive("kvmain.dat", {{"KVTEXTS.DAT", TextFile::write(sources)}});
}

// A kit translated and saved against OldSources: marks on four rows, a
// redrawn picture.
void saveTranslatedKit(const TempKit &kit)
{
    writeSources(kit, OldSources);
    OpenKit work(kit.dir());
    work.setCodePage(1252);
    ASSERT_FALSE(work.open().refusal);
    for (int row = 0; row < OldSources.size(); ++row)
        work.texts().setTranslation(row, OldTranslations[row]);
    work.marks().setMark(1, {.needsReview = true, .done = false, .note = "Ask: load or open?"});
    work.marks().setMark(3, {.needsReview = false, .done = false, .note = "Three, not four"});
    work.marks().setMark(4, {.needsReview = true, .done = false, .note = {}});
    work.marks().setMark(5, {.needsReview = false, .done = true, .note = {}});
    *work.pictures().TranslatedPicture(0) = *work.pictures().StandardPicture(0);
    AnsweringSaveQuestions questions;
    const auto saved = work.save(questions);
    ASSERT_TRUE(saved.ok()) << saved.error().text();
}


} // namespace

// The file is the kit's own: lang.dat holds the game's entries only, and
// the sources stand in it row by row, escaped where they hold a line break
// or a backslash, sealed by their last line, with the stamps of the files
// it was saved with. A copy of the kit folder is trusted by its texts.
TEST(RememberedSources, EverySaveWritesTheSourcesBesideLangDat)
{
    TempKit kit;
    writeSources(kit, {"New game", "Path C:\\Games", "Two\nlines", ""});
    OpenKit work(kit.dir());
    ASSERT_FALSE(work.open().refusal);
    work.texts().setTranslation(0, "Neues Spiel");
    AnsweringSaveQuestions questions;
    ASSERT_TRUE(work.save(questions).ok());

    EXPECT_EQ(entryNames(kit.path("lang.dat")), (std::vector<std::string>{"FONT.SPR", "FONTSIZE.DAT", "TEXTS.DAT"}));
    EXPECT_EQ(savedTexts(kit.path("lang.dat")), (QList<QByteArray>{"Neues Spiel", "Path C:\\Games", "Two\nlines", ""}));
    const QByteArray file = kit.read("orvanta-kit.sources");
    const QRegularExpression shape(QStringLiteral("^orvanta-kit sources 3\nrows 4 sources [0-9a-f]{16} texts [0-9a-f]{16} pictures "
                                                  "[0-9a-f]{16}(?:,[0-9a-f]{16}){8} kvmain (\\d+):(\\d+):\\d+:\\d+ "
                                                  "langdat (\\d+):(\\d+):\\d+:\\d+\n"
                                                  "New game\nPath C:\\\\\\\\Games\nTwo\\\\nlines\n\nend [0-9a-f]{16}\n$"));
    const QRegularExpressionMatch match = shape.match(QString::fromLatin1(file));
    ASSERT_TRUE(match.hasMatch()) << file.toStdString();
    // The stamps are those of kvmain.dat and of the lang.dat in place: their
    // lengths and modification times (in nanoseconds).
    int field = 1;
    for (const char *name : {"kvmain.dat", "lang.dat"}) {
        const QFileInfo info(kit.path(QLatin1String(name)));
        EXPECT_EQ(match.captured(field++).toLongLong(), info.size()) << name;
        EXPECT_EQ(match.captured(field++).toLongLong() / 1000000, info.lastModified().toMSecsSinceEpoch()) << name;
    }

    // A second save keeps the first one's file as the backup, beside lang.dat.bak.
    work.texts().setTranslation(1, "Pfad C:\\Spiele");
    ASSERT_TRUE(work.save(questions).ok());
    EXPECT_EQ(kit.read("orvanta-kit.sources.bak"), file);
    OpenKit again(kit.dir());
    const OpenKit::Opened opened = again.open();
    EXPECT_FALSE(opened.shifted);
    EXPECT_TRUE(opened.notices.empty());

    // The kit folder copied elsewhere: other files (their stamps are not
    // those remembered), the same texts.
    TempKit copy;
    for (const QString &name : QDir(kit.dir()).entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(kit.path(name), copy.path(name)));
    OpenKit copied(copy.dir());
    const OpenKit::Opened fromCopy = copied.open();
    EXPECT_FALSE(fromCopy.shifted);
    EXPECT_TRUE(fromCopy.notices.empty());
}

// The next game version: two texts inserted at the front, one moved, one
// reworded, one removed. The kit says so instead of pairing by row, a save
// is refused until the translator chooses, and the carry over puts every
// translation, note and mark where its source stands.
TEST(RememberedSources, ANewKvmainIsCarriedOverBySourceNeverPairedByRow)
{
    TempKit kit;
    saveTranslatedKit(kit);
    const QByteArray langDat = kit.read("lang.dat");
    writeSources(kit, {"Continue", "Back", "Quit", "New game", "Load game", "Options",
                       "The bridge is guarded by four soldiers"});

    {
        OpenKit shifted(kit.dir());
        OpenKit::Opening toSave;
        toSave.toSave = true;
        const OpenKit::Opened refused = shifted.open(toSave);
        ASSERT_TRUE(refused.refusal);
        EXPECT_EQ(refused.refusal->kind, FormatError::Kind::SourcesShifted);
        EXPECT_EQ(refused.refusal->what, "kvmain.dat's source texts are not those the translations in lang.dat were "
                                         "saved against (a new game version): 4 rows moved, 1 changed, 2 came, 1 went");
        OpenKit asItIs(kit.dir());
        toSave.asItIs = true;
        shifted = OpenKit(kit.dir()); // lets go of the save lock
        EXPECT_FALSE(asItIs.open(toSave).refusal);
    }

    OpenKit work(kit.dir());
    work.setCodePage(1252);
    const OpenKit::Opened opened = work.open();
    ASSERT_FALSE(opened.refusal);
    ASSERT_TRUE(opened.shifted);
    EXPECT_EQ(opened.shifted->moved, 4);
    EXPECT_EQ(opened.shifted->changed, 1);
    EXPECT_EQ(opened.shifted->came, 2);
    EXPECT_EQ(opened.shifted->went, 1);
    EXPECT_EQ(translationsOf(work.texts()).first(3), (QList<QByteArray>{"Neues Spiel", "Spiel laden", "Optionen"}))
        << "opened as it is, each translation stays in its row";
    ASSERT_TRUE(work.carryOver());
    EXPECT_EQ(work.carryOver()->report,
              (QStringList{"7 translations changed, 0 unchanged",
                           "carried for review, the source text changed a little: 1 (row 7 (from 4))",
                           "new rows, left untranslated: 2 (rows 1, 2)",
                           "translations of source texts that are gone (rows of the older kit): 1 (row 5)",
                           "notes carried with their texts: 2 (rows 5, 7)",
                           "needs review and done as it is marks carried with their texts: 2 (rows 3, 5)",
                           "translations of other source texts taken away, left untranslated: 3 (rows 1, 2, 3)"}));
    ASSERT_TRUE(work.apply(*work.carryOver()).ok());
    EXPECT_EQ(translationsOf(work.texts()), (QList<QByteArray>{"Continue", "Back", "Quit", "Neues Spiel", "Spiel laden",
                                                     "Optionen", "Drei Soldaten bewachen die Br\xFC" "cke"}));
    EXPECT_EQ(work.marks().mark(4), (ReviewMarks::Mark{.needsReview = true, .done = false, .note = "Ask: load or open?"}));
    EXPECT_EQ(work.marks().mark(6), (ReviewMarks::Mark{.needsReview = true, .done = false, .note = "Three, not four"}))
        << "reworded: the note stays, and it needs review";
    EXPECT_TRUE(work.marks().isDone(2)) << "Quit moved from row 6 to row 3";
    EXPECT_EQ(work.marks().rows(), (QList<int>{2, 4, 6}));
    EXPECT_TRUE(work.pictures().isPresent(0));
    EXPECT_EQ(kit.read("lang.dat"), langDat) << "nothing is saved by the carry over itself";

    AnsweringSaveQuestions questions;
    ASSERT_TRUE(work.save(questions).ok());
    OpenKit reopened(kit.dir());
    const OpenKit::Opened again = reopened.open();
    EXPECT_FALSE(again.shifted) << "the save remembers the new sources";
    EXPECT_EQ(reopened.marks().toFile(), work.marks().toFile());
    EXPECT_TRUE(reopened.pictures().isPresent(0));
}

// A file of remembered sources that is cut, changed or belongs to another
// lang.dat is kept aside and said; without one, a lang.dat whose text count
// differs from kvmain.dat's is said with the way to migrate. The work goes
// on by row, and nothing is lost.
TEST(RememberedSources, OnesThatCannotBeTrustedAreKeptAsideAndSaid)
{
    enum Damage { Cut, Changed, LangDatFromElsewhere, LangDatFromElsewhereSameKvmain, LangDatChangedInTimeAndLength };
    const struct {
        Damage damage;
        const char *notice;
        QList<QByteArray> byRow; // the first two translations, as lang.dat holds them
    } cases[] = {
        {Cut, "is cut short", {"Neues Spiel", "Spiel laden"}},
        {Changed, "was changed after the kit wrote it", {"Neues Spiel", "Spiel laden"}},
        {LangDatFromElsewhere, "was not saved with the lang.dat beside it", {"Weiter", "Neues Spiel"}},
        // The same kvmain.dat: the file's stamp of it stands, not that of lang.dat.
        {LangDatFromElsewhereSameKvmain, "was not saved with the lang.dat beside it", {"Weiter", "Neues Spiel"}},
        // Another file with the saved one's length and time is not the saved one.
        {LangDatChangedInTimeAndLength, "was not saved with the lang.dat beside it", {"Neues Spiel", "Spiel lade!"}},
    };
    for (const auto &[damage, expected, byRow] : cases) {
        SCOPED_TRACE(expected);
        SCOPED_TRACE(int(damage));
        TempKit kit;
        saveTranslatedKit(kit);
        if (damage != LangDatFromElsewhereSameKvmain && damage != LangDatChangedInTimeAndLength)
            writeSources(kit, {"Continue", "New game", "Load game", "Options", "Quit", "Exit"});
        const QByteArray remembered = kit.read("orvanta-kit.sources");
        if (damage == Cut) {
            kit.write("orvanta-kit.sources", remembered.first(remembered.size() - 30));
        } else if (damage == Changed) {
            QByteArray changed = remembered;
            changed.replace("Load game", "Load gamE");
            kit.write("orvanta-kit.sources", changed);
        } else if (damage == LangDatChangedInTimeAndLength) {
            const QDateTime saved = QFileInfo(kit.path("lang.dat")).lastModified();
            QByteArray langDat = kit.read("lang.dat");
            langDat.replace("Spiel laden", "Spiel lade!");
            QFile::remove(kit.path("lang.dat"));
            kit.write("lang.dat", langDat);
            QFile file(kit.path("lang.dat"));
            ASSERT_TRUE(file.open(QIODevice::ReadWrite));
            ASSERT_TRUE(file.setFileTime(saved, QFileDevice::FileModificationTime));
        } else {
            kit.writeArchive("lang.dat", {{"TEXTS.DAT", TextFile::write({"Weiter", "Neues Spiel", "Spiel laden",
                                                                         "Optionen", "Beenden", "Ende"})}});
        }
        OpenKit work(kit.dir());
        const OpenKit::Opened opened = work.open();
        EXPECT_FALSE(opened.shifted);
        EXPECT_FALSE(opened.damaged());
        ASSERT_EQ(opened.notices.size(), 1u);
        const std::string notice = opened.notices[0].text();
        EXPECT_NE(notice.find(expected), std::string::npos) << notice;
        EXPECT_NE(notice.find("it is kept as"), std::string::npos) << notice;
        EXPECT_FALSE(QFile::exists(kit.path("orvanta-kit.sources")));
        EXPECT_FALSE(kit.read("orvanta-kit.sources.damaged").isEmpty());
        EXPECT_EQ(translationsOf(work.texts()).first(2), byRow);
    }

    TempKit copied;
    saveTranslatedKit(copied);
    QFile::remove(copied.path("orvanta-kit.sources"));
    writeSources(copied, {"Continue", "New game", "Load game"});
    OpenKit work(copied.dir());
    const OpenKit::Opened opened = work.open();
    ASSERT_EQ(opened.notices.size(), 1u);
    EXPECT_EQ(opened.notices[0].text(),
              QDir::toNativeSeparators(copied.path("lang.dat")).toStdString()
                  + ": holds 6 texts, but kvmain.dat holds 3: its translations may stand beside other source texts "
                    "than they were made for. To move to a new kit version, take the translations from the old "
                    "kit's folder (\"Take translations from an older kit...\" on the Texts page, or kvtool texts "
                    "migrate KITDIR OLDKIT)");
}

// Files of remembered sources as kits before version 3 wrote them (no
// stamps), beside the lang.dat saved with them, are trusted: the kit opens
// without a question or notice; and when a new kvmain.dat comes, its
// translations are carried by source.
TEST(RememberedSources, FilesOfEarlierVersionsAreStillTrustedAndCompared)
{
    const QByteArray pictures = "pictures f638c1f18f9defdd,a325877abd567ddb,468bfba462dbecd0,f8f992906a28c6fd,"
                                "84035ad77ea34fc6,e85b8df7c58d8e4d,74e5d6e0dbfac0dc,fdc9f23a2ef44c0b,3721dab6ca4a8ae4\n";
    const QByteArray sources = "New game\nLoad game\nOptions\nThe bridge is guarded by three soldiers\nOld text\nQuit\n";
    const QByteArray files[] = {
        "orvanta-kit sources 1\nrows 6 sources 69a25d52f1690a15 texts 7862922ab5bfdda7 " + pictures + sources
            + "end 5e1300c3e6816480\n",
        "orvanta-kit sources 2\nrows 6 sources 1530e842c3cb18d5 texts 37677af06432e82a " + pictures + sources
            + "end d7fcb44d402e3543\n",
    };
    for (const QByteArray &file : files) {
        SCOPED_TRACE(file.first(21).toStdString());
        TempKit kit;
        writeSources(kit, OldSources);
        {
            OpenKit work(kit.dir());
            ASSERT_FALSE(work.open().refusal);
            for (int row = 0; row < 4; ++row)
                work.texts().setTranslation(row, OldTranslations[row]);
            AnsweringSaveQuestions questions;
            ASSERT_TRUE(work.save(questions).ok());
        }
        kit.write("orvanta-kit.sources", file);

        OpenKit same(kit.dir());
        const OpenKit::Opened opened = same.open();
        EXPECT_FALSE(opened.refusal);
        EXPECT_FALSE(opened.shifted);
        EXPECT_TRUE(opened.notices.empty()) << opened.notices[0].text();
        EXPECT_FALSE(same.carryOver());
        EXPECT_EQ(kit.read("orvanta-kit.sources"), file) << "trusted, never kept aside";

        writeSources(kit, {"Continue", "New game", "Load game", "Options", "The bridge is guarded by three soldiers",
                           "Quit"});
        OpenKit shifted(kit.dir());
        const OpenKit::Opened again = shifted.open();
        EXPECT_TRUE(again.notices.empty());
        ASSERT_TRUE(again.shifted);
        EXPECT_EQ(again.shifted->came, 1);
        EXPECT_EQ(again.shifted->went, 1);
        ASSERT_TRUE(shifted.carryOver());
        ASSERT_TRUE(shifted.apply(*shifted.carryOver()).ok());
        EXPECT_EQ(translationsOf(shifted.texts()),
                  (QList<QByteArray>{"Continue", "Neues Spiel", "Spiel laden", "Optionen",
                                     "Drei Soldaten bewachen die Br\xFC" "cke", "Quit"}));
    }
}
