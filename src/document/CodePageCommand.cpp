#include "CodePageCommand.h"

namespace orvanta {

CodePageCommand::CodePageCommand(KitDocument &document, int number)
    : QUndoCommand(QStringLiteral("Choose code page %1").arg(CodePage::describe(number)))
    , m_document(document)
    , m_before(document.codePage().number())
    , m_after(number)
{
}

void CodePageCommand::undo()
{
    m_document.storeCodePage(m_before);
}

void CodePageCommand::redo()
{
    m_document.storeCodePage(m_after);
}

int CodePageCommand::id() const
{
    return KitDocument::MergeCodePageSteps;
}

bool CodePageCommand::mergeWith(const QUndoCommand *other)
{
    m_after = static_cast<const CodePageCommand *>(other)->m_after;
    setText(other->text());
    setObsolete(m_after == m_before);
    return true;
}

} // namespace orvanta
