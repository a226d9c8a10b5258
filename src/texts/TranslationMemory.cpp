#include "TranslationMemory.h"

#include "EditDistance.h"

#include <QSet>

#include <algorithm>
#include <array>
#include <utility>

namespace orvanta {

namespace {

// The bucket of the pair of characters at `i` and `i + 1`.
int bucketAt(QStringView text, qsizetype i)
{
    const std::uint32_t pair = std::uint32_t(text[i].unicode()) << 16 | text[i + 1].unicode();
    return int((pair * 2654435761u) >> 16); // Fibonacci hashing: the high 16 bits
}

// The buckets of `text`'s pairs with how often each stands there, by bucket.
std::vector<std::pair<int, int>> bucketsOf(QStringView text)
{
    std::vector<int> buckets;
    for (qsizetype i = 0; i + 1 < text.size(); ++i)
        buckets.push_back(bucketAt(text, i));
    std::sort(buckets.begin(), buckets.end());
    std::vector<std::pair<int, int>> counted;
    for (int bucket : buckets) {
        if (!counted.empty() && counted.back().first == bucket)
            ++counted.back().second;
        else
            counted.push_back({bucket, 1});
    }
    return counted;
}

// The most edits at which texts whose longer one has `longer` characters
// are alike enough (TranslationMemory::leastPercent).
int allowedEdits(qsizetype longer)
{
    return int(longer * (100 - TranslationMemory::leastPercent(longer)) / 100);
}

int percentOf(qsizetype longer, qsizetype distance)
{
    return longer == 0 ? 100 : int((longer - distance) * 100 / longer);
}

} // namespace

TranslationMemory::TranslationMemory(QList<Entry> entries)
    : m_entries(std::move(entries))
{
    m_byLength.resize(std::size_t(m_entries.size()));
    for (int i = 0; i < int(m_entries.size()); ++i)
        m_byLength[std::size_t(i)] = i;
    std::stable_sort(m_byLength.begin(), m_byLength.end(),
                     [this](int a, int b) { return m_entries[a].source.size() < m_entries[b].source.size(); });
    const qsizetype longest = m_byLength.empty() ? 0 : m_entries[m_byLength.back()].source.size();
    m_lengthStart.assign(std::size_t(longest + 2), int(m_byLength.size()));
    for (int position = int(m_byLength.size()) - 1; position >= 0; --position)
        m_lengthStart[std::size_t(m_entries[m_byLength[std::size_t(position)]].source.size())] = position;
    for (qsizetype length = longest; length >= 0; --length)
        m_lengthStart[std::size_t(length)] =
            std::min(m_lengthStart[std::size_t(length)], m_lengthStart[std::size_t(length + 1)]);

    // Counted first, then filled in place: one block for every posting.
    // Each source's buckets are worked out twice rather than kept between
    // the passes, which would hold the postings twice over.
    m_bucketStart.assign(Buckets + 1, 0);
    for (std::size_t position = 0; position < m_byLength.size(); ++position) {
        for (const auto &[bucket, count] : bucketsOf(m_entries[m_byLength[position]].source))
            ++m_bucketStart[std::size_t(bucket) + 1];
    }
    for (int b = 0; b < Buckets; ++b)
        m_bucketStart[std::size_t(b) + 1] += m_bucketStart[std::size_t(b)];
    m_postings.resize(std::size_t(m_bucketStart.back()));
    std::vector<int> next(m_bucketStart.begin(), m_bucketStart.end() - 1);
    for (std::size_t position = 0; position < m_byLength.size(); ++position) {
        for (const auto &[bucket, count] : bucketsOf(m_entries[m_byLength[position]].source))
            m_postings[std::size_t(next[std::size_t(bucket)]++)] = {int(position), count};
    }
}

void TranslationMemory::setTranslation(int index, const QString &translation)
{
    m_entries[index].translation = translation;
}

int TranslationMemory::leastPercent(qsizetype longer)
{
    if (longer >= FullFloorLength)
        return LeastPercent;
    return 100 - int(longer * (100 - LeastPercent) / FullFloorLength);
}

int TranslationMemory::percent(QStringView a, QStringView b)
{
    const qsizetype longer = std::max(a.size(), b.size());
    return percentOf(longer, EditDistance::bounded(a, b, allowedEdits(longer)));
}

std::vector<TranslationMemory::Match> TranslationMemory::find(QStringView text, int except, int most) const
{
    std::vector<Match> matches;
    const qsizetype length = text.size();
    const qsizetype longestKept = qsizetype(m_lengthStart.size()) - 2;
    // Lengths at least LeastPercent of each other: 4 x shorter >= 3 x longer.
    const qsizetype shortest = (3 * length + 3) / 4, longest = std::min(longestKept, 4 * length / 3);
    if (shortest > longest)
        return matches;
    const int low = m_lengthStart[std::size_t(shortest)], high = m_lengthStart[std::size_t(longest + 1)];

    // The candidates with the best percent each can reach.
    struct Candidate {
        int position;
        int bound;
    };
    std::vector<Candidate> candidates;
    if (length < 2) {
        // No pairs to count: only identical texts are alike enough.
        for (int position = low; position < high; ++position)
            candidates.push_back({position, 100});
    } else {
        std::vector<int> shared(std::size_t(high - low), 0);
        std::vector<int> touched;
        for (const auto &[bucket, count] : bucketsOf(text)) {
            const auto first = m_postings.begin() + m_bucketStart[std::size_t(bucket)];
            const auto last = m_postings.begin() + m_bucketStart[std::size_t(bucket) + 1];
            auto from = std::lower_bound(first, last, low,
                                         [](const Posting &p, int position) { return p.position < position; });
            for (; from != last && from->position < high; ++from) {
                int &n = shared[std::size_t(from->position - low)];
                if (n == 0)
                    touched.push_back(from->position);
                n += std::min(count, from->count);
            }
        }
        for (int position : touched) {
            const qsizetype size = m_entries[m_byLength[std::size_t(position)]].source.size();
            const qsizetype longer = std::max(length, size);
            const int sharedPairs = shared[std::size_t(position - low)];
            if (sharedPairs < longer - 1 - 2 * allowedEdits(longer))
                continue;
            // Each edit costs at most two pairs, and a length apart costs one edit each.
            const qsizetype fewestEdits = std::max<qsizetype>(std::abs(length - size), (longer - sharedPairs) / 2);
            candidates.push_back({position, percentOf(longer, fewestEdits)});
        }
    }
    std::sort(candidates.begin(), candidates.end(), [this](const Candidate &a, const Candidate &b) {
        return a.bound != b.bound ? a.bound > b.bound : m_byLength[std::size_t(a.position)] < m_byLength[std::size_t(b.position)];
    });

    // How many matches are kept at each percent, to know the worst that
    // still counts once `most` are kept.
    std::array<int, 101> atPercent{};
    int kept = 0;
    const auto worstKept = [&atPercent, most] {
        int n = 0;
        for (int p = 100; p >= 0; --p)
            if ((n += atPercent[std::size_t(p)]) >= most)
                return p;
        return 0;
    };
    QSet<std::pair<QStringView, QStringView>> seen;
    for (const Candidate &candidate : candidates) {
        if (most > 0 && kept >= most && candidate.bound < worstKept())
            break;
        const int index = m_byLength[std::size_t(candidate.position)];
        const Entry &entry = m_entries[index];
        if (index == except || entry.translation.isEmpty())
            continue;
        const qsizetype longer = std::max(length, entry.source.size());
        const int distance = EditDistance::bounded(text, QStringView(entry.source), allowedEdits(longer));
        if (distance > allowedEdits(longer))
            continue;
        const int percent = percentOf(longer, distance) - (entry.fuzzy ? FuzzyPenalty : 0);
        if (percent < leastPercent(longer))
            continue;
        const std::pair<QStringView, QStringView> texts{entry.source, entry.translation};
        if (seen.contains(texts))
            continue;
        seen.insert(texts);
        matches.push_back({index, percent});
        ++atPercent[std::size_t(percent)];
        ++kept;
    }
    std::sort(matches.begin(), matches.end(), [](const Match &a, const Match &b) {
        return a.percent != b.percent ? a.percent > b.percent : a.entry < b.entry;
    });
    if (most > 0 && int(matches.size()) > most)
        matches.resize(std::size_t(most));
    return matches;
}

} // namespace orvanta
