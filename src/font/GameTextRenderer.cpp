#include "GameTextRenderer.h"

#include "GlyphFileWriter.h"
#include "GlyphRecordEncoder.h"

#include <algorithm>

namespace orvanta {

const QRgb GameTextRenderer::Transparent = qRgba(0, 0, 0, 0);
const QRgb GameTextRenderer::Outline = qRgba(0, 0, 0, 255);
const QRgb GameTextRenderer::Body = qRgba(255, 255, 255, 255);

Result<GameTextRenderer> GameTextRenderer::fromFiles(QByteArrayView fontSpr, QByteArrayView fontSizeDat)
{
    GlyphFileDecoder::Decoded decoded = GlyphFileDecoder::decode(fontSpr, GlyphFileWriter::FontFileName.toStdString());
    if (!decoded.problems.empty())
        return decoded.problems.front();
    if (fontSizeDat.size() != GlyphTable::CodeCount)
        return GlyphFileDecoder::checkSizes(decoded, fontSizeDat, GlyphFileWriter::SizeFileName.toStdString()).front();

    GameTextRenderer renderer;
    for (int code = 0; code < GlyphTable::CodeCount; ++code) {
        renderer.m_widths[code] = quint8(fontSizeDat[code]);
        const GlyphFileDecoder::Glyph &glyph = decoded.glyphs[code];
        if (!glyph.blank)
            renderer.m_cellHeight = std::max(renderer.m_cellHeight, glyph.top + int(glyph.rows.size()));
    }
    renderer.m_cellHeight = decoded.cellHeight.value_or(renderer.m_cellHeight);
    renderer.m_glyphs = std::move(decoded.glyphs);
    return renderer;
}

int GameTextRenderer::width(QByteArrayView text) const
{
    int width = 0;
    for (const char byte : text)
        width += m_widths[quint8(byte)];
    return width;
}

QImage GameTextRenderer::render(QByteArrayView text) const
{
    const int pictureWidth = width(text);
    if (pictureWidth == 0 || m_cellHeight == 0)
        return {};
    QImage picture(pictureWidth, m_cellHeight, QImage::Format_ARGB32);
    picture.fill(Transparent);
    int left = 0;
    for (const char byte : text) {
        const GlyphFileDecoder::Glyph &glyph = m_glyphs[quint8(byte)];
        for (std::size_t i = 0; !glyph.blank && i < glyph.rows.size(); ++i) {
            const GlyphFileDecoder::Row &row = glyph.rows[i];
            auto *line = reinterpret_cast<QRgb *>(picture.scanLine(glyph.top + int(i)));
            const int start = left + row.first;
            const int end = std::min<qsizetype>(pictureWidth, start + row.codes.size());
            for (int x = start; x < end; ++x) {
                const char code = row.codes[x - start];
                if (code == GlyphRecordEncoder::OutlineCode)
                    line[x] = Outline;
                else if (code == GlyphRecordEncoder::BodyCode)
                    line[x] = Body;
            }
        }
        left += m_widths[quint8(byte)];
    }
    return picture;
}

} // namespace orvanta
