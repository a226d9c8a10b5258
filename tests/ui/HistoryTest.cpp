#include "ArchiveContents.h"
#include "FileDialogAnswerer.h"
#include "FontChooser.h"
#include "KitWindow.h"
#include "document/TextTableModel.h"
#include "pictures/IndexedBmp.h"
#include "texts/TextFile.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTableView>
#include <QTabWidget>
#include <QTest>

#include <functional>

#include <gtest/gtest.h>

using namespace orvanta;

namespace {

const QString Title = QStringLiteral("Orvanta Localization Kit V1.2 (For Orvanta V1.25) - Kolvane Sofware");

const QKeySequence Undo(Qt::CTRL | Qt::Key_Z);
const QKeySequence Redo(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
const QKeySequence RedoToo(Qt::CTRL | Qt::Key_Y);

QString savedTranslation(const TempKit &kit, int gridRow)
{
    for (const auto &[name, bytes] : archiveContents(kit.path("lang.dat")))
        if (name == "TEXTS.DAT")
            return QString::fromLatin1(TextFile::read(QByteArray::fromStdString(bytes)).value(gridRow - 1));
    return {};
}

// Presses "Choose translated picture" on the Pictures page and picks `name`.
void choosePicture(KitWindow &k, const QString &name)
{
    k.showPage(0);
    MessageBoxAnswerer refusals;
    FileDialogAnswerer answer(k.kit.path(name));
    QTest::mouseClick(k.find("Button5"), Qt::LeftButton);
}

} // namespace

TEST(History, EveryKindOfChangeIsUndoneAndRedoneWithTheUnsavedStateFollowing)
{
    struct Case {
        const char *change;
        std::function<void(KitWindow &)> before; // then the window is saved
        std::function<void(KitWindow &)> make;
        std::function<QString(KitWindow &)> shown;
        QString old;
        QString made;
        int page; // where an undo shows the change
    };
    const Case cases[] = {
        {"a typed translation", [](KitWindow &k) { k.click(2, TextTable::Translation); },
         [](KitWindow &k) {
             k.type(2, "Spiel laden");
             k.click(2, TextTable::Translation);
         },
         [](KitWindow &k) {
             return k.grid()->model()->index(1, TextTable::Translation).data().toString() + "|"
                 + k.find<QLabel>("Label12")->text();
         },
         "Load game|Load game", "Spiel laden|Spiel laden", 1},
        {"a refused picture clearing an accepted one", [](KitWindow &k) { choosePicture(k, "budget.bmp"); },
         [](KitWindow &k) { choosePicture(k, "sites.bmp"); },
         [](KitWindow &k) {
             return QString("%1|%2").arg(k.document().pictures().isPresent(3)).arg(
                 k.find<QLabel>("TranslatedImage")->pixmap().isNull());
         },
         "1|0", "0|1", 0},
        {"a font choice", {},
         [](KitWindow &k) { FontChooser::choose(*k.form, QFont("Liberation Serif", 10), FontChooser::Answer::Ok); },
         [](KitWindow &k) {
             return k.find<QLabel>("FontNameLabel")->text() + "|"
                 + QSettings(k.kit.path("orvanta-kit.ini"), QSettings::IniFormat).value("font/family").toString();
         },
         "Arial,8,|Arial", "Liberation Serif,10,|Liberation Serif", 2},
        {"a code page choice", {},
         [](KitWindow &k) {
             auto *codePages = k.find<QComboBox>("CodePageComboBox");
             codePages->setCurrentIndex(codePages->findData(1251));
         },
         [](KitWindow &k) {
             return QString::number(k.find<QComboBox>("CodePageComboBox")->currentData().toInt()) + "|"
                 + QSettings(k.kit.path("orvanta-kit.ini"), QSettings::IniFormat).value("texts/codepage").toString();
         },
         "1252|1252", "1251|1251", 2},
    };
    for (const Case &c : cases) {
        KitWindow k;
        k.kit.write("orvanta-kit.ini", "[font]\nfamily=Arial\nsize=8\n[texts]\ncodepage=1252\n");
        k.open();
        const QImage standard = *k.document().pictures().StandardPicture(3);
        k.kit.write("budget.bmp", IndexedBmp::write(standard));
        // 75 x 21, a row short: no conversion makes it fit.
        k.kit.write("sites.bmp", IndexedBmp::write(*k.document().pictures().StandardPicture(2)));
        k.find<QComboBox>("PictSelComboBox")->setCurrentIndex(3);
        if (c.before) {
            c.before(k);
            k.save();
        }
        ASSERT_EQ(c.shown(k), c.old) << c.change;
        ASSERT_FALSE(k.document().hasUnsavedWork()) << c.change;

        c.make(k);
        EXPECT_EQ(c.shown(k), c.made) << c.change;
        EXPECT_TRUE(k.document().hasUnsavedWork()) << c.change;
        EXPECT_EQ(k.form->windowTitle(), "*" + Title) << c.change;
        k.showPage((c.page + 1) % 3);
        k.press(Undo);
        EXPECT_EQ(c.shown(k), c.old) << c.change << ", undone";
        EXPECT_EQ(k.find<QTabWidget>("PageControl1")->currentIndex(), c.page) << c.change << ": its page shown";
        EXPECT_FALSE(k.document().hasUnsavedWork()) << c.change << ": back where the last save was";
        EXPECT_EQ(k.form->windowTitle(), Title) << c.change;
        auto *historyLine = k.find<QLabel>("HistoryLabel");
        EXPECT_TRUE(historyLine->isVisible());
        EXPECT_EQ(historyLine->text(), "Undone: " + k.document().undoStack()->redoText()) << c.change;
        k.press(Redo);
        EXPECT_EQ(c.shown(k), c.made) << c.change << ", redone";
        EXPECT_EQ(historyLine->text(), "Redone: " + k.document().undoStack()->undoText()) << c.change;
        k.press(Undo);
        k.press(RedoToo);
        EXPECT_EQ(c.shown(k), c.made) << c.change << ", redone with Ctrl+Y";
        EXPECT_TRUE(k.document().hasUnsavedWork()) << c.change;
    }
}

TEST(History, CtrlSSavesWhatIsTypedAndKeepsTheFocusInTheGrid)
{
    KitWindow k;
    k.open();
    k.showPage(1);
    QLineEdit *editor = k.edit(3, TextTable::Translation);
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, "Spiel speichern");
    const auto seen = k.press(QKeySequence(Qt::CTRL | Qt::Key_S));
    ASSERT_EQ(seen.size(), 1);
    EXPECT_EQ(seen[0].title, "Completed");
    EXPECT_EQ(savedTranslation(k.kit, 3), "Spiel speichern") << "the text typed so far";
    EXPECT_FALSE(k.document().hasUnsavedWork());
    QWidget *focus = k.form->focusWidget();
    EXPECT_TRUE(focus == k.grid() || k.grid()->isAncestorOf(focus)) << "after the message box: the grid or its editor";

