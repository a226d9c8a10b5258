#include "InMemoryTexts.h"
#include "TempKit.h"
#include "document/KitDocument.h"
#include "document/TextTableModel.h"
#include "font/FontChoice.h"
#include "texts/TextFile.h"

#include <QSignalSpy>

#include <functional>

#include <gtest/gtest.h>

using namespace orvanta;

namespace {

// A document on a kit of the given source texts, loaded, in code page 1252.
struct OpenDocument {
    TempKit kit;
    std::unique_ptr<KitDocument> document;

    explicit OpenDocument(const QList<QByteArray> &sources)
    {
        kit.writeArchive("kvmain.dat", {{"KVTEXTS.DAT", TextFile::write(sources)}});
        document = std::make_unique<KitDocument>(kit.dir());
        EXPECT_TRUE(document->load().empty());
        document->setCodePage(1252);
        document->undoStack()->clear();
    }

    QUndoStack &history() const { return *document->undoStack(); }
    QByteArray translation(int row) const { return document->text(row, TextTable::Translation); }
};

} // namespace

TEST(KitDocument, TheKeystrokesOfOneEditingAreOneStep)
{
    OpenDocument d({"Build", "Stock"});
    QSignalSpy shown(d.document.get(), &KitDocument::textsChanged);
    for (const char *typed : {"B", "Ba", "Bau"})
        d.document->editText(0, TextTable::Translation, typed, 1);
    EXPECT_EQ(d.translation(0), "Bau");
    EXPECT_EQ(d.history().count(), 1);
    EXPECT_EQ(shown.count(), 3) << "the views follow every keystroke";
    EXPECT_EQ(shown.last(), (QVariantList{0, 0}));

    d.document->editText(0, TextTable::Translation, "Bauen", 2); // the next editing of the cell
    d.document->editText(1, TextTable::Source, "Lager", 2);       // another cell
    d.document->editText(1, TextTable::Source, "Lager", 3);       // nothing changes
    EXPECT_EQ(d.history().count(), 3);
    d.history().undo();
    EXPECT_EQ(d.document->text(1, TextTable::Source), "Stock");
    d.history().undo();
    EXPECT_EQ(d.translation(0), "Bau");
    d.history().undo();
    EXPECT_EQ(d.translation(0), "Build");
    EXPECT_FALSE(d.document->hasUnsavedWork());
    d.history().redo();
    EXPECT_EQ(d.translation(0), "Bau");
    EXPECT_TRUE(d.document->hasUnsavedWork());
    EXPECT_EQ(d.history().count(), 3) << "undone steps stay to be redone";

    // Typing the text back that the editing began with leaves no step.
    d.document->editText(1, TextTable::Translation, "Stoc", 4);
    d.document->editText(1, TextTable::Translation, "Stock", 4);
    EXPECT_EQ(d.history().count(), 1);
    EXPECT_EQ(d.history().index(), 1);
}

