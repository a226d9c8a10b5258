#include "FakeRasterFont.h"
#include "ImageText.h"
#include "font/FontChoice.h"
#include "font/GlyphCapture.h"
#include "font/GlyphRecordEncoder.h"
#include "font/SystemGlyphRasterizer.h"
#include "texts/CodePage.h"

#include <QImage>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace orvanta;

namespace {

// A capture's picture as text: '#' black, 'o' white, '.' blue, '-' the surface grey.
QStringList picture(const QImage &image)
{
    return imageText(image, {{GlyphCapture::Outline, '#'}, {GlyphCapture::Body, 'o'},
                             {GlyphCapture::CellBackground, '.'}, {GlyphCapture::Background, '-'}});
}

GlyphTable capture(const GlyphRasterizer &font, int codePage = 1252)
{
    auto table = GlyphCapture::CaptureGlyphs(font, CodePage(codePage));
    EXPECT_TRUE(table.ok()) << (table.ok() ? "" : table.error().text());
    return table.ok() ? *table : GlyphTable{};
}

GlyphTable captureSystemFont(const QFont &font)
{
    return capture(SystemGlyphRasterizer(font));
}

} // namespace

TEST(GlyphCapture, RasterFontDrawsOutlineAroundBodyAndComposesTheCell)
{
    FakeRasterFont font; // no outline metrics: height 8, widest 6
    font.glyphs['x'] = {QRect(2, 3, 1, 1), 5};
    font.missing.insert('q');
    const GlyphTable table = capture(font);
    EXPECT_EQ(table.fontBox, (FontBox{0, 8, 6, 0})) << "every glyph stays inside the box";
    EXPECT_EQ(table.cellHeight, 10);
    EXPECT_EQ(table.cellTop, 1);

    const GlyphEntry &x = table.entries['x'];
    EXPECT_EQ(x.surface.size(), QSize(8, 10));
    EXPECT_EQ(picture(x.surface), QStringList({"--------", "--------", "--------", "--###---", "--#o#---",
                                               "--###---", "--------", "--------", "--------", "--------"}));
    EXPECT_EQ(x.advance, 5);
    EXPECT_EQ(x.cellLeft, 0);
    EXPECT_EQ(x.cellWidth, 5) << "the advance is wider than the ink";
    EXPECT_EQ(x.placementX, 0);
    EXPECT_EQ(picture(GlyphCapture::ComposeGlyphCell(table, 'x')),
              QStringList({".....", ".....", ".....", "..###", "..#o#", "..###", ".....", ".....", ".....", "....."}));

    EXPECT_TRUE(table.entries['q'].missing);
    EXPECT_FALSE(x.missing);
    EXPECT_FALSE(table.entries[0].missing) << "code 0 draws nothing on purpose";
}

TEST(GlyphCapture, GlyphsPastTheFontBoxGrowItSoTheirOutlineFits)
{
    FakeRasterFont font; // box 0, 8, 6, 0: surfaces 8 x 10, the pen at column 1
    font.glyphs['A'] = {QRect(-1, -2, 2, 1), 1}; // left of the pen, above the character cell
    font.glyphs['B'] = {QRect(5, 8, 2, 1), 6};   // one column past the box's right, on its bottom row
    const GlyphTable table = capture(font);
    EXPECT_EQ(table.fontBox, (FontBox{-1, 10, 7, -1}));
    EXPECT_EQ(table.cellHeight, 13);
    EXPECT_EQ(table.cellTop, 3) << "the character cells move down by the two rows grown on top";

    const GlyphEntry &a = table.entries['A'];
    EXPECT_EQ(a.surface.size(), QSize(10, 13));
    EXPECT_EQ(picture(a.surface).mid(0, 4), QStringList({"####------", "#oo#------", "####------", "----------"}));
    EXPECT_EQ(a.cellLeft, 0);
    EXPECT_EQ(a.cellWidth, 4);
    EXPECT_EQ(picture(table.entries['B'].surface).mid(9),
              QStringList({"----------", "------####", "------#oo#", "------####"}));
    EXPECT_EQ(picture(table.entries['C'].surface).mid(3, 3), QStringList({"-######---", "-#oooo#---", "-#oooo#---"}))
        << "every glyph moves with the pen and the character cell";

    FakeRasterFont far; // ink reaching past the first look's room around the cell
    far.glyphs['Z'] = {QRect(-9, 0, 4, 1), 1};
    const GlyphTable wide = capture(far);
    EXPECT_EQ(wide.fontBox, (FontBox{-9, 8, 6, 0}));
    EXPECT_EQ(picture(wide.entries['Z'].surface).mid(0, 3),
              QStringList({"######-----------", "#oooo#-----------", "######-----------"}));
}

