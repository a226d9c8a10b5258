#pragma once

#include <QColor>
#include <QTextCharFormat>

class QPainter;

namespace orvanta {

// The red wave under a misspelt word, as the grid's cells and the
// translation's label draw it; the editors of a translation (the cell
// editor, the editing pane) show it through a text format.
class MisspeltWave {
public:
    static const QColor Colour;

    // A wave under x1..x2 (pixels), 2 pixels high, its top at y.
    static void draw(QPainter &painter, qreal x1, qreal x2, qreal y);
    // The format that waves a misspelt word in a text editor.
    static QTextCharFormat format();
};

} // namespace orvanta
