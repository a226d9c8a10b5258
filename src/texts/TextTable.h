#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>

namespace orvanta {

class EntryStream;

// The game's texts while the kit runs: for each record of "kvtexts.dat" its
// source text and its translation, both as the record's bytes in the
// translator's code page. `row` counts the records from 0; the translator
// sees row number row + 1.
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

    struct Row {
        QByteArray source;
        QByteArray translation;
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
    const Row &row(int row) const { return m_rows.at(row); }
    void setSource(int row, const QByteArray &text) { m_rows[row].source = text; }
    void setTranslation(int row, const QByteArray &text) { m_rows[row].translation = text; }

    // What a save gives the game, as a text file of 2 + 200 x rowCount()
    // bytes: each record's savedText(), so the fixed records hold their
    // source text whatever their translation cells hold.
    QByteArray translationFile() const;

    // Writes translationFile() as "texts.dat" into `outputDirectory`.
    Status SaveTexts(const QString &outputDirectory) const;

private:
    QList<Row> m_rows;
};

} // namespace orvanta
