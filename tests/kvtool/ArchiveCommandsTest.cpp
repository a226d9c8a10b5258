#include "KvToolRunner.h"
#include "TempKit.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

TEST(KvToolArchives, PackListExtractRoundTrip)
{
    TempKit kit;
    kit.write("texts.dat", QByteArray(402, 'T'));
    kit.write("font.spr", QByteArray(16, 'F'));
    auto packed = KvToolRun::run({"pack", kit.path("lang.dat"), kit.path("texts.dat"), kit.path("font.spr")});
    ASSERT_EQ(packed.exitCode, 0) << packed.err.toStdString();
    EXPECT_EQ(kit.read("lang.dat").size(), 464);

    auto listed = KvToolRun::run({"list", kit.path("lang.dat")});
    EXPECT_EQ(listed.exitCode, 0);
    EXPECT_EQ(listed.out, "TEXTS.DAT\t402\t46\nFONT.SPR\t16\t448\n");

    QDir(kit.dir()).mkdir("out");
    auto extracted = KvToolRun::run({"extract", kit.path("lang.dat"), "Font.Spr"}, kit.path("out"));
    ASSERT_EQ(extracted.exitCode, 0) << extracted.err.toStdString();
    EXPECT_EQ(kit.read("out/FONT.SPR"), QByteArray(16, 'F'));
    auto named = KvToolRun::run({"extract", kit.path("lang.dat"), "texts.dat", "-o", kit.path("t.bin")});
    ASSERT_EQ(named.exitCode, 0);
    EXPECT_EQ(kit.read("t.bin"), QByteArray(402, 'T'));
}

TEST(KvToolArchives, EntryNamesAreShownSafelyAndNeverWriteOutsideTheFolder)
{
    TempKit kit;
    kit.writeArchive("evil.dat", {{"../X", "escaped"}, {"..", "dots"}, {"A\x1B[2J", "clears the screen"}});
    auto listed = KvToolRun::run({"list", kit.path("evil.dat")});
    EXPECT_EQ(listed.exitCode, 0);
    EXPECT_EQ(listed.out, "../X\t7\t67\n..\t4\t74\nA\\x1B[2J\t17\t78\n");

    QDir(kit.dir()).mkdir("out");
    auto run = KvToolRun::run({"extract", kit.path("evil.dat"), "../x"}, kit.path("out"));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(kit.read("out/X"), "escaped");
    EXPECT_FALSE(QFile::exists(kit.path("X")));
    for (const char *name : {"..", "a\x1B[2j"}) {
        auto refused = KvToolRun::run({"extract", kit.path("evil.dat"), name}, kit.path("out"));
        EXPECT_EQ(refused.exitCode, 1) << name;
        EXPECT_TRUE(refused.err.contains("has no usable file name")) << refused.err.toStdString();
        EXPECT_FALSE(refused.err.contains('\x1B')) << "control characters are shown escaped";
    }

    // Every entry at once; two entries that would land in one file are
    // refused (ErrorsAreOneLineAndLeaveNothingHalfWritten).
    kit.writeArchive("twice.dat", {{"TEXTS.DAT", "first"}, {"FONT.SPR", "f"}, {"TEXTS.DAT", "second"}});
    QDir(kit.dir()).mkdir("all");
    ASSERT_EQ(KvToolRun::run({"extract", kit.path("twice.dat"), "font.spr", "FONT.SPR"}, kit.path("all")).exitCode, 0);
    EXPECT_EQ(kit.read("all/FONT.SPR"), "f") << "one entry named twice is one file";
    kit.writeArchive("sound.dat", {{"TEXTS.DAT", "t"}, {"FONT.SPR", "f"}});
    ASSERT_EQ(KvToolRun::run({"extract", kit.path("sound.dat")}, kit.path("all")).exitCode, 0);
    EXPECT_EQ(kit.read("all/TEXTS.DAT"), "t");
}

