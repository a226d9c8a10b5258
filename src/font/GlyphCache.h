#pragma once

#include "GameTextRenderer.h"
#include "GlyphFileWriter.h"
#include "GlyphTable.h"
#include "core/Result.h"

#include <QFont>
#include <QString>

#include <memory>
#include <vector>

namespace orvanta {

// The glyphs of the fonts the kit draws texts with, each font captured once
// per code page: the capture (the glyph sheet and the codes without a glyph
// come from it), the two glyph files a save would write from it, and a
// renderer over those files. Measuring or drawing a text with a font asked
// for before costs no capture.
//
// The game's standard glyphs, in which its source texts are measured, are a
// capture of Arial 8 in the game's code page (standard()).
//
// The cache keeps the most recently used fonts up to its capacity. Capturing
// draws text, so ask the cache on the GUI thread; what it hands out never
// changes and may be read from any thread, and stays valid while held, even
// after the cache has let it go.
class GlyphCache {
public:
    struct Glyphs {
        GlyphTable table;      // the capture
        GlyphFiles files;      // font.spr and fontsize.dat as a save writes them
        GameTextRenderer text; // those files, decoded for drawing and measuring
    };
    using Entry = std::shared_ptr<const Glyphs>;

    static QFont standardFont();

    explicit GlyphCache(int capacity = 8);

    // The glyphs of `font` in code page `codePage`, captured on first use. A
    // font past the glyph files' limits gives the refusal of
    // GlyphFileWriter::captureGlyphFiles; the refusal is kept too, so asking
    // again does not capture again.
    Result<Entry> glyphs(const QFont &font, int codePage);
    // The game's own glyphs: its standard font in `codePage`, the game's
    // code page (that of its source texts).
    Result<Entry> standard(int codePage) { return glyphs(standardFont(), codePage); }

private:
    struct Slot {
        QString key;
        Result<Entry> glyphs;
    };
    std::vector<Slot> m_slots; // least recently used first
    std::size_t m_capacity;
};

} // namespace orvanta
