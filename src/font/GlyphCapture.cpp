#include "GlyphCapture.h"

#include "GlyphRasterizer.h"
#include "texts/CodePage.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>
#include <optional>

namespace orvanta {

const QRgb GlyphCapture::Background = qRgb(63, 63, 63);
const QRgb GlyphCapture::Outline = qRgb(0, 0, 0);
const QRgb GlyphCapture::Body = qRgb(255, 255, 255);
const QRgb GlyphCapture::CellBackground = qRgb(0, 0, 255);

namespace {

// Surfaces and cells are 32-bit: Qt's raster engine drops rows of
// monochrome glyphs drawn onto 16-bit images, and every colour the capture
// uses reads back exactly at 32 bits.
constexpr QImage::Format SurfaceFormat = QImage::Format_RGB32;

const QString TooLarge = QStringLiteral("at most %1 fit");

} // namespace

FontBox GlyphCapture::fontBoxOf(const GlyphRasterizer &rasterizer)
{
    if (const auto box = rasterizer.outlineFontBox())
        return *box;
    const GlyphRasterizer::TextMetrics metrics = rasterizer.textMetrics();
    return {0, metrics.height, metrics.maxCharWidth, 0};
}

namespace {

int cellHeightOf(const FontBox &box)
{
    return std::abs(box.top) + std::abs(box.bottom) + 2;
}

std::optional<FormatError> tooHigh(int cellHeight)
{
    if (cellHeight <= GlyphCapture::MaxCellSize)
        return std::nullopt;
    return FormatError::general({}, QStringLiteral("its glyph cells would be %1 pixels high; %2")
                                        .arg(cellHeight).arg(TooLarge.arg(GlyphCapture::MaxCellSize)).toStdString());
}

// The pixels a character's body covers, found by drawing it on a scratch
// surface with room around its character cell: hinting may move a glyph's
// ink past the font's box, and the underline and strike-out lines run the
// width of the advance. The room is half the cell's size on each side, and
// doubles while ink reaches the scratch's edge; ink lying wholly further
// out than that is not seen.
class InkProbe {
public:
    InkProbe(const GlyphRasterizer &rasterizer, QSize cell)
        : m_rasterizer(rasterizer), m_cell(cell), m_margin(std::max(cell.width(), cell.height()) / 2 + 2)
    {
    }

    // The rectangle of the pixels `text` changes when drawn with the top-left
    // corner of its character cell at (0, 0); empty when it draws nothing.
    QRect inkOf(const QString &text)
    {
        if (text.isEmpty())
            return {};
        for (;;) {
            const QRect ink = drawnInk(text);
            if (ink.isEmpty())
                return {};
            const bool touchesEdge = !m_scratch.rect().adjusted(1, 1, -1, -1).contains(ink);
            if (!touchesEdge || m_margin > GlyphCapture::MaxCellSize)
                return ink.translated(-m_margin, -m_margin);
            m_margin *= 2; // the ink may go on past the scratch: look again with more room
        }
    }

private:
    QRect drawnInk(const QString &text)
    {
        const QSize size = m_cell + QSize(2 * m_margin, 2 * m_margin);
        if (m_scratch.size() != size) {
            // One painter serves every code drawn on the scratch.
            m_painter.reset();
            m_scratch = QImage(size, SurfaceFormat);
            m_painter = std::make_unique<QPainter>(&m_scratch);
            m_painter->setRenderHint(QPainter::TextAntialiasing, false);
        }
        m_painter->fillRect(m_scratch.rect(), QColor(GlyphCapture::Background));
        m_rasterizer.drawText(*m_painter, QPoint(m_margin, m_margin), text, QColor(GlyphCapture::Body));
        int left = size.width(), right = -1, top = size.height(), bottom = -1;
        for (int y = 0; y < size.height(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(m_scratch.constScanLine(y));
            for (int x = 0; x < size.width(); ++x) {
                if (line[x] != GlyphCapture::Background) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = y;
                }
            }
        }
        return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
    }

