#include "font/FontChoice.h"
#include "font/GlyphCapture.h"
#include "font/GlyphFileDecoder.h"
#include "font/GlyphFileWriter.h"
#include "font/GlyphRecordEncoder.h"
#include "texts/CodePage.h"

#include <QtEndian>

#include <gtest/gtest.h>

using namespace orvanta;

namespace {

using Lines = std::vector<std::string>;

Lines linesOf(const std::vector<FormatError> &findings)
{
    Lines lines;
    for (const FormatError &finding : findings)
        lines.push_back(finding.text());
    return lines;
}

// The code each pixel of a cell stands for: 0x00 for background, whether
// stored between ink or not stored at all.
std::vector<char> codesOfCell(const QImage &cell, int width, int height)
{
    std::vector<char> codes(std::size_t(width * height), GlyphRecordEncoder::BackgroundCode);
    for (int y = 0; y < height && !cell.isNull(); ++y)
        for (int x = 0; x < width; ++x)
            if (cell.pixel(x, y) != GlyphCapture::CellBackground)
                codes[std::size_t(y * width + x)] = GlyphRecordEncoder::pixelCode(cell.pixel(x, y));
    return codes;
}

std::vector<char> codesOfRecord(const GlyphFileDecoder::Glyph &glyph, int width, int height)
{
    std::vector<char> codes(std::size_t(width * height), GlyphRecordEncoder::BackgroundCode);
    for (std::size_t i = 0; !glyph.blank && i < glyph.rows.size(); ++i) {
        const auto &row = glyph.rows[i];
        for (qsizetype k = 0; k < row.codes.size(); ++k) {
            const int x = row.first + int(k);
            const int y = glyph.top + int(i);
            if (x < width && y < height)
                codes[std::size_t(y * width + x)] = row.codes[k];
        }
    }
    return codes;
}

// A font.spr of blank cells 10 pixels high, whose code 65 is the worked
// example (a 4 x 3 picture, rows 1 and 2 inked) and code 66 has a row
// without ink between two inked ones; cells are 5 pixels wide.
struct SmallFont {
    QList<QByteArray> records{256, QByteArray("\x0A\x00\xFF", 3)};
    QByteArray sizes{256, '\x05'};

    SmallFont()
    {
        records[65] = QByteArray::fromHex("01011b211bfe001b1b1bff");
        records[66] = QByteArray::fromHex("02021bfe05fe001b1bff");
    }
    QByteArray file() const { return *GlyphFileWriter::assembleFontFile(records); }
};

int offsetOf(const QByteArray &fontSpr, int code)
{
    return qFromLittleEndian<quint16>(fontSpr.constData() + 2 + 2 * code);
}

void setOffset(QByteArray &fontSpr, int code, int offset)
{
    qToLittleEndian<quint16>(quint16(offset), fontSpr.data() + 2 + 2 * code);
}

} // namespace

TEST(GlyphFileDecoder, CapturedFontsReadBackAsTheirCells)
{
    QFont styled = FontChoice::defaultFont();
    styled.setBold(true);
    styled.setItalic(true);
    styled.setUnderline(true);
    QFont large = FontChoice::defaultFont();
    large.setPointSize(20);
    for (const QFont &font : {FontChoice::defaultFont(), styled, large}) {
        GlyphTable table;
        const auto files = GlyphFileWriter::captureGlyphFiles(font, CodePage(1252), &table);
        ASSERT_TRUE(files.ok()) << files.error().text();
        const auto decoded = GlyphFileDecoder::decode(files->fontSpr, "font.spr");
        EXPECT_EQ(linesOf(decoded.problems), Lines{}) << font.toString().toStdString();
        EXPECT_EQ(linesOf(GlyphFileDecoder::checkSizes(decoded, files->fontSizeDat, "fontsize.dat")), Lines{});
        EXPECT_EQ(decoded.cellHeight, table.cellHeight);
        for (int code = 0; code < 256; ++code) {
            const int width = table.entries[code].cellWidth;
            const QImage cell = GlyphCapture::ComposeGlyphCell(table, code);
            ASSERT_TRUE(decoded.glyphs[code].sound) << code;
            EXPECT_EQ(codesOfRecord(decoded.glyphs[code], width, table.cellHeight),
                      codesOfCell(cell, width, table.cellHeight))
                << font.toString().toStdString() << ", code " << code;
        }
    }
}

TEST(GlyphFileDecoder, SmallFontDecodesRowByRow)
{
    const SmallFont font;
    const auto decoded = GlyphFileDecoder::decode(font.file(), "FONT.SPR");
    EXPECT_EQ(linesOf(decoded.problems), Lines{});
    EXPECT_EQ(decoded.cellHeight, 10);
    const auto &a = decoded.glyphs[65];
    EXPECT_FALSE(a.blank);
    EXPECT_EQ(a.top, 1);
    ASSERT_EQ(a.rows.size(), 2u);
    EXPECT_EQ(a.rows[0].first, 1);
    EXPECT_EQ(a.rows[0].codes, QByteArray::fromHex("1b211b"));
    EXPECT_EQ(a.rows[1].first, 0);
    EXPECT_EQ(decoded.glyphs[66].rows[1].codes, QByteArray()) << "the row without ink";
    EXPECT_TRUE(decoded.glyphs[0].blank);
}

