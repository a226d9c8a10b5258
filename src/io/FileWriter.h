#pragma once

#include "PlatformFiles.h"
#include "core/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>

namespace orvanta {

// One file the kit writes, every byte accounted for. Bytes go straight to
// the file (unbuffered, so no buffer is left to fail unseen when the file is
// closed), each write's count is checked and a short write is tried again
// until the system says why it cannot go on, and commit() compares the
// length on disk with what was written before the file counts as done. A
// full disk is therefore a failure that names its cause ("No space left on
// device"), never a short file reported as written.
//
// Three ways to write:
// - Replace, for files the user keeps: the bytes go to a new file beside
//   `path` ("NAME.XXXXXXXX.new"); commit() syncs it to disk and renames it
//   over `path` in one step, so `path` is at every moment either the old
//   file or the whole new one. A link at `path` is followed: its target is
//   replaced (an export to a file the user chose).
// - KitFile, for the files of the kit's own folder ("lang.dat", the review
//   file, the word list): as Replace, but only a regular file (or none) at
//   `path` is replaced. A symbolic link or junction there, or anything that
//   is not a file, is refused by open() with nothing written, so a save
//   never writes outside the kit folder.
// - Scratch, for the pieces of a save in the output folder: the bytes go to
//   `path` itself, which nothing else needs until it is packed, so there is
//   no sync.
// Unless committed, the writer removes what it wrote when it is destroyed.
// Errors name `path` and the reason. Every write and sync passes through
// WriteFaults, the seam tests use to make them fail.
class FileWriter {
public:
    enum class Mode { Replace, KitFile, Scratch };

    FileWriter(const QString &path, Mode mode);
    ~FileWriter();
    FileWriter(const FileWriter &) = delete;
    FileWriter &operator=(const FileWriter &) = delete;

    Status open();
    Status write(QByteArrayView bytes);

    // Appends the first `size` bytes of the file at `source`, letting the
    // kernel copy file to file where it can (as cp does). Fails, naming the
    // source, when it holds fewer.
    Status copyFrom(const QString &source, qint64 size);

    // Finishes the file: fails unless exactly `expectedSize` bytes were
    // written and the file on disk holds them all. A replacing mode then
    // syncs the file to disk and renames the new file into place. The same
    // as stage() then swapIn().
    Status commit(qint64 expectedSize);

    // The two halves of commit() in a replacing mode, for a change of
    // several files at once (SaveJournal): stage() checks, syncs and closes
    // the new file and leaves it beside `path`; swapIn() puts it in place.
    Status stage(qint64 expectedSize);
    Status swapIn();
    // The staged new file is left where it is when the writer goes (a
    // journal names it, to be put in place later).
    void keepStaged() { m_committed = true; }
    // The staged new file, and the file it replaces (the target of a link
    // at `path` in Replace mode).
    QString stagedPath() const { return m_file.fileName(); }
    const QString &target() const { return m_target; }

    // Renames the closed file `from` over `to` in one step, durably
    // (PlatformFiles::replace), through the WriteFaults seam.
    static PlatformFiles::Failure putInPlace(const QString &from, const QString &to);

    // Makes `backupPath` a copy of the file at `path` (the file a save
    // replaces, kept before it is swapped in) without a moment in
    // which `backupPath` is missing or partial: a hard link to a new name
    // beside it, renamed over it; where the file system has no hard links, a
    // checked copy through a Replace writer.
    static Status keepBackup(const QString &path, const QString &backupPath);

private:
    Status failure(const QString &reason) const;
    Status putBytes(const char *data, qint64 size);
    qint64 copyInKernel(QFile &source, qint64 size);
    Status sync();

    QString m_path;   // the file the caller names (errors name it)
    QString m_target; // where the finished file goes: m_path, or the file a link there points to
    Mode m_mode;
    QFile m_file;     // the file being written: m_target, or the new file beside it
    QByteArray m_buffer;
    qint64 m_written = 0;
    bool m_opened = false; // m_file was created by this writer
    bool m_committed = false;
};

} // namespace orvanta
