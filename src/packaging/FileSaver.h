#pragma once

#include "core/Result.h"

#include <QByteArrayView>
#include <QString>

namespace orvanta {

// Replaces a file whole: the bytes go to a save file that takes the file's
// place only once all of them are written, so a failure leaves any older
// file as it was.
class FileSaver {
public:
    // The error names `path` and says why it could not be written.
    static Status save(const QString &path, QByteArrayView bytes);
};

} // namespace orvanta
