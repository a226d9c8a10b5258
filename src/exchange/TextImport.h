#pragma once

#include "ExchangeEntry.h"
#include "ImportReport.h"
#include "texts/TextChange.h"

#include <QByteArray>
#include <QList>

namespace orvanta {

class CodePage;
class TextTable;

// The rules of an import, the same for every format and front end. An
// entry is matched by its row and must carry that row's source text
// exactly; a changed source, a fuzzy entry, an empty translation, an
// unknown or repeated row is skipped. A translation the code page cannot
// hold, or one longer than a text record, is refused: never substituted or
// cut. A fixed row's translation is imported, and reported as reset at
// save. compute() only decides; the caller applies the changes (kvtool at
// once, the window as one step that can be undone).
class TextImport {
public:
    struct Outcome {
        QList<TextChange> changes; // new translations, in file order, each row at most once
        ImportReport report;
    };

    static Outcome compute(const QList<ExchangeEntry> &entries, const TextTable &texts, const CodePage &codePage);

    static void apply(const QList<TextChange> &changes, TextTable &texts);
};

} // namespace orvanta
