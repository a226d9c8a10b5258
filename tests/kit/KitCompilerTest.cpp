#include "ArchiveContents.h"
#include "TempKit.h"
#include "kit/ArchivePacker.h"
#include "kit/KitCompiler.h"
#include "io/FileWriter.h"
#include "io/WriteFaults.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace orvanta;

namespace {

KitCompiler::PieceWriter writes(const QString &relativePath, const QByteArray &bytes)
{
    return [=](const QString &output) -> Status {
        const QString path = output + QLatin1Char('/') + relativePath;
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return FormatError::general(path.toStdString(), "cannot be written");
        return Done{};
    };
}

using Entries = ArchiveContents;

} // namespace

TEST(KitCompiler, PacksEveryPieceInByteWiseOrderAndCleansUp)
{
    TempKit kit;
    kit.writeArchive("lang.dat", {{"OLD.DAT", "entries the kit did not write are gone"}});
    QDir(kit.dir()).mkdir("output");
    kit.write("output/stale.dat", "never packed");

    auto packed = KitCompiler::compile(kit.dir(), {writes("texts.dat", "T"), writes("fontsize.dat", "S"),
                                                   writes("font.spr", "F"), writes("sub/deep.pad", "D"),
                                                   writes("a.pad", "A"), writes("Z.pad", "Z")});
    ASSERT_TRUE(packed.ok()) << packed.error().text();
    EXPECT_EQ(archiveContents(kit.path("lang.dat")),
              (Entries{{"Z.PAD", "Z"}, {"A.PAD", "A"}, {"FONT.SPR", "F"}, {"FONTSIZE.DAT", "S"},
                       {"DEEP.PAD", "D"}, {"TEXTS.DAT", "T"}}));
    EXPECT_EQ(packed->size(), 6);
    EXPECT_TRUE(packed->first().endsWith("output/Z.pad"));
    EXPECT_FALSE(QFile::exists(kit.path("output")));
}

TEST(KitCompiler, PacksFilesLargerThanAnyBufferWhole)
{
    TempKit kit;
    QByteArray big(5'000'000, '\0');
    for (qsizetype i = 0; i < big.size(); ++i)
        big[i] = char(i * 7 % 253);
    ASSERT_TRUE(KitCompiler::compile(kit.dir(), {writes("big.dat", big), writes("small.dat", "s")}).ok());
    const Entries entries = archiveContents(kit.path("lang.dat"));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].second, big.toStdString());
    EXPECT_EQ(entries[1].second, "s");
}

TEST(KitCompiler, FailuresLeaveTheOldLangDatAndNoOutputFolder)
{
    const QByteArray old = "the translator's last good lang.dat";
    auto failing = [](const QString &output) -> Status {
        return FormatError::general((output + "/font.spr").toStdString(), "refused for the test");
    };
    {
        TempKit kit;
        kit.write("lang.dat", old);
        auto result = KitCompiler::compile(kit.dir(), {writes("texts.dat", "T"), failing});
        ASSERT_FALSE(result.ok());
        EXPECT_NE(result.error().text().find("font.spr: refused for the test"), std::string::npos);
        EXPECT_EQ(kit.read("lang.dat"), old);
        EXPECT_FALSE(QFile::exists(kit.path("output")));
    }
    {
        TempKit kit;
        QDir(kit.dir()).mkdir("lang.dat");
        auto result = KitCompiler::compile(kit.dir(), {writes("texts.dat", "T")});
        ASSERT_FALSE(result.ok());
        EXPECT_NE(result.error().text().find("lang.dat"), std::string::npos) << result.error().text();
        EXPECT_TRUE(QFileInfo(kit.path("lang.dat")).isDir());
        EXPECT_FALSE(QFile::exists(kit.path("output")));
    }
    {
        TempKit kit;
        kit.write("lang.dat", old);
        auto result = KitCompiler::compile(kit.dir(), {writes("this-name-is-too-long.dat", "x")});
        ASSERT_FALSE(result.ok());
        EXPECT_NE(result.error().text().find("holds at most 12"), std::string::npos);
        EXPECT_EQ(kit.read("lang.dat"), old);
    }
    {
        TempKit kit;
        auto result = KitCompiler::compile(kit.dir() + "missing-folder/", {writes("texts.dat", "T")});
        ASSERT_FALSE(result.ok());
        EXPECT_NE(result.error().text().find("output: the output folder cannot be created"), std::string::npos)
            << result.error().text();
    }
}