TEST(GlyphCapture, CellStartsAtTheFirstInkOrOneColumnLeftOfThePen)
{
    struct Case {
        const char *what;
        std::optional<FontBox> box;
        char16_t character;
        FakeRasterFont::Glyph glyph;
        int cellLeft, cellWidth;
        const char *firstCellRowWithInk; // nullptr: none
    };
    const FontBox outline{-2, 8, 6, 0};
    const Case cases[] = {
        {"code 0, raster font", std::nullopt, 0, {}, 0, 1, nullptr},
        {"code 0, box left of the origin", outline, 0, {}, 2, 0, nullptr},
        {"a space", outline, ' ', {QRect(), 3}, 2, 3, nullptr},
        {"space before the ink stays as blue columns", std::nullopt, 'i', {QRect(3, 2, 1, 5), 5}, 0, 6, "...###"},
        {"ink left of the pen", outline, 'j', {QRect(-2, 2, 3, 5), 2}, 0, 5, "#####"},
    };
    for (const Case &c : cases) {
        FakeRasterFont font;
        font.box = c.box;
        font.glyphs[QChar(c.character)] = c.glyph;
        const GlyphTable table = capture(font);
        const int code = c.character;
        const GlyphEntry &entry = table.entries[code];
        EXPECT_EQ(entry.cellLeft, c.cellLeft) << c.what;
        EXPECT_EQ(entry.cellWidth, c.cellWidth) << c.what;
        EXPECT_EQ(entry.placementX, -c.cellLeft) << c.what;
        const QImage cell = GlyphCapture::ComposeGlyphCell(table, code);
        EXPECT_EQ(cell.isNull(), c.cellWidth == 0) << c.what;
        if (c.firstCellRowWithInk) {
            EXPECT_EQ(picture(cell).value(c.glyph.ink.top()), QString(c.firstCellRowWithInk)) << c.what;
        } else if (!cell.isNull()) {
            EXPECT_EQ(GlyphRecordEncoder::EncodeGlyphRecord(cell, table.cellHeight), QByteArray("\x0A\x00\xFF", 3))
                << c.what;
        }
    }
}

TEST(GlyphCapture, OutlineInTheTopLeftCornerIsNotTakenForBackground)
{
    FakeRasterFont font; // raster font: the body's cell starts at (1, 1)
    font.glyphs['M'] = {QRect(0, 0, 6, 2), 6};
    const GlyphTable table = capture(font);
    const QStringList cell = picture(GlyphCapture::ComposeGlyphCell(table, 'M'));
    EXPECT_EQ(cell.mid(0, 4), QStringList({"########", "#oooooo#", "#oooooo#", "########"}));
}

TEST(GlyphCapture, RefusesCellsTheGlyphFilesCannotHold)
{
    FakeRasterFont tall;
    tall.box = FontBox{0, 200, 10, -54};
    const auto refused = GlyphCapture::CaptureGlyphs(tall, CodePage());
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.error().text(), "its glyph cells would be 256 pixels high; at most 255 fit");
    EXPECT_TRUE(tall.drawn.isEmpty()) << "nothing is drawn for a font that cannot fit";

    tall.box->bottom = -53;
    EXPECT_TRUE(GlyphCapture::CaptureGlyphs(tall, CodePage()).ok()) << "255 pixels fit";

    FakeRasterFont wide;
    wide.glyphs['W'] = {QRect(0, 0, 2, 2), 256};
    const auto tooWide = GlyphCapture::CaptureGlyphs(wide, CodePage());
    ASSERT_FALSE(tooWide.ok());
    EXPECT_EQ(tooWide.error().text(), "record 87: the glyph cell of code 87 is 256 pixels wide; at most 255 fit");
}

TEST(GlyphCapture, DefaultFontBoxIsTheHeadBoxGrownForTheHintedAccents)
{
    // Liberation Sans serves Arial: box -416, -621, 2151, 1864 in 2048 units, 11 pixels high.
    const SystemGlyphRasterizer arial(FontChoice::defaultFont());
    EXPECT_EQ(GlyphCapture::fontBoxOf(arial), (FontBox{-2, 10, 12, -3}));
    const GlyphTable table = capture(arial);
#ifdef Q_OS_WIN
    // GDI's box is taken as it is.
    EXPECT_TRUE(arial.keepsToItsBox());
    EXPECT_EQ(table.fontBox, (FontBox{-2, 10, 12, -3}));
    EXPECT_EQ(table.cellHeight, 15);
    EXPECT_EQ(table.cellTop, 1);
#else
    // Hinted, the accents of the capitals (A grave and its kind) rise one
    // row above the character cell.
    EXPECT_EQ(table.fontBox, (FontBox{-2, 11, 12, -3}));
    EXPECT_EQ(table.cellHeight, 16);
    EXPECT_EQ(table.cellTop, 2);
#endif
    EXPECT_EQ(table.entries[0].cellWidth, 0);
    EXPECT_EQ(table.entries[' '].cellLeft, 2);
    EXPECT_EQ(table.entries[' '].cellWidth, table.entries[' '].advance);
    EXPECT_EQ(table.entries[' '].advance, 3);
}

