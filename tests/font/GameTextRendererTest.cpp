#include "ImageText.h"
#include "font/FontChoice.h"
#include "font/GameTextRenderer.h"
#include "font/GlyphCache.h"
#include "font/GlyphCapture.h"
#include "font/GlyphFileWriter.h"

#include <QImage>
#include <QStringList>

#include <functional>

#include <gtest/gtest.h>

using namespace orvanta;

namespace {

// A drawn text as text: '.' transparent, '#' black outline, 'o' white body.
QStringList picture(const QImage &image)
{
    return imageText(image, {{GameTextRenderer::Transparent, '.'}, {GameTextRenderer::Outline, '#'},
                             {GameTextRenderer::Body, 'o'}});
}

// Glyph files made by hand: blank cells 4 pixels high and 0 wide, but for
//   'a' 3 wide:   row 1 "#o#", row 2 "###";
//   'b' 5 wide:   row 0 ".o.o." (a stored 0x00 between the body pixels),
//                 row 1 without ink, row 2 "#";
//   'c' 1 wide:   row 0 "oo##", ink running three columns past its width;
//   ' ' 2 wide:   no ink.
struct HandMadeGlyphs {
    QList<QByteArray> records{256, QByteArray("\x04\x00\xFF", 3)};
    QByteArray sizes{256, '\0'};

    HandMadeGlyphs()
    {
        records['a'] = QByteArray::fromHex("01001b211bfe001b1b1bff");
        records['b'] = QByteArray::fromHex("0001210021fe05fe001bff");
        records['c'] = QByteArray::fromHex("000021211b1bff");
        sizes['a'] = 3;
        sizes['b'] = 5;
        sizes['c'] = 1;
        sizes[' '] = 2;
    }
    QByteArray fontSpr() const { return *GlyphFileWriter::assembleFontFile(records); }
};

// `text` drawn from a capture's own glyph cells, without the glyph files:
// each code's cell pasted at the running x, its blue left as it was.
QImage drawnFromCells(const GlyphTable &table, const QByteArray &text)
{
    int width = 0;
    for (const char byte : text)
        width += table.entries[quint8(byte)].cellWidth;
    QImage expected(width, table.cellHeight, QImage::Format_ARGB32);
    expected.fill(GameTextRenderer::Transparent);
    int left = 0;
    for (const char byte : text) {
        const QImage cell = GlyphCapture::ComposeGlyphCell(table, quint8(byte));
        for (int y = 0; y < cell.height(); ++y)
            for (int x = 0; x < cell.width(); ++x)
                if (cell.pixel(x, y) != GlyphCapture::CellBackground)
                    expected.setPixel(left + x, y, cell.pixel(x, y) == GlyphCapture::Body ? GameTextRenderer::Body
                                                                                           : GameTextRenderer::Outline);
        left += cell.width();
    }
    return expected;
}

} // namespace

TEST(GameTextRenderer, HandMadeGlyphsAreLaidOutCellByCell)
{
    const HandMadeGlyphs glyphs;
    const auto renderer = GameTextRenderer::fromFiles(glyphs.fontSpr(), glyphs.sizes);
    ASSERT_TRUE(renderer.ok()) << renderer.error().text();
    EXPECT_EQ(renderer->cellHeight(), 4);
    struct Case {
        QByteArray text;
        QStringList rows;
    };
    const Case cases[] = {
        {"a b", {"......o.o.", "#o#.......", "###..#....", ".........."}},
        // The later cell covers the earlier one with its ink; its stored
        // 0x00 leaves what lies beneath; ink past the picture is cut off.
        {"cb", {"ooo#o.", "......", ".#....", "......"}},
        {"bc", {".o.o.o", "......", "#.....", "......"}},
    };
    for (const Case &c : cases) {
        const QImage drawn = renderer->render(c.text);
        EXPECT_EQ(drawn.format(), QImage::Format_ARGB32);
        EXPECT_EQ(renderer->width(c.text), drawn.width()) << c.text.constData();
        EXPECT_EQ(picture(drawn), c.rows) << c.text.constData();
    }
    EXPECT_TRUE(renderer->render(QByteArray("\0\0", 2)).isNull()) << "a text 0 pixels wide";
    EXPECT_TRUE(renderer->render("").isNull());
}

