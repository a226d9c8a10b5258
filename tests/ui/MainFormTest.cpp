#include "FontChooser.h"
#include "KitWindow.h"
#include "kit/KitOpenLock.h"
#include "ui/KitApplication.h"
#include "ui/Messages.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>

using namespace orvanta;

namespace {

struct Placed {
    const char *name;
    int page;        // -1: outside the pages
    QRect geometry;  // empty: sized by its text, only the position counts
    const char *text; // or null
};

// Every control at the default size, as the window's layout puts it.
const Placed DefaultLayout[] = {
    {"PageControl1", -1, {8, 8, 521, 377}, nullptr},
    {"Button1", -1, {8, 392, 137, 25}, "Save data to \"lang.dat\""},
    {"Button4", -1, {504, 392, 27, 25}, "?"},
    {"Memo1", -1, {440, 384, 57, 33}, nullptr},
    {"Label2", 0, {8, 8, 0, 0}, "ANNOTATION:"},
    {"Label1", 0, {8, 24, 497, 41}, nullptr},
    {"Label3", 0, {8, 64, 0, 0}, "WARNING:"},
    {"Label4", 0, {8, 80, 497, 27},
     "Do not modify color table or color definition because the game uses it's own palette and drawing methods!"},
    {"Label18", 0, {8, 112, 0, 0}, "Standard picture:"},
    {"StandardImage", 0, {8, 128, 249, 73}, nullptr},
    {"Label20", 0, {8, 208, 0, 0}, "Translated picture:"},
    {"TranslatedImage", 0, {8, 224, 249, 73}, nullptr},
    {"Label21", 0, {264, 112, 0, 0}, "Picture selection:"},
    {"PictSelComboBox", 0, {264, 128, 241, 21}, nullptr},
    {"Button6", 0, {8, 312, 153, 25}, "Save original picture"},
    {"Button5", 0, {168, 312, 161, 25}, "Choose translated picture"},
    {"Label7", 1, {8, 8, 0, 0}, "ANNOTATION"},
    {"Label5", 1, {8, 24, 473, 33}, nullptr},
    {"Label8", 1, {8, 56, 0, 0}, "WARNING:"},
    {"Label6", 1, {8, 72, 473, 33}, nullptr},
    {"StringGrid", 1, {8, 104, 497, 145}, nullptr},
    {"Label9", 1, {8, 256, 0, 0}, "Original text:"},
    {"Label11", 1, {88, 256, 417, 49}, nullptr},
    {"Label10", 1, {8, 304, 0, 0}, "Translated text:"},
    {"Label12", 1, {88, 304, 417, 41}, nullptr},
    {"WindowLanguageLabel", 2, {272, 7, 0, 0}, "Window language:"},
    {"WindowLanguageComboBox", 2, {368, 3, 137, 20}, nullptr},
    {"Label13", 2, {8, 8, 0, 0}, "ANNOTATION:"},
    {"Label14", 2, {8, 24, 491, 33}, nullptr},
    {"Label15", 2, {8, 56, 0, 0}, "WARNING:"},
    {"Label16", 2, {8, 72, 497, 33}, nullptr},
    {"Label17", 2, {8, 104, 481, 41}, nullptr},
    {"Label19", 2, {8, 176, 0, 0}, "Font:"},
    {"FontNameLabel", 2, {40, 176, 449, 13}, "Arial,8,"},
    {"Button3", 2, {8, 192, 81, 25}, "Choose font"},
    {"RenderImage", 2, {464, 176, 33, 25}, nullptr},
    {"GlyphSheetView", 2, {8, 260, 497, 85}, nullptr},
};

const char *const PageNames[] = {"TabSheet1", "TabSheet2", "TabSheet3"};

// The widget's geometry, or only its position where `p` gives no size.
// The page (or the form) a control stands on: its parent, or for a
// picture box the parent of the scroll area that scrolls it.
const QWidget *standsOn(const QWidget *widget)
{
    const QWidget *on = widget->parentWidget();
    if (auto *area = qobject_cast<const QScrollArea *>(on ? on->parentWidget() : nullptr))
        on = area->parentWidget();
    return on;
}

// Where a control stands on its page (or the form).
QRect placeOf(const QWidget *widget, const Placed &p)
{
    const QPoint at = widget->mapTo(standsOn(widget), QPoint(0, 0));
    return QRect(at, p.geometry.isEmpty() ? QSize(0, 0) : widget->size());
}

QString textOf(const QWidget *widget)
{
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (auto *button = qobject_cast<const QPushButton *>(widget))
        return button->text();
    return {};
}

} // namespace

