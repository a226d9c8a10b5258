#include "FontChooser.h"
#include "MessageBoxAnswerer.h"
#include "ArchiveContents.h"
#include "TempKit.h"
#include "core/ArchiveFile.h"
#include "io/WriteFaults.h"
#include "packaging/KitSave.h"
#include "pictures/PictureFile.h"
#include "pictures/PictureSlots.h"
#include "texts/TextFile.h"
#include "texts/TextTableModel.h"
#include "ui/TMainForm.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

using namespace orvanta;

namespace {

// The sample kit, opened in a real window on the Texts page.
struct OpenKit {
    TempKit kit;
    std::unique_ptr<TMainForm> form;
    std::optional<WriteFaults::Scope> fault; // armed: the disk fills up

    OpenKit() { kit.installSampleData(); }

    void open()
    {
        form = std::make_unique<TMainForm>(kit.dir());
        form->PageControl1->setCurrentWidget(form->TabSheet2);
        MessageBoxAnswerer answerer;
        form->show();
        startupMessages = answerer.seen();
        QApplication::setActiveWindow(form.get());
    }
    QList<MessageBoxAnswerer::Seen> startupMessages;

    // Types `text` into the translation of `gridRow` as a user would.
    void type(int gridRow, const QString &text)
    {
        const QModelIndex cell = form->texts()->index(gridRow - 1, TextTableModel::Translation);
        QApplication::setActiveWindow(form.get());
        form->StringGrid->setFocus();
        form->StringGrid->scrollTo(cell);
        QTest::mouseClick(form->StringGrid->viewport(), Qt::LeftButton, {},
                          form->StringGrid->visualRect(cell).center());
        QTest::keyClick(form->StringGrid, Qt::Key_F2);
        auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, text);
    }

    // Presses the save button and answers what it shows.
    QList<MessageBoxAnswerer::Seen> save()
    {
        MessageBoxAnswerer answerer;
        QTest::mouseClick(form->Button1, Qt::LeftButton);
        return answerer.seen();
    }

    QList<QByteArray> savedTexts() const
    {
        for (const auto &[name, bytes] : archiveContents(kit.path("lang.dat")))
            if (name == "TEXTS.DAT")
                return TextFile::read(QByteArray::fromStdString(bytes));
        return {};
    }
};

} // namespace

TEST(Save, WritesTextsAndGlyphsIntoANewLangDat)
{
    OpenKit k;
    k.open();
    const int rows = k.form->texts()->rowCount();
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
    EXPECT_EQ(texts[1415], k.form->texts()->table().row(1415).source) << "fixed records are saved as their source";
    EXPECT_EQ(k.form->texts()->index(1415, TextTableModel::Translation).data().toString(),
              QString::fromLatin1(texts[1415])) << "and the grid shows it";
    EXPECT_FALSE(QFile::exists(k.kit.path("output")));
    EXPECT_EQ(k.form->Memo1->toPlainText().split('\n').size(), 3);
    EXPECT_FALSE(k.form->hasUnsavedWork());

    const QByteArray first = k.kit.read("lang.dat");
    EXPECT_EQ(k.save().size(), 1);
    EXPECT_EQ(k.kit.read("lang.dat"), first) << "a second save of the same work is byte-identical";
}

TEST(Save, TheNextStartReadsTranslationsAndPicturesBack)
{
    OpenKit k;
    k.open();
    k.type(3, "Spiel speichern");
    QImage picture = *k.form->StandardPicture(0);
    picture.setPixel(3, 4, 1);
    *k.form->TranslatedPicture(0) = picture;
    k.save();
    EXPECT_EQ(entryNames(k.kit.path("lang.dat")),
              (std::vector<std::string>{"FONT.SPR", "FONTSIZE.DAT", "STK.PAD", "TEXTS.DAT"}));

    k.open();
    EXPECT_EQ(k.form->texts()->table().row(2).translation, "Spiel speichern");
    ASSERT_TRUE(k.form->Pictures().isPresent(0));
    EXPECT_EQ(k.form->TranslatedPicture(0)->pixelIndex(3, 4), 1);
    EXPECT_FALSE(k.form->Pictures().isPresent(1));
    const QByteArray first = k.kit.read("lang.dat");
    k.save();
    EXPECT_EQ(k.kit.read("lang.dat"), first) << "pictures read back are saved again";
}

