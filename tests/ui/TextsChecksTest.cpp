#include "InMemoryTexts.h"
#include "KitWindow.h"
#include "document/KitDocument.h"
#include "kit/KitSettings.h"
#include "texts/TextTable.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>
#include <QUndoStack>

#include <gtest/gtest.h>

using namespace orvanta;

namespace {

QByteArray texts(const QList<QByteArray> &rows)
{
    return QByteArray::fromStdString(textFile(rows));
}

// Answers the "Allowed width" dialog once it opens: types `amount` unless
// it is negative, chooses `unit` (the caption's start) unless it is empty,
// and presses OK, or Escape for a negative amount; records the amount and
// unit it showed when it opened.
struct AllowanceAnswerer {
    QTimer timer;
    QString shown;

    AllowanceAnswerer(int amount, const QString &unit)
    {
        QObject::connect(&timer, &QTimer::timeout, [this, amount, unit] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog || dialog->objectName() != "WiderAllowanceDialog")
                return;
            timer.stop();
            auto *number = dialog->findChild<QSpinBox *>("WiderAllowanceAmount");
            auto *units = dialog->findChild<QComboBox *>("WiderAllowanceUnit");
            shown = number->text() + " " + units->currentText();
            if (amount < 0) {
                QTest::keyClick(dialog, Qt::Key_Escape);
                return;
            }
            QTest::keyClick(number, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(number, QString::number(amount));
            if (!unit.isEmpty()) {
                for (int i = 0; i < units->count(); ++i)
                    if (units->itemText(i).startsWith(unit))
                        units->setCurrentIndex(i);
            }
            QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
        });
        timer.start(20);
    }
};

void chooseAllowance(KitWindow &k, AllowanceAnswerer &answer)
{
    for (QAction *action : k.grid()->actions())
        if (action->text() == "Allowed width...")
            action->trigger();
    EXPECT_FALSE(answer.timer.isActive()) << "the dialog was not shown";
}

// The list of warnings the translator sees: on the page, or in its window.
QTreeView *shownChecks(KitWindow &k)
{
    for (QTreeView *list : k.form->findChildren<QTreeView *>("ChecksList"))
        if (list->isVisible())
            return list;
    return nullptr;
}

QStringList checksListed(QTreeView *list)
{
    QStringList checks;
    for (int line = 0; line < list->model()->rowCount(); ++line)
        checks.append(list->model()->index(line, 0).data().toString() + " "
                      + list->model()->index(line, 1).data().toString());
    return checks;
}

} // namespace

// Translations drawn wider are no faults: counted, filtered and listed
// apart from the warnings; and how much wider is fine is the translator's
// to say, remembered for the kit.
TEST(TextsChecks, WiderRowsStandApartAndTheirAllowanceIsRemembered)
{
    KitWindow k;
    k.kit.writeArchive("kvmain.dat", {{"KVTEXTS.DAT", texts({"OK", "OK", " Go", "Cancel"})}});
    k.kit.writeArchive("lang.dat", {{"TEXTS.DAT", texts({"OK", "Okay", "G", "Abbrechen jetzt"})}});
    k.kit.write("orvanta-kit.ini", "[texts]\ncodepage=1252\n");
    k.open();
    k.showPage(1);
    EXPECT_EQ(k.shownText("ProgressLabel"),
              QString::fromUtf8("3 of 4 texts translated (75%) \u00B7 1 warning \u00B7 2 drawn wider"));
    auto *progress = k.find<QLabel>("ProgressLabel");
    EXPECT_TRUE(progress->text().contains(">2 drawn wider</a>")) << progress->text().toStdString();

    auto *filter = k.find<QComboBox>("FilterComboBox");
    filter->setCurrentIndex(filter->findText("With warnings"));
    EXPECT_EQ(k.grid()->model()->rowCount(), 1) << "the spaces of row 3";
    filter->setCurrentIndex(filter->findText("Drawn wider"));
    ASSERT_EQ(k.grid()->model()->rowCount(), 2);
    EXPECT_EQ(k.grid()->model()->index(1, TextTable::Translation).data().toString(), "Abbrechen jetzt");
    filter->setCurrentIndex(filter->findText("All"));

    emit progress->linkActivated("wider");
    QTreeView *list = shownChecks(k);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(checksListed(list), (QStringList{"2 wider", "4 wider"}));
    emit progress->linkActivated("warnings");
    list = shownChecks(k);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(checksListed(list), QStringList{"3 spaces"}) << "the faults alone";

    // 100 pixels more are fine: nothing is drawn wider than that.
    AllowanceAnswerer pixels(100, "pixels");
    chooseAllowance(k, pixels);
    EXPECT_EQ(pixels.shown, "0 pixels");
    EXPECT_EQ(k.shownText("ProgressLabel"), QString::fromUtf8("3 of 4 texts translated (75%) \u00B7 1 warning"));
    EXPECT_TRUE(QString::fromUtf8(k.kit.read("orvanta-kit.ini")).contains("wider=100px"));
    EXPECT_EQ(k.document().undoStack()->count(), 0) << "a setting, not a change of the work";

    k.open(); // the allowance is the kit's
    k.showPage(1);
    EXPECT_EQ(k.shownText("ProgressLabel"), QString::fromUtf8("3 of 4 texts translated (75%) \u00B7 1 warning"));
    AllowanceAnswerer cancelled(-1, QString());
    chooseAllowance(k, cancelled);
    EXPECT_EQ(cancelled.shown, "100 pixels");

    AllowanceAnswerer none(0, "%");
    chooseAllowance(k, none);
    EXPECT_EQ(k.shownText("ProgressLabel"),
              QString::fromUtf8("3 of 4 texts translated (75%) \u00B7 1 warning \u00B7 2 drawn wider"));
    EXPECT_TRUE(QString::fromUtf8(k.kit.read("orvanta-kit.ini")).contains("wider=0%"));
}

