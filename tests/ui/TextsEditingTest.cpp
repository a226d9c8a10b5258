#include "InMemoryTexts.h"
#include "KitWindow.h"
#include "document/KitDocument.h"
#include "kit/KitSettings.h"
#include "ui/TextPreview.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

using namespace orvanta;

namespace {

const QKeySequence Undo(Qt::CTRL | Qt::Key_Z);
const QKeySequence Redo(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);

// A whole record: 200 bytes.
const QByteArray LongSource = "Your warehouse in Jessvale is full. Sell some of the goods stored there or build another "
                              "warehouse before the next caravan arrives, or the goods it brings will be lost on the "
                              "road to the market. Hurry";

// The translation typed as a translator types it: long, with words
// corrected on the way.
const QString LongTranslation = QString::fromUtf8("Ihr Lagerhaus in Jessvale ist voll. Verkaufen Sie einige Waren "
                                                  "oder bauen Sie ein weiteres Lagerhaus, bevor die n\u00E4chste "
                                                  "Karawane eintrifft.");

// Types `text` key by key, letters beyond ASCII as a keyboard layout of
// their language gives them.
void typeText(QWidget *widget, const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(widget, char(c.unicode()));
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

QString textOf(const char *name, const KitWindow &k)
{
    return k.find<QLabel>(name)->text();
}

} // namespace

// At 1280 x 1024 the editing pane and the preview stand under the grid:
// the pane takes a long translation typed with the keyboard, one undo step
// for the whole typing, refusing what code page 1252 cannot hold; the
// preview shows the whole 200-byte source at 1x, and the zoom chosen is the
// preview window's too and comes back after a restart.
TEST(TextsEditing, LongTextsAreTypedInThePaneAndPreviewedWhole)
{
    ASSERT_EQ(LongSource.size(), 200);
    KitWindow k;
    k.kit.writeArchive("kvmain.dat", {{"KVTEXTS.DAT", QByteArray::fromStdString(textFile({LongSource, "Sell"}))}});
    k.kit.write("orvanta-kit.ini", "[texts]\ncodepage=1252\n");
    k.open();
    k.form->resize(1280, 1024);
    k.showPage(1);

    auto *pane = k.find<QPlainTextEdit>("TranslationEditor");
    ASSERT_TRUE(pane && pane->isVisible());
    EXPECT_EQ(pane->toPlainText(), QString::fromLatin1(LongSource)) << "the untranslated row shows its source";
    QTest::mouseClick(pane->viewport(), Qt::LeftButton, {}, QPoint(4, 4));
    ASSERT_EQ(QApplication::focusWidget(), pane);
    QTest::keyClick(pane, Qt::Key_A, Qt::ControlModifier);
    typeText(pane, LongTranslation.left(40));
    QTest::keyClick(pane, Qt::Key_Return);
    typeText(pane, LongTranslation.mid(40) + "x");
    QTest::keyClick(pane, Qt::Key_Backspace);
    QKeyEvent zhe(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QChar(0x416)));
    QApplication::sendEvent(pane, &zhe);
    EXPECT_EQ(QToolTip::text(), QString::fromUtf8("\"\u0416\" (U+0416) cannot be stored in code page 1252 Western "
                                                  "European. Choose the code page of your language on the Font page."));
    EXPECT_EQ(pane->toPlainText(), LongTranslation) << "Enter and the refused character typed nothing";
    const QByteArray typed = LongTranslation.toLatin1();
    EXPECT_EQ(k.document().text(0, TextTable::Translation), typed) << "a save sees the text typed so far";
    EXPECT_EQ(textOf("Label12", k), LongTranslation);
    EXPECT_EQ(textOf("ByteCountLabel", k), QString("%1 / 200 bytes").arg(typed.size()));
    EXPECT_EQ(k.grid()->model()->index(0, TextTable::Translation).data().toString(), LongTranslation);
    EXPECT_EQ(k.document().undoStack()->count(), 1) << "one editing, one step";

    // The preview: the whole source at 1x, at the page's full width.
    auto *preview = k.form->findChild<TextPreview *>("TextPreview");
    ASSERT_TRUE(preview && preview->isVisible());
    auto *source = preview->findChild<QLabel *>("SourcePreview");
    const auto glyphs = k.document().standardGlyphs();
    ASSERT_TRUE(glyphs && *glyphs);
    const int width = (*glyphs)->text.width(LongSource) + 2 * TextPreview::Margin;
    EXPECT_EQ(source->pixmap().width(), width);
    QApplication::processEvents(); // the layout follows the pictures
    auto *scroll = preview->findChild<QScrollArea *>("PreviewScroll");
    EXPECT_EQ(scroll->horizontalScrollBar()->maximum(), 0) << "nothing of it scrolled out of sight";
    EXPECT_GE(source->width(), width);
    EXPECT_GE(preview->width(), 1200);

    // 3x, chosen with the keyboard, scrolls; the preview window opens at 3x
    // and as wide as the main window.
    auto *zoom = preview->findChild<QComboBox *>("PreviewZoom");
    zoom->setFocus();
    QTest::keyClick(zoom, Qt::Key_Down);
    QTest::keyClick(zoom, Qt::Key_Down);
    EXPECT_EQ(zoom->currentText(), "3x");
    EXPECT_EQ(source->pixmap().width(), 3 * width);
    QApplication::processEvents();
    EXPECT_GT(scroll->horizontalScrollBar()->maximum(), 0);
    auto *button = k.find<QPushButton>("PreviewButton");
    ASSERT_TRUE(button->isVisible()) << "the preview's window is there in every size of the window";
    QTest::mouseClick(button, Qt::LeftButton);
    auto *window = k.form->findChild<QDialog *>("PreviewWindow");
    ASSERT_TRUE(window && window->isVisible());
    EXPECT_EQ(window->findChild<QComboBox *>("PreviewZoom")->currentText(), "3x");
    EXPECT_EQ(window->width(), 1280);
    EXPECT_EQ(KitSettings(k.kit.dir()).previewZoom(), 3);

