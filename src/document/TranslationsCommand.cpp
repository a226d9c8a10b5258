#include "TranslationsCommand.h"

namespace orvanta {

TranslationsCommand::TranslationsCommand(KitDocument &document, const QList<TextChange> &changes,
                                         const QList<ReviewMarks::Change> &marks, const QString &description)
    : QUndoCommand(description)
    , m_document(document)
    , m_marks(document, marks, description)
{
    for (const TextChange &change : changes) {
        if (change.row < 0 || change.row >= document.texts().rowCount())
            continue;
        const QByteArray before = document.text(change.row, TextTable::Translation);
        if (before == change.text)
            continue;
        m_before.append({change.row, before});
        m_after.append(change);
    }
}

void TranslationsCommand::undo()
{
    m_marks.undo();
    m_document.storeTexts(m_before, TextTable::Translation);
}

void TranslationsCommand::redo()
{
    m_document.storeTexts(m_after, TextTable::Translation);
    m_marks.redo();
}

} // namespace orvanta
