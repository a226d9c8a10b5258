#pragma once

#include <QStyledItemDelegate>

namespace orvanta {

// The in-place editor of the text grid. It stores what is typed into the
// model with every keystroke, so the labels follow the typing and a save
// sees the text typed so far, and it refuses characters that the model's
// code page cannot hold, telling the translator why.
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

    // The tooltip shown when `refused` was typed or pasted.
    static QString refusalText(QChar refused, int codePage);
};

} // namespace orvanta
