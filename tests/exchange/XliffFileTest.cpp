#include "GettextTools.h"
#include "InMemoryTexts.h"
#include "exchange/PoFile.h"
#include "exchange/TextExchange.h"
#include "exchange/TextImport.h"
#include "exchange/XliffFile.h"
#include "texts/TextCodePages.h"
#include "texts/ReviewMarks.h"
#include "texts/TextTable.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace orvanta;

namespace {

// Four rows: untranslated, translated, needs review with a note, and the
// first fixed row, each source measured.
QList<ExchangeEntry> sampleEntries()
{
    QList<ExchangeEntry> entries{{"1", " Load game ", " Load game "},
                                 {"2", "Say \"hi\" & <go>", QString::fromUtf8("Sag \"hallo\" & <los>\r\nzweimal")},
                                 {"3", "%d gold", QString::fromUtf8("%d \xD0\xB7\xD0\xBE\xD0\xBB\xD0\xBE\xD1\x82\xD0\xB0")},
                                 {"1416", "F1", "F1"}};
    entries[2].needsReview = true;
    entries[2].note = QStringLiteral("Gold is a coin");
    entries[3].fixed = true;
    for (int i = 0; i < entries.size(); ++i)
        entries[i].sourceWidth = 10 * (i + 1);
    return entries;
}

QByteArray unit(const QByteArray &inside)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xliff version=\"1.2\" "
           "xmlns=\"urn:oasis:names:tc:xliff:document:1.2\">\n<file original=\"k\" source-language=\"en\" "
           "target-language=\"ru\" datatype=\"plaintext\"><body>\n"
        + inside + "\n</body></file></xliff>\n";
}

} // namespace

TEST(XliffFile, WritesOneUnitPerRowWithStateLimitsAndWidthAndReadsItBack)
{
    const auto written = XliffFile::write(sampleEntries(), {1251, QStringLiteral("ru")}, "t.xlf");
    ASSERT_TRUE(written.ok()) << written.error().text();
    EXPECT_TRUE(written->contains(
        "<file original=\"kvtexts.dat\" datatype=\"plaintext\" source-language=\"en\" target-language=\"ru\" "
        "orvanta:codepage=\"1251\">"))
        << written->toStdString();
    EXPECT_TRUE(written->contains(
        "<trans-unit id=\"2\" resname=\"2\" maxbytes=\"200\" maxwidth=\"200\" size-unit=\"byte\" approved=\"yes\" "
        "xml:space=\"preserve\">\n    <source>Say &quot;hi&quot; &amp; &lt;go&gt;</source>\n"
        "    <target state=\"translated\">Sag &quot;hallo&quot; &amp; &lt;los&gt;&#13;\nzweimal</target>\n"
        "    <count-group name=\"width\">\n     <count count-type=\"x-source-width\" unit=\"x-pixel\">20</count>\n"))
        << written->toStdString();
    EXPECT_TRUE(written->contains("<trans-unit id=\"1\" resname=\"1\" maxbytes=\"200\" maxwidth=\"200\" "
                                  "size-unit=\"byte\" xml:space=\"preserve\">\n    <source> Load game </source>\n"
                                  "    <target state=\"new\"/>"))
        << written->toStdString();
    EXPECT_TRUE(written->contains("approved=\"no\" xml:space=\"preserve\">\n    <source>%d gold</source>\n"
                                  "    <target state=\"needs-review-translation\">"));
    EXPECT_TRUE(written->contains("<note>Gold is a coin</note>"));
    EXPECT_TRUE(written->contains("<trans-unit id=\"1416\" resname=\"1416\" maxbytes=\"200\" maxwidth=\"200\" "
                                  "size-unit=\"byte\" translate=\"no\""));

    const auto read = XliffFile::read(*written, "t.xlf");
    ASSERT_TRUE(read.ok()) << read.error().text();
    EXPECT_EQ(read->codePage, 1251);
    EXPECT_EQ(read->language, "ru");
    const QList<ExchangeEntry> expected = sampleEntries();
    ASSERT_EQ(read->entries.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        const ExchangeEntry &e = read->entries[i];
        EXPECT_EQ(e.row, expected[i].row);
        EXPECT_EQ(e.source, expected[i].source) << i;
        EXPECT_EQ(e.translation, expected[i].translation == expected[i].source ? QString() : expected[i].translation) << i;
        EXPECT_EQ(e.needsReview, expected[i].needsReview) << i;
        EXPECT_EQ(e.note, expected[i].note) << i;
    }

    QList<ExchangeEntry> control = sampleEntries();
    control[1].translation += QChar(1);
    const auto refused = XliffFile::write(control, {1251, {}}, "t.xlf");
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.error().text(), "t.xlf: row 2: the character U+0001 cannot stand in XLIFF; export as PO or CSV");
}

