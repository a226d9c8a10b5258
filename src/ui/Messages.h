#pragma once

#include "core/FormatError.h"
#include "pictures/PaletteFit.h"
#include "texts/ReviewMarks.h"
#include "texts/TextReview.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QWidget;

namespace orvanta {

class CodePage;

// Everything the window tells the translator about the kit, its work and
// its files, in one place: every message box with its caption and text,
// and every text that shows a state (the cells' and glyphs' tooltips, the
// progress and status lines, sizes and widths, the history's names of the
// steps). The fixed captions of controls (labels, buttons, menu items,
// dialog titles, file filters, and tooltips that say what a control does)
// stand where each control is made. Every text is in the window's language
// (tr()); counts are written as that language writes them. Boxes are modal
// and return when the translator has answered.
class Messages {
    Q_DECLARE_TR_FUNCTIONS(Messages)

public:
    // A text that a lower layer writes in English, marked there with
    // QT_TRANSLATE_NOOP(`context`, ...), in the window's language; any other
    // text as it is.
    static QString translated(const char *context, const QString &english);

    // The application's error box: the message as exceptionText() gives it,
    // under the application title, with the stop icon.
    static void showError(QWidget *parent, const QString &message);
    // A message as the error box shows it: a full stop is added when the
    // message is not empty and its last character sorts after '.'.
    static QString exceptionText(const QString &message);

    // A redrawn picture refused, under the caption "Attantion"; `detail`,
    // when given, stands below the refusal.
    static void attention(QWidget *parent, const QString &refusal, const QString &detail = QString());
    // A suggestion's score: "92%", "90% fuzzy"; the tooltip of a fuzzy one;
    // the tooltip of its origin, naming the original it translates.
    static QString suggestionScore(int percent, bool fuzzy);
    static QString fuzzySuggestionTip();
    static QString suggestionOriginal(const QString &source);
    // A picture would do converted to the game palette: whether to take it
    // so (Yes) or not.
    static bool askUseConverted(QWidget *parent);
    // Some colours of a picture are not in the game palette (`fitting`
    // names them and holds the picture with each changed to its nearest
    // palette colour, shown enlarged): whether to take it so (Yes) or not.
    static bool askUseNearest(QWidget *parent, const PaletteFit::Fitting &fitting);
    // What a refusal adds when it cleared the translated picture chosen
    // before.
    static QString refusalClearedPicture();
    // The Pictures page: the selected picture's size and how many of
    // `pictures` are translated; the tooltip of a translated one.
    static QString pictureDetails(QSize size, int translated, int pictures);
    static QString translatedPictureTip();
    // The picture file dialog's caption of the chosen file: its size, and
    // its colours when it has a palette (`colours` above 0); noPreview() when
    // it cannot be read.
    static QString pictureFileCaption(QSize size, int colours);
    static QString noPreview();
    // A text's width as the game's glyphs draw it: "37 px".
    static QString pixelWidth(int pixels);

    // A save went through, under the caption "Completed".
    // `notices`: what the save was told on the way (a stale save lock taken over).
    static void completed(QWidget *parent, const QStringList &notices);
    // A save failed: why, and that the previous "lang.dat" is unchanged; or,
    // for a save left unfinished (FormatError::Kind::Unfinished), that the
    // new one is in place and the rest follows.
    static void saveFailed(QWidget *parent, const FormatError &error);
    // A file the kit was to write could not be created.
    static void cannotCreateFile(QWidget *parent, const QString &path);

    // The window's language was chosen: it takes effect at the next start.
    static QString windowLanguageNote();

    // "?" found no program to open the translator's guide at `path`.
    static void guideAt(QWidget *parent, const QString &path);

    // What start-up found: damaged archives and ignored settings, in one box;
    // nothing is shown when there is nothing to say.
    // `notices` (OpenKit::Opened::notices) stand apart from the damage.
    static void startupProblems(QWidget *parent, const std::vector<FormatError> &archiveProblems,
                                const QStringList &settingsWarnings, const std::vector<FormatError> &notices = {});
    // kvmain.dat holds other sources than the translations were saved
    // against (`shift` says how): carry them over (true) or open as it is?
    static bool askCarryOver(QWidget *parent, const QString &shift);
    static QString archiveProblemsText(const std::vector<FormatError> &problems);

