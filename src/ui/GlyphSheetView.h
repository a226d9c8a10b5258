#pragma once

#include "font/GlyphCache.h"
#include "texts/CodePage.h"

#include <QImage>
#include <QScrollArea>

class QLabel;

namespace orvanta {

// The glyph sheet of the Font page: the 256 glyph cells the next save
// writes, drawn by GlyphSheet at a zoom the translator picks or at the
// largest zoom at which the sheet is no wider than the view, scrolling when
// the sheet is larger than the view. A cell's tooltip names its code, the
// code page's character for it and its width, and says when the font has no
// glyph for it.
//
// The view holds the glyphs it shows (shared, never changed) and draws the
// sheet again only when they or the zoom in use change.
class GlyphSheetView : public QScrollArea {
    Q_OBJECT

public:
    // The zooms offered: a whole enlargement, or FitWidth.
    static constexpr int FitWidth = 0;
    static constexpr int MaxZoom = 4;

    explicit GlyphSheetView(QWidget *parent = nullptr);

    // The glyphs to show, in `codePage`; none shows an empty view.
    void setGlyphs(GlyphCache::Entry glyphs, const CodePage &codePage);
    // 1 to MaxZoom, or FitWidth.
    void setZoom(int zoom);
    // The enlargement in use: the chosen one, or for FitWidth the largest
    // (at least 1) at which the sheet's width fits the view; the sheet
    // then scrolls up and down only.
    int scale() const;
    // The sheet on show; null when there are no glyphs.
    const QImage &sheet() const { return m_sheet; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void redraw();
    QString tipAt(QPoint point) const;

    QLabel *m_canvas = nullptr;
    GlyphCache::Entry m_glyphs;
    CodePage m_codePage;
    int m_zoom = FitWidth;
    int m_drawnScale = -1; // the scale of m_sheet, 0 for no glyphs; -1: draw again
    QImage m_sheet;
};

} // namespace orvanta
