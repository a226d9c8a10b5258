#include "FileDialogAnswerer.h"
#include "InMemoryTexts.h"
#include "KitWindow.h"
#include "TempKit.h"
#include "document/TextTableModel.h"
#include "kit/KitSettings.h"
#include "ui/TextPreview.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QHeaderView>
#include <QInputDialog>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QTreeView>
#include <QTreeWidget>

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
    QByteArray translation(int gridRow) const { return document().text(gridRow - 1, TextTable::Translation); }
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
    k.click(3, TextTable::Source);
    EXPECT_EQ(k.label11(), QString::fromUtf8("Caf\u00E9"));
    EXPECT_EQ(k.label12(), QString::fromUtf8("Caf\u00E9"));
    k.click(2, TextTable::Translation);
    EXPECT_EQ(k.label11(), " Stock ");
}

// The keyboard starts in the grid on the current row's translation: on the
// Texts page, after Ctrl+1 and Ctrl+2, and after a restart there.
TEST(TextsPage, TheKeyboardStartsInTheGridOnTheCurrentTranslation)
{
    TextsWindow k;
    auto inGrid = [&k](int gridRow) {
        return QApplication::focusWidget() == k.grid()
            && k.grid()->currentIndex() == k.grid()->model()->index(gridRow - 1, TextTable::Translation);
    };
    EXPECT_TRUE(inGrid(1));
    k.click(3, TextTable::Source);
    k.showPage(0);
    k.showPage(1);
    EXPECT_TRUE(inGrid(3));
    k.open();
    EXPECT_TRUE(inGrid(3)) << "after a restart";
    QTest::keyClick(k.grid(), Qt::Key_Up);
    EXPECT_TRUE(inGrid(2)) << "the arrows move in the grid, not between pages";
}

TEST(TextsPage, LabelsAndTheTableFollowEveryKeystroke)
{
    TextsWindow k;
    QLineEdit *editor = k.edit(2, TextTable::Translation);
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
    EXPECT_EQ(QToolTip::text(), QString::fromUtf8("\"\u0416\" (U+0416) cannot be stored in code page 1252 Western "
                                                  "European. Choose the code page of your language on the Font page."));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(k.translation(2), " Lager ");
    EXPECT_EQ(k.document().undoStack()->count(), 1) << "one editing, one step";
}

TEST(TextsPage, F2OpensTheEditorAfterTheTextWithNothingSelected)
{
    TextsWindow k;
    QLineEdit *editor = k.edit(1, TextTable::Translation);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->selectedText(), "");
    EXPECT_EQ(editor->cursorPosition(), 5);
    QTest::keyClicks(editor, "er");
    QTest::keyClick(editor, Qt::Key_Home);
    QTest::keyClicks(editor, "Re");
    EXPECT_EQ(editor->text(), "ReBauener") << "typing inside keeps the cursor where it is";
    EXPECT_EQ(k.translation(1), "ReBauener");
    EXPECT_EQ(k.label12(), "ReBauener");
}

// Only a fixed row's source reaches a file (the save writes it as the
// translation); every other source cell is read-only and says why.
TEST(TextsPage, SourceCellsAreReadOnlyExceptInTheFixedRows)
{
    KitWindow k;
    k.open();
    k.showPage(1);
    QAbstractItemModel *grid = k.grid()->model();
    const auto tip = [grid](int row, int column) { return grid->index(row, column).data(Qt::ToolTipRole).toString(); };
    const QString fixedTip = "Reset to the original text at every save";
    EXPECT_EQ(k.edit(1, TextTable::Source), nullptr);
    QTest::keyClicks(k.grid(), "X");
    EXPECT_EQ(k.document().text(0, TextTable::Source), "New game");
    EXPECT_EQ(tip(0, TextTable::Source), "The original text, as the game's own data holds it. It cannot be edited: the "
                                         "kit never writes it, so an edit would be lost at the next start. Translate "
                                         "it on the right.");

    QLineEdit *editor = k.edit(1416, TextTable::Source);
    ASSERT_NE(editor, nullptr) << "row 1416 is fixed";
    QTest::keyClicks(editor, "!");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(k.document().text(1415, TextTable::Source), "%d!");
    EXPECT_EQ(tip(1415, TextTable::Source), "This is the text the game will get: every save writes it as the "
                                            "translation. Edit it here if the game needs another one.");
    EXPECT_TRUE(tip(1415, TextTable::Number).startsWith(fixedTip + "\nWarning (fixed)"))
        << "the translation now differs from the source";
    EXPECT_EQ(tip(1415, TextTable::Translation), fixedTip);
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
        k.click(3, TextTable::Translation);
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
    EXPECT_EQ(k.grid()->currentIndex(), k.grid()->model()->index(1, TextTable::Translation));
    EXPECT_EQ(QApplication::focusWidget(), k.grid());
    EXPECT_EQ(k.label11(), " Stock ");
    k.press(QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(k.grid()->currentIndex().row(), 0) << "the grid goes where the undone text is";
    EXPECT_EQ(k.label12(), "Bauen");
    k.press(QKeySequence(Qt::CTRL | Qt::Key_Y));
    EXPECT_EQ(k.label12(), "Bau");

    QTest::keyClick(k.grid(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), k.find("Button1")) << "Tab goes on to the save button";
    QLineEdit *editor = k.edit(2, TextTable::Translation);
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "!");
    QTest::keyClick(editor, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), k.find("Button1")) << "from the editor too";
    EXPECT_EQ(k.translation(2), " Stock !");
}

