#include "TestBmp.h"
#include "pictures/IndexedBmp.h"
#include "pictures/PaletteFit.h"
#include "pictures/PictureSlots.h"
#include "pictures/TranslatedPictureCheck.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include <cmath>

#include <gtest/gtest.h>

using namespace orvanta;
using Colours = PaletteFit::Colours;
using Outcome = PaletteFit::Outcome;

namespace {

const QImage &standard(int row)
{
    static const PictureSlots pictures;
    return *pictures.StandardPicture(row);
}

QByteArray png(const QImage &picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return bytes;
}

int distinctIndices(const QImage &picture)
{
    QSet<uchar> indices;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            indices.insert(picture.constScanLine(y)[x]);
    return int(indices.size());
}

// `picture` with its palette replaced by `order` (new index -> old index)
// and its pixels renumbered to match.
QImage reordered(const QImage &picture, const QList<int> &order)
{
    QImage out = picture.copy();
    QList<QRgb> colours;
    QList<int> newIndex(256, 0);
    for (qsizetype i = 0; i < order.size(); ++i) {
        colours.append(order[i] < picture.colorCount() ? picture.color(order[i]) : qRgb(1, 2, 3));
        if (order[i] < 256)
            newIndex[order[i]] = int(i);
    }
    out.setColorTable(colours);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            out.scanLine(y)[x] = uchar(newIndex[picture.constScanLine(y)[x]]);
    return out;
}

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    return file.fileName();
}

} // namespace

TEST(PaletteFit, EveryStandardPictureSavedByAnEditorComesBackAsTheOriginal)
{
    for (int row = 0; row < 9; ++row) {
        const QImage &original = standard(row);
        QImage opaqueArgb = original.convertToFormat(QImage::Format_ARGB32);
        struct Case {
            const char *what;
            QByteArray file;
        };
        const Case cases[] = {
            {"PNG with the palette", png(original)},
            {"PNG in true colour with an alpha channel, every pixel opaque", png(opaqueArgb)},
            {"24-bit BMP", TestBmp::rgb24(original).bytes()},
        };
        for (const Case &c : cases) {
            const auto fitting = PaletteFit::fitBytes(c.file, original);
            ASSERT_EQ(fitting.outcome, Outcome::Fitted) << row << " " << c.what << ": " << fitting.message.toStdString();
            // The whole file as "Save original picture" writes it: palette and indices.
            const QByteArray written = IndexedBmp::write(fitting.picture);
            EXPECT_EQ(written, IndexedBmp::write(original)) << row << " " << c.what;
            EXPECT_EQ(TranslatedPictureCheck::check(written, original).outcome,
                      TranslatedPictureCheck::Outcome::Accepted) << row << " " << c.what;
            EXPECT_EQ(fitting.coloursUsed, distinctIndices(original)) << row << " " << c.what;
            EXPECT_EQ(fitting.foreignPixels, 0) << row << " " << c.what;
        }
    }
}

TEST(PaletteFit, APaletteInAnotherOrderFitsThoughTheImportRefusesIt)
{
    const QImage &original = standard(7);
    QList<int> reversed;
    for (int i = 255; i >= 0; --i)
        reversed.append(i); // entry 0 is an extra colour no pixel uses
    QList<int> usedOnly;
    for (int y = 0; y < original.height(); ++y)
        for (int x = 0; x < original.width(); ++x)
            if (!usedOnly.contains(original.constScanLine(y)[x]))
                usedOnly.prepend(original.constScanLine(y)[x]);
    struct Case {
        const char *what;
        QByteArray file;
    };
    const Case cases[] = {
        {"256 entries, reversed", TestBmp::indexed8(reordered(original, reversed)).bytes()},
        {"only the colours used, in another order", TestBmp::indexed8(reordered(original, usedOnly)).bytes()},
    };
    QTemporaryDir dir;
    for (const Case &c : cases) {
        EXPECT_EQ(TranslatedPictureCheck::check(c.file, original).message,
                  QLatin1String(TranslatedPictureCheck::PaletteDiffers)) << c.what;
        const auto fitted = PaletteFit::fitFile(writeFile(dir, QStringLiteral("edited.bmp"), c.file), original);
        ASSERT_EQ(fitted.outcome, Outcome::Fitted) << c.what;
        EXPECT_EQ(IndexedBmp::write(fitted.picture), IndexedBmp::write(original)) << c.what;
    }
}

