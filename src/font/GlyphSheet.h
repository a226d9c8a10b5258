#pragma once

#include "GlyphTable.h"

#include <QImage>

namespace orvanta {

// A picture of a capture for the translator to look at before packing it:
// the 256 glyph cells in 16 rows of 16 codes (code 16 x row + column),
// enlarged, each in its own slot. A cell stands blue on a dark slot at the
// slot's top-left corner, so its width shows; grey lines part the slots.
// The slot of a code the font has no glyph for is dark red: its cell shows
// what the game would get instead, usually the font's missing-glyph box.
class GlyphSheet {
public:
    static const QRgb GridColour;
    static const QRgb SlotColour;
    static const QRgb MissingSlotColour;

    static QImage render(const GlyphTable &table);

    // How many times the cells are enlarged: up to 4, so that the sheet
    // stays about 1000 pixels wide and high.
    static int scaleFor(const GlyphTable &table);
};

} // namespace orvanta
