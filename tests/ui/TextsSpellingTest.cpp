#include "InMemoryTexts.h"
#include "KitWindow.h"
#include "document/TextTableModel.h"
#include "texts/KitDictionary.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QSettings>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace orvanta;

namespace {

// A kit of three texts, two of them translated with a misspelt word each
// ("swrod", "gaet") beside a name the source has ("Kvorgan"), open on the
// Texts page in code page 1252; `settings` are its remembered settings.
struct SpellingWindow : KitWindow {
    Seen startup;

    explicit SpellingWindow(const QByteArray &settings = "[texts]\ncodepage=1252\nspelling=en_US\n",
                            const QByteArray &words = QByteArray())
    {
        kit.writeArchive("kvmain.dat", {{"KVTEXTS.DAT", QByteArray::fromStdString(textFile(
                                                            {"Kvorgan's sword", "Open the gate", "Gold"}))}});
        kit.writeArchive("lang.dat", {{"TEXTS.DAT", QByteArray::fromStdString(textFile(
                                                          {"Kvorgan holds the swrod", "Open the gaet now", "Gold"}))}});
        kit.write("orvanta-kit.ini", settings);
        if (!words.isEmpty())
            kit.write(KitDictionary::FileName, words);
        startup = open();
        showPage(1);
    }

    // The number cell's tooltip of `gridRow`: its state and warnings.
    QString tip(int gridRow) const
    {
        return grid()->model()->index(gridRow - 1, TextTable::Number).data(Qt::ToolTipRole).toString();
    }

    // The translation cell of `gridRow` shows a red wave.
    bool waved(int gridRow) const
    {
        const QModelIndex cell = grid()->model()->index(gridRow - 1, TextTable::Translation);
        grid()->scrollTo(cell);
        return hasRed(grid()->viewport()->grab(grid()->visualRect(cell)).toImage());
    }

    static bool hasRed(const QImage &image)
    {
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() - c.green() > 60 && c.red() - c.blue() > 60)
                    return true;
            }
        }
        return false;
    }

    // Right-clicks `editor` on the character at `at` and, once its menu
    // opens, clicks the action named `actionName`; returns the menu's captions.
    QStringList rightClick(QLineEdit *editor, int at, const char *actionName) const
    {
        QStringList captions;
        bool clicked = false;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu || clicked)
                return;
            clicked = true;
            for (QAction *action : menu->actions())
                captions.append(action->isSeparator() ? QStringLiteral("-") : action->text());
            QAction *wanted = menu->findChild<QAction *>(QString::fromLatin1(actionName));
            if (!wanted) {
                ADD_FAILURE() << "no " << actionName << " in the menu";
                menu->close();
                return;
            }
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(wanted).center());
        });
        poll.start();
        // The middle of character `at` (the text starts 2 pixels into the frame).
        const QFontMetrics metrics = editor->fontMetrics();
        const QPoint place(editor->contentsRect().left() + editor->textMargins().left() + 2
                               + metrics.horizontalAdvance(editor->text().left(at))
                               + metrics.horizontalAdvance(editor->text().at(at)) / 2,
                           editor->height() / 2);
        QContextMenuEvent event(QContextMenuEvent::Mouse, place, editor->mapToGlobal(place));
        QApplication::sendEvent(editor, &event);
        EXPECT_TRUE(clicked);
        return captions;
    }
};

} // namespace

