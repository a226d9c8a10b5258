#pragma once

#include "ExchangeEntry.h"
#include "ImportReport.h"
#include "texts/ReviewMarks.h"
#include "texts/TextChange.h"

#include <QList>
#include <QStringView>

namespace orvanta {

class TextCodePages;
class TextTable;

// The rules of an import, the same for every format and front end. An
// entry belongs to its source text: it goes to the one row where that exact
// source stands, wherever the file says it stood (reported as moved when
// that is another row). Where the source stands in several rows, the
// entry's context (SourceContexts) says which, else the row it names when
// that row holds the source; else it is skipped as standing in several
// rows. A row is named by its number: decimal digits, without sign, spaces
// or leading zero ("5", never "05", " 5" or "+5"). A source that stands in
// no row is skipped as changed (or as an unknown row when the row named is
// none). An entry marked for review (PO's fuzzy) is imported and the row
// marked needs review; an entry the file gives as done as it is marks its
// row so; an entry without a translation brings its mark and note alone;
// obsolete PO entries are counted, never applied; a repeated row is
// skipped. A translation the code page cannot hold, or one longer than a
// text record, is refused: never substituted or cut. A fixed row's
// translation is imported, and reported as reset at save. compute() only
// decides; the caller applies the changes (kvtool at once, the window as
// one step that can be undone).
class TextImport {
public:
    struct Outcome {
        QList<TextChange> changes;          // new translations, in file order, each row at most once
        QList<ReviewMarks::Change> marks;   // new review marks, when the file carries them
        ImportReport report;                // changed() counts rows with either
    };

    // The record index of a row number, or -1 when it names none of
    // `rowCount` rows.
    static int rowOf(QStringView rowNumber, int rowCount);

    // Sources are compared, and translations read, each in its code page
    // of `codePages`; a translation equal to its source is the source's
    // bytes. `marks` are the kit's, to tell a changed mark from an
    // unchanged one; an imported mark keeps the row's "done".
    static Outcome compute(const QList<ExchangeEntry> &entries, const TextTable &texts, const TextCodePages &codePages,
                           const ReviewMarks &marks = ReviewMarks());

    // The outcome's translations into `texts` and its marks into `marks`.
    static void apply(const Outcome &outcome, TextTable &texts, ReviewMarks &marks);
};

} // namespace orvanta
