#include "TempKit.h"
#include "io/FileSaver.h"
#include "io/FileWriter.h"
#include "io/WriteFaults.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace orvanta;

namespace {

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

} // namespace

TEST(FileWriter, EveryFailedByteLeavesTheOldFileOrNoPieceAndSaysWhy)
{
    using Kind = WriteFaults::Kind;
    struct Case {
        Kind kind;
        const char *cause;
    };
    const Case cases[] = {
        {Kind::NoSpace, "cannot be written: No space left on device"},
        {Kind::LostWrites, "cannot be written: the disk holds only "},
        {Kind::SyncFails, "cannot be written: Input/output error"},
    };
    const QByteArray bytes = QByteArray("0123456789abcdef").repeated(5);
    for (const Case &c : cases) {
        TempKit kit;
        kit.write("kept.dat", "the user's file");
        for (qint64 budget = 0; budget < bytes.size(); ++budget) {
            const WriteFaults::Scope fault(budget, c.kind);
            const Status saved = FileSaver::save(kit.path("kept.dat"), bytes);
            ASSERT_FALSE(saved.ok()) << budget;
            EXPECT_EQ(saved.error().text().rfind(kit.shown("kept.dat").toStdString() + ": " + c.cause, 0), 0u)
                << budget << ": " << saved.error().text();

            const Status piece = FileSaver::writePiece(kit.path("piece.dat"), bytes);
            // A piece is never synced: only the other kinds reach it.
            if (c.kind != Kind::SyncFails) {
                ASSERT_FALSE(piece.ok()) << budget;
                EXPECT_NE(piece.error().text().find(c.cause), std::string::npos) << piece.error().text();
                EXPECT_FALSE(QFile::exists(kit.path("piece.dat"))) << "a piece is whole or gone";
            }
            QFile::remove(kit.path("piece.dat"));
            ASSERT_EQ(kit.read("kept.dat"), "the user's file") << budget;
            ASSERT_EQ(filesIn(kit.dir()), QStringList{"kept.dat"}) << "no new file is left behind";
        }
        const WriteFaults::Scope enough(2 * bytes.size(), c.kind);
        ASSERT_TRUE(FileSaver::save(kit.path("kept.dat"), bytes).ok());
        EXPECT_EQ(kit.read("kept.dat"), bytes);
    }
}

TEST(FileWriter, TheReplacedFileIsKeptAsItsBackup)
{
    TempKit kit;
    kit.write("lang.dat", "first");
    QFile::setPermissions(kit.path("lang.dat"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QFileDevice::Permissions permissions = QFile::permissions(kit.path("lang.dat"));
    auto replace = [&](const QByteArray &bytes, const QString &backup) {
        FileWriter file(kit.path("lang.dat"), FileWriter::Mode::Replace);
        Status done = file.open();
        if (done)
            done = file.write(bytes);
        if (done)
            done = FileWriter::keepBackup(kit.path("lang.dat"), backup);
        if (done)
            done = file.commit(bytes.size());
        return done;
    };
    ASSERT_TRUE(replace("second", kit.path("lang.dat.bak")).ok());
    EXPECT_EQ(kit.read("lang.dat"), "second");
    EXPECT_EQ(kit.read("lang.dat.bak"), "first");
    EXPECT_EQ(QFile::permissions(kit.path("lang.dat")), permissions)
        << "the new file takes the old one's permissions";
    ASSERT_TRUE(replace("third", kit.path("lang.dat.bak")).ok());
    EXPECT_EQ(kit.read("lang.dat.bak"), "second");

    // Where no hard link reaches (another file system), the backup is a copy.
    if (QFileInfo(QStringLiteral("/dev/shm")).isWritable()) {
        QTemporaryDir elsewhere(QStringLiteral("/dev/shm/orvanta-XXXXXX"));
        const QString backup = elsewhere.filePath(QStringLiteral("lang.dat.bak"));
        ASSERT_TRUE(replace("fourth", backup).ok());
        QFile copy(backup);
        ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
        EXPECT_EQ(copy.readAll(), "third");
    }
}

TEST(FileWriter, ASaveThroughASymbolicLinkReplacesTheFileItPointsTo)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "QFile::link makes a shortcut on Windows, a file of its own, and a symbolic link there "
                    "needs an administrator";
#endif
    TempKit kit;
    TempKit target;
    target.write("real.dat", "old");
    ASSERT_TRUE(QFile::link(target.path("real.dat"), kit.path("link.dat")));
    ASSERT_TRUE(FileSaver::save(kit.path("link.dat"), "new").ok());
    EXPECT_TRUE(QFileInfo(kit.path("link.dat")).isSymLink());
    EXPECT_EQ(target.read("real.dat"), "new");
}
