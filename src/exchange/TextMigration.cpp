#include "TextMigration.h"

#include "texts/EditDistance.h"
#include "texts/TextTable.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace orvanta {

namespace {

// A row of the older kit whose translation may be carried.
bool translated(const TextTable &table, int row)
{
    const TextTable::Row &text = table.row(row);
    return !TextTable::isFixed(row) && !text.translation.isEmpty() && text.translation != text.source;
}

// The edits two texts of lengths `a` and `b` may differ by and still be
// `atLeast` alike.
int allowedEdits(qsizetype a, qsizetype b, double atLeast)
{
    return int(std::floor(double(std::max(a, b)) * (1.0 - atLeast) + 1e-9));
}

// The distinct three-byte pieces of `text`, sorted.
std::vector<std::uint32_t> trigrams(QByteArrayView text)
{
    std::vector<std::uint32_t> grams;
    for (qsizetype i = 0; i + 3 <= text.size(); ++i)
        grams.push_back(std::uint32_t(std::uint8_t(text[i])) << 16 | std::uint32_t(std::uint8_t(text[i + 1])) << 8
                        | std::uint8_t(text[i + 2]));
    std::sort(grams.begin(), grams.end());
    grams.erase(std::unique(grams.begin(), grams.end()), grams.end());
    return grams;
}

qsizetype shared(const std::vector<std::uint32_t> &a, const std::vector<std::uint32_t> &b)
{
    qsizetype count = 0;
    for (auto i = a.begin(), j = b.begin(); i != a.end() && j != b.end();) {
        if (*i < *j)
            ++i;
        else if (*j < *i)
            ++j;
        else
            ++count, ++i, ++j;
    }
    return count;
}

// The gone sources of the older kit, found by likeness. Only pieces rare
// among them are looked up: a text within k edits of a query misses at
// most 3k of the query's distinct pieces, so it shares one of the query's
// 3k + 1 rarest, and the others need not be followed.
class SimilarSources {
public:
    explicit SimilarSources(std::vector<QByteArray> sources) : m_sources(std::move(sources))
    {
        m_grams.reserve(m_sources.size());
        for (std::size_t i = 0; i < m_sources.size(); ++i) {
            m_grams.push_back(trigrams(m_sources[i]));
            for (std::uint32_t gram : m_grams.back())
                m_postings[gram].push_back(int(i));
        }
        m_stamp.assign(m_sources.size(), -1);
    }

    // The index of the source most like `text` (first of equals), or -1
    // when none is Similarity alike.
    int best(QByteArrayView text, int query)
    {
        const int maxEdits = allowedEdits(text.size(), text.size() / TextMigration::Similarity, TextMigration::Similarity);
        std::vector<std::uint32_t> grams = trigrams(text);
        const qsizetype probes = qsizetype(3) * maxEdits + 1;
        if (text.size() < 6 || qsizetype(grams.size()) < probes)
            return -1;
        const auto frequency = [this](std::uint32_t gram) {
            const auto it = m_postings.find(gram);
            return it == m_postings.end() ? std::size_t(0) : it->second.size();
        };
        std::partial_sort(grams.begin(), grams.begin() + probes, grams.end(),
                          [&](std::uint32_t a, std::uint32_t b) { return frequency(a) < frequency(b); });
        const std::vector<std::uint32_t> sorted = trigrams(text);
        int best = -1;
        double bestSimilarity = TextMigration::Similarity;
        for (qsizetype p = 0; p < probes; ++p) {
            const auto it = m_postings.find(grams[std::size_t(p)]);
            if (it == m_postings.end())
                continue;
            for (int candidate : it->second) {
                if (m_stamp[std::size_t(candidate)] == query)
                    continue;
                m_stamp[std::size_t(candidate)] = query;
                const QByteArray &source = m_sources[std::size_t(candidate)];
                const int edits = allowedEdits(text.size(), source.size(), TextMigration::Similarity);
                if (std::abs(source.size() - text.size()) > edits
                    || shared(sorted, m_grams[std::size_t(candidate)]) < qsizetype(sorted.size()) - 3 * edits)
                    continue;
                const double similarity = TextMigration::similarity(text, source, bestSimilarity);
                if (similarity > bestSimilarity || (similarity == bestSimilarity && (best < 0 || candidate < best))) {
                    bestSimilarity = similarity;
                    best = candidate;
                }
            }
        }
        return best;
    }

private:
    std::vector<QByteArray> m_sources;
    std::vector<std::vector<std::uint32_t>> m_grams;
    std::unordered_map<std::uint32_t, std::vector<int>> m_postings;
    std::vector<int> m_stamp; // the query that last saw each source
};

} // namespace

