#pragma once

#include "core/Result.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace orvanta {

// Compiles a new "lang.dat": writes the pieces into a fresh output folder,
// packs every file found there, and removes the folder again. "lang.dat" is
// replaced only when the new archive is complete; on any failure the old one
// stays as it was, the output folder is removed and the error names the file.
// The "lang.dat" a compile replaces is kept as "lang.dat.bak" (the game
// reads only "lang.dat"); there is no moment without a whole "lang.dat".
class KitCompiler {
public:
    static const QString ArchiveName; // "lang.dat"
    static const QString BackupName;  // "lang.dat.bak"

    // Writes one or more pieces into the output folder it is given.
    using PieceWriter = std::function<Status(const QString &outputDirectory)>;

    // Returns the files that were packed, in archive order.
    static Result<QStringList> compile(const QString &applicationDirectory, const std::vector<PieceWriter> &pieces);
};

} // namespace orvanta
