#pragma once

#include <QColor>

class QPainter;

namespace orvanta {

// The red wave under a misspelt word, as the grid's cells and the
// translation's label draw it; the cell editor shows the same colour
// through a wave-underlined text format.
class MisspeltWave {
public:
    static const QColor Colour;

    // A wave under x1..x2 (pixels), 2 pixels high, its top at y.
    static void draw(QPainter &painter, qreal x1, qreal x2, qreal y);
};

} // namespace orvanta