// The translations' code page re-shows their bytes; the sources stay in
// the game's, which the Font page names, whatever the translator chooses.
TEST(TextsPage, ChangingTheCodePageReShowsTheSameBytes)
{
    TextsWindow k;
    k.click(3, TextTable::Translation);
    auto *codePages = k.find<QComboBox>("CodePageComboBox");
    codePages->setCurrentIndex(codePages->findData(1251));
    EXPECT_EQ(k.label12(), QString::fromUtf8("Caf\u0439"));
    EXPECT_EQ(k.label11(), QString::fromUtf8("Caf\u00E9"));
    EXPECT_EQ(k.grid()->model()->index(2, TextTable::Source).data().toString(), QString::fromUtf8("Caf\u00E9"));
    EXPECT_EQ(k.translation(3), "Caf\xE9");
    EXPECT_EQ(k.find<QLabel>("SourceCodePageLabel")->text(), "Originals: 1252");
}

// The search as a translator drives it, to the end: the edit made through
// the filtered grid is saved in the right record.
TEST(TextsPage, SearchWithKeysEditsTheRowFoundAndSavesIt)
{
    KitWindow k;
    k.open();
    k.showPage(1);
    k.click(1, TextTable::Translation);
    k.press(QKeySequence(Qt::CTRL | Qt::Key_F));
    QWidget *search = QApplication::focusWidget();
    ASSERT_EQ(search, k.find("SearchField"));
    QTest::keyClicks(search, "SAVE");
    QAbstractItemModel *grid = k.grid()->model();
    ASSERT_EQ(grid->rowCount(), 2) << "typing filters at once, over both columns, ignoring case";
    EXPECT_EQ(grid->index(0, 0).data().toString(), "3") << "rows keep the game's numbers";
    EXPECT_EQ(grid->index(1, 0).data().toString(), "1426");
    EXPECT_EQ(k.find<QLabel>("Label11")->text(), "New game") << "the current row stays until another is chosen";

    QTest::keyClick(search, Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), k.grid());
    EXPECT_EQ(k.grid()->currentIndex(), grid->index(0, TextTable::Translation));
    QTest::keyClick(k.grid(), 'S'); // typing replaces the translation
    QTest::keyClicks(QApplication::focusWidget(), "piel speichern");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(k.document().text(2, TextTable::Translation), "Spiel speichern");
    EXPECT_EQ(grid->rowCount(), 2) << "the edited row stays shown";
    EXPECT_EQ(k.grid()->currentIndex().siblingAtColumn(0).data().toString(), "1426") << "Enter moves down";

    k.press(QKeySequence(Qt::CTRL | Qt::Key_F));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(k.find<QLineEdit>("SearchField")->text(), "");
    EXPECT_EQ(grid->rowCount(), k.document().texts().rowCount());
    EXPECT_EQ(k.grid()->currentIndex(), grid->index(1425, TextTable::Translation)) << "the current row stays";
    EXPECT_EQ(QApplication::focusWidget(), k.grid());

    k.kit.write("orvanta-kit.ini", "[texts]\ncodepage=1252\n");
    ASSERT_EQ(k.save().size(), 1);
    const QByteArray saved = k.kit.read("lang.dat");
    EXPECT_TRUE(saved.contains(QByteArray("Spiel speichern") + QByteArray(185, '\0')));
}

