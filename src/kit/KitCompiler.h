#pragma once

#include "core/Result.h"
#include "io/FileStamp.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace orvanta {

// Compiles a new "lang.dat": writes the pieces into a fresh output folder,
// packs every file found there, and removes the folder again. "lang.dat" is
// replaced only when the new archive is complete; on any failure the old one
// stays as it was, the output folder is removed and the error names the file.
// The "lang.dat" a compile replaces is kept as "lang.dat.bak" (the game
// reads only "lang.dat"); there is no moment without a whole "lang.dat".
//
// Other files of the kit folder that belong with "lang.dat" (the review
// file) change in the same step: each is written whole beside its place,
// and all of them and "lang.dat" are swapped in through the save journal
// "orvanta-kit.save.journal" (SaveJournal), so that after any failure or
// kill the kit finds them all old or, once the journal stands, all new
// (finishInterrupted() completes a kill after the journal). A journal was
// chosen over a generation number written into each file because
// "lang.dat" is the game's file and stays byte for byte what the work
// gives, and over a review file recovered at the next open because the
// journal alone tells which of the staged files were meant to go together.
//
// Only regular files are replaced: a link in the place of "lang.dat" or of
// a companion is refused with nothing written (FileWriter::Mode::KitFile).
class KitCompiler {
public:
    static const QString ArchiveName; // "lang.dat"
    static const QString BackupName;  // "lang.dat.bak"
    static const QString JournalName; // "orvanta-kit.save.journal"

    // Writes one or more pieces into the output folder it is given.
    using PieceWriter = std::function<Status(const QString &outputDirectory)>;

    // Another file of the kit folder that changes with "lang.dat".
    struct Companion {
        QString name; // in the kit folder
        // Its new content, given the stamp the new "lang.dat" has: that of
        // the staged file, which swapping it in keeps (a file that
        // remembers it can tell later whether "lang.dat" is still that one).
        std::function<QByteArray(const FileStamp &archive)> bytes;
        QString backupName; // keeps the file it replaces, as "lang.dat.bak" does "lang.dat"
    };

    // Returns the files that were packed, in archive order.
    static Result<QStringList> compile(const QString &applicationDirectory, const std::vector<PieceWriter> &pieces,
                                       const std::vector<Companion> &companions = {});

    // A compile was killed after its journal stood: finishes it (every file
    // new). Only under the save lock. Nothing to do without a journal.
    static Status finishInterrupted(const QString &applicationDirectory);
    static bool interrupted(const QString &applicationDirectory);
    // For a reader of the kit that cannot finish an interrupted compile
    // (another save holds the lock): the staged file to read in place of
    // companion `name`, so that it goes with the "lang.dat" on disk (see
    // SaveJournal::newerThan); nothing when the one in place does.
    static std::optional<QString> newerCompanion(const QString &applicationDirectory, const QString &name);
};

} // namespace orvanta
