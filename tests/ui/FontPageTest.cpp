#include "TempKit.h"
#include "font/FontChoice.h"
#include "ui/TMainForm.h"

#include <QFontDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <optional>

#include <gtest/gtest.h>

using namespace orvanta;

namespace {

enum class Answer { Ok, Cancel };

// Clicks "Choose font" and, once the font dialog shows, picks `pick` (if
// given) and answers OK or Cancel. Returns the font the dialog opened on.
QFont chooseFont(TMainForm &form, const std::optional<QFont> &pick, Answer answer)
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
        if (pick)
            dialog->setCurrentFont(*pick);
        answer == Answer::Ok ? dialog->accept() : dialog->reject();
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
    chooseFont(form, boldUnderlinedSerif(), Answer::Ok);
    EXPECT_EQ(form.FontNameLabel->text(), "Liberation Serif,12,bold,underline,");
    EXPECT_EQ(form.GlyphFont().family(), "Liberation Serif");
    EXPECT_TRUE(form.GlyphFont().bold());

    const QFont reopened = chooseFont(form, std::nullopt, Answer::Cancel);
    EXPECT_EQ(reopened.family(), "Liberation Serif") << "the dialog opens on the current font";
    EXPECT_EQ(reopened.pointSize(), 12);
    EXPECT_TRUE(reopened.underline());
}

TEST(FontPage, CancelKeepsFontAndLabel)
{
    TempKit kit;
    TMainForm form(kit.dir());
    form.show();
    chooseFont(form, boldUnderlinedSerif(), Answer::Cancel);
    EXPECT_EQ(form.FontNameLabel->text(), "Arial,8,");
    EXPECT_EQ(form.GlyphFont(), FontChoice::defaultFont());
}


TEST(FontPage, DialogShowsTheFaceThatDrawsArialAndOkKeepsIt)
{
    TempKit kit;
    TMainForm form(kit.dir());
    form.show();
    const QFont opened = chooseFont(form, std::nullopt, Answer::Ok);
    EXPECT_EQ(opened.family(), "Liberation Sans");
    EXPECT_EQ(opened.pointSize(), 8);
    EXPECT_EQ(form.FontNameLabel->text(), "Arial,8,");

    QFont larger(QStringLiteral("Liberation Sans"), 10);
    larger.setItalic(true);
    chooseFont(form, larger, Answer::Ok);
    EXPECT_EQ(form.FontNameLabel->text(), "Arial,10,italic,");
}
