#pragma once

#include "KitDocument.h"

#include <QUndoCommand>

namespace orvanta {

// A code page chosen on the Font page: the number before and after. Steps
// through the selector one after another merge into one choice.
class CodePageCommand : public QUndoCommand {
public:
    CodePageCommand(KitDocument &document, int number);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand *other) override;

private:
    KitDocument &m_document;
    int m_before;
    int m_after;
};

} // namespace orvanta
