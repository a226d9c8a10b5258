// The bounded edit distance against the whole table, for texts near and
// far apart and bounds from none to past their distance.
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

// Texts of up to 200 bytes, across the 64-cell words of the bytes' form,
// with bytes past 0x7F; the same texts as Unicode take the wide form.
TEST(EditDistance, IsTheWholeTablesUpToItsBound)
{
    std::mt19937 random(31);
    auto letters = [&](int count) {
        static const char alphabet[] = {'a', 'b', '\xE9'};
        QByteArray text;
        for (int i = 0; i < count; ++i)
            text += alphabet[random() % 3];
        return text;
    };
    auto length = [&](int pair) { return int(random() % (pair % 3 == 0 ? 200 : 14)); };
    for (int pair = 0; pair < 3000; ++pair) {
        const QByteArray a = letters(length(pair));
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
            b = letters(length(pair));
        }
        const int distance = wholeTable(a, b);
        const QString wideA = QString::fromLatin1(a), wideB = QString::fromLatin1(b);
        for (int bound : {0, 1, 2, 3, distance / 2, distance - 1, distance, distance + 1, distance + 2}) {
            if (bound < 0)
                continue;
            const int expected = std::min(distance, bound + 1);
            ASSERT_EQ(EditDistance::bounded(QByteArrayView(a), QByteArrayView(b), bound), expected)
                << a.toStdString() << " / " << b.toStdString() << " within " << bound;
            ASSERT_EQ(EditDistance::bounded(QStringView(wideA), QStringView(wideB), bound), expected)
                << a.toStdString() << " / " << b.toStdString() << " within " << bound << " as Unicode";
        }
    }
    EXPECT_EQ(EditDistance::bounded(QStringView(u"Zürich"), QStringView(u"Zurich"), 2), 1);
}