TEST(KitCompiler, AnOutputLinkToAnotherFolderIsRefusedAndWhatItPointsToKept)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "QFile::link makes a shortcut on Windows, a file of its own, and a symbolic link or junction "
                    "there needs an administrator or NTFS";
#endif
    TempKit kit, elsewhere;
    elsewhere.write("precious.txt", "not the kit's");
    ASSERT_TRUE(QFile::link(elsewhere.dir(), kit.path("output")));
    auto result = KitCompiler::compile(kit.dir(), {writes("texts.dat", "T")});
    ASSERT_FALSE(result.ok());
    EXPECT_NE(result.error().text().find("a link of this name is in the way"), std::string::npos);
    EXPECT_EQ(elsewhere.read("precious.txt"), "not the kit's");
}

TEST(ArchivePacker, KernelAndPlainCopiesLineUpAndAFailureAnywhereChangesNothing)
{
    // The kernel copies file to file on one file system; from another one
    // (here a tmpfs) the packer may fall back to reading and writing.
    if (!QFileInfo(QStringLiteral("/dev/shm")).isWritable())
        GTEST_SKIP() << "no /dev/shm";
    TempKit kit;
    QTemporaryDir elsewhere(QStringLiteral("/dev/shm/orvanta-XXXXXX"));
    const QByteArray a(300'001, 'a'), b(250'000, 'b'), c(999, 'c');
    kit.write("a.dat", a);
    QFile other(elsewhere.filePath("b.dat"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write(b);
    other.close();
    kit.write("empty.dat", "");
    kit.write("c.dat", c);
    kit.writeArchive("lang.dat", {{"OLD.DAT", "the last good archive"}});
    kit.write("lang.dat.bak", "the one before");
    const QByteArray old = kit.read("lang.dat");
    const auto sources = ArchivePacker::sourcesFor({kit.path("a.dat"), other.fileName(), kit.path("empty.dat"),
                                                    kit.path("c.dat")});
    const qint64 total = 4 + 21 * 4 + a.size() + b.size() + c.size();
    const QStringList files = QDir(kit.dir()).entryList(QDir::Files, QDir::Name);

    // As a save packs: staged, then swapped in with the old archive kept.
    const auto pack = [&] {
        FileWriter out(kit.path("lang.dat"), FileWriter::Mode::KitFile);
        Status packed = ArchivePacker::write(out, sources);
        if (packed)
            packed = FileWriter::keepBackup(kit.path("lang.dat"), kit.path("lang.dat.bak"));
        if (packed)
            packed = out.swapIn();
        return packed;
    };
    using Kind = WriteFaults::Kind;
    const std::pair<Kind, const char *> kinds[] = {{Kind::NoSpace, "No space left on device"},
                                                   {Kind::LostWrites, "the disk holds only "},
                                                   {Kind::SyncFails, "Input/output error"}};
    for (const auto &[kind, cause] : kinds) {
        for (qint64 budget = 0; budget < total; budget += budget < 100 ? 1 : 4999) {
            const WriteFaults::Scope fault(budget, kind);
            const Status packed = pack();
            ASSERT_FALSE(packed.ok()) << budget;
            EXPECT_EQ(packed.error().text().rfind(kit.shown("lang.dat").toStdString() + ": cannot be written: " + cause, 0),
                      0u) << budget << ": " << packed.error().text();
            ASSERT_EQ(kit.read("lang.dat"), old) << budget;
            ASSERT_EQ(kit.read("lang.dat.bak"), "the one before") << budget;
            ASSERT_EQ(QDir(kit.dir()).entryList(QDir::Files, QDir::Name), files) << budget;
        }
    }
    const WriteFaults::Scope justEnough(total);
    ASSERT_TRUE(pack());
    EXPECT_EQ(archiveContents(kit.path("lang.dat")),
              (Entries{{"A.DAT", a.toStdString()}, {"B.DAT", b.toStdString()}, {"EMPTY.DAT", ""},
                       {"C.DAT", c.toStdString()}}));
    EXPECT_EQ(kit.read("lang.dat.bak"), old);
}
