#include "InMemoryTexts.h"
#include "TempKit.h"
#include "document/KitDocument.h"
#include "document/TextTableModel.h"
#include "ui/TextFilterModel.h"
#include "texts/TextReview.h"

#include <gtest/gtest.h>

using namespace orvanta;

namespace {

using Filter = TextReview::Filter;

// The row numbers the filtered grid shows, top to bottom.
QList<int> shownRows(const TextFilterModel &filtered)
{
    QList<int> rows;
    for (int r = 0; r < filtered.rowCount(); ++r)
        rows.append(filtered.index(r, TextTable::Number).data().toInt());
    return rows;
}

QList<int> range(int first, int last)
{
    QList<int> rows;
    for (int r = first; r <= last; ++r)
        rows.append(r);
    return rows;
}

class TextFilterModelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QList<QByteArray> texts;
        for (int i = 0; i < 1420; ++i)
            texts.append("Text " + QByteArray::number(i)); // records 1415..1419 are fixed
        texts[0] = "Start";
        texts[1] = "ab";
        texts[2] = "Gold: %d";
        kit.writeArchive("kvmain.dat", {{"KVTEXTS.DAT", QByteArray::fromStdString(textFile(texts))}});
        document.load();
        document.setCodePage(1251);
        document.applyTranslations(
            {{0, "\xD1\xF2\xE0\xF0\xF2"}, {1, "cd"}, {2, "Gold: %s"}, {1416, "Taste"}}, // "Старт"
            QStringLiteral("Translate"));
        model = std::make_unique<TextTableModel>(document);
        review = TextReview(TextChecker(document.codePages()));
        review.reviewAll(document.texts());
        filtered.setReview(&review);
        filtered.setSourceModel(model.get());
    }

    QByteArray translation(int row) const { return document.text(row, TextTable::Translation); }

    QList<int> show(const QString &search, Filter filter)
    {
        filtered.setSearchText(search);
        filtered.setRowFilter(filter);
        return shownRows(filtered);
    }

    TempKit kit;
    KitDocument document{kit.dir()};
    std::unique_ptr<TextTableModel> model;
    TextReview review;
    TextFilterModel filtered;
};

} // namespace

TEST_F(TextFilterModelTest, SearchesBothTextsAsDecodedAndFiltersByState)
{
    const struct {
        const char *search;
        Filter filter;
        QList<int> rows;
    } cases[] = {
        {"\u0421\u0422\u0410\u0420\u0422", Filter::All, {1}}, // "СТАРТ" finds the translation "Старт"
        {"sTaRt", Filter::All, {1}},
        {"bc", Filter::All, {}}, // never across the two texts
        {"gold", Filter::Translated, {3}},
        {"gold", Filter::Untranslated, {}},
        {"", Filter::WithWarnings, {3, 1417}},
        {"", Filter::Fixed, range(1416, 1420)},
        {"text 141", Filter::Untranslated, {142, 1411, 1412, 1413, 1414, 1415}},
        {"text 141", Filter::Fixed, range(1416, 1420)},
        {"", Filter::All, range(1, 1420)},
    };
    for (const auto &c : cases)
        EXPECT_EQ(show(QString::fromUtf8(c.search), c.filter), c.rows) << c.search << " " << int(c.filter);
}

TEST_F(TextFilterModelTest, EditsReachTheRightRowAndTheNextSearchSeesThem)
{
    ASSERT_EQ(show("text 141", Filter::Untranslated).value(0), 142);
    const QModelIndex cell = filtered.index(0, TextTable::Translation);
    ASSERT_TRUE(filtered.setData(cell, QStringLiteral("Texte 141"), Qt::EditRole));
    EXPECT_EQ(translation(141), "Texte 141");
    EXPECT_EQ(translation(140), "Text 140");
    review.reviewRow(document.texts(), 141);
    EXPECT_EQ(shownRows(filtered).value(0), 142) << "the row being typed in stays until the next search";

    EXPECT_EQ(show("text 141", Filter::Translated), (QList<int>{142}));
    EXPECT_EQ(show("texte 141", Filter::All), (QList<int>{142})) << "the edited text is searched, not the old one";

    // Texts changed elsewhere (an import) are searched anew.
    document.applyTranslations({{1000, "Fluss"}}, QStringLiteral("Import"));
    EXPECT_EQ(show("fluss", Filter::All), (QList<int>{1001}));
}
