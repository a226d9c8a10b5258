#pragma once

#include <QStringList>

namespace orvanta {

// kvtool glyphs: captures a font as the game's glyph files, as a save does,
// and optionally draws a preview sheet of the 256 glyph cells.
class GlyphsCommand {
public:
    static int run(const QStringList &args);
};

} // namespace orvanta
