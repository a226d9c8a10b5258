#include "KitWindow.h"

#include "document/TextTableModel.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QTextDocument>

#include <gtest/gtest.h>

using namespace orvanta;

KitWindow::KitWindow()
{
    kit.installSampleData();
}
KitWindow::~KitWindow() = default;

KitWindow::Seen KitWindow::open()
{
    return open({QMessageBox::Ok});
}

KitWindow::Seen KitWindow::open(const QList<QMessageBox::StandardButton> &answers)
{
    form.reset();
    form = std::make_unique<TMainForm>(kit.dir());
    MessageBoxAnswerer answerer(answers);
    form->show();
    QApplication::setActiveWindow(form.get());
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QApplication::processEvents(); // what the window does once first painted: the glyphs
    return answerer.seen();
}

QString KitWindow::shownText(const char *name) const
{
    auto *label = find<QLabel>(name);
    if (!label)
        return QString();
    const Qt::TextFormat format = label->textFormat();
    if (format == Qt::PlainText || (format == Qt::AutoText && !Qt::mightBeRichText(label->text())))
        return label->text();
    QTextDocument drawn;
    drawn.setHtml(label->text());
    return drawn.toPlainText();
}

KitDocument &KitWindow::document() const
{
    return form->document();
}

QTableView *KitWindow::grid() const
{
    return find<QTableView>("StringGrid");
}

void KitWindow::showPage(int page)
{
    press(QKeySequence(QKeyCombination(Qt::ControlModifier, Qt::Key(Qt::Key_1 + page))));
}

void KitWindow::click(int gridRow, int column) const
{
    QApplication::setActiveWindow(form.get()); // as after a message box
    const QModelIndex cell = grid()->model()->index(gridRow - 1, column);
    grid()->scrollTo(cell);
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, grid()->visualRect(cell).center());
}

QLineEdit *KitWindow::edit(int gridRow, int column) const
{
    click(gridRow, column);
    QTest::keyClick(grid(), Qt::Key_F2);
    return qobject_cast<QLineEdit *>(QApplication::focusWidget());
}

void KitWindow::type(int gridRow, const QString &text) const
{
    QLineEdit *editor = edit(gridRow, TextTable::Translation);
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents(); // Enter ends the editing once the key is handled
}

KitWindow::Seen KitWindow::press(const QKeySequence &keys, QMessageBox::StandardButton answer) const
{
    MessageBoxAnswerer answerer(answer);
    QApplication::setActiveWindow(form.get()); // shortcuts belong to the active window
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : form.get();
    QTest::keySequence(target, keys);
    return answerer.seen();
}

KitWindow::Seen KitWindow::save(QMessageBox::StandardButton answer) const
{
    return save(QList<QMessageBox::StandardButton>{answer});
}

KitWindow::Seen KitWindow::save(const QList<QMessageBox::StandardButton> &answers) const
{
    MessageBoxAnswerer answerer(answers);
    QTest::mouseClick(find<QWidget>("Button1"), Qt::LeftButton);
    return answerer.seen();
}

bool KitWindow::close(const QList<QMessageBox::StandardButton> &answers, Seen *seen) const
{
    MessageBoxAnswerer answerer(answers);
    const bool closed = form->close();
    if (seen)
        *seen = answerer.seen();
    return closed;
}
