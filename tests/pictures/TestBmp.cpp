#include "TestBmp.h"

namespace {

void put16(QByteArray &out, std::uint32_t v)
{
    out.append(char(v & 0xFF));
    out.append(char((v >> 8) & 0xFF));
}

void put32(QByteArray &out, std::uint32_t v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

int stride(int width, int bits)
{
    return (width * bits + 31) / 32 * 4;
}

std::vector<TestBmp::Entry> entriesOf(const QImage &picture)
{
    std::vector<TestBmp::Entry> entries;
    for (QRgb c : picture.colorTable())
        entries.push_back({std::uint8_t(qRed(c)), std::uint8_t(qGreen(c)), std::uint8_t(qBlue(c)), 0});
    return entries;
}

} // namespace

QByteArray TestBmp::bytes() const
{
    const std::uint32_t maskBytes = masks && headerSize == 40 ? 12 : 0;
    const auto pixelOffset = std::uint32_t(14 + headerSize + maskBytes + 4 * palette.size());
    QByteArray data = pixels;
    if (data.isEmpty())
        data = QByteArray(stride(width, bitsPerPixel) * height, '\0');
    QByteArray out("BM");
    put32(out, pixelOffset + std::uint32_t(data.size()));
    put32(out, 0);
    put32(out, pixelOffset);
    put32(out, std::uint32_t(headerSize));
    put32(out, std::uint32_t(width));
    put32(out, std::uint32_t(topDown ? -height : height));
    put16(out, 1);
    put16(out, std::uint32_t(bitsPerPixel));
    put32(out, compression);
    put32(out, std::uint32_t(data.size()));
    put32(out, 0);
    put32(out, 0);
    put32(out, coloursUsed.value_or(std::uint32_t(palette.size())));
    put32(out, 0);
    if (masks) {
        for (std::uint32_t m : *masks)
            put32(out, m);
    }
    out.append(qsizetype(pixelOffset - 4 * palette.size() - out.size()), '\0');
    for (const Entry &e : palette) {
        out.append(char(e.blue));
        out.append(char(e.green));
        out.append(char(e.red));
        out.append(char(e.flags));
    }
    return out + data;
}

TestBmp TestBmp::indexed8(const QImage &picture)
{
    TestBmp bmp;
    bmp.width = picture.width();
    bmp.height = picture.height();
    bmp.palette = entriesOf(picture);
    const int rowBytes = stride(bmp.width, 8);
    for (int y = bmp.height - 1; y >= 0; --y) {
        QByteArray row(reinterpret_cast<const char *>(picture.constScanLine(y)), bmp.width);
        bmp.pixels += row.leftJustified(rowBytes, '\0');
    }
    return bmp;
}

TestBmp TestBmp::rle8(const QImage &picture)
{
    TestBmp bmp = indexed8(picture);
    bmp.compression = 1;
    bmp.pixels.clear();
    for (int y = bmp.height - 1; y >= 0; --y) {
        const uchar *line = picture.constScanLine(y);
        for (int x = 0; x < bmp.width;) {
            int run = 1;
            while (x + run < bmp.width && run < 255 && line[x + run] == line[x])
                ++run;
            bmp.pixels.append(char(run));
            bmp.pixels.append(char(line[x]));
            x += run;
        }
        bmp.pixels.append(2, '\0'); // end of row
    }
    bmp.pixels.append('\0');
    bmp.pixels.append('\1'); // end of picture
    return bmp;
}

TestBmp TestBmp::rgb24(const QImage &picture)
{
    TestBmp bmp = blank(picture.width(), picture.height(), 24);
    bmp.pixels.clear();
    for (int y = bmp.height - 1; y >= 0; --y) {
        QByteArray row;
        for (int x = 0; x < bmp.width; ++x) {
            const QRgb colour = picture.pixel(x, y);
            row.append(char(qBlue(colour)));
            row.append(char(qGreen(colour)));
            row.append(char(qRed(colour)));
        }
        bmp.pixels += row.leftJustified(stride(bmp.width, 24), '\0');
    }
    return bmp;
}

TestBmp TestBmp::blank(int width, int height, int bitsPerPixel)
{
    TestBmp bmp;
    bmp.width = width;
    bmp.height = height;
    bmp.bitsPerPixel = bitsPerPixel;
    if (bitsPerPixel <= 8) {
        for (int i = 0; i < (1 << bitsPerPixel); ++i)
            bmp.palette.push_back({std::uint8_t(i), std::uint8_t(i), std::uint8_t(i), 0});
    }
    return bmp;
}
