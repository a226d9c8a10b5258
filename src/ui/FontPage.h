#pragma once

#include "AnchorLayout.h"

#include <QWidget>

class QComboBox;
class QFontDialog;
class QLabel;

namespace orvanta {

class GlyphSheetView;
class KitDocument;
class KitSettings;

// The page "Font" ("TabSheet3"): the glyph font's description with "Choose
// font", the code page of the original texts (the game's, shown only), the
// code page of the translations and glyphs, and the glyph sheet: the
// 256 glyphs the next save writes, in the font and code page chosen. All
// follow the document, undo and redo included. A font past the glyph
// files' limits is explained beside its description for as long as it is
// the glyph font, and once in a message when the translator chooses it.
// The font dialog is made when first used.
//
// Beside the description, a line says which face really draws the glyphs
// when the system has no font of the glyph font's name (the first start's
// Arial, say); above it a line tells a first start that the translation is
// done on the Texts page, its link asking for that page. Beside the
// heading, the window's language (Translations), chosen here and remembered
// in the settings.
class FontPage : public QWidget {
    Q_OBJECT

public:
    FontPage(KitDocument &document, KitSettings &settings, AnchorLayout::Growth growth, QWidget *parent = nullptr);

    // Captures the glyph font and shows its glyph sheet, and from then on
    // after every change: the page starts without it, and the window asks
    // once it is first painted.
    void showGlyphs();

signals:
    // The translator followed the link to the Texts page.
    void textsPageAsked();
    // The translator chose the window's language, which it speaks from the
    // next start.
    void windowLanguageChosen();

public slots:
    // "Choose font": the font dialog, opening on the glyph font; a confirmed
    // choice becomes the glyph font.
    void Button3Click();
    void CodePageComboBoxChange();
    void GlyphZoomComboBoxChange();
    void WindowLanguageComboBoxChange();

private:
    void fillLanguages();
    void showGlyphFont();
    void showCodePage();

    KitDocument &m_document;
    KitSettings &m_settings;
    QLabel *m_fontDescription = nullptr;
    QLabel *m_fontLimit = nullptr; // why the glyph font cannot be saved; hidden when it can
    QLabel *m_drawingFace = nullptr; // the face that draws it, when not its own; in the limit's place
    QComboBox *m_codePageSelector = nullptr;
    QComboBox *m_zoomSelector = nullptr;
    QComboBox *m_languageSelector = nullptr;
    GlyphSheetView *m_sheet = nullptr;
    QFontDialog *m_fontDialog = nullptr;
    bool m_showingGlyphs = false;
};

} // namespace orvanta
