#pragma once

#include "KitDocument.h"

#include <QUndoCommand>

namespace orvanta {

// One editing of one cell: the record's text before and after. Keystrokes
// of the same editing merge into one command; when the text comes back to
// what it was, the command is obsolete and leaves the history.
class TextEditCommand : public QUndoCommand {
public:
    // `editing` 0 stands alone; commands of the same non-zero editing of the
    // same cell merge.
    TextEditCommand(KitDocument &document, int row, TextTable::Column column, const QByteArray &text, int editing);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand *other) override;

private:
    KitDocument &m_document;
    int m_row;
    TextTable::Column m_column;
    QByteArray m_before;
    QByteArray m_after;
    int m_editing;
};

} // namespace orvanta
