#pragma once

#include "CodePage.h"
#include "TextTable.h"

#include <QByteArrayView>
#include <QString>

namespace orvanta {

// The code pages of a record's two texts, and the one rule of which decodes
// which: the source texts are the game's own, in the game's code page (the
// kit names it; Windows-1252 unless it names another), the translations in
// the code page the translator chose. Whatever shows, compares, writes or
// reads a source or a translation as characters asks of() for its code page.
class TextCodePages {
public:
    // The game's code page when the kit names none.
    static constexpr int GameDefault = 1252;

    // Translations in Windows-`translation`, sources in Windows-`source`.
    explicit TextCodePages(int translation, int source = GameDefault);

    const CodePage &source() const { return m_source; }
    const CodePage &translation() const { return m_translation; }
    // The code page of `text`: TextTable::Source or Translation.
    const CodePage &of(TextTable::Column text) const
    {
        return text == TextTable::Source ? m_source : m_translation;
    }
    // The code page of `text` in `row`: a fixed row's source is what the
    // game gets (the kit puts it back into lang.dat at every save, and the
    // translator may edit it there), so it is in the translation's.
    const CodePage &of(TextTable::Column text, int row) const
    {
        return TextTable::isFixed(row) ? m_translation : of(text);
    }
    QString decode(TextTable::Column text, QByteArrayView bytes) const { return of(text).decode(bytes); }

    // The same sources with translations in Windows-`translation`.
    TextCodePages withTranslation(int translation) const;

private:
    CodePage m_source;
    CodePage m_translation;
};

} // namespace orvanta
