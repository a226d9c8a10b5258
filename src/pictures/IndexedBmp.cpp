#include "IndexedBmp.h"

#include "io/FileSaver.h"
#include "core/LittleEndian.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace orvanta {

namespace {

// Walks RLE8 data of a `width` x `height` picture, handing every run and
// every literal to `put(y, x, count, literal, value)` (y counts rows from
// the bottom; `literal` is null for a run of `value`; the piece always lies
// inside the picture). It reads the data as Windows, Qt and Pillow do:
// pixels that a run, a literal or a move puts past the end of a row are
// dropped (ImageMagick's runs cover each row's padding). Only data that
// cannot describe the picture fails: a move past the top row is not valid,
// and data that ends before the end-of-picture mark or the last row is
// truncated.
template <typename Put>
Status walkRle8(const unsigned char *data, std::uint64_t length, int width, int height, Put put)
{
    const auto fail = [&](const char *message, const std::string &why) {
        return FormatError::general({}, std::string(message) + ": " + why);
    };
    const auto truncated = [&](int y) {
        return fail(BmpHeader::ReadErrorMessage, "the run-length data ends in row " + std::to_string(y + 1)
                                                     + " of " + std::to_string(height)
                                                     + " (counted from the bottom), before its end-of-picture mark");
    };
    int x = 0; // never past `width`
    int y = 0;
    std::uint64_t i = 0;
    while (i + 2 <= length && y < height) {
        const unsigned char count = data[i];
        const unsigned char value = data[i + 1];
        i += 2;
        if (count > 0) {
            if (const int kept = std::min<int>(count, width - x); kept > 0)
                put(y, x, kept, nullptr, value);
            x = std::min<int>(width, x + count);
            continue;
        }
        switch (value) {
        case 0: // end of row
            x = 0;
            ++y;
            break;
        case 1: // end of picture
            return Done{};
        case 2: // move right and up
            if (i + 2 > length)
                return truncated(y);
            if (data[i + 1] > height - y)
                return fail(BmpHeader::NotValidMessage,
                            "a move at byte " + std::to_string(i - 2) + " of the run-length data goes "
                                + std::to_string(data[i + 1]) + " rows up from row " + std::to_string(y + 1)
                                + ", past the top of the picture's " + std::to_string(height) + " rows");
            x = std::min<int>(width, x + data[i]);
            y += data[i + 1];
            i += 2;
            break;
        default: // `value` literal indices, padded to an even count
            if (i + value > length)
                return truncated(y);
            if (const int kept = std::min<int>(value, width - x); kept > 0)
                put(y, x, kept, data + i, 0);
            x = std::min<int>(width, x + value);
            i += value + (value & 1);
            break;
        }
    }
    if (y < height)
        return truncated(y);
    return Done{};
}

const unsigned char *pixelData(QByteArrayView file, const BmpHeader &header)
{
    return reinterpret_cast<const unsigned char *>(file.data()) + header.pixelOffset;
}

} // namespace

Status IndexedBmp::check(QByteArrayView file, const BmpHeader &header)
{
    if (header.bitsPerPixel != 8)
        return FormatError::general({}, std::string(BmpHeader::NotValidMessage) + ": "
                                            + std::to_string(header.bitsPerPixel) + " bits per pixel, not 8");
    if (header.compression != BmpHeader::Rle8)
        return Done{}; // BmpHeader::read has seen every row in the file
    return walkRle8(pixelData(file, header), header.pixelBytes, header.width, header.height,
                    [](int, int, int, const unsigned char *, unsigned char) {});
}

Result<QImage> IndexedBmp::decode(QByteArrayView file, const BmpHeader &header)
{
    if (Status readable = check(file, header); !readable)
        return readable.error();
    QImage image(header.width, header.height, QImage::Format_Indexed8);
    if (image.isNull())
        return FormatError::general({}, std::string(BmpHeader::NotValidMessage) + ": a picture of "
                                            + std::to_string(header.width) + " x " + std::to_string(header.height)
                                            + " pixels is too large to hold");
    QList<QRgb> colours;
    for (const PaletteEntry &e : header.palette)
        colours.append(qRgb(e.red, e.green, e.blue));
    image.setColorTable(colours);

    const unsigned char *data = pixelData(file, header);
    if (header.compression == BmpHeader::Rle8) {
        image.fill(0);
        const int height = header.height;
        // check() walked the same data already; a failure here would be its own.
        const Status walked =
            walkRle8(data, header.pixelBytes, header.width, height,
                     [&](int y, int x, int count, const unsigned char *literal, unsigned char value) {
                         uchar *to = image.scanLine(height - 1 - y) + x;
                         if (literal)
                             std::memcpy(to, literal, std::size_t(count));
                         else
                             std::memset(to, value, std::size_t(count));
                     });
        if (!walked)
            return walked.error();
        return image;
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
