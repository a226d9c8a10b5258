#include "TempKit.h"
#include "font/FontChoice.h"
#include "ui/TMainForm.h"

#include <QFontDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

using namespace orvanta;

namespace {

// Clicks "Choose font" and, once the font dialog shows, lets `answer` work
// it as a user would (pick a font, then OK or Cancel). Returns the font
// the dialog opened on.
QFont chooseFont(TMainForm &form, const std::function<void(QFontDialog *)> &answer)
{
    auto *dialog = form.findChild<QFontDialog *>(QStringLiteral("FontDialog"));
    EXPECT_NE(dialog, nullptr);
    QFont openedOn;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!dialog->isVisible())
            return;
        poll.stop();
        openedOn = dialog->currentFont();
        answer(dialog);
    });
    poll.start(10);
    QTest::mouseClick(form.Button3, Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    return openedOn;
}

QFont boldUnderlinedSerif()
{
    QFont font(QStringLiteral("Liberation Serif"), 12);
    font.setBold(true);
    font.setUnderline(true);
    return font;
}

} // namespace

TEST(FontPage, StartsWithArialEight)
{
    TempKit kit;
    TMainForm form(kit.dir());
    EXPECT_EQ(form.FontNameLabel->text(), "Arial,8,");
    EXPECT_EQ(form.GlyphFont().family(), "Arial");
    EXPECT_EQ(form.GlyphFont().pointSize(), 8);
}

TEST(FontPage, ConfirmedChoiceBecomesTheGlyphFont)
{
    TempKit kit;
    TMainForm form(kit.dir());
    form.show();
    chooseFont(form, [](QFontDialog *dialog) {
        dialog->setCurrentFont(boldUnderlinedSerif());
        dialog->accept();
    });
    EXPECT_EQ(form.FontNameLabel->text(), "Liberation Serif,12,bold,underline,");
    EXPECT_EQ(form.GlyphFont().family(), "Liberation Serif");
    EXPECT_TRUE(form.GlyphFont().bold());

    const QFont reopened = chooseFont(form, [](QFontDialog *dialog) { dialog->reject(); });
    EXPECT_EQ(reopened.family(), "Liberation Serif") << "the dialog opens on the current font";
    EXPECT_EQ(reopened.pointSize(), 12);
    EXPECT_TRUE(reopened.underline());
}

TEST(FontPage, CancelKeepsFontAndLabel)
{
    TempKit kit;
    TMainForm form(kit.dir());
    form.show();
    chooseFont(form, [](QFontDialog *dialog) {
        dialog->setCurrentFont(boldUnderlinedSerif());
        dialog->reject();
    });
    EXPECT_EQ(form.FontNameLabel->text(), "Arial,8,");
    EXPECT_EQ(form.GlyphFont(), FontChoice::defaultFont());
}


TEST(FontPage, DialogShowsTheFaceThatDrawsArialAndOkKeepsIt)
{
    TempKit kit;
    TMainForm form(kit.dir());
    form.show();
    const QFont opened = chooseFont(form, [](QFontDialog *dialog) { dialog->accept(); });
    EXPECT_EQ(opened.family(), "Liberation Sans");
    EXPECT_EQ(opened.pointSize(), 8);
    EXPECT_EQ(form.FontNameLabel->text(), "Arial,8,");

    chooseFont(form, [](QFontDialog *dialog) {
        QFont larger(QStringLiteral("Liberation Sans"), 10);
        larger.setItalic(true);
        dialog->setCurrentFont(larger);
        dialog->accept();
    });
    EXPECT_EQ(form.FontNameLabel->text(), "Arial,10,italic,");
}
