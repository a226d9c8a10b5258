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
    const QByteArray warning = "kvtool: warning: " + kit.path("lang.dat").toUtf8();

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
