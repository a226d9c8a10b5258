#pragma once

#include <QCoreApplication>
#include <QStringList>

namespace orvanta {

// kvtool glyphs: captures a font as the game's glyph files, as a save does,
// and optionally draws a preview sheet of the 256 glyph cells.
class GlyphsCommand {
    // Its help in the system's language: one context for all of kvtool's help.
    Q_DECLARE_TR_FUNCTIONS(orvanta::KvTool)

public:
    static int run(const QStringList &args);
};

} // namespace orvanta
