#include "ArchiveContents.h"
#include "FontChooser.h"
#include "KitSaving.h"
#include "KitWindow.h"
#include "core/ArchiveFile.h"
#include "document/TextTableModel.h"
#include "io/WriteFaults.h"
#include "kit/KitLoader.h"
#include "kit/KitSave.h"
#include "kit/OpenKit.h"
#include "texts/TextFile.h"

#include <QApplication>
#include <QDir>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>
#include <QPlainTextEdit>
#include <QTableView>

#include <functional>

#include <gtest/gtest.h>

using namespace orvanta;

namespace {

// The sample kit, to be opened on the Texts page.
struct SampleWindow : KitWindow {
    std::optional<WriteFaults::Scope> fault; // armed: the disk fills up

    Seen openOnTexts()
    {
        Seen seen = open();
        showPage(1);
        return seen;
    }

    QList<QByteArray> savedTexts() const { return ::savedTexts(kit.path("lang.dat")); }
};

// Another save of the kit (kvtool, another window) that agrees to all.
struct OtherSave : SaveQuestions {
    ChangedOnDisk changedOnDisk() override { return ChangedOnDisk::Overwrite; }
    bool replaceGlyphs(const KitSave::Check &) override { return true; }
    bool saveFewerTexts(const KitSave::Check &) override { return true; }
};

// Saves the kit in `dir` with row 4's translation `text`, as another save would.
void saveElsewhere(OpenKit &kit, const QByteArray &text)
{
    ASSERT_TRUE(kit.load().empty());
    kit.setCodePage(CodePage::localeDefault());
    kit.texts().setTranslation(3, text);
    OtherSave agree;
    const auto saved = kit.save(agree);
    ASSERT_TRUE(saved.ok());
    ASSERT_EQ(saved->outcome, OpenKit::Saved::Outcome::Saved);
}

} // namespace

TEST(Save, WritesTextsAndGlyphsIntoANewLangDat)
{
    SampleWindow k;
    k.openOnTexts();
    const int rows = k.document().texts().rowCount();
    k.type(2, "Spiel laden");
    k.type(1416, "not to be translated");
    const auto seen = k.save();
    ASSERT_EQ(seen.size(), 1);
    EXPECT_EQ(seen[0].title, "Completed");
    EXPECT_EQ(seen[0].text, "\"lang.dat\" compilation completed successfully!");

    const ArchiveContents entries = archiveContents(k.kit.path("lang.dat"));
    EXPECT_EQ(entryNames(k.kit.path("lang.dat")), (std::vector<std::string>{"FONT.SPR", "FONTSIZE.DAT", "TEXTS.DAT"}));
    auto file = ArchiveFile::open(k.kit.path("lang.dat").toStdString());
    const auto &dir = (*file)->directory().entries();
    EXPECT_EQ(dir[0].offset, 4u + 21 * 3);
    EXPECT_EQ(dir[1].offset, dir[0].offset + dir[0].size);
    EXPECT_EQ(dir[2].offset, dir[1].offset + dir[1].size);
    EXPECT_EQ((*file)->length(), dir[2].offset + dir[2].size);
    EXPECT_EQ(entries[1].second.size(), 256u);

    const QList<QByteArray> texts = k.savedTexts();
    ASSERT_EQ(texts.size(), rows);
    EXPECT_EQ(texts[1], "Spiel laden");
    EXPECT_EQ(texts[1415], k.document().text(1415, TextTable::Source)) << "fixed records are saved as their source";
    EXPECT_EQ(k.grid()->model()->index(1415, TextTable::Translation).data().toString(),
              QString::fromLatin1(texts[1415]))
        << "the grid shows what the save wrote";
    EXPECT_FALSE(QFile::exists(k.kit.path("output")));
    EXPECT_EQ(k.find<QPlainTextEdit>("Memo1")->toPlainText().split('\n').size(), 3);
    EXPECT_FALSE(k.document().hasUnsavedWork());

    const QByteArray first = k.kit.read("lang.dat");
    EXPECT_EQ(k.save().size(), 1);
    EXPECT_EQ(k.kit.read("lang.dat"), first) << "a second save of the same work is byte-identical";
}

