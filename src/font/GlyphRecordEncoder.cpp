#include "GlyphRecordEncoder.h"

#include "GlyphCapture.h"

#include <array>
#include <limits>
#include <utility>

namespace orvanta {

namespace {

int distance(QRgb a, QRgb b)
{
    const int r = qRed(a) - qRed(b);
    const int g = qGreen(a) - qGreen(b);
    const int bl = qBlue(a) - qBlue(b);
    return r * r + g * g + bl * bl;
}

} // namespace

char GlyphRecordEncoder::pixelCode(QRgb colour)
{
    static const std::array<std::pair<QRgb, char>, 3> Codes{{
        {GlyphCapture::CellBackground, BackgroundCode},
        {GlyphCapture::Outline, OutlineCode},
        {GlyphCapture::Body, BodyCode},
    }};
    char code = BackgroundCode;
    int nearest = std::numeric_limits<int>::max();
    for (const auto &[known, knownCode] : Codes) {
        const int d = distance(colour, known);
        if (d < nearest) {
            nearest = d;
            code = knownCode;
        }
    }
    return code;
}

QByteArray GlyphRecordEncoder::EncodeGlyphRecord(const QImage &cell, int cellHeight)
{
    const QImage pixels = cell.convertToFormat(QImage::Format_RGB32);
    const int width = pixels.width();
    const int height = pixels.isNull() ? 0 : pixels.height();
    const QRgb blue = GlyphCapture::CellBackground;
    const auto row = [&](int y) { return reinterpret_cast<const QRgb *>(pixels.constScanLine(y)); };
    // The first and last ink column of row y; first > last when it has none.
    const auto inkSpan = [&](int y) {
        const QRgb *line = row(y);
        int first = 0;
        while (first < width && line[first] == blue)
            ++first;
        int last = width - 1;
        while (last >= first && line[last] == blue)
            --last;
        return std::pair{first, last};
    };

    int top = 0;
    while (top < height && inkSpan(top).first >= width)
        ++top;
    int bottom = height - 1;
    while (bottom >= top && inkSpan(bottom).first >= width)
        --bottom;

    QByteArray record;
    if (top > bottom) {
        record.append(char(cellHeight));
        record.append(BackgroundCode);
        record.append(RecordEnd);
        return record;
    }
    record.append(char(top));
    for (int y = top; y <= bottom; ++y) {
        const auto [first, last] = inkSpan(y);
        record.append(char(first));
        const QRgb *line = row(y);
        for (int x = first; x <= last; ++x)
            record.append(pixelCode(line[x]));
        if (y != bottom)
            record.append(RowSeparator);
    }
    record.append(RecordEnd);
    return record;
}

} // namespace orvanta
