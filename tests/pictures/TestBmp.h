#pragma once

#include <QByteArray>
#include <QImage>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// Writes BMP files field by field, independently of the kit's own writer,
// so that tests can make every variant a translator's editor might save
// (and some no editor should).
struct TestBmp {
    struct Entry {
        std::uint8_t red, green, blue, flags;
    };

    int width = 1;
    int height = 1;
    bool topDown = false;
    int bitsPerPixel = 8;
    int headerSize = 40; // longer headers hold the masks and zeros
    std::uint32_t compression = 0;
    std::vector<Entry> palette;
    std::optional<std::uint32_t> coloursUsed;             // default: palette.size()
    std::optional<std::array<std::uint32_t, 3>> masks;    // after a 40-byte header, else inside
    QByteArray pixels;                                    // as stored; default: zero rows

    QByteArray bytes() const;

    // An uncompressed 8-bit file of an indexed picture, with its colour table
    // as the palette (flags 0).
    static TestBmp indexed8(const QImage &picture);
    // The same picture run-length encoded (RLE8).
    static TestBmp rle8(const QImage &picture);
    // A 24-bit file of any picture, as image editors save true colour.
    static TestBmp rgb24(const QImage &picture);
    // A file of another depth with rows of zeros.
    static TestBmp blank(int width, int height, int bitsPerPixel);
};