TEST(MainForm, OpensAtItsPlaceWithEveryControlWhereTheLayoutPutsIt)
{
    KitWindow k;
    ASSERT_TRUE(k.open().isEmpty());
    TMainForm &form = *k.form;
    EXPECT_EQ(form.objectName(), "MainForm");
    EXPECT_EQ(form.windowTitle(), "Orvanta Localization Kit V1.2 (For Orvanta V1.25) - Kolvane Sofware");
    EXPECT_EQ(form.pos(), QPoint(213, 159));
    EXPECT_EQ(form.size(), QSize(537, 423));
    EXPECT_EQ(form.minimumSize(), QSize(537, 423));
    EXPECT_GT(form.maximumWidth(), 537) << "the window can grow";
    auto *pages = k.find<QTabWidget>("PageControl1");
    ASSERT_EQ(pages->count(), 3);
    EXPECT_EQ(pages->currentIndex(), 2) << "the Font page first";
    for (int page = 0; page < 3; ++page) {
        EXPECT_EQ(pages->widget(page)->objectName(), PageNames[page]);
        EXPECT_EQ(pages->tabText(page), (QStringList{"Pictures", "Texts", "Font"}[page]));
    }
    for (int page = 0; page < 3; ++page) {
        pages->setCurrentIndex(page);
        for (const Placed &p : DefaultLayout) {
            if (p.page != page && !(page == 0 && p.page < 0))
                continue;
            auto *w = k.find(p.name);
            ASSERT_NE(w, nullptr) << p.name;
            EXPECT_EQ(standsOn(w)->objectName(), p.page < 0 ? "MainForm" : PageNames[p.page]) << p.name;
            EXPECT_EQ(placeOf(w, p), p.geometry) << p.name;
            if (p.text) {
                EXPECT_EQ(textOf(w), QString::fromUtf8(p.text)) << p.name;
            }
        }
    }
    EXPECT_TRUE(k.find<QLabel>("Label2")->font().bold());
    EXPECT_TRUE(k.find<QLabel>("Label11")->font().underline());
    EXPECT_TRUE(k.find<QLabel>("Label11")->wordWrap());
    EXPECT_FALSE(k.find<QLabel>("Label12")->wordWrap());
    for (const char *hidden : {"RenderImage", "Memo1"})
        EXPECT_TRUE(k.find(hidden)->isHidden()) << hidden;
    EXPECT_EQ(form.findChild<QFileDialog *>(), nullptr) << "dialogs are made when first used";
    EXPECT_EQ(form.findChild<QFontDialog *>(), nullptr);
}

