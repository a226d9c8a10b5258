#include "ArchiveContents.h"
#include "FileDialogAnswerer.h"
#include "InMemoryTexts.h"
#include "KitWindow.h"
#include "document/TextTableModel.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QHelpEvent>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QTreeView>

#include <map>
#include <optional>

#include <gtest/gtest.h>

using namespace orvanta;

namespace {

// A kit of 1,702 records, 41 of them fixed: 1,661 texts to translate,
// none translated but the rows given. Row 1's original is " Stock ", so
// that a translation without its spaces is warned about.
struct LargeKitWindow : KitWindow {
    explicit LargeKitWindow(const std::map<int, QByteArray> &translated = {})
    {
        QList<QByteArray> sources;
        for (int row = 1; row <= 1702; ++row)
            sources.append("Text " + QByteArray::number(row));
        sources[0] = " Stock ";
        QList<QByteArray> translations = sources;
        for (const auto &[row, translation] : translated)
            translations[row - 1] = translation;
        kit.writeArchive("kvmain.dat", {{"KVTEXTS.DAT", QByteArray::fromStdString(textFile(sources))}});
        kit.writeArchive("lang.dat", {{"TEXTS.DAT", QByteArray::fromStdString(textFile(translations))}});
        kit.write("orvanta-kit.ini", "[texts]\ncodepage=1252\n");
        open();
        showPage(1);
    }
};

// Moves the mouse along the middle of `label` until it points at a link;
// the point, or none.
std::optional<QPoint> linkIn(QLabel *label)
{
    for (int x = 0; x < label->width(); x += 2) {
        const QPoint at(x, label->height() / 2);
        QTest::mouseMove(label, at);
        if (label->cursor().shape() == Qt::PointingHandCursor)
            return at;
    }
    return std::nullopt;
}

} // namespace

// The first translated row of 1,661: the line says "<1%" and the warning
// stays a link that opens the list of warnings.
TEST(TextsReading, TheProgressLineReadsWholeAtTheStart)
{
    LargeKitWindow k;
    k.type(1, "Lager");
    EXPECT_EQ(k.shownText("ProgressLabel"), QString::fromUtf8("1 of 1,661 texts translated (<1%) \u00B7 1 warning"));
    auto *progress = k.find<QLabel>("ProgressLabel");
    const std::optional<QPoint> link = linkIn(progress);
    ASSERT_TRUE(link) << "no link in " << progress->text().toStdString();
    EXPECT_GT(link->x(), progress->fontMetrics().horizontalAdvance("1 of 1,661 texts translated (<1%)"))
        << "the link is the warning, not the start of the line";
    QTest::mouseClick(progress, Qt::LeftButton, {}, *link);
    auto *checks = k.form->findChild<QDialog *>("ChecksWindow");
    ASSERT_NE(checks, nullptr);
    EXPECT_TRUE(checks->isVisible());
    EXPECT_EQ(checks->findChild<QTreeView *>("ChecksList")->model()->rowCount(), 1);
}

// Rows from 10 up that carry a warning sign: their numbers stay whole
// beside it, the texts keep the rest of the grid, and the number cell's
// tooltip names the row.
TEST(TextsReading, RowNumbersStayReadableBesideTheWarningSign)
{
    LargeKitWindow k({{9, "Text 9 "}, {10, "Text 10 "}, {100, "Text 100 "}, {1000, "Text 1000 "}, {1700, "Text 1700 "}});
    auto *filter = k.find<QComboBox>("FilterComboBox");
    filter->setCurrentIndex(filter->findText("With warnings"));
    QTableView *grid = k.grid();
    ASSERT_EQ(grid->model()->rowCount(), 5);
    const int numbers = grid->columnWidth(TextTable::Number);
    // What the shown rows' numbers and signs need, as the grid measures them.
    const int needed = static_cast<QAbstractItemView *>(grid)->sizeHintForColumn(TextTable::Number);
    EXPECT_GE(numbers, needed);
    EXPECT_LE(numbers + grid->columnWidth(TextTable::Source) + grid->columnWidth(TextTable::Translation),
              grid->viewport()->width());
    filter->setCurrentIndex(filter->findText("All"));
    EXPECT_EQ(grid->columnWidth(TextTable::Number), numbers) << "the column keeps its width whatever is shown";

    filter->setCurrentIndex(filter->findText("With warnings"));
    const QRect cell = grid->visualRect(grid->model()->index(4, TextTable::Number));
    QHelpEvent hover(QEvent::ToolTip, cell.center(), grid->viewport()->mapToGlobal(cell.center()));
    QApplication::sendEvent(grid->viewport(), &hover);
    EXPECT_TRUE(QToolTip::text().startsWith("Translated\nWarning (spaces)")) << QToolTip::text().toStdString();
    EXPECT_TRUE(QToolTip::text().endsWith("\nRow 1,700")) << QToolTip::text().toStdString();
}

