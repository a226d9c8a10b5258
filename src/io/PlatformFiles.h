#pragma once

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <filesystem>
#include <optional>

class QFile;

namespace orvanta {

// The file operations whose form differs from one system to another, each
// with one promise on every system; FileWriter builds the kit's saves on
// them. PlatformFilesPosix.cpp holds the Linux form, PlatformFilesWindows.cpp
// the Windows one; the build takes the system's own.
//
// A failure comes back as the reason, in words for the translator (what
// went wrong and, where the kit can tell, what to do); the caller adds the
// file's name.
class PlatformFiles {
public:
    using Failure = std::optional<QString>;

    // `path` as the system's file calls take it. On Windows the wide
    // characters are kept, so a kit in a folder whose name lies outside the
    // system's code page (C:\Users\Jörg\Документы\kit) opens and saves.
    static std::filesystem::path nativePath(const QString &path);

    // The existing file at `path` as a C library's narrow file calls
    // (fopen) take it: the file system's encoding on Linux; on Windows, whose
    // narrow calls read the system's code page, the short 8.3 form of a path
    // with a name outside that code page, so such a folder still opens.
    static QByteArray narrowPath(const QString &path);

    // The folder where the system keeps Hunspell's dictionaries: Debian's
    // /usr/share/hunspell. Windows has none: there it is the folder that
    // Hunspell's DICPATH names, else the "hunspell" folder beside the
    // program. Needs the application object on Windows.
    static QString dictionaryFolder();

    // Makes the C library's standard output and error pass every byte as it
    // is written. Windows' C library turns each "\n" written there into
    // "\r\n", which would change an export written to standard output (a
    // line break inside a CSV cell would come back as two characters). And
    // standard error is unbuffered everywhere, so that a warning shows when
    // it is given.
    static void binaryStandardOutput();

    // Writes `text` to standard output or error (`stream`) as the reader
    // there reads it: on POSIX in the locale's encoding; on Windows as wide
    // characters to a console, whose code page may hold few of them, and
    // as UTF-8 to a file or pipe, the same bytes as on Linux.
    static void writeText(std::FILE *stream, const QString &text);

    // Makes every byte written to the open `file`, and its length, durable:
    // fsync, FlushFileBuffers.
    static Failure sync(QFile &file);

    // Puts the closed file at `from` in the place of `to` in one step, so
    // that `to` is at every moment either the old file or the whole new
    // one, and makes the change durable (a sync of the folder, a
    // write-through move). On a refusal nothing has changed: `to` is the old
    // file, `from` is still there. A refusal because another program holds
    // `to` open (Windows keeps an open file in place) says so.
    static Failure replace(const QString &from, const QString &to);

    // Whether another program holds the file at `path` open so that it
    // cannot be replaced (Windows keeps such a file in place): the reason,
    // as replace() would give it, or nothing when it may be replaced (always
    // on POSIX, where an open file never stands in the way).
    static Failure heldOpen(const QString &path);

    // Gives the file at `path` the second name `link` (a hard link), or
    // fails where the file system has none.
    static Failure hardLink(const QString &path, const QString &link);

    // What the system tells of a file for FileStamp: its length, its
    // modification time in nanoseconds since the epoch (to the nanosecond
    // where the system keeps it), its device and its number there.
    struct Status {
        qint64 size = 0;
        qint64 modified = 0;
        quint64 device = 0;
        quint64 file = 0;
    };
    // The status of the file or folder at `path`; none when there is none
    // (or the system does not tell). A file another program holds open is
    // still seen.
    static std::optional<Status> status(const QString &path);

    // Copies up to `size` bytes from `offset` in the open `source` to the
    // current position of the open `target` inside the kernel, where the
    // system can (Linux's copy_file_range, as cp does); returns how many it
    // copied, 0 where the system has no such copy or it could not go on. The
    // caller writes the rest itself, and meets (and names) whatever stopped
    // the copy.
    static qint64 kernelCopy(QFile &source, qint64 offset, QFile &target, qint64 size);
};

} // namespace orvanta