TEST(GlyphCapture, SystemFontCellsAreCrispAndEveryBodyPixelKeepsItsOutline)
{
    const auto font = [](const char *family, int points, bool bold, bool italic, bool underline, bool strikeOut) {
        QFont font(QString::fromLatin1(family));
        font.setPointSize(points);
        font.setBold(bold);
        font.setItalic(italic);
        font.setUnderline(underline);
        font.setStrikeOut(strikeOut);
        return font;
    };
    const QFont fonts[] = {
        FontChoice::defaultFont(), // Liberation Sans
        font("Liberation Sans", 8, true, false, true, false),
        font("Liberation Serif", 10, false, true, false, true),
        font("DejaVu Sans", 9, false, false, false, false),
        font("DejaVu Sans", 9, false, true, true, false),
    };
    for (const QFont &f : fonts) {
        ASSERT_TRUE(FontChoice::servingFamily(f)) << f.family().toStdString() << " is not installed";
        const GlyphTable table = captureSystemFont(f);
        const std::string name = FontChoice::DescribeGlyphFont(f).toStdString();
        for (int code = 0; code < GlyphTable::CodeCount; ++code) {
            const QImage cell = GlyphCapture::ComposeGlyphCell(table, code);
            for (int y = 0; y < cell.height(); ++y) {
                for (int x = 0; x < cell.width(); ++x) {
                    const QRgb c = cell.pixel(x, y);
                    ASSERT_TRUE(c == GlyphCapture::CellBackground || c == GlyphCapture::Outline
                                || c == GlyphCapture::Body)
                        << name << " code " << code << " at " << x << "," << y;
                    if (c != GlyphCapture::Body)
                        continue;
                    // So no body pixel lies in a cell's first or last row or column.
                    for (int dy = -1; dy <= 1; ++dy)
                        for (int dx = -1; dx <= 1; ++dx)
                            ASSERT_TRUE(cell.valid(x + dx, y + dy)
                                        && cell.pixel(x + dx, y + dy) != GlyphCapture::CellBackground)
                                << name << " code " << code << " at " << x << "," << y;
                }
            }
        }
    }
}

TEST(GlyphCapture, SystemFontGlyphsAreDrawnWhole)
{
    // A lower-case l is one unbroken stem from the ascender to the baseline.
    const GlyphTable table = captureSystemFont(FontChoice::defaultFont());
    const QStringList l = picture(GlyphCapture::ComposeGlyphCell(table, 'l'));
    const QString stem = l.join('\n');
    EXPECT_GE(stem.count('o'), 7) << stem.toStdString();
    const int first = int(l.indexOf(QRegularExpression(".*o.*")));
    const int last = int(l.lastIndexOf(QRegularExpression(".*o.*")));
    EXPECT_EQ(last - first + 1, stem.count('o')) << stem.toStdString();
}

TEST(GlyphCapture, ItalicGlyphCellStartsLeftOfThePen)
{
    QFont font = FontChoice::defaultFont();
    font.setItalic(true);
    const GlyphTable table = captureSystemFont(font);
    const GlyphEntry &j = table.entries['j'];
    EXPECT_LT(j.cellLeft, std::abs(table.fontBox.left));
    const QStringList cell = picture(GlyphCapture::ComposeGlyphCell(table, 'j'));
    EXPECT_TRUE(std::any_of(cell.begin(), cell.end(), [](const QString &row) { return row.startsWith('#'); }))
        << "the cell starts with the outline's first column\n" << cell.join('\n').toStdString();
}

TEST(GlyphCapture, UnderlineIsCapturedWithItsOutline)
{
    QFont font = FontChoice::defaultFont();
    font.setUnderline(true);
    const GlyphTable table = captureSystemFont(font);
    const QStringList space = picture(GlyphCapture::ComposeGlyphCell(table, ' '));
    EXPECT_TRUE(space.contains(QString(space.first().size(), '#'))) << space.join('\n').toStdString();
    EXPECT_TRUE(space.join(QString()).contains('o'));
}
