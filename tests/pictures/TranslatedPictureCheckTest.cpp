#include "TestBmp.h"
#include "pictures/IndexedBmp.h"
#include "pictures/PictureSlots.h"
#include "pictures/TranslatedPictureCheck.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using namespace orvanta;
using Outcome = TranslatedPictureCheck::Outcome;

namespace {

const QString Sizes = QStringLiteral("Translated picture sizes mismatch!");
const QString Colors = QStringLiteral("Translated picture colors definition mismatch!");
const QString Palette = QStringLiteral("Translated picture palette differs from original!");

const PictureSlots &pictures()
{
    static const PictureSlots s;
    return s;
}

const QImage &standard(int row)
{
    return *pictures().StandardPicture(row);
}

QByteArray pixelBytes(const QImage &picture)
{
    QByteArray out;
    for (int y = 0; y < picture.height(); ++y)
        out.append(reinterpret_cast<const char *>(picture.constScanLine(y)), picture.width());
    return out;
}

// The standard picture of `row` as a test file, changed by `edit`.
QByteArray redrawn(int row, const std::function<void(QImage &, TestBmp &)> &edit = {})
{
    QImage picture = standard(row).copy();
    TestBmp bmp = TestBmp::indexed8(picture);
    if (edit) {
        edit(picture, bmp);
        if (bmp.compression == 0 && bmp.bitsPerPixel == 8)
            bmp.pixels = TestBmp::indexed8(picture).pixels;
    }
    return bmp.bytes();
}

} // namespace

TEST(TranslatedPictureCheck, ASavedOriginalLoadsBackUnchangedForEveryRow)
{
    for (int row = 0; row < 9; ++row) {
        const QByteArray file = IndexedBmp::write(standard(row));
        // 8 bits, uncompressed, bottom-up, 255 colours used and important.
        EXPECT_EQ(file.mid(28, 2), QByteArray("\x08\x00", 2)) << row;
        EXPECT_EQ(file.mid(30, 4), QByteArray(4, '\0')) << row;
        const int height = standard(row).height();
        EXPECT_EQ(file.mid(22, 4), QByteArray::fromStdString({char(height & 0xFF), char(height >> 8), 0, 0})) << row;
        EXPECT_EQ(file.mid(46, 8), QByteArray("\xFF\0\0\0\xFF\0\0\0", 8)) << row;
        EXPECT_EQ(file.size(), 14 + 40 + 255 * 4 + ((standard(row).width() + 3) & ~3) * standard(row).height());

        const auto verdict = TranslatedPictureCheck::check(file, standard(row));
        ASSERT_EQ(verdict.outcome, Outcome::Accepted) << row << " " << verdict.message.toStdString();
        EXPECT_EQ(pixelBytes(verdict.picture), pixelBytes(standard(row))) << row;
        EXPECT_EQ(verdict.picture.colorTable(), standard(row).colorTable()) << row;
    }
}

