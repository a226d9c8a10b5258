#include "GlyphSheet.h"

#include "GlyphCapture.h"

#include <QPainter>

#include <algorithm>

namespace orvanta {

const QRgb GlyphSheet::GridColour = qRgb(128, 128, 128);
const QRgb GlyphSheet::SlotColour = qRgb(32, 32, 32);
const QRgb GlyphSheet::MissingSlotColour = qRgb(112, 16, 16);

namespace {

constexpr int Columns = 16;
constexpr int MaxScale = 4;
constexpr int TargetSize = 1000;

int widestCell(const GlyphTable &table)
{
    int widest = 1;
    for (const GlyphEntry &entry : table.entries)
        widest = std::max(widest, entry.cellWidth);
    return widest;
}

} // namespace

int GlyphSheet::scaleFor(const GlyphTable &table)
{
    const int largest = std::max({widestCell(table), table.cellHeight, 1});
    return std::clamp(TargetSize / (Columns * largest), 1, MaxScale);
}

QImage GlyphSheet::render(const GlyphTable &table)
{
    const int scale = scaleFor(table);
    const int slotWidth = widestCell(table) * scale + 1;
    const int slotHeight = std::max(table.cellHeight, 1) * scale + 1;
    QImage sheet(Columns * slotWidth + 1, Columns * slotHeight + 1, QImage::Format_RGB32);
    sheet.fill(GridColour);
    QPainter painter(&sheet);
    for (int code = 0; code < GlyphTable::CodeCount; ++code) {
        const QPoint slot(1 + (code % Columns) * slotWidth, 1 + (code / Columns) * slotHeight);
        painter.fillRect(QRect(slot, QSize(slotWidth - 1, slotHeight - 1)),
                         QColor(table.entries[code].missing ? MissingSlotColour : SlotColour));
        const QImage cell = GlyphCapture::ComposeGlyphCell(table, code);
        if (!cell.isNull())
            painter.drawImage(slot, cell.scaled(cell.size() * scale));
    }
    return sheet;
}

} // namespace orvanta