TEST(TextsSpelling, MisspeltWordsAreWarnedAndUnderlinedAsTheyAreTyped)
{
    SpellingWindow k;
    EXPECT_TRUE(k.startup.isEmpty()) << k.startup.value(0).text.toStdString();
    EXPECT_TRUE(k.tip(1).contains("Warning (spelling): \"swrod\" is not in the en_US dictionary"))
        << k.tip(1).toStdString();
    EXPECT_FALSE(k.tip(1).contains("Kvorgan")) << "a name the source has";
    EXPECT_TRUE(k.tip(2).contains("\"gaet\" is not in the en_US dictionary"));
    EXPECT_FALSE(k.tip(3).contains("spelling"));
    EXPECT_TRUE(k.waved(1));
    EXPECT_FALSE(k.waved(3));

    auto *label12 = k.find<QLabel>("Label12");
    k.click(2, TextTable::Translation);
    EXPECT_EQ(label12->text(), "Open the gaet now");
    EXPECT_TRUE(SpellingWindow::hasRed(label12->grab().toImage()));
    k.click(3, TextTable::Translation);
    EXPECT_EQ(label12->text(), "Gold");
    EXPECT_FALSE(SpellingWindow::hasRed(label12->grab().toImage()));

    QLineEdit *editor = k.edit(3, TextTable::Translation);
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, " coinz");
    EXPECT_TRUE(k.tip(3).contains("\"coinz\"")) << "while typing";
    EXPECT_TRUE(SpellingWindow::hasRed(label12->grab().toImage()));
    EXPECT_TRUE(SpellingWindow::hasRed(editor->grab().toImage()));
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClick(editor, Qt::Key_S);
    EXPECT_FALSE(k.tip(3).contains("spelling"));
    EXPECT_FALSE(SpellingWindow::hasRed(editor->grab().toImage()));
    EXPECT_EQ(editor->text(), "Gold coins");
    QTest::keyClick(editor, Qt::Key_Return);
}

TEST(TextsSpelling, TheEditorsMenuReplacesAddsAndIgnores)
{
    SpellingWindow k;
    QLineEdit *editor = k.edit(1, TextTable::Translation);
    ASSERT_NE(editor, nullptr);
    const QStringList captions = k.rightClick(editor, 20, "SpellingSuggestion"); // inside "swrod"
    ASSERT_FALSE(captions.isEmpty());
    EXPECT_TRUE(captions.contains("sword")) << captions.join('|').toStdString();
    EXPECT_TRUE(captions.contains("Add to the kit's dictionary"));
    EXPECT_TRUE(captions.contains("Ignore"));
    EXPECT_TRUE(captions.contains("&Copy\tCtrl+C") || captions.filter("Copy").size() == 1) << "the editor's own menu";
    EXPECT_EQ(editor->text(), "Kvorgan holds the " + captions.first()) << "the first suggestion clicked";
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(k.document().text(0, TextTable::Translation), "Kvorgan holds the " + captions.first().toLatin1());
    EXPECT_FALSE(k.tip(1).contains("spelling"));

    editor = k.edit(2, TextTable::Translation);
    ASSERT_NE(editor, nullptr);
    k.rightClick(editor, 10, "AddToKitDictionary"); // "gaet"
    EXPECT_EQ(k.kit.read(KitDictionary::FileName), "gaet\n");
    EXPECT_FALSE(k.tip(2).contains("spelling"));
    EXPECT_EQ(editor->text(), "Open the gaet now") << "the text is kept";
    QTest::keyClick(editor, Qt::Key_Return);

    k.type(3, "Gold qwzx");
    editor = k.edit(3, TextTable::Translation);
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(k.tip(3).contains("\"qwzx\""));
    k.rightClick(editor, 6, "IgnoreWord");
    EXPECT_FALSE(k.tip(3).contains("spelling"));
    EXPECT_EQ(k.kit.read(KitDictionary::FileName), "gaet\n") << "ignored, not added";
    QTest::keyClick(editor, Qt::Key_Escape);

    // The added word counts in the next session too; the ignored one does not.
    k.save();
    k.open();
    k.showPage(1);
    EXPECT_FALSE(k.tip(2).contains("spelling"));
    EXPECT_TRUE(k.tip(3).contains("\"qwzx\"")) << k.tip(3).toStdString();
}

