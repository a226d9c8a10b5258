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
        PixelFormat expected;
    };
    const Case cases[] = {
        {1, BmpHeader::Rgb, {}, PixelFormat::Bit1},
        {4, BmpHeader::Rgb, {}, PixelFormat::Bit4},
        {4, BmpHeader::Rle4, {}, PixelFormat::Bit4},
        {8, BmpHeader::Rgb, {}, PixelFormat::Bit8},
        {8, BmpHeader::Rle8, {}, PixelFormat::Bit8},
        {16, BmpHeader::Rgb, {}, PixelFormat::Bit15},
        {16, BmpHeader::BitFields, Masks{0xF800, 0x7E0, 0x1F}, PixelFormat::Bit16},
        {16, BmpHeader::BitFields, Masks{0x7C00, 0x3E0, 0x1F}, PixelFormat::Custom},
        {24, BmpHeader::Rgb, {}, PixelFormat::Bit24},
        {32, BmpHeader::Rgb, {}, PixelFormat::Bit32},
        {32, BmpHeader::BitFields, Masks{0xFF0000, 0xFF00, 0xFF}, PixelFormat::Custom},
    };
    for (const Case &c : cases) {
        TestBmp bmp = TestBmp::blank(5, 3, c.bits);
        bmp.compression = c.compression;
        bmp.masks = c.masks;
        if (c.compression == BmpHeader::Rle8 || c.compression == BmpHeader::Rle4)
            bmp.pixels = QByteArray("\0\1", 2);
        const auto header = BmpHeader::read(bmp.bytes(), "t.bmp");
        ASSERT_TRUE(header.ok()) << c.bits << ": " << header.error().text();
        EXPECT_EQ(header->pixelFormat(), c.expected) << c.bits << " bits, compression " << c.compression;
        EXPECT_EQ(header->width, 5);
        EXPECT_EQ(header->height, 3);
    }
}

TEST(BmpHeader, MasksInsideALongerHeaderCount)
{
    // A V5 header (124 bytes) carries its masks itself.
    TestBmp bmp = TestBmp::blank(2, 2, 16);
    bmp.compression = BmpHeader::BitFields;
    QByteArray file = bmp.bytes();
    QByteArray v5(124 - 40, '\0');
    v5[0] = char(0x00), v5[1] = char(0xF8);  // red 0xF800
    v5[4] = char(0xE0), v5[5] = char(0x07);  // green 0x7E0
    v5[8] = char(0x1F);                      // blue 0x1F
    file.insert(14 + 40, v5);
    file[14] = char(124);
    file[10] = char(14 + 124);
    const auto header = BmpHeader::read(file, "v5.bmp");
    ASSERT_TRUE(header.ok()) << header.error().text();
    EXPECT_EQ(header->greenMask, 0x7E0u);
    EXPECT_EQ(header->pixelFormat(), PixelFormat::Bit16);
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
    EXPECT_EQ(header.error().what, "Bitmap image is not valid");
}

TEST(BmpHeader, CoreHeaderFilesHaveThreeByteEntries)
{
    QByteArray file("BM", 2);
    file += QByteArray("\0\0\0\0\0\0\0\0", 8);
    file += QByteArray("\x20\0\0\0", 4);                         // pixels at 14 + 12 + 2 x 3
    file += QByteArray("\x0C\0\0\0\x03\0\x02\0\x01\0\x01\0", 12); // 3 x 2, 1 bit
    file += QByteArray("\x01\x02\x03\x04\x05\x06", 6);            // blue, green, red
    file += QByteArray(8, '\0');
    const auto header = BmpHeader::read(file, "core.bmp");
    ASSERT_TRUE(header.ok()) << header.error().text();
    EXPECT_EQ(header->width, 3);
    EXPECT_EQ(header->height, 2);
    EXPECT_EQ(header->pixelFormat(), PixelFormat::Bit1);
    ASSERT_EQ(header->palette.size(), 2u);
    EXPECT_EQ(header->palette[1], (PaletteEntry{6, 5, 4, 0}));
}

TEST(BmpHeader, RunLengthDataIsAsLongAsTheHeaderSays)
{
    TestBmp bmp = TestBmp::blank(4, 4, 8);
    bmp.compression = BmpHeader::Rle8;
    bmp.pixels = QByteArray("\x04\x01\0\0\0\1", 6);
    QByteArray file = bmp.bytes();
    EXPECT_TRUE(BmpHeader::read(file, "r.bmp").ok());
    file.chop(1);
    const auto cut = BmpHeader::read(file, "r.bmp");
    ASSERT_FALSE(cut.ok());
    EXPECT_EQ(cut.error().what, "Stream read error");

    bmp.topDown = true; // run-length files are bottom-up only
    const auto topDown = BmpHeader::read(bmp.bytes(), "r.bmp");
    ASSERT_FALSE(topDown.ok());
    EXPECT_EQ(topDown.error().what, "Bitmap image is not valid");
}
