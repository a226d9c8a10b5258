#include "TestBmp.h"
#include "core/ArchiveSet.h"
#include "core/ArchiveWriter.h"
#include "pictures/PictureSlots.h"
#include "pictures/TranslatedPictureCheck.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

using namespace orvanta;

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Accepts a redrawn copy of a row's standard picture into the pictures, as
// the Pictures page does; `marker` goes into the top-left pixel.
void accept(PictureSlots &pictures, int row, uchar marker)
{
    QImage picture = pictures.StandardPicture(row)->copy();
    picture.scanLine(0)[0] = marker;
    const auto verdict = TranslatedPictureCheck::check(TestBmp::indexed8(picture).bytes(), *pictures.StandardPicture(row));
    ASSERT_EQ(verdict.outcome, TranslatedPictureCheck::Outcome::Accepted) << verdict.message.toStdString();
    *pictures.TranslatedPicture(row) = verdict.picture;
}

void openInMemory(ArchiveSet &set, int slot, const std::vector<ArchiveWriter::NamedData> &files)
{
    auto bytes = ArchiveWriter::write(files);
    ASSERT_TRUE(bytes.ok());
    set.openSlot(slot, std::make_unique<std::istringstream>(*bytes), bytes->size(), "mem");
}

std::string pad(int width, int height, char fill, int extra = 0)
{
    std::string out{char(width & 0xFF), char(width >> 8), char(height & 0xFF), char(height >> 8)};
    return out + std::string(std::size_t(width * height + extra), fill);
}

} // namespace

TEST(PictureFiles, OneFilePerAcceptedPictureTopRowFirst)
{
    PictureSlots pictures;
    accept(pictures, 0, 17);
    accept(pictures, 8, 23);
    accept(pictures, 3, 5);
    *pictures.TranslatedPicture(3) = QImage(); // refused later: no file
    QTemporaryDir output;
    ASSERT_TRUE(pictures.WritePictureFiles(output.path()).ok());
    EXPECT_EQ(QDir(output.path()).entryList(QDir::Files), (QStringList{"stk.pad", "stkv.pad"}));

    const QByteArray stk = readFile(output.filePath("stk.pad"));
    ASSERT_EQ(stk.size(), 742);
    EXPECT_EQ(stk.left(4), QByteArray("\x29\x00\x12\x00", 4));
    const QImage &picture = *pictures.TranslatedPicture(0);
    EXPECT_EQ(stk[4], char(17)) << "the top-left pixel comes first";
    for (int y = 0; y < 18; ++y) {
        EXPECT_EQ(stk.mid(4 + 41 * y, 41), QByteArray(reinterpret_cast<const char *>(picture.constScanLine(y)), 41))
            << "row " << y << ": 41 bytes, no padding";
    }

    const QByteArray stkv = readFile(output.filePath("stkv.pad"));
    ASSERT_EQ(stkv.size(), 4 + 240 * 320);
    EXPECT_EQ(stkv.left(5), QByteArray("\xF0\x00\x40\x01\x17", 5));
    EXPECT_EQ(stkv.right(240), QByteArray(reinterpret_cast<const char *>(pictures.TranslatedPicture(8)->constScanLine(319)), 240));
}

TEST(PictureFiles, NothingAcceptedWritesNothingAndAFailureNamesTheFile)
{
    PictureSlots pictures;
    QTemporaryDir output;
    ASSERT_TRUE(pictures.WritePictureFiles(output.path()).ok());
    EXPECT_TRUE(QDir(output.path()).entryList(QDir::Files).isEmpty());

    accept(pictures, 2, 9);
    ASSERT_TRUE(QDir(output.path()).mkdir("msites.pad")); // a folder stands in the way
    const Status written = pictures.WritePictureFiles(output.path());
    ASSERT_FALSE(written.ok());
    EXPECT_EQ(written.error().file, output.filePath("msites.pad").toStdString());
}

TEST(PictureFiles, PicturesComeBackFromLangDatWhenTheyFit)
{
    PictureSlots saved;
    accept(saved, 0, 17);
    accept(saved, 8, 23);
    QTemporaryDir output;
    ASSERT_TRUE(saved.WritePictureFiles(output.path()).ok());

    ArchiveSet archives;
    openInMemory(archives, 0,
                 {{"stk.pad", readFile(output.filePath("stk.pad")).toStdString()},
                  {"stkv.pad", readFile(output.filePath("stkv.pad")).toStdString()},
                  {"msites.pad", pad(75, 22, 3)},       // the height of row 3, not of row 2
                  {"mbudget.pad", pad(75, 22, 3, 1)},   // one byte too many
                  {"mpursue.pad", pad(75, 22, '\xFF')}, // index 255 is outside the game's palette
                  {"msetup.pad", pad(84, 22, 3).substr(0, 40)}});
    openInMemory(archives, 1, {{"marchive.pad", pad(75, 22, 3)}}); // the kit's own archive: not a translation

    PictureSlots loaded;
    EXPECT_EQ(loaded.readPictureFiles(archives), 2);
    for (int row : {0, 8}) {
        ASSERT_TRUE(loaded.isPresent(row)) << row;
        EXPECT_EQ(*loaded.TranslatedPicture(row), *saved.TranslatedPicture(row)) << row;
        EXPECT_EQ(loaded.TranslatedPicture(row)->colorTable(), loaded.standardPalette());
    }
    for (int row : {1, 2, 3, 4, 5, 6, 7})
        EXPECT_FALSE(loaded.isPresent(row)) << row;

    // What came back is written again by the next save, byte for byte.
    QTemporaryDir again;
    ASSERT_TRUE(loaded.WritePictureFiles(again.path()).ok());
    EXPECT_EQ(readFile(again.filePath("stkv.pad")), readFile(output.filePath("stkv.pad")));
}
