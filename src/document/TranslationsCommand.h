#pragma once

#include "KitDocument.h"
#include "MarksCommand.h"

#include <QUndoCommand>

namespace orvanta {

// Many translations changed at once (an import): every record's translation
// before and after, and the review marks the import brings (a MarksCommand
// of its own), undone and redone together.
class TranslationsCommand : public QUndoCommand {
public:
    // Rows outside the table, and changes to the text or mark a row already
    // has, are left out; a row named twice ends with its last translation.
    TranslationsCommand(KitDocument &document, const QList<TextChange> &changes,
                        const QList<ReviewMarks::Change> &marks, const QString &description);

    // No record would change.
    bool isEmpty() const { return m_after.isEmpty() && m_marks.isEmpty(); }

    void undo() override;
    void redo() override;

private:
    KitDocument &m_document;
    QList<TextChange> m_before;
    QList<TextChange> m_after;
    MarksCommand m_marks;
};

} // namespace orvanta
