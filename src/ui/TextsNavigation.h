#pragma once

#include <QList>
#include <QObject>

class QComboBox;
class QLineEdit;
class QWidget;

namespace orvanta {

class DocumentReview;
class TextGrid;
class TextGridModel;

// The Texts page's ways about the grid: the current row (remembered while
// the search hides it), the selection, and the keys that move them. It
// makes the search field ("SearchField") and the filter ("FilterComboBox"),
// which the page lays out in the window's bottom row: typing in the field
// filters at once, Enter or Down goes to the translation of the first row
// shown and Escape clears the search. Ctrl+J goes to the next untranslated
// row, Ctrl+G to a row by its number (the page binds the keys).
//
// Rows: `record` is an index from 0, a row number counts from 1.
class TextsNavigation : public QObject {
    Q_OBJECT

public:
    // The review tells which rows are untranslated; it, the models and the
    // grid must outlive the navigation. `page` parents the row dialog.
    TextsNavigation(const DocumentReview &review, TextGridModel &shown, TextGrid &grid, QWidget *page);

    // Made without a parent, for the page to lay out.
    QLineEdit *searchField() const { return m_search; }
    QComboBox *filter() const { return m_filter; }

    int currentRecord() const { return m_currentRecord; }
    // The grid made `record` current.
    void setCurrentRecord(int record) { m_currentRecord = record; }
    // The grid's current row, from 1; 0 when the grid is empty.
    int currentRowNumber() const;
    // Makes row number `rowNumber` current (the first or last row when it
    // lies outside), in the current cell's text column.
    void setCurrentRowNumber(int rowNumber);
    // Makes `record`'s cell in `column` current, showing every row when the
    // search or filter hides it; goToRecord() gives the grid the focus too.
    void selectRecord(int record, int column);
    void goToRecord(int record, int column);
    // The records of the grid's selected rows, in order; the current one
    // when none is selected.
    QList<int> selectedRecords() const;

    // Gives the grid the keyboard, on the current row's translation.
    void focusGrid();
    void focusSearch();
    void goToNextUntranslated();
    void askRowNumber();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int recordCount() const;
    void goToFirstShownRow();
    void clearSearch();

    const DocumentReview &m_review;
    TextGridModel &m_shown;
    TextGrid &m_grid;
    QWidget *m_page;
    QLineEdit *m_search = nullptr;
    QComboBox *m_filter = nullptr;
    int m_currentRecord = 0; // stays while the search hides it
};

} // namespace orvanta