TEST(Save, AFailedSaveSaysWhyAndKeepsTheOldLangDat)
{
    struct Case {
        const char *what;
        std::function<void(OpenKit &)> spoil;
        const char *message;
    };
    const Case cases[] = {
        {"a folder named lang.dat", [](OpenKit &) {}, "lang.dat"},
        {"a file in the way of the output folder",
         [](OpenKit &k) { k.kit.write("output", "someone's file"); },
         "output: a file of this name is in the way of the output folder"},
        {"a full disk", [](OpenKit &k) { k.fault.emplace(500'000); }, "lang.dat: cannot be written: No space left on device"},
        {"a font too large for the glyph files",
         [](OpenKit &k) {
             FontChooser::choose(*k.form, QFont(QStringLiteral("Liberation Sans"), 48), FontChooser::Answer::Ok);
         },
         "is too large for the game's glyph files"},
    };
    for (const Case &c : cases) {
        OpenKit k;
        const bool folder = std::string(c.what) == "a folder named lang.dat";
        if (folder)
            QDir(k.kit.dir()).mkdir("lang.dat");
        else
            k.kit.writeArchive("lang.dat", {{"TEXTS.DAT", "old"}});
        const QByteArray old = k.kit.read("lang.dat");
        k.open();
        EXPECT_EQ(k.startupMessages.size(), folder ? 1 : 0) << c.what;
        c.spoil(k);
        k.type(2, "edited");
        const auto seen = k.save();
        ASSERT_EQ(seen.size(), 1) << c.what;
        EXPECT_EQ(seen[0].title, "Orvanta Localization Kit") << c.what;
        EXPECT_TRUE(seen[0].text.startsWith("\"lang.dat\" was not saved")) << c.what;
        EXPECT_TRUE(seen[0].text.contains(c.message)) << c.what << ": " << seen[0].text.toStdString();
        EXPECT_EQ(k.kit.read("lang.dat"), old) << c.what;
        EXPECT_EQ(QFileInfo(k.kit.path("lang.dat")).isDir(), folder) << c.what;
        EXPECT_TRUE(k.form->hasUnsavedWork()) << c.what;
        if (std::string(c.what) == "a file in the way of the output folder")
            EXPECT_EQ(k.kit.read("output"), "someone's file");
        else
            EXPECT_FALSE(QFile::exists(k.kit.path("output"))) << c.what;
    }
}

TEST(Save, WithoutSourceTextsTheWindowSaysSoAndSavesNothing)
{
    TempKit kit;
    kit.writeArchive("lang.dat", {{"TEXTS.DAT", TextFile::write({"Bauen", "Laden", "Stock"})}});
    const QByteArray old = kit.read("lang.dat");
    TMainForm form(kit.dir());
    {
        MessageBoxAnswerer startup;
        form.show();
        ASSERT_EQ(startup.count(), 1);
        EXPECT_TRUE(startup.seen()[0].text.contains(kit.path("kvmain.dat") + ": is missing, and with it the source "
                                                                              "texts"))
            << startup.seen()[0].text.toStdString();
    }
    EXPECT_EQ(form.texts()->rowCount(), 0);

    MessageBoxAnswerer answerer;
    QTest::mouseClick(form.Button1, Qt::LeftButton);
    ASSERT_EQ(answerer.count(), 1);
    EXPECT_TRUE(answerer.seen()[0].text.contains(
        "kvmain.dat holds no texts: saving would remove the 3 translations in lang.dat."))
        << answerer.seen()[0].text.toStdString();
    EXPECT_EQ(kit.read("lang.dat"), old);
    EXPECT_FALSE(QFile::exists(kit.path("lang.dat.bak")));
    EXPECT_FALSE(QFile::exists(kit.path("output")));
}

TEST(Save, ClosingAsksOnlyAboutUnsavedWork)
{
    OpenKit k;
    k.open();
    FontChooser::choose(*k.form, std::nullopt, FontChooser::Answer::Ok);
    {
        MessageBoxAnswerer answerer;
        EXPECT_TRUE(k.form->close());
        EXPECT_EQ(answerer.count(), 0) << "nothing changed (the font dialog confirmed as it was), nothing asked";
    }
    k.open();
    k.type(2, "x");
    {
        MessageBoxAnswerer answerer(QMessageBox::Cancel);
        EXPECT_FALSE(k.form->close());
        ASSERT_EQ(answerer.count(), 1);
        EXPECT_TRUE(answerer.seen()[0].text.contains("not saved"));
    }
    k.save();
    {
        MessageBoxAnswerer answerer;
        EXPECT_TRUE(k.form->close());
        EXPECT_EQ(answerer.count(), 0) << "a save packed everything";
    }
    k.open();
    k.form->CodePageComboBox->setCurrentIndex(k.form->CodePageComboBox->findData(1251));
    {
        MessageBoxAnswerer answerer(QMessageBox::Discard);
        EXPECT_TRUE(k.form->close());
        EXPECT_EQ(answerer.count(), 1) << "a code page change is work too";
    }
    EXPECT_FALSE(QFile::exists(k.kit.path("output")));
}