    // The whole typing is undone at once.
    k.click(2, TextTable::Translation);
    k.press(Undo);
    EXPECT_EQ(k.document().text(0, TextTable::Translation), LongSource);
    k.click(1, TextTable::Translation);
    EXPECT_EQ(pane->toPlainText(), QString::fromLatin1(LongSource));
    k.press(Redo);
    EXPECT_EQ(pane->toPlainText(), LongTranslation) << "the pane follows the history";
}

// Find and replace as a translator uses it: the grid searched for "build",
// "bauen" replaced as a whole word with its case in the rows found, in one
// step that one Ctrl+Z takes back; a replacement that code page 1252 cannot
// hold changes nothing and says where.
TEST(TextsEditing, ReplaceAllInTheShownRowsIsOneUndoStep)
{
    KitWindow k;
    k.kit.writeArchive("kvmain.dat", {{"KVTEXTS.DAT", QByteArray::fromStdString(textFile(
                                                          {"Build", "Build more", "Rebuild", "Demolish", "Build it, build"}))}});
    k.kit.writeArchive("lang.dat", {{"TEXTS.DAT", QByteArray::fromStdString(textFile(
                                                      {"Bauen", "Mehr bauen", "umbauen", "Abrei\xDF" "en, nicht bauen",
                                                       "Bauen, bauen und bauen"}))}});
    k.kit.write("orvanta-kit.ini", "[texts]\ncodepage=1252\n");
    k.open();
    k.showPage(1);
    k.press(QKeySequence(Qt::CTRL | Qt::Key_F));
    QTest::keyClicks(QApplication::focusWidget(), "build");
    ASSERT_EQ(k.grid()->model()->rowCount(), 4);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);

    k.press(QKeySequence(Qt::CTRL | Qt::Key_H));
    auto *window = k.form->findChild<QDialog *>("FindReplaceWindow");
    ASSERT_TRUE(window && window->isVisible());
    QApplication::setActiveWindow(window); // as the window manager does
    ASSERT_EQ(QApplication::focusWidget(), window->findChild<QLineEdit *>("FindField"));
    QTest::keyClicks(QApplication::focusWidget(), "bauen");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "errichten");
    for (const char *box : {"WholeWordBox", "MatchCaseBox"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget()->objectName(), box);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    }

    QTest::mouseClick(window->findChild<QPushButton *>("FindNextButton"), Qt::LeftButton);
    EXPECT_EQ(k.grid()->currentIndex().siblingAtColumn(0).data().toString(), "2");
    EXPECT_EQ(window->findChild<QLabel *>("FindReplaceOutcome")->text(), "Found in row 2.");

    QTest::mouseClick(window->findChild<QPushButton *>("ReplaceAllButton"), Qt::LeftButton);
    const QList<QByteArray> replaced{"Bauen", "Mehr errichten", "umbauen", "Abrei\xDF" "en, nicht bauen",
                                     "Bauen, errichten und errichten"};
    const QList<QByteArray> before{"Bauen", "Mehr bauen", "umbauen", "Abrei\xDF" "en, nicht bauen",
                                   "Bauen, bauen und bauen"};
    auto translations = [&k] {
        QList<QByteArray> texts;
        for (int row = 0; row < 5; ++row)
            texts.append(k.document().text(row, TextTable::Translation));
        return texts;
    };
    EXPECT_EQ(translations(), replaced) << "the case, whole words, and only the rows the search shows";
    EXPECT_EQ(window->findChild<QLabel *>("FindReplaceOutcome")->text(), "Replaced 3 time(s) in 2 row(s).");
    EXPECT_EQ(k.document().undoStack()->count(), 1);

    // Into Russian by mistake: code page 1252 has no Cyrillic.
    auto *replacement = window->findChild<QLineEdit *>("ReplaceField");
    replacement->selectAll();
    typeText(replacement, QString::fromUtf8("\u0441\u0442\u0440\u043E\u0438\u0442\u044C"));
    auto *wholeWord = window->findChild<QCheckBox *>("WholeWordBox");
    QTest::mouseClick(wholeWord, Qt::LeftButton, {}, QPoint(6, wholeWord->height() / 2)); // on the box
    ASSERT_FALSE(wholeWord->isChecked());
    auto *find = window->findChild<QLineEdit *>("FindField");
    find->selectAll();
    QTest::keyClicks(find, "errichten");
    QTest::mouseClick(window->findChild<QPushButton *>("ReplaceAllButton"), Qt::LeftButton);
    EXPECT_EQ(translations(), replaced);
    EXPECT_EQ(window->findChild<QLabel *>("FindReplaceOutcome")->text(),
              QString::fromUtf8("Nothing replaced: row 2 would hold \"\u0441\" (U+0441), which code page 1252 "
                                "Western European cannot store."));
    EXPECT_EQ(k.document().undoStack()->count(), 1);

    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    k.click(1, TextTable::Translation);
    k.press(Undo);
    EXPECT_EQ(translations(), before) << "one step";
    k.press(Redo);
    EXPECT_EQ(translations(), replaced);
}
