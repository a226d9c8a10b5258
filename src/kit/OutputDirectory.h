#pragma once

#include "core/Result.h"

#include <QString>
#include <QStringList>

namespace orvanta {

// The folder "output" in the kit folder, where a save writes its pieces
// before they are packed. It exists only while a save runs.
class OutputDirectory {
public:
    static constexpr int MaxDepth = 100;

    explicit OutputDirectory(const QString &applicationDirectory);

    const QString &path() const { return m_path; }

    // Removes any old folder with its content, then makes an empty one.
    // Fails, naming the folder, when either cannot be done (stale files must
    // never reach a new archive) or when a file or a link of that name is
    // in the way: it is not the kit's, so it is left alone.
    Status prepare() const;

    // Removes the folder with its content (never through a link); true
    // when it is gone.
    bool remove() const;

    // Every file below the folder, depth-first: each folder is listed in
    // byte-wise order of its names, and a subfolder is scanned where it
    // stands in that order. Hidden files count; symbolic links do not.
    QStringList scan() const;

private:
    QString m_path;
};

} // namespace orvanta
