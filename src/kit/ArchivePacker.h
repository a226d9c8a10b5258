#pragma once

#include "core/Result.h"

#include <QList>
#include <QString>

namespace orvanta {

class FileWriter;

// Packs files into a new language archive through a FileWriter: the
// archive is written to a new file beside `archivePath`, every write and
// kernel copy checked, and replaces it only when the file on disk holds the
// layout's whole length and is synced, so a failure (a full disk, a file
// that shrank meanwhile) leaves the old archive untouched and names its
// cause. Files are streamed in chunks: any size up to the format's 4 GiB
// packs.
class ArchivePacker {
public:
    struct Source {
        QString path; // file to pack
        QString name; // entry name, upper-cased on the way in
    };

    static Status pack(const QString &archivePath, const QList<Source> &files);

    // Writes the archive through `out` (opened here, in a replacing mode)
    // and stages it (FileWriter::stage): whole, checked and synced beside
    // its place, for the caller to swap in.
    static Status write(FileWriter &out, const QList<Source> &files);

    // One Source per path, named by its bare file name.
    static QList<Source> sourcesFor(const QStringList &paths);
};

} // namespace orvanta