namespace {

// Presses Ctrl+M in the grid and, in the note dialog, types `note` (Enter
// between its lines) and then `finish`, a key after the other. It types
// once the dialog is the active window, as a user would: before that, a
// shortcut such as Ctrl+Enter is not the dialog's yet.
void writeNote(KitWindow &k, const QString &note, const QList<QKeyCombination> &finish)
{
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        auto *ask = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        if (ask && ask->isActiveWindow()) {
            answerer.stop();
            const QStringList lines = note.split('\n');
            for (qsizetype line = 0; line < lines.size(); ++line) {
                if (line > 0)
                    QTest::keyClick(ask->focusWidget(), Qt::Key_Return);
                QTest::keyClicks(ask->focusWidget(), lines[line]);
            }
            for (const QKeyCombination keys : finish)
                QTest::keyClick(ask->focusWidget(), keys.key(), keys.keyboardModifiers());
        }
    });
    answerer.start(20);
    k.press(QKeySequence(Qt::CTRL | Qt::Key_M));
}

// The colour at the top right corner of a row's number cell, as drawn.
QColor numberCorner(QTableView *grid, int gridRow)
{
    const QModelIndex number = grid->model()->index(gridRow - 1, TextTable::Number);
    grid->scrollTo(number);
    const QRect cell = grid->visualRect(number);
    return grid->viewport()->grab().toImage().pixelColor(cell.right() - 1, cell.top() + 1);
}

} // namespace

// Notes written from the keyboard (Tab then Enter, or Ctrl+Enter; Escape
// throws the note away), then seen in the grid, found by the search and
// filtered.
TEST(TextsReading, NotesAreWrittenFromTheKeyboardSeenFoundAndFiltered)
{
    LargeKitWindow k;
    QTableView *grid = k.grid();
    auto numberTip = [grid](int row) {
        return grid->model()->index(row - 1, TextTable::Number).data(Qt::ToolTipRole).toString();
    };
    const QColor plainCorner = numberCorner(grid, 12);
    k.click(12, TextTable::Translation);
    writeNote(k, "Keep it short", {Qt::Key_Tab, Qt::Key_Return});
    EXPECT_TRUE(numberTip(12).contains("\nNote: Keep it short\n")) << numberTip(12).toStdString();
    k.click(30, TextTable::Translation);
    writeNote(k, "Ask the team\nabout the plural", {Qt::CTRL | Qt::Key_Return});
    EXPECT_TRUE(numberTip(30).contains("\nNote: Ask the team\nabout the plural\n")) << numberTip(30).toStdString();
    k.click(40, TextTable::Translation);
    writeNote(k, "Thrown away", {Qt::Key_Escape});
    EXPECT_FALSE(numberTip(40).contains("Note")) << numberTip(40).toStdString();
    EXPECT_EQ(k.document().undoStack()->count(), 2);

    EXPECT_NE(numberCorner(grid, 12), plainCorner) << "row 12 shows its note";
    EXPECT_EQ(numberCorner(grid, 13), plainCorner) << "row 13 has none";

    k.press(QKeySequence(Qt::CTRL | Qt::Key_F));
    QTest::keyClicks(QApplication::focusWidget(), "PLURAL");
    ASSERT_EQ(grid->model()->rowCount(), 1);
    EXPECT_EQ(grid->model()->index(0, TextTable::Number).data().toString(), "30");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    ASSERT_EQ(grid->model()->rowCount(), 1702);

    auto *filter = k.find<QComboBox>("FilterComboBox");
    filter->setCurrentIndex(filter->findText("With notes"));
    ASSERT_EQ(grid->model()->rowCount(), 2);
    EXPECT_EQ(grid->model()->index(0, TextTable::Number).data().toString(), "12");
    EXPECT_EQ(grid->model()->index(1, TextTable::Number).data().toString(), "30");
}

