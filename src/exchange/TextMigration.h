#pragma once

#include "TextImport.h"

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
class TextMigration {
public:
    static constexpr double Similarity = 0.8;

    static TextImport::Outcome compute(const TextTable &older, const TextTable &texts);

    // How alike two texts are, from 0 to 1; below `atLeast` it may return
    // any value below `atLeast` (the comparison stops early).
    static double similarity(QByteArrayView a, QByteArrayView b, double atLeast);
};

} // namespace orvanta
