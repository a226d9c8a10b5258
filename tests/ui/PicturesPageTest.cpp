#include "FileDialogAnswerer.h"
#include "KitWindow.h"
#include "../pictures/TestBmp.h"
#include "pictures/IndexedBmp.h"
#include "pictures/PictureFile.h"
#include "ui/KitApplication.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <algorithm>

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
    // The rows the selector marks as done.
    QList<int> marked() const
    {
        QList<int> rows;
        auto *selector = find<QComboBox>("PictSelComboBox");
        for (int row = 0; row < selector->count(); ++row) {
            if (!selector->itemData(row, Qt::ToolTipRole).isNull())
                rows.append(row);
        }
        return rows;
    }

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

TEST(PicturesPage, TheSelectorShowsEachRowsPicturesUnscaledFromTheTopLeftCorner)
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

    // 41 x 18 in a 249 x 73 box: nothing drawn right of the picture.
    QWidget *view = k.find<QScrollArea>("StandardImageArea")->viewport();
    const QImage small = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(small.size(), QSize(249, 73));
    EXPECT_EQ(small.copy(0, 0, 41, 18), rgb(*k.pictures().StandardPicture(0)));
    EXPECT_NE(small.pixel(44, 10), small.pixel(40, 10)) << "nothing drawn right of the picture";

    QTest::keyClick(selector, Qt::Key_End);
    ASSERT_EQ(selector->currentIndex(), 8);
    QApplication::processEvents(); // the box's scroll bars follow the picture
    // 240 x 320 in a 249 x 73 box: from the top-left corner, the rest a scroll away.
    const QImage box = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_LT(box.height(), 73) << "a scroll bar below";
    EXPECT_EQ(box, rgb(*k.pictures().StandardPicture(8)).copy(QRect(QPoint(0, 0), box.size())));
}

TEST(PicturesPage, ASavedOriginalComesBackAsTheTranslatedPicture)
{
    PicturesWindow k;
    QDir(k.kit.dir()).mkdir("Sources");
    k.select(5);
    FileDialogAnswerer save(k.kit.path("settings.bmp"));
    QTest::mouseClick(k.find("Button6"), Qt::LeftButton);
    EXPECT_EQ(save.seen().dialogName, "SavePictureDialog1");
    EXPECT_EQ(QDir(save.seen().folder), QDir(k.kit.path("Sources"))) << "the kit's pictures at first";
    EXPECT_TRUE(save.seen().offered.endsWith("/msetup.bmp")) << save.seen().offered.toStdString();
    EXPECT_EQ(k.kit.read("settings.bmp"), IndexedBmp::write(*k.pictures().StandardPicture(5)));
    // 84 x 22 enlarged by a whole factor: each pixel a sharp square.
    const QImage &standard = *k.pictures().StandardPicture(5);
    const int factor = save.seen().preview.width() / standard.width();
    EXPECT_GE(factor, 2);
    EXPECT_EQ(rgb(save.seen().preview), rgb(standard.scaled(standard.size() * factor))) << "the picture to be saved";

    MessageBoxAnswerer boxes;
    const FileDialogAnswerer::Seen open = k.choose("settings.bmp");
    EXPECT_EQ(open.dialogName, "OpenPictureDialog1");
    EXPECT_EQ(QDir(open.folder), QDir(k.kit.dir())) << "the folder of the last picture";
    EXPECT_EQ(rgb(open.preview), rgb(save.seen().preview)) << "the chosen file";
    EXPECT_EQ(k.form->findChild<QFileDialog *>("OpenPictureDialog1")->nameFilters(),
              (QStringList{"Pictures (*.bmp *.png)", "Bitmaps (*.bmp)", "All (*.*)"}));
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_TRUE(k.pictures().isPresent(5));
    EXPECT_EQ(shown(k.translatedBox()), rgb(*k.pictures().StandardPicture(5)));
    k.select(4);
    EXPECT_TRUE(k.translatedBox()->pixmap().isNull()) << "row 4 has no translated picture";

    k.open(); // the folder is remembered
    k.showPage(0);
    EXPECT_EQ(QDir(k.choose(QString()).folder), QDir(k.kit.dir()));
}

