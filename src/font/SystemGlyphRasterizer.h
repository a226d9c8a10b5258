#pragma once

#include "GlyphRasterizer.h"

#include <QFont>
#include <QFontMetrics>
#include <QRawFont>

namespace orvanta {

// The system's font machinery behind the glyph capture. It draws the GlyphFont
// as FontChoice::captureFont makes it (96 dpi, no anti-aliasing, full hinting).
//
// Text is drawn glyph by glyph from the font's own character map, without
// text layout: a tab or a control code draws the font's glyph for it (often
// the missing-glyph box) instead of being expanded or dropped, and a
// character the font lacks is not borrowed from another font.
class SystemGlyphRasterizer : public GlyphRasterizer {
public:
    explicit SystemGlyphRasterizer(const QFont &glyphFont);

    // The Qt platform with which a program that shows no window (kvtool)
    // draws through the same font machinery as the kit's window: "offscreen"
    // on Linux, which reads the desktop's font configuration; on Windows,
    // whose offscreen platform knows only fonts in a folder of Qt's own,
    // "windows" itself, which draws with the system's fonts and shows
    // nothing unless asked. Set before the application object is made.
    static QByteArray windowlessPlatform();

    // The 'head' table's box scaled from font units to the pixel height,
    // each member rounded to the nearest pixel (halves away from zero).
    std::optional<FontBox> outlineFontBox() const override;
    TextMetrics textMetrics() const override;
    bool hasGlyph(QChar character) const override;
    int textWidth(const QString &text) const override;
    void drawText(QPainter &painter, QPoint cellTopLeft, const QString &text, const QColor &colour) const override;

private:
    QFont m_font;
    QRawFont m_raw;
    QFontMetrics m_metrics;
};

} // namespace orvanta
