#pragma once

#include "core/Result.h"

#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace orvanta {

class FileWriter;

// One change of several files of one folder: every file is first written
// whole beside its place and synced (FileWriter::stage), then all are put
// in place, so that a failure or a kill leaves the files all old or all
// new, never some of each.
//
// The journal is a small file in the folder, written (whole, synced,
// swapped in) only once every new file is staged: it names each staged
// file, the file it replaces and where that one is kept as a backup. Its
// appearance is the moment the change counts as made. Then the backups are
// kept (hard links where the file system has them), the staged files are
// renamed into place in the order given, and the journal is removed.
// - A failure or kill before the journal leaves every old file in place,
//   backups included; the staged files left by a kill are the caller's
//   leftovers to remove.
// - A kill after it leaves the journal: recover(), run before anything else
//   reads or writes the files, keeps the backup of and renames every staged
//   file it names that is still there into place, so all are new.
// - A failure to keep a backup, or of the first rename (the file most
//   likely held, on Windows), changes no file: the journal and the staged
//   files go. A failure of a later rename leaves the journal for recover()
//   and says so, naming the files already new (an error of kind Unfinished).
// Nothing else may write the folder's files meanwhile: the caller holds a
// lock (the kit's save lock).
//
// The journal's text is UTF-8: "orvanta-kit journal 1", then one line
// "STAGED<TAB>TARGET<TAB>BACKUP" per file (or without the backup, as an
// older kit wrote it), file names only, all in the journal's folder. Any other content is not a journal the kit wrote, and recover()
// refuses it, naming it, rather than move files it does not know.
class SaveJournal {
public:
    struct Change {
        FileWriter *file;   // staged, not yet swapped in
        QString backupPath; // where the file it replaces is kept first; empty: not kept
    };

    explicit SaveJournal(const QString &path);

    const QString &path() const { return m_path; }
    bool pending() const;

    // Finishes the change a kill left (see above); nothing to do without a
    // journal. Fails, naming the file, when a file cannot be put in place:
    // the journal then stays for the next try.
    Status recover() const;

    // For a reader that cannot finish the change (another save holds the
    // lock): the staged file to read in place of `target` so that what it
    // reads is one state of every file, the new one. Nothing when `target`
    // is already in place, or the journal's first file is not (then every
    // file on disk is the old one), or there is no journal the kit wrote.
    std::optional<QString> newerThan(const QString &target) const;

    // Puts every staged file in its place as one change, keeping the files
    // they replace as their backups first; a single file needs no journal,
    // its rename is one change already. Before anything, a file another
    // program holds open (PlatformFiles::heldOpen) is refused, naming it.
    Status replace(const std::vector<Change> &changes) const;

private:
    struct Move {
        QString staged, target, backup; // backup empty: not kept
    };
    // The staged files, their targets and backups, in the journal's order.
    Result<std::vector<Move>> moves() const;
    // Keeps target as backupPath; nothing to do without either.
    static Status keepBackup(const QString &target, const QString &backupPath);

    QString m_path;
};

} // namespace orvanta
