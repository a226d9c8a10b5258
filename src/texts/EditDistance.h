#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <vector>

namespace orvanta {

// The Levenshtein distance (insertions, deletions and substitutions of one
// character each) between two texts, worked out only as far as it matters:
// in a band of 2 x maxEdits + 1 around the diagonal, stopping once every
// way is past maxEdits. `View` is any sized sequence of comparable
// characters (QByteArrayView for a record's bytes, QStringView for
// Unicode text).
class EditDistance {
public:
    // The distance when it is at most `maxEdits`, else maxEdits + 1.
    template <typename View>
    static int bounded(View a, View b, int maxEdits)
    {
        const auto sizeA = std::ptrdiff_t(a.size()), sizeB = std::ptrdiff_t(b.size());
        const int big = maxEdits + 1;
        if (std::abs(sizeA - sizeB) > maxEdits)
            return big;
        std::vector<int> previous(std::size_t(sizeB + 1), big), current(std::size_t(sizeB + 1), big);
        for (std::ptrdiff_t j = 0; j <= std::min<std::ptrdiff_t>(sizeB, maxEdits); ++j)
            previous[std::size_t(j)] = int(j);
        for (std::ptrdiff_t i = 1; i <= sizeA; ++i) {
            const std::ptrdiff_t from = std::max<std::ptrdiff_t>(1, i - maxEdits);
            const std::ptrdiff_t to = std::min<std::ptrdiff_t>(sizeB, i + maxEdits);
            std::fill(current.begin(), current.end(), big);
            if (i <= maxEdits)
                current[0] = int(i);
            int rowBest = current[0];
            for (std::ptrdiff_t j = from; j <= to; ++j) {
                const int substitute = previous[std::size_t(j - 1)] + (a[i - 1] == b[j - 1] ? 0 : 1);
                const int value = std::min({substitute, previous[std::size_t(j)] + 1, current[std::size_t(j - 1)] + 1});
                current[std::size_t(j)] = std::min(value, big);
                rowBest = std::min(rowBest, current[std::size_t(j)]);
            }
            if (rowBest > maxEdits)
                return big;
            std::swap(previous, current);
        }
        return std::min(previous[std::size_t(sizeB)], big);
    }
};

} // namespace orvanta