TEST(KitDocument, EveryKindOfChangeIsOneStepThatUndoesAndRedoes)
{
    struct Case {
        const char *change;
        std::function<void(KitDocument &)> make;
        std::function<QString(const KitDocument &)> state;
        QString before;
        QString after;
    };
    const auto translations = [](const KitDocument &d) {
        return QString::fromLatin1(d.text(0, TextTable::Translation) + "|" + d.text(1, TextTable::Translation)
                                   + "|" + d.text(2, TextTable::Translation));
    };
    const Case cases[] = {
        {"a bulk change, rows outside and unchanged left out",
         [](KitDocument &d) {
             d.applyTranslations({{2, "Kaffee"}, {0, "Bauen"}, {1, "Stock"}, {7, "none"}}, "Import texts.po");
         },
         translations, "Build|Stock|Cafe", "Bauen|Stock|Kaffee"},
        {"an accepted picture",
         [](KitDocument &d) { d.setTranslatedPicture(4, *d.pictures().StandardPicture(4)); },
         [](const KitDocument &d) { return QString::number(d.pictures().isPresent(4)); }, "0", "1"},
        {"a font",
         [](KitDocument &d) { d.setGlyphFont(QFont(QStringLiteral("Liberation Serif"), 10)); },
         [](const KitDocument &d) { return FontChoice::DescribeGlyphFont(d.glyphFont()); }, "Arial,8,",
         "Liberation Serif,10,"},
        {"code page steps, merged",
         [](KitDocument &d) {
             d.setCodePage(1250);
             d.setCodePage(1251);
         },
         [](const KitDocument &d) { return QString::number(d.codePage().number()); }, "1252", "1251"},
    };
    for (const Case &c : cases) {
        OpenDocument d({"Build", "Stock", "Cafe"});
        QSignalSpy texts(d.document.get(), &KitDocument::textsChanged);
        QSignalSpy pictures(d.document.get(), &KitDocument::translatedPictureChanged);
        QSignalSpy fonts(d.document.get(), &KitDocument::glyphFontChanged);
        QSignalSpy codePages(d.document.get(), &KitDocument::codePageChanged);
        c.make(*d.document);
        EXPECT_EQ(c.state(*d.document), c.after) << c.change;
        EXPECT_EQ(d.history().count(), 1) << c.change;
        EXPECT_TRUE(d.document->hasUnsavedWork()) << c.change;
        d.history().undo();
        EXPECT_EQ(c.state(*d.document), c.before) << c.change;
        EXPECT_FALSE(d.document->hasUnsavedWork()) << c.change;
        d.history().redo();
        EXPECT_EQ(c.state(*d.document), c.after) << c.change;
        EXPECT_EQ(texts.count() + pictures.count() + fonts.count() + codePages.count(), c.change[0] == 'c' ? 4 : 3)
            << c.change << ": every change, undo and redo is told";
        c.make(*d.document);
        EXPECT_EQ(d.history().count(), 1) << c.change << ": the same again is no change";
    }
    OpenDocument d({"Build"});
    d.document->setCodePage(1251);
    d.document->setCodePage(1252);
    EXPECT_EQ(d.history().count(), 0) << "a code page chosen and chosen back";
    d.document->setTranslatedPicture(0, QImage());
    EXPECT_EQ(d.history().count(), 0) << "a refusal where there was no picture";
}

TEST(KitDocument, TheGridModelShowsAndEditsTheBytesThroughTheCodePage)
{
    QByteArray low;
    QByteArray high;
    for (int b = 1; b < 128; ++b)
        low.append(char(b));
    for (int b = 128; b < 256; ++b)
        high.append(char(b));
    OpenDocument d({low, high, "Exit"});
    TextTableModel model(*d.document);
    ASSERT_EQ(model.rowCount(), 3);
    for (int number : {1252, 1251}) {
        d.document->setCodePage(number);
        for (int row = 0; row < 2; ++row) {
            const QModelIndex cell = model.index(row, TextTable::Translation);
            EXPECT_TRUE(model.setData(cell, cell.data(Qt::EditRole), Qt::EditRole)) << number;
        }
        EXPECT_EQ(d.translation(0), low) << number;
        EXPECT_EQ(d.translation(1), high) << number;
    }
    EXPECT_EQ(d.history().count(), 1) << "only the code page: every byte came back as it was";

    const QModelIndex exit = model.index(2, TextTable::Translation);
    const QString cyrillic = QString::fromUtf8("\u0412\u044B\u0445\u043E\u0434");
    d.document->setCodePage(1252);
    EXPECT_FALSE(model.setData(exit, cyrillic, Qt::EditRole)) << "refused, not replaced";
    EXPECT_EQ(d.translation(2), "Exit");
    QSignalSpy shown(&model, &QAbstractItemModel::dataChanged);
    d.document->setCodePage(1251);
    EXPECT_EQ(shown.count(), 1) << "every row is shown anew";
    EXPECT_TRUE(model.setData(exit, cyrillic, Qt::EditRole));
    EXPECT_EQ(d.translation(2), QByteArray("\xC2\xFB\xF5\xEE\xE4"));
    EXPECT_FALSE(model.setData(model.index(2, TextTable::Number), "3", Qt::EditRole));
}