TEST(GlyphFileDecoder, EachDamageIsReportedWhereItIs)
{
    const SmallFont small;
    const QByteArray good = small.file();
    const int a = offsetOf(good, 65);  // 'A': 11 bytes
    const int b = offsetOf(good, 66);  // 'B': 10 bytes
    struct Case {
        const char *what;
        std::function<void(QByteArray &)> damage;
        Lines findings;
    };
    const Case cases[] = {
        {"glyph count", [](QByteArray &f) { f[0] = char(0xFF), f[1] = 0; }, {"FONT.SPR: at byte 0: the glyph count is 255, not 256"}},
        {"cut inside the table", [](QByteArray &f) { f.truncate(300); },
         {"FONT.SPR: at byte 2: the file ends at byte 300, inside the offset table, which takes bytes 2 to 513"}},
        {"first offset", [](QByteArray &f) { setOffset(f, 0, 515); },
         {"FONT.SPR: at byte 2: the offset of code 0 is 515; the first record starts at byte 514, right after the table"}},
        {"offset outside the file", [](QByteArray &f) { setOffset(f, 100, 0xFFFF); },
         {"FONT.SPR: at byte 202: the offset of code 100 is 65535, outside the records (bytes 514 to "
          + std::to_string(good.size() - 1) + ")"}},
        {"offsets out of order", [&](QByteArray &f) { setOffset(f, 66, a); },
         {"FONT.SPR: at byte 134: the offset of code 66 is " + std::to_string(a)
          + ", not after the start of the record of code 65 at byte " + std::to_string(a)}},
        {"offset one byte late", [&](QByteArray &f) { setOffset(f, 66, b + 1); },
         {"FONT.SPR: at byte " + std::to_string(b) + ": code 65: the record ends here, but the offset table starts the "
          "record of code 66 at byte " + std::to_string(b + 1)}},
        {"no pixel code", [&](QByteArray &f) { f[a + 3] = char(0x22); },
         {"FONT.SPR: at byte " + std::to_string(a + 3) + ": code 65: row 1 holds 0x22, which is no pixel code (0x00, "
          "0x1B or 0x21)"}},
        {"end byte lost", [&](QByteArray &f) { f[b - 1] = char(0x1B); },
         {"FONT.SPR: at byte " + std::to_string(b) + ": code 65: the record has no end byte 0xFF before byte "
          + std::to_string(b) + ", where the record of code 66 starts"}},
        {"bytes after the last record", [](QByteArray &f) { f.append("\x21\xFF", 2); },
         {"FONT.SPR: at byte " + std::to_string(good.size()) + ": code 255: 2 bytes are left over after the last record"}},
        {"last record cut", [](QByteArray &f) { f.chop(1); },
         {"FONT.SPR: at byte " + std::to_string(good.size() - 1) + ": code 255: the record has no end byte 0xFF before "
          "the end of the file"}},
        {"blank cell of another height", [&](QByteArray &f) { f[offsetOf(f, 32)] = 11; },
         {"FONT.SPR: at byte " + std::to_string(offsetOf(good, 32)) + ": code 32: the record of a blank cell stores the "
          "cell height 11, but the other blank cells store 10"}},
        {"rows below the cell", [&](QByteArray &f) { f[a] = 9; },
         {"FONT.SPR: at byte " + std::to_string(a) + ": code 65: rows 9 to 10 pass the cell height 10"}},
    };
    for (const Case &k : cases) {
        QByteArray damaged = good;
        k.damage(damaged);
        EXPECT_EQ(linesOf(GlyphFileDecoder::decode(damaged, "FONT.SPR").problems), k.findings) << k.what;
    }
}

TEST(GlyphFileDecoder, WidthsMustHoldEveryRow)
{
    const SmallFont small;
    const auto decoded = GlyphFileDecoder::decode(small.file(), "FONT.SPR");
    struct Case {
        const char *what;
        std::function<void(QByteArray &)> damage;
        Lines findings;
    };
    const Case cases[] = {
        {"blank cells take any width", [](QByteArray &s) { s[32] = 0; }, {}},
        {"ink past the width", [](QByteArray &s) { s[65] = 3; },
         {"FONTSIZE.DAT: at byte 65: code 65: the cell is 3 pixels wide, but row 1 of its glyph record has ink up to "
          "column 3"}},
        {"a row without ink stores the width", [](QByteArray &s) { s[66] = 6; },
         {"FONTSIZE.DAT: at byte 66: code 66: the cell is 6 pixels wide, but row 3 of its glyph record has no ink and "
          "stores First 5 instead of the width"}},
        {"one width short", [](QByteArray &s) { s.chop(1); },
         {"FONTSIZE.DAT: at byte 255: the file is 255 bytes long; it holds one cell width for each of the 256 codes"}},
    };
    for (const Case &k : cases) {
        QByteArray sizes = small.sizes;
        k.damage(sizes);
        EXPECT_EQ(linesOf(GlyphFileDecoder::checkSizes(decoded, sizes, "FONTSIZE.DAT")), k.findings) << k.what;
    }
}
