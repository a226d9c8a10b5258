#include "ArchiveContents.h"
#include "KvToolRunner.h"
#include "TempKit.h"
#include "kit/KitOpenLock.h"
#include "kit/KitSave.h"
#include "kit/OpenKit.h"
#include "texts/TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

using namespace orvanta;

namespace {

// Another save of the kit that agrees to all.
struct OtherSave : SaveQuestions {
    ChangedOnDisk changedOnDisk() override { return ChangedOnDisk::Overwrite; }
    bool replaceGlyphs(const KitSave::Check &) override { return true; }
    bool saveFewerTexts(const KitSave::Check &) override { return true; }
};

const QByteArray Changes = "row,source,translation\r\n2,Load game,Spiel laden\r\n";

} // namespace

// The race of two saves made certain: the import starts while another save
// holds the kit's lock, says it waits, and the other save completes; the
// import then reads the kit that save left, so both changes are kept.
TEST(KvToolSaves, AnImportHeldAtTheLockBuildsOnTheSaveThatCompletedMeanwhile)
{
    SKIP_WHERE_KVTOOL_HAS_NO_ARIAL();
    TempKit kit;
    kit.installSampleData();
    kit.write("changes.csv", Changes);
    auto other = std::make_unique<OpenKit>(kit.dir());
    ASSERT_TRUE(other->holdSaveLock().ok());

    QProcess import;
    import.setReadChannel(QProcess::StandardError);
    import.setProcessEnvironment(KvToolRun::environment());
    import.start(QStringLiteral(KVTOOL_PATH), {"texts", "import", kit.dir(), kit.path("changes.csv"), "--codepage", "1252"});
    QByteArray err;
    while (!err.contains("waiting for another save of this kit") && import.waitForReadyRead(60000))
        err += import.readAllStandardError();
    ASSERT_TRUE(err.contains("kvtool: warning: waiting for another save of this kit (process "
                             + QByteArray::number(QCoreApplication::applicationPid())))
        << err.toStdString();

    ASSERT_TRUE(other->load().empty());
    other->setCodePage(1252);
    other->texts().setTranslation(3, "other's");
    OtherSave agree;
    const auto saved = other->save(agree);
    ASSERT_TRUE(saved.ok());
    ASSERT_EQ(saved->outcome, OpenKit::Saved::Outcome::Saved);
    other.reset(); // the other save ends, and with it its lock

    ASSERT_TRUE(import.state() == QProcess::NotRunning || import.waitForFinished(120000));
    EXPECT_EQ(import.exitCode(), 0) << (err + import.readAllStandardError()).toStdString();
    const QList<QByteArray> texts = savedTexts(kit.path("lang.dat"));
    EXPECT_EQ(texts.value(1), "Spiel laden");
    EXPECT_EQ(texts.value(3), "other's") << "the other save's work is not lost";
}

// A window's next save would overwrite what kvtool saves: the commands that
// save refuse while the kit is open in one, unless told to go on.
TEST(KvToolSaves, SavingCommandsRefuseWhileTheKitIsOpenInAWindow)
{
    SKIP_WHERE_KVTOOL_HAS_NO_ARIAL();
    TempKit kit;
    kit.installSampleData();
    kit.write("changes.csv", Changes);
    KitOpenLock window(kit.dir());
    ASSERT_EQ(window.tryLock(), KitOpenLock::State::Held);
    // Windows names the host in capitals in the lock (its computer name),
    // in small letters to QSysInfo.
    const QByteArray named = ("is open in the kit's window (process " + QString::number(QCoreApplication::applicationPid())
                              + " on " + QSysInfo::machineHostName() + ")")
                                 .toLower()
                                 .toUtf8();
    for (const QStringList &args : {QStringList{"texts", "import", kit.dir(), kit.path("changes.csv")},
                                    QStringList{"compile", kit.dir()}}) {
        const auto refused = KvToolRun::run(args);
        EXPECT_EQ(refused.exitCode, 1) << args.join(' ').toStdString();
        EXPECT_TRUE(refused.err.toLower().contains(named)) << refused.err.toStdString();
        EXPECT_TRUE(refused.err.contains("--while-open saves anyway")) << refused.err.toStdString();
        EXPECT_FALSE(QFile::exists(kit.path("lang.dat")));
    }
    const auto anyway = KvToolRun::run({"texts", "import", kit.dir(), kit.path("changes.csv"), "--while-open"});
    EXPECT_EQ(anyway.exitCode, 0) << anyway.err.toStdString();
    EXPECT_EQ(savedTexts(kit.path("lang.dat")).value(1), "Spiel laden");
    const auto reading = KvToolRun::run({"texts", "export", kit.dir()});
    EXPECT_EQ(reading.exitCode, 0) << "reading commands do not mind the window";
}

