// libFuzzer harness: arbitrary bytes as "font.spr" followed by the 256
// bytes of "fontsize.dat" (shorter inputs are all font.spr), decoded and
// checked as kvtool verify does. A font.spr with no findings must be
// exactly the file the kit's writer assembles from the decoded records, and
// the game-text renderer must take exactly those files and draw every code
// of them.
#include "font/GameTextRenderer.h"
#include "font/GlyphFileDecoder.h"
#include "font/GlyphFileWriter.h"

#include <cstddef>
#include <cstdint>

using namespace orvanta;

namespace {

QByteArray recordOf(const GlyphFileDecoder::Glyph &glyph)
{
    QByteArray record(1, char(glyph.top));
    if (glyph.blank)
        return record + QByteArray("\x00\xFF", 2);
    for (std::size_t i = 0; i < glyph.rows.size(); ++i) {
        record += char(glyph.rows[i].first) + glyph.rows[i].codes;
        record += char(i + 1 < glyph.rows.size() ? 0xFE : 0xFF);
    }
    return record;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const qsizetype sizesLength = size > 256 ? 256 : 0;
    const QByteArrayView fontSpr(data, qsizetype(size) - sizesLength);
    const QByteArrayView fontSizeDat(data + fontSpr.size(), sizesLength);
    const auto decoded = GlyphFileDecoder::decode(fontSpr, "font.spr");
    GlyphFileDecoder::checkSizes(decoded, fontSizeDat, "fontsize.dat");
    const auto renderer = GameTextRenderer::fromFiles(fontSpr, fontSizeDat);
    if (renderer.ok() != (decoded.problems.empty() && fontSizeDat.size() == 256))
        __builtin_trap();
    if (renderer) {
        QByteArray everyCode(256, '\0');
        for (int code = 0; code < 256; ++code)
            everyCode[code] = char(code);
        const QImage drawn = renderer->render(everyCode);
        if (!drawn.isNull() && (drawn.width() != renderer->width(everyCode) || drawn.height() != renderer->cellHeight()))
            __builtin_trap();
    }
    if (!decoded.problems.empty())
        return 0;
    QList<QByteArray> records;
    for (const auto &glyph : decoded.glyphs) {
        if (!glyph.sound)
            __builtin_trap();
        records.append(recordOf(glyph));
    }
    const auto assembled = GlyphFileWriter::assembleFontFile(records);
    if (!assembled || *assembled != fontSpr)
        __builtin_trap();
    return 0;
}
