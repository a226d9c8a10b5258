#pragma once

#include "KitDocument.h"

#include <QFont>
#include <QUndoCommand>

namespace orvanta {

// A glyph font chosen on the Font page: the font before and after.
class GlyphFontCommand : public QUndoCommand {
public:
    GlyphFontCommand(KitDocument &document, const QFont &font);

    void undo() override;
    void redo() override;

private:
    KitDocument &m_document;
    QFont m_before;
    QFont m_after;
};

} // namespace orvanta
