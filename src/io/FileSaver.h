#pragma once

#include "core/Result.h"

#include <QByteArrayView>
#include <QString>

namespace orvanta {

// Writes files whole. Errors name the path and say why it could not be
// written.
class FileSaver {
public:
    // Replaces a file the user keeps: the bytes go to a save file that takes
    // the file's place only once all of them are written and flushed to
    // disk, so a failure leaves any older file as it was.
    static Status save(const QString &path, QByteArrayView bytes);

    // Writes a piece of a save into the scratch output folder. Nothing is
    // replaced there and the piece is read back at once, so it skips the
    // flush to disk that save() pays for; only the archive made from the
    // pieces needs it.
    static Status writePiece(const QString &path, QByteArrayView bytes);
};

} // namespace orvanta
