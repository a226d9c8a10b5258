#pragma once

#include "core/FormatError.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QList>
#include <QSize>

#include <optional>
#include <string>
#include <vector>

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

    // Why `bytes` is not such a picture: the size its header gives against
    // `expected`, the file's length against that header, and the first
    // pixel whose index is `colourCount` or more. Empty when decode() would
    // take it. `fileName` names the file.
    static std::vector<FormatError> check(QByteArrayView bytes, QSize expected, qsizetype colourCount,
                                          const std::string &fileName);
};

} // namespace orvanta
