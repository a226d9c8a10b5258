#pragma once

#include <QList>
#include <QString>

#include <utility>

namespace orvanta {

// One text as the translators' own files carry it, in Unicode: the row
// number as written there (the record's position counted from 1, in
// decimal), the source text, its translation, and the translator's own
// state of the row: whether it needs review (PO's fuzzy, XLIFF's
// needs-review state, CSV's needs_review column) and a note for the
// reviewer.
//
// Readers also fill `hasReview` (the file says whether the row needs review
// and what its note is: a CSV without those columns does not, so an import
// leaves the kit's marks as they are), `obsolete` (a PO `#~` entry, counted
// but never applied) and `line` (where the entry starts in its file, 0 when
// the format does not tell). Writers read `fixed` (a row reset to its
// source text at every save) and `sourceWidth` (the source drawn in the
// game's standard glyphs, in pixels; -1 when not measured).
struct ExchangeEntry {
    ExchangeEntry() = default;
    ExchangeEntry(QString rowNumber, QString sourceText, QString translationText)
        : row(std::move(rowNumber)), source(std::move(sourceText)), translation(std::move(translationText))
    {
    }

    QString row;
    QString source;
    QString translation;
    bool needsReview = false;
    QString note;
    bool hasReview = true;
    bool obsolete = false;
    bool fixed = false;
    int sourceWidth = -1;
    qsizetype line = 0;
};

// A translators' file as read: its entries in file order, and the code page
// and language its header names (0 and empty when it names none).
struct ExchangeFile {
    QList<ExchangeEntry> entries;
    int codePage = 0;
    QString language;
};

} // namespace orvanta
