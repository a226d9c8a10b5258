#include "ArchiveContents.h"
#include "InMemoryTexts.h"
#include "KitSaving.h"
#include "TempKit.h"
#include "font/FontChoice.h"
#include "io/WriteFaults.h"
#include "kit/KitLoader.h"
#include "kit/KitSave.h"
#include "kit/SaveLock.h"
#include "pictures/PictureSlots.h"
#include "texts/CodePage.h"
#include "texts/TextFile.h"
#include "texts/TextTable.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLockFile>

#include <functional>

#include <gtest/gtest.h>

using namespace orvanta;

namespace {

// The work of a kit folder, loaded as the window loads it, saved (on the
// save button's road, saveThroughKit) with Arial 8 in code page 1252 unless
// a test changes the font.
struct KitWork {
    TextTable texts;
    PictureSlots pictures;
    CodePage codePage{1252};
    QFont font = FontChoice::defaultFont();
    std::vector<FormatError> problems;

    explicit KitWork(const TempKit &kit) { problems = KitLoader::load(kit.dir(), texts, pictures); }
    KitSave::Work work() { return {texts, font, codePage, pictures}; }
};

// This machine as Qt's lock files name it: its host name on Linux, its
// computer name (in capitals) on Windows.
QString lockHost()
{
    const TempKit kit;
    QLockFile lock(kit.path(QStringLiteral("probe.lock")));
    qint64 pid = 0;
    QString host;
    QString application;
    if (!lock.tryLock(0) || !lock.getLockInfo(&pid, &host, &application))
        ADD_FAILURE() << "no lock file to learn this machine's name from";
    return host;
}

QStringList filesIn(const TempKit &kit)
{
    return QDir(kit.dir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

template <typename T>
std::string errorOf(const Result<T> &saved)
{
    return saved.ok() ? std::string("(saved)") : saved.error().text();
}

} // namespace

TEST(KitSave, AFullDiskAnywhereInTheSaveLeavesLangDatAndItsBackupAsTheyWere)
{
    TempKit kit, twin;
    kit.installSampleData();
    twin.installSampleData();
    KitWork work(kit);
    ASSERT_TRUE(saveThroughKit(kit.dir(), work.work()).ok());
    const QByteArray first = kit.read("lang.dat");
    work.texts.setTranslation(1, "Spiel laden");
    *work.pictures.TranslatedPicture(0) = *work.pictures.StandardPicture(0);
    ASSERT_TRUE(saveThroughKit(kit.dir(), work.work()).ok());
    const QByteArray second = kit.read("lang.dat");
    EXPECT_EQ(kit.read("lang.dat.bak"), first) << "the save keeps the lang.dat it replaced";
    const QStringList files = filesIn(kit);
    EXPECT_EQ(files, (QStringList{"kvmain.dat", "lang.dat", "lang.dat.bak", "orvanta-kit.sources",
                                  "orvanta-kit.sources.bak"}));

    // What the next save writes, pieces and archive, measured on a twin.
    work.texts.setTranslation(2, "Spiel speichern");
    qint64 total = 0;
    {
        const WriteFaults::Scope measure(qint64(1) << 40);
        ASSERT_TRUE(saveThroughKit(twin.dir(), work.work()).ok());
        total = WriteFaults::granted();
    }
    const QByteArray expected = twin.read("lang.dat");
    const qint64 directory = 4 + 21 * 4;
    // The journal names the two staged files beside their places and backups.
    const qint64 journal = qsizetype(sizeof("orvanta-kit journal 1\n") - 1)
        + qsizetype(sizeof("lang.dat.12345678.new\tlang.dat\tlang.dat.bak\n") - 1)
        + qsizetype(sizeof("orvanta-kit.sources.12345678.new\torvanta-kit.sources\torvanta-kit.sources.bak\n") - 1);
    ASSERT_EQ(total, 2 * expected.size() - directory + twin.read("orvanta-kit.sources").size() + journal)
        << "the four pieces, then the archive of them, the remembered sources and the journal";

    std::vector<qint64> positions{0, 1, total - expected.size() - 1, total - expected.size(), total - 1};
    for (int i = 1; i < 40; ++i)
        positions.push_back(total * i / 40);
    for (const qint64 position : positions) {
        const WriteFaults::Scope fault(position);
        const auto saved = saveThroughKit(kit.dir(), work.work());
        ASSERT_FALSE(saved.ok()) << "disk full at byte " << position << " of " << total;
        EXPECT_NE(errorOf(saved).find("cannot be written: No space left on device"), std::string::npos)
            << position << ": " << errorOf(saved);
        ASSERT_EQ(kit.read("lang.dat"), second) << position;
        ASSERT_EQ(kit.read("lang.dat.bak"), first) << position;
        ASSERT_EQ(filesIn(kit), files) << position << ": no output folder, no half file, no lock is left";
    }
    const WriteFaults::Scope justEnough(total);
    ASSERT_TRUE(saveThroughKit(kit.dir(), work.work()).ok());
    EXPECT_EQ(kit.read("lang.dat"), expected);
    EXPECT_EQ(kit.read("lang.dat.bak"), second);
}

TEST(KitSave, OneSaveOfAKitAtATime)
{
    TempKit kit;
    kit.installSampleData();
    kit.writeArchive("lang.dat", {{"TEXTS.DAT", QByteArray::fromStdString(textFile({"old"}))}});
    const QByteArray old = kit.read("lang.dat");
    QDir(kit.dir()).mkdir("output");
    kit.write("output/texts.dat", "the other save's piece");
    KitWork work(kit);
    QLockFile otherSave(kit.path(SaveLock::FileName));
    ASSERT_TRUE(otherSave.tryLock(0));
    const auto refused = saveThroughKit(kit.dir(), work.work(), std::chrono::milliseconds(200));
    ASSERT_FALSE(refused.ok());
    const QString message = QString::fromStdString(refused.error().text());
    EXPECT_TRUE(message.startsWith("Another save of this kit is running. "
                                   + QDir::toNativeSeparators(kit.path(SaveLock::FileName)) + " is held by process "
                                   + QString::number(QCoreApplication::applicationPid()) + " on " + lockHost()
                                   + " since "))
        << message.toStdString();
    EXPECT_TRUE(message.endsWith("If no save of this kit runs there, delete that file and save again."));
    EXPECT_EQ(kit.read("lang.dat"), old);
    EXPECT_EQ(kit.read("output/texts.dat"), "the other save's piece") << "the other save's pieces are left alone";
    EXPECT_FALSE(QFile::exists(kit.path("lang.dat.bak")));
}

// Lock files no save will ever clear: each is taken over, except the fresh
// lock of a process on another host, which may still be saving.
TEST(KitSave, StaleLocksOfEveryKindAreTakenOver)
{
    const QByteArray otherHost = "4242\nkvtool\nsomeone-elses-laptop\n";
    struct Case {
        const char *what;
        QByteArray content;
        qint64 age; // seconds before the save, each case dated as it starts
        bool saves;
    };
    const Case cases[] = {
        {"a process that died on this host",
         "2147483646\nkvtool\n" + lockHost().toUtf8() + "\n", 0, true},
        {"an empty lock", "", 5, true},
        {"garbage", "\x01\x02 not a lock \xFF", 5, true},
        {"another host, older than any save", otherHost, 11 * 60, true},
        {"another host, a minute old", otherHost, 60, false},
        {"an empty lock being written now", "", 0, false},
    };
    for (const Case &c : cases) {
        TempKit kit;
        kit.installSampleData();
        KitWork work(kit);
        kit.write(SaveLock::FileName, c.content);
        QFile lock(kit.path(SaveLock::FileName));
        ASSERT_TRUE(lock.open(QIODevice::ReadWrite));
        ASSERT_TRUE(lock.setFileTime(QDateTime::currentDateTime().addSecs(-c.age), QFileDevice::FileModificationTime));
        lock.close();
        const auto saved = saveThroughKit(kit.dir(), work.work(), std::chrono::milliseconds(100));
        EXPECT_EQ(saved.ok(), c.saves) << c.what << ": " << errorOf(saved);
        EXPECT_EQ(QFile::exists(kit.path("lang.dat")), c.saves) << c.what;
        EXPECT_EQ(QFile::exists(kit.path(SaveLock::FileName)), !c.saves) << c.what << ": a save leaves no lock behind";
        if (!c.saves && !c.content.isEmpty()) {
            EXPECT_NE(errorOf(saved).find("held by process 4242 on someone-elses-laptop since"), std::string::npos)
                << errorOf(saved);
        }
    }
}

// A stale lock taken over is told, naming it and whom it named; a lock of
// another host dated in the future counts as held; what is no lock file at
// all (a folder, a link to nothing) is named as what it is, with how to
// clear it.
TEST(SaveLock, TakeoversAreToldAndWhatIsNoLockIsNamed)
{
    const auto dated = [](const TempKit &kit, const QByteArray &content, qint64 secondsAgo) {
        kit.write(SaveLock::FileName, content);
        QFile lock(kit.path(SaveLock::FileName));
        ASSERT_TRUE(lock.open(QIODevice::ReadWrite));
        ASSERT_TRUE(lock.setFileTime(QDateTime::currentDateTime().addSecs(-secondsAgo), QFileDevice::FileModificationTime));
    };
    {
        TempKit kit;
        dated(kit, "2147483646\nkvtool\n" + lockHost().toUtf8() + "\n", 0);
        SaveLock lock(kit.dir());
        QStringList told;
        ASSERT_TRUE(lock.lock(std::chrono::milliseconds(100), {}, [&](const QString &notice) { told.append(notice); }));
        ASSERT_EQ(told.size(), 1);
        EXPECT_TRUE(told[0].startsWith("took over the stale save lock "
                                       + QDir::toNativeSeparators(kit.path(SaveLock::FileName))
                                       + ", left by process 2147483646 on " + lockHost() + " since "))
            << told[0].toStdString();
    }
    {
        TempKit kit;
        dated(kit, "4242\nkvtool\nsomeone-elses-laptop\n", -24 * 60 * 60);
        SaveLock lock(kit.dir());
        const Status refused = lock.lock(std::chrono::milliseconds(100));
        ASSERT_FALSE(refused);
        EXPECT_NE(refused.error().text().find("is held by process 4242 on someone-elses-laptop since "), std::string::npos)
            << refused.error().text();
        EXPECT_NE(refused.error().text().find(" UTC, a time still to come (that host's clock is ahead). If no save"),
                  std::string::npos)
            << refused.error().text();
        EXPECT_TRUE(QFile::exists(kit.path(SaveLock::FileName)));
    }
    const std::pair<const char *, std::function<void(const TempKit &)>> odd[] = {
        {"is a folder, not a file", [](const TempKit &kit) { QDir(kit.dir()).mkdir(SaveLock::FileName); }},
#ifndef Q_OS_WIN // QFile::link makes a shortcut there, no link
        {"is a symbolic link to nothing",
         [](const TempKit &kit) { QFile::link(kit.path("gone"), kit.path(SaveLock::FileName)); }},
#endif
    };
    for (const auto &[what, make] : odd) {
        TempKit kit;
        make(kit);
        SaveLock lock(kit.dir());
        const Status refused = lock.lock(std::chrono::milliseconds(100));
        ASSERT_FALSE(refused) << what;
        EXPECT_EQ(refused.error().text(), QDir::toNativeSeparators(kit.path(SaveLock::FileName)).toStdString() + ": "
                                              + what + ", so no save of this kit can take its save lock. It is no lock "
                                                       "the kit made: remove it and save again.");
    }
}

// A killed save leaves the new lang.dat and lang.dat.bak it was writing;
// the next save removes them, and nothing else.
TEST(KitSave, TheNextSaveRemovesWhatKilledSavesLeft)
{
    TempKit kit;
    kit.installSampleData();
    const QStringList leftovers{"lang.dat.0badf00d.new", "lang.dat.bak.12345678.new"};
    const QStringList others{"lang.dat.my-notes.new", "texts.po.12345678.new", "lang.dat.bak"};
    for (const QString &name : leftovers + others)
        kit.write(name, "bytes");
    KitWork work(kit);
    ASSERT_TRUE(saveThroughKit(kit.dir(), work.work()).ok());
    for (const QString &name : leftovers)
        EXPECT_FALSE(QFile::exists(kit.path(name))) << name.toStdString();
    for (const QString &name : others)
        EXPECT_TRUE(QFile::exists(kit.path(name))) << name.toStdString();
}

TEST(KitSave, WithoutSourceTextsTheKitSaysSoAndSavesNothing)
{
    struct Case {
        const char *what;
        std::function<void(const TempKit &)> kvmain;
        const char *problem;
    };
    const Case cases[] = {
        {"kvmain.dat missing", [](const TempKit &) {}, "kvmain.dat: is missing, and with it the source texts: "},
        {"kvmain.dat without texts",
         [](const TempKit &kit) { kit.writeArchive("kvmain.dat", {{"KVTEXTS.DAT", TextFile::header()}}); },
         "kvmain.dat: holds no source texts (no whole record in \"KVTEXTS.DAT\"): "},
        {"kvmain.dat damaged", [](const TempKit &kit) { kit.write("kvmain.dat", "garbage"); },
         "kvmain.dat: holds no source texts"},
    };
    for (const Case &c : cases) {
        TempKit kit;
        kit.writeArchive("lang.dat", {{"TEXTS.DAT", QByteArray::fromStdString(textFile({"a", "b", "c", "d", "e"}))}});
        c.kvmain(kit);
        const QByteArray old = kit.read("lang.dat");
        const QStringList files = filesIn(kit);
        KitWork work(kit);
        ASSERT_FALSE(work.problems.empty()) << c.what;
        EXPECT_NE(work.problems.back().text().find((kit.shown("") + c.problem).toStdString()), std::string::npos)
            << c.what << ": " << work.problems.back().text();
        EXPECT_NE(work.problems.back().text().find("saving is refused so that the translations in lang.dat are kept"),
                  std::string::npos);

        const auto saved = saveThroughKit(kit.dir(), work.work());
        ASSERT_FALSE(saved.ok()) << c.what;
        EXPECT_EQ(errorOf(saved), "kvmain.dat holds no texts: saving would remove the 5 translations in lang.dat.")
            << c.what;
        EXPECT_EQ(kit.read("lang.dat"), old) << c.what;
        EXPECT_EQ(filesIn(kit), files) << c.what;
    }
}

TEST(KitSave, CheckTellsOfLostTextRecordsAndReplacedGlyphs)
{
    TempKit kit;
    kit.installSampleData();
    KitWork work(kit);
    const qint64 rows = work.texts.rowCount();
    ASSERT_EQ(rows, 1702);

    // No lang.dat yet: nothing to lose, nothing replaced.
    auto check = KitSave::check(kit.dir(), work.work());
    ASSERT_TRUE(check.ok());
    EXPECT_EQ(check->textsNow, 0);
    EXPECT_EQ(check->textsWritten, rows);
    EXPECT_FALSE(check->fewerTexts());
    EXPECT_FALSE(check->glyphsReplaced);
    ASSERT_TRUE(saveThroughKit(kit.dir(), work.work()).ok());

    // The same font again replaces nothing; another font does.
    check = KitSave::check(kit.dir(), work.work());
    EXPECT_EQ(check->textsNow, rows);
    EXPECT_FALSE(check->glyphsReplaced);
    work.font.setPointSize(9);
    check = KitSave::check(kit.dir(), work.work());
    EXPECT_TRUE(check->glyphsReplaced);
    EXPECT_EQ(check->glyphsWritten, "Arial 9, code page 1252");
    ASSERT_TRUE(check->cellHeightNow.has_value());
    EXPECT_LT(*check->cellHeightNow, check->cellHeightWritten);
    EXPECT_EQ(KitSave::glyphsReplacedText(*check),
              QStringLiteral("lang.dat holds glyphs of another font or code page (cells %1 pixels high); this save "
                             "replaces them with Arial 9, code page 1252 (cells %2 pixels high)")
                  .arg(*check->cellHeightNow)
                  .arg(check->cellHeightWritten));
    work.font.setPointSize(8);
    work.codePage = CodePage(1251);
    EXPECT_TRUE(KitSave::check(kit.dir(), work.work())->glyphsReplaced) << "another code page draws other glyphs";
    work.codePage = CodePage(1252);

    // A lang.dat with three records more than the source texts.
    QList<QByteArray> more;
    for (qint64 i = 0; i < rows + 3; ++i)
        more.append("T" + QByteArray::number(i));
    kit.writeArchive("lang.dat", {{"TEXTS.DAT", TextFile::write(more)}});
    const QByteArray old = kit.read("lang.dat");
    check = KitSave::check(kit.dir(), work.work());
    EXPECT_EQ(check->textsNow, rows + 3);
    EXPECT_TRUE(check->fewerTexts());
    // The save asks, and a no writes nothing.
    AnsweringSaveQuestions no;
    const auto refused = saveThroughKit(kit.dir(), work.work(), no);
    ASSERT_TRUE(refused.ok()) << errorOf(refused);
    EXPECT_EQ(refused->outcome, OpenKit::Saved::Outcome::Declined);
    ASSERT_TRUE(no.fewerTextsAsked.has_value());
    EXPECT_EQ(no.fewerTextsAsked->textsNow, rows + 3);
    EXPECT_EQ(no.fewerTextsAsked->textsWritten, rows);
    EXPECT_EQ(kit.read("lang.dat"), old);
    AnsweringSaveQuestions allow(true);
    const auto allowed = saveThroughKit(kit.dir(), work.work(), allow);
    ASSERT_TRUE(allowed.ok() && allowed->outcome == OpenKit::Saved::Outcome::Saved) << errorOf(allowed);
    const ArchiveContents saved = archiveContents(kit.path("lang.dat"));
    ASSERT_EQ(saved.back().first, "TEXTS.DAT");
    EXPECT_EQ(TextFile::recordCount(qint64(saved.back().second.size())), rows);
    EXPECT_EQ(kit.read("lang.dat.bak"), old);
}

TEST(KitLoader, ALangDatCutShortStillGivesEveryWholeTranslation)
{
    TempKit kit;
    kit.installSampleData();
    {
        KitWork work(kit);
        for (int i = 0; i < work.texts.rowCount(); ++i)
            work.texts.setTranslation(i, "T" + QByteArray::number(i));
        ASSERT_TRUE(saveThroughKit(kit.dir(), work.work()).ok());
    }
    ASSERT_EQ(entryNames(kit.path("lang.dat")).back(), "TEXTS.DAT") << "packed last";
    kit.write("lang.dat", kit.read("lang.dat").chopped(100));

    KitWork work(kit);
    ASSERT_EQ(work.problems.size(), 1u);
    EXPECT_NE(work.problems[0].text().find("entry \"TEXTS.DAT\" claims 340402 bytes"), std::string::npos);
    EXPECT_NE(work.problems[0].text().find("only the 340302 bytes the file holds are read"), std::string::npos)
        << work.problems[0].text();
    ASSERT_EQ(work.texts.rowCount(), 1702);
    int translated = 0;
    for (int i = 0; i < work.texts.rowCount(); ++i)
        translated += work.texts.row(i).translation == "T" + QByteArray::number(i);
    EXPECT_EQ(translated, 1701 - int(TextTable::FixedTextRows.size())) << "all but the cut record and the fixed ones";
    EXPECT_EQ(work.texts.row(1701).translation, work.texts.row(1701).source);
}
