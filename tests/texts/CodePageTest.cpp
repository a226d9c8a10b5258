#include "texts/CodePage.h"

#include <gtest/gtest.h>

using namespace orvanta;

TEST(CodePage, ShowsTheBytesOfTheChosenCodePage)
{
    const QByteArray bytes("\xC0\xE9\x80\x81", 4);
    EXPECT_EQ(CodePage(1252).decode(bytes), QString::fromUtf8("\u00C0\u00E9\u20AC\u0081"));
    EXPECT_EQ(CodePage(1251).decode(bytes), QString::fromUtf8("\u0410\u0439\u0402\u0403"));
    EXPECT_EQ(CodePage(1253).encode(QString::fromUtf8("\u03A9")), QByteArray("\xD9"));
}

TEST(CodePage, CharactersWithoutAByteAreRefusedNotReplaced)
{
    qsizetype bad = -1;
    EXPECT_FALSE(CodePage(1252).encode(QString::fromUtf8("Stra\u00DFe \u0416"), &bad).has_value());
    EXPECT_EQ(bad, 7);
}

TEST(CodePage, TheLocaleDecidesTheDefaultAsWindowsWould)
{
    struct Case {
        const char *locale;
        int codePage;
    };
    const Case cases[] = {{"ru_RU", 1251}, {"pl_PL", 1250}, {"sr_RS", 1251}, {"sr_Latn_RS", 1250},
                          {"el_GR", 1253}, {"tr_TR", 1254}, {"he_IL", 1255}, {"ar_EG", 1256},
                          {"lt_LT", 1257}, {"vi_VN", 1258}, {"th_TH", 874},  {"de_DE", 1252},
                          {"ja_JP", 1252}};
    for (const Case &c : cases)
        EXPECT_EQ(CodePage::defaultFor(QLocale(QString::fromLatin1(c.locale))), c.codePage) << c.locale;
}
