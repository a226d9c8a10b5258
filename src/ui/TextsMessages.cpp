#include "TextsMessages.h"

#include "KitApplication.h"
#include "Messages.h"
#include "kit/Translations.h"
#include "texts/CodePage.h"
#include "texts/TextFile.h"

#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>

namespace orvanta {

namespace {

// Counts as the translator reads them in the window's language: "1,234"
// in English.
QString counted(qint64 number)
{
    return Translations::numbers().toString(number);
}

} // namespace

QString TextsMessages::progressLine(const TextReview::Progress &progress, int fontWidening)
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

const QString TextsMessages::WiderLink = QStringLiteral("wider");

QString TextsMessages::byteCount(qsizetype bytes)
{
    return tr("%1 / %2 bytes").arg(bytes).arg(TextFile::RecordSize);
}

QString TextsMessages::rowStateTip(int rowNumber, TextReview::State state, const ReviewMarks::Mark &mark,
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

QString TextsMessages::fixedRowTip()
{
    return tr("Reset to the original text at every save");
}

QString TextsMessages::sourceCellTip(bool fixed)
{
    if (fixed)
        return tr("This is the text the game will get: every save writes it as the translation. "
                  "Edit it here if the game needs another one.");
    return tr("The original text, as the game's own data holds it. It cannot be edited: the kit never "
              "writes it, so an edit would be lost at the next start. Translate it on the right.");
}

int TextsMessages::askRowNumber(QWidget *parent, int current, int rows)
{
    bool ok = false;
    const int row = QInputDialog::getInt(parent, tr("Go to row"),
                                         tr("Row number (1 to %1):").arg(rows), current, 1, rows, 1,
                                         &ok);
    return ok ? row : 0;
}

std::optional<QString> TextsMessages::askNote(QWidget *parent, int rowNumber, const QString &note)
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

QString TextsMessages::markDescription(bool needsReview, qsizetype rows)
{
    if (rows == 1)
        return needsReview ? tr("Mark row for review") : tr("Unmark row for review");
    const int n = int(rows);
    return (needsReview ? tr("Mark %1 rows for review", nullptr, n) : tr("Unmark %1 rows for review", nullptr, n))
        .arg(rows);
}

QString TextsMessages::doneDescription(bool done, qsizetype rows)
{
    if (rows == 1)
        return done ? tr("Mark row done as it is") : tr("Unmark row done as it is");
    const int n = int(rows);
    return (done ? tr("Mark %1 rows done as it is", nullptr, n) : tr("Unmark %1 rows done as it is", nullptr, n))
        .arg(rows);
}

QString TextsMessages::noteDescription(int rowNumber)
{
    return tr("Note on row %1").arg(rowNumber);
}

QString TextsMessages::sameTranslationDescription(int rowNumber)
{
    return tr("Use the translation of row %1 for every identical source").arg(rowNumber);
}

QString TextsMessages::pixelWidth(int pixels)
{
    return tr("%1 px").arg(pixels);
}

QString TextsMessages::codePageRefusal(QChar refused, int codePage)
{
    return tr("\"%1\" (U+%2) cannot be stored in code page %3. Choose the code page of your "
              "language on the Font page.")
        .arg(refused)
        .arg(refused.unicode(), 4, 16, QLatin1Char('0'))
        .arg(CodePage::describe(codePage));
}

QString TextsMessages::suggestionScore(int percent, bool fuzzy)
{
    return fuzzy ? tr("%1% fuzzy").arg(percent) : QStringLiteral("%1%").arg(percent);
}

QString TextsMessages::fuzzySuggestionTip()
{
    return tr("Marked fuzzy in its memory: taken, the row is marked needs review");
}

QString TextsMessages::suggestionOriginal(const QString &source)
{
    return tr("Original: %1").arg(source);
}

void TextsMessages::memoriesLeftOut(QWidget *parent, const QStringList &problems)
{
    const QString text = problems.size() == 1
        ? tr("A translation memory could not be read; the suggestions come without it:\n\n%1")
        : tr("Some translation memories could not be read; the suggestions come without them:\n\n%1");
    QMessageBox::warning(parent, KitApplication::Title, text.arg(problems.join(QLatin1Char('\n'))));
}

void TextsMessages::spellingProblems(QWidget *parent, const std::vector<FormatError> &problems, bool checking)
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

void TextsMessages::cannotAddWord(QWidget *parent, const QString &word, const FormatError &error)
{
    Messages::showError(parent, tr("\"%1\" was not added to the kit's dictionary:\n\n%2\n\nThe file is left as it is.")
                          .arg(word, QString::fromStdString(error.text())));
}

QString TextsMessages::spellLanguage(const QString &language, int suggestedFor)
{
    const QLocale locale(language);
    QString text = language;
    if (locale.language() != QLocale::C)
        text += QStringLiteral(" (%1)").arg(QLocale::languageToString(locale.language()));
    if (suggestedFor)
        text += tr(" - suggested for code page %1").arg(suggestedFor);
    return text;
}

QString TextsMessages::foundInRow(int rowNumber)
{
    return tr("Found in row %1.").arg(rowNumber);
}

QString TextsMessages::notFound(const QString &text)
{
    return tr("\"%1\" is in no translation of the rows shown.").arg(text);
}

QString TextsMessages::replaceRefused(int rowNumber, QChar refused, int codePage)
{
    return tr("Nothing replaced: row %1 would hold \"%2\" (U+%3), which code page %4 cannot store.")
        .arg(rowNumber)
        .arg(refused)
        .arg(refused.unicode(), 4, 16, QLatin1Char('0'))
        .arg(CodePage::describe(codePage));
}

QString TextsMessages::replaced(int places, int rows)
{
    if (places == 0)
        return tr("Nothing to replace in the rows shown.");
    return tr("Replaced %1 time(s) in %2 row(s).").arg(places).arg(rows);
}

QString TextsMessages::replaceDescription(const QString &find, const QString &replacement)
{
    return tr("Replace \"%1\" with \"%2\"").arg(find, replacement);
}

} // namespace orvanta
