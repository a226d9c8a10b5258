#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <map>

namespace orvanta {

// The translator's own state of each row, beside the texts and never in
// "lang.dat" (the game reads that): a "needs review" mark, a note for the
// reviewer, and "done as it is" for a translation deliberately equal to its
// source (a name, "OK"), so that row counts as translated.
//
// Rows are record indexes from 0; the file carries row numbers from 1.
// The file "orvanta-kit.review" in the kit folder is UTF-8 text:
//
//   orvanta-kit review 1
//   ROWNUMBER<TAB>FLAGS<TAB>NOTE
//
// one line per row that has anything, in row order. FLAGS is "-" or a
// comma-separated list of "review" and "done"; NOTE is the note with
// backslash, newline, carriage return and tab written as \\ \n \r \t.
// Lines may end in CRLF. Anything else (another first line, a row number
// that is no number, 0 or given twice, an unknown flag or escape, bytes that
// are not UTF-8) makes the whole file unreadable, with the line named: the
// kit then keeps it aside (keepAside) instead of writing over it.
class ReviewMarks {
public:
    static const QString FileName;
    // The file a save replaced, kept beside "lang.dat.bak" (the kit saves
    // the two together: KitCompiler).
    static const QString BackupName;

    struct Mark {
        bool needsReview = false;
        bool done = false;
        QString note;

        bool isEmpty() const { return !needsReview && !done && note.isEmpty(); }
        // The mark of a row without one.
        static const Mark &none();
        bool operator==(const Mark &) const = default;
    };

    // Row `row`'s new mark: what an import computes and an undo puts back.
    struct Change {
        int row;
        Mark mark;
    };

    // Row `row`'s mark; an empty mark for a row without one.
    const Mark &mark(int row) const;
    bool needsReview(int row) const { return mark(row).needsReview; }
    bool isDone(int row) const { return mark(row).done; }
    const QString &note(int row) const { return mark(row).note; }

    // Sets row `row`'s mark; an empty mark removes it.
    void setMark(int row, const Mark &mark);

    // The rows that have a mark, in order.
    QList<int> rows() const;
    bool isEmpty() const { return m_marks.empty(); }
    // How many rows need review.
    int needsReviewCount() const { return m_reviewCount; }

    // The file's bytes, as above.
    QByteArray toFile() const;
    // Reads the file's bytes; `fileName` is only for errors.
    static Result<ReviewMarks> fromFile(const QByteArray &bytes, const QString &fileName);

    // Reads `path`; a file that does not exist is no marks at all.
    static Result<ReviewMarks> read(const QString &path);

    // Renames an unreadable `path` to a free name beside it
    // ("orvanta-kit.review.damaged", then ".damaged-2"...), so the next save
    // does not write over what the translator may mend. Returns the new path.
    static Result<QString> keepAside(const QString &path);

private:
    std::map<int, Mark> m_marks;
    int m_reviewCount = 0;
};

} // namespace orvanta
