#include "TempKit.h"
#include "io/FileSaver.h"
#include "texts/ReviewMarks.h"

#include <gtest/gtest.h>

using namespace orvanta;

namespace {

ReviewMarks::Mark mark(bool needsReview, bool done, const QString &note)
{
    ReviewMarks::Mark m;
    m.needsReview = needsReview;
    m.done = done;
    m.note = note;
    return m;
}

} // namespace

// The file is what a translator can read and mend: row numbers from 1, the
// flags by name, notes with their tabs and line breaks escaped, in row order.
TEST(ReviewMarksTest, SavedFileIsExactAndReadsBack)
{
    ReviewMarks marks;
    marks.setMark(41, mark(true, false, QStringLiteral("Имя? ask the lead\tsee row 3\nC:\\path")));
    marks.setMark(0, mark(false, true, QString()));
    marks.setMark(7, mark(true, true, QString()));
    marks.setMark(9, mark(false, false, QStringLiteral("plain note")));
    marks.setMark(12, mark(true, false, QString()));
    marks.setMark(12, ReviewMarks::Mark()); // an empty mark removes the row
    EXPECT_EQ(marks.needsReviewCount(), 2);
    EXPECT_EQ(marks.rows(), (QList<int>{0, 7, 9, 41}));

    const QByteArray expected = QByteArrayLiteral("orvanta-kit review 1\n"
                                                  "1\tdone\t\n"
                                                  "8\treview,done\t\n"
                                                  "10\t-\tplain note\n")
        + QStringLiteral("42\treview\tИмя? ask the lead\\tsee row 3\\nC:\\\\path\n").toUtf8();
    EXPECT_EQ(marks.toFile(), expected);

    TempKit kit;
    const QString path = kit.path(ReviewMarks::FileName);
    ASSERT_TRUE(FileSaver::save(path, marks.toFile()).ok());
    EXPECT_EQ(kit.read(ReviewMarks::FileName), expected);
    Result<ReviewMarks> back = ReviewMarks::read(path);
    ASSERT_TRUE(back.ok()) << back.error().text();
    EXPECT_EQ(back->toFile(), expected);
    EXPECT_EQ(back->mark(41), marks.mark(41));
    EXPECT_EQ(back->needsReviewCount(), 2);
    EXPECT_TRUE(back->isDone(0));
    EXPECT_FALSE(back->needsReview(3));

    // CRLF line ends, as an editor on Windows may leave them, read the same.
    QByteArray crlf = expected;
    crlf.replace("\n", "\r\n");
    Result<ReviewMarks> fromCrlf = ReviewMarks::fromFile(crlf, path);
    ASSERT_TRUE(fromCrlf.ok()) << fromCrlf.error().text();
    EXPECT_EQ(fromCrlf->toFile(), expected);

    // No file yet is no marks.
    Result<ReviewMarks> none = ReviewMarks::read(kit.path(QStringLiteral("missing.review")));
    ASSERT_TRUE(none.ok());
    EXPECT_TRUE(none->isEmpty());
}

TEST(ReviewMarksTest, DamagedFileNamesFileAndLineAndIsKeptAside)
{
    const struct {
        QByteArray bytes;
        std::string expected;
    } cases[] = {
        {"", "r.review: line 1: not a review file of the kit: the first line must be \"orvanta-kit review 1\""},
        {"orvanta-kit review 2\n", "r.review: line 1: not a review file of the kit: the first line must be "
                                   "\"orvanta-kit review 1\""},
        {"orvanta-kit review 1\n3\treview\n", "r.review: line 2: 2 fields where a line has 3: row number, flags, note"},
        {"orvanta-kit review 1\nx\treview\t\n", "r.review: line 2: \"x\" is no row number"},
        {"orvanta-kit review 1\n0\treview\t\n", "r.review: line 2: \"0\" is no row number"},
        {"orvanta-kit review 1\n3\treview\t\n3\tdone\t\n", "r.review: line 3: row 3 is given twice"},
        {"orvanta-kit review 1\n3\tfuzzy\t\n", "r.review: line 2: unknown mark \"fuzzy\" (the marks are review and done)"},
        {"orvanta-kit review 1\n3\t-\ta\\x\n", "r.review: line 2: a backslash in the note must be followed by \\, n, r or t"},
        {"orvanta-kit review 1\n3\t-\tok\n4\t-\t\xC3(\n", "r.review: line 3: not UTF-8 text"},
    };
    for (const auto &c : cases) {
        Result<ReviewMarks> read = ReviewMarks::fromFile(c.bytes, QStringLiteral("r.review"));
        ASSERT_FALSE(read.ok()) << c.bytes.constData();
        EXPECT_EQ(read.error().text(), c.expected);
    }

    // Kept aside under a free name, its bytes untouched.
    TempKit kit;
    const QString path = kit.path(ReviewMarks::FileName);
    kit.write(ReviewMarks::FileName, "damaged");
    kit.write(ReviewMarks::FileName + QStringLiteral(".damaged"), "older");
    ASSERT_FALSE(ReviewMarks::read(path).ok());
    Result<QString> aside = ReviewMarks::keepAside(path);
    ASSERT_TRUE(aside.ok()) << aside.error().text();
    EXPECT_EQ(*aside, path + QStringLiteral(".damaged-2"));
    EXPECT_EQ(kit.read(ReviewMarks::FileName + QStringLiteral(".damaged-2")), "damaged");
    EXPECT_EQ(kit.read(ReviewMarks::FileName + QStringLiteral(".damaged")), "older");
    EXPECT_FALSE(QFile::exists(path));
}
