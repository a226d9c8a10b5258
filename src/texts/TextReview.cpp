#include "TextReview.h"

#include "TextTable.h"

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
    review.translated = row.translation != row.source || mark.done;
    if (TextTable::isFixed(index))
        review.state = State::Fixed;
    else if (mark.needsReview)
        review.state = State::NeedsReview;
    else
        review.state = review.translated ? State::Translated : State::Untranslated;
    m_checker.check(index, row.source, row.translation, review.findings);
    return review;
}

void TextReview::count(const RowReview &row, int sign)
{
    m_progress.warnings += sign * int(row.findings.size());
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
}

void TextReview::reviewRow(const TextTable &table, int index)
{
    if (table.rowCount() != rowCount()) {
        reviewAll(table);
        return;
    }
    if (index < 0 || index >= rowCount())
        return;
    count(m_rows[index], -1);
    m_rows[index] = reviewed(table, index);
    count(m_rows[index], +1);
}

bool TextReview::matches(int index, Filter filter) const
{
    switch (filter) {
    case Filter::All: return true;
    case Filter::Untranslated: return state(index) == State::Untranslated;
    case Filter::Translated: return state(index) == State::Translated;
    case Filter::NeedsReview: return state(index) == State::NeedsReview;
    case Filter::WithWarnings: return hasWarnings(index);
    case Filter::Fixed: return state(index) == State::Fixed;
    }
    return true;
}

QList<TextFinding> TextReview::allFindings() const
{
    QList<TextFinding> all;
    all.reserve(m_progress.warnings);
    for (const RowReview &row : m_rows)
        all.append(row.findings);
    return all;
}

} // namespace orvanta