TEST(GameTextRenderer, DamagedGlyphFilesAreRefusedWithTheirFault)
{
    const HandMadeGlyphs glyphs;
    const QByteArray good = glyphs.fontSpr();
    const qsizetype a = good.indexOf(QByteArray::fromHex("01001b211b"));
    struct Case {
        const char *what;
        std::function<void(QByteArray &, QByteArray &)> damage;
        std::string error;
    };
    const Case cases[] = {
        {"no files", [](QByteArray &spr, QByteArray &sizes) { spr.clear(), sizes.clear(); },
         "font.spr: at byte 0: the file is 0 bytes long, too short for the glyph count"},
        {"cut inside the table", [](QByteArray &spr, QByteArray &) { spr.truncate(100); },
         "font.spr: at byte 2: the file ends at byte 100, inside the offset table, which takes bytes 2 to 513"},
        {"no pixel code", [&](QByteArray &spr, QByteArray &) { spr[a + 3] = char(0x22); },
         "font.spr: at byte " + std::to_string(a + 3) + ": code 97: row 1 holds 0x22, which is no pixel code (0x00, "
         "0x1B or 0x21)"},
        {"widths cut short", [](QByteArray &, QByteArray &sizes) { sizes.chop(1); },
         "fontsize.dat: at byte 255: the file is 255 bytes long; it holds one cell width for each of the 256 codes"},
    };
    for (const Case &c : cases) {
        QByteArray spr = good;
        QByteArray sizes = glyphs.sizes;
        c.damage(spr, sizes);
        const auto renderer = GameTextRenderer::fromFiles(spr, sizes);
        ASSERT_FALSE(renderer.ok()) << c.what;
        EXPECT_EQ(renderer.error().text(), c.error) << c.what;
    }
}

TEST(GameTextRenderer, CapturedGlyphsDrawTheCapturedCells)
{
    QByteArray everyCode;
    for (int code = 1; code < 256; ++code)
        everyCode.append(char(code));
    QFont slanted("DejaVu Sans");
    slanted.setPointSize(9);
    slanted.setItalic(true);
    slanted.setUnderline(true);

    GlyphCache cache(2);
    const auto standard = cache.standard(1252);
    const auto cyrillic = cache.glyphs(slanted, 1251);
    ASSERT_TRUE(standard.ok() && cyrillic.ok());
    for (const GlyphCache::Entry &glyphs : {*standard, *cyrillic}) {
        for (const QByteArray &text : {everyCode, QByteArray("\xC0\xC9\xD4 Wy, fj!")}) {
            const QImage drawn = glyphs->text.render(text);
            EXPECT_EQ(drawn, drawnFromCells(glyphs->table, text));
        }
    }

    EXPECT_EQ(*cache.glyphs(FontChoice::defaultFont(), 1252), *standard) << "the standard glyphs are Arial 8, 1252";
    EXPECT_EQ(*cache.glyphs(slanted, 1251), *cyrillic) << "asked again: no new capture";
    EXPECT_NE(*cache.glyphs(slanted, 1252), *cyrillic) << "another code page";
    EXPECT_NE(*cache.standard(1252), *standard) << "pushed out by two later fonts";

    QFont huge = FontChoice::defaultFont();
    huge.setPointSize(200);
    for (int i = 0; i < 2; ++i) {
        const auto refused = cache.glyphs(huge, 1252);
        ASSERT_FALSE(refused.ok());
        EXPECT_EQ(refused.error().text(), "font.spr: the font \"Arial,200,\" is too large for the game's glyph files: "
                                          "its glyph cells would be 326 pixels high; at most 255 fit");
    }
}
