#include "TextMigration.h"

#include "texts/EditDistance.h"
#include "texts/TextTable.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <unordered_map>
#include <utility>
#include <vector>

namespace orvanta {

namespace {

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

// The gone sources of the older kit, found by likeness. One edit changes
// at most three of a text's three-byte pieces, so a source within k edits
// of a query shares at least (pieces of either) - 3k pieces with it. The
// pieces each source shares with a query are counted over the query's
// lists of sources by piece, and only the sources that share enough, and
// are near enough in length, have their edit distance worked out.
class SimilarSources {
public:
    explicit SimilarSources(std::vector<QByteArray> sources) : m_sources(std::move(sources))
    {
        m_shapes.reserve(m_sources.size());
        for (std::size_t i = 0; i < m_sources.size(); ++i) {
            const std::vector<std::uint32_t> grams = trigrams(m_sources[i]);
            m_shapes.push_back({int(m_sources[i].size()), int(grams.size())});
            for (std::uint32_t gram : grams)
                m_postings[gram].push_back(int(i));
        }
        m_shared.assign(m_sources.size(), 0);
    }

    // The index of the source most like `text` (first of equals), or -1
    // when none is Similarity alike.
    int best(QByteArrayView text)
    {
        if (text.size() < 6)
            return -1;
        const int maxEdits = allowedEdits(text.size(), text.size() / TextMigration::Similarity, TextMigration::Similarity);
        const std::vector<std::uint32_t> grams = trigrams(text);
        const int pieces = int(grams.size());
        // Every source worth comparing shares at least `fewest` pieces, so
        // it shares one even without the fewest - 1 commonest: those lists,
        // the longest to count, are left out, and each count may fall
        // short by as many. A text of many repeats has too few distinct
        // pieces for that and is compared with every source.
        const int fewest = pieces - 3 * maxEdits;
        std::vector<const std::vector<int> *> lists;
        m_seen.clear();
        if (fewest > 0) {
            for (std::uint32_t gram : grams) {
                const auto it = m_postings.find(gram);
                if (it != m_postings.end())
                    lists.push_back(&it->second);
            }
        } else {
            m_seen.resize(m_sources.size());
            std::iota(m_seen.begin(), m_seen.end(), 0);
        }
        const int skipped = std::clamp(fewest - 1, 0, int(lists.size()));
        std::partial_sort(lists.begin(), lists.begin() + skipped, lists.end(),
                          [](const std::vector<int> *a, const std::vector<int> *b) { return a->size() > b->size(); });
        for (auto list = lists.begin() + skipped; list != lists.end(); ++list) {
            for (int candidate : **list) {
                if (m_shared[std::size_t(candidate)]++ == 0)
                    m_seen.push_back(candidate);
            }
        }
        // The edits allowed against a source, by its length.
        std::vector<int> &edits = m_edits;
        edits.resize(std::size_t(text.size() / TextMigration::Similarity) + 1);
        for (std::size_t length = 0; length < edits.size(); ++length)
            edits[length] = allowedEdits(text.size(), qsizetype(length), TextMigration::Similarity);
        int best = -1;
        double bestSimilarity = TextMigration::Similarity;
        for (int candidate : m_seen) {
            int shared = std::exchange(m_shared[std::size_t(candidate)], 0);
            const Shape shape = m_shapes[std::size_t(candidate)];
            if (std::size_t(shape.length) >= edits.size())
                continue;
            const int allowed = edits[std::size_t(shape.length)];
            const int needed = fewest > 0 ? std::max(pieces, shape.pieces) - 3 * allowed : 0;
            if (std::abs(shape.length - int(text.size())) > allowed || shared + skipped < needed)
                continue;
            // The lists left out are sorted by source: looked up only now.
            for (auto list = lists.begin(); list != lists.begin() + skipped; ++list)
                shared += std::binary_search((*list)->begin(), (*list)->end(), candidate);
            if (shared < needed)
                continue;
            const double similarity
                = TextMigration::similarity(text, m_sources[std::size_t(candidate)], bestSimilarity);
            if (similarity > bestSimilarity || (similarity == bestSimilarity && (best < 0 || candidate < best))) {
                bestSimilarity = similarity;
                best = candidate;
            }
        }
        return best;
    }

private:
    // What the filters ask of a source, kept together and apart from its
    // bytes: most sources are turned down on these alone.
    struct Shape {
        int length;
        int pieces; // distinct
    };

