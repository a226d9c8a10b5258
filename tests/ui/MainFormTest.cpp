#include "MessageBoxAnswerer.h"
#include "TempKit.h"
#include "ui/TMainForm.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace orvanta;

TEST(MainForm, WindowOpensOnTheFontPageAtItsPlace)
{
    TempKit kit;
    kit.installSampleData();
    TMainForm form(kit.dir());
    form.show();
    EXPECT_EQ(form.objectName(), "MainForm");
    EXPECT_EQ(form.windowTitle(), "Orvanta Localization Kit V1.2 (For Orvanta V1.25) - Kolvane Sofware");
    EXPECT_EQ(form.size(), QSize(537, 423));
    EXPECT_EQ(form.minimumSize(), form.maximumSize()) << "the window is fixed-size";
    EXPECT_EQ(form.pos(), QPoint(213, 159));
    EXPECT_EQ(form.PageControl1->currentWidget(), form.TabSheet3);
    EXPECT_EQ(form.PageControl1->tabText(0), "Pictures");
    EXPECT_EQ(form.PageControl1->tabText(1), "Texts");
    EXPECT_EQ(form.PageControl1->tabText(2), "Font");
}

TEST(MainForm, ControlsStandWhereTheLayoutPutsThem)
{
    struct Case {
        const char *name;
        const char *page; // object name of the parent
        QRect geometry;   // width < 0: sized by its text
        const char *text;
    };
    const Case cases[] = {
        {"PageControl1", "MainForm", {8, 8, 521, 377}, nullptr},
        {"Button1", "MainForm", {8, 392, 137, 25}, "Save data to \"lang.dat\""},
        {"Button4", "MainForm", {504, 392, 27, 25}, "?"},
        {"Label1", "TabSheet1", {8, 24, 497, 41}, nullptr},
        {"Label4", "TabSheet1", {8, 80, -1, -1},
         "Do not modify color table or color definition because the game uses it's own palette and drawing methods!"},
        {"StandardImage", "TabSheet1", {8, 128, 249, 73}, nullptr},
        {"TranslatedImage", "TabSheet1", {8, 224, 249, 73}, nullptr},
        {"PictSelComboBox", "TabSheet1", {264, 128, 241, 21}, nullptr},
        {"Button6", "TabSheet1", {8, 312, 153, 25}, "Save original picture"},
        {"Button5", "TabSheet1", {168, 312, 161, 25}, "Choose translated picture"},
        {"Label7", "TabSheet2", {8, 8, -1, -1}, "ANNOTATION"},
        {"StringGrid", "TabSheet2", {8, 104, 497, 145}, nullptr},
        {"Label11", "TabSheet2", {88, 256, 417, 49}, nullptr},
        {"Label12", "TabSheet2", {88, 304, 417, 41}, nullptr},
        {"Label13", "TabSheet3", {8, 8, -1, -1}, "ANNOTATION:"},
        {"Label19", "TabSheet3", {8, 176, -1, -1}, "Font:"},
        {"FontNameLabel", "TabSheet3", {40, 176, 449, 13}, nullptr},
        {"Button3", "TabSheet3", {8, 192, 81, 25}, "Choose font"},
        {"RenderImage", "TabSheet3", {464, 176, 33, 25}, nullptr},
    };
    TempKit kit;
    TMainForm form(kit.dir());
    for (const Case &c : cases) {
        auto *w = form.findChild<QWidget *>(QString::fromLatin1(c.name));
        ASSERT_NE(w, nullptr) << c.name;
        EXPECT_EQ(w->parentWidget()->objectName(), QLatin1String(c.page)) << c.name;
        if (c.geometry.width() < 0)
            EXPECT_EQ(w->pos(), c.geometry.topLeft()) << c.name;
        else
            EXPECT_EQ(w->geometry(), c.geometry) << c.name;
        if (c.text) {
            QString text;
            if (auto *l = qobject_cast<QLabel *>(w))
                text = l->text();
            else if (auto *b = qobject_cast<QPushButton *>(w))
                text = b->text();
            EXPECT_EQ(text, QString::fromUtf8(c.text)) << c.name;
        }
    }
    EXPECT_TRUE(form.findChild<QLabel *>("Label2")->font().bold());
    EXPECT_TRUE(form.findChild<QLabel *>("Label11")->font().underline());
    EXPECT_TRUE(form.findChild<QLabel *>("Label11")->wordWrap());
    EXPECT_FALSE(form.findChild<QLabel *>("Label12")->wordWrap());
    for (const char *hidden : {"RenderImage", "Memo1"})
        EXPECT_TRUE(form.findChild<QWidget *>(hidden)->isHidden()) << hidden;
}

TEST(MainForm, ADamagedArchiveIsReportedOnceTheWindowShows)
{
    TempKit kit;
    kit.write("lang.dat", QByteArray("\x09\0\0\0garbage", 11));
    TMainForm form(kit.dir());
    MessageBoxAnswerer answerer;
    form.show();
    ASSERT_EQ(answerer.count(), 1);
    EXPECT_EQ(answerer.seen()[0].title, "Orvanta Localization Kit");
    EXPECT_TRUE(answerer.seen()[0].text.contains(kit.path("lang.dat") + ": at byte 0: the entry count 9"))
        << answerer.seen()[0].text.toStdString();
}

TEST(MainForm, AMissingLangDatIsNoError)
{
    TempKit kit;
    kit.installSampleData();
    TMainForm form(kit.dir());
    MessageBoxAnswerer answerer;
    form.show();
    QTest::qWait(50);
    EXPECT_EQ(answerer.count(), 0);
}

TEST(MainForm, ABadlyDamagedArchiveGivesAShortWarning)
{
    // Every record of this archive lacks its NUL: one problem each.
    QByteArray bytes("\xA0\x86\x01\x00", 4); // 100,000 entries
    bytes += QByteArray(21 * 100'000, '\xFF');
    TempKit kit;
    kit.installSampleData();
    kit.write("lang.dat", bytes);
    TMainForm form(kit.dir());
    MessageBoxAnswerer answerer;
    form.show();
    ASSERT_EQ(answerer.count(), 1);
    const QString text = answerer.seen()[0].text;
    EXPECT_TRUE(text.contains("... and 99990 more problems of the same kind")) << text.left(300).toStdString();
    EXPECT_LT(text.size(), 3000);
}
