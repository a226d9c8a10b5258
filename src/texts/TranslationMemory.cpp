#include "TranslationMemory.h"

#include "EditDistance.h"

#include <algorithm>
#include <utility>

namespace orvanta {

namespace {

std::uint32_t pairAt(QStringView text, qsizetype i)
{
    return std::uint32_t(text[i].unicode()) << 16 | text[i + 1].unicode();
}

// The character pairs of `text` with how often each stands there.
std::vector<std::pair<std::uint32_t, int>> pairsOf(QStringView text)
{
    std::vector<std::uint32_t> pairs;
    for (qsizetype i = 0; i + 1 < text.size(); ++i)
        pairs.push_back(pairAt(text, i));
    std::sort(pairs.begin(), pairs.end());
    std::vector<std::pair<std::uint32_t, int>> counted;
    for (std::uint32_t pair : pairs) {
        if (!counted.empty() && counted.back().first == pair)
            ++counted.back().second;
        else
            counted.push_back({pair, 1});
    }
    return counted;
}

// The most edits at which texts whose longer one has `longer` characters
// are LeastPercent alike.
int allowedEdits(qsizetype longer)
{
    return int(longer * (100 - TranslationMemory::LeastPercent) / 100);
}

int percentOf(qsizetype longer, int distance)
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
    for (int position = 0; position < int(m_byLength.size()); ++position) {
        for (const auto &[pair, count] : pairsOf(m_entries[m_byLength[std::size_t(position)]].source))
            m_pairs[pair].push_back({position, count});
    }
}

void TranslationMemory::setTranslation(int index, const QString &translation)
{
    m_entries[index].translation = translation;
}

int TranslationMemory::percent(QStringView a, QStringView b)
{
    const qsizetype longer = std::max(a.size(), b.size());
    return percentOf(longer, EditDistance::bounded(a, b, allowedEdits(longer)));
}

std::vector<TranslationMemory::Match> TranslationMemory::find(QStringView text, int except) const
{
    std::vector<Match> matches;
    const qsizetype length = text.size();
    const qsizetype longestKept = qsizetype(m_lengthStart.size()) - 2;
    // Lengths at least LeastPercent of each other: 4 x shorter >= 3 x longer.
    const qsizetype shortest = (3 * length + 3) / 4, longest = std::min(longestKept, 4 * length / 3);
    if (shortest > longest)
        return matches;
    const int low = m_lengthStart[std::size_t(shortest)], high = m_lengthStart[std::size_t(longest + 1)];

    const auto consider = [&](int position) {
        const int index = m_byLength[std::size_t(position)];
        const Entry &entry = m_entries[index];
        if (index == except || entry.translation.isEmpty())
            return;
        const qsizetype longer = std::max(length, entry.source.size());
        const int distance = EditDistance::bounded(text, QStringView(entry.source), allowedEdits(longer));
        if (distance <= allowedEdits(longer))
            matches.push_back({index, percentOf(longer, distance)});
    };
    if (length < 2) {
        // No pairs to count: only identical texts are alike enough.
        for (int position = low; position < high; ++position)
            consider(position);
    } else {
        std::vector<int> shared(std::size_t(high - low), 0);
        std::vector<int> touched;
        for (const auto &[pair, count] : pairsOf(text)) {
            const auto it = m_pairs.find(pair);
            if (it == m_pairs.end())
                continue;
            const std::vector<Posting> &postings = it->second;
            auto from = std::lower_bound(postings.begin(), postings.end(), low,
                                         [](const Posting &p, int position) { return p.position < position; });
            for (; from != postings.end() && from->position < high; ++from) {
                int &n = shared[std::size_t(from->position - low)];
                if (n == 0)
                    touched.push_back(from->position);
                n += std::min(count, from->count);
            }
        }
        std::sort(touched.begin(), touched.end());
        for (int position : touched) {
            const qsizetype longer = std::max(length, m_entries[m_byLength[std::size_t(position)]].source.size());
            if (shared[std::size_t(position - low)] >= longer - 1 - 2 * allowedEdits(longer))
                consider(position);
        }
    }
    std::sort(matches.begin(), matches.end(), [](const Match &a, const Match &b) {
        return a.percent != b.percent ? a.percent > b.percent : a.entry < b.entry;
    });
    return matches;
}

} // namespace orvanta
