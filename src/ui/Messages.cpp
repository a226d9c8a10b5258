#include "Messages.h"

#include "KitApplication.h"
#include "kit/KitSave.h"
#include "texts/CodePage.h"
#include "texts/TextFile.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>

namespace orvanta {

namespace {

QMessageBox::StandardButton ask(QMessageBox &box)
{
    box.exec();
    return box.standardButton(box.clickedButton());
}

} // namespace

QString Messages::exceptionText(const QString &message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void Messages::showError(QWidget *parent, const QString &message)
{
    QMessageBox::critical(parent, KitApplication::Title, exceptionText(message));
}

void Messages::attention(QWidget *parent, const QString &refusal, const QString &detail)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Attantion"), refusal, QMessageBox::Ok, parent);
    box.setInformativeText(detail);
    box.exec();
}

bool Messages::askUseConverted(QWidget *parent)
{
    QMessageBox box(QMessageBox::Question, KitApplication::Title, QString::fromLatin1(PaletteFit::UseConvertedQuestion),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return ask(box) == QMessageBox::Yes;
}

QString Messages::suggestionScore(int percent, bool fuzzy)
{
    return fuzzy ? QStringLiteral("%1% fuzzy").arg(percent) : QStringLiteral("%1%").arg(percent);
}

const QString Messages::FuzzySuggestionTip =
    QStringLiteral("Marked fuzzy in its memory: taken, the row is marked needs review");

QString Messages::suggestionOriginal(const QString &source)
{
    return QStringLiteral("Original: %1").arg(source);
}

bool Messages::askUseNearest(QWidget *parent, const PaletteFit::Fitting &fitting)
{
    QMessageBox box(QMessageBox::Question, KitApplication::Title,
                    QStringLiteral("Some colours of this picture are not in the game palette. Use it with each of "
                                   "them changed to the nearest colour of the palette, as shown?"),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setInformativeText(fitting.foreignReport()
                           + QStringLiteral("\nThe largest change is a distance of %1 in red, green and blue.")
                                 .arg(fitting.largestDistance, 0, 'f', 1));
    // Enlarged by a whole factor, each pixel a sharp square, to about 320 pixels.
    const QImage &picture = fitting.picture;
    const int factor = std::clamp(320 / std::max(1, std::max(picture.width(), picture.height())), 1, 4);
    box.setIconPixmap(QPixmap::fromImage(picture.scaled(picture.size() * factor)));
    box.setDefaultButton(QMessageBox::No);
    return ask(box) == QMessageBox::Yes;
}

const QString Messages::RefusalClearedPicture =
    QStringLiteral("The translated picture chosen before is removed; Ctrl+Z brings it back.");

QString Messages::pictureDetails(QSize size, int translated, int pictures)
{
    return QStringLiteral("Size: %1 \u00D7 %2 pixels\n%3 of %4 pictures translated")
        .arg(size.width())
        .arg(size.height())
        .arg(translated)
        .arg(pictures);
}

const QString Messages::TranslatedPictureTip = QStringLiteral("Has a translated picture");

QString Messages::pictureFileCaption(QSize size, int colours)
{
    QString caption = QStringLiteral("%1 \u00D7 %2 pixels").arg(size.width()).arg(size.height());
    if (colours > 0)
        caption += QStringLiteral(", %1 colours").arg(colours);
    return caption;
}

const QString Messages::NoPreview = QStringLiteral("No preview");

QString Messages::pixelWidth(int pixels)
{
    return QStringLiteral("%1 px").arg(pixels);
}

void Messages::completed(QWidget *parent, const QStringList &notices)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Completed"), KitSave::SuccessText, QMessageBox::Ok, parent);
    box.setInformativeText(notices.join(QLatin1Char('\n')));
    box.exec();
}

void Messages::saveFailed(QWidget *parent, const FormatError &error)
{
    // A save that failed after its journal stood has put "lang.dat" in place.
    if (error.kind == FormatError::Kind::Unfinished) {
        showError(parent, QStringLiteral("\"lang.dat\" was saved, but the save is not finished:\n\n%1\n\nThe new "
                                         "\"lang.dat\" is in place; the rest of the save is put in place when the "
                                         "kit is next saved or opened.")
                              .arg(QString::fromStdString(error.text())));
        return;
    }
    showError(parent, QStringLiteral("\"lang.dat\" was not saved:\n\n%1\n\nThe previous \"lang.dat\" is unchanged.")
                          .arg(QString::fromStdString(error.text())));
}

void Messages::cannotCreateFile(QWidget *parent, const QString &path)
{
    showError(parent, QStringLiteral("Cannot create file %1").arg(QDir::toNativeSeparators(path)));
}

QString Messages::archiveProblemsText(const std::vector<FormatError> &problems)
{
    QString text = QStringLiteral("A language archive of the kit is missing or damaged and was read only in part:\n\n");
    // A badly damaged archive can have a problem in every record: list the
    // first few, so the message stays readable.
    constexpr std::size_t Listed = 10;
    for (std::size_t i = 0; i < problems.size() && i < Listed; ++i)
        text += QString::fromStdString(problems[i].text()) + QLatin1Char('\n');
    if (problems.size() > Listed)
        text += QStringLiteral("... and %1 more problems of the same kind\n").arg(problems.size() - Listed);
    text += QStringLiteral(
        "\nWhatever could not be read is shown from the kit's own data (source texts, standard pictures). "
        "A save now writes a new \"lang.dat\" from what you see; keep a copy of the damaged file if you need "
        "its contents.");
    return text;
}

void Messages::startupProblems(QWidget *parent, const std::vector<FormatError> &archiveProblems,
                               const QStringList &settingsWarnings)
{
    QStringList parts;
    if (!archiveProblems.empty())
        parts.append(archiveProblemsText(archiveProblems));
    if (!settingsWarnings.isEmpty())
        parts.append(QStringLiteral("Some of your settings were ignored; the kit's defaults stand in for them:\n\n")
                     + settingsWarnings.join(QLatin1Char('\n')));
    if (!parts.isEmpty())
        QMessageBox::warning(parent, KitApplication::Title, parts.join(QStringLiteral("\n\n")));
}

bool Messages::askReplaceGlyphs(QWidget *parent, const QString &glyphs)
{
    QMessageBox box(QMessageBox::Question, KitApplication::Title,
                    QStringLiteral("lang.dat holds glyphs of another font or code page. Replace them with %1?\n\n"
                                   "If the game's texts should keep their letters, choose their font and code "
                                   "page on the Font page first.")
                        .arg(glyphs),
                    QMessageBox::Yes | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Cancel);
    return ask(box) == QMessageBox::Yes;
}

bool Messages::askSaveFewerTexts(QWidget *parent, const QString &fewerTexts)
{
    QMessageBox box(QMessageBox::Warning, KitApplication::Title, fewerTexts + QStringLiteral("\n\nSave anyway?"),
                    QMessageBox::Save | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Cancel);
    return ask(box) == QMessageBox::Save;
}

bool Messages::askReplaceReadOnly(QWidget *parent, const QString &readOnly)
{
    QMessageBox box(QMessageBox::Warning, KitApplication::Title, readOnly + QStringLiteral("\n\nReplace it anyway?"),
                    QMessageBox::Save | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Cancel);
    return ask(box) == QMessageBox::Save;
}

QMessageBox::StandardButton Messages::askChangedOnDisk(QWidget *parent)
{
    QMessageBox box(QMessageBox::Warning, KitApplication::Title,
                    QStringLiteral("\"lang.dat\" has changed on disk since the kit read or last saved it: another "
                                   "save (kvtool, another window) wrote it meanwhile.\n\n"
                                   "Reload the kit's texts and pictures from it (your unsaved edits are lost), "
                                   "overwrite it with your work (what the other save wrote is lost, but stays in "
                                   "\"lang.dat.bak\" until the next save), or cancel?"),
                    QMessageBox::Reset | QMessageBox::Save | QMessageBox::Cancel, parent);
    box.button(QMessageBox::Reset)->setText(QStringLiteral("Reload"));
    box.button(QMessageBox::Save)->setText(QStringLiteral("Overwrite"));
    box.setDefaultButton(QMessageBox::Cancel);
    return ask(box);
}

QMessageBox::StandardButton Messages::askSaveBeforeClosing(QWidget *parent)
{
    QMessageBox box(QMessageBox::Question, KitApplication::Title,
                    QStringLiteral("Some of your work is not saved in \"lang.dat\" yet.\n\n"
                                   "Save it before the kit closes?"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Save);
    return ask(box);
}

QMessageBox::StandardButton Messages::askOpenAgain(const QString &kitDirectory, const QString &holder)
{
    QMessageBox box(QMessageBox::Warning, KitApplication::Title,
                    QStringLiteral("The kit in %1 is already open in another window (%2).\n\n"
                                   "Two windows on one kit save over each other's work. Open it anyway?")
                        .arg(QDir::toNativeSeparators(kitDirectory), holder),
                    QMessageBox::Open | QMessageBox::Close);
    box.button(QMessageBox::Open)->setText(QStringLiteral("Open anyway"));
    box.button(QMessageBox::Close)->setText(QStringLiteral("Quit"));
    box.setDefaultButton(QMessageBox::Close);
    return ask(box);
}

QString Messages::codePageRefusal(QChar refused, int codePage)
{
    return QStringLiteral("\"%1\" (U+%2) cannot be stored in code page %3. Choose the code page of your "
                          "language on the Font page.")
        .arg(refused)
        .arg(refused.unicode(), 4, 16, QLatin1Char('0'))
        .arg(CodePage::describe(codePage));
}

QString Messages::fontTooLargeText(const FormatError &refusal)
{
    QString what = QString::fromStdString(refusal.what);
    if (!what.isEmpty())
        what[0] = what[0].toUpper();
    return QStringLiteral("%1. \"lang.dat\" cannot be saved with this font: choose a smaller one.").arg(what);
}

void Messages::fontTooLarge(QWidget *parent, const FormatError &refusal)
{
    QMessageBox::warning(parent, KitApplication::Title,
                         fontTooLargeText(refusal) + QStringLiteral("\n\nUndo (Ctrl+Z) takes the choice back."));
}

QString Messages::glyphCellTip(int code, const CodePage &codePage, int width, bool missing)
{
    const auto byte = static_cast<unsigned char>(code);
    const QChar character = codePage.character(byte);
    QString tip = QStringLiteral("Code %1 (0x%2): ").arg(code).arg(code, 2, 16, QLatin1Char('0'));
    const QString unicode = QStringLiteral("U+%1").arg(character.unicode(), 4, 16, QLatin1Char('0')).toUpper();
    if (!codePage.defines(byte))
        tip += QStringLiteral("no character in code page %1").arg(CodePage::describe(codePage.number()));
    else if (character.isPrint())
        tip += QStringLiteral("\"%1\" %2").arg(character, unicode);
    else
        tip += QStringLiteral("control character %1").arg(unicode);
    tip += QStringLiteral("\n%1 pixels wide").arg(width);
    if (missing)
        tip += QStringLiteral("\nNo glyph in this font: the save writes the stand-in shown");
    return tip;
}

namespace {

// Counts as the translator reads them in an English window: "1,234".
QString counted(qint64 number)
{
    return QLocale(QLocale::English).toString(number);
}

} // namespace

QString Messages::importDescription(const QString &file)
{
    return QStringLiteral("Import texts from %1").arg(QFileInfo(file).fileName());
}

QString Messages::olderKitDescription(const QString &folder)
{
    return QStringLiteral("Take translations from the older kit %1").arg(QDir::toNativeSeparators(folder));
}

void Messages::memoriesLeftOut(QWidget *parent, const QStringList &problems)
{
    QMessageBox::warning(parent, KitApplication::Title,
                         QStringLiteral("%1 could not be read; the suggestions come without %2:\n\n%3")
                             .arg(problems.size() == 1 ? QStringLiteral("A translation memory")
                                                       : QStringLiteral("Some translation memories"),
                                  problems.size() == 1 ? QStringLiteral("it") : QStringLiteral("them"),
                                  problems.join(QLatin1Char('\n'))));
}

QString Messages::sameTranslationDescription(int rowNumber)
{
    return QStringLiteral("Use the translation of row %1 for every identical source").arg(rowNumber);
}

QString Messages::historyStep(bool undone, const QString &what)
{
    return (undone ? QStringLiteral("Undone: %1") : QStringLiteral("Redone: %1")).arg(what);
}

const QString Messages::FixedRowTip = QStringLiteral("Reset to the original text at every save");

bool Messages::askReadOtherwise(QWidget *parent, int number, int rowNumber, const QString &now, const QString &then)
{
    QMessageBox box(QMessageBox::Question, KitApplication::Title,
                    QStringLiteral("Your translations hold letters that code page %1 reads otherwise: in row %2, "
                                   "\"%3\" would become \"%4\".\n\nThe kit keeps the bytes you typed; the code page "
                                   "only says which letters they are, in the grid, the glyphs and lang.dat. Change "
                                   "the code page? (Ctrl+Z takes it back.)")
                        .arg(number)
                        .arg(rowNumber)
                        .arg(now, then),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Change the code page"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Keep code page"));
    box.setDefaultButton(QMessageBox::No);
    return ask(box) == QMessageBox::Yes;
}

void Messages::guideAt(QWidget *parent, const QString &path)
{
    QMessageBox(QMessageBox::Information, KitApplication::Title,
                QStringLiteral("The translator's guide is %1.\n\nNo program to show it was found here: open it "
                               "with any text editor.")
                    .arg(QDir::toNativeSeparators(path)),
                QMessageBox::Ok, parent)
        .exec();
}

QString Messages::progressLine(const TextReview::Progress &progress, int fontWidening)
{
    // Rich text for the link: every other part is plain text, escaped, so
    // that "<1%" is not taken for the start of a tag.
    const auto plain = [](const QString &text) { return text.toHtmlEscaped(); };
    const QString separator = plain(QStringLiteral(" \u00B7 "));
    // 7 of 1,661 is a start, not nothing.
    const int percent = progress.percent();
    QString line = plain(QStringLiteral("%1 of %2 texts translated (%3%)")
                             .arg(counted(progress.translated), counted(progress.texts),
                                  percent == 0 && progress.translated > 0 ? QStringLiteral("<1")
                                                                          : QString::number(percent)))
        + separator;
    if (progress.toReview != 0)
        line += plain(QStringLiteral("%1 to review").arg(counted(progress.toReview))) + separator;
    const QString warnings = plain(progress.warnings == 1 ? QStringLiteral("1 warning")
                                                          : QStringLiteral("%1 warnings").arg(counted(progress.warnings)));
    line += progress.warnings == 0 ? warnings : QStringLiteral("<a href=\"warnings\">%1</a>").arg(warnings);
    // Apart from the faults: a reason to look in the game, not a mistake.
    if (progress.wider != 0)
        line += separator + QStringLiteral("<a href=\"%1\">%2</a>")
                                .arg(WiderLink, plain(QStringLiteral("%1 drawn wider").arg(counted(progress.wider))));
    if (fontWidening != 0)
        line += separator + plain(QStringLiteral("your font draws %1% wider").arg(fontWidening));
    return line;
}

const QString Messages::WiderLink = QStringLiteral("wider");

QString Messages::byteCount(qsizetype bytes)
{
    return QStringLiteral("%1 / %2 bytes").arg(bytes).arg(TextFile::RecordSize);
}

QString Messages::rowStateTip(int rowNumber, TextReview::State state, const ReviewMarks::Mark &mark,
                              const QList<TextFinding> &findings)
{
    QString tip;
    switch (state) {
    case TextReview::State::Untranslated:
        tip = QStringLiteral("Not translated yet: the translation is the original text");
        break;
    case TextReview::State::Translated:
        tip = mark.done ? QStringLiteral("Translated: done as it is") : QStringLiteral("Translated");
        break;
    case TextReview::State::NeedsReview: tip = QStringLiteral("Needs review (Ctrl+U takes the mark away)"); break;
    case TextReview::State::Fixed: tip = FixedRowTip; break;
    }
    if (!mark.note.isEmpty())
        tip += QStringLiteral("\nNote: ") + mark.note;
    for (const TextFinding &finding : findings)
        tip += QStringLiteral("\nWarning (%1): %2").arg(finding.check, finding.message);
    return tip + QStringLiteral("\nRow %1").arg(counted(rowNumber));
}

QString Messages::sourceCellTip(bool fixed)
{
    if (fixed)
        return QStringLiteral("This is the text the game will get: every save writes it as the translation. "
                              "Edit it here if the game needs another one.");
    return QStringLiteral("The original text, as the game's own data holds it. It cannot be edited: the kit never "
                          "writes it, so an edit would be lost at the next start. Translate it on the right.");
}

int Messages::askRowNumber(QWidget *parent, int current, int rows)
{
    bool ok = false;
    const int row = QInputDialog::getInt(parent, QStringLiteral("Go to row"),
                                         QStringLiteral("Row number (1 to %1):").arg(rows), current, 1, rows, 1,
                                         &ok);
    return ok ? row : 0;
}

std::optional<QString> Messages::askNote(QWidget *parent, int rowNumber, const QString &note)
{
    QInputDialog ask(parent);
    ask.setOption(QInputDialog::UsePlainTextEditForTextInput);
    ask.setWindowTitle(QStringLiteral("Note"));
    ask.setLabelText(
        QStringLiteral("Note for the reviewer on row %1 (kept in the kit folder, never in lang.dat):").arg(rowNumber));
    ask.setTextValue(note);
    // Finished from the keyboard: Tab leaves the note for the buttons,
    // Ctrl+Enter takes it, Escape throws it away.
    // Tab goes to OK, whatever order the platform gives the buttons.
    if (auto *edit = ask.findChild<QPlainTextEdit *>()) {
        edit->setTabChangesFocus(true);
        if (auto *buttons = ask.findChild<QDialogButtonBox *>())
            QWidget::setTabOrder(edit, buttons->button(QDialogButtonBox::Ok));
    }
    for (const QKeyCombination keys : {Qt::CTRL | Qt::Key_Return, Qt::CTRL | Qt::Key_Enter})
        QObject::connect(new QShortcut(QKeySequence(keys), &ask), &QShortcut::activated, &ask, &QDialog::accept);
    if (ask.exec() != QDialog::Accepted)
        return std::nullopt;
    return ask.textValue();
}

QString Messages::markDescription(bool needsReview, qsizetype rows)
{
    const QString what = needsReview ? QStringLiteral("Mark %1 for review") : QStringLiteral("Unmark %1 for review");
    return what.arg(rows == 1 ? QStringLiteral("row") : QStringLiteral("%1 rows").arg(rows));
}

QString Messages::doneDescription(bool done, qsizetype rows)
{
    const QString what = done ? QStringLiteral("Mark %1 done as it is") : QStringLiteral("Unmark %1 done as it is");
    return what.arg(rows == 1 ? QStringLiteral("row") : QStringLiteral("%1 rows").arg(rows));
}

QString Messages::noteDescription(int rowNumber)
{
    return QStringLiteral("Note on row %1").arg(rowNumber);
}

void Messages::importReport(QWidget *parent, const QString &description, const QStringList &report)
{
    QMessageBox(QMessageBox::Information, description,
                report.join(QLatin1Char('\n'))
                    + QStringLiteral("\n\nNothing is saved yet: save to put the texts into \"lang.dat\", or undo "
                                     "the import with Ctrl+Z."),
                QMessageBox::Ok, parent)
        .exec();
}

QMessageBox::StandardButton Messages::askFileCodePage(QWidget *parent, const QString &file, int fileCodePage,
                                                      int kitCodePage)
{
    QMessageBox box(QMessageBox::Question, importDescription(file),
                    QStringLiteral("%1 was written for code page %2 (%3); the kit uses %4 (%5).\n\nImport it in "
                                   "code page %2, and use that code page from now on? Ctrl+Z takes back both.")
                        .arg(QFileInfo(file).fileName())
                        .arg(fileCodePage)
                        .arg(CodePage::describe(fileCodePage))
                        .arg(kitCodePage)
                        .arg(CodePage::describe(kitCodePage)),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Use code page %1").arg(fileCodePage));
    box.button(QMessageBox::No)->setText(QStringLiteral("Keep code page %1").arg(kitCodePage));
    box.setDefaultButton(QMessageBox::Yes);
    return ask(box);
}

bool Messages::askImportTheRest(QWidget *parent, const QString &description, const QStringList &report)
{
    QMessageBox box(QMessageBox::Warning, description,
                    report.join(QLatin1Char('\n'))
                        + QStringLiteral("\n\nThe refused translations cannot be imported: mend them in the "
                                         "file, or import the others now and leave those rows as they are."),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Import the others"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Import nothing"));
    box.setDefaultButton(QMessageBox::No);
    return ask(box) == QMessageBox::Yes;
}

void Messages::spellingProblems(QWidget *parent, const std::vector<FormatError> &problems, bool checking)
{
    if (problems.empty())
        return;
    const QString intro = checking
        ? QStringLiteral("The spell check runs without the words of the kit's dictionary, which cannot be read. The "
                         "file is left as it is: mend it (UTF-8 text, one word per line) and open the kit again to "
                         "have its words back.")
        : QStringLiteral("The spell check is off: its dictionary cannot be used. Choose another one, or install it "
                         "(Debian's hunspell packages, e.g. hunspell-en-us).");
    QStringList lines;
    for (const FormatError &problem : problems)
        lines.append(QString::fromStdString(problem.text()));
    QMessageBox::warning(parent, KitApplication::Title, intro + QStringLiteral("\n\n") + lines.join(QLatin1Char('\n')));
}

void Messages::cannotAddWord(QWidget *parent, const QString &word, const FormatError &error)
{
    showError(parent, QStringLiteral("\"%1\" was not added to the kit's dictionary:\n\n%2\n\nThe file is left as it is.")
                          .arg(word, QString::fromStdString(error.text())));
}

QString Messages::spellLanguage(const QString &language, int suggestedFor)
{
    const QLocale locale(language);
    QString text = language;
    if (locale.language() != QLocale::C)
        text += QStringLiteral(" (%1)").arg(QLocale::languageToString(locale.language()));
    if (suggestedFor)
        text += QStringLiteral(" - suggested for code page %1").arg(suggestedFor);
    return text;
}

QString Messages::foundInRow(int rowNumber)
{
    return QStringLiteral("Found in row %1.").arg(rowNumber);
}

QString Messages::notFound(const QString &text)
{
    return QStringLiteral("\"%1\" is in no translation of the rows shown.").arg(text);
}

QString Messages::replaceRefused(int rowNumber, QChar refused, int codePage)
{
    return QStringLiteral("Nothing replaced: row %1 would hold \"%2\" (U+%3), which code page %4 cannot store.")
        .arg(rowNumber)
        .arg(refused)
        .arg(refused.unicode(), 4, 16, QLatin1Char('0'))
        .arg(CodePage::describe(codePage));
}

QString Messages::replaced(int places, int rows)
{
    if (places == 0)
        return QStringLiteral("Nothing to replace in the rows shown.");
    return QStringLiteral("Replaced %1 time(s) in %2 row(s).").arg(places).arg(rows);
}

QString Messages::replaceDescription(const QString &find, const QString &replacement)
{
    return QStringLiteral("Replace \"%1\" with \"%2\"").arg(find, replacement);
}

QString Messages::drawingFace(const QString &family, const std::optional<QString> &served, const QString &fallback)
{
    if (!served)
        return QStringLiteral("%1 is not installed: the glyphs are drawn with %2, the system's fallback face.")
            .arg(family, fallback);
    if (served->compare(family, Qt::CaseInsensitive) != 0)
        return QStringLiteral("%1 is not installed: the glyphs are drawn with %2.").arg(family, *served);
    return QString();
}

} // namespace orvanta
