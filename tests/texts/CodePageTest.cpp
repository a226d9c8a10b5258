#include "InMemoryTexts.h"
#include "texts/CodePage.h"
#include "texts/TextTableModel.h"

#include <gtest/gtest.h>

using namespace orvanta;

TEST(CodePage, EveryByteSurvivesLoadDisplayEditAndSave)
{
    QByteArray low, high;
    for (int b = 1; b < 128; ++b)
        low.append(char(b));
    for (int b = 128; b < 256; ++b)
        high.append(char(b));
    const std::string file = textFile({low, high});
    for (int number : {1252, 1251}) {
        TextTableModel model;
        model.setCodePage(number);
        loadTexts(model.table(), {}, {{"KVTEXTS.DAT", file}});
        model.reload();
        ASSERT_EQ(model.rowCount(), 2);
        for (int row = 0; row < 2; ++row) {
            const QModelIndex cell = model.index(row, TextTableModel::Translation);
            EXPECT_TRUE(model.setData(cell, cell.data(Qt::EditRole), Qt::EditRole)) << number;
        }
        EXPECT_EQ(model.table().translationFile().toStdString(), file) << "code page " << number;
    }
}

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

    TextTableModel model;
    model.setCodePage(1252);
    loadTexts(model.table(), {}, {{"KVTEXTS.DAT", textFile({"Exit"})}});
    model.reload();
    const QModelIndex cell = model.index(0, TextTableModel::Translation);
    EXPECT_FALSE(model.setData(cell, QString::fromUtf8("\u0412\u044B\u0445\u043E\u0434"), Qt::EditRole));
    EXPECT_EQ(model.table().row(0).translation, "Exit");
    model.setCodePage(1251);
    EXPECT_TRUE(model.setData(cell, QString::fromUtf8("\u0412\u044B\u0445\u043E\u0434"), Qt::EditRole));
    EXPECT_EQ(model.table().row(0).translation, QByteArray("\xC2\xFB\xF5\xEE\xE4"));
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
