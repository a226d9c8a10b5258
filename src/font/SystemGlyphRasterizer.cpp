#include "SystemGlyphRasterizer.h"

#include "FontChoice.h"

#include <QGlyphRun>
#include <QPainter>
#include <QtEndian>

#include <cmath>

namespace orvanta {

namespace {

// Offsets in the 'head' table (big-endian).
constexpr int UnitsPerEmAt = 18;
constexpr int XMinAt = 36;
constexpr int YMinAt = 38;
constexpr int XMaxAt = 40;
constexpr int YMaxAt = 42;
constexpr int HeadSize = 54;

} // namespace

SystemGlyphRasterizer::SystemGlyphRasterizer(const QFont &glyphFont)
    : m_font(FontChoice::captureFont(glyphFont))
    , m_raw(QRawFont::fromFont(m_font))
    , m_metrics(m_font)
{
}

QByteArray SystemGlyphRasterizer::windowlessPlatform()
{
#ifdef Q_OS_WIN
    return QByteArrayLiteral("windows");
#else
    return QByteArrayLiteral("offscreen");
#endif
}

std::optional<FontBox> SystemGlyphRasterizer::outlineFontBox() const
{
    const QByteArray head = m_raw.fontTable("head");
    if (head.size() < HeadSize)
        return std::nullopt;
    const char *table = head.constData();
    const int unitsPerEm = qFromBigEndian<quint16>(table + UnitsPerEmAt);
    if (unitsPerEm == 0)
        return std::nullopt;
    const double scale = double(m_font.pixelSize()) / unitsPerEm;
    const auto pixels = [&](int at) { return int(std::lround(qFromBigEndian<qint16>(table + at) * scale)); };
    return FontBox{pixels(XMinAt), pixels(YMaxAt), pixels(XMaxAt), pixels(YMinAt)};
}

GlyphRasterizer::TextMetrics SystemGlyphRasterizer::textMetrics() const
{
    return {m_metrics.ascent() + m_metrics.descent(), m_metrics.maxWidth()};
}

bool SystemGlyphRasterizer::hasGlyph(QChar character) const
{
    return m_raw.supportsCharacter(character);
}

int SystemGlyphRasterizer::textWidth(const QString &text) const
{
    double width = 0;
    for (const QPointF &advance : m_raw.advancesForGlyphIndexes(m_raw.glyphIndexesForString(text)))
        width += advance.x();
    return qRound(width);
}

void SystemGlyphRasterizer::drawText(QPainter &painter, QPoint cellTopLeft, const QString &text,
                                     const QColor &colour) const
{
    if (text.isEmpty())
        return;
    const QList<quint32> glyphs = m_raw.glyphIndexesForString(text);
    const QList<QPointF> advances = m_raw.advancesForGlyphIndexes(glyphs);
    QList<QPointF> positions;
    QPointF pen;
    for (const QPointF &advance : advances) {
        positions.append(pen);
        pen += advance;
    }
    QGlyphRun run;
    run.setRawFont(m_raw);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    run.setUnderline(m_font.underline());
    run.setStrikeOut(m_font.strikeOut());
    painter.setPen(colour);
    painter.drawGlyphRun(QPointF(cellTopLeft.x(), cellTopLeft.y() + m_metrics.ascent()), run);
}

} // namespace orvanta