TEST(XliffFile, BadInputIsAnErrorNamingTheLineAndNothingIsFetchedOrExpanded)
{
    const QByteArray good = "<trans-unit id=\"1\"><source>a</source><target>b</target></trans-unit>";
    QByteArray crowded;
    for (int i = 0; i < 300000; ++i)
        crowded += " a" + QByteArray::number(i) + "=\"'>\"";
    const struct {
        QByteArray file;
        const char *error;
    } cases[] = {
        {unit(good).replace("</body>", "</bdy>"), "t.xlf: line 5: not well-formed XML: Opening and ending tag mismatch"},
        {"<?xml version=\"1.0\"?>\n<!DOCTYPE xliff SYSTEM \"http://127.0.0.1:9/xliff.dtd\">\n<xliff/>",
         "t.xlf: line 2: a document type declaration (<!DOCTYPE>): the kit reads no DTD and expands no entities"},
        {"<?xml version=\"1.0\"?>\n<!DOCTYPE x [<!ENTITY e SYSTEM \"file:///etc/passwd\">]>\n<xliff>&e;</xliff>",
         "t.xlf: line 2: a document type declaration"},
        {unit("<trans-unit id=\"1\"><source>&lol;</source></trans-unit>"), "t.xlf: line 4: not well-formed XML: "},
        {unit("<trans-unit><source>a</source></trans-unit>"), "t.xlf: line 4: a trans-unit without id"},
        {unit(good + "\n" + good), "t.xlf: line 5: the trans-unit id \"1\" came before, on line 4"},
        {unit("<trans-unit id=\"1\"><source>a</source><target xml:lang=\"de\">b</target></trans-unit>"),
         "t.xlf: line 4: the target of unit \"1\" is in de, the file's target-language is ru"},
        {"<?xml version=\"1.0\"?><html><body/></html>", "t.xlf: line 1: not an XLIFF file: its root element is <html>"},
        {"", "t.xlf: not an XLIFF file: it holds no XML element"},
        // What is wrong before the first element is said, on its line.
        {"<?xml version=\"1.0\" encoding=\"FOO\"?>\n<xliff/>", "t.xlf: line 1: not well-formed XML: "},
        {"<?xml version=\"1.0\"?>\n<x\xFF\xFEliff/>", "t.xlf: line 2: not UTF-8 text; save the file in UTF-8"},
        // Hundreds of attributes on one tag are refused before the XML
        // reader, which compares each with every other, sees them.
        {unit("<trans-unit id=\"1\"" + crowded + "><source>a</source></trans-unit>"),
         "t.xlf: line 4: a tag with more than 256 attributes; no XLIFF element has so many"},
    };
    for (const auto &c : cases) {
        const auto read = XliffFile::read(c.file, "t.xlf");
        ASSERT_FALSE(read.ok()) << c.error;
        EXPECT_EQ(read.error().text().rfind(c.error, 0), 0u) << read.error().text();
    }
}

// translate-toolkit (Debian's) counts the kit's XLIFF as the kit does, and
// what it makes of it, XLIFF to PO and back to XLIFF, imports unchanged.
TEST(XliffFile, TranslateToolkitCountsItAndItsRoundTripImportsUnchanged)
{
    QList<QByteArray> sources, translations;
    for (int i = 0; i < 12; ++i) {
        sources.append("Text number " + QByteArray::number(i + 1));
        translations.append(i % 3 == 0 ? sources.last() : "Texte num\xE9ro " + QByteArray::number(i + 1));
    }
    const TextTable texts = textTable(sources, translations);
    QList<ExchangeEntry> entries = TextExchange::entries(texts, ReviewMarks(), TextCodePages(1252));
    entries[1].needsReview = true; // 8 translated, one of them for review, 4 untranslated
    const auto written = TextExchange::write(TextFormat::Id::Xliff, entries, {1252, QStringLiteral("fr"), {}},
                                             QStringLiteral("t.xlf"));
    ASSERT_TRUE(written.ok());
    QTemporaryDir scratch;
    const QDir dir(scratch.path());
    ASSERT_TRUE(writeFile(dir.filePath("kit.xlf"), *written));

    const ToolRun count = runTool(QStringLiteral("pocount"), {"--csv", "kit.xlf"}, dir);
    if (count.exitCode == -1)
        GTEST_SKIP() << "translate-toolkit is not installed (Debian package translate-toolkit)";
    ASSERT_EQ(count.exitCode, 0) << count.output.toStdString();
    // Filename, Translated Messages, Translated Source Words, Translated Target Words, Fuzzy Messages, ...
    const QList<QByteArray> fields = count.output.split('\n').value(1).split(',');
    ASSERT_GE(fields.size(), 6) << count.output.toStdString();
    EXPECT_EQ(fields[1].trimmed(), "7") << count.output.toStdString();
    EXPECT_EQ(fields[4].trimmed(), "1") << count.output.toStdString();

    ASSERT_EQ(runTool(QStringLiteral("xliff2po"), {"kit.xlf", "kit.po"}, dir).exitCode, 0);
    const auto po = PoFile::read(readFile(dir.filePath("kit.po")), "kit.po");
    ASSERT_TRUE(po.ok()) << po.error().text();
    ASSERT_EQ(runTool(QStringLiteral("po2xliff"), {"kit.po", "back.xlf"}, dir).exitCode, 0);
    const auto back = TextExchange::read(dir.filePath("back.xlf"));
    ASSERT_TRUE(back.ok()) << back.error().text();
    ReviewMarks marks;
    marks.setMark(1, {.needsReview = true, .done = false, .note = {}});
    const TextImport::Outcome outcome = TextImport::compute(back->entries, texts, TextCodePages(1252), marks);
    EXPECT_TRUE(outcome.changes.isEmpty()) << outcome.report.lines(1252).join('\n').toStdString();
    EXPECT_TRUE(outcome.marks.isEmpty());
    EXPECT_EQ(outcome.report.unchanged(), 8) << outcome.report.lines(1252).join('\n').toStdString();
}