TEST(TranslatedPictureCheck, TestsSizeThenFormatThenPalette)
{
    struct Case {
        const char *what;
        int row; // checked against this row's standard picture
        QByteArray file;
        QString refusal; // empty: accepted
    };
    const auto setPalette = [](int index, TestBmp::Entry entry) {
        return [=](QImage &, TestBmp &bmp) { bmp.palette[std::size_t(index)] = entry; };
    };
    TestBmp::Entry extra{12, 34, 56, 0};
    const Case cases[] = {
        {"one pixel redrawn", 3, redrawn(3, [](QImage &p, TestBmp &) { p.scanLine(5)[7] = 1; }), {}},
        {"a row 3 picture for row 4", 4, redrawn(3), {}},
        {"a row 3 picture for row 6", 6, redrawn(3), {}},
        {"a row 3 picture for row 2 (75 x 21)", 2, redrawn(3), Sizes},
        {"right height, wrong width", 3, redrawn(5), Sizes},
        {"24 bits", 0, TestBmp::blank(41, 18, 24).bytes(), Colors},
        {"4 bits", 0, TestBmp::blank(41, 18, 4).bytes(), Colors},
        {"16 bits, 5-6-5 masks", 0,
         [] { auto b = TestBmp::blank(41, 18, 16); b.compression = 3; b.masks = {{0xF800, 0x7E0, 0x1F}}; return b.bytes(); }(),
         Colors},
        {"wrong size and 24 bits: the size comes first", 0, TestBmp::blank(40, 18, 24).bytes(), Sizes},
        {"one colour changed", 1, redrawn(1, setPalette(200, {1, 2, 3, 0})), Palette},
        {"two colours swapped", 1,
         redrawn(1, [](QImage &, TestBmp &b) { std::swap(b.palette[40], b.palette[41]); }), Palette},
        {"254 entries", 1, redrawn(1, [](QImage &, TestBmp &b) { b.palette.pop_back(); }), Palette},
        {"4 bits and another palette: the format comes first", 0,
         [] { auto b = TestBmp::blank(41, 18, 4); b.palette[0] = {9, 9, 9, 0}; return b.bytes(); }(), Colors},
        {"only the flags bytes differ", 7,
         redrawn(7, [](QImage &, TestBmp &b) { for (auto &e : b.palette) e.flags = 0xA5; }), {}},
        {"a 256th entry added", 8, redrawn(8, [&](QImage &, TestBmp &b) { b.palette.push_back(extra); }), {}},
        {"a 256th entry that a pixel uses", 8,
         redrawn(8, [&](QImage &p, TestBmp &b) { b.palette.push_back(extra); p.scanLine(300)[10] = 255; }), Palette},
        {"a pixel past the end of a 255-entry palette", 8,
         redrawn(8, [](QImage &p, TestBmp &) { p.scanLine(0)[0] = 255; }), Palette},
        {"RLE8 with the right palette", 7, TestBmp::rle8(standard(7)).bytes(), {}},
        {"a V5 header, as some editors write", 6, [] { auto b = TestBmp::indexed8(standard(6)); b.headerSize = 124; return b.bytes(); }(), {}},
        {"an empty file", 0, QByteArray(), Sizes},
    };
    for (const Case &c : cases) {
        const auto verdict = TranslatedPictureCheck::check(c.file, standard(c.row));
        if (c.refusal.isEmpty()) {
            EXPECT_EQ(verdict.outcome, Outcome::Accepted) << c.what << ": " << verdict.message.toStdString();
        } else {
            EXPECT_EQ(verdict.outcome, Outcome::Refused) << c.what;
            EXPECT_EQ(verdict.message, c.refusal) << c.what;
            EXPECT_TRUE(verdict.picture.isNull()) << c.what;
        }
    }
}

TEST(TranslatedPictureCheck, AcceptedPicturesHoldTheFilesPixelsTopRowFirst)
{
    QImage edited = standard(8).copy();
    edited.scanLine(0)[0] = 7;     // top-left
    edited.scanLine(319)[239] = 9; // bottom-right
    TestBmp topDown = TestBmp::indexed8(edited);
    topDown.topDown = true;
    topDown.pixels.clear();
    for (int y = 0; y < 320; ++y)
        topDown.pixels.append(reinterpret_cast<const char *>(edited.constScanLine(y)), 240);
    TestBmp extended = TestBmp::indexed8(edited);
    extended.palette.push_back({1, 2, 3, 4});

    for (const TestBmp &bmp : {TestBmp::indexed8(edited), TestBmp::rle8(edited), topDown, extended}) {
        const auto verdict = TranslatedPictureCheck::check(bmp.bytes(), standard(8));
        ASSERT_EQ(verdict.outcome, Outcome::Accepted) << verdict.message.toStdString();
        EXPECT_EQ(pixelBytes(verdict.picture), pixelBytes(edited));
        EXPECT_EQ(verdict.picture.colorTable(), standard(8).colorTable()) << "the game's palette, 255 entries";
    }
}

