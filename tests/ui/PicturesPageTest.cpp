#include "FileDialogAnswerer.h"
#include "KitWindow.h"
#include "pictures/IndexedBmp.h"
#include "pictures/PictureFile.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

using namespace orvanta;

namespace {

QImage shown(const QLabel *box)
{
    return box->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage rgb(const QImage &picture)
{
    return picture.convertToFormat(QImage::Format_RGB32);
}

// The window on an empty kit, on the Pictures page.
struct PicturesWindow : KitWindow {
    PicturesWindow()
    {
        open();
        showPage(0);
    }

    const PictureSlots &pictures() const { return document().pictures(); }
    QLabel *standardBox() const { return find<QLabel>("StandardImage"); }
    QLabel *translatedBox() const { return find<QLabel>("TranslatedImage"); }
    void select(int row) const { find<QComboBox>("PictSelComboBox")->setCurrentIndex(row); }

    // Presses "Choose translated picture" and picks `name` in the kit folder
    // (cancels for an empty name).
    FileDialogAnswerer::Seen choose(const QString &name) const
    {
        FileDialogAnswerer answer(name.isEmpty() ? QString() : kit.path(name));
        QTest::mouseClick(find("Button5"), Qt::LeftButton);
        return answer.seen();
    }

    // Writes a row's standard picture, changed by `edit`, as a BMP.
    void redraw(const QString &name, int row, void (*edit)(QByteArray &) = nullptr) const
    {
        QByteArray bytes = IndexedBmp::write(*pictures().StandardPicture(row));
        if (edit)
            edit(bytes);
        kit.write(name, bytes);
    }
};

} // namespace

TEST(PicturesPage, TheSelectorShowsEachRowsPicturesUnscaledAndClipped)
{
    PicturesWindow k;
    auto *selector = k.find<QComboBox>("PictSelComboBox");
    ASSERT_EQ(selector->count(), 9);
    EXPECT_EQ(selector->itemText(0), "\"Stock\" Pressed (Storage menu)");
    EXPECT_EQ(selector->itemText(7), "All buttons (Map menu)");
    EXPECT_EQ(selector->itemText(8), "\"Stock\" (Storage menu)");
    EXPECT_EQ(selector->currentIndex(), 0);
    EXPECT_EQ(shown(k.standardBox()), rgb(*k.pictures().StandardPicture(0))) << "shown when the window opens";
    EXPECT_TRUE(k.translatedBox()->pixmap().isNull());

    QTest::keyClick(selector, Qt::Key_End);
    ASSERT_EQ(selector->currentIndex(), 8);
    // 240 x 320 in a 249 x 73 box: the top 73 rows, from the top-left corner.
    const QImage box = k.standardBox()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(box.size(), QSize(249, 73));
    EXPECT_EQ(box.copy(0, 0, 240, 73), rgb(*k.pictures().StandardPicture(8)).copy(0, 0, 240, 73));
    EXPECT_NE(box.pixel(244, 10), box.pixel(239, 10)) << "nothing drawn right of the picture";
}

TEST(PicturesPage, ASavedOriginalComesBackAsTheTranslatedPicture)
{
    PicturesWindow k;
    k.select(5);
    FileDialogAnswerer save(k.kit.path("settings.bmp"));
    QTest::mouseClick(k.find("Button6"), Qt::LeftButton);
    EXPECT_EQ(save.seen().dialogName, "SavePictureDialog1");
    EXPECT_TRUE(save.seen().offered.endsWith("/msetup.bmp")) << save.seen().offered.toStdString();
    EXPECT_EQ(k.kit.read("settings.bmp"), IndexedBmp::write(*k.pictures().StandardPicture(5)));

    MessageBoxAnswerer boxes;
    const FileDialogAnswerer::Seen open = k.choose("settings.bmp");
    EXPECT_EQ(open.dialogName, "OpenPictureDialog1");
    EXPECT_EQ(QDir(open.folder), QDir(k.kit.dir())) << "the folder of the last picture";
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_TRUE(k.pictures().isPresent(5));
    EXPECT_EQ(shown(k.translatedBox()), rgb(*k.pictures().StandardPicture(5)));
    k.select(4);
    EXPECT_TRUE(k.translatedBox()->pixmap().isNull()) << "row 4 has no translated picture";

    k.open(); // the folder is remembered
    k.showPage(0);
    EXPECT_EQ(QDir(k.choose(QString()).folder), QDir(k.kit.dir()));
}

TEST(PicturesPage, ARefusalSaysWhyAndRemovesTheAcceptedPicture)
{
    PicturesWindow k;
    k.select(3);
    k.redraw("budget.bmp", 3);
    k.redraw("budget-palette.bmp", 3, [](QByteArray &b) { b[54 + 4 * 100 + 1] ^= 0x40; });
    k.choose("budget.bmp");
    ASSERT_TRUE(k.pictures().isPresent(3));

    MessageBoxAnswerer boxes;
    k.choose("budget-palette.bmp");
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.seen()[0].title, "Attantion");
    EXPECT_EQ(boxes.seen()[0].text, "Translated picture palette differs from original!");
    EXPECT_FALSE(k.pictures().isPresent(3));
    EXPECT_TRUE(k.pictures().TranslatedPicture(3)->size().isEmpty());
    EXPECT_TRUE(k.translatedBox()->pixmap().isNull());
    EXPECT_EQ(k.document().undoStack()->count(), 2);