TEST(Save, TheNextStartReadsTranslationsAndPicturesBack)
{
    SampleWindow k;
    k.openOnTexts();
    k.type(3, "Spiel speichern");
    QImage picture = *k.document().pictures().StandardPicture(0);
    picture.setPixel(3, 4, 1);
    k.document().setTranslatedPicture(0, picture);
    k.save();
    EXPECT_EQ(entryNames(k.kit.path("lang.dat")),
              (std::vector<std::string>{"FONT.SPR", "FONTSIZE.DAT", "STK.PAD", "TEXTS.DAT"}));

    k.openOnTexts();
    EXPECT_EQ(k.document().text(2, TextTable::Translation), "Spiel speichern");
    ASSERT_TRUE(k.document().pictures().isPresent(0));
    EXPECT_EQ(k.document().pictures().TranslatedPicture(0)->pixelIndex(3, 4), 1);
    EXPECT_FALSE(k.document().pictures().isPresent(1));
    const QByteArray first = k.kit.read("lang.dat");
    k.save();
    EXPECT_EQ(k.kit.read("lang.dat"), first) << "pictures read back are saved again";
}

TEST(Save, AFailedSaveSaysWhyAndKeepsTheOldLangDat)
{
    struct Case {
        const char *what;
        std::function<void(SampleWindow &)> spoil;
        const char *message;
    };
    const Case cases[] = {
        {"a folder named lang.dat", [](SampleWindow &) {}, "lang.dat"},
        {"a file in the way of the output folder",
         [](SampleWindow &k) { k.kit.write("output", "someone's file"); },
         "output: a file of this name is in the way of the output folder"},
        {"a full disk", [](SampleWindow &k) { k.fault.emplace(500'000); },
         "lang.dat: cannot be written: No space left on device"},
        {"a font too large for the glyph files",
         [](SampleWindow &k) {
             MessageBoxAnswerer explanation; // the Font page explains the font when it is chosen
             FontChooser::choose(*k.form, QFont(QStringLiteral("Liberation Sans"), 48), FontChooser::Answer::Ok);
             EXPECT_EQ(explanation.count(), 1);
         },
         "is too large for the game's glyph files"},
    };
    for (const Case &c : cases) {
        SampleWindow k;
        const bool folder = std::string(c.what) == "a folder named lang.dat";
        if (folder)
            QDir(k.kit.dir()).mkdir("lang.dat");
        else
            k.kit.writeArchive("lang.dat", {{"TEXTS.DAT", "old"}});
        const QByteArray old = k.kit.read("lang.dat");
        EXPECT_EQ(k.openOnTexts().size(), folder ? 1 : 0) << c.what;
        c.spoil(k);
        k.type(2, "edited");
        const auto seen = k.save();
        ASSERT_EQ(seen.size(), 1) << c.what;
        EXPECT_EQ(seen[0].title, "Orvanta Localization Kit") << c.what;
        EXPECT_TRUE(seen[0].text.startsWith("\"lang.dat\" was not saved")) << c.what;
        EXPECT_TRUE(seen[0].text.contains(c.message)) << c.what << ": " << seen[0].text.toStdString();
        EXPECT_EQ(k.kit.read("lang.dat"), old) << c.what;
        EXPECT_EQ(QFileInfo(k.kit.path("lang.dat")).isDir(), folder) << c.what;
        EXPECT_TRUE(k.document().hasUnsavedWork()) << c.what;
        if (std::string(c.what) == "a file in the way of the output folder")
            EXPECT_EQ(k.kit.read("output"), "someone's file");
        else
            EXPECT_FALSE(QFile::exists(k.kit.path("output"))) << c.what;
    }
}

// A save whose lang.dat went in place but whose review file could not
// follow says that lang.dat is saved, never that it is unchanged.
TEST(Save, ASaveLeftUnfinishedSaysLangDatIsSaved)
{
    bool said = false;
    // The renames before the review file's: the backups kept, the journal,
    // lang.dat (and whatever else the window's save writes first).
    for (int renames = 4; renames < 8 && !said; ++renames) {
        SampleWindow k;
        {
            OpenKit other(k.kit.dir());
            other.load();
            other.texts().setTranslation(3, "other's");
            ReviewMarks::Mark mark;
            mark.note = "a note";
            other.marks().setMark(5, mark);
            OtherSave agree;
            ASSERT_TRUE(other.save(agree).ok());
        }
        const QByteArray old = k.kit.read("lang.dat");
        k.openOnTexts();
        k.type(2, "edited");
        k.fault.emplace(renames, WriteFaults::Kind::RenameFails);
        const auto seen = k.save();
        k.fault.reset();
        ASSERT_EQ(seen.size(), 1) << renames;
        if (!seen[0].text.startsWith("\"lang.dat\" was saved, but the save is not finished:"))
            continue;
        said = true;
        EXPECT_TRUE(seen[0].text.contains("; lang.dat is saved already, and the new file stays beside it")) << seen[0].text.toStdString();
        EXPECT_TRUE(seen[0].text.endsWith("The new \"lang.dat\" is in place; the rest of the save is put in place when "
                                          "the kit is next saved or opened."))
            << seen[0].text.toStdString();
        EXPECT_FALSE(seen[0].text.contains("unchanged"));
        EXPECT_NE(k.kit.read("lang.dat"), old);
    }
    EXPECT_TRUE(said);
}

TEST(Save, WithoutSourceTextsTheWindowSaysSoAndSavesNothing)
{
    KitWindow k;
    QFile::remove(k.kit.path("kvmain.dat"));
    k.kit.writeArchive("lang.dat", {{"TEXTS.DAT", TextFile::write({"Bauen", "Laden", "Stock"})}});
    const QByteArray old = k.kit.read("lang.dat");
    const auto startup = k.open();
    ASSERT_EQ(startup.size(), 1);
    EXPECT_TRUE(startup[0].text.contains(k.kit.shown("kvmain.dat") + ": is missing, and with it the source texts"))
        << startup[0].text.toStdString();
    EXPECT_EQ(k.document().texts().rowCount(), 0);

    const auto seen = k.save();
    ASSERT_EQ(seen.size(), 1);
    EXPECT_TRUE(seen[0].text.contains("kvmain.dat holds no texts: saving would remove the 3 translations in lang.dat."))
        << seen[0].text.toStdString();
    EXPECT_EQ(k.kit.read("lang.dat"), old);
    EXPECT_FALSE(QFile::exists(k.kit.path("lang.dat.bak")));
    EXPECT_FALSE(QFile::exists(k.kit.path("output")));
}

// Three saves a translator may not mean: replacing the glyphs lang.dat holds
// with a font nobody chose today, losing text records, and replacing a
// lang.dat someone made read-only. The window asks;
// Cancel writes nothing.
TEST(Save, AsksBeforeReplacingOtherGlyphsOrLosingTextRecords)
{
    struct Case {
        const char *what;
        std::function<void(KitWindow &)> prepare; // the lang.dat another save left
        const char *asked;
        QMessageBox::StandardButton goOn;
    };
    const Case cases[] = {
        {"glyphs of another font",
         [](KitWindow &k) {
             TextTable texts;
             PictureSlots pictures;
             ASSERT_TRUE(KitLoader::load(k.kit.dir(), texts, pictures).empty());
             const CodePage page(CodePage::localeDefault());
             ASSERT_TRUE(saveThroughKit(k.kit.dir(), {texts, QFont("DejaVu Sans", 9), page, pictures}).ok());
         },
         "lang.dat holds glyphs of another font or code page. Replace them with Arial 8, code page ",
         QMessageBox::Yes},
        {"more text records",
         [](KitWindow &k) {
             k.kit.writeArchive("lang.dat", {{"TEXTS.DAT", TextFile::write(QList<QByteArray>(1800, "Text"))}});
         },
         "lang.dat holds 1800 text records, but this save writes only 1702: the last 98 translations would be "
         "lost.\n\nSave anyway?", QMessageBox::Save},
        {"a read-only lang.dat",
         [](KitWindow &k) {
             k.kit.writeArchive("lang.dat", {{"TEXTS.DAT", TextFile::write(QList<QByteArray>(1702, "Text"))}});
             ASSERT_TRUE(QFile::setPermissions(k.kit.path("lang.dat"), QFile::ReadOwner | QFile::ReadGroup));
         },
         "lang.dat is read-only: someone locked it against changes. Saving replaces it (the new lang.dat is "
         "read-only too).\n\nReplace it anyway?", QMessageBox::Save},
    };
    for (const Case &c : cases) {
        KitWindow k;
        c.prepare(k);
        const QByteArray old = k.kit.read("lang.dat");
        k.open();
        auto seen = k.save(QMessageBox::Cancel);
        ASSERT_EQ(seen.size(), 1) << c.what;
        EXPECT_TRUE(seen[0].text.startsWith(c.asked)) << c.what << ": " << seen[0].text.toStdString();
        EXPECT_EQ(k.kit.read("lang.dat"), old) << c.what;

        seen = k.save({c.goOn, QMessageBox::Ok});
        ASSERT_EQ(seen.size(), 2) << c.what;
        EXPECT_EQ(seen[1].title, "Completed") << c.what;
        EXPECT_NE(k.kit.read("lang.dat"), old) << c.what;
        EXPECT_EQ(k.kit.read("lang.dat.bak"), old) << c.what;
    }

    // A font chosen today is what the translator wants: nothing to ask.
    KitWindow k;
    cases[0].prepare(k);
    k.open();
    FontChooser::choose(*k.form, QFont("Liberation Serif", 10), FontChooser::Answer::Ok);
    const auto seen = k.save();
    ASSERT_EQ(seen.size(), 1);
    EXPECT_EQ(seen[0].title, "Completed");
}

// The readme's way to give the game another text for a fixed row: its
// source cell. The text lang.dat holds for it comes back at the next start,
// and the next save keeps it.
TEST(Save, AFixedRowsTextSurvivesARestartBetweenTwoSaves)
{
    SampleWindow k;
    k.kit.write("orvanta-kit.ini", "[texts]\ncodepage=1251\n");
    k.openOnTexts();
    ASSERT_EQ(k.document().codePage().number(), 1251);
    ASSERT_TRUE(TextTable::isFixed(1424));
    ASSERT_EQ(k.document().text(1424, TextTable::Source), "%d gold");
    QLineEdit *editor = k.edit(1425, TextTable::Source);
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QInputMethodEvent typed; // a Cyrillic keyboard layout's text, as the input method commits it
    typed.setCommitString(QString::fromUtf8("%d золота"));
    QApplication::sendEvent(editor, &typed);
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    const QByteArray wanted = CodePage(1251).encode(QString::fromUtf8("%d золота")).value();
    ASSERT_EQ(k.save().size(), 1);
    ASSERT_EQ(k.savedTexts().value(1424), wanted);

    k.openOnTexts(); // the next start
    EXPECT_EQ(k.document().text(1424, TextTable::Source), wanted) << "the source cell shows what the game gets";
    EXPECT_FALSE(k.document().hasUnsavedWork());
    ASSERT_EQ(k.save().size(), 1);
    EXPECT_EQ(k.savedTexts().value(1424), wanted) << "the second save keeps it";
}

// Someone saved lang.dat while the window had it open: the window asks
// before it replaces it, and each answer does what it says.
TEST(Save, ALangDatChangedOnDiskIsAskedAboutBeforeItIsReplaced)
{
    const QString asked = "\"lang.dat\" has changed on disk since the kit read or last saved it";
    struct Case {
        const char *what;
        QMessageBox::StandardButton answer;
        QByteArray row3, row4; // what lang.dat holds afterwards
        bool unsaved;          // the window still has unsaved work
    };
    const Case cases[] = {
        {"reload", QMessageBox::Reset, "", "other's", false},
        {"overwrite", QMessageBox::Save, "window's", "", false},
        {"cancel", QMessageBox::Cancel, "", "other's", true},
    };
    for (const Case &c : cases) {
        SampleWindow k;
        k.openOnTexts();
        const QByteArray source3 = k.document().text(2, TextTable::Source);
        const QByteArray source4 = k.document().text(3, TextTable::Source);
        k.type(3, "window's");
        OpenKit other(k.kit.dir());
        saveElsewhere(other, "other's");

        const auto seen = k.save({c.answer, QMessageBox::Ok});
        ASSERT_GE(seen.size(), 1) << c.what;
        EXPECT_TRUE(seen[0].text.startsWith(asked)) << c.what << ": " << seen[0].text.toStdString();
        EXPECT_EQ(seen.size(), c.answer == QMessageBox::Save ? 2 : 1) << c.what;
        const QList<QByteArray> saved = k.savedTexts();
        EXPECT_EQ(saved.value(2), c.row3.isEmpty() ? source3 : c.row3) << c.what;
        EXPECT_EQ(saved.value(3), c.row4.isEmpty() ? source4 : c.row4) << c.what;
        EXPECT_EQ(k.document().hasUnsavedWork(), c.unsaved) << c.what;
        if (c.answer == QMessageBox::Reset) {
            EXPECT_EQ(k.document().text(3, TextTable::Translation), "other's") << "the window shows the kit on disk";
            EXPECT_EQ(k.document().text(2, TextTable::Translation), source3);
            EXPECT_EQ(k.grid()->model()->index(3, TextTable::Translation).data().toString(), "other's");
            EXPECT_EQ(k.save().size(), 1) << "nothing to ask once reloaded";
        }
    }
}

