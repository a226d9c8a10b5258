#include "FileDialogAnswerer.h"
#include "KitWindow.h"
#include "MessageBoxAnswerer.h"
#include "kit/KitSettings.h"
#include "kit/Translations.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace orvanta;

namespace {

// Each text the window shows a translator, by where it stands: every page
// in turn, each visible control's text, tooltip, placeholder and list
// items, the tabs, the grid's and lists' headers, the grid's menu, the title.
QMap<QString, QString> shownTexts(KitWindow &k)
{
    QMap<QString, QString> texts;
    texts.insert(QStringLiteral("title"), k.form->windowTitle());
    auto *pages = k.find<QTabWidget>("PageControl1");
    for (int page = 0; page < pages->count(); ++page) {
        k.showPage(page);
        texts.insert(QStringLiteral("tab %1").arg(page), pages->tabText(page));
        for (QWidget *widget : k.form->findChildren<QWidget *>()) {
            if (widget->objectName().isEmpty() || !widget->isVisibleTo(k.form.get()))
                continue;
            const QString at = widget->objectName();
            const auto add = [&](const QString &what, const QString &text) {
                if (!text.isEmpty())
                    texts.insert(at + QLatin1Char(' ') + what, text);
            };
            add(QStringLiteral("tooltip"), widget->toolTip());
            if (qobject_cast<QLabel *>(widget))
                add(QStringLiteral("text"), k.shownText(at.toLatin1().constData()));
            if (auto *button = qobject_cast<QAbstractButton *>(widget))
                add(QStringLiteral("text"), button->text());
            if (auto *edit = qobject_cast<QLineEdit *>(widget))
                add(QStringLiteral("placeholder"), edit->placeholderText());
            if (auto *combo = qobject_cast<QComboBox *>(widget))
                for (int i = 0; i < combo->count(); ++i)
                    add(QStringLiteral("item %1").arg(i), combo->itemText(i));
            if (auto *view = qobject_cast<QAbstractItemView *>(widget); view && view->model())
                for (int column = 0; column < view->model()->columnCount(); ++column)
                    add(QStringLiteral("header %1").arg(column),
                        view->model()->headerData(column, Qt::Horizontal).toString());
            const QList<QAction *> actions = widget->actions();
            for (qsizetype i = 0; i < actions.size(); ++i)
                add(QStringLiteral("action %1").arg(i), actions[i]->text());
        }
    }
    return texts;
}

// What the kit's data and the translator's choices fill in, and names, the
// same in every language.
bool isData(const QString &where, const QString &text)
{
    static const QStringList DataControls{QStringLiteral("FontNameLabel"), QStringLiteral("Label11"),
                                          QStringLiteral("Label12"), QStringLiteral("HistoryLabel"),
                                          QStringLiteral("Memo1"), QStringLiteral("SpellingMenu")};
    static const QStringList SameEverywhere{QStringLiteral("?"), QStringLiteral("1x"), QStringLiteral("2x"),
                                            QStringLiteral("3x"), QStringLiteral("4x"), QStringLiteral("%"),
                                            QStringLiteral("English"), QStringLiteral("Deutsch"),
                                            QStringLiteral("Русский")};
    return DataControls.contains(where.section(QLatin1Char(' '), 0, 0)) || SameEverywhere.contains(text);
}

class WindowLanguage : public ::testing::Test {
protected:
    void TearDown() override { Translations::install(QStringLiteral("en")); }
};

} // namespace

// Started in German or in Russian, the window shows every text in that
// language; started under LANG=C, exactly the English it always had.
TEST_F(WindowLanguage, EveryTextTheWindowShowsIsInTheTranslatorsLanguage)
{
    Translations::install(Translations::pick(QString(), QLocale::c()));
    KitWindow english;
    english.open();
    const QMap<QString, QString> inEnglish = shownTexts(english);
    EXPECT_EQ(inEnglish.value("tab 0"), "Pictures");
    EXPECT_EQ(inEnglish.value("tab 2"), "Font");
    EXPECT_EQ(inEnglish.value("Button1 text"), "Save data to \"lang.dat\"");
    EXPECT_EQ(inEnglish.value("Label13 text"), "ANNOTATION:");
    EXPECT_EQ(inEnglish.value("title"), "Orvanta Localization Kit V1.2 (For Orvanta V1.25) - Kolvane Sofware");
    EXPECT_EQ(inEnglish.value("PictSelComboBox item 3"), "\"Budget\" (Map menu)");
    EXPECT_EQ(inEnglish.value("CodePageComboBox item 3"), "1252 Western European");
    EXPECT_TRUE(inEnglish.value("ProgressLabel text").startsWith("0 of ")) << inEnglish.value("ProgressLabel text").toStdString();
    english.form.reset();

    struct Language {
        const char *code;
        QStringList expected; // a few texts as a translator of the language reads them
    };
    const Language languages[] = {
        {"de", {"Bilder", "Texte", "Schrift", "In „lang.dat“ speichern", "HINWEIS:", "1252 Westeuropäisch"}},
        {"ru", {"Картинки", "Тексты", "Шрифт", "Сохранить в «lang.dat»", "ПОЯСНЕНИЕ:", "1251 Кириллица"}},
    };
    for (const Language &language : languages) {
        Translations::install(Translations::pick(QString(), QLocale(QString::fromLatin1(language.code))));
        KitWindow k;
        k.open();
        const QMap<QString, QString> shown = shownTexts(k);
        EXPECT_EQ(shown.keys(), inEnglish.keys()) << language.code;
        for (auto it = inEnglish.begin(); it != inEnglish.end(); ++it) {
            const QString text = shown.value(it.key());
            if (isData(it.key(), it.value()))
                continue;
            EXPECT_NE(text, it.value()) << language.code << " " << it.key().toStdString() << ": left in English";
            if (QLatin1String(language.code) == QLatin1String("ru")) {
                EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("\\p{Cyrillic}"))))
                    << it.key().toStdString() << ": " << text.toStdString();
            }
        }
        const QStringList values = shown.values();
        for (const QString &expected : language.expected)
            EXPECT_TRUE(values.contains(expected)) << language.code << ": " << expected.toStdString();
    }

    // Back in English: what a German window made leaves nothing behind.
    Translations::install(Translations::pick(QString(), QLocale::c()));
    KitWindow again;
    again.open();
    EXPECT_EQ(shownTexts(again), inEnglish);
}