TEST(MainForm, GrowingTheWindowGrowsTheGridTheTextLabelsAndThePictureBoxes)
{
    KitWindow k;
    k.open();
    k.form->resize(537 + 200, 423 + 100);
    const Placed grown[] = {
        {"PageControl1", -1, {8, 8, 721, 477}, nullptr},
        {"Button1", -1, {8, 492, 137, 25}, nullptr},
        {"Button4", -1, {704, 492, 27, 25}, nullptr},
        {"Label1", 0, {8, 24, 697, 41}, nullptr},
        {"StandardImage", 0, {8, 128, 449, 123}, nullptr},
        {"Label20", 0, {8, 258, 0, 0}, nullptr},
        {"TranslatedImage", 0, {8, 274, 449, 123}, nullptr},
        {"PictSelComboBox", 0, {464, 128, 241, 21}, nullptr},
        {"Button5", 0, {168, 412, 161, 25}, nullptr},
        {"TextsPageBar", -1, {150, 492, 550, 25}, nullptr},
        // The grid takes 45% of the height gained; the rest is room between the grid and the labels.
        {"StringGrid", 1, {8, 104, 697, 190}, nullptr},
        {"Label11", 1, {88, 356, 617, 49}, nullptr},
        {"Label12", 1, {88, 404, 617, 41}, nullptr},
        {"Label17", 2, {8, 104, 681, 41}, nullptr},
        {"FontNameLabel", 2, {40, 176, 649, 13}, nullptr},
        {"Button3", 2, {8, 192, 81, 25}, nullptr},
        {"GlyphSheetView", 2, {8, 260, 697, 185}, nullptr},
    };
    for (const Placed &p : grown) {
        k.find<QTabWidget>("PageControl1")->setCurrentIndex(p.page < 0 ? 1 : p.page); // the Texts page shows its bar
        EXPECT_EQ(placeOf(k.find(p.name), p), p.geometry) << p.name;
        EXPECT_TRUE(k.find(p.name)->isVisible()) << p.name;
    }
    k.showPage(1);
    EXPECT_FALSE(k.find("WorkAreaSplitter")->isVisible()) << "too little room for the editing pane and the panels";
    EXPECT_TRUE(k.find("PreviewButton")->isVisible()) << "the preview's window is there in every size";
    // The number column is wider than its 41 px for the game's 1,702 rows
    // (four digits beside a warning sign); the text columns give up the
    // difference alike and share the 200 px gained.
    const int numbers = k.grid()->columnWidth(0);
    EXPECT_GT(numbers, 41);
    EXPECT_EQ(numbers + k.grid()->columnWidth(1) + k.grid()->columnWidth(2), 41 + 197 + 234 + 200);
    EXPECT_LE(std::abs((k.grid()->columnWidth(1) - 197) - (k.grid()->columnWidth(2) - 234)), 1);

    // Maximised at 1280 x 1024: the editing pane, the preview and the
    // panels have all the room they need, and the grid takes the rest.
    k.form->resize(1280, 1024);
    k.showPage(1);
    EXPECT_EQ(k.grid()->geometry(), QRect(8, 104, 1240, 416));
    EXPECT_EQ(k.find("WorkAreaSplitter")->geometry(), QRect(8, 523, 1240, 330));
    for (const char *part : {"TranslationEditor", "TextPreview", "SuggestionsList", "ChecksList", "PreviewButton"})
        EXPECT_TRUE(k.find(part)->isVisible()) << part;
    EXPECT_EQ(k.find("Label11")->geometry(), QRect(88, 857, 1160, 49));

    k.form->resize(300, 200);
    EXPECT_EQ(k.form->size(), QSize(537, 423)) << "never below the default size";
    k.showPage(1);
    EXPECT_EQ(k.grid()->geometry(), QRect(8, 104, 497, 145));
    EXPECT_FALSE(k.find("TextPreview")->isVisible()) << "no room: the preview opens in a window of its own";
    EXPECT_TRUE(k.find("PreviewButton")->isVisible());
    // The Texts page's own controls share the page with the labels: the
    // mouse reaches each of them, not a label drawn over it.
    for (const char *name : {"ByteCountLabel", "ProgressLabel", "ExportTextsButton", "ImportTextsButton", "SearchField",
                             "FilterComboBox", "PreviewButton"}) {
        QWidget *control = k.find(name);
        QWidget *hit = k.form->childAt(control->mapTo(k.form.get(), control->rect().center()));
        EXPECT_TRUE(hit == control || control->isAncestorOf(hit)) << name << " is under " << hit->objectName().toStdString();
    }
    k.showPage(2);
    EXPECT_FALSE(k.find("SearchField")->isVisible()) << "the search belongs to the Texts page";
}

