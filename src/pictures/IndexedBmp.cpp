#include "IndexedBmp.h"

#include "io/FileSaver.h"
#include "core/LittleEndian.h"

#include <algorithm>
#include <cstring>

namespace orvanta {

namespace {

// False when the data ends before the end-of-picture mark or the last row.
bool decodeRle8(const unsigned char *data, std::uint64_t length, QImage &image)
{
    const int width = image.width();
    const int height = image.height();
    // Runs count rows from the bottom of the picture. Positions past the
    // row's end stay at the row's end, however far the data moves them.
    int x = 0;
    int y = 0;
    const auto advance = [&](int pixels) { x = std::min(x + pixels, width); };
    const auto put = [&](unsigned char index) {
        if (x < width && y < height)
            image.scanLine(height - 1 - y)[x] = index;
        advance(1);
    };
    std::uint64_t i = 0;
    while (i + 2 <= length && y < height) {
        const unsigned char count = data[i];
        const unsigned char value = data[i + 1];
        i += 2;
        if (count > 0) {
            const int end = std::min(x + count, width);
            while (x < end)
                put(value); // advances x
            continue;
        }
        switch (value) {
        case 0: // end of row
            x = 0;
            ++y;
            break;
        case 1: // end of picture
            return true;
        case 2: // move right and up
            if (i + 2 > length)
                return false;
            advance(data[i]);
            y += data[i + 1];
            i += 2;
            break;
        default: // `value` literal indices, padded to an even count
            if (i + value > length)
                return false;
            for (int k = 0; k < value; ++k)
                put(data[i++]);
            i += value & 1;
            break;
        }
    }
    return y >= height;
}

} // namespace

QImage IndexedBmp::decode(QByteArrayView file, const BmpHeader &header)
{
    if (header.bitsPerPixel != 8)
        return {};
    QImage image(header.width, header.height, QImage::Format_Indexed8);
    if (image.isNull())
        return {};
    QList<QRgb> colours;
    for (const PaletteEntry &e : header.palette)
        colours.append(qRgb(e.red, e.green, e.blue));
    image.setColorTable(colours);

    const auto *data = reinterpret_cast<const unsigned char *>(file.data()) + header.pixelOffset;
    if (header.compression == BmpHeader::Rle8) {
        image.fill(0);
        return decodeRle8(data, header.pixelBytes, image) ? image : QImage();
    }
    const std::uint64_t stride = header.rowStride();
    for (int row = 0; row < header.height; ++row) {
        const int y = header.topDown ? row : header.height - 1 - row;
        std::memcpy(image.scanLine(y), data + stride * std::uint64_t(row), std::size_t(header.width));
    }
    return image;
}

QByteArray IndexedBmp::write(const QImage &picture)
{
    constexpr std::uint32_t HeadersSize = 14 + 40;
    const QList<QRgb> colours = picture.colorTable();
    const auto width = std::uint32_t(picture.width());
    const auto height = std::uint32_t(picture.height());
    const std::uint32_t stride = (width + 3) & ~3u;
    const auto colourCount = std::uint32_t(colours.size());
    const std::uint32_t pixelOffset = HeadersSize + 4 * colourCount;

    std::string out;
    out.reserve(pixelOffset + stride * height);
    out += "BM";
    LittleEndian::append32(out, pixelOffset + stride * height);
    LittleEndian::append32(out, 0);
    LittleEndian::append32(out, pixelOffset);
    LittleEndian::append32(out, 40);
    LittleEndian::append32(out, width);
    LittleEndian::append32(out, height);
    LittleEndian::append16(out, 1); // planes
    LittleEndian::append16(out, 8);
    LittleEndian::append32(out, BmpHeader::Rgb);
    LittleEndian::append32(out, stride * height);
    LittleEndian::append32(out, 0); // pixels per metre: not given
    LittleEndian::append32(out, 0);
    LittleEndian::append32(out, colourCount);
    LittleEndian::append32(out, colourCount);
    for (QRgb c : colours) {
        out.push_back(char(qBlue(c)));
        out.push_back(char(qGreen(c)));
        out.push_back(char(qRed(c)));
        out.push_back('\0');
    }
    for (int y = int(height) - 1; y >= 0; --y) {
        out.append(reinterpret_cast<const char *>(picture.constScanLine(y)), width);
        out.append(stride - width, '\0');
    }
    return QByteArray::fromStdString(out);
}

Status IndexedBmp::save(const QString &path, const QImage &picture)
{
    return FileSaver::save(path, write(picture));
}

} // namespace orvanta
