#include "TextFilterModel.h"

#include "document/TextTableModel.h"

#include <algorithm>
#include <array>

namespace orvanta {

namespace {

// Between the texts of a cached row, so that a search never matches
// across them: no code page decodes a byte to it.
constexpr char16_t Separator = 0xFFFF;

// The case folding of every UTF-16 code unit, looked up once: folding a
// character through Qt's tables costs more than the search itself.
const std::array<char16_t, 0x10000> &foldingTable()
{
    static const auto table = [] {
        std::array<char16_t, 0x10000> folded{};
        for (char32_t c = 0; c < 0x10000; ++c)
            folded[c] = QChar::isSurrogate(c) ? char16_t(c) : char16_t(QChar::toCaseFolded(c));
        return folded;
    }();
    return table;
}

// Appends `text` case-folded at `out`; returns the end.
QChar *appendFolded(QChar *out, QStringView text)
{
    const std::array<char16_t, 0x10000> &folded = foldingTable();
    for (QChar c : text)
        *out++ = QChar(folded[c.unicode()]);
    return out;
}

QString folded(QStringView text)
{
    QString result(text.size(), Qt::Uninitialized);
    appendFolded(result.data(), text);
    return result;
}

// Whether `text` holds `needle` (not empty): a vectorised scan for its first
// character, then a compare; several times faster than QString::contains on
// texts of a few dozen characters.
bool holds(QStringView text, QStringView needle)
{
    const QChar first = needle.front();
    const QStringView rest = needle.sliced(1);
    const qsizetype last = text.size() - needle.size();
    for (qsizetype i = text.indexOf(first); i >= 0 && i <= last; i = text.indexOf(first, i + 1)) {
        if (text.sliced(i + 1, rest.size()) == rest)
            return true;
    }
    return false;
}

} // namespace

TextFilterModel::TextFilterModel(QObject *parent)
    : QSortFilterProxyModel(parent)
{
    setDynamicSortFilter(false);
}

void TextFilterModel::setReview(const TextReview *review)
{
    m_review = review;
    if (m_filter != TextReview::Filter::All)
        invalidate();
}

void TextFilterModel::setSearchText(const QString &text)
{
    if (text == m_search)
        return;
    m_search = text;
    m_foldedSearch = folded(text);
    invalidate();
}

void TextFilterModel::setRowFilter(TextReview::Filter filter)
{
    if (filter == m_filter)
        return;
    m_filter = filter;
    invalidate();
}

void TextFilterModel::setSourceModel(QAbstractItemModel *model)
{
    for (const QMetaObject::Connection &connection : std::as_const(m_connections))
        disconnect(connection);
    m_connections.clear();
    forgetAll();
    // Connected before the base class connects its own, so the cache is
    // right before any row is filtered again.
    if (model) {
        m_connections = {
            connect(model, &QAbstractItemModel::dataChanged, this, &TextFilterModel::forgetRows),
            connect(model, &QAbstractItemModel::modelAboutToBeReset, this, &TextFilterModel::forgetAll),
            connect(model, &QAbstractItemModel::layoutAboutToBeChanged, this, &TextFilterModel::forgetAll),
            connect(model, &QAbstractItemModel::rowsAboutToBeInserted, this, &TextFilterModel::forgetAll),
            connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this, &TextFilterModel::forgetAll),
            connect(model, &QAbstractItemModel::rowsAboutToBeMoved, this, &TextFilterModel::forgetAll),
        };
    }
    QSortFilterProxyModel::setSourceModel(model);
}

bool TextFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    if (sourceParent.isValid())
        return false;
    if (m_filter == TextReview::Filter::All && m_foldedSearch.isEmpty())
        return true;
    CachedRow &row = cached(sourceRow);
    if (m_filter != TextReview::Filter::All) {
        if (row.record < 0)
            row.record = sourceData(sourceRow, TextTable::Number, TextTableModel::RecordRole).toInt();
        if (!m_review || row.record >= m_review->rowCount() || !m_review->matches(row.record, m_filter))
            return false;
    }
    if (m_foldedSearch.isEmpty())
        return true;
    if (row.folded.isNull()) {
        const QString source = sourceData(sourceRow, TextTable::Source, Qt::DisplayRole).toString();
        const QString translation = sourceData(sourceRow, TextTable::Translation, Qt::DisplayRole).toString();
        const QString note = sourceData(sourceRow, TextTable::Number, TextTableModel::NoteRole).toString();
        row.folded = QString(source.size() + 1 + translation.size() + 1 + note.size(), Qt::Uninitialized);
        QChar *out = appendFolded(row.folded.data(), source);
        *out++ = QChar(Separator);
        out = appendFolded(out, translation);
        *out++ = QChar(Separator);
        appendFolded(out, note);
    }
    return holds(row.folded, m_foldedSearch);
}

TextFilterModel::CachedRow &TextFilterModel::cached(int sourceRow) const
{
    const int count = sourceModel()->rowCount();
    if (int(m_rows.size()) != count) {
        m_rows.clear();
        m_rows.resize(count);
    }
    return m_rows[sourceRow];
}

QVariant TextFilterModel::sourceData(int sourceRow, int column, int role) const
{
    return sourceModel()->index(sourceRow, column).data(role);
}

void TextFilterModel::forgetAll()
{
    m_rows.clear();
}

void TextFilterModel::forgetRows(const QModelIndex &topLeft, const QModelIndex &bottomRight)
{
    for (int r = std::max(topLeft.row(), 0); r <= bottomRight.row() && r < int(m_rows.size()); ++r)
        m_rows[r] = {};
}

} // namespace orvanta
