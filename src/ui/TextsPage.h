#pragma once

#include "AnchorLayout.h"

#include <QWidget>

class QLabel;
class QSplitter;

namespace orvanta {

class DocumentReview;
class ExchangeActions;
class FindReplaceWindow;
class KitDocument;
class KitSettings;
class ProgressLine;
class ReviewActions;
class ReviewPanels;
class SpellingMenu;
class SuggestionsPanel;
class TextGrid;
class TextGridModel;
class TextTableModel;
class TextsNavigation;
class TranslationEditor;
class TranslationLabel;

// The page "Texts" ("TabSheet2"), the translator's workbench: the text grid
// with every source text beside its translation, edited in place, and below
// it the two texts of the current row in full, the current translation's
// length in bytes and the progress line (ProgressLine). The page lays out
// and wires its parts, each of which says what it does:
// - TranslationEditor: the editing pane for long translations, between the
//   grid and the labels when the window is tall enough;
// - FindReplaceWindow: find and replace over the translations of the rows
//   the grid shows (Ctrl+H);
// - TextsNavigation: the current row, the search field and the filter,
//   which stand in the window's bottom row (windowRow(), placed there by
//   the window) while the page is current, and the keys that move about;
// - ReviewPanels: the current row drawn in the game's glyphs, the
//   suggestions (SuggestionsPanel) and the list of warnings, under the
//   editing pane when the window is tall enough, and in small windows of
//   their own (the preview's from the "Preview" button, in every size);
// - ExchangeActions: "Export texts...", "Import texts..." (also in the
//   grid's menu) and "Take translations from an older kit...";
// - ReviewActions: the translator's review marks and notes;
// - SpellingMenu: the spell check, its choice remembered in the settings;
//   misspelt words underlined in the grid, the cell editor and the
//   translation's label.
//
// The grid's menu, in order: the exchange, the ways about the grid (Ctrl+F
// search, Ctrl+H find and replace, Ctrl+J next untranslated row, Ctrl+G go
// to row, the warnings),
// the review marks (Ctrl+U, Ctrl+Shift+U, Ctrl+M), the spell check, and
// the suggestions' actions; Alt+1 to Alt+9 take the current row's first
// nine suggestions. The keyboard starts in the grid, on the current row's
// translation (focusGrid()).
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
    // Offers to carry the translations over to kvmain.dat's new sources
    // (ExchangeActions::offerCarryOver).
    void offerCarryOver();

public slots:
    // `Label11` and `Label12` show the two texts of row number `rowNumber`.
    void ShowRowTexts(int rowNumber);
    void StringGridSelectCell(int ACol, int ARow);
    void StringGridEnter();
    void StringGridSetEditText(int ACol, int ARow, const QString &Value);
    void findAndReplace();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void addWindowRow();
    void addActions();
    void connectParts();
    // "Allowed width...": the translator's width allowance for the `wider`
    // check, for the review at once and remembered for the kit.
    void chooseWiderAllowance();
    void showTranslationText(int record);
    void showRowMeasures(int record);

    KitDocument &m_document;
    KitSettings &m_settings;
    DocumentReview *m_review = nullptr;
    TextTableModel *m_model = nullptr;
    TextGridModel *m_shown = nullptr; // the model's rows the search and filter let through
    SuggestionsPanel *m_suggestions = nullptr;
    ExchangeActions *m_exchange = nullptr;
    TextGrid *m_textGrid = nullptr;
    QLabel *m_sourceText = nullptr;
    TranslationLabel *m_translationText = nullptr;
    QLabel *m_byteCount = nullptr;
    ProgressLine *m_progress = nullptr;
    ReviewPanels *m_panels = nullptr;
    TranslationEditor *m_editor = nullptr;
    QSplitter *m_workArea = nullptr; // the editing pane and the panels, between the grid and the labels
    FindReplaceWindow *m_findReplace = nullptr;
    TextsNavigation *m_navigation = nullptr;
    ReviewActions *m_reviewActions = nullptr;
    SpellingMenu *m_spellingMenu = nullptr;
    QWidget *m_windowRow = nullptr;
    QString m_rememberedSpelling; // the dictionary the settings name, "" for none
};

} // namespace orvanta
