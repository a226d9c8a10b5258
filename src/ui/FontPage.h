#pragma once

#include "AnchorLayout.h"

#include <QWidget>

class QComboBox;
class QFontDialog;
class QLabel;

namespace orvanta {

class KitDocument;

// The page "Font" ("TabSheet3"): the glyph font's description with "Choose
// font", and the code page of the texts and glyphs. Both follow the
// document, undo and redo included. The font dialog is made when first used.
class FontPage : public QWidget {
    Q_OBJECT

public:
    FontPage(KitDocument &document, AnchorLayout::Growth growth, QWidget *parent = nullptr);

public slots:
    // "Choose font": the font dialog, opening on the glyph font; a confirmed
    // choice becomes the glyph font.
    void Button3Click();
    void CodePageComboBoxChange();

private:
    void showGlyphFont();
    void showCodePage();

    KitDocument &m_document;
    QLabel *m_fontDescription = nullptr;
    QComboBox *m_codePageSelector = nullptr;
    QFontDialog *m_fontDialog = nullptr;
};

} // namespace orvanta
