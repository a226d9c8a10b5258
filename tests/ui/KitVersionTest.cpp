// A translated kit meets the next game version's kvmain.dat in the window.
#include "ArchiveContents.h"
#include "InMemoryTexts.h"
#include "KitSaving.h"
#include "KitWindow.h"
#include "document/KitDocument.h"
#include "kit/OpenKit.h"
#include "texts/TextFile.h"

#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

using namespace orvanta;


// Rows inserted at the front, moved, reworded and removed: the window asks
// instead of pairing by row, carries every translation, note and mark to
// its source as one step, and after a save and a restart all of it stands
// there, the redrawn picture in lang.dat.
TEST(KitVersion, ANewKvmainIsAskedAboutAndCarriedOverBySource)
{
    KitWindow k;
    k.kit.writeArchive("kvmain.dat", {{"KVTEXTS.DAT", TextFile::write({"New game", "Load game", "Options",
                                                                       "The bridge is guarded by three soldiers",
                                                                       "Old text", "Quit"})}});
    {
        // The translator's work as an earlier session saved it.
        OpenKit work(k.kit.dir());
        work.setCodePage(CodePage::localeDefault());
        ASSERT_FALSE(work.open().refusal);
        const QList<QByteArray> texts{"Neues Spiel", "Spiel laden", "Optionen", "Drei Soldaten bewachen die Br\xFC" "cke",
                                      "Alter Text", "Quit"};
        for (int row = 0; row < texts.size(); ++row)
            work.texts().setTranslation(row, texts[row]);
        work.marks().setMark(1, {.needsReview = true, .done = false, .note = "Ask: load or open?"});
        work.marks().setMark(3, {.needsReview = false, .done = false, .note = "Three, not four"});
        work.marks().setMark(5, {.needsReview = false, .done = true, .note = {}});
        *work.pictures().TranslatedPicture(0) = *work.pictures().StandardPicture(0);
        AnsweringSaveQuestions questions;
        ASSERT_TRUE(work.save(questions).ok());
    }
    const QByteArray langDat = k.kit.read("lang.dat");
    k.kit.writeArchive("kvmain.dat", {{"KVTEXTS.DAT", TextFile::write({"Continue", "Back", "Quit", "New game",
                                                                       "Load game", "Options",
                                                                       "The bridge is guarded by four soldiers"})}});

    const auto seen = k.open({QMessageBox::Yes, QMessageBox::Ok});
    ASSERT_EQ(seen.size(), 2);
    EXPECT_EQ(seen[0].text, "kvmain.dat's source texts are not those the translations in lang.dat were saved "
                            "against (a new game version): 4 rows moved, 1 changed, 2 came, 1 went.\n\nCarry every "
                            "translation, note and mark over to the row where its source text stands now (one step "
                            "you can undo), or open the kit as it is, each translation in its row?");
    EXPECT_EQ(seen[1].title, "Carry translations over to the new source texts");
    EXPECT_TRUE(seen[1].text.startsWith("7 translations changed, 0 unchanged\n")) << seen[1].text.toStdString();
    const QList<QByteArray> carried{"Continue", "Back", "Quit", "Neues Spiel", "Spiel laden", "Optionen",
                                    "Drei Soldaten bewachen die Br\xFC" "cke"};
    EXPECT_EQ(translationsOf(k.document().texts()), carried);
    EXPECT_EQ(k.form->windowTitle().front(), '*') << "unsaved work";
    EXPECT_EQ(k.kit.read("lang.dat"), langDat);

    // One step: Ctrl+Z gives back the kit as it opened, Ctrl+Y the carried one.
    k.showPage(1);
    k.press(QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(translationsOf(k.document().texts()).mid(3, 3), (QList<QByteArray>{"Drei Soldaten bewachen die Br\xFC" "cke",
                                                                       "Alter Text", "Quit"}));
    EXPECT_EQ(k.document().marks().rows(), (QList<int>{1, 3, 5}));
    k.press(QKeySequence(Qt::CTRL | Qt::Key_Y));
    EXPECT_EQ(translationsOf(k.document().texts()), carried);

    const auto saved = k.save();
    ASSERT_EQ(saved.size(), 1);
    EXPECT_EQ(saved[0].text, "\"lang.dat\" compilation completed successfully!");

    EXPECT_TRUE(k.open().isEmpty()) << "the save remembers the new sources: nothing to ask";
    EXPECT_EQ(translationsOf(k.document().texts()), carried);
    const ReviewMarks &marks = k.document().marks();
    EXPECT_EQ(marks.rows(), (QList<int>{2, 4, 6}));
    EXPECT_TRUE(marks.isDone(2));
    EXPECT_EQ(marks.mark(4), (ReviewMarks::Mark{.needsReview = true, .done = false, .note = "Ask: load or open?"}));
    EXPECT_EQ(marks.mark(6), (ReviewMarks::Mark{.needsReview = true, .done = false, .note = "Three, not four"}));
    const auto names = entryNames(k.kit.path("lang.dat"));
    EXPECT_NE(std::find(names.begin(), names.end(), "STK.PAD"), names.end());
    EXPECT_TRUE(k.document().pictures().isPresent(0));
}

// Opened as it is, each translation stays in its row, and nothing changes.
TEST(KitVersion, OpenedAsItIsTheTranslationsStayInTheirRows)
{
    KitWindow k;
    k.kit.writeArchive("kvmain.dat", {{"KVTEXTS.DAT", TextFile::write({"New game", "Load game"})}});
    {
        OpenKit work(k.kit.dir());
        ASSERT_FALSE(work.open().refusal);
        work.texts().setTranslation(0, "Neues Spiel");
        AnsweringSaveQuestions questions;
        ASSERT_TRUE(work.save(questions).ok());
    }
    k.kit.writeArchive("kvmain.dat", {{"KVTEXTS.DAT", TextFile::write({"Continue", "New game", "Load game"})}});
    const auto seen = k.open({QMessageBox::No});
    ASSERT_EQ(seen.size(), 1);
    // Row 2 keeps what lang.dat's row 2 holds: the old row 2's untranslated "Load game".
    EXPECT_EQ(translationsOf(k.document().texts()), (QList<QByteArray>{"Neues Spiel", "Load game", "Load game"}));
    EXPECT_FALSE(k.document().hasUnsavedWork());
}
