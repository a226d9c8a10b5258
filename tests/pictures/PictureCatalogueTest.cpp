#include "pictures/BmpHeader.h"
#include "pictures/PictureCatalogue.h"
#include "pictures/PictureSlots.h"

#include <QFile>
#include <QSet>

#include <cstring>

#include <gtest/gtest.h>

using namespace orvanta;

TEST(PictureCatalogue, NamesFitTheArchiveAndSuggestBmpNames)
{
    ASSERT_EQ(PictureCatalogue::rows().size(), 9u);
    for (const auto &row : PictureCatalogue::rows())
        EXPECT_LE(std::strlen(row.fileName), 12u) << row.fileName;
    EXPECT_EQ(PictureCatalogue::bmpName(*PictureCatalogue::row(0)), "stk.bmp");
    EXPECT_EQ(PictureCatalogue::bmpName(*PictureCatalogue::row(5)), "msetup.bmp");
    EXPECT_EQ(PictureCatalogue::bmpName(*PictureCatalogue::row(6)), "marchive.bmp");
    EXPECT_EQ(PictureCatalogue::row(-1), nullptr);
    EXPECT_EQ(PictureCatalogue::row(9), nullptr);
    const PictureSlots pictures;
    EXPECT_EQ(pictures.StandardPicture(9), nullptr);
    EXPECT_EQ(pictures.TranslatedPicture(-1), nullptr);
}

TEST(PictureCatalogue, StandardPicturesAre8BitBottomUpWithOneGamePalette)
{
    PictureSlots pictures; // registers the built-in pictures
    std::vector<PaletteEntry> shared;
    for (const auto &row : PictureCatalogue::rows()) {
        const QString name = PictureCatalogue::bmpName(row);
        QFile file(QStringLiteral(":/pictures/") + name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray bytes = file.readAll();
        const auto header = BmpHeader::read(bytes, name.toStdString());
        ASSERT_TRUE(header.ok()) << header.error().text();
        EXPECT_EQ(QSize(header->width, header->height), row.size()) << row.fileName;
        EXPECT_EQ(header->pixelFormat(), PixelFormat::Bit8) << row.fileName;
        EXPECT_EQ(header->compression, BmpHeader::Rgb) << row.fileName;
        EXPECT_FALSE(header->topDown) << row.fileName;
        EXPECT_EQ(bytes.mid(46, 8), QByteArray("\xFF\0\0\0\xFF\0\0\0", 8)) << "255 colours used and important";
        if (shared.empty())
            shared = header->palette;
        EXPECT_EQ(header->palette, shared) << row.fileName;
    }
    ASSERT_EQ(shared.size(), 255u);
    EXPECT_EQ(shared[0], (PaletteEntry{0, 0, 0, 0}));
    EXPECT_EQ(shared[1], (PaletteEntry{255, 255, 255, 0}));
    QSet<QRgb> colours;
    for (const PaletteEntry &e : shared)
        colours.insert(qRgb(e.red, e.green, e.blue));
    EXPECT_EQ(colours.size(), 255) << "no two entries alike";
    EXPECT_EQ(pictures.standardPalette().size(), 255);
}
