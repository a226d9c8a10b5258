#include "GlyphSheetView.h"

#include "FontMessages.h"
#include "font/GlyphSheet.h"

#include <QHelpEvent>
#include <QLabel>
#include <QScrollBar>
#include <QToolTip>

#include <algorithm>

namespace orvanta {

GlyphSheetView::GlyphSheetView(QWidget *parent)
    : QScrollArea(parent)
{
    m_canvas = new QLabel;
    m_canvas->setObjectName(QStringLiteral("GlyphSheetCanvas"));
    m_canvas->installEventFilter(this);
    setWidget(m_canvas);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setBackgroundRole(QPalette::Dark);
}

void GlyphSheetView::setGlyphs(GlyphCache::Entry glyphs, const CodePage &codePage)
{
    m_glyphs = std::move(glyphs);
    m_codePage = codePage;
    m_drawnScale = -1;
    redraw();
}

void GlyphSheetView::setZoom(int zoom)
{
    m_zoom = std::clamp(zoom, int(FitWidth), int(MaxZoom));
    redraw();
}

int GlyphSheetView::scale() const
{
    if (m_zoom != FitWidth)
        return m_zoom;
    if (!m_glyphs)
        return 1;
    const QSize room = maximumViewportSize();
    for (int scale = MaxZoom; scale > 1; --scale) {
        const QSize sheet = GlyphSheet::size(m_glyphs->table, scale);
        const int scrollBar = sheet.height() > room.height() ? verticalScrollBar()->sizeHint().width() : 0;
        if (sheet.width() <= room.width() - scrollBar)
            return scale;
    }
    return 1;
}

void GlyphSheetView::redraw()
{
    const int wanted = m_glyphs ? scale() : 0;
    if (wanted == m_drawnScale)
        return;
    m_drawnScale = wanted;
    m_sheet = m_glyphs ? GlyphSheet::render(m_glyphs->table, wanted) : QImage();
    m_canvas->setPixmap(QPixmap::fromImage(m_sheet));
    m_canvas->resize(m_sheet.size());
}

void GlyphSheetView::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    if (m_zoom == FitWidth)
        redraw();
}

bool GlyphSheetView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_canvas && event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const QString tip = tipAt(help->pos());
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, m_canvas);
        return true;
    }
    return QScrollArea::eventFilter(watched, event);
}

QString GlyphSheetView::tipAt(QPoint point) const
{
    if (!m_glyphs)
        return {};
    const auto code = GlyphSheet::codeAt(m_glyphs->table, m_drawnScale, point);
    if (!code)
        return {};
    const GlyphEntry &entry = m_glyphs->table.entries[*code];
    return FontMessages::glyphCellTip(*code, m_codePage, entry.cellWidth, entry.missing);
}

} // namespace orvanta
