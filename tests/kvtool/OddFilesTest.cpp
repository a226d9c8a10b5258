#include "InMemoryTexts.h"
#include "KvToolRunner.h"
#include "TempKit.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>

namespace {

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

struct Odd {
    const char *kind;
    std::function<bool(const QString &path)> make;
    QString says;
};

const std::vector<Odd> &odds()
{
    static const std::vector<Odd> all = {
#ifndef Q_OS_WIN
        {"a named pipe", [](const QString &path) { return mkfifo(QFile::encodeName(path).constData(), 0600) == 0; },
         QStringLiteral("is a named pipe (FIFO), not a file")},
#endif
        {"a link to /dev/zero", [](const QString &path) { return QFile::link(QStringLiteral("/dev/zero"), path); },
         QStringLiteral("is a character device, not a file")},
    };
    return all;
}

} // namespace

// Whatever stands in place of a file the kit reads (a named pipe that would
// block every read, a device that never ends) is refused at once and named:
// no command waits on it or reads without end. A hang fails by the test's
// timeout.
TEST(KvToolOddFiles, PipesAndDevicesInPlaceOfEachFileTheKitReadsAreRefusedAtOnce)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "named pipes and devices in a folder are POSIX's";
#endif
    struct Place {
        QString name;
        QStringList args; // after the kit folder
        QString after;    // what follows the finding
    };
    const std::vector<Place> places = {
        {QStringLiteral("orvanta-kit.review"), {"texts", "export"}, QStringLiteral("; it is kept as")},
        {QStringLiteral("orvanta-kit.ini"), {"texts", "export"}, QStringLiteral("; the kit's defaults are used")},
        {QStringLiteral("orvanta-kit.words"), {"texts", "check", "--spell", "en_US"}, QString()},
        {QStringLiteral("orvanta-kit.save.lock"), {"texts", "import", "changes.csv"},
         QStringLiteral(", so no save of this kit can take its save lock. It is no lock the kit made: remove it "
                        "and save again.")},
        {QStringLiteral("changes.csv"), {"texts", "import", "changes.csv"}, QString()},
        {QStringLiteral("memory.po"), {"texts", "suggest", "1", "--memory", "memory.po"}, QStringLiteral("; left out")},
    };
    for (const Odd &odd : odds()) {
        for (const Place &place : places) {
            SCOPED_TRACE(std::string(odd.kind) + " as " + place.name.toStdString());
            TempKit kit;
            kit.writeArchive("kvmain.dat", {{"KVTEXTS.DAT", QByteArray::fromStdString(textFile({"Open the door"}))}});
            kit.write("changes.csv", "row,source,translation\r\n1,Open the door,Tür auf\r\n");
            QFile::remove(kit.path(place.name));
            ASSERT_TRUE(odd.make(kit.path(place.name)));
            QStringList args = place.args.mid(0, 2) + QStringList{kit.dir()};
            for (const QString &arg : place.args.mid(2))
                args.append(arg.contains('.') ? kit.path(arg) : arg);
            const auto run = KvToolRun::run(args);
            const QString err = QString::fromUtf8(run.err);
            EXPECT_TRUE(err.contains(native(kit.path(place.name)) + ": " + odd.says + place.after)) << err.toStdString();
            if (place.args[1] == u"import") {
                EXPECT_EQ(run.exitCode, 1) << "nothing is saved";
            }
        }
    }
}