    // Before a save that would replace what "lang.dat" holds: glyphs of
    // another font or code page (`glyphs` names the ones written), text
    // records (`fewerTexts` says how many are lost). True to go on.
    static bool askReplaceGlyphs(QWidget *parent, const QString &glyphs);
    static bool askSaveFewerTexts(QWidget *parent, const QString &fewerTexts);
    // Before a save that replaces a read-only "lang.dat" (`readOnly` says
    // so). True to go on.
    static bool askReplaceReadOnly(QWidget *parent, const QString &readOnly);

    // Before a save: "lang.dat" changed on disk since the kit read or last
    // saved it. Reset (reload the kit's work and lose the unsaved edits),
    // Save (overwrite) or Cancel.
    static QMessageBox::StandardButton askChangedOnDisk(QWidget *parent);

    // Before a change to code page `number` that reads translations as other
    // letters: row `rowNumber`'s `now` would read `then`. True to change.
    static bool askReadOtherwise(QWidget *parent, int number, int rowNumber, const QString &now, const QString &then);

    // Closing on unsaved work: Save, Discard or Cancel.
    static QMessageBox::StandardButton askSaveBeforeClosing(QWidget *parent);
    // The kit folder is open in another window (`holder`): Open (anyway) or
    // Close (quit).
    static QMessageBox::StandardButton askOpenAgain(const QString &kitDirectory, const QString &holder);

    // The cell editor's tooltip when `refused` was typed or pasted.
    static QString codePageRefusal(QChar refused, int codePage);

    // A glyph font past the glyph files' limits: `refusal` is the capture's
    // refusal. The Font page shows fontTooLargeText beside the font; the
    // box says it once, when the translator chooses the font.
    static QString fontTooLargeText(const FormatError &refusal);
    static void fontTooLarge(QWidget *parent, const FormatError &refusal);
    // The tooltip of a glyph sheet cell: the code, its character in
    // `codePage`, the cell's width in pixels, and whether the font lacks
    // the glyph.
    static QString glyphCellTip(int code, const CodePage &codePage, int width, bool missing);
    // The Texts page.
    //
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
    // The number cell's tooltip: the row's state, its note, its findings,
    // then "Row 1,234", however narrow the cell.
    static QString rowStateTip(int rowNumber, TextReview::State state, const ReviewMarks::Mark &mark,
                               const QList<TextFinding> &findings);
    // A fixed row's tooltip, and a source cell's: what an edit there does.
    static QString fixedRowTip();
    static QString sourceCellTip(bool fixed);
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
    // The import of `file`, and taking the translations of the older kit in
    // `folder`, as the history names them (and the report's title).
    static QString importDescription(const QString &file);
    static QString olderKitDescription(const QString &folder);
    // Carrying the translations to where their sources stand now, after a
    // new kvmain.dat.
    static QString carryOverDescription();
    // The history's name for giving row number `rowNumber`'s translation to
    // every row of the same original.
    static QString sameTranslationDescription(int rowNumber);
    // The window's history line after an undo (or a redo) of `what`.
    static QString historyStep(bool undone, const QString &what);
    // Translation memories that could not be read (one line each, naming
    // the memory): the suggestions come without them.
    static void memoriesLeftOut(QWidget *parent, const QStringList &problems);
    // What an import (`description`) did, line by line as ImportReport words it.
    static void importReport(QWidget *parent, const QString &description, const QStringList &report);
    // The texts file `file` names code page `fileCodePage`, the kit uses
    // `kitCodePage`: Yes (import in the file's, which the kit takes), No
    // (in the kit's) or Cancel.
    static QMessageBox::StandardButton askFileCodePage(QWidget *parent, const QString &file, int fileCodePage,
                                                       int kitCodePage);
    // Some translations of an import are refused: import the others?
    static bool askImportTheRest(QWidget *parent, const QString &description, const QStringList &report);

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

    // The Font page's line on the face that draws the glyph font `family`:
    // `served` when the system draws that name with another family, or its
    // fallback face `fallback` when it knows no font of that name; empty when
    // the face itself is installed.
    static QString drawingFace(const QString &family, const std::optional<QString> &served, const QString &fallback);
};

} // namespace orvanta
