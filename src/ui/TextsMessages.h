#pragma once

#include "core/FormatError.h"
#include "texts/ReviewMarks.h"
#include "texts/TextReview.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QWidget;

namespace orvanta {

// What the Texts page tells the translator while translating: the progress
// line, the grid's tooltips, the byte counter and widths, the go-to and
// note dialogs, the history's names of review steps, suggestions, the
// spell check, and find and replace. In the window's language, counts as
// it writes them; boxes are modal.
class TextsMessages {
    Q_DECLARE_TR_FUNCTIONS(TextsMessages)

public:
    // The progress line, rich text whose plain parts are escaped: "1,234 of 1,661 texts translated (74%)"
    // ("<1%" for a start), "12 to review" when some are, "3 warnings" (a
    // link when there are any), and "your font draws 8% wider" when the
    // glyph font draws the game's texts `fontWidening` percent wider than
    // its own.
    static QString progressLine(const TextReview::Progress &progress, int fontWidening);
    // The progress line's link to the rows drawn wider ("warnings" links the
    // warnings).
    static const QString WiderLink;
    // The current translation's length: "37 / 200 bytes".
    static QString byteCount(qsizetype bytes);
    // A text's width as the game's glyphs draw it: "37 px".
    static QString pixelWidth(int pixels);
    // The number cell's tooltip: the row's state, its note, its findings,
    // then "Row 1,234", however narrow the cell.
    static QString rowStateTip(int rowNumber, TextReview::State state, const ReviewMarks::Mark &mark,
                               const QList<TextFinding> &findings);
    // A fixed row's tooltip, and a source cell's: what an edit there does.
    static QString fixedRowTip();
    static QString sourceCellTip(bool fixed);
    // The cell editor's tooltip when `refused` was typed or pasted.
    static QString codePageRefusal(QChar refused, int codePage);

    // Asks for a grid row from 1 to `rows`, offering `current`; 0 when
    // the translator cancels.
    static int askRowNumber(QWidget *parent, int current, int rows);
    // Asks for row number `rowNumber`'s note for the reviewer, offering
    // `note`; nothing when the translator cancels. Tab leaves the note,
    // Ctrl+Enter takes it.
    static std::optional<QString> askNote(QWidget *parent, int rowNumber, const QString &note);
    // What the grid's review actions do, as the history names them.
    static QString markDescription(bool needsReview, qsizetype rows);
    static QString doneDescription(bool done, qsizetype rows);
    static QString noteDescription(int rowNumber);
    // The history's name for giving row number `rowNumber`'s translation to
    // every row of the same original.
    static QString sameTranslationDescription(int rowNumber);

    // A suggestion's score: "92%", "90% fuzzy"; the tooltip of a fuzzy one;
    // the tooltip of its origin, naming the original it translates.
    static QString suggestionScore(int percent, bool fuzzy);
    static QString fuzzySuggestionTip();
    static QString suggestionOriginal(const QString &source);
    // Translation memories that could not be read (one line each, naming
    // the memory): the suggestions come without them.
    static void memoriesLeftOut(QWidget *parent, const QStringList &problems);

    // The spell check could not use what it needs (`problems`, as
    // SpellingCheck::open tells them): without a dictionary (`checking`
    // false) it is off; without the kit's dictionary it runs without its
    // words. Either way the files are left as they are.
    static void spellingProblems(QWidget *parent, const std::vector<FormatError> &problems, bool checking);
    // "Add to the kit's dictionary" failed: `word` is not added.
    static void cannotAddWord(QWidget *parent, const QString &word, const FormatError &error);
    // A dictionary as the spell check menu offers it: "en_US (English)",
    // and "... - suggested for code page 1252" when it is the code page's.
    static QString spellLanguage(const QString &language, int suggestedFor = 0);

    // Find and replace: the searched text found in row number `rowNumber`,
    // or in no row the grid shows; a replacement refused because the code
    // page cannot hold `refused` in row number `rowNumber`'s new
    // translation; what a replace-all did, and its name in the history.
    static QString foundInRow(int rowNumber);
    static QString notFound(const QString &text);
    static QString replaceRefused(int rowNumber, QChar refused, int codePage);
    static QString replaced(int places, int rows);
    static QString replaceDescription(const QString &find, const QString &replacement);
};

} // namespace orvanta
