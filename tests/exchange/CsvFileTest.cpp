#include "exchange/CsvFile.h"

#include <gtest/gtest.h>

using namespace orvanta;

namespace {

// "row|source|translation|review|note@line" per entry, to compare and print
// at once; review is "-" when the file has no such columns.
QStringList flat(const QList<ExchangeEntry> &entries)
{
    QStringList out;
    for (const ExchangeEntry &e : entries)
        out.append(e.row + QLatin1Char('|') + e.source + QLatin1Char('|') + e.translation + QLatin1Char('|')
                   + (e.hasReview ? (e.needsReview ? QStringLiteral("yes") : QString()) : QStringLiteral("-"))
                   + QLatin1Char('|') + e.note + QLatin1Char('@') + QString::number(e.line));
    return out;
}

} // namespace

TEST(CsvFile, ReadsBackWhatItWritesAndWhatSpreadsheetsMakeOfIt)
{
    QList<ExchangeEntry> entries{{"1", " pad ", "Ja, nein"}, {"2", "Say \"hi\"", "two\nlines"}, {"3", "", "\u0416"}};
    entries[1].needsReview = true;
    entries[1].note = QStringLiteral("Ask, \"why\"");
    const QByteArray written = CsvFile::write(entries);
    ASSERT_EQ(written, QByteArray("row,source,translation,needs_review,note\r\n"
                                  "1, pad ,\"Ja, nein\",,\r\n"
                                  "2,\"Say \"\"hi\"\"\",\"two\nlines\",yes,\"Ask, \"\"why\"\"\"\r\n"
                                  "3,,\xD0\x96,,\r\n"));
    // Rows far longer than the room the writer sets aside per row.
    const QList<ExchangeEntry> longRows{{"1", QString(300, u'\u0416'), QString(300, u'"')}, {"2", "b", "c"}};
    const auto longRead = CsvFile::read(CsvFile::write(longRows), "long.csv");
    ASSERT_TRUE(longRead.ok()) << longRead.error().text();
    EXPECT_EQ(flat(longRead->entries), QStringList({"1|" + longRows[0].source + '|' + longRows[0].translation + "||@2",
                                                    "2|b|c||@3"}));
    const QStringList expected{"1| pad |Ja, nein||@2", "2|Say \"hi\"|two\nlines|yes|Ask, \"why\"@3", "3||\u0416||@5"};
    const QStringList withoutMarks{"1| pad |Ja, nein|-|@2", "2|Say \"hi\"|two\nlines|-|@3", "3||\u0416|-|@5"};

    QByteArray lf = written;
    lf.replace("\r\n", "\n");
    QByteArray cr = written;
    cr.replace("\r\n", "\r");
    const struct {
        const char *what;
        QByteArray file;
        const QStringList &expected;
    } cases[] = {
        {"as written", written, expected},
        {"LF line ends", lf, expected},
        {"CR line ends", cr, expected},
        {"a byte order mark and a trailing empty line", "\xEF\xBB\xBF" + written + "\r\n", expected},
        {"every field quoted, rows of empty cells, the three columns of old",
         "\"row\",\"source\",\"translation\"\n\"1\",\" pad \",\"Ja, nein\"\n\"2\",\"Say \"\"hi\"\"\",\"two\nlines\"\n"
         "\"3\",\"\",\"\xD0\x96\"\n,,\n\"\",\"\",\"\"\n",
         withoutMarks},
        {"columns in another order, named in capitals, a blank row that says no",
         "Note,Translation,Row,Needs_Review,Source\n,\"Ja, nein\",1,no, pad \n\"Ask, \"\"why\"\"\",\"two\nlines\",2,X,"
         "\"Say \"\"hi\"\"\"\n,\xD0\x96,3,,\n,,,no,\n",
         expected},
        {"translate-toolkit's po2csv columns",
         "\"location\",\"source\",\"target\"\r\n\"1\",\" pad \",\"Ja, nein\"\r\n\"2\",\"Say \"\"hi\"\"\",\"two\nlines\"\r\n"
         "\"3\",\"\",\"\xD0\x96\"\r\n",
         withoutMarks},
    };
    for (const auto &c : cases) {
        const auto read = CsvFile::read(c.file, "t.csv");
        ASSERT_TRUE(read.ok()) << c.what << ": " << read.error().text();
        EXPECT_EQ(flat(read->entries), c.expected) << c.what;
    }
}

