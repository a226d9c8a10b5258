#include "InMemoryTexts.h"
#include "KvToolRunner.h"
#include "TempKit.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

const QByteArray Memory = "msgid \"\"\n"
                          "msgstr \"\"\n"
                          "\"Content-Type: text/plain; charset=UTF-8\\n\"\n"
                          "\n"
                          "msgctxt \"3\"\n"
                          "msgid \"Open the doors\"\n"
                          "msgstr \"\xC3\x96\x66\x66ne die T\xC3\xBCren\"\n"
                          "\n"
                          "msgctxt \"4\"\n"
                          "msgid \"Open the door\"\n"
                          "msgstr \"\"\n"
                          "\n"
                          "#~ msgctxt \"5\"\n"
                          "#~ msgid \"Open the door\"\n"
                          "#~ msgstr \"Alt\"\n";

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// A memory's path as a line's ORIGIN field shows it: in the system's form,
// its backslashes (Windows') written \\ as in every field.
QString origin(const QString &path)
{
    return native(path).replace(QLatin1Char('\\'), QLatin1String("\\\\"));
}

} // namespace

TEST(KvToolTextsSuggest, LinesBestFirstFromTheKitAPoMemoryAndAKitMemory)
{
    TempKit kit, older;
    kit.writeArchive("kvmain.dat", {{"KVTEXTS.DAT", QByteArray::fromStdString(textFile(
                                                        {"Open the door", "Open the door", "Quit", "Tab\there"}))}});
    kit.writeArchive("lang.dat", {{"TEXTS.DAT", QByteArray::fromStdString(textFile(
                                                    {"Open the door", "T\xFCr \xF6\x66\x66nen", "Quit", "Tab\there"}))}});
    older.writeArchive("kvmain.dat",
                       {{"KVTEXTS.DAT", QByteArray::fromStdString(textFile({"Open the door", "Open his door", "Tab here"}))}});
    older.writeArchive("lang.dat", {{"TEXTS.DAT", QByteArray::fromStdString(textFile(
                                                      {"Ouvrir la porte", "Ouvrir sa porte", "Tab\tici"}))}});
    kit.write("memory.po", Memory);

    auto run = KvToolRun::run({"texts", "suggest", kit.dir(), "1", "--codepage", "1252", "--memory",
                               kit.path("memory.po"), "--memory", older.dir()});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    const QString po = origin(kit.path("memory.po")), oldKit = origin(older.dir());
    EXPECT_EQ(QString::fromUtf8(run.out),
              QString::fromUtf8("100\tOpen the door\tT\u00FCr \u00F6\x66\x66nen\trow 2\n"
                                "100\tOpen the door\tOuvrir la porte\t%2, row 1\n"
                                "92\tOpen the doors\t\u00D6\x66\x66ne die T\u00FCren\t%1, row 3\n"
                                "76\tOpen his door\tOuvrir sa porte\t%2, row 2\n")
                  .arg(po, oldKit));

    // The kit folder's kvmain.dat names the kit too; tabs are written \t.
    run = KvToolRun::run({"texts", "suggest", kit.dir(), "4", "--memory", older.path("kvmain.dat")});
    EXPECT_EQ(QString::fromUtf8(run.out),
              QStringLiteral("87\tTab here\tTab\\tici\t%1, row 3\n").arg(origin(QDir(older.dir()).absolutePath())));

    // A row with nothing alike prints nothing; a row past the last is an error.
    run = KvToolRun::run({"texts", "suggest", kit.dir(), "3"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    run = KvToolRun::run({"texts", "suggest", kit.dir(), "5"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("there is no row 5")) << run.err.toStdString();
}

TEST(KvToolTextsSuggest, AMemoryThatCannotBeReadIsToldAndLeftOut)
{
    TempKit kit;
    kit.writeArchive("kvmain.dat", {{"KVTEXTS.DAT", QByteArray::fromStdString(textFile({"Open the door"}))}});
    kit.write("memory.po", Memory);
    kit.write("broken.po", "msgid \"Open\"\nmsgstr \"Auf\"\nmsgid\n");

    const auto run = KvToolRun::run({"texts", "suggest", kit.dir(), "1", "--memory", kit.path("nowhere.po"),
                                     "--memory", kit.path("broken.po"), "--memory", kit.path("memory.po")});
    EXPECT_EQ(run.exitCode, 3);
    const QString err = QString::fromUtf8(run.err);
    EXPECT_TRUE(err.contains(native(kit.path("nowhere.po")) + ": no such file or folder; left out")) << err.toStdString();
    EXPECT_TRUE(err.contains(native(kit.path("broken.po")) + ":")) << err.toStdString();
    EXPECT_EQ(err.count(QStringLiteral("kvtool: warning:")), 2) << err.toStdString();
    EXPECT_TRUE(run.out.startsWith("92\tOpen the doors\t")) << run.out.toStdString();
}
