#pragma once

#include "GlyphTable.h"

#include <QImage>
#include <QPoint>
#include <QSize>

#include <optional>

namespace orvanta {

// A picture of a capture for the translator to look at before packing it:
// the 256 glyph cells in 16 rows of 16 codes (code 16 x row + column),
// enlarged, each in its own slot. A cell stands blue on a dark slot at the
// slot's top-left corner, so its width shows; grey lines part the slots.
// The slot of a code the font has no glyph for is dark red: its cell shows
// what the game would get instead, usually the font's missing-glyph box.
//
// The enlargement (scale) is a whole number, so every game pixel is a
// square of scale x scale sheet pixels; the grid lines stay one pixel wide.
class GlyphSheet {
public:
    static const QRgb GridColour;
    static const QRgb SlotColour;
    static const QRgb MissingSlotColour;

    // The sheet at scaleFor(table).
    static QImage render(const GlyphTable &table);
    // The sheet with the cells enlarged `scale` times (at least 1).
    static QImage render(const GlyphTable &table, int scale);

    // How many times the cells are enlarged: up to 4, so that the sheet
    // stays about 1000 pixels wide and high.
    static int scaleFor(const GlyphTable &table);

    // The size of the sheet at `scale`, without drawing it.
    static QSize size(const GlyphTable &table, int scale);
    // The code whose slot holds `point` of the sheet at `scale`; nothing on
    // a grid line or outside the sheet.
    static std::optional<int> codeAt(const GlyphTable &table, int scale, QPoint point);
};

} // namespace orvanta
