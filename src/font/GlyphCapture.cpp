#include "GlyphCapture.h"

#include "GlyphRasterizer.h"
#include "texts/CodePage.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>

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

Result<GlyphTable> GlyphCapture::CaptureGlyphs(const GlyphRasterizer &rasterizer, const CodePage &codePage)
{
    GlyphTable table;
    table.fontBox = fontBoxOf(rasterizer);
    table.cellHeight = std::abs(table.fontBox.top) + std::abs(table.fontBox.bottom) + 2;
    if (table.cellHeight > MaxCellSize)
        return FormatError::general({}, QStringLiteral("its glyph cells would be %1 pixels high; %2")
                                            .arg(table.cellHeight).arg(TooLarge.arg(MaxCellSize)).toStdString());
    for (int code = 0; code < GlyphTable::CodeCount; ++code) {
        const QString text = code == 0 ? QString() : QString(codePage.character(static_cast<unsigned char>(code)));
        GlyphEntry &entry = table.entries[code];
        entry = captureCode(rasterizer, table.fontBox, table.cellHeight, text);
        if (entry.cellWidth > MaxCellSize)
            return FormatError::inRecord({}, code, QStringLiteral("the glyph cell of code %1 is %2 pixels wide; %3")
                                                       .arg(code).arg(entry.cellWidth).arg(TooLarge.arg(MaxCellSize))
                                                       .toStdString());
    }
    return table;
}

GlyphEntry GlyphCapture::captureCode(const GlyphRasterizer &rasterizer, const FontBox &box, int cellHeight,
                                     const QString &text)
{
    const int left = std::abs(box.left);
    const int width = left + std::abs(box.right) + 2;
    GlyphEntry entry;
    entry.surface = QImage(width, cellHeight, SurfaceFormat);
    entry.surface.fill(Background);
    {
        QPainter painter(&entry.surface);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        // The outline: the body's position moved by -1, 0 and +1 each way.
        for (int a = -1; a <= 1; ++a)
            for (int b = -1; b <= 1; ++b)
                rasterizer.drawText(painter, QPoint(left + 1 - a, 1 + b), text, QColor(Outline));
        rasterizer.drawText(painter, QPoint(left + 1, 1), text, QColor(Body));
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
