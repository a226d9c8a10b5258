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
    // Whether the pixels of an 8-bit file whose header is `header` can be
    // decoded, judged without making the picture: "Stream read error" for
    // run-length data that ends before the picture does, "Bitmap image is
    // not valid" for a move past the top of the picture and for any depth
    // but 8, each followed by what is wrong. Run-length pixels past the end
    // of a row are dropped, as other BMP readers drop them.
    static Status check(QByteArrayView file, const BmpHeader &header);

    // The pixels of an 8-bit file, uncompressed (either row order) or RLE8:
    // a Format_Indexed8 image with the file's colour table, row 0 the top
    // row; fails as check() does. Run-length data that skips pixels leaves
    // them at index 0. Indices are kept as the file has them, even past the
    // end of its colour table.
    static Result<QImage> decode(QByteArrayView file, const BmpHeader &header);

    // An uncompressed, bottom-up 8-bit BMP of a Format_Indexed8 picture, its
    // colour table written whole as the file's palette (flags bytes 0) and
    // counted as both the colours used and the important colours.
    static QByteArray write(const QImage &picture);

    // write() to `path` through a save file: an existing file is replaced
    // only once the new one is complete.
    static Status save(const QString &path, const QImage &picture);
};

} // namespace orvanta