// A memory's fuzzy entry is no exact match: shown as fuzzy below the
// exact ones, and what it gives needs review. A text of four letters is
// offered nothing for another that differs in one.
TEST(TextsChecks, AFuzzyMemoryEntryIsOfferedBelowExactAndTakenAsNeedsReview)
{
    KitWindow k;
    k.kit.writeArchive("kvmain.dat", {{"KVTEXTS.DAT", texts({"Open the door", "Sell", "Open the doors"})}});
    const QByteArray longer = "Ouvrir les portes du grand entrep\xC3\xB4t au nord de la ville, puis revenir au march\xC3\xA9";
    k.kit.write("memory.po", "msgid \"\"\nmsgstr \"\"\n\"Content-Type: text/plain; charset=UTF-8\\n\"\n\n"
                             "#, fuzzy\nmsgctxt \"9\"\nmsgid \"Open the door\"\nmsgstr \"Ouvrir la porte\"\n\n"
                             "msgctxt \"10\"\nmsgid \"Open the doors\"\nmsgstr \"" + longer + "\"\n\n"
                             "msgctxt \"11\"\nmsgid \"Well\"\nmsgstr \"Brunnen\"\n");
    k.kit.write("orvanta-kit.ini", "[texts]\ncodepage=1252\n");
    KitSettings(k.kit.dir()).setMemories({k.kit.path("memory.po")});
    k.open();
    k.form->resize(1280, 1024); // the suggestions stand on the page
    k.showPage(1);
    k.click(1, TextTable::Translation);
    auto *list = k.find<QTreeWidget>("SuggestionsList");
    ASSERT_TRUE(list->isVisible());
    ASSERT_EQ(list->topLevelItemCount(), 2);
    QTreeWidgetItem *exact = list->topLevelItem(0);
    QTreeWidgetItem *fuzzy = list->topLevelItem(1);
    EXPECT_EQ(exact->text(0), "92%");
    EXPECT_EQ(exact->text(1), QString::fromUtf8(longer));
    EXPECT_EQ(exact->toolTip(1), QString::fromUtf8(longer)) << "the translation, whole";
    EXPECT_EQ(exact->toolTip(2), "Original: Open the doors");
    EXPECT_EQ(fuzzy->text(0), "90% fuzzy");
    EXPECT_EQ(fuzzy->text(1), "Ouvrir la porte");
    EXPECT_EQ(fuzzy->toolTip(0), "Marked fuzzy in its memory: taken, the row is marked needs review");
    // The long one wraps within its column rather than being cut.
    EXPECT_GE(list->visualItemRect(exact).height(), 2 * list->fontMetrics().height());
    EXPECT_LE(list->visualItemRect(exact).right(), list->viewport()->width());

    k.press(QKeySequence(Qt::ALT | Qt::Key_2));
    EXPECT_EQ(k.document().text(0, TextTable::Translation), "Ouvrir la porte");
    EXPECT_TRUE(k.document().marks().needsReview(0));
    ASSERT_EQ(k.document().undoStack()->count(), 1) << "one step";
    EXPECT_EQ(k.document().undoStack()->text(0), "Take fuzzy suggestion for translation 1");
    EXPECT_TRUE(k.shownText("ProgressLabel").contains("1 to review")) << k.shownText("ProgressLabel").toStdString();
    k.press(QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(k.document().text(0, TextTable::Translation), "Open the door");
    EXPECT_FALSE(k.document().marks().needsReview(0));

    // An exact one is taken as translated.
    k.press(QKeySequence(Qt::ALT | Qt::Key_1));
    EXPECT_FALSE(k.document().marks().needsReview(0));

    k.click(2, TextTable::Translation);
    EXPECT_EQ(list->topLevelItemCount(), 0) << "\"Sell\" is not \"Well\"";
}
