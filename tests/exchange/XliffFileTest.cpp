#include "GettextTools.h"
#include "InMemoryTexts.h"
#include "exchange/PoFile.h"
#include "exchange/TextExchange.h"
#include "exchange/TextImport.h"
#include "exchange/XliffFile.h"
#include "texts/TextCodePages.h"
#include "texts/ReviewMarks.h"
#include "texts/TextTable.h"

#include <QStandardPaths>
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
    entries[1].translated = entries[2].translated = true;
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
        "<file original=\"kvtexts.dat\" datatype=\"plaintext\" source-language=\"en\" target-language=\"ru\">\n"
        "  <header>\n   <count-group name=\"codepage\">\n"
        "    <count count-type=\"x-codepage\" unit=\"x-codepage\">1251</count>\n   </count-group>\n  </header>\n"))
        << written->toStdString();
    EXPECT_TRUE(written->contains(
        "<trans-unit id=\"2\" resname=\"2\" maxbytes=\"200\" maxwidth=\"200\" size-unit=\"byte\" approved=\"yes\" "
        "xml:space=\"preserve\">\n    <source>Say &quot;hi&quot; &amp; &lt;go&gt;</source>\n"
        "    <target state=\"translated\">Sag &quot;hallo&quot; &amp; &lt;los&gt;&#13;\nzweimal</target>\n"
        "    <count-group name=\"width-2\">\n     <count count-type=\"x-source-width\" unit=\"x-pixel\">20</count>\n"))
        << written->toStdString();
    EXPECT_TRUE(written->contains("<trans-unit id=\"1\" resname=\"1\" maxbytes=\"200\" maxwidth=\"200\" "
                                  "size-unit=\"byte\" xml:space=\"preserve\">\n    <source> Load game </source>\n"
                                  "    <target state=\"new\"> Load game </target>"))
        << written->toStdString();
    EXPECT_TRUE(written->contains("approved=\"no\" xml:space=\"preserve\">\n    <source>%d gold</source>\n"
                                  "    <target state=\"needs-review-translation\">"));
    EXPECT_TRUE(written->contains("<note from=\"translator\">Gold is a coin</note>"));
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

    // For OmegaT every target is its source, never approved: read back, no
    // unit brings a translation, and the one marked for review stays so.
    const auto forOmegaT =
        XliffFile::write(sampleEntries(), {1251, QStringLiteral("ru"), QStringLiteral("en"), XliffFile::Targets::Sources}, "t.xlf");
    ASSERT_TRUE(forOmegaT.ok()) << forOmegaT.error().text();
    EXPECT_TRUE(forOmegaT->contains(
        "<trans-unit id=\"2\" resname=\"2\" maxbytes=\"200\" maxwidth=\"200\" size-unit=\"byte\" xml:space=\"preserve\">\n"
        "    <source>Say &quot;hi&quot; &amp; &lt;go&gt;</source>\n"
        "    <target state=\"new\">Say &quot;hi&quot; &amp; &lt;go&gt;</target>\n"))
        << forOmegaT->toStdString();
    EXPECT_TRUE(forOmegaT->contains(
        "<trans-unit id=\"3\" resname=\"3\" maxbytes=\"200\" maxwidth=\"200\" size-unit=\"byte\" xml:space=\"preserve\">\n"
        "    <source>%d gold</source>\n    <target state=\"needs-review-translation\">%d gold</target>\n"
        "    <note from=\"translator\">Gold is a coin</note>\n"))
        << forOmegaT->toStdString();
    const auto readForOmegaT = XliffFile::read(*forOmegaT, "t.xlf");
    ASSERT_TRUE(readForOmegaT.ok()) << readForOmegaT.error().text();
    ASSERT_EQ(readForOmegaT->entries.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        const ExchangeEntry &e = readForOmegaT->entries[i];
        EXPECT_EQ(e.translation, QString()) << i;
        EXPECT_FALSE(e.done) << i;
        EXPECT_EQ(e.needsReview, expected[i].needsReview) << i;
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

// translate-toolkit (Debian's) counts the kit's XLIFF as it reads XLIFF
// (an untranslated unit's copy of its source is work to do, as a fuzzy PO
// entry), keeps every note in its XLIFF to PO, and what it makes of it, XLIFF
// to PO and back to XLIFF, imports unchanged.
TEST(XliffFile, TranslateToolkitCountsItKeepsNotesAndItsRoundTripImportsUnchanged)
{
    QList<QByteArray> sources, translations;
    for (int i = 0; i < 12; ++i) {
        sources.append("Text number " + QByteArray::number(i + 1));
        translations.append(i % 3 == 0 ? sources.last() : "Texte num\xE9ro " + QByteArray::number(i + 1));
    }
    const TextTable texts = textTable(sources, translations);
    ReviewMarks marks; // 8 translated, one of them for review, 4 untranslated, one of them with a note
    marks.setMark(1, {.needsReview = true, .done = false, .note = QStringLiteral("Check the accent")});
    marks.setMark(3, {.needsReview = false, .done = false, .note = QStringLiteral("Wait for the glossary")});
    const auto written = TextExchange::write(TextFormat::Id::Xliff, TextExchange::entries(texts, marks, TextCodePages(1252)),
                                             {1252, QStringLiteral("fr"), {}}, QStringLiteral("t.xlf"));
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
    EXPECT_EQ(fields[4].trimmed(), "5") << count.output.toStdString();

    ASSERT_EQ(runTool(QStringLiteral("xliff2po"), {"kit.xlf", "kit.po"}, dir).exitCode, 0);
    const QByteArray converted = readFile(dir.filePath("kit.po"));
    EXPECT_TRUE(converted.contains("# Check the accent\n")) << converted.toStdString();
    EXPECT_TRUE(converted.contains("# Wait for the glossary\n")) << converted.toStdString();
    const auto po = PoFile::read(converted, "kit.po");
    ASSERT_TRUE(po.ok()) << po.error().text();
    const TextImport::Outcome fromPo = TextImport::compute(po->entries, texts, TextCodePages(1252), marks);
    EXPECT_TRUE(fromPo.changes.isEmpty()) << fromPo.report.lines(1252).join('\n').toStdString();
    EXPECT_TRUE(fromPo.marks.isEmpty()) << fromPo.report.lines(1252).join('\n').toStdString();
    ASSERT_EQ(runTool(QStringLiteral("po2xliff"), {"kit.po", "back.xlf"}, dir).exitCode, 0);
    const auto back = TextExchange::read(dir.filePath("back.xlf"));
    ASSERT_TRUE(back.ok()) << back.error().text();
    const TextImport::Outcome outcome = TextImport::compute(back->entries, texts, TextCodePages(1252), marks);
    EXPECT_TRUE(outcome.changes.isEmpty()) << outcome.report.lines(1252).join('\n').toStdString();
    EXPECT_TRUE(outcome.marks.isEmpty()) << outcome.report.lines(1252).join('\n').toStdString();
    EXPECT_EQ(outcome.report.unchanged(), 8) << outcome.report.lines(1252).join('\n').toStdString();
}

namespace {

// A kit of every kind of row: translated, untranslated, done as it is,
// marked for review with a note, a note alone, one source in two rows with
// two translations, a text of two lines and an empty source.
struct MixedKit {
    TextTable texts = textTable(
        {"Load game", "New game", "OK", "Name", "Quit the game?", "OK", "Options", "Two\nlines", "", "Back"},
        {"Spiel laden", "New game", "In Ordnung", "Name", "Spiel beenden?", "Gut", "Options", "Zwei\nZeilen", "",
         "Back"});
    ReviewMarks marks;
    MixedKit()
    {
        marks.setMark(3, {.needsReview = false, .done = true, .note = {}});
        marks.setMark(4, {.needsReview = true, .done = false, .note = QStringLiteral("Too long?")});
        marks.setMark(6, {.needsReview = false, .done = false, .note = QStringLiteral("Menu title")});
    }
    QByteArray file(TextFormat::Id format) const
    {
        const auto written = TextExchange::write(format, TextExchange::entries(texts, marks, TextCodePages(1252)),
                                                 {1252, QStringLiteral("de"), QDateTime::currentDateTimeUtc()},
                                                 QStringLiteral("kit"));
        return written.ok() ? *written : QByteArray();
    }
    // The kit without translations or marks.
    TextTable fresh() const
    {
        TextTable table = texts;
        for (int row = 0; row < table.rowCount(); ++row)
            table.setTranslation(row, table.row(row).source.toByteArray());
        return table;
    }
};

// An OmegaT project in `dir`, English to German, each text one segment.
bool makeOmegaTProject(QDir &dir)
{
    for (const char *folder : {"source", "target", "tm/auto", "omegat", "glossary", "dictionary"}) {
        if (!dir.mkpath(QLatin1String(folder)))
            return false;
    }
    return writeFile(dir.filePath("omegat.project"),
                     "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<omegat>\n"
                     "<project version=\"1.0\">\n<source_dir>__DEFAULT__</source_dir>\n"
                     "<target_dir>__DEFAULT__</target_dir>\n<tm_dir>__DEFAULT__</tm_dir>\n"
                     "<glossary_dir>__DEFAULT__</glossary_dir>\n<glossary_file>__DEFAULT__</glossary_file>\n"
                     "<dictionary_dir>__DEFAULT__</dictionary_dir>\n<source_lang>EN</source_lang>\n"
                     "<target_lang>DE</target_lang>\n"
                     "<source_tok>org.omegat.tokenizer.LuceneEnglishTokenizer</source_tok>\n"
                     "<target_tok>org.omegat.tokenizer.LuceneGermanTokenizer</target_tok>\n"
                     "<sentence_seg>false</sentence_seg>\n"
                     "<support_default_translations>true</support_default_translations>\n"
                     "<remove_tags>false</remove_tags>\n</project>\n</omegat>\n");
}

// OmegaT's console-translate of the project in `dir`. Debian's omegat
// script splits its arguments at spaces: the project is the working folder.
ToolRun omegatTranslate(const QDir &dir)
{
    return runTool(QStringLiteral("omegat"), {".", "--mode=console-translate"}, dir,
                   {"HOME=" + dir.filePath("home")}, 600000);
}

// What OmegaT wrote into target/`name`, imported into `kit` as the kit
// imports: its texts and marks after. Nothing of it is refused.
std::pair<TextTable, ReviewMarks> importTarget(const QDir &dir, const QString &name, const MixedKit &kit)
{
    std::pair<TextTable, ReviewMarks> imported{kit.texts, kit.marks};
    const auto read = TextExchange::read(dir.filePath("target/" + name));
    EXPECT_TRUE(read.ok()) << read.error().text();
    if (read) {
        const TextImport::Outcome outcome = TextImport::compute(read->entries, kit.texts, TextCodePages(1252), kit.marks);
        EXPECT_FALSE(outcome.report.anyRefused()) << name.toStdString();
        TextImport::apply(outcome, imported.first, imported.second);
    }
    return imported;
}

QString lconvertPath()
{
    const QString onPath = QStandardPaths::findExecutable(QStringLiteral("lconvert"));
    return onPath.isEmpty() ? QStandardPaths::findExecutable(QStringLiteral("lconvert"), {QStringLiteral("/usr/lib/qt6/bin")})
                            : onPath;
}

} // namespace

// Qt's lconvert carries the kit's XLIFF and PO through its TS files
// (XLIFF to TS to XLIFF, XLIFF to TS to PO, PO to TS to PO): importing what
// comes back into the kit without translations gives every row its
// translation, and the row done as it is its mark.
TEST(XliffFile, LconvertRoundTripsImportEveryTranslation)
{
    const QString lconvert = lconvertPath();
    if (lconvert.isEmpty())
        GTEST_SKIP() << "lconvert is not installed (Debian package qt6-l10n-tools)";
    const MixedKit kit;
    QTemporaryDir scratch;
    const QDir dir(scratch.path());
    ASSERT_TRUE(writeFile(dir.filePath("kit.xlf"), kit.file(TextFormat::Id::Xliff)));
    ASSERT_TRUE(writeFile(dir.filePath("kit.po"), kit.file(TextFormat::Id::Po)));
    const QList<QStringList> steps{{"kit.xlf", "xlf.ts"}, {"xlf.ts", "back.xlf"}, {"xlf.ts", "back.po"},
                                   {"kit.po", "po.ts"},   {"po.ts", "back2.po"}};
    for (const QStringList &step : steps) {
        const ToolRun run = runTool(lconvert, {"-i", step[0], "-o", step[1]}, dir);
        ASSERT_EQ(run.exitCode, 0) << step.join(" to ").toStdString() << ": " << run.output.toStdString();
    }
    for (const char *name : {"back.xlf", "back.po", "back2.po"}) {
        const auto read = TextExchange::read(dir.filePath(QLatin1String(name)));
        ASSERT_TRUE(read.ok()) << read.error().text();
        const TextTable fresh = kit.fresh();
        const TextImport::Outcome outcome = TextImport::compute(read->entries, fresh, TextCodePages(1252));
        TextTable imported = fresh;
        ReviewMarks marks;
        TextImport::apply(outcome, imported, marks);
        for (int row = 0; row < imported.rowCount(); ++row)
            EXPECT_EQ(imported.row(row).translation, kit.texts.row(row).translation) << name << " row " << row + 1;
        EXPECT_TRUE(marks.isDone(3)) << name;
        EXPECT_EQ(outcome.report.count(ImportReport::Reason::SeveralRows), 0) << name;
    }
}

// xmllint finds the export, and the one for OmegaT, valid under the OASIS
// XLIFF 1.2 strict schema (as Debian ships it in php-symfony-translation),
// with every kind of row, each source's width and the code page.
TEST(XliffFile, AnExportIsValidUnderTheStrictSchema)
{
    const QString schemas = QStringLiteral("/usr/share/php/Symfony/Component/Translation/Resources/schemas/");
    if (!QFile::exists(schemas + "xliff-core-1.2-strict.xsd"))
        GTEST_SKIP() << "the XLIFF 1.2 strict schema is not installed (Debian package php-symfony-translation)";
    QTemporaryDir scratch;
    const QDir dir(scratch.path());
    const MixedKit kit;
    QList<ExchangeEntry> entries = TextExchange::entries(kit.texts, kit.marks, TextCodePages(1252));
    for (ExchangeEntry &entry : entries)
        entry.sourceWidth = int(entry.source.size()) * 7;
    entries.last().fixed = true;
    for (const auto &[name, targets] : {std::pair("kit.xlf", XliffFile::Targets::Translations),
                                        std::pair("omegat.xlf", XliffFile::Targets::Sources)}) {
        const auto written = XliffFile::write(entries, {1252, QStringLiteral("de"), QStringLiteral("en"), targets}, name);
        ASSERT_TRUE(written.ok());
        ASSERT_TRUE(writeFile(dir.filePath(name), *written));
    }
    // The schema imports the XML namespace's from the W3C; the catalog
    // gives it the copy beside it, and nothing is fetched.
    ASSERT_TRUE(writeFile(dir.filePath("catalog.xml"),
                          "<catalog xmlns=\"urn:oasis:names:tc:entity:xmlns:xml:catalog\">\n"
                          "<system systemId=\"http://www.w3.org/2001/xml.xsd\" uri=\"file://"
                              + schemas.toUtf8() + "xml.xsd\"/>\n"
                          "<uri name=\"http://www.w3.org/2001/xml.xsd\" uri=\"file://" + schemas.toUtf8()
                              + "xml.xsd\"/>\n</catalog>\n"));
    const ToolRun lint = runTool(QStringLiteral("xmllint"),
                                 {"--noout", "--nonet", "--schema", schemas + "xliff-core-1.2-strict.xsd", "kit.xlf",
                                  "omegat.xlf"},
                                 dir, {"XML_CATALOG_FILES=catalog.xml"}); // a list split at spaces
    if (lint.exitCode == -1)
        GTEST_SKIP() << "xmllint is not installed (Debian package libxml2-utils)";
    EXPECT_EQ(lint.exitCode, 0) << lint.output.toStdString();
    EXPECT_EQ(lint.output, "kit.xlf validates\nomegat.xlf validates\n");
}

// OmegaT 3.6 translates the kit's XLIFF, fresh and partly translated, from
// its memory (a TMX in tm/auto, whose exact matches it inserts) in console
// mode: every translation of its memory arrives in its row (both rows of one
// source), the kit's own translations and notes stay, and a text it has no
// translation for stays untranslated.
TEST(XliffFile, OmegaTTranslatesAnExportFromItsMemoryAndTheImportPlacesIt)
{
    if (QStandardPaths::findExecutable(QStringLiteral("omegat")).isEmpty())
        GTEST_SKIP() << "OmegaT is not installed (Debian package omegat)";
    const MixedKit kit;
    QTemporaryDir scratch;
    QDir dir(scratch.path());
    ASSERT_TRUE(makeOmegaTProject(dir));
    const QList<std::pair<QByteArray, QByteArray>> memory{
        {"Load game", "Spielstand laden"}, {"New game", "Neues Spiel"}, {"OK", "Einverstanden"},
        {"Options", "Einstellungen"}};
    QByteArray tmx = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<tmx version=\"1.4\">\n<header creationtool=\"t\" "
                     "creationtoolversion=\"1\" segtype=\"paragraph\" o-tmf=\"t\" adminlang=\"EN\" srclang=\"EN\" "
                     "datatype=\"plaintext\"/>\n<body>\n";
    for (const auto &[source, translation] : memory)
        tmx += "<tu><tuv xml:lang=\"EN\"><seg>" + source + "</seg></tuv><tuv xml:lang=\"DE\"><seg>" + translation
             + "</seg></tuv></tu>\n";
    ASSERT_TRUE(writeFile(dir.filePath("tm/auto/memory.tmx"), tmx + "</body>\n</tmx>\n"));
    ASSERT_TRUE(writeFile(dir.filePath("source/partly.xlf"), kit.file(TextFormat::Id::Xliff)));
    MixedKit fresh;
    fresh.texts = kit.fresh();
    fresh.marks = ReviewMarks();
    ASSERT_TRUE(writeFile(dir.filePath("source/fresh.xlf"), fresh.file(TextFormat::Id::Xliff)));

    const ToolRun run = omegatTranslate(dir);
    ASSERT_EQ(run.exitCode, 0) << run.output.toStdString();

    for (const MixedKit *translated : {&kit, static_cast<const MixedKit *>(&fresh)}) {
        const QString name = translated == &kit ? QStringLiteral("partly.xlf") : QStringLiteral("fresh.xlf");
        const auto [imported, marks] = importTarget(dir, name, *translated);
        const auto expect = [&](int row, const QByteArray &text) {
            EXPECT_EQ(imported.row(row).translation, text) << name.toStdString() << " row " << row + 1;
        };
        expect(1, "Neues Spiel");
        expect(6, "Einstellungen");
        expect(9, "Back");
        if (translated == &kit) {
            expect(0, "Spiel laden");
            expect(2, "In Ordnung");
            expect(5, "Gut");
            expect(4, "Spiel beenden?");
            EXPECT_EQ(marks.note(6), "Menu title");
            EXPECT_TRUE(marks.needsReview(4));
        } else {
            expect(0, "Spielstand laden");
            expect(2, "Einverstanden");
            expect(5, "Einverstanden");
        }
    }
}

// The kit's translations as a TMX memory: one unit per translated row (done
// as it is too), in the sources' and the translation's languages,
// well-formed XML. The rows of a source translated differently name their
// file and neighbouring segments, as OmegaT tells them apart; white space
// at both ends of a source and of its translation is left out of them.
TEST(TmxFile, HoldsEveryTranslatedRowAndIsWellFormed)
{
    const MixedKit kit;
    const auto written = TextExchange::write(TextFormat::Id::Tmx, TextExchange::entries(kit.texts, kit.marks, TextCodePages(1252)),
                                             {1252, QStringLiteral("pt_BR"), QDateTime(QDate(2026, 12, 9), QTime(3, 4, 5), Qt::UTC)},
                                             QStringLiteral("kit.tmx"));
    ASSERT_TRUE(written.ok()) << written.error().text();
    const auto tu = [](const char *row, const char *source, const char *translation, const QByteArray &props = {}) {
        return QByteArray("  <tu tuid=\"") + row + "\" xml:space=\"preserve\">\n" + props + "   <tuv xml:lang=\"en\">\n    <seg>"
            + source + "</seg>\n   </tuv>\n   <tuv xml:lang=\"pt-BR\">\n    <seg>" + translation
            + "</seg>\n   </tuv>\n  </tu>\n";
    };
    const auto props = [](const char *prev, const char *next) {
        QByteArray props = "   <prop type=\"file\">kit.xlf</prop>\n";
        if (*prev)
            props += QByteArray("   <prop type=\"prev\">") + prev + "</prop>\n";
        if (*next)
            props += QByteArray("   <prop type=\"next\">") + next + "</prop>\n";
        return props;
    };
    EXPECT_EQ(*written, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<tmx version=\"1.4\">\n"
                        " <header creationtool=\"Orvanta Localization Kit\" creationtoolversion=\"1.2\" segtype=\"block\" "
                        "o-tmf=\"orvanta-kit\" adminlang=\"en\" srclang=\"en\" datatype=\"plaintext\" "
                        "creationdate=\"20261209T030405Z\"/>\n <body>\n"
                            + tu("1", "Load game", "Spiel laden") + tu("3", "OK", "In Ordnung", props("New game", "Name"))
                            + tu("4", "Name", "Name") + tu("5", "Quit the game?", "Spiel beenden?")
                            + tu("6", "OK", "Gut", props("Quit the game?", "Options"))
                            + tu("8", "Two\nlines", "Zwei\nZeilen") + " </body>\n</tmx>\n");

    // Neither an empty source, nor a fixed row, nor white space alone is a
    // segment; a translation with other white space at its ends keeps it.
    QList<ExchangeEntry> spaced{{"1", " OK ", " Gut "}, {"2", "", ""},        {"3", "F1", "F1"},
                                {"4", "OK", "In Ordnung"}, {"5", "\t ", "\t "}, {"6", "Back\n", "Back\n"},
                                {"7", " Save", "Sichern"}};
    spaced[0].translated = spaced[3].translated = spaced[6].translated = true;
    spaced[2].fixed = true;
    const auto trimmed = TextExchange::write(TextFormat::Id::Tmx, spaced, {1252, QStringLiteral("pt_BR"), {}},
                                             QStringLiteral("kit.tmx"));
    ASSERT_TRUE(trimmed.ok()) << trimmed.error().text();
    EXPECT_TRUE(trimmed->endsWith(" <body>\n" + tu("1", "OK", "Gut", props("", "OK"))
                                  + tu("4", "OK", "In Ordnung", props("OK", "Back")) + tu("7", " Save", "Sichern")
                                  + " </body>\n</tmx>\n"))
        << trimmed->toStdString();

    const auto unknown = TextExchange::write(TextFormat::Id::Tmx, {}, {1252, {}, {}}, QStringLiteral("kit.tmx"));
    ASSERT_FALSE(unknown.ok());
    EXPECT_EQ(unknown.error().text(), "kit.tmx: a TMX names the translation's language, and the kit does not know it: "
                                      "name it as language in group [texts] of orvanta-kit.ini, or give kvtool "
                                      "texts export --language LL");

    QTemporaryDir scratch;
    const QDir dir(scratch.path());
    ASSERT_TRUE(writeFile(dir.filePath("kit.tmx"), *written));
    const ToolRun lint = runTool(QStringLiteral("xmllint"), {"--noout", "--nonet", "kit.tmx"}, dir);
    if (lint.exitCode == -1)
        GTEST_SKIP() << "xmllint is not installed (Debian package libxml2-utils)";
    EXPECT_EQ(lint.exitCode, 0) << lint.output.toStdString();
    EXPECT_EQ(lint.output, "");
}

// A kit taken to OmegaT 3.6: its XLIFF for OmegaT in source/, its TMX of
// the same name in tm/auto/. Imported as it was written, the XLIFF changes
// nothing. OmegaT takes the kit's translations as translations of their
// sources (its project memory holds them; a source translated differently
// in two rows once for each, by its neighbours), and the import of what it
// writes puts every translation back in its row, with the rows' marks and
// notes. The next kit version's fresh export (texts inserted, every row
// untranslated) comes back with every translation by its source.
TEST(TmxFile, OmegaTInsertsTheKitsTranslationsFromTheTmxInTmAuto)
{
    const MixedKit kit;
    const QByteArray forOmegaT = kit.file(TextFormat::Id::XliffForOmegaT);
    const auto unchanged = XliffFile::read(forOmegaT, "kit.xlf");
    ASSERT_TRUE(unchanged.ok()) << unchanged.error().text();
    const TextImport::Outcome nothing = TextImport::compute(unchanged->entries, kit.texts, TextCodePages(1252), kit.marks);
    EXPECT_TRUE(nothing.changes.isEmpty()) << nothing.report.lines(1252).join('\n').toStdString();
    EXPECT_TRUE(nothing.marks.isEmpty()) << nothing.report.lines(1252).join('\n').toStdString();

    if (QStandardPaths::findExecutable(QStringLiteral("omegat")).isEmpty())
        GTEST_SKIP() << "OmegaT is not installed (Debian package omegat)";
    QTemporaryDir scratch;
    QDir dir(scratch.path());
    ASSERT_TRUE(makeOmegaTProject(dir));
    // MixedKit::file() names its files "kit".
    ASSERT_TRUE(writeFile(dir.filePath("tm/auto/kit.tmx"), kit.file(TextFormat::Id::Tmx)));
    ASSERT_TRUE(writeFile(dir.filePath("source/kit.xlf"), forOmegaT));
    MixedKit next;
    const QList<QByteArray> nextSources{"Continue", "Load game", "New game", "Quit the game?", "Name", "Two\nlines",
                                        "Options", "Back"};
    next.texts = textTable(nextSources, nextSources);
    next.marks = ReviewMarks();
    ASSERT_TRUE(writeFile(dir.filePath("source/next.xlf"), next.file(TextFormat::Id::Xliff)));

    const ToolRun run = omegatTranslate(dir);
    ASSERT_EQ(run.exitCode, 0) << run.output.toStdString();

    // Console mode leaves omegat/project_save.tmx unwritten; the project's
    // memory is in the copy it writes beside omegat.project.
    const QByteArray memory = readFile(dir.filePath(dir.dirName() + "-omegat.tmx"));
    const auto tu = [](const QByteArray &props, const char *source, const char *translation) {
        return "    <tu>\n" + props + "      <tuv lang=\"EN\">\n        <seg>" + source
            + "</seg>\n      </tuv>\n      <tuv lang=\"DE\">\n        <seg>" + translation + "</seg>\n      </tuv>\n    </tu>\n";
    };
    const auto between = [](const char *prev, const char *next) {
        return QByteArray("      <prop type=\"file\">kit.xlf</prop>\n      <prop type=\"prev\">") + prev
            + "</prop>\n      <prop type=\"next\">" + next + "</prop>\n";
    };
    for (const QByteArray &expected :
         {tu({}, "Load game", "Spiel laden"), tu({}, "Quit the game?", "Spiel beenden?"),
          tu(between("New game", "Name"), "OK", "In Ordnung"), tu(between("Quit the game?", "Options"), "OK", "Gut")})
        EXPECT_TRUE(memory.contains(expected)) << expected.toStdString() << "\nnot in:\n" << memory.toStdString();

    for (const MixedKit *translated : {&kit, static_cast<const MixedKit *>(&next)}) {
        const QString name = translated == &kit ? QStringLiteral("kit.xlf") : QStringLiteral("next.xlf");
        const auto [imported, marks] = importTarget(dir, name, *translated);
        if (translated == &kit) {
            EXPECT_EQ(translationsOf(imported), translationsOf(kit.texts));
            for (int row : {0, 2, 4, 5, 7})
                EXPECT_TRUE(imported.isTranslated(row)) << "row " << row + 1;
            EXPECT_TRUE(marks.isDone(3));
            EXPECT_TRUE(marks.needsReview(4));
            EXPECT_EQ(marks.note(4), "Too long?");
            EXPECT_EQ(marks.note(6), "Menu title");
        } else {
            EXPECT_EQ(translationsOf(imported), (QList<QByteArray>{"Continue", "Spiel laden", "New game", "Spiel beenden?",
                                                                   "Name", "Zwei\nZeilen", "Options", "Back"}));
        }
    }
}