// Ctrl+J: the next untranslated row after the current one, round from the
// top; an open editor keeps what was typed and the grid goes where it was
// asked to. Ctrl+G: the row whose number is typed.
TEST(TextsPage, CtrlJGoesToTheNextUntranslatedRowRoundTheEndCtrlGToARow)
{
    TextsWindow k; // row 1 translated, rows 2 and 3 not
    const QKeySequence next(Qt::CTRL | Qt::Key_J);
    auto current = [&k] { return k.grid()->currentIndex(); };
    k.click(3, TextTable::Source);
    k.press(next);
    EXPECT_EQ(current(), k.grid()->model()->index(1, TextTable::Translation)) << "round the end";
    EXPECT_EQ(QApplication::focusWidget(), k.grid());
    k.press(next);
    EXPECT_EQ(current().row(), 2);

    k.click(1, TextTable::Translation);
    QTest::keyClick(k.grid(), 'X');
    k.press(next);
    EXPECT_EQ(k.translation(1), "X");
    EXPECT_EQ(current(), k.grid()->model()->index(1, TextTable::Translation));
    k.type(2, "Lager");
    k.press(next);
    EXPECT_EQ(current().row(), 2) << "the only untranslated row";

    // Ctrl+G to a row the search hides: every row is shown again.
    k.press(QKeySequence(Qt::CTRL | Qt::Key_F));
    QTest::keyClicks(QApplication::focusWidget(), "lag");
    ASSERT_EQ(k.grid()->model()->rowCount(), 1);
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [] {
        if (auto *ask = qobject_cast<QInputDialog *>(QApplication::activeModalWidget())) {
            QWidget *number = ask->focusWidget();
            QTest::keyClick(number, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(number, "3");
            QTest::keyClick(number, Qt::Key_Return);
        }
    });
    answerer.start(20);
    k.press(QKeySequence(Qt::CTRL | Qt::Key_G));
    EXPECT_EQ(k.grid()->model()->rowCount(), 3);
    EXPECT_EQ(current(), k.grid()->model()->index(2, TextTable::Translation));
    EXPECT_EQ(k.form->focusWidget(), k.grid()) << "the grid has the focus once the window is active again";
}

// The translator's own marks, from the keyboard: Ctrl+U marks a row for
// review, Ctrl+M gives it a note, Ctrl+Shift+U takes a translation that
// rightly equals its source as done. Each is one undo step, shown in the
// number cell, the filter and the progress line, saved beside lang.dat and
// there again after a restart.
TEST(TextsPage, ReviewMarksAndNotesAreUndoneSavedAndRestored)
{
    TextsWindow k; // row 1 translated, rows 2 and 3 not
    QAbstractItemModel *grid = k.grid()->model();
    auto tip = [&k](int row) {
        return k.grid()->model()->index(row - 1, TextTable::Number).data(Qt::ToolTipRole).toString();
    };
    auto *progress = k.find<QLabel>("ProgressLabel");
    k.click(1, TextTable::Translation);
    k.press(QKeySequence(Qt::CTRL | Qt::Key_U));
    EXPECT_TRUE(tip(1).startsWith("Needs review")) << tip(1).toStdString();
    EXPECT_TRUE(progress->text().startsWith("1 of 3 texts translated (33%) \u00B7 1 to review \u00B7 "))
        << progress->text().toStdString();
    auto *filter = k.find<QComboBox>("FilterComboBox");
    filter->setCurrentIndex(filter->findText("Needs review"));
    EXPECT_EQ(grid->rowCount(), 1);
    filter->setCurrentIndex(0);

    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [] {
        if (auto *ask = qobject_cast<QInputDialog *>(QApplication::activeModalWidget())) {
            QTest::keyClicks(ask->focusWidget(), "Ask the team");
            ask->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        }
    });
    answerer.start(20);
    k.press(QKeySequence(Qt::CTRL | Qt::Key_M));
    answerer.stop();
    const QString note = "\nNote: Ask the team\n"; // before the row's warnings
    EXPECT_TRUE(tip(1).contains(note)) << tip(1).toStdString();
    k.press(QKeySequence::Undo);
    EXPECT_FALSE(tip(1).contains("Note")) << "the note undone";
    k.press(QKeySequence::Undo);
    EXPECT_TRUE(tip(1).startsWith("Translated\n")) << tip(1).toStdString();
    k.press(QKeySequence(Qt::CTRL | Qt::Key_Y));
    k.press(QKeySequence(Qt::CTRL | Qt::Key_Y));
    EXPECT_TRUE(tip(1).contains(note));

    // While typing in a cell too, Ctrl+U marks the row and leaves the text.
    QLineEdit *editor = k.edit(2, TextTable::Translation);
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "Lager");
    QTest::keyClick(editor, Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(editor->text(), " Stock Lager");
    EXPECT_TRUE(tip(2).startsWith("Needs review")) << tip(2).toStdString();
    QTest::keyClick(editor, Qt::Key_U, Qt::ControlModifier);
    EXPECT_FALSE(tip(2).startsWith("Needs review"));
    QTest::keyClick(editor, Qt::Key_Escape);

    k.click(3, TextTable::Translation);
    k.press(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_U));
    EXPECT_TRUE(tip(3).startsWith("Translated: done as it is"));
    EXPECT_TRUE(progress->text().startsWith("2 of 3 texts translated (66%)"));
    k.save();
    EXPECT_EQ(k.kit.read("orvanta-kit.review"), "orvanta-kit review 1\n1\treview\tAsk the team\n3\tdone\t\n");

    k.open();
    k.showPage(1);
    EXPECT_TRUE(tip(1).startsWith("Needs review"));
    EXPECT_TRUE(tip(1).contains(note));
    EXPECT_TRUE(tip(3).startsWith("Translated: done as it is"));
    EXPECT_TRUE(k.find<QLabel>("ProgressLabel")->text().contains("1 to review"));
}

