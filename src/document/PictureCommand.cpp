#include "PictureCommand.h"

#include "pictures/PictureCatalogue.h"

namespace orvanta {

PictureCommand::PictureCommand(KitDocument &document, int row, const QImage &picture)
    : m_document(document)
    , m_row(row)
    , m_before(*document.pictures().TranslatedPicture(row))
    , m_after(picture)
{
    const QString file = QString::fromLatin1(PictureCatalogue::row(row)->fileName);
    setText(picture.isNull() ? QStringLiteral("Remove picture %1").arg(file)
                             : QStringLiteral("Accept picture %1").arg(file));
}

void PictureCommand::undo()
{
    m_document.storePicture(m_row, m_before);
}

void PictureCommand::redo()
{
    m_document.storePicture(m_row, m_after);
}

} // namespace orvanta
