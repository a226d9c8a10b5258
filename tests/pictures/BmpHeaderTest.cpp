#include "TestBmp.h"
#include "pictures/BmpHeader.h"

#include <gtest/gtest.h>

using namespace orvanta;

TEST(BmpHeader, PixelFormatComesFromTheFileHeader)
{
    using Masks = std::array<std::uint32_t, 3>;
    struct Case {
        int bits;
        std::uint32_t compression;
        std::optional<Masks> masks;
        int headerSize;
        PixelFormat expected;
    };
    const Masks rgb565{0xF800, 0x7E0, 0x1F};
    const Case cases[] = {
        {1, BmpHeader::Rgb, {}, 40, PixelFormat::Bit1},
        {4, BmpHeader::Rgb, {}, 40, PixelFormat::Bit4},
        {4, BmpHeader::Rle4, {}, 40, PixelFormat::Bit4},
        {8, BmpHeader::Rgb, {}, 124, PixelFormat::Bit8},
        {8, BmpHeader::Rle8, {}, 40, PixelFormat::Bit8},
        {16, BmpHeader::Rgb, {}, 40, PixelFormat::Bit15},
        {16, BmpHeader::BitFields, rgb565, 40, PixelFormat::Bit16},
        {16, BmpHeader::BitFields, rgb565, 124, PixelFormat::Bit16},
        {16, BmpHeader::BitFields, Masks{0x7C00, 0x3E0, 0x1F}, 40, PixelFormat::Custom},
        {24, BmpHeader::Rgb, {}, 40, PixelFormat::Bit24},
        {32, BmpHeader::Rgb, {}, 108, PixelFormat::Bit32},
        {32, BmpHeader::BitFields, Masks{0xFF0000, 0xFF00, 0xFF}, 40, PixelFormat::Custom},
    };
    for (const Case &c : cases) {
        TestBmp bmp = TestBmp::blank(5, 3, c.bits);
        bmp.compression = c.compression;
        bmp.masks = c.masks;
        bmp.headerSize = c.headerSize;
        if (c.compression == BmpHeader::Rle8 || c.compression == BmpHeader::Rle4)
            bmp.pixels = QByteArray("\0\1", 2);
        const auto header = BmpHeader::read(bmp.bytes(), "t.bmp");
        ASSERT_TRUE(header.ok()) << c.bits << ": " << header.error().text();
        EXPECT_EQ(header->pixelFormat(), c.expected) << c.bits << " bits, header " << c.headerSize;
        EXPECT_EQ(QSize(header->width, header->height), QSize(5, 3));
    }
}

TEST(BmpHeader, PaletteEntriesKeepTheirFlagsAndStopAtThePixelData)
{
    TestBmp bmp = TestBmp::blank(4, 1, 8);
    bmp.palette = {{10, 20, 30, 0}, {40, 50, 60, 7}, {70, 80, 90, 255}};
    auto header = BmpHeader::read(bmp.bytes(), "p.bmp");
    ASSERT_TRUE(header.ok());
    ASSERT_EQ(header->palette.size(), 3u);
    EXPECT_EQ(header->palette[1], (PaletteEntry{40, 50, 60, 7}));
    EXPECT_EQ(header->palette[2], (PaletteEntry{70, 80, 90, 255}));

    // "0 colours used" means all 256 an 8-bit file can have, but a table
    // never runs into the pixel data: these three are all there is.
    bmp.coloursUsed = 0;
    header = BmpHeader::read(bmp.bytes(), "p.bmp");
    ASSERT_TRUE(header.ok());
    EXPECT_EQ(header->palette.size(), 3u);

    bmp.coloursUsed = 257;
    header = BmpHeader::read(bmp.bytes(), "p.bmp");
    ASSERT_FALSE(header.ok());
    EXPECT_EQ(header.error().what, "Bitmap image is not valid: 257 colours in a picture of 8 bits per pixel, which "
                                   "has at most 256");
}
