#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QList>
#include <QSize>

#include <optional>

namespace orvanta {

// The game's picture file (".pad"): width and height as unsigned 16-bit
// little-endian numbers, then `height` rows of `width` palette indices, top
// row first, nothing between rows and nothing after the last:
// 4 + width x height bytes. No palette: the indices are the game's.
class PictureFile {
public:
    // `picture` is Format_Indexed8; only the low 16 bits of its size count.
    static QByteArray encode(const QImage &picture);

    // The picture a file holds, if it is exactly one of `expected` size
    // and uses no index past the end of `palette`; the picture gets that
    // palette as its colour table.
    static std::optional<QImage> decode(QByteArrayView bytes, QSize expected, const QList<QRgb> &palette);
};

} // namespace orvanta
