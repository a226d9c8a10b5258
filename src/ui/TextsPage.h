#pragma once

#include "AnchorLayout.h"
#include "kit/KitSuggestions.h"
#include "kit/OpenKit.h"

#include <QFileDialog>
#include <QList>
#include <QWidget>

class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace orvanta {

class DocumentReview;
class DocumentSuggestions;
class KitDocument;
class KitSettings;
class SuggestionsList;
class TextChecksList;
class TextGrid;
class TextGridModel;
class TextPreview;
class TextTableModel;
class TranslationLabel;

// The page "Texts" ("TabSheet2"), the translator's workbench: the text grid
// with every source text beside its translation, edited in place, and below
// it the two texts of the current row in full. Around them:
// - each row's state in its number cell, and the checks' warnings (never a
//   bar to typing or saving) with the progress line, which opens the list
//   of warnings;
// - the current translation's length in bytes;
// - the search field and the filter, which stand in the window's bottom row
//   (windowRow(), placed there by the window) while the page is current;
// - the current row drawn in the game's glyphs with the suggestions beside
//   it (translations of identical and similar originals from the kit's
//   other rows and the translation memories in the settings), and the list
//   of warnings: between the grid and the labels when the window is tall
//   enough, in small windows of their own otherwise;
// - "Export texts..." and "Import texts..." (also in the grid's menu);
// - the translator's review marks of the selected rows: "Needs review"
//   (Ctrl+U), "Done as it is" for a translation that rightly equals its
//   source (Ctrl+Shift+U), and "Edit note..." (Ctrl+M), each one step that
//   can be undone, shown in the number cell and its tooltip and saved with
//   the texts;
// - the spell check (the grid's menu "Spell check"): one of the installed
//   dictionaries or none, remembered in the settings, the code page's
//   language marked as suggested; misspelt words underlined in the grid,
//   the cell editor and the translation's label.
//
// Keys: the keyboard starts in the grid, on the current row's translation
// (focusGrid()); Ctrl+F goes to the search field, where typing filters at once,
// Enter or Down goes to the translation of the first row shown and Escape
// clears the search; Ctrl+J goes to the next untranslated row, Ctrl+G to a
// row by its number; Alt+1 to Alt+9 take the current row's first nine
// suggestions.
//
// The current row is remembered in the settings and taken up again when the
// page is made.
class TextsPage : public QWidget {
    Q_OBJECT

public:
    TextsPage(KitDocument &document, KitSettings &settings, AnchorLayout::Growth growth, QWidget *parent = nullptr);

    TextGrid *grid() const { return m_textGrid; }
    // The page's controls in the window's bottom row: the window places it
    // there and shows it while the page is current.
    QWidget *windowRow() const { return m_windowRow; }

    // The grid's current row, from 1; 0 when the grid is empty.
    int currentRowNumber() const;
    // Makes row number `rowNumber` current (the first or last row when it lies outside),
    // showing every row when the search or filter hides it.
    void setCurrentRowNumber(int rowNumber);

    // Gives the grid the keyboard, on the current row's translation.
    void focusGrid();

    // Captures the glyphs for the `wider` check and the preview, and reads
    // the translation memories for the suggestions: the page starts without
    // them, and the window asks once it is first painted.
    void measureWidths();

public slots:
    // `Label11` and `Label12` show the two texts of row number `rowNumber`.
    void ShowRowTexts(int rowNumber);
    void StringGridSelectCell(int ACol, int ARow);
    void StringGridEnter();
    void StringGridSetEditText(int ACol, int ARow, const QString &Value);

