#pragma once

#include <QHash>
#include <QImage>
#include <QStringList>

// An image as text for comparing pictures in tests: one string per row, each
// pixel the character `legend` gives its colour, '?' for any other colour.
inline QStringList imageText(const QImage &image, const QHash<QRgb, char> &legend)
{
    QStringList rows;
    for (int y = 0; y < image.height(); ++y) {
        QString row;
        for (int x = 0; x < image.width(); ++x)
            row += QLatin1Char(legend.value(image.pixel(x, y), '?'));
        rows.append(row);
    }
    return rows;
}