// A kit of 1,417 texts made for the count: rows 1416 and 1417 are fixed
// (and not counted), rows 1 to 3 translated, with warnings in rows 2, 3
// and 1416 (whose text from lang.dat is loaded back, then edited).
TEST(TextsPage, StatesWarningsProgressAndByteCountFollowTheTyping)
{
    KitWindow k;
    QList<QByteArray> sources, translations;
    for (int row = 1; row <= 1417; ++row)
        sources.append("Text " + QByteArray::number(row));
    sources[0] = "Build";
    sources[1] = " Stock ";
    sources[2] = "%d gold";
    translations = sources;
    translations[0] = "Bau";
    translations[1] = "Lag";
    translations[2] = "%s Go";
    translations[1415] = "x";
    k.kit.writeArchive("kvmain.dat", {{"KVTEXTS.DAT", QByteArray::fromStdString(textFile(sources))}});
    k.kit.writeArchive("lang.dat", {{"TEXTS.DAT", QByteArray::fromStdString(textFile(translations))}});
    k.kit.write("orvanta-kit.ini", "[texts]\ncodepage=1252\n");
    k.open();
    k.showPage(1);
    QAbstractItemModel *grid = k.grid()->model();
    EXPECT_EQ(grid->index(1415, TextTable::Source).data().toString(), "x");
    k.type(1416, "y");
    k.grid()->setCurrentIndex(grid->index(0, TextTable::Translation));
    auto *progress = k.find<QLabel>("ProgressLabel");
    auto *bytes = k.find<QLabel>("ByteCountLabel");
    EXPECT_TRUE(k.shownText("ProgressLabel").startsWith("3 of 1,415 texts translated (<1%) \u00B7 "))
        << k.shownText("ProgressLabel").toStdString();
    EXPECT_TRUE(progress->text().contains(">3 warnings</a>"));
    EXPECT_EQ(bytes->text(), "3 / 200 bytes");

    auto state = [grid](int row) { return grid->index(row - 1, TextTable::Number); };
    EXPECT_EQ(state(1).data(Qt::ToolTipRole).toString(), "Translated\nRow 1");
    EXPECT_TRUE(state(1).data(Qt::BackgroundRole).isValid());
    EXPECT_TRUE(state(2).data(Qt::ToolTipRole).toString().contains("Warning (spaces): the original starts with 1 space"));
    EXPECT_EQ(state(2).data(Qt::BackgroundRole), state(1).data(Qt::BackgroundRole)) << "the state apart from warnings";
    EXPECT_TRUE(state(2).data(Qt::DecorationRole).isValid());
    EXPECT_FALSE(state(1).data(Qt::DecorationRole).isValid());
    EXPECT_FALSE(state(4).data(Qt::BackgroundRole).isValid()) << "untranslated";
    EXPECT_TRUE(state(1416).data(Qt::ToolTipRole).toString().startsWith(
        "Reset to the original text at every save\nWarning (fixed)"));

    k.type(4, "Te");
    EXPECT_TRUE(k.shownText("ProgressLabel").startsWith("4 of 1,415 texts translated (<1%)"));
    EXPECT_TRUE(state(4).data(Qt::BackgroundRole).isValid());
    QLineEdit *editor = k.edit(5, TextTable::Translation);
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, QString(201, 'w'));
    EXPECT_EQ(bytes->text(), "201 / 200 bytes") << "while typing";
    EXPECT_EQ(bytes->palette().color(QPalette::WindowText), QColor(0xC0, 0x10, 0x10));
    EXPECT_TRUE(bytes->toolTip().contains("cuts the last character")) << bytes->toolTip().toStdString();
    EXPECT_TRUE(progress->text().contains(">4 warnings</a>")) << "too long";
    EXPECT_TRUE(progress->text().contains(">1 drawn wider</a>")) << "apart from the warnings";
    QTest::keyClick(editor, Qt::Key_Backspace);
    EXPECT_NE(bytes->palette().color(QPalette::WindowText), QColor(0xC0, 0x10, 0x10));
    QTest::keyClick(editor, Qt::Key_Return);

    // The warnings, walked: the third is row 3's.
    emit progress->linkActivated("warnings");
    auto *checks = k.form->findChild<QDialog *>("ChecksWindow");
    ASSERT_NE(checks, nullptr);
    auto *list = checks->findChild<QTreeView *>("ChecksList");
    ASSERT_TRUE(list->isVisible());
    ASSERT_EQ(list->model()->rowCount(), 3) << "the faults, not row 5 drawn wider";
    EXPECT_EQ(list->model()->index(1, 1).data().toString(), "placeholders");
    list->setCurrentIndex(list->model()->index(1, 0));
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(k.grid()->currentIndex(), grid->index(2, TextTable::Translation));

    // Grouped by check with a click on its header, then one check alone.
    QHeaderView *header = list->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(1) + 5, header->height() / 2));
    QStringList checksShown;
    for (int line = 0; line < list->model()->rowCount(); ++line)
        checksShown.append(list->model()->index(line, 1).data().toString());
    EXPECT_TRUE(std::is_sorted(checksShown.begin(), checksShown.end())) << checksShown.join(' ').toStdString();
    const QList<QAction *> offered = list->actions();
    const auto only = std::find_if(offered.begin(), offered.end(),
                                   [](QAction *action) { return action->text() == "Only placeholders"; });
    ASSERT_NE(only, offered.end());
    (*only)->trigger();
    ASSERT_EQ(list->model()->rowCount(), 1);
    list->setCurrentIndex(list->model()->index(0, 0));
    k.click(1, TextTable::Translation);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(k.grid()->currentIndex(), grid->index(2, TextTable::Translation)) << "the one shown: row 3's";
}