    std::vector<QByteArray> m_sources;
    std::vector<Shape> m_shapes;
    std::unordered_map<std::uint32_t, std::vector<int>> m_postings;
    std::vector<std::uint16_t> m_shared; // pieces each source shares with the query, 0 between queries
    std::vector<int> m_seen;             // the sources the query shares a piece with
    std::vector<int> m_edits;
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

TextMigration::Carried TextMigration::carry(const TextTable &older, const ReviewMarks &olderMarks,
                                             const TextTable &texts, const ReviewMarks &marks, bool replace)
{
    using Reason = ImportReport::Reason;
    Carried carried;
    TextImport::Outcome &outcome = carried.outcome;
    ImportReport &report = outcome.report;

    // For each source of the older kit: the first row that translates it
    // (-1 when none does) and the next of its rows to pair with a row of
    // this kit; `nextSame` chains the rows of one source in order.
    struct Older {
        int translated = -1;
        int next = -1;
    };
    std::vector<int> nextSame(std::size_t(older.rowCount()), -1);
    // Keyed by views of the tables' texts, which outlive this: no copies.
    QHash<QByteArrayView, Older> olderRows;
    olderRows.reserve(older.rowCount());
    {
        QHash<QByteArrayView, int> last;
        last.reserve(older.rowCount());
        for (int row = 0; row < older.rowCount(); ++row) {
            const QByteArrayView source = older.row(row).source;
            Older &entry = olderRows[source];
            if (entry.next < 0)
                entry.next = row;
            else
                nextSame[std::size_t(last.value(source))] = row;
            last.insert(source, row);
            if (entry.translated < 0 && older.isTranslated(row))
                entry.translated = row;
        }
    }
    QHash<QByteArrayView, bool> current;
    current.reserve(texts.rowCount());
    for (int row = 0; row < texts.rowCount(); ++row)
        current.insert(texts.row(row).source, true);
    // Translated sources of the older kit that this kit has no more.
    std::vector<QByteArray> goneSources;
    std::vector<int> goneRows;
    for (auto it = olderRows.cbegin(); it != olderRows.cend(); ++it) {
        if (it.value().translated >= 0 && !current.contains(it.key()))
            goneRows.push_back(it.value().translated);
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
        const auto exact = olderRows.find(text.source);
        int from = exact == olderRows.end() ? -1 : exact->translated;
        // The older row whose mark this row takes.
        int paired = -1;
        if (exact != olderRows.end() && exact->next >= 0) {
            paired = exact->next;
            exact->next = nextSame[std::size_t(paired)];
            carried.moved += paired != row;
        }
        bool forReview = false;
        if (exact == olderRows.end() && !text.source.isEmpty()) {
            const int alike = similar.best(text.source);
            if (alike >= 0) {
                from = paired = goneRows[std::size_t(alike)];
                carriedGone[std::size_t(alike)] = true;
                forReview = true;
                ++carried.changed;
            }
        }
        carried.came += exact == olderRows.end() && !forReview;

        ReviewMarks::Mark mark = paired >= 0 ? olderMarks.mark(paired) : ReviewMarks::Mark();
        if (forReview)
            mark = {.needsReview = true, .done = false, .note = mark.note};
        const bool translatedHere = !replace && texts.isTranslated(row);
        const ReviewMarks::Mark &markNow = marks.mark(row);
        if (!mark.isEmpty() && mark != markNow && !translatedHere && (replace || markNow.isEmpty())) {
            outcome.marks.append({row, mark});
            if (!mark.note.isEmpty())
                report.add(Reason::NoteCarried, rowNumber);
            if (!forReview && (mark.needsReview || mark.done))
                report.add(Reason::MarkCarried, rowNumber);
        } else if (replace && mark.isEmpty() && !markNow.isEmpty()) {
            outcome.marks.append({row, mark});
        }

        if (from < 0) {
            if (replace && texts.isTranslated(row)) {
                report.add(Reason::Cleared, rowNumber);
                report.addChanged();
                outcome.changes.append({row, text.source.toByteArray()});
            }
            // A source the older kit had, untranslated there too, is no new row.
            if (exact == olderRows.end() && (replace || !texts.isTranslated(row)))
                report.add(Reason::NewRow, rowNumber);
            continue;
        }
        const QByteArray translation = older.row(from).translation.toByteArray();
        if (text.translation == translation) {
            report.addUnchanged();
            continue;
        }
        if (translatedHere) {
            report.add(Reason::KeptTranslated, rowNumber);
            continue;
        }
        if (forReview)
            report.add(Reason::CarriedForReview, QStringLiteral("%1 (from %2)").arg(rowNumber).arg(from + 1));
        report.addChanged();
        outcome.changes.append({row, translation});
    }
    for (std::size_t i = 0; i < goneRows.size(); ++i) {
        if (!carriedGone[i])
            report.add(Reason::SourceGone, QString::number(goneRows[i] + 1));
    }
    // Rows of the older kit whose source is gone, untranslated ones too.
    for (int row = 0; row < older.rowCount(); ++row)
        carried.went += !current.contains(older.row(row).source);
    carried.went -= int(std::count(carriedGone.begin(), carriedGone.end(), true));
    return carried;
}

} // namespace orvanta
