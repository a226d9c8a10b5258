#pragma once

#include <QList>
#include <QString>

#include <utility>

namespace orvanta {

// One text as the translators' own files carry it, in Unicode: the row
// number as written there (the record's position counted from 1, in
// decimal), the context that tells apart rows of one source
// (SourceContexts; empty for a source that stands in one row), the source
// text, its translation, and the translator's own state of the row: whether
// it needs review (PO's fuzzy, XLIFF's needs-review state, CSV's
// needs_review column), whether it is "done as it is" and a note for the
// reviewer.
//
// Readers also fill `hasReview` (the file says whether the row needs review
// and what its note is: a CSV without those columns does not, so an import
// leaves the kit's marks as they are), `obsolete` (a PO `#~` entry, counted
// but never applied) and `line` (where the entry starts in its file, 0 when
// the format does not tell), and `done` where the file gives a source as
// its own translation on purpose (a PO msgstr equal to its msgid, an XLIFF
// target equal to its source in a translated state); a CSV, which gives
// every untranslated row so, never sets it. Writers read `translated` (the
// row counts as translated: TextTable::isTranslated, or done as it is; an
// untranslated row goes out without a translation, so that tools translate
// it), `fixed` (a row reset to its source text at every save) and
// `sourceWidth` (the source drawn in the game's standard glyphs, in pixels;
// -1 when not measured).
struct ExchangeEntry {
    ExchangeEntry() = default;
    ExchangeEntry(QString rowNumber, QString sourceText, QString translationText)
        : row(std::move(rowNumber)), source(std::move(sourceText)), translation(std::move(translationText))
    {
    }

    QString row;
    QString context;
    QString source;
    QString translation;
    bool needsReview = false;
    bool done = false;
    bool translated = false;
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