TEST(PicturesPage, ARefusalOfAPictureThatCannotBeConvertedSaysItClearsTheAcceptedOne)
{
    PicturesWindow k;
    k.select(3);
    k.redraw("budget.bmp", 3);
    k.redraw("pursue.bmp", 4);
    k.redraw("sites.bmp", 2); // 75 x 21: one row short
    k.choose("budget.bmp");
    ASSERT_TRUE(k.pictures().isPresent(3));

    MessageBoxAnswerer boxes;
    k.choose("sites.bmp");
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.seen()[0].title, "Attantion");
    EXPECT_EQ(boxes.seen()[0].text, "Translated picture sizes mismatch!");
    EXPECT_EQ(boxes.seen()[0].detail, "The translated picture chosen before is removed; Ctrl+Z brings it back.");
    EXPECT_FALSE(k.pictures().isPresent(3));
    EXPECT_TRUE(k.pictures().TranslatedPicture(3)->size().isEmpty());
    EXPECT_TRUE(k.translatedBox()->pixmap().isNull());
    ASSERT_EQ(k.document().undoStack()->count(), 2);
    EXPECT_EQ(k.document().undoStack()->text(1), "Refuse picture sites.bmp for mbudget.pad")
        << "the translator never chose to remove it";

    // The same 75 x 22 picture is tested against the selected row only.
    k.select(2);
    k.choose("budget.bmp");
    ASSERT_EQ(boxes.count(), 2);
    EXPECT_EQ(boxes.seen()[1].text, "Translated picture sizes mismatch!");
    EXPECT_EQ(boxes.seen()[1].detail, "") << "nothing was there to remove";
    EXPECT_EQ(k.document().undoStack()->count(), 2) << "nothing was there to remove";
    k.select(6);
    k.choose("pursue.bmp");
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
    EXPECT_TRUE(boxes.seen()[1].text.startsWith("Stream read error: the file ends after ")) << boxes.seen()[1].text.toStdString();
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

