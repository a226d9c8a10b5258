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
        // Two rows, kept between calls: a migration asks this millions of
        // times. A cell right of a row's band is never written before that
        // row reads it (the bands move right), so it still holds `big`.
        thread_local std::vector<int> rows;
        rows.assign(2 * std::size_t(sizeB + 1), big);
        int *previous = rows.data();
        int *current = previous + sizeB + 1;
        for (std::ptrdiff_t j = 0; j <= std::min<std::ptrdiff_t>(sizeB, maxEdits); ++j)
            previous[j] = int(j);
        for (std::ptrdiff_t i = 1; i <= sizeA; ++i) {
            const std::ptrdiff_t from = std::max<std::ptrdiff_t>(1, i - maxEdits);
            const std::ptrdiff_t to = std::min<std::ptrdiff_t>(sizeB, i + maxEdits);
            // The cell left of the band: the first column while in reach,
            // else past the bound (it may hold a value of two rows before).
            current[from - 1] = from == 1 && i <= maxEdits ? int(i) : big;
            int rowBest = current[from - 1];
            for (std::ptrdiff_t j = from; j <= to; ++j) {
                const int substitute = previous[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
                const int value = std::min({substitute, previous[j] + 1, current[j - 1] + 1, big});
                current[j] = value;
                rowBest = std::min(rowBest, value);
            }
            if (rowBest > maxEdits)
                return big;
            std::swap(previous, current);
        }
        return std::min(previous[sizeB], big);
    }
};

} // namespace orvanta
