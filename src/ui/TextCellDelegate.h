#pragma once

#include <QStyledItemDelegate>

class QLineEdit;

namespace orvanta {

class DocumentReview;

// The in-place editor of the text grid (a TextTableModel, shown directly or
// through proxies such as the grid's search and filter). Every keystroke
// goes to the model as part of one editing, so the labels follow the typing,
// a save sees the text typed so far, and the whole editing is one undo step.
// Escape gives the cell back the text it had when the editing began. It
// refuses characters that the code page cannot hold, telling the translator
// why.
//
// A row with a note has the note sign in its number cell (a folded corner).
//
// With a spell check (the review's), misspelt words of translations are
// underlined with a red wave, in the cells and in the editor as it is typed
// in (the edited text alone is checked), and the editor's context menu
// offers, for the misspelt word under the mouse, Hunspell's suggestions,
// "Add to the kit's dictionary" and "Ignore".
class TextCellDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The review whose spell check the cells and the editor show; it must
    // outlive the delegate. None: no underlines.
    void setReview(DocumentReview *review) { m_review = review; }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    // Leaves an editor alone that already shows the cell's text: every
    // keystroke comes back from the model, and resetting the text would
    // move the cursor to the end.
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Underlines the misspelt words of the editor's text.
    void underlineMisspellings(QLineEdit *editor) const;
    void showEditorMenu(QLineEdit *editor, const QPoint &position) const;

    DocumentReview *m_review = nullptr;
};

} // namespace orvanta
