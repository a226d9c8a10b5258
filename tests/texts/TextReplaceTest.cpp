#include "texts/TextReplace.h"

#include <gtest/gtest.h>

using namespace orvanta;

// What a translator's Find and Replace must get right: words next to signs
// and letters beyond ASCII, case folded or kept, a searched text that is
// itself a sign, and a replacement taken literally.
TEST(TextReplace, WholeWordsCaseAndLiteralTexts)
{
    const QString text = QString::fromUtf8("\u00C4rger, \u00E4rger und \u00E4rgerlich: (\u00E4rger)");
    int count = 0;
    EXPECT_EQ(TextReplace(QString::fromUtf8("\u00E4rger"), "Wut", TextReplace::WholeWord).replaceAll(text, &count),
              QString::fromUtf8("Wut, Wut und \u00E4rgerlich: (Wut)"));
    EXPECT_EQ(count, 3);
    EXPECT_EQ(TextReplace(QString::fromUtf8("\u00E4rger"), "Wut", TextReplace::WholeWord | TextReplace::MatchCase)
                  .replaceAll(text, &count),
              QString::fromUtf8("\u00C4rger, Wut und \u00E4rgerlich: (Wut)"));
    EXPECT_EQ(count, 2);
    EXPECT_EQ(TextReplace(QString::fromUtf8("rger"), "\\1$0&", 0).replaceAll(text, &count),
              QString::fromUtf8("\u00C4\\1$0&, \u00E4\\1$0& und \u00E4\\1$0&lich: (\u00E4\\1$0&)"));
    EXPECT_EQ(count, 4);
    EXPECT_EQ(TextReplace("(", "[", TextReplace::WholeWord).replaceAll(text), QString(text).replace('(', '['));
    EXPECT_EQ(TextReplace("", "x", 0).replaceAll(text, &count), text);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(TextReplace("und", "", TextReplace::WholeWord).find(text, 3), std::make_pair(qsizetype(13), qsizetype(3)));
}
