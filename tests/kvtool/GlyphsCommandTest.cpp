#include "KvToolRunner.h"
#include "TempKit.h"
#include "font/FontChoice.h"
#include "font/GlyphFileWriter.h"
#include "font/GlyphSheet.h"
#include "texts/CodePage.h"

#include <QDir>
#include <QImage>
#include <QProcess>

#include <gtest/gtest.h>

using namespace orvanta;

#ifdef GDI_GLYPH_REFERENCE_PATH
namespace {

// The record of `code` in the font.spr `file`, as its offset table places it.
QByteArray recordOf(const QByteArray &file, int code)
{
    const auto offset = [&](int c) {
        return c == 256 ? int(file.size()) : int(quint8(file[2 + 2 * c])) | int(quint8(file[3 + 2 * c])) << 8;
    };
    if (file.size() < 514)
        return {};
    return file.mid(offset(code), offset(code + 1) - offset(code));
}

} // namespace
#endif

TEST(KvToolGlyphs, WritesTheKitsGlyphFilesAndAPreview)
{
    SKIP_WHERE_KVTOOL_HAS_NO_ARIAL();
    TempKit kit;
    auto run = KvToolRun::run({"glyphs", "--font", "Arial", "--size", "8", "--italic", "-o", kit.path("out"),
                               "--preview", kit.path("sheet.png")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
#ifdef Q_OS_WIN
    const QByteArray served = "Arial"; // Wine's font replacement keeps the name asked for
#else
    const QByteArray served = "Liberation Sans";
#endif
    EXPECT_TRUE(run.out.startsWith("Arial,8,italic, drawn with " + served)) << run.out.toStdString();

    QFont font = FontChoice::defaultFont();
    font.setItalic(true);
    GlyphTable table;
    const auto files = GlyphFileWriter::captureGlyphFiles(font, CodePage(1252), &table);
    ASSERT_TRUE(files.ok());
    EXPECT_EQ(kit.read("out/font.spr"), files->fontSpr);
    EXPECT_EQ(kit.read("out/fontsize.dat"), files->fontSizeDat);

    const QImage sheet(kit.path("sheet.png"));
    const QImage expected = GlyphSheet::render(table);
    ASSERT_FALSE(sheet.isNull());
    EXPECT_EQ(sheet.convertToFormat(QImage::Format_RGB32), expected);
    // 16 x 16 slots, each as wide as the widest cell: every slot's corner is grid.
    const int slotWidth = (expected.width() - 1) / 16;
    const int slotHeight = (expected.height() - 1) / 16;
    EXPECT_EQ(expected.width(), 16 * slotWidth + 1);
    EXPECT_EQ(slotHeight, table.cellHeight * GlyphSheet::scaleFor(table) + 1);
    for (int i = 0; i <= 16; ++i)
        EXPECT_EQ(expected.pixel(i * slotWidth, i * slotHeight), GlyphSheet::GridColour) << i;
    // The slot right of a cell: dark, or dark red for a code the font has no
    // glyph for (127, DEL, and 129, which code page 1252 leaves undefined).
    const auto slotBeside = [&](int code) {
        return expected.pixel(1 + (code % 16) * slotWidth + table.entries[code].cellWidth * GlyphSheet::scaleFor(table),
                              1 + (code / 16) * slotHeight);
    };
    for (const int code : {int('A'), 0xE9, 127, 129}) {
        const bool missing = code == 127 || code == 129;
        EXPECT_EQ(table.entries[code].missing, missing) << code;
        EXPECT_EQ(slotBeside(code), missing ? GlyphSheet::MissingSlotColour : GlyphSheet::SlotColour) << code;
    }
}

// On Windows the glyphs are GDI's own: kvtool's glyph files equal, byte for
// byte, those of a program that takes the capture's steps with GDI calls
// alone (tests/kvtool/gdi-glyph-reference.c).
TEST(KvToolGlyphs, OnWindowsTheGlyphFilesAreThoseGdiDraws)
{
#ifndef GDI_GLYPH_REFERENCE_PATH
    GTEST_SKIP() << "the reference draws with GDI, Windows' own";
#else
    SKIP_WHERE_KVTOOL_HAS_NO_ARIAL();
    struct Font {
        QStringList options;
        QString style;
    };
    const Font fonts[] = {
        {{"--size", "8"}, "-"},
        {{"--size", "9"}, "-"},
        {{"--size", "10"}, "-"},
        {{"--size", "12", "--bold"}, "b"},
        {{"--size", "16", "--italic"}, "i"},
    };
    for (const Font &font : fonts) {
        const std::string name = font.options.join(' ').toStdString();
        TempKit kit;
        const auto run = KvToolRun::run(QStringList{"glyphs", "--font", "Arial", "-o", kit.path("kit")} + font.options);
        ASSERT_EQ(run.exitCode, 0) << name << ": " << run.err.toStdString();
        ASSERT_TRUE(QDir().mkpath(kit.path("gdi")));
        QProcess gdi;
        gdi.start(QStringLiteral(GDI_GLYPH_REFERENCE_PATH),
                  {"Arial", font.options[1], font.style, QDir::toNativeSeparators(kit.path("gdi"))});
        ASSERT_TRUE(gdi.waitForFinished(120000)) << name;
        ASSERT_EQ(gdi.exitCode(), 0) << name << ": " << gdi.readAllStandardError().toStdString();
        const QByteArray spr = kit.read("kit/font.spr"), gdiSpr = kit.read("gdi/font.spr");
        EXPECT_EQ(kit.read("kit/fontsize.dat").toHex(' ').toStdString(), kit.read("gdi/fontsize.dat").toHex(' ').toStdString())
            << name;
        EXPECT_EQ(spr.size(), gdiSpr.size()) << name;
        for (int code = 0; code < 256 && spr != gdiSpr; ++code) {
            EXPECT_EQ(recordOf(spr, code).toHex(' ').toStdString(), recordOf(gdiSpr, code).toHex(' ').toStdString())
                << name << ", code " << code;
        }
    }
#endif
}

TEST(KvToolGlyphs, CodePageChoosesTheCharacters)
{
    SKIP_WHERE_KVTOOL_HAS_NO_ARIAL();
    TempKit kit;
    auto latin = KvToolRun::run({"glyphs", "--font", "Arial", "--size", "8", "-o", kit.path("1252")});
    auto cyrillic = KvToolRun::run({"glyphs", "--font", "Arial", "--size", "8", "--codepage", "1251",
                                    "-o", kit.path("1251")});
    ASSERT_EQ(latin.exitCode, 0) << latin.err.toStdString();
    ASSERT_EQ(cyrillic.exitCode, 0) << cyrillic.err.toStdString();
    const QByteArray latinWidths = kit.read("1252/fontsize.dat");
    const QByteArray cyrillicWidths = kit.read("1251/fontsize.dat");
    EXPECT_EQ(latinWidths.left(128), cyrillicWidths.left(128));
    EXPECT_NE(latinWidths.mid(192), cyrillicWidths.mid(192));
}

TEST(KvToolGlyphs, MissingOrOversizedFontsFailWithoutWritingFiles)
{
    SKIP_WHERE_KVTOOL_HAS_NO_ARIAL();
    TempKit kit;
    struct Case {
        QStringList args;
        int exitCode;
        const char *message;
    };
    const Case cases[] = {
        {{"--font", "No Such Font", "--size", "8"}, 1, "kvtool: no font \"No Such Font\" is installed\n"},
        {{"--font", "Arial", "--size", "36"}, 1,
         "the font \"Arial,36,\" is too large for the game's glyph files: the record of code 113 would start at "
         "byte "},
        {{"--font", "Arial", "--size", "0"}, 2, "--size must be a whole number of points above 0"},
        {{"--font", "Arial"}, 2, "--size is missing"},
        {{"--font", "Arial", "--size", "8", "--codepage", "437"}, 1, "code page 437 is not supported"},
    };
    for (const Case &c : cases) {
        auto run = KvToolRun::run(QStringList{"glyphs"} + c.args + QStringList{"-o", kit.path("out")});
        EXPECT_EQ(run.exitCode, c.exitCode) << c.message;
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
        EXPECT_FALSE(QDir(kit.path("out")).exists()) << c.message;
    }
}