// A fixed row's translation edited, then saved: lang.dat holds its
// original, and so does the cell, without the warning; the history stays
// clean and a redo of the edit shows it again.
TEST(TextsReading, AfterASaveAFixedRowShowsWhatWasSaved)
{
    LargeKitWindow k;
    QAbstractItemModel *grid = k.grid()->model();
    auto numberTip = [grid] { return grid->index(1415, TextTable::Number).data(Qt::ToolTipRole).toString(); };
    k.type(1416, "Beenden");
    EXPECT_TRUE(numberTip().contains("Warning (fixed)")) << numberTip().toStdString();
    k.save();
    EXPECT_EQ(savedTexts(k.kit.path("lang.dat")).value(1415), "Text 1416");
    EXPECT_EQ(grid->index(1415, TextTable::Translation).data().toString(), "Text 1416");
    EXPECT_FALSE(numberTip().contains("Warning")) << numberTip().toStdString();
    EXPECT_EQ(k.shownText("ProgressLabel"), QString::fromUtf8("0 of 1,661 texts translated (0%) \u00B7 0 warnings"));
    EXPECT_FALSE(k.document().hasUnsavedWork());
    k.press(QKeySequence::Undo);
    k.press(QKeySequence::Redo);
    EXPECT_EQ(grid->index(1415, TextTable::Translation).data().toString(), "Beenden");
}

namespace {

// Imports `file` of the kit folder with "Import texts..."; the boxes shown.
KitWindow::Seen importTexts(KitWindow &k, const QString &file)
{
    MessageBoxAnswerer answerer;
    FileDialogAnswerer chooser(k.kit.path(file));
    QTest::mouseClick(k.find("ImportTextsButton"), Qt::LeftButton);
    return answerer.seen();
}

} // namespace

// A CSV as LibreOffice saves it, every field quoted and separated by
// semicolons, is refused naming the semicolons; translate-toolkit's po2csv
// writes location, source and target, read as row, source and translation.
TEST(TextsImport, SemicolonsAreNamedAndPo2csvColumnsAreRead)
{
    LargeKitWindow k;
    auto translation = [&k](int row) { return k.document().text(row - 1, TextTable::Translation); };
    k.kit.write("calc.csv", "\"row\";\"source\";\"translation\"\r\n\"2\";\"Text 2\";\"Zweiter Text\"\r\n");
    const KitWindow::Seen refused = importTexts(k, "calc.csv");
    ASSERT_EQ(refused.size(), 1);
    EXPECT_TRUE(refused[0].text.contains("calc.csv: line 1: the file is separated by semicolons, not commas"))
        << refused[0].text.toStdString();
    EXPECT_EQ(translation(2), "Text 2");

    k.kit.write("texts.po", "msgid \"\"\nmsgstr \"\"\n\"Content-Type: text/plain; charset=UTF-8\\n\"\n\n"
                            "msgctxt \"2\"\nmsgid \"Text 2\"\nmsgstr \"Zweiter Text\"\n\n"
                            "#: 3\nmsgctxt \"3\"\nmsgid \"Text 3\"\nmsgstr \"Dritter, \\\"Text\\\"\"\n");
    const QString po2csv = QStandardPaths::findExecutable("po2csv");
    if (po2csv.isEmpty()) {
        k.kit.write("texts.csv", "\"location\",\"source\",\"target\"\r\n\"\",\"Text 2\",\"Zweiter Text\"\r\n"
                                 "\"3\",\"Text 3\",\"Dritter, \"\"Text\"\"\"\r\n");
    } else {
        EXPECT_EQ(QProcess::execute(po2csv, {"--progress=none", k.kit.path("texts.po"), k.kit.path("texts.csv")}), 0);
        EXPECT_TRUE(k.kit.read("texts.csv").startsWith("\"location\",\"source\",\"target\"\r\n"))
            << k.kit.read("texts.csv").toStdString();
    }
    const KitWindow::Seen report = importTexts(k, "texts.csv");
    ASSERT_EQ(report.size(), 1);
    EXPECT_TRUE(report[0].text.startsWith("2 translations changed")) << report[0].text.toStdString();
    EXPECT_EQ(translation(2), "Zweiter Text") << "no location: found by its original";
    EXPECT_EQ(translation(3), "Dritter, \"Text\"");
    EXPECT_EQ(k.document().undoStack()->count(), 1);
}
