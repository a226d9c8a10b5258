#pragma once

#include "ReviewMarks.h"
#include "TextChecker.h"
#include "TranslationConsistency.h"

#include <QList>

#include <vector>

namespace orvanta {

class TextTable;

// Where the translation stands, row by row: each record's state and check
// findings, and the totals the Texts page shows, all kept up to date one
// row at a time so that typing in a cell costs one row's checks, not the
// table's. The review does not watch the table: call reviewAll() after a
// load or a change of code page (messages quote decoded text), reviewRow()
// after a record's texts or review mark changed. The `inconsistent` check
// looks across rows: a record's review re-checks it for the records that
// share (or shared) its source as well.
//
// A row's state comes from its bytes and the translator's review marks
// (setMarks): a row marked needs review is NeedsReview whatever its bytes;
// a translation equal to its source, or one that is empty or only spaces
// where the source is not (every letter refused by the code page), is
// Untranslated unless marked done as it is. Warnings are apart from the state: a row of any state may have
// them. A `wider` finding (TextChecker::isFault) is no fault of the text: it
// is counted apart from the warnings, and filtered apart.
class TextReview {
public:
    // A row's state, from its bytes alone. Fixed records are always Fixed,
    // whatever their translation holds.
    enum class State : unsigned char { Untranslated, Translated, NeedsReview, Fixed };

    // The rows a grid filter shows. Untranslated, Translated and NeedsReview
    // leave the fixed records out, as the progress does; WithNotes shows the
    // rows whose mark has a note; WithWarnings the rows with a fault,
    // Wider those drawn wider than their original.
    enum class Filter { All, Untranslated, Translated, NeedsReview, WithWarnings, Wider, WithNotes, Fixed };

    struct Progress {
        int translated = 0; // records other than the fixed ones that have a translation (needing review or not)
        int texts = 0;      // records other than the fixed ones
        int warnings = 0;   // findings over all records but `wider`
        int toReview = 0;   // records other than the fixed ones marked needs review
        int wider = 0;      // `wider` findings (one a record at most)

        // Whole percent, rounded down: 100 only when every text is done.
        int percent() const { return texts == 0 ? 0 : int(qint64(translated) * 100 / texts); }
        bool operator==(const Progress &) const = default;
    };

    explicit TextReview(TextChecker checker = TextChecker());

    // The marks that decide NeedsReview and "done as it is"; not owned, and
    // kept up to date by its owner, who reviews the rows whose mark changed.
    // Without them no row needs review.
    void setMarks(const ReviewMarks *marks) { m_marks = marks; }

    void reviewAll(const TextTable &table);
    // Re-checks record `index`; a table whose row count differs from the
    // last review's is reviewed whole.
    void reviewRow(const TextTable &table, int index) { reviewRows(table, index, index); }
    // Re-checks records firstRow..lastRow, each group of one source once.
    void reviewRows(const TextTable &table, int firstRow, int lastRow);

    int rowCount() const { return int(m_rows.size()); }
    State state(int index) const { return m_rows[index].state; }
    const QList<TextFinding> &findings(int index) const { return m_rows[index].findings; }
    // Whether record `index` has a finding that is a fault; one drawn wider.
    bool hasWarnings(int index) const { return m_rows[index].faults > 0; }
    bool isWider(int index) const { return int(m_rows[index].findings.size()) > m_rows[index].faults; }
    bool matches(int index, Filter filter) const;

    // Every finding (`wider` too), in row order, as the checks list and
    // kvtool show them.
    QList<TextFinding> allFindings() const;

    Progress progress() const { return m_progress; }

    // The records grouped by source, as the last review saw them.
    const TranslationConsistency &consistency() const { return m_consistency; }

private:
    struct RowReview {
        State state = State::Untranslated;
        bool translated = false; // has a translation: it differs from the source, or is done as it is
        QList<TextFinding> findings;
        int faults = 0; // findings other than `wider`
    };

    RowReview reviewed(const TextTable &table, int index) const;
    void count(const RowReview &row, int sign);
    // Replaces the `inconsistent` findings of `rows` (whole groups).
    void checkConsistency(const TextTable &table, const std::vector<int> &rows);

    TextChecker m_checker;
    const ReviewMarks *m_marks = nullptr;
    std::vector<RowReview> m_rows;
    Progress m_progress;
    TranslationConsistency m_consistency;
};

} // namespace orvanta