double TextMigration::similarity(QByteArrayView a, QByteArrayView b, double atLeast)
{
    const qsizetype longer = std::max(a.size(), b.size());
    if (longer == 0)
        return 1.0;
    const int edits = allowedEdits(a.size(), b.size(), atLeast);
    const int distance = EditDistance::bounded(a, b, edits);
    return distance > edits ? 0.0 : 1.0 - double(distance) / double(longer);
}

TextImport::Outcome TextMigration::compute(const TextTable &older, const TextTable &texts)
{
    using Reason = ImportReport::Reason;
    TextImport::Outcome outcome;
    ImportReport &report = outcome.report;

    // The first translation of each translated source of the older kit,
    // and every source it has (-1 for the untranslated ones).
    QHash<QByteArray, int> olderRows;
    olderRows.reserve(older.rowCount());
    for (int row = 0; row < older.rowCount(); ++row) {
        const QByteArray source = older.row(row).source.toByteArray();
        const auto it = olderRows.find(source);
        if (it == olderRows.end())
            olderRows.insert(source, translated(older, row) ? row : -1);
        else if (*it < 0 && translated(older, row))
            *it = row;
    }
    QHash<QByteArray, bool> current;
    current.reserve(texts.rowCount());
    for (int row = 0; row < texts.rowCount(); ++row)
        current.insert(texts.row(row).source.toByteArray(), true);
    // Translated sources of the older kit that this kit has no more.
    std::vector<QByteArray> goneSources;
    std::vector<int> goneRows;
    for (auto it = olderRows.cbegin(); it != olderRows.cend(); ++it) {
        if (it.value() >= 0 && !current.contains(it.key()))
            goneRows.push_back(it.value());
    }
    std::sort(goneRows.begin(), goneRows.end());
    for (int row : goneRows)
        goneSources.push_back(older.row(row).source.toByteArray());
    SimilarSources similar(goneSources);
    std::vector<bool> carriedGone(goneRows.size(), false);

    for (int row = 0; row < texts.rowCount(); ++row) {
        if (TextTable::isFixed(row))
            continue;
        const TextTable::Row &text = texts.row(row);
        const QString rowNumber = QString::number(row + 1);
        const auto exact = olderRows.constFind(text.source.toByteArray());
        int from = exact == olderRows.cend() ? -1 : *exact;
        bool forReview = false;
        if (exact == olderRows.cend() && !text.source.isEmpty()) {
            const int alike = similar.best(text.source, row);
            if (alike >= 0) {
                from = goneRows[std::size_t(alike)];
                carriedGone[std::size_t(alike)] = true;
                forReview = true;
            }
        }
        if (from < 0) {
            // A source the older kit had, untranslated there too, is no new row.
            if (exact == olderRows.cend() && text.translation == text.source)
                report.add(Reason::NewRow, rowNumber);
            continue;
        }
        const QByteArray translation = older.row(from).translation.toByteArray();
        if (text.translation == translation) {
            report.addUnchanged();
            continue;
        }
        if (text.translation != text.source && !text.translation.isEmpty()) {
            report.add(Reason::KeptTranslated, rowNumber);
            continue;
        }
        if (forReview)
            report.add(Reason::CarriedForReview, QStringLiteral("%1 (from %2)").arg(rowNumber).arg(from + 1));
        report.addChanged();
        outcome.changes.append({row, translation});
        if (forReview)
            outcome.marks.append({row, ReviewMarks::Mark{.needsReview = true}});
    }
    for (std::size_t i = 0; i < goneRows.size(); ++i) {
        if (!carriedGone[i])
            report.add(Reason::SourceGone, QString::number(goneRows[i] + 1));
    }
    return outcome;
}

} // namespace orvanta
