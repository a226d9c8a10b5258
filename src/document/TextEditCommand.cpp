#include "TextEditCommand.h"

#include <QCoreApplication>

namespace orvanta {

TextEditCommand::TextEditCommand(KitDocument &document, int row, TextTable::Column column, const QByteArray &text,
                                 int editing)
    : m_document(document)
    , m_row(row)
    , m_column(column)
    , m_before(document.text(row, column))
    , m_after(text)
    , m_editing(editing)
{
    // The history's name of the step, in the window's language.
    setText(column == TextTable::Source
                ? QCoreApplication::translate("orvanta::TextEditCommand", "Edit source text %1").arg(row + 1)
                : QCoreApplication::translate("orvanta::TextEditCommand", "Edit translation %1").arg(row + 1));
}

void TextEditCommand::undo()
{
    m_document.storeTexts({{m_row, m_before}}, m_column);
}

void TextEditCommand::redo()
{
    m_document.storeTexts({{m_row, m_after}}, m_column);
}

int TextEditCommand::id() const
{
    return m_editing != 0 ? KitDocument::MergeTyping : -1;
}

bool TextEditCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const TextEditCommand *>(other);
    if (next->m_editing != m_editing || next->m_row != m_row || next->m_column != m_column)
        return false;
    m_after = next->m_after;
    setObsolete(m_after == m_before);
    return true;
}

} // namespace orvanta
