#include "FontChooser.h"
#include "KitWindow.h"
#include "font/FontChoice.h"

#include <QLabel>

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

QString fontName(const KitWindow &k)
{
    return k.find<QLabel>("FontNameLabel")->text();
}

} // namespace

TEST(FontPage, AConfirmedChoiceBecomesTheGlyphFontAndCancelChangesNothing)
{
    KitWindow k;
    k.open();
    EXPECT_EQ(k.document().glyphFont(), FontChoice::defaultFont());
    FontChooser::choose(*k.form, boldUnderlinedSerif(), Answer::Cancel);
    EXPECT_EQ(fontName(k), "Arial,8,");
    EXPECT_EQ(k.document().glyphFont(), FontChoice::defaultFont());

    FontChooser::choose(*k.form, boldUnderlinedSerif(), Answer::Ok);
    EXPECT_EQ(fontName(k), "Liberation Serif,12,bold,underline,");
    EXPECT_EQ(k.document().glyphFont().family(), "Liberation Serif");
    EXPECT_TRUE(k.document().glyphFont().bold());

    const QFont reopened = FontChooser::choose(*k.form, std::nullopt, Answer::Cancel);
    EXPECT_EQ(reopened.family(), "Liberation Serif") << "the dialog opens on the current font";
    EXPECT_EQ(reopened.pointSize(), 12);
    EXPECT_TRUE(reopened.underline());
}

TEST(FontPage, DialogShowsTheFaceThatDrawsArialAndOkKeepsIt)
{
    KitWindow k;
    k.open();
    const QFont opened = FontChooser::choose(*k.form, std::nullopt, Answer::Ok);
    EXPECT_EQ(opened.family(), "Liberation Sans");
    EXPECT_EQ(opened.pointSize(), 8);
    EXPECT_EQ(fontName(k), "Arial,8,");
    EXPECT_FALSE(k.document().hasUnsavedWork()) << "OK on the same font is no change";

    QFont larger(QStringLiteral("Liberation Sans"), 10);
    larger.setItalic(true);
    FontChooser::choose(*k.form, larger, Answer::Ok);
    EXPECT_EQ(fontName(k), "Arial,10,italic,");
}
