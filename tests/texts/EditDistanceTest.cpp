// The banded edit distance against the whole table, for texts near and far
// apart and every bound from none to past their distance.
#include "texts/EditDistance.h"

#include <QByteArray>
#include <QString>

#include <gtest/gtest.h>

#include <random>
#include <vector>

using namespace orvanta;

namespace {

// Levenshtein's table worked out whole.
int wholeTable(QByteArrayView a, QByteArrayView b)
{
    std::vector<std::vector<int>> d(std::size_t(a.size() + 1), std::vector<int>(std::size_t(b.size() + 1)));
    for (qsizetype i = 0; i <= a.size(); ++i)
        d[std::size_t(i)][0] = int(i);
    for (qsizetype j = 0; j <= b.size(); ++j)
        d[0][std::size_t(j)] = int(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        for (qsizetype j = 1; j <= b.size(); ++j) {
            d[std::size_t(i)][std::size_t(j)] = std::min({d[std::size_t(i - 1)][std::size_t(j - 1)] + (a[i - 1] != b[j - 1]),
                                                          d[std::size_t(i - 1)][std::size_t(j)] + 1,
                                                          d[std::size_t(i)][std::size_t(j - 1)] + 1});
        }
    }
    return d[std::size_t(a.size())][std::size_t(b.size())];
}

} // namespace

TEST(EditDistance, IsTheWholeTablesUpToItsBound)
{
    std::mt19937 random(31);
    auto letters = [&](int count) {
        QByteArray text;
        for (int i = 0; i < count; ++i)
            text += char('a' + random() % 3);
        return text;
    };
    for (int pair = 0; pair < 3000; ++pair) {
        const QByteArray a = letters(int(random() % 14));
        // Half the pairs a few edits apart, half unrelated.
        QByteArray b = a;
        if (pair % 2 == 0) {
            for (int edit = int(random() % 4); edit > 0; --edit) {
                const qsizetype at = b.isEmpty() ? 0 : qsizetype(random() % std::uint32_t(b.size()));
                switch (random() % 3) {
                case 0: b.insert(at, letters(1)); break;
                case 1: b.remove(at, 1); break;
                default: b.replace(at, 1, letters(1));
                }
            }
        } else {
            b = letters(int(random() % 14));
        }
        const int distance = wholeTable(a, b);
        for (int bound = 0; bound <= distance + 2; ++bound) {
            ASSERT_EQ(EditDistance::bounded(QByteArrayView(a), QByteArrayView(b), bound), std::min(distance, bound + 1))
                << a.toStdString() << " / " << b.toStdString() << " within " << bound;
        }
    }
    EXPECT_EQ(EditDistance::bounded(QStringView(u"Zürich"), QStringView(u"Zurich"), 2), 1);
}
