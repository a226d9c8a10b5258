#include "TextCellDelegate.h"

#include "Messages.h"
#include "document/TextTableModel.h"

#include <QAbstractProxyModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolTip>
#include <QValidator>

namespace orvanta {

namespace {

// Accepts exactly the texts the code page can hold; remembers the first
// character it refused so the editor can say which one it was.
class CodePageValidator : public QValidator {
public:
    CodePageValidator(const KitDocument &document, QObject *parent)
        : QValidator(parent)
        , m_document(document)
    {
    }

    State validate(QString &input, int &) const override
    {
        qsizetype bad = 0;
        if (m_document.codePage().encode(input, &bad))
            return Acceptable;
        m_refused = input.at(bad);
        return Invalid;
    }

    QChar refused() const { return m_refused; }

private:
    const KitDocument &m_document;
    mutable QChar m_refused;
};

// The text table behind a grid index, and the index there: the grid shows
// the table through its search and filter.
std::pair<TextTableModel *, QModelIndex> tableCell(const QModelIndex &index)
{
    QModelIndex cell = index;
    while (auto *proxy = qobject_cast<const QAbstractProxyModel *>(cell.model()))
        cell = proxy->mapToSource(cell);
    return {qobject_cast<TextTableModel *>(const_cast<QAbstractItemModel *>(cell.model())), cell};
}

// What an editor remembers of its editing, kept as its properties.
const char *const EditingProperty = "orvantaEditing";
const char *const StartTextProperty = "orvantaStartText";

} // namespace

void TextCellDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *line = qobject_cast<QLineEdit *>(editor);
    if (line && line->text() == index.data(Qt::EditRole).toString())
        return;
    QStyledItemDelegate::setEditorData(editor, index);
}

void TextCellDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    const auto [texts, cell] = tableCell(index);
    auto *line = qobject_cast<QLineEdit *>(editor);
    if (texts && line)
        texts->type(cell, line->text(), editor->property(EditingProperty).toInt());
    else
        QStyledItemDelegate::setModelData(editor, model, index);
}

QWidget *TextCellDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                        const QModelIndex &index) const
{
    TextTableModel *model = tableCell(index).first;
    auto *editor = qobject_cast<QLineEdit *>(QStyledItemDelegate::createEditor(parent, option, index));
    if (!model || !editor)
        return editor;
    editor->setProperty(EditingProperty, model->beginEditing());
    editor->setProperty(StartTextProperty, index.data(Qt::EditRole));
    auto *validator = new CodePageValidator(model->document(), editor);
    editor->setValidator(validator);
    connect(editor, &QLineEdit::inputRejected, editor, [editor, validator, model] {
        QToolTip::showText(editor->mapToGlobal(QPoint(0, editor->height())),
                           Messages::codePageRefusal(validator->refused(), model->document().codePage().number()),
                           editor);
    });
    // Every change the translator makes, typed or undone inside the editor.
    connect(editor, &QLineEdit::textEdited, this, [this, editor] {
        emit const_cast<TextCellDelegate *>(this)->commitData(editor);
    });
    return editor;
}

bool TextCellDelegate::eventFilter(QObject *watched, QEvent *event)
{
    auto *editor = qobject_cast<QLineEdit *>(watched);
    if (editor && event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape
        && editor->property(StartTextProperty).isValid()) {
        // The text the cell had when the editing began; the editing's undo
        // step goes with it.
        editor->setText(editor->property(StartTextProperty).toString());
        emit commitData(editor);
    }
    return QStyledItemDelegate::eventFilter(watched, event);
}

} // namespace orvanta