TEST(TranslatedPictureCheck, EveryStandardPictureAsImageMagickRewritesItIsAccepted)
{
    // ImageMagick writes an 8-bit BMP run-length encoded, its runs covering
    // each row's padding (a 75-pixel row as 76 pixels).
    const QString convert = QStandardPaths::findExecutable(QStringLiteral("convert"));
    if (convert.isEmpty())
        GTEST_SKIP() << "ImageMagick's convert is not installed";
    QTemporaryDir dir;
    for (int row = 0; row < 9; ++row) {
        const QString original = dir.filePath(QStringLiteral("o%1.bmp").arg(row));
        const QString rewritten = dir.filePath(QStringLiteral("x%1.bmp").arg(row));
        ASSERT_TRUE(IndexedBmp::save(original, standard(row)).ok());
        ASSERT_EQ(QProcess::execute(convert, {original, QStringLiteral("BMP3:") + rewritten}), 0) << row;
        QFile file(rewritten);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        ASSERT_GT(bytes.size(), 30);
        EXPECT_EQ(bytes[30], '\1') << row << ": run-length encoded";
        const auto verdict = TranslatedPictureCheck::check(bytes, standard(row));
        ASSERT_EQ(verdict.outcome, Outcome::Accepted) << row << ": " << verdict.message.toStdString();
        EXPECT_EQ(pixelBytes(verdict.picture), pixelBytes(standard(row))) << row;
    }
}

