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
// translator's code page. Record index i is grid row i + 1.
class TextTable {
public:
    // Records whose translation is always saved as their source text: the
    // game reads them as they are (key names, format codes).
    static const std::array<int, 41> FixedTextRows;
    static bool isFixed(int index);
    // The text a save gives the game for record `index` (before a record
    // cuts it): a fixed record's source, any other's translation.
    static QByteArrayView savedText(int index, QByteArrayView source, QByteArrayView translation)
    {
        return isFixed(index) ? source : translation;
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
    void LoadTexts(EntryStream &stream);

    int rowCount() const { return int(m_rows.size()); }
    const Row &row(int index) const { return m_rows.at(index); }
    void setSource(int index, const QByteArray &text) { m_rows[index].source = text; }
    void setTranslation(int index, const QByteArray &text) { m_rows[index].translation = text; }

    // Puts the source text back into the translation of every fixed record.
    void ResetFixedTexts();

    // The translations as a text file: 2 + 200 x rowCount() bytes.
    QByteArray translationFile() const;

    // Writes translationFile() as "texts.dat" into `outputDirectory`.
    Status SaveTexts(const QString &outputDirectory) const;

private:
    QList<Row> m_rows;
};

} // namespace orvanta
