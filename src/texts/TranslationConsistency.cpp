#include "TranslationConsistency.h"

#include "TextTable.h"

#include <QStringList>

#include <algorithm>
#include <functional>
#include <string_view>

namespace orvanta {

namespace {

// The most rows a finding names; the rest are counted.
constexpr std::size_t RowsNamed = 5;

// The standard library's unkeyed hash of the bytes, cheaper than qHash's
// keyed one; a collision costs only a slower sort, never a wrong finding.
std::size_t hashOf(QByteArrayView text)
{
    return std::hash<std::string_view>{}(std::string_view(text.data(), std::size_t(text.size())));
}

std::size_t sourceHash(const TextTable &table, int row)
{
    return hashOf(table.row(row).source);
}

// The hash of a counted record's translation (never 0); 0 for one that is
// not counted.
std::size_t translationHash(const TextTable &table, int row)
{
    return table.isTranslated(row) ? hashOf(table.row(row).translation) | 1 : 0;
}

// Sorts the records from `first` to `last` so that equal translations stand
// together (each run by record), by the hash of each translation (from
// `byRecord`), which `hashes` keeps by position; false (the order
// undefined) when two translations share a hash, which a sort by the bytes
// mends.
bool sortByTranslationHash(const TextTable &table, std::vector<int>::iterator first, std::vector<int>::iterator last,
                           const std::vector<std::size_t> &byRecord, std::vector<std::size_t> &hashes)
{
    std::vector<std::pair<std::size_t, int>> keys;
    for (auto it = first; it != last; ++it)
        keys.push_back({byRecord[std::size_t(*it)], *it});
    std::sort(keys.begin(), keys.end());
    hashes.clear();
    for (std::size_t k = 0; k < keys.size(); ++k) {
        if (k > 0 && keys[k].first == keys[k - 1].first
            && table.row(keys[k].second).translation != table.row(keys[k - 1].second).translation)
            return false;
        first[std::ptrdiff_t(k)] = keys[k].second;
        hashes.push_back(keys[k].first);
    }
    return true;
}

QString message(const std::vector<int> &named, std::size_t others)
{
    QStringList rows;
    for (int row : named)
        rows.append(QString::number(row + 1));
    // "row 4", "rows 2, 4 and 9", "rows 1, 2, 3, 4, 5 and 7 more"
    const int more = int(others - named.size());
    const QString last = more > 0 ? TranslationConsistency::tr("%1 more", nullptr, more).arg(more) : rows.takeLast();
    const QString listed =
        rows.isEmpty() ? last : TranslationConsistency::tr("%1 and %2").arg(rows.join(QStringLiteral(", ")), last);
    if (others == 1)
        return TranslationConsistency::tr("the same original is translated otherwise in row %1").arg(listed);
    return TranslationConsistency::tr("the same original is translated otherwise in rows %1", nullptr, int(others))
        .arg(listed);
}

} // namespace

void TranslationConsistency::index(const TextTable &table)
{
    m_hash.resize(std::size_t(table.rowCount()));
    m_translationHash.resize(std::size_t(table.rowCount()));
    m_entries.resize(std::size_t(table.rowCount()));
    for (int row = 0; row < table.rowCount(); ++row) {
        m_hash[std::size_t(row)] = sourceHash(table, row);
        m_translationHash[std::size_t(row)] = translationHash(table, row);
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
    m_translationHash[std::size_t(row)] = translationHash(table, row);
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

void TranslationConsistency::check(const TextTable &table, const std::vector<int> &rows, QList<TextFinding> &findings) const
{
    std::vector<int> translated;
    for (int row : rows) {
        if (m_translationHash[std::size_t(row)] != 0)
            translated.push_back(row);
    }
    if (translated.size() < 2)
        return;
    // The records come in groups of one source hash, whose sources are the
    // same bytes unless two sources share a hash: such a group is sorted by
    // the hashes of its translations, and only (seldom) by the texts
    // themselves. Each text is read as few times as can be: the records of
    // a group lie far apart in the table.
    std::sort(translated.begin(), translated.end(), [this](int a, int b) {
        return std::pair(m_hash[std::size_t(a)], a) < std::pair(m_hash[std::size_t(b)], b);
    });
    std::vector<std::size_t> hashes;
    for (auto first = translated.begin(); first != translated.end();) {
        const std::size_t hash = m_hash[std::size_t(*first)];
        auto last = first;
        bool oneSource = true;
        for (; last != translated.end() && m_hash[std::size_t(*last)] == hash; ++last)
            oneSource = oneSource && table.row(*last).source == table.row(*first).source;
        if (oneSource && sortByTranslationHash(table, first, last, m_translationHash, hashes)) {
            checkSource(first, last, [&hashes](std::ptrdiff_t a, std::ptrdiff_t b) { return hashes[std::size_t(a)] == hashes[std::size_t(b)]; },
                        findings);
        } else {
            std::sort(first, last, [&table](int a, int b) {
                const TextTable::Row &x = table.row(a), &y = table.row(b);
                if (x.source != y.source)
                    return x.source < y.source;
                if (x.translation != y.translation)
                    return x.translation < y.translation;
                return a < b;
            });
            for (auto from = first; from != last;) {
                auto to = from + 1;
                while (to != last && table.row(*to).source == table.row(*from).source)
                    ++to;
                checkSource(from, to, [&table, from](std::ptrdiff_t a, std::ptrdiff_t b) {
                    return table.row(from[a]).translation == table.row(from[b]).translation;
                }, findings);
                from = to;
            }
        }
        first = last;
    }
}

template <typename SameTranslation>
void TranslationConsistency::checkSource(std::vector<int>::iterator first, std::vector<int>::iterator last,
                                         const SameTranslation &sameTranslation, QList<TextFinding> &findings)
{
    // Which run of one translation each record is in, the records by number.
    const std::ptrdiff_t count = last - first;
    std::vector<std::pair<int, int>> byRecord; // (record, run)
    std::vector<std::ptrdiff_t> runStart{0};
    for (std::ptrdiff_t i = 0; i < count; ++i) {
        if (i > 0 && !sameTranslation(i - 1, i))
            runStart.push_back(i);
        byRecord.push_back({first[i], int(runStart.size()) - 1});
    }
    if (runStart.size() < 2)
        return;
    runStart.push_back(count);
    std::sort(byRecord.begin(), byRecord.end());
    // One message for every record of one translation: the first records
    // of the source with another, found by skipping its own.
    std::vector<int> named;
    for (std::size_t run = 0; run + 1 < runStart.size(); ++run) {
        const std::size_t own = std::size_t(runStart[run + 1] - runStart[run]);
        named.clear();
        for (std::size_t k = 0; k < byRecord.size() && named.size() < RowsNamed; ++k) {
            if (byRecord[k].second != int(run))
                named.push_back(byRecord[k].first);
        }
        const QString text = message(named, std::size_t(count) - own);
        for (std::ptrdiff_t k = runStart[run]; k < runStart[run + 1]; ++k)
            findings.append({first[k], TextChecker::Inconsistent, text});
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
    if (!table.isTranslated(row))
        return changes;
    for (int other : sameSource(table, row)) {
        if (!TextTable::isFixed(other) && table.row(other).translation != table.row(row).translation)
            changes.append({other, table.row(row).translation.toByteArray()});
    }
    return changes;
}

} // namespace orvanta
