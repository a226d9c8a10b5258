#pragma once

#include "GlyphRasterizer.h"

#include <QFont>

#include <memory>

namespace orvanta {

// The system's font machinery behind the glyph capture, drawing the
// GlyphFont at its pixel height at 96 dpi (FontChoice::pixelHeight), never
// anti-aliased. The build takes the system's own form:
// - SystemGlyphRasterizerPosix.cpp: Qt's font engine (FreeType), the font as
//   FontChoice::captureFont makes it (full hinting too);
// - SystemGlyphRasterizerWindows.cpp: GDI itself: a GDI font
//   (non-antialiased quality), text drawn onto a 16-bit DIB section, the box
//   from the outline metrics, widths from the text extent.
//
// Text is drawn glyph by glyph from the font's own character map, without
// text layout: a tab or a control code draws the font's glyph for it (often
// the missing-glyph box) instead of being expanded or dropped, and a
// character the font lacks is not borrowed from another font.
//
// drawText() draws through `painter` onto the image it paints on, in that
// image's own coordinates.
class SystemGlyphRasterizer : public GlyphRasterizer {
public:
    explicit SystemGlyphRasterizer(const QFont &glyphFont);
    ~SystemGlyphRasterizer() override;
    SystemGlyphRasterizer(const SystemGlyphRasterizer &) = delete;
    SystemGlyphRasterizer &operator=(const SystemGlyphRasterizer &) = delete;

    // The Qt platform with which a program that shows no window (kvtool)
    // finds and measures the system's fonts as the kit's window does:
    // "offscreen" on Linux, which reads the desktop's font configuration; on Windows,
    // whose offscreen platform knows only fonts in a folder of Qt's own,
    // "windows" itself, which draws with the system's fonts and shows
    // nothing unless asked. Set before the application object is made.
    static QByteArray windowlessPlatform();

    // The box of the font's outline metrics in pixels (on Linux the 'head'
    // table's box scaled from font units to the pixel height, each member
    // rounded to the nearest pixel, halves away from zero).
    std::optional<FontBox> outlineFontBox() const override;
    TextMetrics textMetrics() const override;
    // True on Windows, where GDI itself reports the box.
    bool keepsToItsBox() const override;
    bool hasGlyph(QChar character) const override;
    int textWidth(const QString &text) const override;
    void drawText(QPainter &painter, QPoint cellTopLeft, const QString &text, const QColor &colour) const override;

private:
    class Machinery; // the system's own, defined by its form
    std::unique_ptr<Machinery> m_machinery;
};

} // namespace orvanta
