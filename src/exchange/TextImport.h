#pragma once

#include "ExchangeEntry.h"
#include "ImportReport.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace orvanta {

class CodePage;
class TextTable;

// The rules of an import, the same for every format and front end. An
// entry names its row by the row number: decimal digits, without sign,
// spaces or leading zero ("5", never "05", " 5" or "+5"). It must carry
// that row's source text exactly; when the row holds another source, the
// source is looked up and the entry goes to the one row where that exact
// source stands (reported as moved), else it is skipped as changed. An
// entry marked for review (PO's fuzzy) is imported and the row marked
// needs review; obsolete PO entries are counted, never applied; an empty
// translation, an unknown or repeated row is skipped. A translation the
// code page cannot hold, or one longer than a text record, is refused:
// never substituted or cut. A fixed row's translation is imported, and
// reported as reset at save. compute() only decides; the caller applies
// the changes (kvtool at once, the window as one step that can be undone).
class TextImport {
public:
    // The translator's own state of a row: marked needs review, and a note.
    struct Mark {
        bool needsReview = false;
        QString note;
        bool operator==(const Mark &) const = default;
    };

    // A new translation for the record `row` (from 0), as bytes in the code
    // page, and the row's new mark when the file carries marks.
    struct Change {
        int row;
        QByteArray translation;
        std::optional<Mark> mark;
    };

    struct Outcome {
        QList<Change> changes; // in file order, each row at most once
        ImportReport report;
    };

    // The kit's mark of a record, to tell a changed mark from an unchanged one.
    using Marks = std::function<Mark(int row)>;

    // The record index of a row number, or -1 when it names none of
    // `rowCount` rows.
    static int rowOf(QStringView rowNumber, int rowCount);

    static Outcome compute(const QList<ExchangeEntry> &entries, const TextTable &texts, const CodePage &codePage,
                           const Marks &marks = {});

    static void apply(const QList<Change> &changes, TextTable &texts);
};

} // namespace orvanta
