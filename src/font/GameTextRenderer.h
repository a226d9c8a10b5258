#pragma once

#include "GlyphFileDecoder.h"
#include "GlyphTable.h"
#include "core/Result.h"

#include <QByteArrayView>
#include <QImage>

#include <array>

namespace orvanta {

// Draws a text as the game does, from the bytes of its two glyph files:
// for each byte of the text its glyph record is laid down with the cell's
// top at y = 0 and its left at the running x (code 0x00 left transparent,
// 0x1B the outline, 0x21 the body), and x moves on by the byte's width in
// "fontsize.dat". A later cell's pixels cover an earlier one's where they
// overlap; its transparent ones leave them.
//
// The files are decoded once, when the renderer is made: measuring and
// drawing cost no decoding. A renderer never changes after that, so one may
// be read from any thread.
class GameTextRenderer {
public:
    static const QRgb Transparent; // where the game draws nothing
    static const QRgb Outline;     // opaque black
    static const QRgb Body;        // opaque white

    // The renderer of "font.spr" and "fontsize.dat", or the first fault in
    // them: any record or offset GlyphFileDecoder finds damaged, or a
    // "fontsize.dat" that is not 256 widths. Ink past a code's width is no
    // fault: it is drawn where it lies, into the next cell.
    static Result<GameTextRenderer> fromFiles(QByteArrayView fontSpr, QByteArrayView fontSizeDat);

    // The width of a code's cell in pixels, as "fontsize.dat" stores it.
    int width(unsigned char code) const { return m_widths[code]; }
    // The width of `text` in pixels: the sum of its bytes' widths.
    int width(QByteArrayView text) const;
    // The height of the tallest cell: the cell height the files store, or
    // where they store none (no blank cell), the lowest inked row + 1.
    int cellHeight() const { return m_cellHeight; }

    // `text` drawn: width(text) x cellHeight() pixels, ARGB32, each pixel
    // Transparent, Outline or Body. A null image when the text is 0 pixels
    // wide.
    QImage render(QByteArrayView text) const;

private:
    GameTextRenderer() = default;

    std::array<int, GlyphTable::CodeCount> m_widths{};
    std::array<GlyphFileDecoder::Glyph, GlyphTable::CodeCount> m_glyphs;
    int m_cellHeight = 0;
};

} // namespace orvanta
