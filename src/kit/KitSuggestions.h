#pragma once

#include "core/Result.h"
#include "texts/TextCodePages.h"
#include "texts/TranslationMemory.h"

#include <QList>
#include <QString>

namespace orvanta {

class TextTable;

// What the translator may take for a row: the translations of identical and
// similar sources (alike enough: TranslationMemory) from the kit's other
// rows and from the translation memories added, the same for the Texts page
// and kvtool texts suggest.
//
// A memory is a file of texts that TextExchange reads (PO, XLIFF, CSV) or
// another kit folder (its kvmain.dat and lang.dat, read as the kit reads
// itself, in the code pages that kit remembers, else this kit's
// translations' and the game's default for its sources). Only
// translated entries count (a kit's rows by TextTable::isTranslated, a
// file's entries whose translation is neither empty nor the source);
// obsolete PO entries do not. An entry its file marks for review (PO's
// fuzzy) is a fuzzy suggestion: it scores below an exact one, and the
// translation taken from it needs review.
//
// The kit's own rows are indexed when suggestions are first asked for and
// again after a source changed; a changed translation is taken at once.
class KitSuggestions {
public:
    // The most suggestions given for one row.
    static constexpr int MostGiven = 20;

    struct Suggestion {
        int percent = 0;
        QString source;
        QString translation;
        QString origin; // "row 12" of this kit, "PATH, row 12" of a memory
        bool fuzzy = false;
        bool operator==(const Suggestion &) const = default;
    };

    // Reads the memory at `path` (a file, a kit folder or that folder's
    // kvmain.dat), decoding a kit's translations in `codePage` unless it
    // remembers its own (KitSettings::codePages). A memory that is missing or damaged, or a kit without source
    // texts, is an error naming it.
    static Result<TranslationMemory> readMemory(const QString &path, const CodePage &codePage);

    void addMemory(TranslationMemory memory) { m_memories.append(std::move(memory)); }
    void clearMemories() { m_memories.clear(); }

    // The kit's texts are to be indexed again before the next suggestions
    // (a load or another code page).
    void textsReplaced() { m_indexed = false; }
    // Record `row`'s texts changed.
    void rowChanged(const TextTable &texts, const TextCodePages &codePages, int row);

    // For record `row` of `texts`: best first (equal ones: the kit's rows,
    // then the memories in the order added), each source and translation
    // once, at most MostGiven. None for an empty source.
    QList<Suggestion> suggestions(const TextTable &texts, const TextCodePages &codePages, int row);

private:
    void index(const TextTable &texts, const TextCodePages &codePages);

    TranslationMemory m_rows; // entry i is record i
    bool m_indexed = false;
    QList<TranslationMemory> m_memories;
};

} // namespace orvanta
