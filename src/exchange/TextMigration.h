#pragma once

#include "TextImport.h"
#include "texts/ReviewMarks.h"

namespace orvanta {

class TextTable;

// Carries the translations of an older kit over to this kit's texts after
// a game update, where texts were added, moved, reworded and removed. Each
// translated source of the older kit goes to every row of this kit whose
// source is the same bytes, wherever it stands now. A row whose source has
// no such match gets the translation of the most similar gone source (at
// least 80% alike: 1 - edit distance / length of the longer, on bytes;
// texts of fewer than 6 bytes are matched only exactly), marked needs
// review. A row translated in this kit already is never overwritten, and
// fixed rows are left out. The report counts what was carried, carried for
// review, new rows, the older kit's translated sources that are gone, and
// rows left as they were; the changes apply as an import's do.
//
// The marks and notes go with their texts: a row whose source stood in the
// older kit gets that row's mark (the k-th row of a source the k-th older
// row's, so rows of one source keep theirs), a reworded one its note and
// needs review, never "done as it is".
class TextMigration {
public:
    static constexpr double Similarity = 0.8;

    // What became of the older kit's rows, for the translator to decide on.
    struct Carried {
        TextImport::Outcome outcome;
        int moved = 0;   // rows whose source stands in another row now
        int changed = 0; // rows whose source was reworded (carried for review)
        int came = 0;    // rows of sources the older kit did not have
        int went = 0;    // rows of the older kit whose source is gone
    };

    // Carries `older`'s translations and `olderMarks` to `texts`, whose
    // own marks are `marks`. When `replace`, `texts`' translations and
    // marks are those of `older`'s rows paired by row in error (the kit's
    // own "lang.dat" beside a new "kvmain.dat"): every row gets what its
    // source carries, or becomes untranslated without a mark. Otherwise
    // what this kit has is kept: a translated row is never overwritten,
    // a row's mark only set where it has none.
    static Carried carry(const TextTable &older, const ReviewMarks &olderMarks, const TextTable &texts,
                         const ReviewMarks &marks, bool replace);
    static TextImport::Outcome compute(const TextTable &older, const TextTable &texts)
    {
        return carry(older, ReviewMarks(), texts, ReviewMarks(), false).outcome;
    }

    // How alike two texts are, from 0 to 1; below `atLeast` it may return
    // any value below `atLeast` (the comparison stops early).
    static double similarity(QByteArrayView a, QByteArrayView b, double atLeast);
};

} // namespace orvanta
