#pragma once

#include "GlyphRasterizer.h"

#include <QImage>

#include <array>

namespace orvanta {

// The capture of one character code.
struct GlyphEntry {
    QImage surface;     // outline and body on GlyphCapture::Background
    int placementX = 0; // where the surface goes on the glyph cell; always -cellLeft
    int advance = 0;    // advance width of the code's text
    int cellWidth = 0;  // width of the glyph cell, never negative
    int cellLeft = 0;   // surface column that becomes column 0 of the cell
    bool missing = false; // the font has no glyph of its own for the code's
                          // character (code 0, which draws nothing, never is)
};

// One capture of the GlyphFont: the FontBox and the entries of codes 0-255.
// Every surface, and so every glyph cell, is cellHeight pixels high.
//
// The FontBox is the font's own box grown wherever a hinted glyph reaches
// past it, so that every body pixel keeps its outline inside the surface.
// The body is drawn with its pen at column |left| + 1 and the top of its
// character cell at row cellTop: 1, plus the rows the box grew upward.
struct GlyphTable {
    static constexpr int CodeCount = 256;

    FontBox fontBox;
    int cellHeight = 0;
    int cellTop = 1;
    std::array<GlyphEntry, CodeCount> entries;
};

} // namespace orvanta