    // "Export texts...": the texts as they stand, to a PO or CSV file.
    void exportTexts();
    // "Import texts...": a PO, XLIFF or CSV file's translations, as one
    // step that can be undone; nothing is saved.
    void importTexts();
    // "Take translations from an older kit...": an older kit folder's
    // translations carried over (TextMigration), as one step that can be
    // undone; nothing is saved.
    void takeFromOlderKit();
    // Spell checks with the dictionary of `language` ("" for none) and
    // remembers the choice.
    void chooseSpelling(const QString &language);
    // "Use this translation for every identical source": the current row's
    // translation for every other row of the same original, as one step.
    void useTranslationForIdenticalSources();
    // "Add translation memory...": a PO, XLIFF or CSV file, or another kit's
    // kvmain.dat (for its folder), remembered in the settings.
    void addMemory();
    // "Forget translation memories".
    void forgetMemories();
    // The current row's suggestion `index` (from 0) as its translation.
    void takeSuggestion(int index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void addWindowRow();
    void addActions();
    void addSpellingMenu();
    // Spell checks with `language` ("" for none), telling once what cannot
    // be used.
    void useSpelling(const QString &language);
    void showTranslationText(int record);
    void showRowMeasures(int record);
    void showProgress();
    void showWarnings();
    void placeReviewPanels();
    // Makes `record`'s cell in `column` current, showing every row when the
    // search or filter hides it; goToRecord() gives the grid the focus too.
    void selectRecord(int record, int column);
    void goToRecord(int record, int column);
    void focusSearch();
    void goToFirstShownRow();
    void clearSearch();
    void goToNextUntranslated();
    void askRowNumber();
    QList<int> selectedRecords() const;
    void changeMarks(bool ReviewMarks::Mark::*flag, QString (*describe)(bool, qsizetype));
    void toggleNeedsReview();
    void toggleDone();
    void editNote();
    QString chooseTextsFile(QFileDialog *&dialog, const char *name, QFileDialog::AcceptMode mode);
    // Shows what an import or migration does and applies it as one step
    // named `description`, asking first when some translations are refused;
    // `codePage` is the one it was read in (the kit takes it with the step).
    void applyImport(const OpenKit::Import &import, const QString &description, int codePage);
    QDialog *reviewWindow(QDialog *&window, const char *name, const QString &title);
    TextPreview *newPreview(QWidget *parent);
    TextChecksList *newChecksList(QWidget *parent);
    SuggestionsList *newSuggestionsList(QWidget *parent);
    void showSuggestions(int record);

    KitDocument &m_document;
    KitSettings &m_settings;
    DocumentReview *m_review = nullptr;
    TextTableModel *m_model = nullptr;
    TextGridModel *m_shown = nullptr; // the model's rows the search and filter let through
    TextGrid *m_textGrid = nullptr;
    QLabel *m_sourceText = nullptr;
    TranslationLabel *m_translationText = nullptr;
    QLabel *m_byteCount = nullptr;
    QLabel *m_progress = nullptr;
    QWidget *m_windowRow = nullptr;
    QLineEdit *m_search = nullptr;
    QComboBox *m_filter = nullptr;
    QPushButton *m_previewButton = nullptr;
    TextPreview *m_panelPreview = nullptr;  // between the grid and the labels
    TextChecksList *m_panelChecks = nullptr;
    SuggestionsList *m_panelSuggestions = nullptr;
    DocumentSuggestions *m_suggestions = nullptr;
    QList<SuggestionsList *> m_suggestionLists; // the panel's, and the preview window's once made
    QList<KitSuggestions::Suggestion> m_shownSuggestions;
    int m_suggestedRecord = -1; // whose suggestions are shown
    bool m_suggesting = false;  // from the first paint on
    QFileDialog *m_memoryDialog = nullptr;
    QList<TextPreview *> m_previews;         // the panel's, and the window's once made
    QDialog *m_previewWindow = nullptr;
    QDialog *m_checksWindow = nullptr;
    QFileDialog *m_exportDialog = nullptr;
    QFileDialog *m_importDialog = nullptr;
    QFileDialog *m_olderKitDialog = nullptr;
    int m_currentRecord = 0; // stays while the search hides it
    QMenu *m_spellingMenu = nullptr;
    QString m_rememberedSpelling; // the dictionary the settings name, "" for none
};

} // namespace orvanta
