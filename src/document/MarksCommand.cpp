#include "MarksCommand.h"

namespace orvanta {

MarksCommand::MarksCommand(KitDocument &document, const QList<ReviewMarks::Change> &changes,
                           const QString &description)
    : QUndoCommand(description)
    , m_document(document)
{
    for (const ReviewMarks::Change &change : changes) {
        if (change.row < 0 || change.row >= document.texts().rowCount())
            continue;
        const ReviewMarks::Mark &before = document.marks().mark(change.row);
        if (before == change.mark)
            continue;
        m_before.prepend({change.row, before}); // undone last change first
        m_after.append(change);
    }
}

void MarksCommand::undo()
{
    m_document.storeMarks(m_before);
}

void MarksCommand::redo()
{
    m_document.storeMarks(m_after);
}

} // namespace orvanta
