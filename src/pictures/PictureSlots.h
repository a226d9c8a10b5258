#pragma once

#include "PictureCatalogue.h"
#include "core/Result.h"

#include <QImage>
#include <QList>
#include <QString>

#include <array>

namespace orvanta {

class ArchiveSet;

// The nine picture slots of a kit: one standard and one translated bitmap
// per catalogue row, indexed by the row, both Format_Indexed8 with the game's
// palette as colour table. The standard slots are filled from the kit's
// built-in pictures on construction and never change; a translated slot is
// empty (a null image) until a picture is accepted for its row.
class PictureSlots {
public:
    PictureSlots();

    // For a row from 0 to 8 the slot itself, otherwise null. Changing the
    // returned translated bitmap changes the slot.
    const QImage *StandardPicture(int row) const;
    QImage *TranslatedPicture(int row);
    const QImage *TranslatedPicture(int row) const;

    // A translated picture is present when its slot is not empty.
    bool isPresent(int row) const;

    // The game's palette, the colour table all standard pictures share.
    QList<QRgb> standardPalette() const { return m_standard[0].colorTable(); }

    // Takes each row's picture file back from "lang.dat" (the archive set's
    // slot 0, which must be open): an entry becomes the row's translated
    // picture when it holds exactly a picture of the row's standard size
    // within the game's palette. Entries that do not fit, and entries found
    // only in the kit's own archive, are left alone. Returns how many rows
    // got a picture.
    int readPictureFiles(ArchiveSet &archives);

    // Writes "<file name>.pad" into `outputDirectory` for every row with a
    // present translated picture, in row order.
    // Stops at the first file that cannot be written and names it.
    Status WritePictureFiles(const QString &outputDirectory) const;

private:
    // Indexed by catalogue row.
    std::array<QImage, PictureCatalogue::RowCount> m_standard;
    std::array<QImage, PictureCatalogue::RowCount> m_translated;
};

} // namespace orvanta
