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
};

// One capture of the GlyphFont: the FontBox and the entries of codes 0-255.
// Every surface, and so every glyph cell, is cellHeight pixels high.
struct GlyphTable {
    static constexpr int CodeCount = 256;

    FontBox fontBox;
    int cellHeight = 0;
    std::array<GlyphEntry, CodeCount> entries;
};

} // namespace orvanta
