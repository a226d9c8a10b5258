#include "InMemoryTexts.h"
#include "TempKit.h"
#include "texts/TextTableModel.h"
#include "ui/TMainForm.h"
#include "ui/TextCellDelegate.h"

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
// translates the first.
struct TextsKit {
    TempKit kit;
    std::unique_ptr<TMainForm> form;

    TextsKit()
    {
        kit.writeArchive("kvmain.dat", {{"KVTEXTS.DAT", QByteArray::fromStdString(textFile({"Build", " Stock ", "Caf\xE9"}))}});
        kit.writeArchive("lang.dat", {{"TEXTS.DAT", QByteArray::fromStdString(textFile({"Bauen"}))}});
        form = std::make_unique<TMainForm>(kit.dir());
        form->CodePageComboBox->setCurrentIndex(form->CodePageComboBox->findData(1252));
        form->PageControl1->setCurrentWidget(form->TabSheet2);
        form->show();
        QApplication::setActiveWindow(form.get());
    }

    QRect cellRect(int gridRow, int column) const
    {
        return form->StringGrid->visualRect(form->texts()->index(gridRow - 1, column));
    }

    void click(int gridRow, int column) const
    {
        QTest::mouseClick(form->StringGrid->viewport(), Qt::LeftButton, {}, cellRect(gridRow, column).center());
    }

    // Selects a cell and opens its editor with F2; null if none opened.
    QLineEdit *edit(int gridRow, int column) const
    {
        click(gridRow, column);
        QTest::keyClick(form->StringGrid, Qt::Key_F2);
        return qobject_cast<QLineEdit *>(QApplication::focusWidget());
    }

    QString label11() const { return form->Label11->text(); }
    QString label12() const { return form->Label12->text(); }
};

} // namespace

TEST(TextsPage, GridShowsSourceBesideTranslation)
{
    TextsKit k;
    QTableView *grid = k.form->StringGrid;
    EXPECT_EQ(grid->model()->rowCount(), 3);
    EXPECT_EQ(grid->columnWidth(0), 41);
    EXPECT_EQ(grid->columnWidth(1), 197);
    EXPECT_EQ(grid->columnWidth(2), 234);
    EXPECT_EQ(grid->model()->headerData(1, Qt::Horizontal).toString(), "Original texts");
    EXPECT_EQ(grid->model()->index(1, 0).data().toString(), "2");
    EXPECT_FALSE(grid->model()->flags(grid->model()->index(0, 0)) & Qt::ItemIsEditable);
    EXPECT_EQ(k.label11(), "Build") << "row 1 is shown after start-up";
    EXPECT_EQ(k.label12(), "Bauen");
}

TEST(TextsPage, SelectingACellShowsItsRow)
{
    TextsKit k;
    k.click(3, TextTableModel::Source);
    EXPECT_EQ(k.label11(), QString::fromUtf8("Caf\u00E9"));
    EXPECT_EQ(k.label12(), QString::fromUtf8("Caf\u00E9"));
    k.click(2, TextTableModel::Translation);
    EXPECT_EQ(k.label11(), " Stock ");
}

TEST(TextsPage, LabelsAndTheTableFollowEveryKeystroke)
{
    TextsKit k;
    QLineEdit *editor = k.edit(2, TextTableModel::Translation);
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, " La");
    EXPECT_EQ(k.label12(), " La");
    EXPECT_EQ(k.form->texts()->table().row(1).translation, " La") << "a save sees the text typed so far";
    QTest::keyClicks(editor, "ger ");
    EXPECT_EQ(k.label12(), " Lager ");
    EXPECT_EQ(k.label11(), " Stock ");

    QKeyEvent zhe(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QChar(0x416)));
    QApplication::sendEvent(editor, &zhe);
    EXPECT_EQ(editor->text(), " Lager ") << "a character without a byte in 1252 is refused";
    EXPECT_EQ(QToolTip::text(), TextCellDelegate::refusalText(QChar(0x416), 1252));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(k.form->texts()->table().row(1).translation, " Lager ");
}

TEST(TextsPage, TypingInsideATextKeepsTheCursorWhereItIs)
{
    TextsKit k;
    QLineEdit *editor = k.edit(1, TextTableModel::Source);
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Home);
    QTest::keyClicks(editor, "Re");
    EXPECT_EQ(editor->text(), "ReBuild");
    EXPECT_EQ(k.form->texts()->table().row(0).source, "ReBuild");
    EXPECT_EQ(k.label11(), "ReBuild");
}

TEST(TextsPage, ChangingTheCodePageReShowsTheSameBytes)
{
    TextsKit k;
    k.click(3, TextTableModel::Translation);
    k.form->CodePageComboBox->setCurrentIndex(k.form->CodePageComboBox->findData(1251));
    EXPECT_EQ(k.label12(), QString::fromUtf8("Caf\u0439"));
    EXPECT_EQ(k.form->texts()->table().row(2).translation, "Caf\xE9");
}
