#include "KvToolRunner.h"
#include "TempKit.h"
#include "pictures/IndexedBmp.h"
#include "pictures/PictureSlots.h"

#include <gtest/gtest.h>

TEST(KvToolPicture, OriginalWritesWhatTheKitSavesAndCheckJudgesAsTheKitDoes)
{
    TempKit kit;
    const auto saved = KvToolRun::run({"picture", "original", "5", kit.path("msetup.bmp")});
    ASSERT_EQ(saved.exitCode, 0) << saved.err.toStdString();
    const orvanta::PictureSlots pictures;
    EXPECT_EQ(kit.read("msetup.bmp"), orvanta::IndexedBmp::write(*pictures.StandardPicture(5)));

    QByteArray otherPalette = kit.read("msetup.bmp");
    otherPalette[54 + 4 * 7] = char(otherPalette[54 + 4 * 7] ^ 1);
    kit.write("palette.bmp", otherPalette);
    kit.write("notes.bmp", "not a picture");

    struct Case {
        const char *row;
        const char *file;
        int exitCode;
        const char *out;
    };
    const Case cases[] = {
        {"5", "msetup.bmp", 0, "accepted\n"},
        {"3", "msetup.bmp", 1, "Translated picture sizes mismatch!\n"},
        {"5", "palette.bmp", 1, "Translated picture palette differs from original!\n"},
        {"5", "notes.bmp", 1, "Bitmap image is not valid\n"},
    };
    for (const Case &c : cases) {
        const auto run = KvToolRun::run({"picture", "check", c.row, kit.path(c.file)});
        EXPECT_EQ(run.exitCode, c.exitCode) << c.file;
        EXPECT_EQ(run.out, c.out) << c.file;
    }

    const auto wrongRow = KvToolRun::run({"picture", "check", "9", kit.path("msetup.bmp")});
    EXPECT_EQ(wrongRow.exitCode, 2);
    EXPECT_TRUE(wrongRow.err.startsWith("kvtool: ROW must be a number from 0 to 8")) << wrongRow.err.toStdString();
}
