#include "MessageBoxAnswerer.h"
#include "TempKit.h"
#include "pictures/IndexedBmp.h"
#include "pictures/PictureFile.h"
#include "ui/TMainForm.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace orvanta;

namespace {

// Answers the next showing of a modal file dialog: chooses `path`, or
// cancels when it is empty. Remembers the file the dialog offered.
class FileDialogAnswerer {
public:
    FileDialogAnswerer(QFileDialog *dialog, const QString &path)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this, dialog, path] {
            if (!dialog->isVisible())
                return;
            m_timer.stop();
            offered = dialog->selectedFiles().value(0);
            if (path.isEmpty()) {
                dialog->reject();
            } else {
                // Typed in, as a user would; selectFile() leaves a focused name field alone.
                dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
                static_cast<QDialog *>(dialog)->accept(); // as the dialog's own button does
            }
        });
        m_timer.start(10);
    }
    QString offered;

private:
    QTimer m_timer;
};

QImage shown(const QLabel *box)
{
    return box->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage rgb(const QImage &picture)
{
    return picture.convertToFormat(QImage::Format_RGB32);
}

// A kit folder with the sample kvmain.dat, ready before a window opens on it.
struct SampleKit : TempKit {
    SampleKit() { installSampleData(); }
};

struct PicturesPage {
    SampleKit kit;
    TMainForm form{kit.dir()};
    QSignalSpy changed{&form, &TMainForm::translatedPicturesChanged};

    PicturesPage()
    {
        form.show();
        form.PageControl1->setCurrentWidget(form.TabSheet1);
    }

    void select(int row) { form.PictSelComboBox->setCurrentIndex(row); }

    // Presses "Choose translated picture" and picks `name` in the kit folder.
    void choose(const QString &name)
    {
        FileDialogAnswerer answer(form.OpenPictureDialog1, name.isEmpty() ? QString() : kit.path(name));
        QTest::mouseClick(form.Button5, Qt::LeftButton);
    }

    // Writes the selected row's standard picture, changed by `edit`, as a BMP.
    void redraw(const QString &name, int row, void (*edit)(QByteArray &) = nullptr)
    {
        QByteArray bytes = IndexedBmp::write(*form.StandardPicture(row));
        if (edit)
            edit(bytes);
        kit.write(name, bytes);
    }
};

} // namespace

TEST(PicturesPage, TheSelectorShowsEachRowsPicturesUnscaledAndClipped)
{
    PicturesPage page;
    QComboBox *selector = page.form.PictSelComboBox;
    ASSERT_EQ(selector->count(), 9);
    EXPECT_EQ(selector->itemText(0), "\"Stock\" Pressed (Storage menu)");
    EXPECT_EQ(selector->itemText(7), "All buttons (Map menu)");
    EXPECT_EQ(selector->itemText(8), "\"Stock\" (Storage menu)");
    EXPECT_EQ(selector->currentIndex(), 0);
    EXPECT_EQ(shown(page.form.StandardImage), rgb(*page.form.StandardPicture(0))) << "shown when the window opens";
    EXPECT_TRUE(page.form.TranslatedImage->pixmap().isNull());

    QTest::keyClick(selector, Qt::Key_End);
    ASSERT_EQ(selector->currentIndex(), 8);
    // 240 x 320 in a 249 x 73 box: the top 73 rows, from the top-left corner.
    const QImage box = page.form.StandardImage->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(box.size(), QSize(249, 73));
    EXPECT_EQ(box.copy(0, 0, 240, 73), rgb(*page.form.StandardPicture(8)).copy(0, 0, 240, 73));
    EXPECT_NE(box.pixel(244, 10), box.pixel(239, 10)) << "nothing drawn right of the picture";
}

