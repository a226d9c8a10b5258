#include "Messages.h"

#include "KitApplication.h"
#include "kit/KitSave.h"
#include "kit/Translations.h"
#include "pictures/PaletteFit.h"
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

QString Messages::translated(const char *context, const QString &english)
{
    return QCoreApplication::translate(context, english.toUtf8().constData());
}

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
    // A refusal of the picture check in the window's language; any other
    // (a file that cannot be read) as it comes.
    QMessageBox box(QMessageBox::NoIcon, tr("Attantion"), translated("orvanta::TranslatedPictureCheck", refusal),
                    QMessageBox::Ok, parent);
    box.setInformativeText(detail);
    box.exec();
}

bool Messages::askUseConverted(QWidget *parent)
{
    QMessageBox box(QMessageBox::Question, KitApplication::Title,
                    QCoreApplication::translate("orvanta::PaletteFit", PaletteFit::UseConvertedQuestion),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return ask(box) == QMessageBox::Yes;
}

QString Messages::suggestionScore(int percent, bool fuzzy)
{
    return fuzzy ? tr("%1% fuzzy").arg(percent) : QStringLiteral("%1%").arg(percent);
}

QString Messages::fuzzySuggestionTip()
{
    return tr("Marked fuzzy in its memory: taken, the row is marked needs review");
}

QString Messages::suggestionOriginal(const QString &source)
{
    return tr("Original: %1").arg(source);
}

bool Messages::askUseNearest(QWidget *parent, const PaletteFit::Fitting &fitting)
{
    QMessageBox box(QMessageBox::Question, KitApplication::Title,
                    tr("Some colours of this picture are not in the game palette. Use it with each of "
                       "them changed to the nearest colour of the palette, as shown?"),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setInformativeText(fitting.foreignReport()
                           + tr("\nThe largest change is a distance of %1 in red, green and blue.")
                                 .arg(fitting.largestDistance, 0, 'f', 1));
    // Enlarged by a whole factor, each pixel a sharp square, to about 320 pixels.
    const QImage &picture = fitting.picture;
    const int factor = std::clamp(320 / std::max(1, std::max(picture.width(), picture.height())), 1, 4);
    box.setIconPixmap(QPixmap::fromImage(picture.scaled(picture.size() * factor)));
    box.setDefaultButton(QMessageBox::No);
    return ask(box) == QMessageBox::Yes;
}

QString Messages::refusalClearedPicture()
{
    return tr("The translated picture chosen before is removed; Ctrl+Z brings it back.");
}

QString Messages::pictureDetails(QSize size, int translated, int pictures)
{
    return tr("Size: %1 × %2 pixels\n%3 of %4 pictures translated")
        .arg(size.width())
        .arg(size.height())
        .arg(translated)
        .arg(pictures);
}

QString Messages::translatedPictureTip()
{
    return tr("Has a translated picture");
}

QString Messages::pictureFileCaption(QSize size, int colours)
{
    QString caption = tr("%1 × %2 pixels").arg(size.width()).arg(size.height());
    if (colours > 0)
        caption += tr(", %1 colours").arg(colours);
    return caption;
}

QString Messages::noPreview()
{
    return tr("No preview");
}

QString Messages::pixelWidth(int pixels)
{
    return tr("%1 px").arg(pixels);
}

void Messages::completed(QWidget *parent, const QStringList &notices)
{
    QMessageBox box(QMessageBox::NoIcon, tr("Completed"), translated("KitSave", KitSave::SuccessText),
                    QMessageBox::Ok, parent);
    box.setInformativeText(notices.join(QLatin1Char('\n')));
    box.exec();
}

void Messages::saveFailed(QWidget *parent, const FormatError &error)
{
    // A save that failed after its journal stood has put "lang.dat" in place.
    if (error.kind == FormatError::Kind::Unfinished) {
        showError(parent, tr("\"lang.dat\" was saved, but the save is not finished:\n\n%1\n\nThe new "
                                         "\"lang.dat\" is in place; the rest of the save is put in place when the "
                                         "kit is next saved or opened.")
                              .arg(QString::fromStdString(error.text())));
        return;
    }
    showError(parent, tr("\"lang.dat\" was not saved:\n\n%1\n\nThe previous \"lang.dat\" is unchanged.")
                          .arg(QString::fromStdString(error.text())));
}

void Messages::cannotCreateFile(QWidget *parent, const QString &path)
{
    showError(parent, tr("Cannot create file %1").arg(QDir::toNativeSeparators(path)));
}

QString Messages::archiveProblemsText(const std::vector<FormatError> &problems)
{
    QString text = tr("A language archive of the kit is missing or damaged and was read only in part:\n\n");
    // A badly damaged archive can have a problem in every record: list the
    // first few, so the message stays readable.
    constexpr std::size_t Listed = 10;
    for (std::size_t i = 0; i < problems.size() && i < Listed; ++i)
        text += QString::fromStdString(problems[i].text()) + QLatin1Char('\n');
    if (problems.size() > Listed)
        text += tr("... and %1 more problems of the same kind\n").arg(problems.size() - Listed);
    text += tr(
        "\nWhatever could not be read is shown from the kit's own data (source texts, standard pictures). "
        "A save now writes a new \"lang.dat\" from what you see; keep a copy of the damaged file if you need "
        "its contents.");
    return text;
}

void Messages::startupProblems(QWidget *parent, const std::vector<FormatError> &archiveProblems,
                               const QStringList &settingsWarnings, const std::vector<FormatError> &notices)
{
    QStringList parts;
    if (!archiveProblems.empty())
        parts.append(archiveProblemsText(archiveProblems));
    for (const FormatError &notice : notices)
        parts.append(QString::fromStdString(notice.text()));
    if (!settingsWarnings.isEmpty())
        parts.append(tr("Some of your settings were ignored; the kit's defaults stand in for them:\n\n")
                     + settingsWarnings.join(QLatin1Char('\n')));
    if (!parts.isEmpty())
        QMessageBox::warning(parent, KitApplication::Title, parts.join(QStringLiteral("\n\n")));
}

bool Messages::askReplaceGlyphs(QWidget *parent, const QString &glyphs)
{
    QMessageBox box(QMessageBox::Question, KitApplication::Title,
                    tr("lang.dat holds glyphs of another font or code page. Replace them with %1?\n\n"
                       "If the game's texts should keep their letters, choose their font and code "
                       "page on the Font page first.")
                        .arg(glyphs),
                    QMessageBox::Yes | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Cancel);
    return ask(box) == QMessageBox::Yes;
}

bool Messages::askSaveFewerTexts(QWidget *parent, const QString &fewerTexts)
{
    QMessageBox box(QMessageBox::Warning, KitApplication::Title, fewerTexts + tr("\n\nSave anyway?"),
                    QMessageBox::Save | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Cancel);
    return ask(box) == QMessageBox::Save;
}

bool Messages::askReplaceReadOnly(QWidget *parent, const QString &readOnly)
{
    QMessageBox box(QMessageBox::Warning, KitApplication::Title, readOnly + tr("\n\nReplace it anyway?"),
                    QMessageBox::Save | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Cancel);
    return ask(box) == QMessageBox::Save;
}

QMessageBox::StandardButton Messages::askChangedOnDisk(QWidget *parent)
{
    QMessageBox box(QMessageBox::Warning, KitApplication::Title,
                    tr("\"lang.dat\" has changed on disk since the kit read or last saved it: another "
                       "save (kvtool, another window) wrote it meanwhile.\n\n"
                       "Reload the kit's texts and pictures from it (your unsaved edits are lost), "
                       "overwrite it with your work (what the other save wrote is lost, but stays in "
                       "\"lang.dat.bak\" until the next save), or cancel?"),
                    QMessageBox::Reset | QMessageBox::Save | QMessageBox::Cancel, parent);
    box.button(QMessageBox::Reset)->setText(tr("Reload"));
    box.button(QMessageBox::Save)->setText(tr("Overwrite"));
    box.setDefaultButton(QMessageBox::Cancel);
    return ask(box);
}

QMessageBox::StandardButton Messages::askSaveBeforeClosing(QWidget *parent)
{
    QMessageBox box(QMessageBox::Question, KitApplication::Title,
                    tr("Some of your work is not saved in \"lang.dat\" yet.\n\n"
                       "Save it before the kit closes?"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Save);
    return ask(box);
}

QMessageBox::StandardButton Messages::askOpenAgain(const QString &kitDirectory, const QString &holder)
{
    QMessageBox box(QMessageBox::Warning, KitApplication::Title,
                    tr("The kit in %1 is already open in another window (%2).\n\n"
                       "Two windows on one kit save over each other's work. Open it anyway?")
                        .arg(QDir::toNativeSeparators(kitDirectory), holder),
                    QMessageBox::Open | QMessageBox::Close);
    box.button(QMessageBox::Open)->setText(tr("Open anyway"));
    box.button(QMessageBox::Close)->setText(tr("Quit"));
    box.setDefaultButton(QMessageBox::Close);
    return ask(box);
}

QString Messages::codePageRefusal(QChar refused, int codePage)
{
    return tr("\"%1\" (U+%2) cannot be stored in code page %3. Choose the code page of your "
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
    return tr("%1. \"lang.dat\" cannot be saved with this font: choose a smaller one.").arg(what);
}

void Messages::fontTooLarge(QWidget *parent, const FormatError &refusal)
{
    QMessageBox::warning(parent, KitApplication::Title,
                         fontTooLargeText(refusal) + tr("\n\nUndo (Ctrl+Z) takes the choice back."));
}

QString Messages::glyphCellTip(int code, const CodePage &codePage, int width, bool missing)
{
    const auto byte = static_cast<unsigned char>(code);
    const QChar character = codePage.character(byte);
    QString tip = tr("Code %1 (0x%2): ").arg(code).arg(code, 2, 16, QLatin1Char('0'));
    const QString unicode = QStringLiteral("U+%1").arg(character.unicode(), 4, 16, QLatin1Char('0')).toUpper();
    if (!codePage.defines(byte))
        tip += tr("no character in code page %1").arg(CodePage::describe(codePage.number()));
    else if (character.isPrint())
        tip += tr("\"%1\" %2").arg(character, unicode);
    else
        tip += tr("control character %1").arg(unicode);
    tip += tr("\n%1 pixels wide").arg(width);
    if (missing)
        tip += tr("\nNo glyph in this font: the save writes the stand-in shown");
    return tip;
}

namespace {

// Counts as the translator reads them in the window's language: "1,234"
// in English.
QString counted(qint64 number)
{
    return Translations::numbers().toString(number);
}

} // namespace

QString Messages::importDescription(const QString &file)
{
    return tr("Import texts from %1").arg(QFileInfo(file).fileName());
}

QString Messages::olderKitDescription(const QString &folder)
{
    return tr("Take translations from the older kit %1").arg(QDir::toNativeSeparators(folder));
}

QString Messages::carryOverDescription()
{
    return tr("Carry translations over to the new source texts");
}

bool Messages::askCarryOver(QWidget *parent, const QString &shift)
{
    QMessageBox box(QMessageBox::Question, KitApplication::Title,
                    shift
                        + tr(".\n\nCarry every translation, note and mark over to the row where its "
                             "source text stands now (one step you can undo), or open the kit as it "
                             "is, each translation in its row?"),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.button(QMessageBox::Yes)->setText(tr("Carry over"));
    box.button(QMessageBox::No)->setText(tr("Open as it is"));
    box.setDefaultButton(QMessageBox::Yes);
    return ask(box) == QMessageBox::Yes;
}

void Messages::memoriesLeftOut(QWidget *parent, const QStringList &problems)
{
    const QString text = problems.size() == 1
        ? tr("A translation memory could not be read; the suggestions come without it:\n\n%1")
        : tr("Some translation memories could not be read; the suggestions come without them:\n\n%1");
    QMessageBox::warning(parent, KitApplication::Title, text.arg(problems.join(QLatin1Char('\n'))));
}

QString Messages::sameTranslationDescription(int rowNumber)
{
    return tr("Use the translation of row %1 for every identical source").arg(rowNumber);
}

QString Messages::historyStep(bool undone, const QString &what)
{
    return (undone ? tr("Undone: %1") : tr("Redone: %1")).arg(what);
}

QString Messages::fixedRowTip()
{
    return tr("Reset to the original text at every save");
}

bool Messages::askReadOtherwise(QWidget *parent, int number, int rowNumber, const QString &now, const QString &then)
{
    QMessageBox box(QMessageBox::Question, KitApplication::Title,
                    tr("Your translations hold letters that code page %1 reads otherwise: in row %2, "
                       "\"%3\" would become \"%4\".\n\nThe kit keeps the bytes you typed; the code page "
                       "only says which letters they are, in the grid, the glyphs and lang.dat. Change "
                       "the code page? (Ctrl+Z takes it back.)")
                        .arg(number)
                        .arg(rowNumber)
                        .arg(now, then),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.button(QMessageBox::Yes)->setText(tr("Change the code page"));
    box.button(QMessageBox::No)->setText(tr("Keep code page"));
    box.setDefaultButton(QMessageBox::No);
    return ask(box) == QMessageBox::Yes;
}

QString Messages::windowLanguageNote()
{
    return tr("The window speaks it from the next start.");
}

void Messages::guideAt(QWidget *parent, const QString &path)
{
    QMessageBox(QMessageBox::Information, KitApplication::Title,
                tr("The translator's guide is %1.\n\nNo program to show it was found here: open it "
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
    QString line = plain(tr("%1 of %2 texts translated (%3%)")
                             .arg(counted(progress.translated), counted(progress.texts),
                                  percent == 0 && progress.translated > 0 ? QStringLiteral("<1")
                                                                          : QString::number(percent)))
        + separator;
    if (progress.toReview != 0)
        line += plain(tr("%1 to review").arg(counted(progress.toReview))) + separator;
    const QString warnings = plain(progress.warnings == 1
                                       ? tr("1 warning")
                                       : tr("%1 warnings", nullptr, progress.warnings).arg(counted(progress.warnings)));
    line += progress.warnings == 0 ? warnings : QStringLiteral("<a href=\"warnings\">%1</a>").arg(warnings);
    // Apart from the faults: a reason to look in the game, not a mistake.
    if (progress.wider != 0)
        line += separator + QStringLiteral("<a href=\"%1\">%2</a>")
                                .arg(WiderLink, plain(tr("%1 drawn wider").arg(counted(progress.wider))));
    if (fontWidening != 0)
        line += separator + plain(tr("your font draws %1% wider").arg(fontWidening));
    return line;
}

const QString Messages::WiderLink = QStringLiteral("wider");

QString Messages::byteCount(qsizetype bytes)
{
    return tr("%1 / %2 bytes").arg(bytes).arg(TextFile::RecordSize);
}

QString Messages::rowStateTip(int rowNumber, TextReview::State state, const ReviewMarks::Mark &mark,
                              const QList<TextFinding> &findings)
{
    QString tip;
    switch (state) {
    case TextReview::State::Untranslated:
        tip = tr("Not translated yet: the translation is the original text");
        break;
    case TextReview::State::Translated:
        tip = mark.done ? tr("Translated: done as it is") : tr("Translated");
        break;
    case TextReview::State::NeedsReview: tip = tr("Needs review (Ctrl+U takes the mark away)"); break;
    case TextReview::State::Fixed: tip = fixedRowTip(); break;
    }
    if (!mark.note.isEmpty())
        tip += tr("\nNote: ") + mark.note;
    for (const TextFinding &finding : findings)
        tip += tr("\nWarning (%1): %2").arg(finding.check, finding.message);
    return tip + tr("\nRow %1").arg(counted(rowNumber));
}

QString Messages::sourceCellTip(bool fixed)
{
    if (fixed)
        return tr("This is the text the game will get: every save writes it as the translation. "
                  "Edit it here if the game needs another one.");
    return tr("The original text, as the game's own data holds it. It cannot be edited: the kit never "
              "writes it, so an edit would be lost at the next start. Translate it on the right.");
}

int Messages::askRowNumber(QWidget *parent, int current, int rows)
{
    bool ok = false;
    const int row = QInputDialog::getInt(parent, tr("Go to row"),
                                         tr("Row number (1 to %1):").arg(rows), current, 1, rows, 1,
                                         &ok);
    return ok ? row : 0;
}

std::optional<QString> Messages::askNote(QWidget *parent, int rowNumber, const QString &note)
{
    QInputDialog ask(parent);
    ask.setOption(QInputDialog::UsePlainTextEditForTextInput);
    ask.setWindowTitle(tr("Note"));
    ask.setLabelText(
        tr("Note for the reviewer on row %1 (kept in the kit folder, never in lang.dat):").arg(rowNumber));
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
    if (rows == 1)
        return needsReview ? tr("Mark row for review") : tr("Unmark row for review");
    const int n = int(rows);
    return (needsReview ? tr("Mark %1 rows for review", nullptr, n) : tr("Unmark %1 rows for review", nullptr, n))
        .arg(rows);
}

QString Messages::doneDescription(bool done, qsizetype rows)
{
    if (rows == 1)
        return done ? tr("Mark row done as it is") : tr("Unmark row done as it is");
    const int n = int(rows);
    return (done ? tr("Mark %1 rows done as it is", nullptr, n) : tr("Unmark %1 rows done as it is", nullptr, n))
        .arg(rows);
}

QString Messages::noteDescription(int rowNumber)
{
    return tr("Note on row %1").arg(rowNumber);
}

void Messages::importReport(QWidget *parent, const QString &description, const QStringList &report)
{
    QMessageBox(QMessageBox::Information, description,
                report.join(QLatin1Char('\n'))
                    + tr("\n\nNothing is saved yet: save to put the texts into \"lang.dat\", or undo "
                         "the import with Ctrl+Z."),
                QMessageBox::Ok, parent)
        .exec();
}

QMessageBox::StandardButton Messages::askFileCodePage(QWidget *parent, const QString &file, int fileCodePage,
                                                      int kitCodePage)
{
    QMessageBox box(QMessageBox::Question, importDescription(file),
                    tr("%1 was written for code page %2 (%3); the kit uses %4 (%5).\n\nImport it in "
                       "code page %2, and use that code page from now on? Ctrl+Z takes back both.")
                        .arg(QFileInfo(file).fileName())
                        .arg(fileCodePage)
                        .arg(CodePage::describe(fileCodePage))
                        .arg(kitCodePage)
                        .arg(CodePage::describe(kitCodePage)),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.button(QMessageBox::Yes)->setText(tr("Use code page %1").arg(fileCodePage));
    box.button(QMessageBox::No)->setText(tr("Keep code page %1").arg(kitCodePage));
    box.setDefaultButton(QMessageBox::Yes);
    return ask(box);
}

bool Messages::askImportTheRest(QWidget *parent, const QString &description, const QStringList &report)
{
    QMessageBox box(QMessageBox::Warning, description,
                    report.join(QLatin1Char('\n'))
                        + tr("\n\nThe refused translations cannot be imported: mend them in the "
                             "file, or import the others now and leave those rows as they are."),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.button(QMessageBox::Yes)->setText(tr("Import the others"));
    box.button(QMessageBox::No)->setText(tr("Import nothing"));
    box.setDefaultButton(QMessageBox::No);
    return ask(box) == QMessageBox::Yes;
}

void Messages::spellingProblems(QWidget *parent, const std::vector<FormatError> &problems, bool checking)
{
    if (problems.empty())
        return;
    const QString intro = checking
        ? tr("The spell check runs without the words of the kit's dictionary, which cannot be read. The "
             "file is left as it is: mend it (UTF-8 text, one word per line) and open the kit again to "
             "have its words back.")
        : tr("The spell check is off: its dictionary cannot be used. Choose another one, or install it "
             "(Debian's hunspell packages, e.g. hunspell-en-us).");
    QStringList lines;
    for (const FormatError &problem : problems)
        lines.append(QString::fromStdString(problem.text()));
    QMessageBox::warning(parent, KitApplication::Title, intro + QStringLiteral("\n\n") + lines.join(QLatin1Char('\n')));
}

void Messages::cannotAddWord(QWidget *parent, const QString &word, const FormatError &error)
{
    showError(parent, tr("\"%1\" was not added to the kit's dictionary:\n\n%2\n\nThe file is left as it is.")
                          .arg(word, QString::fromStdString(error.text())));
}

QString Messages::spellLanguage(const QString &language, int suggestedFor)
{
    const QLocale locale(language);
    QString text = language;
    if (locale.language() != QLocale::C)
        text += QStringLiteral(" (%1)").arg(QLocale::languageToString(locale.language()));
    if (suggestedFor)
        text += tr(" - suggested for code page %1").arg(suggestedFor);
    return text;
}

QString Messages::foundInRow(int rowNumber)
{
    return tr("Found in row %1.").arg(rowNumber);
}

QString Messages::notFound(const QString &text)
{
    return tr("\"%1\" is in no translation of the rows shown.").arg(text);
}

QString Messages::replaceRefused(int rowNumber, QChar refused, int codePage)
{
    return tr("Nothing replaced: row %1 would hold \"%2\" (U+%3), which code page %4 cannot store.")
        .arg(rowNumber)
        .arg(refused)
        .arg(refused.unicode(), 4, 16, QLatin1Char('0'))
        .arg(CodePage::describe(codePage));
}

QString Messages::replaced(int places, int rows)
{
    if (places == 0)
        return tr("Nothing to replace in the rows shown.");
    return tr("Replaced %1 time(s) in %2 row(s).").arg(places).arg(rows);
}

QString Messages::replaceDescription(const QString &find, const QString &replacement)
{
    return tr("Replace \"%1\" with \"%2\"").arg(find, replacement);
}

QString Messages::drawingFace(const QString &family, const std::optional<QString> &served, const QString &fallback)
{
    if (!served)
        return tr("%1 is not installed: the glyphs are drawn with %2, the system's fallback face.")
            .arg(family, fallback);
    if (served->compare(family, Qt::CaseInsensitive) != 0)
        return tr("%1 is not installed: the glyphs are drawn with %2.").arg(family, *served);
    return QString();
}

} // namespace orvanta
