#include "TempKit.h"
#include "font/FontChoice.h"
#include "font/GlyphFileWriter.h"
#include "texts/CodePage.h"

#include <QDir>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace orvanta;

namespace {

quint16 offsetOf(const QByteArray &fontSpr, int code)
{
    return qFromLittleEndian<quint16>(fontSpr.constData() + 2 + 2 * code);
}

GlyphFiles captureFiles(const QFont &font, GlyphTable *table = nullptr)
{
    auto files = GlyphFileWriter::captureGlyphFiles(font, CodePage(1252), table);
    EXPECT_TRUE(files.ok()) << (files.ok() ? "" : files.error().text());
    return files.ok() ? *files : GlyphFiles{};
}

} // namespace

TEST(GlyphFileWriter, FontFileIsCountOffsetTableAndRecordsBackToBack)
{
    GlyphTable table;
    const GlyphFiles files = captureFiles(FontChoice::defaultFont(), &table);
    const QByteArray &spr = files.fontSpr;
    ASSERT_GT(spr.size(), GlyphFileWriter::HeaderSize);
    EXPECT_EQ(qFromLittleEndian<quint16>(spr.constData()), 256);
    EXPECT_EQ(offsetOf(spr, 0), 514);
    // Codes are never 0xFF, and Top and First stay below 0xFF in these
    // cells: each record runs to its first 0xFF, and the next one follows.
    for (int code = 0; code < 256; ++code) {
        const qsizetype end = spr.indexOf(char(0xFF), offsetOf(spr, code));
        ASSERT_GT(end, 0) << code;
        if (code < 255)
            EXPECT_EQ(offsetOf(spr, code + 1), end + 1) << code;
        else
            EXPECT_EQ(spr.size(), end + 1);
    }
#ifdef Q_OS_WIN
    const QByteArray blank("\x0F\x00\xFF", 3); // cell height 15: GDI's box as it is
#else
    const QByteArray blank("\x10\x00\xFF", 3); // cell height 16
#endif
    EXPECT_EQ(spr.mid(offsetOf(spr, 0), 3), blank) << "code 0";
    EXPECT_EQ(spr.mid(offsetOf(spr, ' '), 3), blank) << "the space";

    ASSERT_EQ(files.fontSizeDat.size(), 256);
    for (int code = 0; code < 256; ++code)
        EXPECT_EQ(quint8(files.fontSizeDat[code]), table.entries[code].cellWidth) << code;
    EXPECT_EQ(files.fontSizeDat[0], 0);
    EXPECT_EQ(files.fontSizeDat[' '], table.entries[' '].advance);
}

TEST(GlyphFileWriter, OffsetTableReachesExactly65535)
{
    // Records 0-254 take 65021 bytes: record 255 starts at 514 + 65021 = 65535.
    QList<QByteArray> records(256, QByteArray(255, '\x21'));
    records[0] = QByteArray(251, '\x21');
    const auto fits = GlyphFileWriter::assembleFontFile(records);
    ASSERT_TRUE(fits.ok()) << fits.error().text();
    EXPECT_EQ(offsetOf(*fits, 255), 65535);
    EXPECT_EQ(fits->size(), 65535 + 255);
    EXPECT_EQ(offsetOf(*fits, 1), 514 + 251);

    records[0].append('\x21');
    const auto past = GlyphFileWriter::assembleFontFile(records);
    ASSERT_FALSE(past.ok());
    EXPECT_EQ(past.error().text(),
              "record 255: the record of code 255 would start at byte 65536; the offset table reaches only 65535");
}

TEST(GlyphFileWriter, SameFontGivesByteIdenticalFiles)
{
    QFont font = FontChoice::defaultFont();
    font.setItalic(true);
    const GlyphFiles first = captureFiles(font);
    const GlyphFiles second = captureFiles(font);
    EXPECT_EQ(first.fontSpr, second.fontSpr);
    EXPECT_EQ(first.fontSizeDat, second.fontSizeDat);

    TempKit kit;
    ASSERT_TRUE(GlyphFileWriter::WriteGlyphFiles(kit.dir(), font, CodePage(1252)).ok());
    EXPECT_EQ(kit.read("font.spr"), first.fontSpr);
    EXPECT_EQ(kit.read("fontsize.dat"), first.fontSizeDat);
}

TEST(GlyphFileWriter, FontOverTheLimitsIsRefusedAndNothingIsWritten)
{
    struct Case {
        int points;
        const char *fontAndLimit;
    };
    const Case cases[] = {
        {36, "font.spr: record 113: the font \"Arial,36,\" is too large for the game's glyph files: the record of "
             "code 113 would start at byte 66091; the offset table reaches only 65535"},
        {200, "font.spr: the font \"Arial,200,\" is too large for the game's glyph files: its glyph cells would be "
              "326 pixels high; at most 255 fit"},
    };
    for (const Case &c : cases) {
        TempKit kit;
        QFont font = FontChoice::defaultFont();
        font.setPointSize(c.points);
        const Status written = GlyphFileWriter::WriteGlyphFiles(kit.dir(), font, CodePage(1252));
        ASSERT_FALSE(written.ok()) << c.points;
        EXPECT_EQ(written.error().text(), c.fontAndLimit);
        EXPECT_TRUE(QDir(kit.dir()).isEmpty()) << c.points;
    }
}

TEST(GlyphFileWriter, UnwritableFolderIsReported)
{
    const Status written = GlyphFileWriter::WriteGlyphFiles(QStringLiteral("/nonexistent/output"),
                                                            FontChoice::defaultFont(), CodePage(1252));
    ASSERT_FALSE(written.ok());
    EXPECT_EQ(written.error().file, "/nonexistent/output/fontsize.dat");
}