TEST(CsvFile, AMalformedFileIsAnErrorNamingFileAndLine)
{
    const struct {
        QByteArray file;
        const char *error;
    } cases[] = {
        {"row,source,translation\r\n1,a,b\r\n2,c,\xC3(\r\n", "t.csv: line 3: not UTF-8 text"},
        {"", "t.csv: line 1: the file is empty; the first line must name the columns row, source and translation"},
        {"1,a,b\r\n", "t.csv: line 1: the header names a column \"1\" the kit does not know (it reads \"1,a,b\"); the "
                      "first line must name the columns row, source and translation (needs_review and note may "
                      "follow), in any order, separated by commas"},
        {"row;source;translation\r\n1;a;b\r\n", "t.csv: line 1: the file is separated by semicolons, not commas (its "
                                                "header reads \"row;source;translation\")"},
        {"\"row\";\"source\";\"translation\"\r\n\"1\";\"a\";\"b\"\r\n",
         "t.csv: line 1: the file is separated by semicolons, not commas (its header reads "
         "\"\"row\";\"source\";\"translation\"\")"},
        {"\"row\"\t\"source\"\t\"translation\"\n", "t.csv: line 1: the file is separated by tabs, not commas"},
        {"location,row,source,translation\r\n", "t.csv: line 1: the header names the column row twice"},
        {"row,source\r\n1,a\r\n", "t.csv: line 1: the header has no column translation (it reads \"row,source\")"},
        {"row,source,translation,row\r\n", "t.csv: line 1: the header names the column row twice"},
        {"row,source,translation,needs_review\r\n1,a,b,maybe\r\n",
         "t.csv: line 2: needs_review is \"maybe\"; write yes or leave it empty"},
        {"row,source,translation\n1,a,\"b\n\nc\n", "t.csv: line 2: a quoted field is not closed"},
        {"row,source,translation\n1,a,b\"c\n", "t.csv: line 2: a quote inside a field that does not start with one"},
        {"row,source,translation\n1,\"a\nb\"c,d\n", "t.csv: line 3: text after the closing quote"},
        {"row,source,translation\n1,\"a\nb\",c\n2,a\n", "t.csv: line 4: 2 fields where the header names 3"},
        {"row,source,translation\n1,a,b,\n", "t.csv: line 2: 4 fields where the header names 3"},
    };
    for (const auto &c : cases) {
        const auto read = CsvFile::read(c.file, "t.csv");
        ASSERT_FALSE(read.ok()) << c.error;
        EXPECT_EQ(read.error().text().rfind(c.error, 0), 0u) << read.error().text();
    }
}

// A file is read a megabyte at a time: a record whose quoted field runs
// across that boundary, and a CR LF cut by it, read as in a small file, and
// the lines named after it count every line before.
TEST(CsvFile, AFileLargerThanWhatIsReadAtOnceReadsAsASmallOne)
{
    const qsizetype block = qsizetype(1) << 20;
    QByteArray file = "row,source,translation,needs_review,note\r\n";
    int rows = 0;
    const auto add = [&](const QByteArray &record) {
        file += record;
        ++rows;
    };
    while (file.size() < block - 200)
        add(QByteArray::number(rows + 1) + ",Source,Quelle,,\r\n");
    // Pads the next record so that its CR is the block's last byte.
    QByteArray record = QByteArray::number(rows + 1) + ",Source,Quelle,,";
    record += QByteArray(block - 1 - file.size() - record.size(), 'x') + "\r\n";
    add(record);
    ASSERT_EQ(file.at(block - 1), '\r');
    const int spanning = rows + 1;
    add(QByteArray::number(spanning) + ",\"first\r\nsecond\nthird\",\"Ü\"\"\",yes,\r\n");
    while (file.size() < 2 * block + 100)
        add(QByteArray::number(rows + 1) + ",Source,Quelle,,\r\n");
    const qsizetype lastLine = rows + 3; // the header, the field's two line breaks

    const auto read = CsvFile::read(file, "big.csv");
    ASSERT_TRUE(read.ok()) << read.error().text();
    ASSERT_EQ(read->entries.size(), rows);
    const ExchangeEntry &across = read->entries[spanning - 1];
    EXPECT_EQ(across.row, QString::number(spanning));
    EXPECT_EQ(across.source, "first\r\nsecond\nthird");
    EXPECT_EQ(across.translation, QString::fromUtf8("Ü\""));
    EXPECT_TRUE(across.needsReview);
    EXPECT_EQ(across.line, spanning + 1);
    EXPECT_EQ(read->entries.back().line, lastLine);
    EXPECT_TRUE(read->entries[spanning - 2].note.endsWith("xxx"));

    const auto bad = CsvFile::read(file + "9,a,b,maybe,\r\n", "big.csv");
    ASSERT_FALSE(bad.ok());
    EXPECT_EQ(bad.error().text(), "big.csv: line " + std::to_string(lastLine + 1)
                                      + ": needs_review is \"maybe\"; write yes or leave it empty");
    // Bytes that are not UTF-8 are said before the record that comes first.
    QByteArray notUtf8 = "9,a,b,maybe,\r\n" + file.mid(file.indexOf("\r\n") + 2);
    notUtf8.prepend("row,source,translation,needs_review,note\r\n");
    const qsizetype at = notUtf8.indexOf("Quelle", block);
    notUtf8[at] = char(0xFF);
    const auto undecodable = CsvFile::read(notUtf8, "big.csv");
    ASSERT_FALSE(undecodable.ok());
    EXPECT_EQ(undecodable.error().text(), "big.csv: line " + std::to_string(1 + notUtf8.left(at).count('\n'))
                                              + ": not UTF-8 text; save the file as CSV in UTF-8");
}
