#include "KvToolRunner.h"
#include "TempKit.h"
#include "font/FontChoice.h"
#include "font/GameTextRenderer.h"
#include "font/GlyphFileWriter.h"
#include "texts/CodePage.h"

#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

using namespace orvanta;

namespace {

// Writes the glyph files of Arial 8 in `codePage` into `dir` of `kit`.
GlyphFiles writeGlyphs(const TempKit &kit, const QString &dir, int codePage)
{
    const auto files = GlyphFileWriter::captureGlyphFiles(FontChoice::defaultFont(), CodePage(codePage));
    EXPECT_TRUE(files.ok());
    QDir().mkpath(kit.path(dir));
    kit.write(dir + "/font.spr", files->fontSpr);
    kit.write(dir + "/fontsize.dat", files->fontSizeDat);
    return *files;
}

} // namespace

TEST(KvToolRender, DrawsTheTextAsRgbaEachPixelScaled)
{
    TempKit kit;
    const GlyphFiles files = writeGlyphs(kit, "glyphs", 1251);
    const QString text = QString::fromUtf8("Ёж, fix!");
    auto run = KvToolRun::run({"render", "--glyphs", kit.path("glyphs"), text, "-o", kit.path("out.png"),
                               "--codepage", "1251", "--scale", "3"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    const auto renderer = GameTextRenderer::fromFiles(files.fontSpr, files.fontSizeDat);
    ASSERT_TRUE(renderer.ok());
    const QImage expected = renderer->render(*CodePage(1251).encode(text));
    EXPECT_EQ(run.out, QByteArray::number(expected.width()) + "\n") << "the width in the game's pixels";

    const QByteArray png = kit.read("out.png");
    ASSERT_GT(png.size(), 26);
    EXPECT_EQ(png.mid(24, 2), QByteArray("\x08\x06", 2)) << "8-bit RGBA";
    const QImage drawn = QImage::fromData(png).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(drawn.size(), expected.size() * 3);
    int outline = 0, body = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const QRgb pixel = drawn.pixel(x, y);
            ASSERT_TRUE(pixel == qRgba(0, 0, 0, 0) || pixel == qRgba(0, 0, 0, 255) || pixel == qRgba(255, 255, 255, 255))
                << x << "," << y;
            ASSERT_EQ(pixel, expected.pixel(x / 3, y / 3)) << x << "," << y;
            outline += pixel == qRgba(0, 0, 0, 255);
            body += pixel == qRgba(255, 255, 255, 255);
        }
    }
    EXPECT_GT(body, 0);
    EXPECT_GT(outline, body);
}

TEST(KvToolRender, WrongInputIsReportedAndNothingIsWritten)
{
    TempKit kit;
    writeGlyphs(kit, "glyphs", 1252);
    QDir().mkpath(kit.path("damaged"));
    kit.write("damaged/font.spr", QByteArray(1, '\0'));
    kit.write("damaged/fontsize.dat", QByteArray(256, '\0'));
    struct Case {
        QStringList args;
        int exitCode;
        QString message;
    };
#ifdef Q_OS_WIN
    const QString cellHeight = QStringLiteral("15"); // Arial 8 in GDI's own box
#else
    const QString cellHeight = QStringLiteral("16");
#endif
    const Case cases[] = {
        {{"--glyphs", kit.path("glyphs"), QString::fromUtf8("Жук")}, 1,
         QString::fromUtf8("kvtool: 'Ж' (U+0416) has no byte in code page 1252\n")},
        {{"--glyphs", kit.path("nowhere"), "text"}, 1, kit.path("nowhere/font.spr") + ": cannot be opened"},
        {{"--glyphs", kit.path("damaged"), "text"}, 1,
         "kvtool: " + kit.shown("damaged/font.spr") + ": at byte 0: the file is 1 bytes long, too short for the glyph "
                                                     "count\n"},
        {{"--glyphs", kit.path("glyphs"), ""}, 1,
         "kvtool: the text draws nothing in these glyphs (0 x " + cellHeight + " pixels)\n"},
        {{"--glyphs", kit.path("glyphs"), "text", "--scale", "0"}, 2, "--scale must be a whole number from 1 to 16"},
        {{"--glyphs", kit.path("glyphs"), "text", "--codepage", "437"}, 1, "code page 437 is not supported"},
        {{"text"}, 2, "--glyphs is missing"},
    };
    for (const Case &c : cases) {
        auto run = KvToolRun::run(QStringList{"render"} + c.args + QStringList{"-o", kit.path("out.png")});
        EXPECT_EQ(run.exitCode, c.exitCode) << c.message.toStdString();
        // Messages to a pipe are UTF-8 on every system.
        EXPECT_TRUE(QString::fromUtf8(run.err).contains(c.message)) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
        EXPECT_FALSE(QFile::exists(kit.path("out.png"))) << c.message.toStdString();
    }
    auto noOutput = KvToolRun::run({"render", "--glyphs", kit.path("glyphs"), "text"});
    EXPECT_EQ(noOutput.exitCode, 2);
    EXPECT_TRUE(noOutput.err.contains("-o is missing")) << noOutput.err.toStdString();
}