TEST(PaletteFit, ColoursOutsideThePaletteAreReportedOrTakeTheNearestColour)
{
    const QImage &original = standard(8);
    const QList<QRgb> palette = original.colorTable();
    QImage edited = original.convertToFormat(QImage::Format_RGB32);
    const QRgb was = edited.pixel(10, 300);
    const QRgb foreign = qRgb(qRed(was) ^ 1, qGreen(was), qBlue(was)); // one step of red away
    ASSERT_FALSE(palette.contains(foreign));
    edited.setPixel(10, 300, foreign);
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("edited.png"), png(edited));

    const auto exact = PaletteFit::fitFile(path, original);
    EXPECT_EQ(exact.outcome, Outcome::ColoursMissing);
    EXPECT_EQ(exact.message, QLatin1String(TranslatedPictureCheck::ColorsMismatch));
    EXPECT_TRUE(exact.picture.isNull());
    EXPECT_EQ(exact.foreignReport(),
              QStringLiteral("1 pixel has a colour that is not in the game palette:\n  x 10, y 300: #%1")
                  .arg(QString::number(foreign & 0xFFFFFF, 16).toUpper().rightJustified(6, QLatin1Char('0'))));

    const auto nearest = PaletteFit::fitFile(path, original, Colours::Nearest);
    ASSERT_EQ(nearest.outcome, Outcome::Fitted) << nearest.message.toStdString();
    EXPECT_EQ(nearest.foreignPixels, 1);
    EXPECT_EQ(nearest.largestDistance, 1.0);
    EXPECT_EQ(IndexedBmp::write(nearest.picture), IndexedBmp::write(original)) << "back to the colour it was";

    // A picture in colours of its own: the first few are named, row by row.
    QImage orange(41, 18, QImage::Format_RGB32);
    orange.fill(qRgb(255, 128, 0));
    ASSERT_FALSE(palette.contains(qRgb(255, 128, 0)));
    const auto many = PaletteFit::fitImage(orange, standard(0));
    EXPECT_EQ(many.foreignReport(), QStringLiteral("738 pixels have colours that are not in the game palette:\n"
                                                   "  x 0, y 0: #FF8000\n  x 1, y 0: #FF8000\n  x 2, y 0: #FF8000\n"
                                                   "  x 3, y 0: #FF8000\n  x 4, y 0: #FF8000\n  and 733 more"));
    const auto mapped = PaletteFit::fitImage(orange, standard(0), Colours::Nearest);
    ASSERT_EQ(mapped.outcome, Outcome::Fitted);
    EXPECT_EQ(mapped.foreignPixels, 738);
    EXPECT_EQ(mapped.coloursUsed, 1);
    const QRgb chosen = palette[mapped.picture.pixelIndex(40, 17)];
    const auto squared = [](QRgb a, QRgb b) {
        const int r = qRed(a) - qRed(b), g = qGreen(a) - qGreen(b), bl = qBlue(a) - qBlue(b);
        return r * r + g * g + bl * bl;
    };
    EXPECT_DOUBLE_EQ(mapped.largestDistance, std::sqrt(double(squared(chosen, qRgb(255, 128, 0)))));
    for (QRgb other : palette)
        EXPECT_GE(squared(other, qRgb(255, 128, 0)), squared(chosen, qRgb(255, 128, 0)));
}

TEST(PaletteFit, RefusesTransparencyAndOtherSizesAndSaysWhatItCannotRead)
{
    const QImage &original = standard(0);
    const auto withAlpha = [&](int alpha) {
        QImage picture = original.convertToFormat(QImage::Format_ARGB32);
        picture.setPixel(3, 4, qRgba(0, 0, 0, alpha));
        return png(picture);
    };
    struct Case {
        const char *what;
        QByteArray file;
        Outcome outcome;
        QString message;
    };
    const QString sizes = QLatin1String(TranslatedPictureCheck::SizesMismatch);
    const QString transparent = QLatin1String(PaletteFit::Transparent);
    QImage pastTable = original.copy();
    pastTable.scanLine(3)[5] = 255; // the table has 255 colours
    const Case cases[] = {
        {"one transparent pixel", withAlpha(0), Outcome::Refused, transparent},
        {"one half-transparent pixel", withAlpha(128), Outcome::Refused, transparent},
        {"another size", png(standard(2)), Outcome::Refused, sizes},
        {"another size, transparent", png(QImage(40, 18, QImage::Format_ARGB32)), Outcome::Refused, sizes},
        {"not a picture", "notes", Outcome::LoadFailed, QStringLiteral("The picture cannot be read: Unsupported image format.")},
        {"a BMP pixel past the end of the colour table", TestBmp::indexed8(pastTable).bytes(), Outcome::LoadFailed,
         QStringLiteral("The picture cannot be read: the pixel at x 5, y 3 has colour number 255, past the end of its "
                        "colour table.")},
        {"a 24-bit BMP cut short", TestBmp::rgb24(original).bytes().chopped(1), Outcome::LoadFailed,
         QStringLiteral("Stream read error: the file ends after %1 bytes, inside its pixel data: 41 x 18 pixels of 24 "
                        "bits need 2232 bytes from byte 54 on")
             .arg(TestBmp::rgb24(original).bytes().size() - 1)},
        {"a PNG cut short", png(original).left(60), Outcome::LoadFailed,
         QStringLiteral("The picture cannot be read: Unable to read image data.")},
    };
    for (const Case &c : cases) {
        const auto fitting = PaletteFit::fitBytes(c.file, original, Colours::Nearest);
        EXPECT_EQ(fitting.outcome, c.outcome) << c.what;
        EXPECT_EQ(fitting.message, c.message) << c.what;
        EXPECT_TRUE(fitting.picture.isNull()) << c.what;
    }
    const QString missing = QTemporaryDir().filePath(QStringLiteral("missing.png"));
    EXPECT_EQ(PaletteFit::fitFile(missing, original).message, QStringLiteral("Cannot open file ") + QDir::toNativeSeparators(missing));
}
