#pragma once

#include "KitDocument.h"

#include <QImage>
#include <QUndoCommand>

namespace orvanta {

// A translated picture accepted for a catalogue row, or the row's picture
// cleared by a refusal: the slot before and after.
class PictureCommand : public QUndoCommand {
public:
    PictureCommand(KitDocument &document, int row, const QImage &picture);

    void undo() override;
    void redo() override;

private:
    KitDocument &m_document;
    int m_row;
    QImage m_before;
    QImage m_after;
};

} // namespace orvanta
