#pragma once

#include "TextChange.h"
#include "TextChecker.h"

#include <QCoreApplication>
#include <QList>

#include <cstddef>
#include <utility>
#include <vector>

namespace orvanta {

class TextTable;

// Whether records whose source texts are the same bytes are translated
// alike: the `inconsistent` check, the one that looks across rows. A record
// takes part when it is translated (TextTable::isTranslated: a row not
// translated yet is no other translation).
// Each such record whose source another translated record shares with
// another translation gets one finding naming those records.
//
// Records are grouped by a hash of their source, kept as a sorted list of
// (hash, record) pairs: indexing 200,000 records is one sort, and an edit
// re-checks only the records of its source's group (those of the group it
// left too, when the source itself changed). Texts are compared as bytes,
// so the code page plays no part.
class TranslationConsistency {
    // Its findings in the language of the installed translations.
    Q_DECLARE_TR_FUNCTIONS(TranslationConsistency)

public:
    // Groups every record of `table` by its source.
    void index(const TextTable &table);

    // Takes record `row`'s texts anew, moving it to the group of its
    // current source, and returns the records whose finding may have
    // changed, ascending: the group it is in and, when its source changed,
    // the group it left.
    std::vector<int> update(const TextTable &table, int row);

    // Calls `visit` with the records of each group of two records or more
    // (ascending), for a check of the whole table.
    template <typename Visit>
    void forEachGroup(const Visit &visit) const
    {
        std::vector<int> rows;
        for (std::size_t i = 0; i < m_entries.size();) {
            std::size_t j = i + 1;
            while (j < m_entries.size() && m_entries[j].first == m_entries[i].first)
                ++j;
            if (j - i > 1) {
                rows.clear();
                for (std::size_t k = i; k < j; ++k)
                    rows.push_back(m_entries[k].second);
                visit(rows);
            }
            i = j;
        }
    }

    // Appends the `inconsistent` findings of `rows`, which are whole groups
    // (as forEachGroup() and update() give them) of the table indexed.
    void check(const TextTable &table, const std::vector<int> &rows, QList<TextFinding> &findings) const;

    // The records other than `row` whose source is `row`'s, byte for byte,
    // ascending.
    std::vector<int> sameSource(const TextTable &table, int row) const;

    // The changes that give `row`'s translation to every other record of
    // the same source that is not fixed and holds another translation;
    // none when `row` itself is not translated.
    QList<TextChange> useTranslationForSameSource(const TextTable &table, int row) const;

private:
    using Entry = std::pair<std::size_t, int>; // (hash of the source, record)

    // The findings of the records from `first` to `last`, which share one
    // source and stand in runs of one translation (`sameTranslation` of two
    // positions tells).
    template <typename SameTranslation>
    static void checkSource(std::vector<int>::iterator first, std::vector<int>::iterator last,
                            const SameTranslation &sameTranslation, QList<TextFinding> &findings);

    // The records of the group hashed `hash`, ascending.
    std::vector<int> group(std::size_t hash) const;

    std::vector<Entry> m_entries;    // sorted
    std::vector<std::size_t> m_hash; // by record
    // By record: the hash of a counted record's translation, else 0. Read
    // in table order while indexing, so a check need not reach into the
    // table for every record of a group.
    std::vector<std::size_t> m_translationHash;
};

} // namespace orvanta