// The preview draws what the game will: the typed translation in the
// glyphs of the next save, on the button colour; a font past the glyph
// files' limits shows why there is no picture.
TEST(TextsPage, PreviewDrawsTheTypingInTheSavedGlyphs)
{
    TextsWindow k;
    QTest::mouseClick(k.find("PreviewButton"), Qt::LeftButton);
    auto *window = k.form->findChild<QDialog *>("PreviewWindow");
    ASSERT_TRUE(window && window->isVisible());
    auto *picture = window->findChild<QLabel *>("TranslationPreview");
    QLineEdit *editor = k.edit(2, TextTable::Translation);
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, "Lager!");

    const auto glyphs = k.document().savedGlyphs();
    ASSERT_TRUE(glyphs);
    const QImage drawn = (*glyphs)->text.render(QByteArrayView("Lager!"));
    const QImage shown = picture->pixmap().toImage();
    const int margin = TextPreview::Margin;
    ASSERT_EQ(shown.size(), drawn.size() + QSize(2 * margin, 2 * margin));
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) {
            const QRgb game = drawn.pixel(x, y);
            ASSERT_EQ(shown.pixel(x + margin, y + margin) | 0xFF000000,
                      qAlpha(game) == 0 ? TextPreview::ButtonColour : game) << x << "," << y;
        }
    EXPECT_EQ(window->findChild<QLabel *>("TranslationPreviewWidth")->text(), QString("%1 px").arg(drawn.width()));

    k.document().setGlyphFont(QFont("Liberation Sans", 200));
    EXPECT_TRUE(picture->pixmap().isNull());
    EXPECT_FALSE(picture->text().isEmpty()) << "the refusal in place of the picture";
}

