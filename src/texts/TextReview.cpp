#include "TextReview.h"

#include "TextTable.h"

#include <algorithm>

namespace orvanta {

TextReview::TextReview(TextChecker checker)
    : m_checker(std::move(checker))
{
}

TextReview::RowReview TextReview::reviewed(const TextTable &table, int index) const
{
    const TextTable::Row &row = table.row(index);
    RowReview review;
    const ReviewMarks::Mark &mark = m_marks ? m_marks->mark(index) : ReviewMarks::Mark::none();
    review.translated = TextTable::isTranslation(row.source, row.translation) || mark.done;
    if (TextTable::isFixed(index))
        review.state = State::Fixed;
    else if (mark.needsReview)
        review.state = State::NeedsReview;
    else
        review.state = review.translated ? State::Translated : State::Untranslated;
    m_checker.check(index, row.source, row.translation, review.findings);
    review.faults = int(std::count_if(review.findings.cbegin(), review.findings.cend(),
                                      [](const TextFinding &f) { return TextChecker::isFault(f.check); }));
    return review;
}

void TextReview::count(const RowReview &row, int sign)
{
    m_progress.warnings += sign * row.faults;
    m_progress.wider += sign * (int(row.findings.size()) - row.faults);
    if (row.state == State::Fixed)
        return;
    m_progress.texts += sign;
    m_progress.translated += sign * int(row.translated);
    m_progress.toReview += sign * int(row.state == State::NeedsReview);
}

void TextReview::reviewAll(const TextTable &table)
{
    m_rows.clear();
    m_rows.reserve(table.rowCount());
    m_progress = {};
    for (int i = 0; i < table.rowCount(); ++i) {
        m_rows.push_back(reviewed(table, i));
        count(m_rows.back(), +1);
    }
    m_consistency.index(table);
    m_consistency.forEachGroup([&](const std::vector<int> &rows) { checkConsistency(table, rows); });
}

void TextReview::reviewRows(const TextTable &table, int firstRow, int lastRow)
{
    if (table.rowCount() != rowCount()) {
        reviewAll(table);
        return;
    }
    firstRow = std::max(firstRow, 0);
    lastRow = std::min(lastRow, rowCount() - 1);
    std::vector<int> touched;
    for (int index = firstRow; index <= lastRow; ++index) {
        count(m_rows[index], -1);
        m_rows[index] = reviewed(table, index);
        count(m_rows[index], +1);
        const std::vector<int> group = m_consistency.update(table, index);
        touched.insert(touched.end(), group.begin(), group.end());
    }
    if (firstRow != lastRow) {
        std::sort(touched.begin(), touched.end());
        touched.erase(std::unique(touched.begin(), touched.end()), touched.end());
    }
    checkConsistency(table, touched);
}

void TextReview::checkConsistency(const TextTable &table, const std::vector<int> &rows)
{
    if (rows.size() < 2) // a record alone in its group was just reviewed afresh
        return;
    for (int row : rows) {
        RowReview &review = m_rows[std::size_t(row)];
        if (!review.findings.isEmpty() && review.findings.back().check == TextChecker::Inconsistent) {
            review.findings.removeLast();
            --review.faults;
            --m_progress.warnings;
        }
    }
    QList<TextFinding> found;
    m_consistency.check(table, rows, found);
    for (TextFinding &finding : found) {
        RowReview &review = m_rows[std::size_t(finding.index)];
        review.findings.append(std::move(finding));
        ++review.faults;
        ++m_progress.warnings;
    }
}

bool TextReview::matches(int index, Filter filter) const
{
    switch (filter) {
    case Filter::All: return true;
    case Filter::Untranslated: return state(index) == State::Untranslated;
    case Filter::Translated: return state(index) == State::Translated;
    case Filter::NeedsReview: return state(index) == State::NeedsReview;
    case Filter::WithWarnings: return hasWarnings(index);
    case Filter::Wider: return isWider(index);
    case Filter::WithNotes: return m_marks && !m_marks->note(index).isEmpty();
    case Filter::Fixed: return state(index) == State::Fixed;
    }
    return true;
}

QList<TextFinding> TextReview::allFindings() const
{
    QList<TextFinding> all;
    all.reserve(m_progress.warnings + m_progress.wider);
    for (const RowReview &row : m_rows)
        all.append(row.findings);
    return all;
}

} // namespace orvanta