TEST(TextsSpelling, TheGridsMenuChoosesTheDictionaryAndTheKitRemembersIt)
{
    SpellingWindow k("[texts]\ncodepage=1251\n");
    EXPECT_FALSE(k.tip(1).contains("spelling")) << "none chosen: no spell check";
    auto choose = [&k](const char *name) {
        auto *menu = k.find<QMenu>("SpellingMenu");
        EXPECT_NE(menu, nullptr);
        menu->popup(k.grid()->mapToGlobal(QPoint(20, 20)));
        EXPECT_TRUE(QTest::qWaitForWindowExposed(menu));
        QStringList captions;
        for (QAction *action : menu->actions())
            captions.append(action->text() + (action->isChecked() ? "*" : ""));
        QAction *action = menu->findChild<QAction *>(QString::fromLatin1(name));
        EXPECT_NE(action, nullptr) << name;
        if (action)
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        return captions;
    };
    const QStringList captions = choose("Spelling:en_US");
    EXPECT_EQ(captions.value(0), "None*");
    EXPECT_TRUE(captions.contains("en_US (English)")) << captions.join('|').toStdString();
    EXPECT_TRUE(captions.contains("ru_RU (Russian) - suggested for code page 1251"));
    EXPECT_TRUE(k.tip(1).contains("\"swrod\""));
    EXPECT_TRUE(k.waved(1));
    EXPECT_TRUE(k.kit.read("orvanta-kit.ini").contains("spelling=en_US"));

    k.open();
    k.showPage(1);
    EXPECT_TRUE(k.tip(1).contains("\"swrod\"")) << "remembered";
    EXPECT_TRUE(choose("Spelling:").contains("en_US (English)*"));
    EXPECT_FALSE(k.tip(1).contains("spelling"));
    EXPECT_FALSE(k.waved(1));
    const QSettings ini(k.kit.path("orvanta-kit.ini"), QSettings::IniFormat);
    EXPECT_TRUE(ini.contains("texts/spelling"));
    EXPECT_EQ(ini.value("texts/spelling").toString(), "");
}

TEST(TextsSpelling, UnusableDictionariesAreToldOnceAndNothingIsOverwritten)
{
    {
        SpellingWindow k("[texts]\ncodepage=1252\nspelling=xx_XX\n");
        ASSERT_EQ(k.startup.size(), 1);
        EXPECT_TRUE(k.startup[0].text.startsWith("The spell check is off")) << k.startup[0].text.toStdString();
        EXPECT_TRUE(k.startup[0].text.contains("xx_XX.aff: no such file"));
        EXPECT_FALSE(k.tip(1).contains("spelling"));
        EXPECT_TRUE(k.kit.read("orvanta-kit.ini").contains("spelling=xx_XX")) << "the choice is kept";
    }
    {
        SpellingWindow k("[texts]\ncodepage=1252\nspelling=../../tmp/en_US\n");
        ASSERT_EQ(k.startup.size(), 1);
        EXPECT_TRUE(k.startup[0].text.contains("texts/spelling = \"../../tmp/en_US\" is no dictionary name; ignored"))
            << k.startup[0].text.toStdString();
        EXPECT_FALSE(k.tip(1).contains("spelling"));
    }
    const QByteArray words = "gaet\n\xFF\n";
    SpellingWindow k("[texts]\ncodepage=1252\nspelling=en_US\n", words);
    ASSERT_EQ(k.startup.size(), 1);
    EXPECT_TRUE(k.startup[0].text.contains("runs without the words of the kit's dictionary"));
    EXPECT_TRUE(k.startup[0].text.contains("orvanta-kit.words: line 2: is not UTF-8 text"));
    EXPECT_TRUE(k.tip(2).contains("\"gaet\"")) << "the words it could not read are left out";

    // The box takes the focus, and the grid may close the cell's editor
    // meanwhile: neither the box nor the menu goes with it.
    QPointer<QLineEdit> editor = k.edit(1, TextTable::Translation);
    ASSERT_NE(editor, nullptr);
    MessageBoxAnswerer answerer;
    k.rightClick(editor, 20, "AddToKitDictionary");
    ASSERT_EQ(answerer.count(), 1);
    EXPECT_TRUE(answerer.seen()[0].text.startsWith("\"swrod\" was not added to the kit's dictionary"));
    EXPECT_EQ(k.kit.read(KitDictionary::FileName), words);
    EXPECT_TRUE(k.tip(1).contains("\"swrod\""));
    if (editor)
        QTest::keyClick(editor, Qt::Key_Escape);
}
