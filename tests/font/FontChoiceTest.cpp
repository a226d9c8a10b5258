#include "font/FontChoice.h"

#include <QFont>

#include <gtest/gtest.h>

using namespace orvanta;

TEST(FontChoice, DefaultIsArialEightWithoutStyle)
{
    const QFont font = FontChoice::defaultFont();
    EXPECT_EQ(font.family(), "Arial");
    EXPECT_EQ(font.pointSize(), 8);
    EXPECT_EQ(FontChoice::DescribeGlyphFont(font), "Arial,8,");
}

TEST(FontChoice, DescriptionNamesEachStyleInItsOrder)
{
    struct Case {
        bool bold, italic, underline, strikeOut;
        const char *description;
    };
    const Case cases[] = {
        {true, false, true, false, "Times New Roman,12,bold,underline,"},
        {false, true, false, true, "Times New Roman,12,italic,strikeout,"},
        {true, true, false, false, "Times New Roman,12,bold,italic,"},
        {true, true, true, true, "Times New Roman,12,bold,italic,underline,strikeout,"},
    };
    for (const Case &c : cases) {
        QFont font(QStringLiteral("Times New Roman"), 12);
        font.setBold(c.bold);
        font.setItalic(c.italic);
        font.setUnderline(c.underline);
        font.setStrikeOut(c.strikeOut);
        EXPECT_EQ(FontChoice::DescribeGlyphFont(font), c.description);
    }
}

TEST(FontChoice, CaptureFontIsPixelSizedAtNinetySixDpiAndNeverSmoothed)
{
    const std::pair<int, int> pointsToPixels[] = {{8, 11}, {7, 9}, {9, 12}, {36, 48}};
    for (const auto &[points, pixels] : pointsToPixels) {
        QFont font(QStringLiteral("Arial"), points);
        font.setStyleStrategy(QFont::PreferAntialias);
        const QFont capture = FontChoice::captureFont(font);
        EXPECT_EQ(capture.pixelSize(), pixels) << points;
        EXPECT_TRUE(capture.styleStrategy() & QFont::NoAntialias);
        EXPECT_EQ(capture.hintingPreference(), QFont::PreferFullHinting);
    }
}

TEST(FontChoice, ServingFamilyTellsAliasesFromMissingFonts)
{
    EXPECT_EQ(FontChoice::servingFamily(QFont(QStringLiteral("Arial"))), QString("Liberation Sans"));
    EXPECT_EQ(FontChoice::servingFamily(QFont(QStringLiteral("dejavu sans"))), QString("DejaVu Sans"));
    EXPECT_EQ(FontChoice::servingFamily(QFont(QStringLiteral("No Such Font"))), std::nullopt);
}
