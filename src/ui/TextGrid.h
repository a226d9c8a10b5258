#pragma once

#include <QTableView>

namespace orvanta {

// The text grid ("StringGrid"): record number, source text and translation,
// one row per record shown (a TextTableModel, or a search and filter of one).
// The number column is at least as wide as the table's widest row number
// beside a warning sign, so that no number is cut; the two text columns
// share the rest of the grid's width. The keyboard is the translator's: F2 (or a double
// click) opens the editor with the cursor after the text and nothing
// selected, Enter stores the text and moves to the same cell of the next
// row, Tab leaves the grid, Escape gives the cell its text back.
class TextGrid : public QTableView {
    Q_OBJECT

public:
    static constexpr int DefaultWidth = 497;
    static constexpr int NumberWidth = 41;
    static constexpr int SourceWidth = 197;
    static constexpr int TranslationWidth = 234;

    TextGrid(QAbstractItemModel *model, QWidget *parent = nullptr);

signals:
    // The grid received the input focus.
    void entered();

protected:
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
    void focusInEvent(QFocusEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    const QAbstractItemModel *table() const;
    void fitNumberColumn();
    void fitTextColumns();

    int m_numberWidth = NumberWidth;
};

} // namespace orvanta
