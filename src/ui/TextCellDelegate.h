#pragma once

#include <QStyledItemDelegate>

namespace orvanta {

// The in-place editor of the text grid (a TextTableModel, shown directly or
// through proxies such as the grid's search and filter). Every keystroke
// goes to the model as part of one editing, so the labels follow the typing,
// a save sees the text typed so far, and the whole editing is one undo step.
// Escape gives the cell back the text it had when the editing began. It
// refuses characters that the code page cannot hold, telling the translator
// why.
class TextCellDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    // Leaves an editor alone that already shows the cell's text: every
    // keystroke comes back from the model, and resetting the text would
    // move the cursor to the end.
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace orvanta
