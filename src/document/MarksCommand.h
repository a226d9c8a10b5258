#pragma once

#include "KitDocument.h"

#include <QUndoCommand>

namespace orvanta {

// Review marks and notes of one or more rows changed (needs review toggled,
// a note edited, "done as it is", an import's marks): every row's mark
// before and after, undone and redone together. A TranslationsCommand holds
// one for the marks of an import.
class MarksCommand : public QUndoCommand {
public:
    // Rows outside the table, and marks a row already has, are left out.
    MarksCommand(KitDocument &document, const QList<ReviewMarks::Change> &changes, const QString &description);

    // No row's mark would change.
    bool isEmpty() const { return m_after.isEmpty(); }

    void undo() override;
    void redo() override;

private:
    KitDocument &m_document;
    QList<ReviewMarks::Change> m_before;
    QList<ReviewMarks::Change> m_after;
};

} // namespace orvanta
