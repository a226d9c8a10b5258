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

// A slot with the grid line on its right and below it.
QSize slotSize(const GlyphTable &table, int scale)
{
    scale = std::max(scale, 1);
    return {widestCell(table) * scale + 1, std::max(table.cellHeight, 1) * scale + 1};
}

} // namespace

int GlyphSheet::scaleFor(const GlyphTable &table)
{
    const int largest = std::max({widestCell(table), table.cellHeight, 1});
    return std::clamp(TargetSize / (Columns * largest), 1, MaxScale);
}

QSize GlyphSheet::size(const GlyphTable &table, int scale)
{
    return slotSize(table, scale) * Columns + QSize(1, 1);
}

std::optional<int> GlyphSheet::codeAt(const GlyphTable &table, int scale, QPoint point)
{
    const QSize slot = slotSize(table, scale);
    const QPoint inSheet = point - QPoint(1, 1); // past the top and left grid lines
    if (inSheet.x() < 0 || inSheet.y() < 0)
        return std::nullopt;
    const int column = inSheet.x() / slot.width();
    const int row = inSheet.y() / slot.height();
    const bool onLine = inSheet.x() % slot.width() == slot.width() - 1 || inSheet.y() % slot.height() == slot.height() - 1;
    if (column >= Columns || row >= Columns || onLine)
        return std::nullopt;
    return row * Columns + column;
}

QImage GlyphSheet::render(const GlyphTable &table)
{
    return render(table, scaleFor(table));
}

QImage GlyphSheet::render(const GlyphTable &table, int scale)
{
    scale = std::max(scale, 1);
    const QSize slot = slotSize(table, scale);
    QImage sheet(size(table, scale), QImage::Format_RGB32);
    sheet.fill(GridColour);
    QPainter painter(&sheet);
    for (int code = 0; code < GlyphTable::CodeCount; ++code) {
        const QPoint at(1 + (code % Columns) * slot.width(), 1 + (code / Columns) * slot.height());
        painter.fillRect(QRect(at, slot - QSize(1, 1)),
                         QColor(table.entries[code].missing ? MissingSlotColour : SlotColour));
        const QImage cell = GlyphCapture::ComposeGlyphCell(table, code);
        if (!cell.isNull())
            painter.drawImage(at, cell.scaled(cell.size() * scale));
    }
    return sheet;
}

} // namespace orvanta
