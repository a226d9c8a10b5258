#pragma once

#include "GlyphTable.h"
#include "core/Result.h"

#include <QImage>

namespace orvanta {

class CodePage;
class GlyphRasterizer;

// Draws the 256 character codes of a font as white bodies inside a
// one-pixel black outline, measures them, and composes each code's glyph
// cell, the picture from which its glyph record is made.
class GlyphCapture {
public:
    // Cells are stored with 8-bit widths and heights.
    static constexpr int MaxCellSize = 255;

    static const QRgb Background; // surface background, grey (63, 63, 63)
    static const QRgb Outline;    // black
    static const QRgb Body;       // white
    static const QRgb CellBackground; // blue

    // Captures every code; code c draws codePage.character(c), code 0
    // nothing. The FontBox is the font's box (fontBoxOf) grown on each side
    // as far as the hinted bodies of the 256 codes, underline and
    // strike-out included, reach past it, so that every body pixel keeps
    // its one-pixel outline inside the cell; a rasteriser that keepsToItsBox
    // has its box taken as it is. Refuses, naming the limit, a
    // font whose cells would be higher or wider than MaxCellSize; a font
    // whose own box is too high is refused before anything is drawn.
    static Result<GlyphTable> CaptureGlyphs(const GlyphRasterizer &rasterizer, const CodePage &codePage);

    // The font's box: the outline metrics' box, or for a raster font left 0,
    // top = character height, right = widest character, bottom 0.
    static FontBox fontBoxOf(const GlyphRasterizer &rasterizer);

    // The glyph cell of `code`: cellWidth x cellHeight, blue wherever the
    // glyph has no outline or body. A cell of width 0 is a null image.
    static QImage ComposeGlyphCell(const GlyphTable &table, int code);

private:
    static GlyphEntry captureCode(const GlyphRasterizer &rasterizer, const GlyphTable &table, const QString &text);
};

} // namespace orvanta
