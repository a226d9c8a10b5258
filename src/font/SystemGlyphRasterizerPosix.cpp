#include "SystemGlyphRasterizer.h"

#include "FontChoice.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
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

// Qt's font engine: the font as the capture draws it, its raw form for
// glyph indexes, advances and tables, and its metrics.
class SystemGlyphRasterizer::Machinery {
public:
    explicit Machinery(const QFont &glyphFont)
        : font(FontChoice::captureFont(glyphFont)), raw(QRawFont::fromFont(font)), metrics(font)
    {
    }

    // The font's glyph for `character`, or 0, its missing-glyph picture, for
    // one it lacks, as GDI draws it. Qt's character map gives a tab the
    // space's glyph when the font has none of its own.
    quint32 glyphOf(QChar character) const
    {
        const quint32 glyph = raw.glyphIndexesForString(QString(character)).value(0);
        if (!raw.supportsCharacter(character)
            || (character == u'\t' && glyph == raw.glyphIndexesForString(QStringLiteral(" ")).value(0)))
            return 0;
        return glyph;
    }

    QList<quint32> glyphsOf(const QString &text) const
    {
        QList<quint32> glyphs;
        for (const QChar character : text)
            glyphs.append(glyphOf(character));
        return glyphs;
    }

    QFont font;
    QRawFont raw;
    QFontMetrics metrics;
};

SystemGlyphRasterizer::SystemGlyphRasterizer(const QFont &glyphFont)
    : m_machinery(std::make_unique<Machinery>(glyphFont))
{
}

SystemGlyphRasterizer::~SystemGlyphRasterizer() = default;

QByteArray SystemGlyphRasterizer::windowlessPlatform()
{
    return QByteArrayLiteral("offscreen");
}

std::optional<FontBox> SystemGlyphRasterizer::outlineFontBox() const
{
    const QByteArray head = m_machinery->raw.fontTable("head");
    if (head.size() < HeadSize)
        return std::nullopt;
    const char *table = head.constData();
    const int unitsPerEm = qFromBigEndian<quint16>(table + UnitsPerEmAt);
    if (unitsPerEm == 0)
        return std::nullopt;
    const double scale = double(m_machinery->font.pixelSize()) / unitsPerEm;
    const auto pixels = [&](int at) { return int(std::lround(qFromBigEndian<qint16>(table + at) * scale)); };
    return FontBox{pixels(XMinAt), pixels(YMaxAt), pixels(XMaxAt), pixels(YMinAt)};
}

bool SystemGlyphRasterizer::keepsToItsBox() const
{
    return false;
}

GlyphRasterizer::TextMetrics SystemGlyphRasterizer::textMetrics() const
{
    return {m_machinery->metrics.ascent() + m_machinery->metrics.descent(), m_machinery->metrics.maxWidth()};
}

bool SystemGlyphRasterizer::hasGlyph(QChar character) const
{
    return m_machinery->glyphOf(character) != 0;
}

int SystemGlyphRasterizer::textWidth(const QString &text) const
{
    double width = 0;
    for (const QPointF &advance : m_machinery->raw.advancesForGlyphIndexes(m_machinery->glyphsOf(text)))
        width += advance.x();
    return qRound(width);
}

void SystemGlyphRasterizer::drawText(QPainter &painter, QPoint cellTopLeft, const QString &text,
                                     const QColor &colour) const
{
    if (text.isEmpty())
        return;
    const QList<quint32> glyphs = m_machinery->glyphsOf(text);
    const QList<QPointF> advances = m_machinery->raw.advancesForGlyphIndexes(glyphs);
    QList<QPointF> positions;
    QPointF pen;
    for (const QPointF &advance : advances) {
        positions.append(pen);
        pen += advance;
    }
    QGlyphRun run;
    run.setRawFont(m_machinery->raw);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    run.setUnderline(m_machinery->font.underline());
    run.setStrikeOut(m_machinery->font.strikeOut());
    painter.setPen(colour);
    painter.drawGlyphRun(QPointF(cellTopLeft.x(), cellTopLeft.y() + m_machinery->metrics.ascent()), run);
}

} // namespace orvanta