TEST(KvToolArchives, ErrorsAreOneLineAndLeaveNothingHalfWritten)
{
    TempKit kit;
    kit.write("damaged.dat", QByteArray("\x02\0\0\0", 4));
    kit.write("verylongname.dat", "x");
    kit.write("keep.dat", "old");
    kit.writeArchive("twice.dat", {{"TEXTS.DAT", "first"}, {"FONT.SPR", "f"}, {"TEXTS.DAT", "second"}});
    kit.writeArchive("parts.dat", {{"A/T.DAT", "a"}, {"B\\t.dat", "b"}});
    QDir(kit.dir()).mkdir("out");
    struct Case {
        QStringList args;
        const char *message;
    };
    const Case cases[] = {
        {{"list", kit.path("missing.dat")}, "missing.dat: no such file"},
        {{"list", kit.path("damaged.dat")}, "damaged.dat: at byte 0: the entry count 2"},
        {{"extract", kit.path("damaged.dat"), "a"}, "the entry count 2"},
        {{"extract", kit.path("twice.dat")}, "entries \"TEXTS.DAT\" and \"TEXTS.DAT\" would both be written to TEXTS.DAT"},
        {{"extract", kit.path("parts.dat")}, "entries \"A/T.DAT\" and \"B\\x5CT.DAT\" would both be written to"},
        {{"extract", kit.path("parts.dat"), "a/t.dat", "b\\t.dat"}, "would both be written to"},
        {{"extract", kit.path("twice.dat"), "-o", kit.path("one")}, "-o names the file of one entry; 3 entries"},
        {{"pack", kit.path("keep.dat"), kit.path("verylongname.dat")}, "holds at most 12"},
        {{"pack", kit.path("keep.dat"), kit.path("nothere.dat")}, "nothere.dat: is not a readable file"},
        {{"frobnicate"}, "unknown command"},
    };
    for (const Case &c : cases) {
        auto run = KvToolRun::run(c.args, kit.path("out"));
        EXPECT_NE(run.exitCode, 0) << c.message;
        EXPECT_TRUE(run.err.startsWith("kvtool: ")) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
    }
    EXPECT_EQ(kit.read("keep.dat"), "old");
    EXPECT_TRUE(QDir(kit.path("out")).isEmpty()) << "nothing is extracted before every file name is known";
    EXPECT_FALSE(QFile::exists(kit.path("one")));
    kit.writeArchive("ok.dat", {{"A", "1"}});
    auto missing = KvToolRun::run({"extract", kit.path("ok.dat"), "b", "-o", kit.path("b.out")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("no entry named \"b\""));
    EXPECT_FALSE(QFile::exists(kit.path("b.out")));
}

TEST(KvToolArchives, HelpDescribesEveryCommand)
{
    auto help = KvToolRun::run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char *command : {"list", "extract", "pack", "texts", "glyphs"})
        EXPECT_TRUE(help.out.contains(command)) << command;
    auto extractHelp = KvToolRun::run({"extract", "--help"});
    EXPECT_EQ(extractHelp.exitCode, 0);
    EXPECT_TRUE(extractHelp.out.contains("-o <file>"));
}

namespace {

// What kvtool `args` prints on a system in `lang` (and, when given, with
// `language` as LANGUAGE).
QString helpIn(const char *lang, const QStringList &args = {QStringLiteral("--help")}, const char *language = nullptr)
{
    QProcessEnvironment environment = KvToolRun::environment();
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LANG"), QString::fromLatin1(lang));
    if (language)
        environment.insert(QStringLiteral("LANGUAGE"), QString::fromLatin1(language));
    QProcess kvtool;
    kvtool.setProcessEnvironment(environment);
    kvtool.start(QStringLiteral(KVTOOL_PATH), args);
    EXPECT_TRUE(kvtool.waitForFinished(60000));
    EXPECT_EQ(kvtool.exitCode(), 0) << lang << " " << args.join(' ').toStdString();
    return QString::fromUtf8(kvtool.readAllStandardOutput());
}

} // namespace