TEST(PicturesPage, ASavedOriginalComesBackAsTheTranslatedPicture)
{
    PicturesPage page;
    page.select(5);
    FileDialogAnswerer save(page.form.SavePictureDialog1, page.kit.path("settings.bmp"));
    QTest::mouseClick(page.form.Button6, Qt::LeftButton);
    EXPECT_TRUE(save.offered.endsWith("/msetup.bmp")) << save.offered.toStdString();
    EXPECT_EQ(page.kit.read("settings.bmp"), IndexedBmp::write(*page.form.StandardPicture(5)));

    MessageBoxAnswerer boxes;
    page.choose("settings.bmp");
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_TRUE(page.form.Pictures().isPresent(5));
    EXPECT_EQ(page.changed.count(), 1);
    EXPECT_EQ(shown(page.form.TranslatedImage), rgb(*page.form.StandardPicture(5)));

    page.select(4);
    EXPECT_TRUE(page.form.TranslatedImage->pixmap().isNull()) << "row 4 has no translated picture";
}

TEST(PicturesPage, ARefusalSaysWhyAndRemovesTheAcceptedPicture)
{
    PicturesPage page;
    page.select(3);
    page.redraw("budget.bmp", 3);
    page.redraw("budget-palette.bmp", 3, [](QByteArray &b) { b[54 + 4 * 100 + 1] ^= 0x40; });
    page.choose("budget.bmp");
    ASSERT_TRUE(page.form.Pictures().isPresent(3));

    MessageBoxAnswerer boxes;
    page.choose("budget-palette.bmp");
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.seen()[0].title, "Attantion");
    EXPECT_EQ(boxes.seen()[0].text, "Translated picture palette differs from original!");
    EXPECT_FALSE(page.form.Pictures().isPresent(3));
    EXPECT_TRUE(page.form.TranslatedPicture(3)->size().isEmpty());
    EXPECT_TRUE(page.form.TranslatedImage->pixmap().isNull());
    EXPECT_EQ(page.changed.count(), 2);

    // The same 75 x 22 picture is tested against the selected row only.
    page.select(2);
    page.choose("budget.bmp");
    ASSERT_EQ(boxes.count(), 2);
    EXPECT_EQ(boxes.seen()[1].text, "Translated picture sizes mismatch!");
    EXPECT_EQ(page.changed.count(), 2) << "nothing was there to remove";
    page.select(6);
    page.choose("budget.bmp");
    EXPECT_EQ(boxes.count(), 2);
    EXPECT_TRUE(page.form.Pictures().isPresent(6));
}

TEST(PicturesPage, AFileThatDoesNotLoadLeavesTheAcceptedPicture)
{
    PicturesPage page;
    page.select(0);
    page.redraw("stock.bmp", 0);
    page.redraw("cut.bmp", 0, [](QByteArray &b) { b.chop(10); });
    page.kit.write("photo.bmp", "\x89PNG\r\n\x1A\n and so on");
    page.choose("stock.bmp");
    ASSERT_TRUE(page.form.Pictures().isPresent(0));

    MessageBoxAnswerer boxes;
    page.choose("photo.bmp");
    page.choose("cut.bmp");
    page.choose(QString()); // cancelled
    ASSERT_EQ(boxes.count(), 2);
    EXPECT_EQ(boxes.seen()[0].title, "Orvanta Localization Kit");
    EXPECT_EQ(boxes.seen()[0].text, "Bitmap image is not valid.") << "the error box ends it with a full stop";
    EXPECT_EQ(boxes.seen()[1].text, "Stream read error.");
    EXPECT_TRUE(page.form.Pictures().isPresent(0));
    EXPECT_EQ(shown(page.form.TranslatedImage), rgb(*page.form.StandardPicture(0)));
    EXPECT_EQ(page.changed.count(), 1);
}

TEST(PicturesPage, PicturesOfTheLastSaveAreBackAtStartUp)
{
    SampleKit kit;
    QImage stock(41, 18, QImage::Format_Indexed8);
    stock.fill(1); // white
    stock.scanLine(0)[0] = 0; // black, in the game's palette
    kit.writeArchive("lang.dat", {{"STK.PAD", PictureFile::encode(stock)},
                                  {"MSITES.PAD", PictureFile::encode(stock)}}); // not the size of row 2
    TMainForm form(kit.dir());
    form.show();
    ASSERT_TRUE(form.Pictures().isPresent(0));
    EXPECT_FALSE(form.Pictures().isPresent(2));
    const QImage box = shown(form.TranslatedImage);
    EXPECT_EQ(box.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(box.pixel(1, 0), qRgb(255, 255, 255));
}
