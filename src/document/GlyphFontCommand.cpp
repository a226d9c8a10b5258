#include "GlyphFontCommand.h"

#include "font/FontChoice.h"

namespace orvanta {

GlyphFontCommand::GlyphFontCommand(KitDocument &document, const QFont &font)
    : QUndoCommand(QStringLiteral("Choose font %1").arg(FontChoice::DescribeGlyphFont(font)))
    , m_document(document)
    , m_before(document.glyphFont())
    , m_after(font)
{
}

void GlyphFontCommand::undo()
{
    m_document.storeGlyphFont(m_before);
}

void GlyphFontCommand::redo()
{
    m_document.storeGlyphFont(m_after);
}

} // namespace orvanta
