#include "InMemoryTexts.h"
#include "KitWindow.h"
#include "document/TextTableModel.h"
#include "ui/Messages.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

using namespace orvanta;

namespace {

// A kit whose kvmain.dat holds three source texts and whose lang.dat
// translates the first, open on the Texts page in code page 1252.
struct TextsWindow : KitWindow {
    TextsWindow()
    {
        kit.writeArchive("kvmain.dat", {{"KVTEXTS.DAT", QByteArray::fromStdString(textFile({"Build", " Stock ", "Caf\xE9"}))}});
        kit.writeArchive("lang.dat", {{"TEXTS.DAT", QByteArray::fromStdString(textFile({"Bauen"}))}});
        kit.write("orvanta-kit.ini", "[texts]\ncodepage=1252\n");
        open();
        showPage(1);
    }

    QString label11() const { return find<QLabel>("Label11")->text(); }
    QString label12() const { return find<QLabel>("Label12")->text(); }
    QByteArray translation(int gridRow) const { return document().text(gridRow - 1, KitDocument::Translation); }
};

} // namespace

TEST(TextsPage, GridShowsSourceBesideTranslationAndLabelsTheCurrentRow)
{
    TextsWindow k;
    QTableView *grid = k.grid();
    EXPECT_EQ(grid->model()->rowCount(), 3);
    EXPECT_EQ(grid->columnWidth(0), 41);
    EXPECT_EQ(grid->columnWidth(1), 197);
    EXPECT_EQ(grid->columnWidth(2), 234);
    EXPECT_EQ(grid->model()->headerData(1, Qt::Horizontal).toString(), "Original texts");
    EXPECT_EQ(grid->model()->index(1, 0).data().toString(), "2");
    EXPECT_FALSE(grid->model()->flags(grid->model()->index(0, 0)) & Qt::ItemIsEditable);
    EXPECT_EQ(k.label11(), "Build") << "row 1 is shown after start-up";
    EXPECT_EQ(k.label12(), "Bauen");
    k.click(3, TextTableModel::Source);
    EXPECT_EQ(k.label11(), QString::fromUtf8("Caf\u00E9"));
    EXPECT_EQ(k.label12(), QString::fromUtf8("Caf\u00E9"));
    k.click(2, TextTableModel::Translation);
    EXPECT_EQ(k.label11(), " Stock ");
}

TEST(TextsPage, LabelsAndTheTableFollowEveryKeystroke)
{
    TextsWindow k;
    QLineEdit *editor = k.edit(2, TextTableModel::Translation);
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, " La");
    EXPECT_EQ(k.label12(), " La");
    EXPECT_EQ(k.translation(2), " La") << "a save sees the text typed so far";
    QTest::keyClicks(editor, "ger ");
    EXPECT_EQ(k.label12(), " Lager ");
    EXPECT_EQ(k.label11(), " Stock ");

    QKeyEvent zhe(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QChar(0x416)));
    QApplication::sendEvent(editor, &zhe);
    EXPECT_EQ(editor->text(), " Lager ") << "a character without a byte in 1252 is refused";
    EXPECT_EQ(QToolTip::text(), Messages::codePageRefusal(QChar(0x416), 1252));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(k.translation(2), " Lager ");
    EXPECT_EQ(k.document().undoStack()->count(), 1) << "one editing, one step";
}

TEST(TextsPage, F2OpensTheEditorAfterTheTextWithNothingSelected)
{
    TextsWindow k;
    QLineEdit *editor = k.edit(1, TextTableModel::Source);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->selectedText(), "");
    EXPECT_EQ(editor->cursorPosition(), 5);
    QTest::keyClicks(editor, "er");
    QTest::keyClick(editor, Qt::Key_Home);
    QTest::keyClicks(editor, "Re");
    EXPECT_EQ(editor->text(), "ReBuilder") << "typing inside keeps the cursor where it is";
    EXPECT_EQ(k.document().text(0, KitDocument::Source), "ReBuilder");
    EXPECT_EQ(k.label11(), "ReBuilder");
}

TEST(TextsPage, EscapeGivesTheCellTheTextItHadWhenEditingBegan)
{
    struct Case {
        const char *how;
        bool byTyping; // else F2
        const char *typed;
        QString shownWhileTyping;
    };
    const Case cases[] = {
        {"F2", false, "xy", QString::fromUtf8("Caf\u00E9xy")},
        {"typing over the text", true, "Q", "Q"},
    };
    for (const Case &c : cases) {
        TextsWindow k;
        k.type(1, "Bau"); // an earlier editing stays
        k.click(3, TextTableModel::Translation);
        if (!c.byTyping)
            QTest::keyClick(k.grid(), Qt::Key_F2);
        QTest::keyClicks(QApplication::focusWidget(), c.typed);
        EXPECT_EQ(k.label12(), c.shownWhileTyping) << c.how;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_EQ(QApplication::focusWidget(), k.grid()) << c.how << ": the editor is closed";
        EXPECT_EQ(k.translation(3), "Caf\xE9") << c.how;
        EXPECT_EQ(k.label12(), QString::fromUtf8("Caf\u00E9")) << c.how;
        EXPECT_EQ(k.document().undoStack()->count(), 1) << c.how << ": no step left for the editing";
        EXPECT_EQ(k.translation(1), "Bau") << c.how;
        k.document().undoStack()->undo();
        EXPECT_FALSE(k.document().hasUnsavedWork()) << c.how;
    }
}

TEST(TextsPage, EnterStoresAndMovesDownTabLeavesTheGrid)
{
    TextsWindow k;
    k.type(1, "Bau");
    EXPECT_EQ(k.translation(1), "Bau");
    EXPECT_EQ(k.grid()->currentIndex(), k.grid()->model()->index(1, TextTableModel::Translation));
    EXPECT_EQ(QApplication::focusWidget(), k.grid());
    EXPECT_EQ(k.label11(), " Stock ");
    k.press(QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(k.grid()->currentIndex().row(), 0) << "the grid goes where the undone text is";
    EXPECT_EQ(k.label12(), "Bauen");
    k.press(QKeySequence(Qt::CTRL | Qt::Key_Y));
    EXPECT_EQ(k.label12(), "Bau");

    QTest::keyClick(k.grid(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), k.find("Button1")) << "Tab goes on to the save button";
    QLineEdit *editor = k.edit(2, TextTableModel::Translation);
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "!");
    QTest::keyClick(editor, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), k.find("Button1")) << "from the editor too";
    EXPECT_EQ(k.translation(2), " Stock !");
}

TEST(TextsPage, ChangingTheCodePageReShowsTheSameBytes)
{
    TextsWindow k;
    k.click(3, TextTableModel::Translation);
    auto *codePages = k.find<QComboBox>("CodePageComboBox");
    codePages->setCurrentIndex(codePages->findData(1251));
    EXPECT_EQ(k.label12(), QString::fromUtf8("Caf\u0439"));
    EXPECT_EQ(k.grid()->model()->index(2, TextTableModel::Source).data().toString(), QString::fromUtf8("Caf\u0439"));
    EXPECT_EQ(k.translation(3), "Caf\xE9");
}
