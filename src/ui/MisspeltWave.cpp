#include "MisspeltWave.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace orvanta {

const QColor MisspeltWave::Colour(0xE0, 0x10, 0x10);

void MisspeltWave::draw(QPainter &painter, qreal x1, qreal x2, qreal y)
{
    QPainterPath wave(QPointF(x1, y + 1));
    for (qreal x = x1; x < x2; x += 2)
        wave.lineTo(std::min(x + 2, x2), (int((x - x1) / 2) % 2) ? y + 1 : y);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Colour, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(wave);
    painter.restore();
}

QTextCharFormat MisspeltWave::format()
{
    QTextCharFormat wave;
    wave.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    wave.setUnderlineColor(Colour);
    return wave;
}

} // namespace orvanta
