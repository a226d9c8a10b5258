#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>

#include <array>
#include <vector>

namespace orvanta {

class EntryStream;

// The game's texts while the kit runs: for each record of "kvtexts.dat" its
// source text and its translation, both as the record's bytes in the
// translator's code page. `row` counts the records from 0; the translator
// sees row number row + 1.
//
// Storage: loading puts every text it reads into one block, back to back
// (a translation equal to its source is not stored twice), and each record
// views its texts there; a text changed later is held on its own. So a
// table of 200,000 records costs a few allocations, not 400,000, and the
// block and the rows ask for large pages (PlatformMemory), so that filling
// them takes a few page faults, not tens of thousands. Copies of
// a table share the block and the changed texts, so a copy's views stay
// valid whatever becomes of the original.
class TextTable {
public:
    // Records whose translation is always saved as their source text: the
    // game reads them as they are (key names, format codes).
    static const std::array<int, 41> FixedTextRows;
    static bool isFixed(int row);
    // The text a save gives the game for record `row` (before a record
    // cuts it): a fixed record's source, any other's translation.
    static QByteArrayView savedText(int row, QByteArrayView source, QByteArrayView translation)
    {
        return isFixed(row) ? source : translation;
    }

    // The parts of a row as the kit shows them side by side (the columns of
    // the window's grid): its number, its source text and its translation.
    // Source and Translation also name one of a record's two texts.
    enum Column { Number, Source, Translation, ColumnCount };

    // Whether `translation` translates `source`: it differs from it, and is
    // not blank (spaces and tabs only: what is left when the code page
    // refused every letter typed) where the source is not. The one rule of
    // what counts as translated, for the grid, the consistency check, the
    // suggestions and the migration alike.
    static bool isTranslation(QByteArrayView source, QByteArrayView translation);

    // One record's texts, as views into the table: valid while the table
    // (or a copy of it) lives and that record's text is not changed or
    // loaded again. Whoever keeps a text longer keeps a copy
    // (toByteArray()).
    struct Row {
        QByteArrayView source;
        QByteArrayView translation;
    };

    // Replaces the rows with the records of "kvtexts.dat" and the
    // translations of "texts.dat", each looked up in "lang.dat" first, then
    // "kvmain.dat". Translations without a source record are dropped; a
    // source without a translation record is its own translation. Entries of
    // any length load whole.
    //
    // A fixed record gives the game its source text, which the translator
    // may edit (a format code in another script): when "texts.dat" holds
    // another text for it, that is the text an earlier save gave the game,
    // so it becomes the row's source and translation alike, and the next
    // save keeps it.
    void LoadTexts(EntryStream &stream);

    int rowCount() const { return int(m_rows.size()); }
    const Row &row(int row) const { return m_rows[std::size_t(row)]; }
    // Whether record `row` is translated: not fixed, and its translation
    // isTranslation() of its source.
    bool isTranslated(int row) const;
    void setSource(int row, const QByteArray &text);
    void setTranslation(int row, const QByteArray &text);

    // What a save gives the game, as a text file of 2 + 200 x rowCount()
    // bytes: each record's savedText(), so the fixed records hold their
    // source text whatever their translation cells hold.
    QByteArray translationFile() const;

    // Writes translationFile() as "texts.dat" into `outputDirectory`.
    Status SaveTexts(const QString &outputDirectory) const;

private:
    // Holds `bytes` as record `index`'s changed `text` (Source or
    // Translation) and returns the view of them.
    QByteArrayView keep(int index, Column text, const QByteArray &bytes);

    // The texts as loaded, back to back; never written after loading, so
    // its bytes stay where the views point for as long as any copy holds it.
    QByteArray m_block;
    // Texts changed since loading, by ColumnCount x index + column.
    QHash<qint64, QByteArray> m_changed;
    std::vector<Row> m_rows;
};

} // namespace orvanta
