#pragma once

#include <QString>

namespace orvanta {

// One text as the translators' own files carry it, in Unicode: the row as
// written there (the record's position counted from 1, in decimal), the
// source text and its translation. Readers also fill `fuzzy` (a PO entry
// marked for review) and `line` (where the entry starts in its file, 0 when
// the format does not tell); writers read `fixed` (a row reset to its source
// text at every save).
struct ExchangeEntry {
    QString row;
    QString source;
    QString translation;
    bool fuzzy = false;
    bool fixed = false;
    qsizetype line = 0;
};

} // namespace orvanta
