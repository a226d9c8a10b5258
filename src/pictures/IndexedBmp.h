#pragma once

#include "BmpHeader.h"
#include "core/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QString>

namespace orvanta {

// Eight-bit palette BMP files, the only kind a standard or translated
// picture comes from: their pixels as palette indices, and writing one.
class IndexedBmp {
public:
    // The pixels of an 8-bit file, uncompressed (either row order) or RLE8,
    // whose header is `header`: a Format_Indexed8 image with the file's
    // colour table, row 0 the top row. Run-length data that skips pixels
    // leaves them at index 0, and runs past a row's end are cut off; data
    // that ends before the picture does gives a null image, as does any
    // other depth. Indices are kept as the file has them, even past the end
    // of its colour table.
    static QImage decode(QByteArrayView file, const BmpHeader &header);

    // An uncompressed, bottom-up 8-bit BMP of a Format_Indexed8 picture, its
    // colour table written whole as the file's palette (flags bytes 0) and
    // counted as both the colours used and the important colours.
    static QByteArray write(const QImage &picture);

    // write() to `path` through a save file: an existing file is replaced
    // only once the new one is complete.
    static Status save(const QString &path, const QImage &picture);
};

} // namespace orvanta