// An import through the window is one step of the history, shows its
// report and saves nothing; refused entries are not applied, and the rest
// only when the translator says so.
// After a game update: the older kit's translations taken from the grid's
// menu as one step, nothing saved; a folder without source texts is refused.
TEST(TextsPage, TranslationsOfAnOlderKitAreTakenAsOneUndoableStep)
{
    TextsWindow k;
    TempKit older;
    older.writeArchive("kvmain.dat", {{"KVTEXTS.DAT", QByteArray::fromStdString(textFile({"Caf\xE9", " Stock", "Gone"}))}});
    older.writeArchive("lang.dat", {{"TEXTS.DAT", QByteArray::fromStdString(textFile({"Kaffee", "Lager", "Weg"}))}});
    const QByteArray langDat = k.kit.read("lang.dat");
    auto take = [&k](QMessageBox::StandardButton answer, const QString &folder) {
        MessageBoxAnswerer answerer(answer);
        FileDialogAnswerer chooser(folder);
        k.grid()->actions().value(2)->trigger(); // "Take translations from an older kit..."
        return answerer.seen();
    };
    TempKit empty;
    const auto refused = take(QMessageBox::Ok, QDir(empty.dir()).absolutePath());
    ASSERT_EQ(refused.size(), 1);
    EXPECT_EQ(k.document().undoStack()->count(), 0);

    const auto report = take(QMessageBox::Ok, QDir(older.dir()).absolutePath());
    ASSERT_EQ(report.size(), 1);
    EXPECT_TRUE(report[0].text.startsWith("2 translations changed, 0 unchanged\n"
                                          "carried for review, the source text changed a little: 1 (row 2 (from 2))\n"))
        << report[0].text.toStdString();
    EXPECT_EQ(k.translation(3), "Kaffee");
    EXPECT_EQ(k.translation(2), "Lager");
    EXPECT_EQ(k.translation(1), "Bauen") << "translated already";
    EXPECT_EQ(k.document().undoStack()->count(), 1);
    EXPECT_EQ(k.kit.read("lang.dat"), langDat) << "nothing saved";
    k.press(QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(k.translation(3), "Caf\xE9");
}

// A PO exported for another code page: the import asks, and taking the
// file's code page is one undo step with the translations.
TEST(TextsPage, ImportInTheCodePageTheFileNamesIsAskedAndUndoneAsOne)
{
    TextsWindow k; // code page 1252
    k.kit.write("ru.po", "msgid \"\"\nmsgstr \"\"\n\"Content-Type: text/plain; charset=UTF-8\\n\"\n"
                         "\"X-Orvanta-Codepage: 1251\\n\"\n\nmsgctxt \"1\"\nmsgid \"Build\"\n"
                         "msgstr \"\xD0\x9A\xD0\xB0\xD1\x84\xD0\xB5\"\n");
    {
        MessageBoxAnswerer answerer({QMessageBox::Cancel});
        FileDialogAnswerer chooser(k.kit.path("ru.po"));
        QTest::mouseClick(k.find("ImportTextsButton"), Qt::LeftButton);
        ASSERT_EQ(answerer.count(), 1);
        EXPECT_TRUE(answerer.seen()[0].text.contains("ru.po was written for code page 1251"))
            << answerer.seen()[0].text.toStdString();
    }
    EXPECT_EQ(k.document().undoStack()->count(), 0) << "cancelled";
    {
        MessageBoxAnswerer answerer({QMessageBox::Yes, QMessageBox::Ok});
        FileDialogAnswerer chooser(k.kit.path("ru.po"));
        QTest::mouseClick(k.find("ImportTextsButton"), Qt::LeftButton);
        EXPECT_EQ(answerer.count(), 2) << "the question, then the report";
    }
    EXPECT_EQ(k.document().codePage().number(), 1251);
    EXPECT_EQ(k.translation(1), "\xCA\xE0\xF4\xE5");
    EXPECT_EQ(k.document().undoStack()->count(), 1);
    k.press(QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(k.document().codePage().number(), 1252);
    EXPECT_EQ(k.translation(1), "Bauen");
}

TEST(TextsPage, ImportIsOneUndoableStepWithItsReport)
{
    TextsWindow k;
    k.kit.write("texts.csv", "row,source,translation\n2, Stock , Lager \n3,Caf\xC3\xA9,\xD0\x9A\xD0\xB0\xD1\x84\xD0\xB5\n"
                             "9,Nine,Neun\n");
    const QByteArray langDat = k.kit.read("lang.dat");
    auto import = [&k](QMessageBox::StandardButton answer, const QString &file, bool byMenu = false) {
        MessageBoxAnswerer answerer(answer);
        FileDialogAnswerer chooser(k.kit.path(file));
        if (byMenu)
            k.grid()->actions().value(1)->trigger(); // "Import texts..." in the grid's menu
        else
            QTest::mouseClick(k.find("ImportTextsButton"), Qt::LeftButton);
        return std::pair(answerer.seen(), chooser.seen().folder);
    };
    const auto [refused, folder] = import(QMessageBox::No, "texts.csv");
    EXPECT_EQ(folder, QDir(k.kit.dir()).absolutePath()) << "the kit folder at first";
    ASSERT_EQ(refused.size(), 1);
    EXPECT_TRUE(refused[0].text.contains("refused, a character code page 1252 cannot hold: 1 (row 3"))
        << refused[0].text.toStdString();
    EXPECT_EQ(k.translation(2), " Stock ") << "nothing imported";

    const auto [theRest, sameFolder] = import(QMessageBox::Yes, "texts.csv", true);
    ASSERT_EQ(theRest.size(), 1);
    EXPECT_TRUE(theRest[0].text.contains("skipped, no such row in the kit: 1 (row 9)"));
    EXPECT_EQ(k.translation(2), " Lager ");
    EXPECT_EQ(k.translation(3), "Caf\xE9");
    EXPECT_EQ(k.document().undoStack()->count(), 1);
    EXPECT_EQ(k.kit.read("lang.dat"), langDat) << "nothing saved";
    k.press(QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(k.translation(2), " Stock ");
    k.press(QKeySequence(Qt::CTRL | Qt::Key_Y));
    EXPECT_EQ(k.translation(2), " Lager ");

    // The export writes what the grid holds, from the folder used last.
    k.kit.write("clean.csv", "row,source,translation\n1,Build,Bauen\n");
    const auto [report, folderAgain] = import(QMessageBox::Ok, "clean.csv");
    EXPECT_EQ(folderAgain, folder);
    ASSERT_EQ(report.size(), 1);
    EXPECT_TRUE(report[0].text.startsWith("0 translations changed, 1 unchanged"));
    EXPECT_EQ(k.document().undoStack()->count(), 1) << "no step for an import that changes nothing";
    QDir(k.kit.dir()).mkdir("out");
    {
        FileDialogAnswerer file(k.kit.path("out/texts.csv"));
        QTest::mouseClick(k.find("ExportTextsButton"), Qt::LeftButton);
    }
    EXPECT_EQ(k.kit.read("out/texts.csv"), "row,source,translation,needs_review,note\r\n1,Build,Bauen,,\r\n2, Stock , Lager ,,\r\n"
                                               "3,Caf\xC3\xA9,Caf\xC3\xA9,,\r\n");
    // A name of the kind of two filters is written as the chosen one's.
    const struct {
        const char *filter, *name, *unit;
    } xliffs[] = {{"XLIFF files for OmegaT (*.xlf)", "out/omegat.xlf",
                   "<source>Build</source>\n    <target state=\"new\">Build</target>"},
                  {"XLIFF files (*.xlf)", "out/texts.xlf",
                   "<source>Build</source>\n    <target state=\"translated\">Bauen</target>"}};
    for (const auto &xliff : xliffs) {
        {
            FileDialogAnswerer file(k.kit.path(xliff.name), xliff.filter);
            QTest::mouseClick(k.find("ExportTextsButton"), Qt::LeftButton);
        }
        EXPECT_TRUE(k.kit.read(xliff.name).contains(xliff.unit)) << xliff.filter << "\n" << k.kit.read(xliff.name).toStdString();
    }
    FileDialogAnswerer again("");
    QTest::mouseClick(k.find("ExportTextsButton"), Qt::LeftButton);
    EXPECT_EQ(again.seen().folder, QDir(k.kit.path("out")).absolutePath());
}

// Rows of one original translated otherwise warn, naming each other; the
// grid's menu gives the current row's translation to all of them as one
// step, and an untranslated row's original is never handed on.
TEST(TextsPage, OneTranslationForEveryIdenticalSourceIsOneUndoableStep)
{
    KitWindow k;
    k.kit.writeArchive("kvmain.dat",
                       {{"KVTEXTS.DAT", QByteArray::fromStdString(textFile({"Open", "Close", "Open", "Open"}))}});
    k.kit.writeArchive("lang.dat", {{"TEXTS.DAT", QByteArray::fromStdString(textFile({"Auf", "Zu", "Offen", "Open"}))}});
    k.kit.write("orvanta-kit.ini", "[texts]\ncodepage=1252\n");
    k.open();
    k.showPage(1);
    QAbstractItemModel *grid = k.grid()->model();
    const auto tip = [grid](int row) { return grid->index(row - 1, TextTable::Number).data(Qt::ToolTipRole).toString(); };
    EXPECT_TRUE(tip(3).contains("Warning (inconsistent): the same original is translated otherwise in row 1"))
        << tip(3).toStdString();
    QAction *useEverywhere = nullptr;
    for (QAction *action : k.grid()->actions())
        if (action->text() == "Use this translation for every identical source")
            useEverywhere = action;
    ASSERT_NE(useEverywhere, nullptr);

    k.click(4, TextTable::Translation); // not translated: nothing to hand on
    useEverywhere->trigger();
    EXPECT_EQ(k.document().undoStack()->count(), 0);

    k.click(3, TextTable::Translation);
    useEverywhere->trigger();
    const auto translation = [&k](int row) { return k.document().text(row - 1, TextTable::Translation); };
    EXPECT_EQ(translation(1), "Offen");
    EXPECT_EQ(translation(2), "Zu");
    EXPECT_EQ(translation(4), "Offen");
    EXPECT_EQ(k.document().undoStack()->count(), 1);
    EXPECT_EQ(k.document().undoStack()->text(0), "Use the translation of row 3 for every identical source");
    EXPECT_FALSE(tip(1).contains("inconsistent")) << tip(1).toStdString();
    k.press(QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(translation(1), "Auf");
    EXPECT_EQ(translation(4), "Open");
    EXPECT_TRUE(tip(1).contains("in row 3")) << tip(1).toStdString();
}

// Suggestions for the current row from the kit's other rows and a PO
// memory; one that is missing is told once at start-up and left out. A
// Enter or a double click in the list, or Alt+1, takes one as an edit of the
// row, undone as one step.
TEST(TextsPage, ASuggestionTakenAndUndone)
{
    KitWindow k;
    k.kit.writeArchive("kvmain.dat", {{"KVTEXTS.DAT", QByteArray::fromStdString(textFile(
                                                          {"Open the door", "Open the doors", "Quit", "Open the door"}))}});
    k.kit.writeArchive("lang.dat",
                       {{"TEXTS.DAT", QByteArray::fromStdString(textFile({"Open the door", "Ouvrir les portes", "Quitter"}))}});
    k.kit.write("memory.po", "msgid \"\"\nmsgstr \"\"\n\"Content-Type: text/plain; charset=UTF-8\\n\"\n\n"
                             "msgctxt \"9\"\nmsgid \"Open the door\"\nmsgstr \"Ouvrir la porte\"\n");
    k.kit.write("orvanta-kit.ini", "[texts]\ncodepage=1252\n");
    KitSettings(k.kit.dir()).setMemories({k.kit.path("memory.po"), k.kit.path("gone.po")});
    const auto seen = k.open();
    ASSERT_EQ(seen.size(), 2) << "the missing memory, and lang.dat's three texts for kvmain.dat's four";
    EXPECT_TRUE(seen[0].text.contains(QDir::toNativeSeparators(k.kit.path("gone.po")) + ": no such file or folder")
                || seen[1].text.contains(QDir::toNativeSeparators(k.kit.path("gone.po")) + ": no such file or folder"));
    k.showPage(1);
    k.click(1, TextTable::Translation);

    QTest::mouseClick(k.find("PreviewButton"), Qt::LeftButton); // a small window: the preview's own
    auto *window = k.form->findChild<QDialog *>("PreviewWindow");
    ASSERT_TRUE(window && window->isVisible());
    auto *list = window->findChild<QTreeWidget *>("SuggestionsList");
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(0)->text(0), "100%");
    EXPECT_EQ(list->topLevelItem(0)->text(1), "Ouvrir la porte");
    EXPECT_EQ(list->topLevelItem(0)->text(2), QDir::toNativeSeparators(k.kit.path("memory.po")) + ", row 9");
    EXPECT_EQ(list->topLevelItem(1)->text(0), "92%");
    EXPECT_EQ(list->topLevelItem(1)->text(2), "row 2");
    EXPECT_EQ(list->topLevelItem(1)->toolTip(1), "Ouvrir les portes");
    EXPECT_EQ(list->topLevelItem(1)->toolTip(2), "Original: Open the doors");

    // Down to the second, Enter takes it.
    list->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    const auto translation = [&k](int row) { return k.document().text(row - 1, TextTable::Translation); };
    EXPECT_EQ(translation(1), "Ouvrir les portes");
    EXPECT_EQ(k.document().undoStack()->count(), 1);

    k.press(QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(translation(1), "Open the door");

    // A double click, as the window system delivers one: press, release,
    // double click, release.
    const QPoint second = list->visualItemRect(list->topLevelItem(1)).center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                                    QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, second, list->viewport()->mapToGlobal(second), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &event);
    }
    EXPECT_EQ(translation(1), "Ouvrir les portes");
    EXPECT_EQ(k.document().undoStack()->index(), 1);

    // Row 4 has the same original: the translation just taken comes first.
    k.click(4, TextTable::Translation);
    EXPECT_EQ(list->topLevelItem(0)->text(1), "Ouvrir les portes");
    EXPECT_EQ(list->topLevelItem(0)->text(2), "row 1");
    k.press(QKeySequence(Qt::ALT | Qt::Key_1));
    EXPECT_EQ(translation(4), "Ouvrir les portes");
    k.press(QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(translation(4), "Open the door");
    k.press(QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(translation(1), "Open the door");
    EXPECT_EQ(k.document().undoStack()->index(), 0);

    // Only at start-up: adding nothing new asks nothing again.
    k.click(3, TextTable::Translation);
    EXPECT_EQ(list->topLevelItemCount(), 0) << "nothing like \"Quit\"";
}

// A memory added from the grid's menu is remembered and suggests at once;
// one that cannot be read is refused with its reason and not remembered.
TEST(TextsPage, MemoriesAddedFromTheMenuAreRememberedOrRefused)
{
    TextsWindow k;
    k.kit.write("memory.csv", "row,source,translation\n1,Build,Bauen!\n");
    k.kit.write("broken.po", "msgid \"Build\"\nmsgstr\n");
    const auto menu = [&k](const QString &text, const QString &file) {
        MessageBoxAnswerer answerer(QMessageBox::Ok);
        FileDialogAnswerer chooser(file);
        for (QAction *action : k.grid()->actions())
            if (action->text() == text)
                action->trigger();
        return answerer.seen();
    };
    k.click(1, TextTable::Translation);
    auto *list = k.find<QTreeWidget>("SuggestionsList");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->topLevelItemCount(), 0);

    EXPECT_TRUE(menu("Add translation memory...", k.kit.path("memory.csv")).isEmpty());
    ASSERT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(list->topLevelItem(0)->text(1), "Bauen!");
    const auto refused = menu("Add translation memory...", k.kit.path("broken.po"));
    ASSERT_EQ(refused.size(), 1);
    EXPECT_TRUE(refused[0].text.contains(QDir::toNativeSeparators(k.kit.path("broken.po")))) << refused[0].text.toStdString();
    EXPECT_EQ(KitSettings(k.kit.dir()).memories(), QStringList{k.kit.path("memory.csv")});

    menu("Forget translation memories", QString());
    EXPECT_EQ(list->topLevelItemCount(), 0);
    EXPECT_TRUE(KitSettings(k.kit.dir()).memories().isEmpty());
}
