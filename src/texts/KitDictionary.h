#pragma once

#include "core/Result.h"

#include <QString>
#include <QStringList>

namespace orvanta {

// The kit's own dictionary, "orvanta-kit.words" in the kit folder: the words
// the translator added to the spell check, one per line in UTF-8 (blank
// lines and a UTF-8 byte order mark allowed), kept beside the kit so that
// they travel with it.
class KitDictionary {
public:
    static const QString FileName;

    // The words of the kit in `kitDirectory`: none when it has no such file;
    // an error naming the file (and the line) when it cannot be read or is
    // not UTF-8.
    static Result<QStringList> read(const QString &kitDirectory);

    // Adds `word` to the file (written safely, as every file of the kit) and
    // returns the words now in it. The file is read again first, so that
    // words added meanwhile elsewhere stay; a file that cannot be read is
    // left as it is and its error returned.
    static Result<QStringList> add(const QString &kitDirectory, const QString &word)
    {
        return add(kitDirectory, QStringList{word});
    }
    // The same for several words at once (an older kit's, after a migration).
    static Result<QStringList> add(const QString &kitDirectory, const QStringList &newWords);

    static QString path(const QString &kitDirectory);
};

} // namespace orvanta
