#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace orvanta {

// The Levenshtein distance (insertions, deletions and substitutions of one
// character each) between two texts, worked out only as far as it matters:
// it stops once the distance is sure to be past maxEdits. `View` is any
// sized sequence of comparable characters (QByteArrayView for a record's
// bytes, QStringView for Unicode text).
class EditDistance {
public:
    // The distance when it is at most `maxEdits`, else maxEdits + 1.
    template <typename View>
    static int bounded(View a, View b, int maxEdits)
    {
        if (std::abs(std::ptrdiff_t(a.size()) - std::ptrdiff_t(b.size())) > maxEdits)
            return maxEdits + 1;
        if constexpr (sizeof(a[0]) == 1)
            return bitVector(a, b, maxEdits);
        else
            return banded(a, b, maxEdits);
    }

private:
    // For bytes, Myers' bit-vector form of the table: a column at a time,
    // each held as the steps between the cells down it (up, down or none),
    // 64 cells to a machine word, the word below taking the step out of the
    // bottom of the word above. The last row's cell is followed from step
    // to step; the rest of `b` can lower it by one a byte at most. A
    // migration asks this millions of times for texts of up to 200 bytes.
    // (In Myers' words: `ups` and `downs` are Pv and Mv, `rightUp` and
    // `rightDown` Ph and Mh, `across` Xv and `diagonal` Xh.)
    template <typename View>
    static int bitVector(View a, View b, int maxEdits)
    {
        const std::size_t sizeA = std::size_t(a.size()), sizeB = std::size_t(b.size());
        if (sizeA == 0)
            return std::min(int(sizeB), maxEdits + 1);
        const std::size_t words = (sizeA + 63) / 64;
        // Where each byte stands in `a`, by byte, a word at a time (2 KB
        // for each 64 bytes of `a`, kept); zero again after every call, so
        // that a call writes only `a`'s bytes.
        thread_local std::vector<std::uint64_t> where;
        thread_local std::vector<std::uint64_t> ups, downs; // the column's steps
        if (where.size() < 256 * words)
            where.assign(256 * words, 0);
        for (std::size_t i = 0; i < sizeA; ++i)
            where[std::uint8_t(a[i]) * words + i / 64] |= std::uint64_t(1) << (i % 64);
        ups.assign(words, ~std::uint64_t(0)); // the first column counts up: 0, 1, 2, ...
        downs.assign(words, 0);
        const std::uint64_t lastRow = std::uint64_t(1) << ((sizeA - 1) % 64);
        int last = int(sizeA);
        for (std::size_t j = 0; j < sizeB && last - int(sizeB - j) <= maxEdits; ++j) {
            const std::uint64_t *matches = &where[std::uint8_t(b[j]) * words];
            int step = 1; // the top row counts up too
            for (std::size_t w = 0; w < words; ++w) {
                const std::uint64_t up = ups[w], down = downs[w];
                std::uint64_t match = matches[w];
                const std::uint64_t across = match | down;
                if (step < 0)
                    match |= 1;
                const std::uint64_t diagonal = (((match & up) + up) ^ up) | match;
                std::uint64_t rightUp = down | ~(diagonal | up);
                std::uint64_t rightDown = up & diagonal;
                const std::uint64_t bottom = w + 1 == words ? lastRow : std::uint64_t(1) << 63;
                const int out = (rightUp & bottom) ? 1 : (rightDown & bottom) ? -1 : 0;
                rightUp = rightUp << 1 | std::uint64_t(step > 0);
                rightDown = rightDown << 1 | std::uint64_t(step < 0);
                ups[w] = rightDown | ~(across | rightUp);
                downs[w] = rightUp & across;
                step = out;
            }
            last += step;
        }
        for (std::size_t i = 0; i < sizeA; ++i)
            where[std::uint8_t(a[i]) * words + i / 64] = 0;
        return std::min(last, maxEdits + 1);
    }

    // For wider characters, the table in a band of 2 x maxEdits + 1 around
    // the diagonal, stopping once every way is past maxEdits.
    template <typename View>
    static int banded(View a, View b, int maxEdits)
    {
        const auto sizeA = std::ptrdiff_t(a.size()), sizeB = std::ptrdiff_t(b.size());
        const int big = maxEdits + 1;
        // Two rows, kept between calls. A cell right of a row's band is
        // never written before that row reads it (the bands move right),
        // so it still holds `big`.
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