    k.press(Undo);
    EXPECT_TRUE(k.document().hasUnsavedWork());
    k.press(Redo);
    KitWindow::Seen asked;
    EXPECT_TRUE(k.close({QMessageBox::Cancel}, &asked));
    EXPECT_TRUE(asked.isEmpty()) << "redone up to the save: nothing to ask";
}

TEST(History, ClosingOnUnsavedWorkAsksSaveDiscardOrCancel)
{
    struct Case {
        QList<QMessageBox::StandardButton> answers; // one per box
        bool saveFails;
        bool closes;
        QStringList boxes;
        const char *saved; // what lang.dat holds afterwards
    };
    const Case cases[] = {
        {{QMessageBox::Save, QMessageBox::Ok}, false, true, {"Orvanta Localization Kit", "Completed"}, "Neu"},
        {{QMessageBox::Discard}, false, true, {"Orvanta Localization Kit"}, ""},
        {{QMessageBox::Cancel}, false, false, {"Orvanta Localization Kit"}, ""},
        {{QMessageBox::Save, QMessageBox::Ok}, true, false, {"Orvanta Localization Kit", "Orvanta Localization Kit"}, ""},
    };
    for (const Case &c : cases) {
        KitWindow k;
        if (c.saveFails)
            QDir(k.kit.dir()).mkdir("lang.dat");
        k.open();
        k.showPage(1);
        k.type(2, "Neu");
        KitWindow::Seen seen;
        EXPECT_EQ(k.close(c.answers, &seen), c.closes) << c.answers[0];
        QStringList titles;
        for (const auto &box : seen)
            titles.append(box.title);
        EXPECT_EQ(titles, c.boxes) << c.answers[0];
        EXPECT_TRUE(seen.value(0).text.contains("not saved")) << c.answers[0];
        EXPECT_EQ(savedTranslation(k.kit, 2), c.saved) << c.answers[0];
        EXPECT_EQ(k.document().hasUnsavedWork(), !c.closes || c.answers[0] == QMessageBox::Discard) << c.answers[0];
    }
}