// A lang.dat with its end cut off: every command works on the whole records
// it still holds, warns on standard error and exits with 3, neither success
// nor failure.
TEST(KvToolSaves, ACutLangDatGivesEveryWholeRecordAWarningAndItsOwnExitCode)
{
    SKIP_WHERE_KVTOOL_HAS_NO_ARIAL();
    TempKit kit;
    kit.installSampleData();
    {
        OpenKit full(kit.dir());
        ASSERT_TRUE(full.load().empty());
        full.setCodePage(1252);
        for (int row = 0; row < full.texts().rowCount(); ++row)
            full.texts().setTranslation(row, "T" + QByteArray::number(row));
        OtherSave agree;
        ASSERT_TRUE(full.save(agree).ok());
    }
    const QByteArray cut = kit.read("lang.dat").chopped(100);
    const qsizetype rows = 1702;
    const QByteArray warning = "kvtool: warning: " + kit.shown("lang.dat").toUtf8();

    kit.write("lang.dat", cut);
    const auto exported = KvToolRun::run({"texts", "export", kit.dir(), "--codepage", "1252"});
    EXPECT_EQ(exported.exitCode, 3) << exported.err.toStdString();
    EXPECT_TRUE(exported.err.startsWith(warning)) << exported.err.toStdString();
    EXPECT_TRUE(exported.err.contains("only the")) << exported.err.toStdString();
    const QList<QByteArray> lines = exported.out.split('\n');
    ASSERT_EQ(lines.size(), 1 + rows + 1) << "the header, every row, the end";
    EXPECT_TRUE(lines[1701].startsWith("1701,")) << lines[1701].toStdString();
    EXPECT_TRUE(lines[1701].endsWith(",T1700,,\r")) << "the last whole record";

    const auto checked = KvToolRun::run({"texts", "check", kit.dir(), "--codepage", "1252"});
    EXPECT_TRUE(checked.err.startsWith(warning)) << checked.err.toStdString();
    EXPECT_FALSE(checked.out.isEmpty()) << "findings for the whole records";

    kit.write("changes.csv", Changes);
    const auto imported = KvToolRun::run({"texts", "import", kit.dir(), kit.path("changes.csv"), "--codepage", "1252"});
    EXPECT_EQ(imported.exitCode, 3) << imported.err.toStdString();
    QList<QByteArray> texts = savedTexts(kit.path("lang.dat"));
    ASSERT_EQ(texts.size(), rows);
    EXPECT_EQ(texts[1], "Spiel laden");
    EXPECT_EQ(texts[1700], "T1700") << "every whole translation is kept";

    kit.write("lang.dat", cut);
    const auto compiled = KvToolRun::run({"compile", kit.dir(), "--codepage", "1252"});
    EXPECT_EQ(compiled.exitCode, 3) << compiled.err.toStdString();
    EXPECT_TRUE(compiled.err.startsWith(warning)) << compiled.err.toStdString();
    texts = savedTexts(kit.path("lang.dat"));
    ASSERT_EQ(texts.size(), rows);
    EXPECT_EQ(texts[1700], "T1700");
    EXPECT_EQ(texts[2], "T2");
}

// A full disk when the save lock is made: the refusal names the lock file
// and the system's reason, and nothing is saved. The kit lies on a small
// tmpfs filled to the last page, mounted in a user and mount namespace of
// the command's own (unshare), so no privilege is needed and nothing
// outlives it.
TEST(KvToolSaves, AFullDiskWhenTheLockIsMadeIsNamedAsSuch)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "a full disk is made with a Linux tmpfs";
#else
    TempKit kit;
    kit.installSampleData();
    kit.write("changes.csv", Changes);
    QDir().mkpath(kit.path("disk"));
    const qint64 room = QFileInfo(kit.path("kvmain.dat")).size() + (1 << 20);
    const QString script = QStringLiteral(
        "mount -t tmpfs -o size=%1 tmpfs disk || exit 99; cp kvmain.dat changes.csv disk/;"
        " cat /dev/zero >disk/filler 2>/dev/null; exec \"$0\" texts import disk/ disk/changes.csv --codepage 1252").arg(room);
    QProcess full;
    full.setWorkingDirectory(kit.dir());
    full.start(QStringLiteral("unshare"), {"--user", "--map-root-user", "--mount", "sh", "-c", script, KVTOOL_PATH});
    ASSERT_TRUE(full.waitForFinished(120000));
    if (full.error() == QProcess::FailedToStart || full.exitCode() == 99)
        GTEST_SKIP() << "no tmpfs can be mounted here: " << full.readAllStandardError().toStdString();
    const QByteArray err = full.readAllStandardError();
    EXPECT_EQ(full.exitCode(), 1) << err.toStdString();
    EXPECT_TRUE(err.contains("disk/orvanta-kit.save.lock: cannot be created (No space left on device)")) << err.toStdString();
    EXPECT_FALSE(err.contains("saved")) << err.toStdString();
