#include "GlyphCache.h"

#include "FontChoice.h"
#include "texts/CodePage.h"

#include <algorithm>

namespace orvanta {

namespace {

Result<GlyphCache::Entry> capture(const QFont &font, int codePage)
{
    GlyphTable table;
    Result<GlyphFiles> files = GlyphFileWriter::captureGlyphFiles(font, CodePage(codePage), &table);
    if (!files)
        return files.error();
    Result<GameTextRenderer> text = GameTextRenderer::fromFiles(files->fontSpr, files->fontSizeDat);
    if (!text)
        return text.error();
    return GlyphCache::Entry(
        std::make_shared<const GlyphCache::Glyphs>(GlyphCache::Glyphs{std::move(table), std::move(*files), std::move(*text)}));
}

} // namespace

QFont GlyphCache::standardFont()
{
    return FontChoice::defaultFont();
}

GlyphCache::GlyphCache(int capacity)
    : m_capacity(std::size_t(std::max(capacity, 1)))
{
}

Result<GlyphCache::Entry> GlyphCache::glyphs(const QFont &font, int codePage)
{
    // Two fonts that the capture draws alike share an entry.
    const QString key = FontChoice::captureFont(font).toString() + QLatin1Char('|') + QString::number(codePage);
    const auto found = std::find_if(m_slots.begin(), m_slots.end(), [&](const Slot &slot) { return slot.key == key; });
    if (found != m_slots.end()) {
        std::rotate(found, found + 1, m_slots.end());
        return m_slots.back().glyphs;
    }
    if (m_slots.size() == m_capacity)
        m_slots.erase(m_slots.begin());
    m_slots.push_back({key, capture(font, codePage)});
    return m_slots.back().glyphs;
}

} // namespace orvanta
