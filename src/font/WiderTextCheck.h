#pragma once

#include "GlyphCache.h"
#include "texts/TextChecker.h"

namespace orvanta {

// The check `wider`: a translation the game will draw wider, in the glyphs
// the next save writes, than its original in the game's standard glyphs,
// so it may not fit where the original fits. Fixed records are left out:
// the save writes their original, which the translator cannot change.
class WiderTextCheck {
public:
    static inline const QString Id = QStringLiteral("wider");

    // The check over the two glyph sets; it holds them, so they outlive the
    // cache that made them.
    static TextChecker::Check make(GlyphCache::Entry standard, GlyphCache::Entry saved);
};

} // namespace orvanta