// kvtool --help speaks the system's language, the commands' words kept.
TEST(KvToolArchives, HelpIsInTheSystemsLanguage)
{
    const auto help = [](const char *lang) { return helpIn(lang); };
    const QString english = help("C");
    EXPECT_TRUE(english.startsWith("Usage: kvtool COMMAND [ARGS...]\n\nCommands:\n"
                                   "  list ARCHIVE                 entries: name, size, offset\n"))
        << english.toStdString();
    EXPECT_TRUE(english.endsWith("\n'kvtool COMMAND --help' describes a command and its options.\n"));
    const QString german = help("de_DE.UTF-8");
    EXPECT_TRUE(german.startsWith("Aufruf: kvtool BEFEHL [ARGUMENTE...]\n\nBefehle:\n"
                                  "  list ARCHIV                  Einträge: Name, Größe, Position\n"))
        << german.toStdString();
    EXPECT_TRUE(german.contains("  picture original|check|fit ... die neun Schaltflächenbilder\n"));
    const QString russian = help("ru_RU.UTF-8");
    EXPECT_TRUE(russian.startsWith("Использование: kvtool КОМАНДА [АРГУМЕНТЫ...]\n\nКоманды:\n")) << russian.toStdString();
    EXPECT_TRUE(russian.contains("  verify АРХИВ                 проверить архив и известные комплекту записи\n"));
    EXPECT_EQ(german.count(QLatin1Char('\n')), english.count(QLatin1Char('\n')));
    EXPECT_EQ(russian.count(QLatin1Char('\n')), english.count(QLatin1Char('\n')));
}

// Each command's help speaks the system's language too, its options' and
// arguments' names kept; what the commands write stays English.
TEST(KvToolArchives, EachCommandsHelpIsInTheSystemsLanguage)
{
    // Word-wrapped into columns by the parser: compared with single spaces.
    const auto exportHelp = [](const char *lang, const char *language) {
        return helpIn(lang, {"texts", "export", "--help"}, language).simplified();
    };
    const QString german = exportHelp("de_DE.UTF-8", "de");
    EXPECT_TRUE(german.contains("Lädt die Texte des Kits in KITDIR genau wie das Kit beim Start („kvtexts.dat“ und "
                                "„texts.dat“, jeweils zuerst aus lang.dat, dann aus kvmain.dat)"))
        << german.toStdString();
    EXPECT_TRUE(german.contains("-o <file> In <file> schreiben, erst ersetzt, wenn vollständig (Vorgabe: "
                                "Standardausgabe)."));
    EXPECT_TRUE(german.contains("kitdir Der Kit-Ordner."));
    EXPECT_TRUE(german.contains("--codepage <number> Windows-Codepage der Übersetzungen (Vorgabe: die des Kits,"));
    EXPECT_FALSE(german.contains("Loads the texts")) << "nothing left in English";
    const QString english = exportHelp("C", nullptr);
    EXPECT_TRUE(english.contains("-o <file> Write to <file>, replaced only once complete (default: standard "
                                 "output)."))
        << english.toStdString();

    const QString texts = helpIn("de_DE.UTF-8", {"texts", "--help"}, "de");
    EXPECT_TRUE(texts.startsWith("Aufruf: kvtool texts build SOURCE.txt OUT.dat [--codepage NUMBER]\n"
                                 "        kvtool texts export KITDIR [--format ")) << texts.toStdString();
    const QString russian = helpIn("ru_RU.UTF-8", {"picture", "check", "--help"}, "ru").simplified();
    EXPECT_TRUE(russian.contains("row Строка каталога, от 1 до 9.")) << russian.toStdString();
    EXPECT_TRUE(russian.contains("Строки: 1 stk.pad")) << "the catalogue's file names kept";

    // A command that fails says why in English, whatever the system's language.
    QProcessEnvironment environment = KvToolRun::environment();
    environment.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
    environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("de"));
    QProcess kvtool;
    kvtool.setProcessEnvironment(environment);
    kvtool.start(QStringLiteral(KVTOOL_PATH), {"texts", "export"});
    ASSERT_TRUE(kvtool.waitForFinished(60000));
    EXPECT_TRUE(kvtool.readAllStandardError().contains("missing arguments; see 'kvtool texts export --help'"));
}
