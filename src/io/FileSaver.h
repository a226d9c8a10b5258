#pragma once

#include "core/Result.h"

#include <QByteArrayView>
#include <QString>

namespace orvanta {

// Writes files whole through FileWriter: every write's count and the
// length on disk checked. Errors name the path and say why it could not be
// written ("No space left on device").
class FileSaver {
public:
    // Replaces a file the user keeps: the bytes go to a new file that takes
    // the file's place only once all of them are written and synced to
    // disk, so a failure leaves any older file as it was.
    static Status save(const QString &path, QByteArrayView bytes);
    // The same for a file of the kit's own folder (the word list): a link
    // or anything but a file in its place is refused, nothing written
    // (FileWriter::Mode::KitFile).
    static Status saveKitFile(const QString &path, QByteArrayView bytes);

    // Writes a piece of a save into the scratch output folder. Nothing is
    // replaced there and the piece is packed at once, so it skips the sync
    // to disk that save() pays for; only the archive made from the pieces
    // needs it. A piece that cannot be written whole is removed.
    static Status writePiece(const QString &path, QByteArrayView bytes);
};

} // namespace orvanta