    // The same 75 x 22 picture is tested against the selected row only.
    k.select(2);
    k.choose("budget.bmp");
    ASSERT_EQ(boxes.count(), 2);
    EXPECT_EQ(boxes.seen()[1].text, "Translated picture sizes mismatch!");
    EXPECT_EQ(k.document().undoStack()->count(), 2) << "nothing was there to remove";
    k.select(6);
    k.choose("budget.bmp");
    EXPECT_EQ(boxes.count(), 2);
    EXPECT_TRUE(k.pictures().isPresent(6));
}

TEST(PicturesPage, AFileThatDoesNotLoadLeavesTheAcceptedPicture)
{
    PicturesWindow k;
    k.redraw("stock.bmp", 0);
    k.redraw("cut.bmp", 0, [](QByteArray &b) { b.chop(10); });
    k.kit.write("photo.bmp", "\x89PNG\r\n\x1A\n and so on");
    k.choose("stock.bmp");
    ASSERT_TRUE(k.pictures().isPresent(0));

    MessageBoxAnswerer boxes;
    k.choose("photo.bmp");
    k.choose("cut.bmp");
    k.choose(QString()); // cancelled
    ASSERT_EQ(boxes.count(), 2);
    EXPECT_EQ(boxes.seen()[0].title, "Orvanta Localization Kit");
    EXPECT_EQ(boxes.seen()[0].text, "Bitmap image is not valid.") << "the error box ends it with a full stop";
    EXPECT_EQ(boxes.seen()[1].text, "Stream read error.");
    EXPECT_TRUE(k.pictures().isPresent(0));
    EXPECT_EQ(shown(k.translatedBox()), rgb(*k.pictures().StandardPicture(0)));
    EXPECT_EQ(k.document().undoStack()->count(), 1);
}

TEST(PicturesPage, PicturesOfTheLastSaveAreBackAtStartUp)
{
    KitWindow k;
    QImage stock(41, 18, QImage::Format_Indexed8);
    stock.fill(1); // white
    stock.scanLine(0)[0] = 0; // black, in the game's palette
    k.kit.writeArchive("lang.dat", {{"STK.PAD", PictureFile::encode(stock)},
                                    {"MSITES.PAD", PictureFile::encode(stock)}}); // not the size of row 2
    k.open();
    ASSERT_TRUE(k.document().pictures().isPresent(0));
    EXPECT_FALSE(k.document().pictures().isPresent(2));
    const QImage box = shown(k.find<QLabel>("TranslatedImage"));
    EXPECT_EQ(box.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(box.pixel(1, 0), qRgb(255, 255, 255));
}
