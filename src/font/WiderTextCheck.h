#pragma once

#include "GlyphCache.h"
#include "WiderAllowance.h"
#include "texts/TextChecker.h"

namespace orvanta {

class TextTable;

// The check `wider`: a translation the game will draw wider, in the glyphs
// the next save writes, than its original both in the game's standard
// glyphs and in those glyphs, so it may not fit where the original fits.
// A font that draws everything wider than the game's own is said once, for
// the font (widening()), not on every row: the check then flags only the
// translations wider than the font draws their original, and never an
// untranslated row. Fixed records are left out: the save writes their
// original, which the translator cannot change. The translator's allowance
// lets a translation be that much wider than both before it is flagged.
class WiderTextCheck {
public:
    static inline const QString &Id = TextChecker::Wider;

    // The check over the two glyph sets; it holds them, so they outlive the
    // cache that made them.
    static TextChecker::Check make(GlyphCache::Entry standard, GlyphCache::Entry saved,
                                   WiderAllowance allowance = WiderAllowance());

    // How much wider the saved glyphs draw the originals of `texts` (all
    // but the fixed records) than the standard glyphs, in whole percent,
    // rounded down; 0 when not wider.
    static int widening(const GlyphCache::Entry &standard, const GlyphCache::Entry &saved, const TextTable &texts);
};

} // namespace orvanta
