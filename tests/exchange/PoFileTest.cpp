#include "InMemoryTexts.h"
#include "exchange/PoFile.h"
#include "exchange/TextExchange.h"
#include "exchange/TextImport.h"
#include "texts/CodePage.h"
#include "texts/TextTable.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace orvanta;

namespace {

const QByteArray LongSource = "A rather long text that a translation editor wraps over more than one line, because "
                              "it says \"quite a lot\" about nothing";

// The sample texts up to the first fixed row (grid row 1416), row 2 long.
TextTable sampleTable()
{
    QList<QByteArray> sources;
    for (int i = 0; i < 1416; ++i)
        sources.append("Text " + QByteArray::number(i + 1));
    sources[0] = " Load game ";
    sources[1] = LongSource;
    return textTable(sources, sources);
}

Result<QByteArray> exportPo(const TextTable &texts, int codePage)
{
    const QList<ExchangeEntry> entries = TextExchange::entries(texts, CodePage(codePage));
    return PoFile::write(entries, codePage, QDateTime(QDate(2024, 5, 1), QTime(12, 30), Qt::UTC), "t.po");
}

} // namespace

TEST(PoFile, ExportCarriesRowsHeaderAndFixedComment)
{
    const auto po = exportPo(sampleTable(), 1253);
    ASSERT_TRUE(po.ok()) << po.error().text();
    EXPECT_TRUE(po->startsWith("msgid \"\"\nmsgstr \"\"\n\"Project-Id-Version: Orvanta\\n\"\n"
                               "\"PO-Revision-Date: 2024-05-01 12:30+0000\\n\"\n"
                               "\"Last-Translator: \\n\"\n\"Language-Team: \\n\"\n\"Language: el\\n\"\n"
                               "\"MIME-Version: 1.0\\n\"\n\"Content-Type: text/plain; charset=UTF-8\\n\"\n"
                               "\"Content-Transfer-Encoding: 8bit\\n\"\n\"X-Orvanta-Codepage: 1253\\n\"\n\n"
                               "msgctxt \"1\"\nmsgid \" Load game \"\nmsgstr \"\"\n"))
        << po->left(600).toStdString();
    EXPECT_TRUE(po->contains("\n#. Reset to the original text at every save.\nmsgctxt \"1416\"\nmsgid \"Text 1416\"\n"));
    EXPECT_FALSE(exportPo(sampleTable(), 1251)->contains("Language:")) << "1251 is not one language's";
}

// The file as Poedit saves it after one translation was typed: its own
// header lines, the long msgid rewrapped, escaped quotes in the msgstr.
TEST(PoFile, AnEditorsEditOfOneMsgstrImportsExactlyThatChange)
{
    const TextTable texts = sampleTable();
    auto po = exportPo(texts, 1252);
    ASSERT_TRUE(po.ok()) << po.error().text();
    const qsizetype entry = po->indexOf("msgctxt \"2\"\n");
    const qsizetype msgstr = po->indexOf("msgstr \"\"\n", entry);
    ASSERT_GT(entry, 0);
    po->replace(entry, msgstr + 10 - entry,
                "msgctxt \"2\"\n"
                "msgid \"\"\n"
                "\"A rather long text that a translation editor wraps over more than one \"\n"
                "\"line, because it says \\\"quite a lot\\\" about nothing\"\n"
                "msgstr \"\"\n"
                "\"Ein ziemlich langer Text, den ein \xC3\x9C" "bersetzungsprogramm \xC3\xBC" "ber mehr \"\n"
                "\"als eine Zeile umbricht, weil er \\\"ziemlich viel\\\" \xC3\xBC" "ber nichts sagt\"\n");
    po->replace("\"X-Orvanta-Codepage: 1252\\n\"\n",
                "\"X-Orvanta-Codepage: 1252\\n\"\n\"X-Generator: Poedit 3.4.2\\n\"\n\"Last-Translator: Jana\\n\"\n");
    po->replace("\n\n", "\n\n\n"); // blank lines are nothing

    const auto entries = PoFile::read(*po, "t.po");
    ASSERT_TRUE(entries.ok()) << entries.error().text();
    const TextImport::Outcome outcome = TextImport::compute(*entries, texts, CodePage(1252));
    ASSERT_EQ(outcome.changes.size(), 1);
    EXPECT_EQ(outcome.changes[0].row, 1);
    EXPECT_EQ(outcome.changes[0].text,
              "Ein ziemlich langer Text, den ein \xDC" "bersetzungsprogramm \xFC" "ber mehr als eine Zeile umbricht, weil "
              "er \"ziemlich viel\" \xFC" "ber nichts sagt");
    EXPECT_EQ(outcome.report.count(ImportReport::Reason::NoTranslation), texts.rowCount() - 1);
}

