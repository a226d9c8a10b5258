#include "FontChooser.h"
#include "KitWindow.h"
#include "font/FontChoice.h"
#include "font/GlyphFileWriter.h"
#include "font/GlyphSheet.h"
#include "texts/CodePage.h"
#include "texts/TextFile.h"
#include "ui/GlyphSheetView.h"

#include <QApplication>
#include <QComboBox>
#include <QHelpEvent>
#include <QLabel>
#include <QTabWidget>
#include <QTest>
#include <QFontInfo>
#include <QToolTip>

#include <gtest/gtest.h>

using namespace orvanta;

namespace {

using Answer = FontChooser::Answer;

QFont boldUnderlinedSerif()
{
    QFont font(QStringLiteral("Liberation Serif"), 12);
    font.setBold(true);
    font.setUnderline(true);
    return font;
}

QString fontName(const KitWindow &k)
{
    return k.find<QLabel>("FontNameLabel")->text();
}

void select(const KitWindow &k, const char *comboBox, int data)
{
    auto *box = k.find<QComboBox>(comboBox);
    box->setCurrentIndex(box->findData(data));
}

// What the glyph sheet shows on the screen.
QImage shownSheet(const KitWindow &k)
{
    return k.find("GlyphSheetCanvas")->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A capture of its own, apart from the window's.
GlyphTable capture(const QFont &font, int codePage)
{
    GlyphTable table;
    EXPECT_TRUE(GlyphFileWriter::captureGlyphFiles(font, CodePage(codePage), &table));
    return table;
}

// The tooltip of the sheet's slot of `code`, as a translator hovering it sees it.
QString tipOf(const KitWindow &k, const GlyphTable &table, int scale, int code)
{
    QWidget *canvas = k.find("GlyphSheetCanvas");
    const QSize slot = (GlyphSheet::size(table, scale) - QSize(1, 1)) / 16;
    const QPoint centre(1 + code % 16 * slot.width() + slot.width() / 2, 1 + code / 16 * slot.height() + slot.height() / 2);
    QHelpEvent hover(QEvent::ToolTip, centre, canvas->mapToGlobal(centre));
    QApplication::sendEvent(canvas, &hover);
    return QToolTip::text();
}

} // namespace

TEST(FontPage, AConfirmedChoiceBecomesTheGlyphFontAndCancelChangesNothing)
{
    KitWindow k;
    k.open();
    EXPECT_EQ(k.document().glyphFont(), FontChoice::defaultFont());
    FontChooser::choose(*k.form, boldUnderlinedSerif(), Answer::Cancel);
    EXPECT_EQ(fontName(k), "Arial,8,");
    EXPECT_EQ(k.document().glyphFont(), FontChoice::defaultFont());

    FontChooser::choose(*k.form, boldUnderlinedSerif(), Answer::Ok);
    EXPECT_EQ(fontName(k), "Liberation Serif,12,bold,underline,");
    EXPECT_EQ(k.document().glyphFont().family(), "Liberation Serif");
    EXPECT_TRUE(k.document().glyphFont().bold());

    const QFont reopened = FontChooser::choose(*k.form, std::nullopt, Answer::Cancel);
    EXPECT_EQ(reopened.family(), "Liberation Serif") << "the dialog opens on the current font";
    EXPECT_EQ(reopened.pointSize(), 12);
    EXPECT_TRUE(reopened.underline());
}

TEST(FontPage, DialogShowsTheFaceThatDrawsArialAndOkKeepsIt)
{
    KitWindow k;
    k.open();
    const QFont opened = FontChooser::choose(*k.form, std::nullopt, Answer::Ok);
    EXPECT_EQ(opened.family(), "Liberation Sans");
    EXPECT_EQ(opened.pointSize(), 8);
    EXPECT_EQ(fontName(k), "Arial,8,");
    EXPECT_FALSE(k.document().hasUnsavedWork()) << "OK on the same font is no change";

    QFont larger(QStringLiteral("Liberation Sans"), 10);
    larger.setItalic(true);
    FontChooser::choose(*k.form, larger, Answer::Ok);
    EXPECT_EQ(fontName(k), "Arial,10,italic,");
}

TEST(FontPage, TheGlyphSheetShowsWhatTheSaveWritesThroughFontCodePageZoomAndUndo)
{
    KitWindow k;
    k.open();
    auto *view = k.find<GlyphSheetView>("GlyphSheetView");
    select(k, "CodePageComboBox", 1252);
    const GlyphTable standard = capture(FontChoice::defaultFont(), 1252);
    EXPECT_EQ(view->scale(), 2) << "the widest zoom that fits the default size";
    const QImage standardSheet = GlyphSheet::render(standard, 2);
    EXPECT_EQ(shownSheet(k), standardSheet);

    FontChooser::choose(*k.form, QFont(QStringLiteral("Liberation Serif"), 10), Answer::Ok);
    ASSERT_EQ(fontName(k), "Liberation Serif,10,");
    EXPECT_EQ(shownSheet(k), GlyphSheet::render(capture(k.document().glyphFont(), 1252), view->scale()));
    k.press(QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(shownSheet(k), standardSheet) << "undo brings the old sheet back";

    select(k, "CodePageComboBox", 1251);
    select(k, "GlyphZoomComboBox", 3);
    const GlyphTable cyrillic = capture(FontChoice::defaultFont(), 1251);
    EXPECT_EQ(shownSheet(k), GlyphSheet::render(cyrillic, 3));
    EXPECT_EQ(tipOf(k, cyrillic, 3, 0xC0), "Code 192 (0xc0): \"\u0410\" U+0410\n" +
                                               QString::number(cyrillic.entries[0xC0].cellWidth) + " pixels wide");
    k.press(QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(shownSheet(k), GlyphSheet::render(standard, 3));
    ASSERT_TRUE(standard.entries[0x81].missing);
    EXPECT_EQ(tipOf(k, standard, 3, 0x81), "Code 129 (0x81): control character U+0081\n"
                                           + QString::number(standard.entries[0x81].cellWidth) + " pixels wide\n"
                                           "No glyph in this font: the save writes the stand-in shown");
}

// Translations typed in Cyrillic read as other letters in code page 1252:
// the change asks first, and keeping the code page changes nothing.
TEST(FontPage, ACodePageThatReadsTheTranslationsOtherwiseIsAskedAboutFirst)
{
    KitWindow k;
    k.kit.writeArchive("kvmain.dat", {{"KVTEXTS.DAT", TextFile::write({"OK", "Main menu"})}});
    k.kit.writeArchive("lang.dat", {{"TEXTS.DAT", TextFile::write({"OK", "\xC3\xEB\xE0\xE2\xED\xEE\xE5 \xEC\xE5\xED\xFE"})}});
    k.kit.write("orvanta-kit.ini", "[texts]\ncodepage=1251\n");
    k.open();
    {
        MessageBoxAnswerer keep(QMessageBox::No);
        select(k, "CodePageComboBox", 1252);
        ASSERT_EQ(keep.count(), 1);
        EXPECT_TRUE(keep.seen()[0].text.contains(QString::fromUtf8("in row 2, \"Главное "
                                                                   "меню\" would become \"Ãë"
                                                                   "àâíîå ìåíþ\"")))
            << keep.seen()[0].text.toStdString();
    }
    EXPECT_EQ(k.document().codePage().number(), 1251);
    EXPECT_EQ(k.find<QComboBox>("CodePageComboBox")->currentData().toInt(), 1251);
    EXPECT_FALSE(k.document().hasUnsavedWork());
    MessageBoxAnswerer change(QMessageBox::Yes);
    select(k, "CodePageComboBox", 1252);
    EXPECT_EQ(k.document().codePage().number(), 1252);
}

TEST(FontPage, AFontTooLargeForTheGlyphFilesIsExplainedWhenChosenAndUndoTakesItBack)
{
    KitWindow k;
    k.open();
    auto *explanation = k.find<QLabel>("FontLimitLabel");
    EXPECT_FALSE(explanation->isVisible());
    const QImage standardSheet = shownSheet(k);

    MessageBoxAnswerer answerer;
    FontChooser::choose(*k.form, QFont(QStringLiteral("Liberation Sans"), 36), Answer::Ok);
    const QString why = "The font \"Arial,36,\" is too large for the game's glyph files: the record of code ";
    ASSERT_EQ(answerer.count(), 1) << "said once, when chosen";
    EXPECT_TRUE(answerer.seen()[0].text.startsWith(why)) << answerer.seen()[0].text.toStdString();
    EXPECT_EQ(fontName(k), "Arial,36,") << "the choice itself happens";
    EXPECT_TRUE(explanation->isVisible());
    EXPECT_TRUE(explanation->text().startsWith(why));
    EXPECT_TRUE(explanation->text().endsWith("\"lang.dat\" cannot be saved with this font: choose a smaller one."));
    EXPECT_TRUE(k.find<GlyphSheetView>("GlyphSheetView")->sheet().isNull());

    EXPECT_TRUE(k.press(QKeySequence(Qt::CTRL | Qt::Key_Z)).isEmpty());
    EXPECT_EQ(fontName(k), "Arial,8,");
    EXPECT_FALSE(explanation->isVisible());
    EXPECT_EQ(shownSheet(k), standardSheet);
    EXPECT_TRUE(k.press(QKeySequence(Qt::CTRL | Qt::Key_Y)).isEmpty()) << "redo explains on the page only";
    EXPECT_TRUE(explanation->isVisible());
}

// A first start where the remembered font is not installed: the page says
// which face draws the glyphs instead, and points to the Texts page, where
// its link leads.
TEST(FontPage, FirstStartSaysWhichFaceDrawsAndWhereTheWorkBegins)
{
    KitWindow k;
    k.kit.write("orvanta-kit.ini", "[font]\nfamily=Orvanta Missing Face\nsize=8\n");
    k.open();
    EXPECT_EQ(fontName(k), "Orvanta Missing Face,8,");
    auto *face = k.find<QLabel>("DrawingFaceLabel");
    const QString fallback = QFontInfo(FontChoice::captureFont(QFont("Orvanta Missing Face", 8))).family();
    ASSERT_NE(fallback, "Orvanta Missing Face");
    EXPECT_TRUE(face->isVisible());
    EXPECT_EQ(face->text(), "Orvanta Missing Face is not installed: the glyphs are drawn with " + fallback +
                                ", the system's fallback face.");
    EXPECT_FALSE(k.find<QLabel>("FontLimitLabel")->isVisible());

    auto *start = k.find<QLabel>("WorkStartLabel");
    EXPECT_EQ(k.shownText("WorkStartLabel"),
              "Choose the font and code page of your language here; the translation is done on the Texts page.");
    const QString before = "Choose the font and code page of your language here; the translation is done on the ";
    const QPoint link(start->fontMetrics().horizontalAdvance(before) + 8, start->height() / 2);
    QTest::mouseClick(start, Qt::LeftButton, {}, link);
    EXPECT_EQ(k.find<QTabWidget>("PageControl1")->currentIndex(), 1);

    // A face the system has: nothing to say.
    k.showPage(2);
    FontChooser::choose(*k.form, QFont("Liberation Serif", 9), Answer::Ok);
    EXPECT_EQ(fontName(k), "Liberation Serif,9,");
    EXPECT_FALSE(face->isVisible());
}
