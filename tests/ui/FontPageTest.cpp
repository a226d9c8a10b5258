#include "FontChooser.h"
#include "TempKit.h"
#include "font/FontChoice.h"
#include "ui/TMainForm.h"

#include <QFontDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <optional>

#include <gtest/gtest.h>

using namespace orvanta;

namespace {

using Answer = FontChooser::Answer;

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
    kit.installSampleData();
    TMainForm form(kit.dir());
    form.show();
    FontChooser::choose(form, boldUnderlinedSerif(), Answer::Ok);
    EXPECT_EQ(form.FontNameLabel->text(), "Liberation Serif,12,bold,underline,");
    EXPECT_EQ(form.GlyphFont().family(), "Liberation Serif");
    EXPECT_TRUE(form.GlyphFont().bold());

    const QFont reopened = FontChooser::choose(form, std::nullopt, Answer::Cancel);
    EXPECT_EQ(reopened.family(), "Liberation Serif") << "the dialog opens on the current font";
    EXPECT_EQ(reopened.pointSize(), 12);
    EXPECT_TRUE(reopened.underline());
}

TEST(FontPage, CancelKeepsFontAndLabel)
{
    TempKit kit;
    kit.installSampleData();
    TMainForm form(kit.dir());
    form.show();
    FontChooser::choose(form, boldUnderlinedSerif(), Answer::Cancel);
    EXPECT_EQ(form.FontNameLabel->text(), "Arial,8,");
    EXPECT_EQ(form.GlyphFont(), FontChoice::defaultFont());
}


TEST(FontPage, DialogShowsTheFaceThatDrawsArialAndOkKeepsIt)
{
    TempKit kit;
    kit.installSampleData();
    TMainForm form(kit.dir());
    form.show();
    const QFont opened = FontChooser::choose(form, std::nullopt, Answer::Ok);
    EXPECT_EQ(opened.family(), "Liberation Sans");
    EXPECT_EQ(opened.pointSize(), 8);
    EXPECT_EQ(form.FontNameLabel->text(), "Arial,8,");

    QFont larger(QStringLiteral("Liberation Sans"), 10);
    larger.setItalic(true);
    FontChooser::choose(form, larger, Answer::Ok);
    EXPECT_EQ(form.FontNameLabel->text(), "Arial,10,italic,");
}