TEST(PoFile, ReadsFuzzyMarksCharsetsAndSkipsObsoleteEntries)
{
    const QByteArray po = "\xEF\xBB\xBF# a comment\n"
                          "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=ISO-8859-1\\n\"\n\n"
                          "#, fuzzy\nmsgctxt \"3\"\nmsgid \"Three\"\nmsgstr \"Dr\xE9i\"\n\n"
                          "msgctxt \"4\"\nmsgid \"\\tFour\"\nmsgstr \"\"\n\n"
                          "#~ msgctxt \"5\"\n#~ msgid \"Five\"\n#~ msgstr \"F\xFCnf\"\n";
    const auto entries = PoFile::read(po, "t.po");
    ASSERT_TRUE(entries.ok()) << entries.error().text();
    ASSERT_EQ(entries->size(), 2);
    EXPECT_EQ((*entries)[0].row, "3");
    EXPECT_EQ((*entries)[0].translation, QString::fromUtf8("Dr\xC3\xA9i"));
    EXPECT_TRUE((*entries)[0].fuzzy);
    EXPECT_EQ((*entries)[1].source, "\tFour");
    EXPECT_FALSE((*entries)[1].fuzzy);
}

TEST(PoFile, AMalformedFileIsAnErrorNamingFileAndLine)
{
    const struct {
        QByteArray file;
        const char *error;
    } cases[] = {
        {"msgctxt \"1\"\nmsgid \"a\nmsgstr \"b\"\n", "t.po: line 3: "},
        {"msgctxt \"1\"\nmsgid \"a\"\nmsgstr \"b\"\n\nmsgctxt \"1\"\nmsgid \"a\"\nmsgstr \"c\"\n", "t.po: line 6: "},
        {"msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n\nmsgctxt \"1\"\nmsgid \"a\"\nmsgstr \"\xFF\"\n",
         "t.po: line 6: "},
        {"msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=X-NONE\\n\"\n", "t.po: its charset X-NONE is not one"},
    };
    for (const auto &c : cases) {
        const auto read = PoFile::read(c.file, "t.po");
        ASSERT_FALSE(read.ok()) << c.error;
        EXPECT_EQ(read.error().text().rfind(c.error, 0), 0u) << read.error().text();
    }
}

// gettext's own validator accepts what the kit exports.
TEST(PoFile, ExportPassesMsgfmtCheck)
{
    const QString msgfmt = QStandardPaths::findExecutable(QStringLiteral("msgfmt"));
    if (msgfmt.isEmpty())
        GTEST_SKIP() << "msgfmt is not installed (Debian package gettext); the check is skipped";
    QTemporaryDir dir;
    for (int codePage : {874, 1251, 1252}) {
        TextTable texts = sampleTable();
        texts.setTranslation(2, "\xC0\xE9 \"quoted\" \\ back\tslash");
        const auto po = exportPo(texts, codePage);
        ASSERT_TRUE(po.ok()) << po.error().text();
        const QString path = dir.filePath(QStringLiteral("texts%1.po").arg(codePage));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(*po), po->size());
        file.close();
        QProcess check;
        check.start(msgfmt, {QStringLiteral("--check"), QStringLiteral("-o"), QStringLiteral("/dev/null"), path});
        ASSERT_TRUE(check.waitForFinished(60000));
        EXPECT_EQ(check.exitCode(), 0) << codePage << ": " << check.readAllStandardError().toStdString();
    }
}
