#include "TranslationConsistency.h"

#include "TextTable.h"

#include <QHashFunctions>
#include <QStringList>

#include <algorithm>

namespace orvanta {

namespace {

// The most rows a finding names; the rest are counted.
constexpr std::size_t RowsNamed = 5;

std::size_t sourceHash(const TextTable &table, int row)
{
    return qHash(table.row(row).source);
}

bool counted(const TextTable &table, int row)
{
    const TextTable::Row &text = table.row(row);
    return !TextTable::isFixed(row) && !text.translation.isEmpty() && text.translation != text.source;
}

QString message(const std::vector<int> &named, std::size_t others)
{
    QStringList rows;
    for (int row : named)
        rows.append(QString::number(row + 1));
    // "row 4", "rows 2, 4 and 9", "rows 1, 2, 3, 4, 5 and 7 more"
    const QString last = others > named.size() ? QStringLiteral("%1 more").arg(others - named.size()) : rows.takeLast();
    const QString listed = rows.isEmpty() ? last : rows.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
    return QStringLiteral("the same original is translated otherwise in %1 %2")
        .arg(others == 1 ? QStringLiteral("row") : QStringLiteral("rows"), listed);
}

} // namespace

void TranslationConsistency::index(const TextTable &table)
{
    m_hash.resize(std::size_t(table.rowCount()));
    m_entries.resize(std::size_t(table.rowCount()));
    for (int row = 0; row < table.rowCount(); ++row) {
        m_hash[std::size_t(row)] = sourceHash(table, row);
        m_entries[std::size_t(row)] = {m_hash[std::size_t(row)], row};
    }
    std::sort(m_entries.begin(), m_entries.end());
}

std::vector<int> TranslationConsistency::group(std::size_t hash) const
{
    const auto first = std::lower_bound(m_entries.begin(), m_entries.end(), Entry{hash, -1});
    std::vector<int> rows;
    for (auto it = first; it != m_entries.end() && it->first == hash; ++it)
        rows.push_back(it->second);
    return rows;
}

std::vector<int> TranslationConsistency::update(const TextTable &table, int row)
{
    const std::size_t before = m_hash[std::size_t(row)];
    const std::size_t now = sourceHash(table, row);
    if (now == before)
        return group(now);
    m_entries.erase(std::lower_bound(m_entries.begin(), m_entries.end(), Entry{before, row}));
    m_entries.insert(std::lower_bound(m_entries.begin(), m_entries.end(), Entry{now, row}), Entry{now, row});
    m_hash[std::size_t(row)] = now;
    std::vector<int> rows = group(before);
    const std::vector<int> joined = group(now);
    rows.insert(rows.end(), joined.begin(), joined.end());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void TranslationConsistency::check(const TextTable &table, const std::vector<int> &rows, QList<TextFinding> &findings)
{
    std::vector<int> translated;
    for (int row : rows) {
        if (counted(table, row))
            translated.push_back(row);
    }
    if (translated.size() < 2)
        return;
    // By source, then translation, then record: each source's records in
    // runs of one translation.
    std::sort(translated.begin(), translated.end(), [&table](int a, int b) {
        const TextTable::Row &x = table.row(a), &y = table.row(b);
        if (x.source != y.source)
            return x.source < y.source;
        if (x.translation != y.translation)
            return x.translation < y.translation;
        return a < b;
    });
    std::vector<int> sameSource, named;
    for (std::size_t s = 0; s < translated.size();) {
        const QByteArrayView source = table.row(translated[s]).source;
        std::size_t end = s + 1;
        while (end < translated.size() && table.row(translated[end]).source == source)
            ++end;
        sameSource.assign(translated.begin() + std::ptrdiff_t(s), translated.begin() + std::ptrdiff_t(end));
        std::sort(sameSource.begin(), sameSource.end());
        // One message for every record of one translation: the first rows
        // of the source with another, found by skipping its own.
        for (std::size_t t = s; t < end;) {
            const QByteArrayView translation = table.row(translated[t]).translation;
            std::size_t runEnd = t + 1;
            while (runEnd < end && table.row(translated[runEnd]).translation == translation)
                ++runEnd;
            const std::size_t others = (end - s) - (runEnd - t);
            if (others > 0) {
                named.clear();
                for (std::size_t k = 0; k < sameSource.size() && named.size() < RowsNamed; ++k) {
                    if (table.row(sameSource[k]).translation != translation)
                        named.push_back(sameSource[k]);
                }
                const QString text = message(named, others);
                for (std::size_t k = t; k < runEnd; ++k)
                    findings.append({translated[k], TextChecker::Inconsistent, text});
            }
            t = runEnd;
        }
        s = end;
    }
}

std::vector<int> TranslationConsistency::sameSource(const TextTable &table, int row) const
{
    std::vector<int> rows;
    if (row < 0 || std::size_t(row) >= m_hash.size())
        return rows;
    for (int other : group(m_hash[std::size_t(row)])) {
        if (other != row && table.row(other).source == table.row(row).source)
            rows.push_back(other);
    }
    return rows;
}

QList<TextChange> TranslationConsistency::useTranslationForSameSource(const TextTable &table, int row) const
{
    QList<TextChange> changes;
    if (!counted(table, row))
        return changes;
    for (int other : sameSource(table, row)) {
        if (!TextTable::isFixed(other) && table.row(other).translation != table.row(row).translation)
            changes.append({other, table.row(row).translation.toByteArray()});
    }
    return changes;
}

} // namespace orvanta