TEST(PicturesPage, APictureTheKitCanConvertIsOfferedFirstAndNoKeepsTheAcceptedOne)
{
    PicturesWindow k;
    k.select(3);
    const QImage &standard = *k.pictures().StandardPicture(3);
    QImage earlier = standard;
    earlier.setPixel(0, 0, 1);
    // What image editors write: 24-bit, the palette in another order with
    // 256 entries, that run-length encoded, PNG.
    standard.convertToFormat(QImage::Format_RGB888).save(k.kit.path("rgb.bmp"), "BMP");
    QImage reordered(standard.size(), QImage::Format_Indexed8);
    QList<QRgb> table = standard.colorTable();
    std::reverse(table.begin(), table.end());
    reordered.setColorTable(table << qRgb(1, 2, 3));
    for (int y = 0; y < standard.height(); ++y) {
        for (int x = 0; x < standard.width(); ++x)
            reordered.setPixel(x, y, 254 - standard.pixelIndex(x, y));
    }
    k.kit.write("reordered.bmp", IndexedBmp::write(reordered));
    k.kit.write("rle.bmp", TestBmp::rle8(reordered).bytes());
    standard.save(k.kit.path("fits.png"));
    // Anti-aliased: one pixel a shade off black, which the palette has at index 0.
    QImage foreign = rgb(standard);
    foreign.setPixel(5, 3, qRgb(1, 2, 3));
    foreign.save(k.kit.path("foreign.png"));
    QImage nearest = standard;
    nearest.setPixel(5, 3, 0);
    ASSERT_EQ(standard.color(0), qRgb(0, 0, 0));
    standard.copy(0, 0, 74, 22).convertToFormat(QImage::Format_RGB888).save(k.kit.path("narrow.bmp"), "BMP");

    enum Result { Converted, Nearest, Cleared, Kept };
    const QString question = "All colours of this picture are in the game palette. Use it converted to the game palette?";
    const QString nearestQuestion = "Some colours of this picture are not in the game palette. Use it with each of "
                                    "them changed to the nearest colour of the palette, as shown?";
    struct Case {
        const char *file;
        QMessageBox::StandardButton answer;
        QStringList said;
        Result result;
    };
    const Case cases[] = {
        {"rgb.bmp", QMessageBox::Yes, {question}, Converted},
        {"rgb.bmp", QMessageBox::No, {question}, Kept}, // offered before any refusal
        {"reordered.bmp", QMessageBox::Yes, {question}, Converted},
        {"rle.bmp", QMessageBox::Yes, {question}, Converted},
        {"rle.bmp", QMessageBox::No, {question}, Kept},
        {"fits.png", QMessageBox::Yes, {question}, Converted},
        {"fits.png", QMessageBox::No, {question}, Kept},
        {"foreign.png", QMessageBox::Yes, {nearestQuestion}, Nearest},
        {"foreign.png", QMessageBox::No, {nearestQuestion}, Kept},
        {"narrow.bmp", QMessageBox::Yes, {"Translated picture sizes mismatch!"}, Cleared},
    };
    for (const Case &c : cases) {
        k.document().setTranslatedPicture(3, earlier);
        const int steps = k.document().undoStack()->index();
        QList<QMessageBox::StandardButton> answers; // a refusal is read, the question answered
        for (const QString &text : c.said)
            answers.append(text.startsWith("Translated picture") ? QMessageBox::Ok : c.answer);
        MessageBoxAnswerer boxes(answers);
        k.choose(c.file);
        QStringList said;
        for (const auto &box : boxes.seen()) {
            said.append(box.text);
            EXPECT_EQ(box.title, box.text.startsWith("Translated picture") ? "Attantion" : KitApplication::Title)
                << c.file;
        }
        EXPECT_EQ(said, c.said) << c.file;
        const QImage *slot = k.pictures().TranslatedPicture(3);
        const QImage expected[] = {standard, nearest, QImage(), earlier};
        EXPECT_EQ(*slot, expected[c.result]) << c.file << " answered " << c.answer;
        EXPECT_EQ(k.marked(), c.result == Cleared ? QList<int>{} : QList<int>{3}) << c.file;
        EXPECT_EQ(k.document().undoStack()->index(), steps + (c.result == Kept ? 0 : 1)) << c.file;
        EXPECT_EQ(shown(k.translatedBox()), c.result == Cleared ? QImage() : rgb(*slot)) << c.file;
        if (c.result != Kept) {
            k.press(QKeySequence(Qt::CTRL | Qt::Key_Z));
            EXPECT_EQ(*slot, earlier) << c.file << ": the picture before the choice is back";
        }
    }
}

TEST(PicturesPage, TheNearestColourOfferNamesTheColoursOffAndShowsTheResult)
{
    PicturesWindow k;
    k.select(5);
    const QImage &standard = *k.pictures().StandardPicture(5); // 84 x 22
    QImage blurred = rgb(standard);
    blurred.setPixel(0, 0, qRgb(0x01, 0x02, 0x03));
    blurred.setPixel(83, 21, qRgb(0xFE, 0xFE, 0xFD));
    blurred.save(k.kit.path("blurred.png"));
    QImage fitted = standard;
    fitted.setPixel(0, 0, 0);
    fitted.setPixel(83, 21, 1); // white

    MessageBoxAnswerer boxes(QMessageBox::Yes);
    k.choose("blurred.png");
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.seen()[0].detail, "2 pixels have colours that are not in the game palette:\n"
                                      "  x 0, y 0: #010203\n"
                                      "  x 83, y 21: #FEFEFD\n"
                                      "The largest change is a distance of 3.7 in red, green and blue.");
    // 84 pixels wide: each pixel shown as 3 x 3.
    EXPECT_EQ(rgb(boxes.seen()[0].picture.toImage()), rgb(fitted).scaled(252, 66));
    EXPECT_EQ(*k.pictures().TranslatedPicture(5), fitted);
}