#endif
}

namespace {

// A language archive written by hand: each (name, size, offset) record as
// given, then `data`, so that entries can share or repeat what the kit's
// writer never would.
QByteArray handMadeArchive(const std::vector<std::tuple<QByteArray, quint32, quint32>> &records, const QByteArray &data)
{
    QByteArray bytes;
    auto u32 = [&bytes](quint32 value) {
        for (int i = 0; i < 4; ++i)
            bytes.append(char(value >> (8 * i)));
    };
    u32(quint32(records.size()));
    for (const auto &[name, size, offset] : records) {
        bytes.append(name.leftJustified(13, '\0', true));
        u32(size);
        u32(offset);
    }
    return bytes + data;
}

} // namespace

// An older kit whose lang.dat entries all point at one entry's bytes, or
// name TEXTS.DAT twice, would give the translations glyph bytes: migrate
// refuses it with the damage named and writes nothing, and a memory left
// out says why. The kit's own lang.dat so damaged is not built on either.
TEST(KvToolSaves, ArchivesWhoseEntriesOverlapOrRepeatANameAreNotBuiltOn)
{
    SKIP_WHERE_KVTOOL_HAS_NO_ARIAL();
    const QByteArray texts = TextFile::write({"Neues Spiel", "Spiel laden"});
    const QByteArray glyphs(texts.size(), '\x7F');
    const quint32 start = 4 + 3 * 21;
    const QByteArray overlapping = handMadeArchive(
        {{"FONT.SPR", quint32(glyphs.size()), start}, {"FONTSIZE.DAT", quint32(glyphs.size()), start},
         {"TEXTS.DAT", quint32(glyphs.size()), start}},
        glyphs);
    const QByteArray twice = handMadeArchive(
        {{"TEXTS.DAT", quint32(glyphs.size()), start}, {"FONT.SPR", 0, start + quint32(glyphs.size())},
         {"TEXTS.DAT", quint32(texts.size()), start + quint32(glyphs.size())}},
        glyphs + texts);
    struct Case {
        const char *what;
        QByteArray lang;
        const char *damage;
    };
    const Case cases[] = {
        {"overlapping", overlapping,
         "at byte 25: entry 1 \"FONTSIZE.DAT\": its data overlap those of an earlier entry, so they are not its own; "
         "it is ignored"},
        {"a name twice", twice,
         "at byte 4: entry 0 \"TEXTS.DAT\": another entry has the same name, so which one holds its data cannot be "
         "told; it is ignored"},
    };
    for (const Case &c : cases) {
        TempKit older, kit;
        const QByteArray kvmain = TextFile::write({"New game", "Load game"});
        older.writeArchive("kvmain.dat", {{"KVTEXTS.DAT", kvmain}});
        older.write("lang.dat", c.lang);
        kit.writeArchive("kvmain.dat", {{"KVTEXTS.DAT", kvmain}});
        kit.write("orvanta-kit.ini", "[texts]\ncodepage=1252\n");

        const auto migrated = KvToolRun::run({"texts", "migrate", kit.dir(), older.dir()});
        EXPECT_EQ(migrated.exitCode, 1) << c.what << ": " << migrated.err.toStdString();
        EXPECT_TRUE(migrated.err.contains(older.shown("lang.dat").toUtf8() + ": " + c.damage))
            << c.what << ": " << migrated.err.toStdString();
        EXPECT_FALSE(QFile::exists(kit.path("lang.dat"))) << c.what;
        const auto suggested = KvToolRun::run({"texts", "suggest", kit.dir(), "1", "--memory", older.dir()});
        EXPECT_EQ(suggested.exitCode, 3) << c.what << ": " << suggested.err.toStdString();
        EXPECT_TRUE(suggested.err.contains(older.shown("lang.dat").toUtf8() + ": " + c.damage))
            << c.what << ": " << suggested.err.toStdString();

        kit.write("lang.dat", c.lang);
        const auto compiled = KvToolRun::run({"compile", kit.dir()});
        EXPECT_EQ(compiled.exitCode, 1) << c.what << ": " << compiled.err.toStdString();
        EXPECT_TRUE(compiled.err.contains(kit.shown("lang.dat").toUtf8() + ": " + c.damage))
            << c.what << ": " << compiled.err.toStdString();
        EXPECT_EQ(kit.read("lang.dat"), c.lang) << c.what;
    }
}