TEST(TranslatedPictureCheck, RunLengthPixelsPastARowAreDroppedAndDataPastTheTopIsNotValid)
{
    // Row 0's picture is 41 pixels wide and 18 high; rows count from the
    // bottom. Each file starts with a run of 40 pixels on the bottom row.
    const QImage &stk = standard(0);
    ASSERT_EQ(stk.size(), QSize(41, 18));
    const QByteArray start("\x28\x05", 2);
    const QByteArray end("\x00\x01", 2);
    struct Case {
        const char *what;
        QByteArray pixels;
        int fives;           // accepted: pixels of index 5, the bottom row's first
        const char *message; // refused: the message, before its colon
    };
    const Case cases[] = {
        {"a run past the row's end (as ImageMagick covers the padding)", start + QByteArray("\x02\x05", 2) + end,
         41, nullptr},
        {"a literal past the row's end", start + QByteArray("\x00\x03\x05\x06\x07\x00", 6) + end, 41, nullptr},
        {"a move past the row's end drops the rest of the row",
         start + QByteArray("\x01\x05\x00\x02\x09\x00\x04\x07", 8) + end, 41, nullptr},
        {"a run to the row's end, a move to the last row, the end",
         start + QByteArray("\x01\x05\x00\x02\x00\x11", 6) + end, 41, nullptr},
        {"a move to just past the top row ends the picture", start + QByteArray("\x01\x05\x00\x02\x00\x12", 6), 41,
         nullptr},
        {"a move past the top row", start + QByteArray("\x00\x02\x00\x13", 4) + end, 0, "Bitmap image is not valid"},
        {"data that ends before the picture does", start + QByteArray("\x00\x00\x03\x05", 4), 0,
         "Stream read error"},
        {"moves past the row's end, again and again, then nothing",
         start + QByteArray("\x00\x02\xFF\x00", 4).repeated(100'000), 0, "Stream read error"},
    };
    for (const Case &c : cases) {
        TestBmp bmp = TestBmp::rle8(stk);
        bmp.pixels = c.pixels;
        const auto verdict = TranslatedPictureCheck::check(bmp.bytes(), stk);
        if (!c.message) {
            ASSERT_EQ(verdict.outcome, Outcome::Accepted) << c.what << ": " << verdict.message.toStdString();
            const QByteArray pixels = pixelBytes(verdict.picture);
            EXPECT_EQ(pixels.right(41), QByteArray(41, '\x05')) << c.what;
            EXPECT_EQ(pixels.count('\x05'), c.fives) << c.what;
            EXPECT_EQ(pixels.count('\0'), pixels.size() - c.fives) << c.what << ": nothing else drawn";
            continue;
        }
        EXPECT_EQ(verdict.outcome, Outcome::LoadFailed) << c.what;
        EXPECT_TRUE(verdict.message.startsWith(QLatin1String(c.message) + QLatin1String(": ")))
            << c.what << ": " << verdict.message.toStdString();
    }
    const auto pastTop = TranslatedPictureCheck::check([&] { auto b = TestBmp::rle8(stk); b.pixels = cases[5].pixels;
                                                              return b.bytes(); }(), stk);
    EXPECT_EQ(pastTop.message, "Bitmap image is not valid: a move at byte 2 of the run-length data goes 19 rows up "
                               "from row 1, past the top of the picture's 18 rows");
}

TEST(TranslatedPictureCheck, FilesThatDoNotLoadGiveTheLoaderMessages)
{
    const QByteArray good = redrawn(0);
    struct Case {
        const char *what;
        QByteArray file;
        const char *message;
    };
    const Case cases[] = {
        {"a PNG", QByteArray("\x89PNG\r\n\x1A\n", 8) + QByteArray(100, 'x'), "Bitmap image is not valid"},
        {"one byte", "B", "Bitmap image is not valid"},
        {"just the signature", "BM", "Stream read error"},
        {"cut in the header", good.left(30), "Stream read error"},
        {"cut in the palette", good.left(600), "Stream read error"},
        {"cut in the last pixel row", good.left(good.size() - 1), "Stream read error"},
        {"RLE8 cut short", TestBmp::rle8(standard(0)).bytes().chopped(1), "Stream read error"},
        {"RLE8 data that stops before the picture does",
         [] { auto b = TestBmp::rle8(standard(0)); b.pixels.chop(b.pixels.size() / 2); return b.bytes(); }(),
         "Stream read error"},
        {"RLE8 stored top-down", [] { auto b = TestBmp::rle8(standard(0)); b.topDown = true; return b.bytes(); }(),
         "Bitmap image is not valid"},
        {"an unknown header size",
         [&] { QByteArray b = good; b[14] = 41; return b; }(), "Bitmap image is not valid"},
        {"two colour planes",
         [&] { QByteArray b = good; b[26] = 2; return b; }(), "Bitmap image is not valid"},
        {"7 bits per pixel",
         [&] { QByteArray b = good; b[28] = 7; return b; }(), "Bitmap image is not valid"},
    };
    for (const Case &c : cases) {
        const auto verdict = TranslatedPictureCheck::check(c.file, standard(0));
        EXPECT_EQ(verdict.outcome, Outcome::LoadFailed) << c.what;
        // The loader's message, then what is wrong (not for a file that
        // is no BMP at all).
        EXPECT_EQ(verdict.message.section(QLatin1Char(':'), 0, 0), QLatin1String(c.message)) << c.what;
        EXPECT_EQ(verdict.message.contains(QLatin1String(": ")), c.file.startsWith("BM")) << c.what;
    }
    EXPECT_EQ(TranslatedPictureCheck::check(good.left(600), standard(0)).message,
              "Stream read error: the file ends after 600 bytes, inside its colour table of 255 entries");
    auto absurd = TestBmp::indexed8(standard(0));
    absurd.width = 100000;
    EXPECT_EQ(TranslatedPictureCheck::check(absurd.bytes(), standard(0)).message.toStdString(),
              "Stream read error: the file ends after 1866 bytes, inside its pixel data: 100000 x 18 pixels of 8 "
              "bits need 1800000 bytes from byte 1074 on");

    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing.bmp"));
    const auto verdict = TranslatedPictureCheck::checkFile(missing, standard(0));
    EXPECT_EQ(verdict.outcome, Outcome::LoadFailed);
    EXPECT_EQ(verdict.message, QStringLiteral("Cannot open file ") + QDir::toNativeSeparators(missing));
}
