#include "exchange/CsvFile.h"

#include <gtest/gtest.h>

using namespace orvanta;

namespace {

// "row|source|translation@line" per entry, to compare and print at once.
QStringList flat(const QList<ExchangeEntry> &entries)
{
    QStringList out;
    for (const ExchangeEntry &e : entries)
        out.append(e.row + QLatin1Char('|') + e.source + QLatin1Char('|') + e.translation + QLatin1Char('@')
                   + QString::number(e.line));
    return out;
}

} // namespace

TEST(CsvFile, ReadsBackWhatItWritesAndWhatSpreadsheetsMakeOfIt)
{
    const QList<ExchangeEntry> entries{{"1", " pad ", "Ja, nein"}, {"2", "Say \"hi\"", "two\nlines"}, {"3", "", "\u0416"}};
    const QByteArray written = CsvFile::write(entries);
    ASSERT_EQ(written, QByteArray("row,source,translation\r\n"
                                  "1, pad ,\"Ja, nein\"\r\n"
                                  "2,\"Say \"\"hi\"\"\",\"two\nlines\"\r\n"
                                  "3,,\xD0\x96\r\n"));
    const QStringList expected{"1| pad |Ja, nein@2", "2|Say \"hi\"|two\nlines@3", "3||\u0416@5"};

    QByteArray lf = written;
    lf.replace("\r\n", "\n");
    QByteArray cr = written;
    cr.replace("\r\n", "\r");
    const struct {
        const char *what;
        QByteArray file;
    } cases[] = {
        {"as written", written},
        {"LF line ends", lf},
        {"CR line ends", cr},
        {"a byte order mark and a trailing empty line", "\xEF\xBB\xBF" + written + "\r\n"},
        {"every field quoted, rows of empty cells",
         "\"row\",\"source\",\"translation\"\n\"1\",\" pad \",\"Ja, nein\"\n\"2\",\"Say \"\"hi\"\"\",\"two\nlines\"\n"
         "\"3\",\"\",\"\xD0\x96\"\n,,\n\"\",\"\",\"\"\n"},
    };
    for (const auto &c : cases) {
        const auto read = CsvFile::read(c.file, "t.csv");
        ASSERT_TRUE(read.ok()) << c.what << ": " << read.error().text();
        EXPECT_EQ(flat(*read), expected) << c.what;
    }
}

TEST(CsvFile, AMalformedFileIsAnErrorNamingFileAndLine)
{
    const struct {
        QByteArray file;
        const char *error;
    } cases[] = {
        {"row,source,translation\r\n1,a,b\r\n2,c,\xC3(\r\n", "t.csv: line 3: not UTF-8 text"},
        {"", "t.csv: line 1: the first line must be the header row,source,translation"},
        {"1,a,b\r\n", "t.csv: line 1: the first line must be the header row,source,translation"},
        {"row,source,translation\n1,a,\"b\n\nc\n", "t.csv: line 2: a quoted field is not closed"},
        {"row,source,translation\n1,a,b\"c\n", "t.csv: line 2: a quote inside a field that does not start with one"},
        {"row,source,translation\n1,\"a\nb\"c,d\n", "t.csv: line 3: text after the closing quote"},
        {"row,source,translation\n1,\"a\nb\",c\n2,a\n", "t.csv: line 4: 2 fields where a record has 3"},
        {"row,source,translation\n1,a,b,\n", "t.csv: line 2: 4 fields where a record has 3"},
    };
    for (const auto &c : cases) {
        const auto read = CsvFile::read(c.file, "t.csv");
        ASSERT_FALSE(read.ok()) << c.error;
        EXPECT_EQ(read.error().text().rfind(c.error, 0), 0u) << read.error().text();
    }
}