// A read-only lang.dat was locked on purpose: the saving commands refuse
// to replace it unless given --force.
TEST(KvToolSaves, AReadOnlyLangDatIsReplacedOnlyWithForce)
{
    SKIP_WHERE_KVTOOL_HAS_NO_ARIAL();
    TempKit kit;
    kit.installSampleData();
    kit.write("orvanta-kit.ini", "[texts]\ncodepage=1252\n");
    ASSERT_EQ(KvToolRun::run({"compile", kit.dir()}).exitCode, 0);
    const QByteArray old = kit.read("lang.dat");
    ASSERT_TRUE(QFile::setPermissions(kit.path("lang.dat"), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    kit.write("changes.csv", Changes);

    const auto refused = KvToolRun::run({"texts", "import", kit.dir(), kit.path("changes.csv")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.endsWith("\nkvtool: lang.dat is read-only: someone locked it against changes. Saving "
                                     "replaces it (the new lang.dat is read-only too). Give --force to replace it "
                                     "anyway.\n"))
        << refused.err.toStdString();
    EXPECT_EQ(kit.read("lang.dat"), old);
    EXPECT_FALSE(QFile::exists(kit.path("lang.dat.bak")));

    const auto forced = KvToolRun::run({"texts", "import", kit.dir(), kit.path("changes.csv"), "--force"});
    EXPECT_EQ(forced.exitCode, 0) << forced.err.toStdString();
    EXPECT_EQ(savedTexts(kit.path("lang.dat")).value(1), "Spiel laden");
    EXPECT_EQ(kit.read("lang.dat.bak"), old);
}

// Windows keeps a file that another program holds open where it is. A
// lang.dat the game or an editor holds (shared for reading only) is named,
// and the save changes nothing: no new file, backup, mark or note stays,
// though the held lang.dat has a hard link, its backup, beside it. Once it
// is let go, the same import saves.
TEST(KvToolSaves, ALangDatAnotherProgramHoldsOpenIsNamedAndTheSaveChangesNothing)
{
#ifndef Q_OS_WIN
    GTEST_SKIP() << "only Windows keeps a file that is open where it is";
#else
    SKIP_WHERE_KVTOOL_HAS_NO_ARIAL();
    TempKit kit;
    kit.installSampleData();
    kit.write("orvanta-kit.ini", "[texts]\ncodepage=1252\n");
    kit.write("first.csv", "row,source,translation,needs_review,note\n2,Load game,Spiel laden,,Checked\n");
    kit.write("marks.csv", "row,source,translation,needs_review,note\n2,Load game,Spiel laden!,yes,Ask the team\n");
    ASSERT_EQ(KvToolRun::run({"compile", kit.dir()}).exitCode, 0);
    ASSERT_EQ(KvToolRun::run({"texts", "import", kit.dir(), kit.path("first.csv")}).exitCode, 0);
    const QStringList files = QDir(kit.dir()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    ASSERT_TRUE(files.contains("lang.dat.bak") && files.contains("orvanta-kit.review")) << files.join(' ').toStdString();
    std::vector<QByteArray> before;
    for (const QString &name : files)
        before.push_back(kit.read(name));

    const HANDLE held = CreateFileW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(kit.path("lang.dat")).utf16()),
                                    GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const auto refused = KvToolRun::run({"texts", "import", kit.dir(), kit.path("marks.csv")});
    CloseHandle(held);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains(
        "kvtool: " + QDir::toNativeSeparators(kit.path("lang.dat")).toUtf8()
        + ": cannot be replaced: another program (the game, an editor) has it open, so Windows keeps it as it is. "
          "Close that program and save again."))
        << refused.err.toStdString();
    EXPECT_EQ(QDir(kit.dir()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name), files)
        << "no new file, staged file or hard link stays";
    for (std::size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(kit.read(files[int(i)]), before[i]) << files[int(i)].toStdString() << " changed";

    const auto saved = KvToolRun::run({"texts", "import", kit.dir(), kit.path("marks.csv")});
    EXPECT_EQ(saved.exitCode, 0) << saved.err.toStdString();
    EXPECT_EQ(savedTexts(kit.path("lang.dat")).value(1), "Spiel laden!");
    EXPECT_TRUE(kit.read("orvanta-kit.review").contains("Ask the team"));
#endif
}
