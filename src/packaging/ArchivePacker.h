#pragma once

#include "core/Result.h"

#include <QList>
#include <QString>

namespace orvanta {

// Packs files into a new language archive. The archive is written to a
// temporary file beside `archivePath` and replaces it only when every byte
// is written and flushed, so a failure leaves the old archive untouched.
// Files are streamed in chunks: any size up to the format's 4 GiB packs.
class ArchivePacker {
public:
    struct Source {
        QString path; // file to pack
        QString name; // entry name, upper-cased on the way in
    };

    static Status pack(const QString &archivePath, const QList<Source> &files);

    // One Source per path, named by its bare file name.
    static QList<Source> sourcesFor(const QStringList &paths);
};

} // namespace orvanta
