#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <vector>

namespace orvanta {

// Translations of texts, found by how alike their sources are to a text:
// what the Texts page suggests and kvtool texts suggest prints, from the
// kit's own rows and from the memories the translator adds.
//
// How alike two texts are: 1 - (edit distance / length of the longer), the
// edit distance counting Unicode characters (UTF-16 units: the code pages'
// characters all lie in the BMP) with case kept; as a whole percent rounded
// down, so only identical texts are 100%. Two empty texts are identical.
//
// Texts count as alike from LeastPercent on when the longer has
// FullFloorLength characters or more; shorter texts must be more alike
// (leastPercent()), so that a word of four letters is not offered the
// translation of another that differs in one. An entry marked fuzzy in its
// memory (a translation to review) scores FuzzyPenalty points less than its
// source is alike, and is found only when that still reaches the floor.
//
// The index: the entries ordered by the length of their source, and for
// each of 65,536 buckets of adjacent-character pairs the entries whose
// source holds a pair of it. A text within k edits of another of length L
// shares at least L - 1 - 2k of its pairs, and it is at least 75% alike
// only when the lengths lie within 3:4; so a query counts shared pairs
// (buckets share counts, which only ever counts more) over the entries of
// fitting length, and works out the distance only for those that share
// enough, most promising first, until no other can be among the best.
class TranslationMemory {
public:
    static constexpr int LeastPercent = 75;
    static constexpr int FullFloorLength = 12;
    static constexpr int FuzzyPenalty = 10;

    struct Entry {
        QString source;
        QString translation; // empty: the entry suggests nothing (yet)
        QString origin;      // where it comes from, as the translator reads it
        bool fuzzy = false;  // marked for review in its memory
    };

    struct Match {
        int entry;
        int percent;
        bool operator==(const Match &) const = default;
    };

    TranslationMemory() = default;
    explicit TranslationMemory(QList<Entry> entries);

    int size() const { return int(m_entries.size()); }
    const Entry &entry(int index) const { return m_entries[index]; }
    // A new translation of entry `index`; its source stays as indexed.
    void setTranslation(int index, const QString &translation);

    // The entries with a translation that score at least leastPercent()
    // against `text`, best first (equal ones in entry order), leaving out
    // entry `except`, each source and translation once (its first entry),
    // and no more than `most` of them (0: all).
    std::vector<Match> find(QStringView text, int except = -1, int most = 0) const;

    // How alike `a` and `b` are in whole percent; any value below the
    // floor for their lengths means no more than that they are less alike.
    static int percent(QStringView a, QStringView b);
    // The floor for texts whose longer one has `longer` characters:
    // LeastPercent from FullFloorLength on, growing towards 100 below it.
    static int leastPercent(qsizetype longer);

private:
    static constexpr int Buckets = 1 << 16;

    struct Posting {
        int position; // in m_byLength
        int count;    // how often pairs of the bucket stand in that source
    };

    QList<Entry> m_entries;
    std::vector<int> m_byLength;    // entries by source length, then entry
    std::vector<int> m_lengthStart; // the first position of each length, and one past the end
    // Each bucket's postings, by position: those of bucket b from
    // m_bucketStart[b] to m_bucketStart[b + 1].
    std::vector<int> m_bucketStart;
    std::vector<Posting> m_postings;
};

} // namespace orvanta