TEST(PicturesPage, RemovingATranslatedPictureIsUndoableAndTheSelectorMarksTheRowsDone)
{
    PicturesWindow k;
    k.redraw("budget.bmp", 3);
    k.select(3);
    auto *remove = k.find<QPushButton>("RemovePictureButton");
    EXPECT_EQ(k.marked(), QList<int>{});
    EXPECT_FALSE(remove->isEnabled());
    k.choose("budget.bmp");
    k.select(6);
    k.choose("budget.bmp");
    EXPECT_EQ(k.marked(), (QList<int>{3, 6}));
    EXPECT_EQ(k.find<QComboBox>("PictSelComboBox")->itemText(3), "\"Budget\" (Map menu)") << "captions stay";

    k.select(3);
    ASSERT_TRUE(remove->isEnabled());
    QTest::mouseClick(remove, Qt::LeftButton);
    EXPECT_FALSE(k.pictures().isPresent(3));
    EXPECT_TRUE(k.translatedBox()->pixmap().isNull());
    EXPECT_FALSE(remove->isEnabled());
    EXPECT_EQ(k.marked(), QList<int>{6});
    k.press(QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_TRUE(k.pictures().isPresent(3));
    EXPECT_EQ(k.marked(), (QList<int>{3, 6}));
    EXPECT_TRUE(remove->isEnabled());

    // Zoomed, both boxes show each pixel as 2 x 2, and up to 4 x 4.
    auto *zoom = k.find<QComboBox>("ZoomComboBox");
    QTest::keyClick(zoom, Qt::Key_Down);
    const QImage twice = rgb(k.pictures().StandardPicture(3)->scaled(150, 44));
    EXPECT_EQ(shown(k.standardBox()), twice);
    EXPECT_EQ(shown(k.translatedBox()), twice);
    QTest::keyClick(zoom, Qt::Key_End);
    EXPECT_EQ(zoom->currentText(), "Zoom 4x");
    EXPECT_EQ(shown(k.translatedBox()), rgb(k.pictures().StandardPicture(3)->scaled(300, 88)));
}

// Zoomed past its box, a picture scrolls: at 4x the scroll bars reach its
// last pixel row and column; at 1x it stands at the box's place unscrolled.
TEST(PicturesPage, AZoomedPictureScrollsToItsLastPixel)
{
    PicturesWindow k;
    auto *area = k.find<QScrollArea>("StandardImageArea");
    ASSERT_NE(area, nullptr);
    // msetup.pad, 84 x 22: at 1x in its 249 x 73 box, at 4x past both its edges.
    k.select(5);
    const QSize size = k.pictures().StandardPicture(5)->size();
    ASSERT_EQ(size, QSize(84, 22));
    EXPECT_FALSE(area->horizontalScrollBar()->isVisible()) << "at 1x the picture fits its box";
    EXPECT_EQ(area->pos(), QPoint(8, 128));
    EXPECT_EQ(k.standardBox()->geometry(), QRect(0, 0, 249, 73)) << "at 1x the box is the picture's";

    QTest::keyClick(k.find<QComboBox>("ZoomComboBox"), Qt::Key_End);
    QApplication::processEvents(); // the box's scroll bars follow the picture
    ASSERT_EQ(shown(k.standardBox()).size(), size * 4);
    ASSERT_GT(size.width() * 4, area->viewport()->width());
    ASSERT_GT(size.height() * 4, area->viewport()->height());
    for (QScrollBar *bar : {area->horizontalScrollBar(), area->verticalScrollBar()}) {
        ASSERT_TRUE(bar->isVisible());
        QTest::keyClick(bar, Qt::Key_End);
    }
    // The last pixel (4 x 4 on the screen) lies wholly in the visible part.
    const QRect lastPixel(size.width() * 4 - 4, size.height() * 4 - 4, 4, 4);
    const QRect visible(k.standardBox()->mapFrom(area->viewport(), QPoint(0, 0)), area->viewport()->size());
    EXPECT_TRUE(visible.contains(lastPixel)) << "visible " << visible.x() << "," << visible.y() << " "
                                             << visible.width() << "x" << visible.height();
    EXPECT_EQ(area->geometry(), QRect(8, 128, 249, 73)) << "the box keeps its place";
}
