#include "InMemoryTexts.h"
#include "KvToolRunner.h"
#include "TempKit.h"
#include "font/FontChoice.h"
#include "font/GlyphFileWriter.h"
#include "kit/KitSettings.h"
#include "texts/CodePage.h"

#include <gtest/gtest.h>

using namespace orvanta;

namespace {

QFont fontOf(const char *family, int points)
{
    QFont font(QString::fromLatin1(family));
    font.setPointSize(points);
    return font;
}

// How wide `text` is in the glyphs of `font` and `codePage`, summed from
// the capture's fontsize.dat.
int widthIn(const QFont &font, int codePage, const QByteArray &text)
{
    const auto files = GlyphFileWriter::captureGlyphFiles(font, CodePage(codePage));
    EXPECT_TRUE(files.ok());
    int width = 0;
    for (const char byte : text)
        width += quint8(files->fontSizeDat[quint8(byte)]);
    return width;
}

} // namespace

TEST(KvToolTextsWidths, SourceInTheStandardGlyphsTranslationInTheNextSavesGlyphs)
{
    SKIP_WHERE_KVTOOL_HAS_NO_ARIAL();
    TempKit kit;
    const QList<QByteArray> sources{"Hello", "\xC0\xE9", "", "Wide W"};
    const QList<QByteArray> translations{"Hallo", "\xC0\xE9\xFF", "x"}; // the fourth keeps its source
    kit.writeArchive("kvmain.dat", {{"KVTEXTS.DAT", QByteArray::fromStdString(textFile(sources))}});
    kit.writeArchive("lang.dat", {{"TEXTS.DAT", QByteArray::fromStdString(textFile(translations))}});
    const QFont remembered = fontOf("DejaVu Sans", 9);
    {
        KitSettings settings(kit.dir());
        settings.setGlyphFont(remembered);
        settings.setCodePage(1251);
    }
    const QFont given = fontOf("Liberation Serif", 12);
    struct Case {
        QStringList options;
        QFont font;
        int codePage;
    };
    const Case cases[] = {
        {{}, remembered, 1251},
        {{"--font", "Liberation Serif", "--size", "12", "--codepage", "1252"}, given, 1252},
    };
    for (const Case &c : cases) {
        QByteArray csv = "row,source_px,translation_px\r\n";
        for (int row = 0; row < sources.size(); ++row) {
            const QByteArray translation = row < translations.size() ? translations[row] : sources[row];
            csv += QByteArray::number(row + 1) + ','
                + QByteArray::number(widthIn(FontChoice::defaultFont(), 1252, sources[row])) + ','
                + QByteArray::number(widthIn(c.font, c.codePage, translation)) + "\r\n";
        }
        auto run = KvToolRun::run(QStringList{"texts", "widths", kit.dir()} + c.options);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(run.out, csv) << c.options.join(' ').toStdString();
    }

    auto tooLarge = KvToolRun::run({"texts", "widths", kit.dir(), "--size", "60"});
    EXPECT_EQ(tooLarge.exitCode, 1);
    EXPECT_TRUE(tooLarge.err.contains("\"DejaVu Sans,60,\" is too large for the game's glyph files"))
        << tooLarge.err.toStdString();
    EXPECT_TRUE(tooLarge.out.isEmpty());
}