// The boxes and file types speak it too: the caption "Attantion" reads "Achtung", and the
// question on closing with unsaved work is asked in Russian.
TEST_F(WindowLanguage, TheBoxesAreInTheTranslatorsLanguage)
{
    Translations::install(QStringLiteral("ru"));
    KitWindow k;
    k.open();
    k.type(1, QStringLiteral("Neu"));
    // The export's file types are named in Russian, and the one chosen is written.
    {
        FileDialogAnswerer file(k.kit.path("omegat.xlf"), QStringLiteral("Файлы XLIFF для OmegaT (*.xlf)"));
        QTest::mouseClick(k.find("ExportTextsButton"), Qt::LeftButton);
    }
    const QByteArray forOmegaT = k.kit.read("omegat.xlf");
    EXPECT_TRUE(forOmegaT.contains("<target state=\"new\">")) << forOmegaT.toStdString();
    EXPECT_FALSE(forOmegaT.contains("Neu")) << "every target holds its source";
    KitWindow::Seen seen;
    ASSERT_TRUE(k.close({QMessageBox::Discard}, &seen));
    ASSERT_EQ(seen.size(), 1);
    EXPECT_EQ(seen[0].text, "Часть вашей работы ещё не сохранена в «lang.dat».\n\nСохранить её перед закрытием комплекта?");
    k.form.reset();

    Translations::install(QStringLiteral("de"));
    KitWindow g;
    g.open();
    g.showPage(0);
    QImage(10, 10, QImage::Format_RGB888).save(g.kit.path("small.bmp"), "BMP");
    {
        MessageBoxAnswerer boxes;
        FileDialogAnswerer answer(g.kit.path("small.bmp"));
        QTest::mouseClick(g.find<QPushButton>("Button5"), Qt::LeftButton);
        ASSERT_EQ(boxes.seen().size(), 1);
        EXPECT_EQ(boxes.seen()[0].title, "Achtung");
        EXPECT_EQ(boxes.seen()[0].text, "Die Größe des übersetzten Bildes stimmt nicht!");
    }

    // "?" opens the German guide; headless, nothing can, and the box says where it is.
    MessageBoxAnswerer guide;
    QTest::mouseClick(g.find<QPushButton>("Button4"), Qt::LeftButton);
    ASSERT_EQ(guide.seen().size(), 1);
    EXPECT_EQ(guide.seen()[0].text, QStringLiteral("Die Anleitung für Übersetzer ist %1.\n\nHier wurde kein Programm "
                                                   "gefunden, das sie anzeigt: Öffnen Sie sie mit einem beliebigen "
                                                   "Texteditor.")
                                        .arg(QDir::toNativeSeparators(g.kit.path("readme_de.txt"))));
}

// The language is chosen on the Font page and remembered: the window keeps
// its language until the next start, which speaks the one chosen.
TEST_F(WindowLanguage, TheChosenLanguageIsRememberedForTheNextStart)
{
    KitWindow k;
    k.open();
    k.showPage(2);
    auto *selector = k.find<QComboBox>("WindowLanguageComboBox");
    ASSERT_NE(selector, nullptr);
    EXPECT_EQ(selector->currentText(), "As the system");
    selector->setFocus();
    QTest::keyClick(selector, Qt::Key_Down); // English
    QTest::keyClick(selector, Qt::Key_Down); // Deutsch
    EXPECT_EQ(selector->currentText(), "Deutsch");
    EXPECT_EQ(k.shownText("HistoryLabel"), "The window speaks it from the next start.");
    EXPECT_EQ(k.find<QTabWidget>("PageControl1")->tabText(2), "Font") << "until the next start";
    k.form.reset();

    // The next start, as the kit's start-up makes it, on an English system.
    Translations::install(Translations::pick(KitSettings(k.kit.dir()).windowLanguage(), QLocale::c()));
    k.open();
    EXPECT_EQ(k.find<QTabWidget>("PageControl1")->tabText(2), "Schrift");
    EXPECT_EQ(k.find<QComboBox>("WindowLanguageComboBox")->currentText(), "Deutsch");
}
