#include "KvToolRunner.h"
#include "TempKit.h"
#include "pictures/IndexedBmp.h"
#include "pictures/PictureSlots.h"

#include <QFile>
#include <QSet>

#include <gtest/gtest.h>

TEST(KvToolPicture, OriginalWritesWhatTheKitSavesAndCheckJudgesAsTheKitDoes)
{
    TempKit kit;
    const auto saved = KvToolRun::run({"picture", "original", "6", kit.path("msetup.bmp")});
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
        {"6", "msetup.bmp", 0, "accepted\n"},
        {"4", "msetup.bmp", 1, "Translated picture sizes mismatch!\n"},
        {"6", "palette.bmp", 1, "Translated picture palette differs from original!\n"},
        {"6", "notes.bmp", 1, "Bitmap image is not valid\n"},
    };
    for (const Case &c : cases) {
        const auto run = KvToolRun::run({"picture", "check", c.row, kit.path(c.file)});
        EXPECT_EQ(run.exitCode, c.exitCode) << c.file;
        EXPECT_EQ(run.out, c.out) << c.file;
    }

    const auto wrongRow = KvToolRun::run({"picture", "check", "10", kit.path("msetup.bmp")});
    EXPECT_EQ(wrongRow.exitCode, 2);
    EXPECT_TRUE(wrongRow.err.startsWith("kvtool: ROW must be a number from 1 to 9")) << wrongRow.err.toStdString();
}

TEST(KvToolPicture, FitPutsAnEditorsPictureBackOnTheGamePalette)
{
    TempKit kit;
    ASSERT_EQ(KvToolRun::run({"picture", "original", "8", kit.path("mapmenu.bmp")}).exitCode, 0);
    const orvanta::PictureSlots pictures;
    const QImage &original = *pictures.StandardPicture(7);
    QSet<QRgb> colours;
    for (int y = 0; y < original.height(); ++y)
        for (int x = 0; x < original.width(); ++x)
            colours.insert(original.pixel(x, y));

    // As an image editor saves it: true colour PNG, once unchanged, once
    // with one pixel a step of red away from its palette colour.
    QImage trueColour = original.convertToFormat(QImage::Format_RGB32);
    ASSERT_TRUE(trueColour.save(kit.path("unchanged.png"), "PNG"));
    const QRgb was = trueColour.pixel(12, 40);
    const QRgb foreign = qRgb(qRed(was) ^ 1, qGreen(was), qBlue(was));
    ASSERT_FALSE(original.colorTable().contains(foreign));
    trueColour.setPixel(12, 40, foreign);
    ASSERT_TRUE(trueColour.save(kit.path("edited.png"), "PNG"));

    const QString fitted = QStringLiteral("fitted: %1 colours\n").arg(colours.size());
    struct Case {
        QStringList args;
        int exitCode;
        QString out;
        const char *written; // null: nothing may be written
    };
    const Case cases[] = {
        {{"8", kit.path("unchanged.png"), kit.path("a.bmp")}, 0, fitted, "a.bmp"},
        {{"8", kit.path("edited.png"), kit.path("b.bmp")}, 1,
         QStringLiteral("1 pixel has a colour that is not in the game palette:\n  x 12, y 40: #%1\n"
                        "Nothing written; --nearest gives them the nearest palette colours.\n")
             .arg(QString::number(foreign & 0xFFFFFF, 16).toUpper().rightJustified(6, QLatin1Char('0'))),
         nullptr},
        {{"8", kit.path("edited.png"), kit.path("c.bmp"), "--nearest"}, 0,
         fitted + QStringLiteral("nearest: 1 pixel changed, largest distance 1.0\n"), "c.bmp"},
        {{"3", kit.path("unchanged.png"), kit.path("d.bmp")}, 1, QStringLiteral("Translated picture sizes mismatch!\n"),
         nullptr},
    };
    for (const Case &c : cases) {
        const auto run = KvToolRun::run(QStringList{"picture", "fit"} + c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args.join(' ').toStdString() << run.err.toStdString();
        EXPECT_EQ(QString::fromLocal8Bit(run.out), c.out) << c.args.join(' ').toStdString();
        const QString out = c.args.at(2);
        if (!c.written) {
            EXPECT_FALSE(QFile::exists(out)) << c.args.join(' ').toStdString();
            continue;
        }
        // Back to the palette colour it was: the very file "Save original picture" writes.
        EXPECT_EQ(kit.read(QString::fromLatin1(c.written)), kit.read("mapmenu.bmp")) << c.args.join(' ').toStdString();
        EXPECT_EQ(KvToolRun::run({"picture", "check", "8", out}).out, "accepted\n");
    }
}
