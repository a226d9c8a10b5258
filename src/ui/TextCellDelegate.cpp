#include "TextCellDelegate.h"

#include "texts/CodePage.h"
#include "texts/TextTableModel.h"

#include <QLineEdit>
#include <QToolTip>
#include <QValidator>

namespace orvanta {

namespace {

// Accepts exactly the texts the code page can hold; remembers the first
// character it refused so the editor can say which one it was.
class CodePageValidator : public QValidator {
public:
    CodePageValidator(const CodePage &codePage, QObject *parent)
        : QValidator(parent)
        , m_codePage(codePage)
    {
    }

    State validate(QString &input, int &) const override
    {
        qsizetype bad = 0;
        if (m_codePage.encode(input, &bad))
            return Acceptable;
        m_refused = input.at(bad);
        return Invalid;
    }

    QChar refused() const { return m_refused; }

private:
    const CodePage &m_codePage;
    mutable QChar m_refused;
};

} // namespace

QString TextCellDelegate::refusalText(QChar refused, int codePage)
{
    return QStringLiteral("\"%1\" (U+%2) cannot be stored in code page %3. Choose the code page of your "
                          "language on the Font page.")
        .arg(refused)
        .arg(refused.unicode(), 4, 16, QLatin1Char('0'))
        .arg(CodePage::describe(codePage));
}

void TextCellDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *line = qobject_cast<QLineEdit *>(editor);
    if (line && line->text() == index.data(Qt::EditRole).toString())
        return;
    QStyledItemDelegate::setEditorData(editor, index);
}

QWidget *TextCellDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                        const QModelIndex &index) const
{
    auto *model = qobject_cast<const TextTableModel *>(index.model());
    auto *editor = qobject_cast<QLineEdit *>(QStyledItemDelegate::createEditor(parent, option, index));
    if (!model || !editor)
        return editor;
    auto *validator = new CodePageValidator(model->codePage(), editor);
    editor->setValidator(validator);
    connect(editor, &QLineEdit::inputRejected, editor, [editor, validator, model] {
        QToolTip::showText(editor->mapToGlobal(QPoint(0, editor->height())),
                           refusalText(validator->refused(), model->codePage().number()), editor);
    });
    connect(editor, &QLineEdit::textEdited, this, [this, editor] {
        emit const_cast<TextCellDelegate *>(this)->commitData(editor);
    });
    return editor;
}

} // namespace orvanta