    const GlyphRasterizer &m_rasterizer;
    QSize m_cell;
    int m_margin;
    QImage m_scratch;
    std::unique_ptr<QPainter> m_painter; // ended before the scratch it paints on
};

// `edge` moved `by` pixels outward; `outward` is its sign on an ordinary font.
int grown(int edge, int by, int outward)
{
    return by > 0 ? outward * (std::abs(edge) + by) : edge;
}

} // namespace

Result<GlyphTable> GlyphCapture::CaptureGlyphs(const GlyphRasterizer &rasterizer, const CodePage &codePage)
{
    const FontBox fontBox = fontBoxOf(rasterizer);
    if (auto refused = tooHigh(cellHeightOf(fontBox)))
        return *refused;
    std::array<QString, GlyphTable::CodeCount> texts;
    for (int code = 1; code < GlyphTable::CodeCount; ++code)
        texts[code] = QString(codePage.character(static_cast<unsigned char>(code)));

    // Where the bodies' ink lies when the top-left of their character cell
    // is at (0, 0), and so how far each side of the box must grow for the
    // outline around it to fit: the surface keeps a column left of the
    // pen's |left| columns, a row above the character cell, and a column
    // and a row beyond the box's right and bottom.
    const int left = std::abs(fontBox.left);
    const int right = std::abs(fontBox.right);
    const int top = std::abs(fontBox.top);
    const int bottom = std::abs(fontBox.bottom);
    QRect ink;
    if (!rasterizer.keepsToItsBox()) {
        InkProbe probe(rasterizer, QSize(left + right + 2, cellHeightOf(fontBox)));
        for (const QString &text : texts)
            ink = ink.united(probe.inkOf(text));
    }

    GlyphTable table;
    table.fontBox = fontBox;
    if (!ink.isEmpty()) {
        const int upward = std::max(0, -ink.top());
        table.fontBox = {grown(fontBox.left, std::max(0, -(left + ink.left())), -1), grown(fontBox.top, upward, 1),
                         grown(fontBox.right, std::max(0, ink.right() + 1 - right), 1),
                         grown(fontBox.bottom, std::max(0, ink.bottom() + 1 - top - bottom), -1)};
        table.cellTop = 1 + upward;
    }
    table.cellHeight = cellHeightOf(table.fontBox);
    if (auto refused = tooHigh(table.cellHeight))
        return *refused;
    for (int code = 0; code < GlyphTable::CodeCount; ++code) {
        GlyphEntry &entry = table.entries[code];
        entry = captureCode(rasterizer, table, texts[code]);
        entry.missing = code != 0 && !rasterizer.hasGlyph(texts[code].front());
        if (entry.cellWidth > MaxCellSize)
            return FormatError::inRecord({}, code, QStringLiteral("the glyph cell of code %1 is %2 pixels wide; %3")
                                                       .arg(code).arg(entry.cellWidth).arg(TooLarge.arg(MaxCellSize))
                                                       .toStdString());
    }
    return table;
}

GlyphEntry GlyphCapture::captureCode(const GlyphRasterizer &rasterizer, const GlyphTable &table, const QString &text)
{
    const int left = std::abs(table.fontBox.left);
    const int width = left + std::abs(table.fontBox.right) + 2;
    const int cellHeight = table.cellHeight;
    GlyphEntry entry;
    entry.surface = QImage(width, cellHeight, SurfaceFormat);
    entry.surface.fill(Background);
    {
        QPainter painter(&entry.surface);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        // The outline: the body's position moved by -1, 0 and +1 each way.
        for (int a = -1; a <= 1; ++a)
            for (int b = -1; b <= 1; ++b)
                rasterizer.drawText(painter, QPoint(left + 1 - a, table.cellTop + b), text, QColor(Outline));
        rasterizer.drawText(painter, QPoint(left + 1, table.cellTop), text, QColor(Body));
    }
    entry.advance = rasterizer.textWidth(text);

    // The background is the colour the surface was filled with, not whatever
    // ends up at (0, 0): a glyph that fills the top-left corner of its
    // character cell puts its outline there, and taking that as the
    // background would strip the outline from the glyph.
    int firstInk = width; // x0
    int lastInk = 0;      // x1; column 0 alone never counts
    for (int y = 0; y < cellHeight; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(entry.surface.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            if (line[x] != Background) {
                firstInk = std::min(firstInk, x);
                lastInk = std::max(lastInk, x);
            }
        }
    }
    entry.cellLeft = std::min(firstInk, left);
    entry.cellWidth = std::max(std::max(lastInk - entry.cellLeft + 1, 0), entry.advance);
    entry.placementX = -entry.cellLeft;
    return entry;
}

QImage GlyphCapture::ComposeGlyphCell(const GlyphTable &table, int code)
{
    const GlyphEntry &entry = table.entries[code];
    if (entry.cellWidth == 0)
        return {};
    QImage cell(entry.cellWidth, table.cellHeight, SurfaceFormat);
    cell.fill(CellBackground);
    const int surfaceWidth = entry.surface.width();
    for (int y = 0; y < table.cellHeight; ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(entry.surface.constScanLine(y));
        auto *to = reinterpret_cast<QRgb *>(cell.scanLine(y));
        for (int x = 0; x < entry.cellWidth; ++x) {
            const int source = x - entry.placementX;
            if (source < surfaceWidth && from[source] != Background)
                to[x] = from[source];
        }
    }
    return cell;
}

} // namespace orvanta