TEST(MainForm, StartUpSaysOnceWhatItFoundDamagedOrIgnored)
{
    QByteArray everyRecordBad("\xA0\x86\x01\x00", 4); // 100,000 entries without a NUL
    everyRecordBad += QByteArray(21 * 100'000, '\xFF');
    struct Case {
        const char *what;
        QByteArray langDat; // none when empty
        QByteArray settings;
        QStringList said; // empty: no box at all
        QByteArray review = {};
    };
    const Case cases[] = {
        {"nothing there", {}, {}, {}},
        {"a damaged lang.dat", QByteArray("\x09\0\0\0garbage", 11), {}, {": at byte 0: the entry count 9"}},
        {"a badly damaged lang.dat", everyRecordBad, {}, {"... and 99990 more problems of the same kind"}},
        {"nonsense settings", {}, "[texts]\ncodepage=big\n[window]\npage=7\n",
         {"Some of your settings were ignored", "texts/codepage = \"big\"", "window/page = \"7\""}},
        {"both", QByteArray("\x09\0\0\0garbage", 11), "[texts]\ncodepage=big\n",
         {": at byte 0: the entry count 9", "texts/codepage"}},
        {"a damaged review file", {}, {},
         {"orvanta-kit.review: line 1: not a review file of the kit", "orvanta-kit.review.damaged and the kit goes on"},
         "my notes\n"},
    };
    for (const Case &c : cases) {
        KitWindow k;
        if (!c.langDat.isEmpty())
            k.kit.write("lang.dat", c.langDat);
        if (!c.settings.isEmpty())
            k.kit.write("orvanta-kit.ini", c.settings);
        if (!c.review.isEmpty())
            k.kit.write("orvanta-kit.review", c.review);
        const auto seen = k.open();
        ASSERT_EQ(seen.size(), c.said.isEmpty() ? 0 : 1) << c.what;
        if (c.said.isEmpty())
            continue;
        EXPECT_EQ(seen[0].title, "Orvanta Localization Kit") << c.what;
        EXPECT_LT(seen[0].text.size(), 3000) << c.what;
        for (const QString &part : c.said)
            EXPECT_TRUE(seen[0].text.contains(part)) << c.what << ": " << seen[0].text.left(400).toStdString();
        if (!c.review.isEmpty()) {
            EXPECT_EQ(k.kit.read("orvanta-kit.review.damaged"), c.review) << "kept aside, never written over";
        }
    }
}

// Without a program to open it (as here, headless), "?" says where the
// translator's guide is.
TEST(MainForm, HelpSaysWhereTheGuideIsWhenNothingCanOpenIt)
{
    KitWindow k;
    k.open();
    MessageBoxAnswerer answerer({QMessageBox::Ok});
    QTest::mouseClick(k.find<QPushButton>("Button4"), Qt::LeftButton);
    ASSERT_EQ(answerer.count(), 1);
    EXPECT_TRUE(answerer.seen()[0].text.contains(QDir::toNativeSeparators(k.kit.path("readme.txt"))))
        << answerer.seen()[0].text.toStdString();
}

TEST(MainForm, ASecondWindowOnTheSameKitSaysItIsOpenAlready)
{
    TempKit kit;
    auto first = KitApplication::openWindow(kit.dir());
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(QFile::exists(kit.path(KitOpenLock::FileName)));
    {
        MessageBoxAnswerer quit(QMessageBox::Close);
        EXPECT_EQ(KitApplication::openWindow(kit.dir()), nullptr);
        ASSERT_EQ(quit.count(), 1);
        EXPECT_TRUE(quit.seen()[0].text.contains("already open in another window (process "))
            << quit.seen()[0].text.toStdString();
    }
    {
        MessageBoxAnswerer openAnyway(QMessageBox::Open);
        EXPECT_NE(KitApplication::openWindow(kit.dir()), nullptr);
        EXPECT_EQ(openAnyway.count(), 1);
    }
    first.reset();
    EXPECT_FALSE(QFile::exists(kit.path(KitOpenLock::FileName)));
    MessageBoxAnswerer none;
    EXPECT_NE(KitApplication::openWindow(kit.dir()), nullptr);
    EXPECT_EQ(none.count(), 0) << "the first window is gone";
}

TEST(MainForm, ANewWindowTakesUpWhereTheTranslatorLeft)
{
    KitWindow k;
    k.open();
    QFont serif(QStringLiteral("Liberation Serif"), 12);
    serif.setBold(true);
    FontChooser::choose(*k.form, serif, FontChooser::Answer::Ok);
    auto *codePages = k.find<QComboBox>("CodePageComboBox");
    codePages->setCurrentIndex(codePages->findData(1251));
    auto *zoom = k.find<QComboBox>("GlyphZoomComboBox");
    zoom->setCurrentIndex(zoom->findData(3));
    k.press(QKeySequence(Qt::CTRL | Qt::Key_PageDown)); // from Font round to Pictures
    k.press(QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    EXPECT_EQ(k.find<QTabWidget>("PageControl1")->currentIndex(), 1);
    k.click(40, 2);
    k.form->setGeometry(100, 120, 700, 500);
    ASSERT_TRUE(k.close({QMessageBox::Discard}));

    QSettings ini(k.kit.path("orvanta-kit.ini"), QSettings::IniFormat);
    EXPECT_EQ(ini.value("font/family").toString(), "Liberation Serif");
    EXPECT_EQ(ini.value("font/size").toInt(), 12);
    EXPECT_EQ(ini.value("font/bold").toString(), "true");
    EXPECT_EQ(ini.value("texts/codepage").toInt(), 1251);

    ASSERT_TRUE(k.open().isEmpty());
    EXPECT_EQ(k.find<QLabel>("FontNameLabel")->text(), "Liberation Serif,12,bold,");
    EXPECT_EQ(k.document().glyphFont().family(), "Liberation Serif");
    EXPECT_EQ(k.find<QComboBox>("CodePageComboBox")->currentData().toInt(), 1251);
    EXPECT_EQ(k.document().codePage().number(), 1251);
    EXPECT_EQ(k.find<QComboBox>("GlyphZoomComboBox")->currentText(), "3x");
    EXPECT_EQ(k.find<QTabWidget>("PageControl1")->currentIndex(), 1);
    EXPECT_EQ(k.grid()->currentIndex().row(), 39);
    EXPECT_EQ(k.form->geometry(), QRect(100, 120, 700, 500));
    EXPECT_FALSE(k.document().hasUnsavedWork()) << "what was restored is no change";
    k.press(QKeySequence(Qt::CTRL | Qt::Key_PageUp));
    k.press(QKeySequence(Qt::CTRL | Qt::Key_PageUp));
    EXPECT_EQ(k.find<QTabWidget>("PageControl1")->currentIndex(), 2);
}

TEST(KitApplication, TheKitFolderIsTheExecutablesNotTheCurrentOne)
{
    QTemporaryDir elsewhere;
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
    const QString dir = KitApplication::applicationDirectory();
    QDir::setCurrent(before);
    EXPECT_EQ(dir, QCoreApplication::applicationDirPath() + "/");
    EXPECT_NE(QDir(dir).canonicalPath(), QDir(elsewhere.path()).canonicalPath());
}

TEST(KitApplication, ErrorsGetAFullStopLikeTheErrorBox)
{
    EXPECT_EQ(Messages::exceptionText("Cannot open file x"), "Cannot open file x.");
    EXPECT_EQ(Messages::exceptionText("Done."), "Done.");
    EXPECT_EQ(Messages::exceptionText("Is it?"), "Is it?.");
    EXPECT_EQ(Messages::exceptionText("Stop!"), "Stop!");
    EXPECT_EQ(Messages::exceptionText(""), "");
}
