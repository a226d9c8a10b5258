#include "font/GlyphCapture.h"
#include "font/GlyphRecordEncoder.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace orvanta;

namespace {

// A glyph cell drawn as text: '.' blue, '#' black, 'o' white.
QImage cellOf(const QStringList &rows)
{
    QImage cell(int(rows.first().size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < cell.height(); ++y) {
        for (int x = 0; x < cell.width(); ++x) {
            const QChar c = rows[y][x];
            cell.setPixel(x, y, c == '#' ? GlyphCapture::Outline : c == 'o' ? GlyphCapture::Body
                                                                            : GlyphCapture::CellBackground);
        }
    }
    return cell;
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

} // namespace

TEST(GlyphRecordEncoder, WorkedExample)
{
    const QImage cell = cellOf({"....", ".#o#", "###."});
    EXPECT_EQ(GlyphRecordEncoder::EncodeGlyphRecord(cell, 3),
              bytes({0x01, 0x01, 0x1B, 0x21, 0x1B, 0xFE, 0x00, 0x1B, 0x1B, 0x1B, 0xFF}));
}

TEST(GlyphRecordEncoder, RecordsOfCellsWithInk)
{
    struct Case {
        const char *what;
        QStringList rows;
        QByteArray record;
    };
    const Case cases[] = {
        {"a row without ink between rows with ink is First = width, then the separator",
         {"#o#", "...", ".#."},
         bytes({0x00, 0x00, 0x1B, 0x21, 0x1B, 0xFE, 0x03, 0xFE, 0x01, 0x1B, 0xFF})},
        {"blue between ink is coded; trailing blue is not; rows below the last ink are left out",
         {"..#..#..", "........", "........"},
         bytes({0x00, 0x02, 0x1B, 0x00, 0x00, 0x1B, 0xFF})},
        {"one pixel in the last row and column",
         {"..", ".o"},
         bytes({0x01, 0x01, 0x21, 0xFF})},
    };
    for (const Case &c : cases)
        EXPECT_EQ(GlyphRecordEncoder::EncodeGlyphRecord(cellOf(c.rows), int(c.rows.size())).toHex(' '),
                  c.record.toHex(' '))
            << c.what;
}

TEST(GlyphRecordEncoder, CellsWithoutInkAreHeightZeroEnd)
{
    EXPECT_EQ(GlyphRecordEncoder::EncodeGlyphRecord(QImage(), 15), bytes({15, 0x00, 0xFF})) << "width 0";
    EXPECT_EQ(GlyphRecordEncoder::EncodeGlyphRecord(cellOf({"...", "...", "...", "..."}), 4),
              bytes({4, 0x00, 0xFF}));
}

TEST(GlyphRecordEncoder, OtherColoursTakeTheNearestCodeAndCountAsInk)
{
    QImage cell = cellOf({"....", "...."});
    cell.setPixel(1, 1, qRgb(200, 200, 200)); // a light smoothing pixel
    cell.setPixel(2, 1, qRgb(60, 60, 60));    // a dark one
    cell.setPixel(3, 1, qRgb(20, 20, 230));   // almost blue, still ink
    EXPECT_EQ(GlyphRecordEncoder::EncodeGlyphRecord(cell, 2), bytes({0x01, 0x01, 0x21, 0x1B, 0x00, 0xFF}));
    for (QRgb colour : {qRgb(254, 254, 254), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(127, 127, 127)}) {
        const char code = GlyphRecordEncoder::pixelCode(colour);
        EXPECT_TRUE(code == 0x00 || code == 0x1B || code == 0x21) << std::hex << colour;
    }
}
