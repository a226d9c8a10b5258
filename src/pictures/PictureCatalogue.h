#pragma once

#include <QSize>
#include <QString>

#include <array>

namespace orvanta {

// One translatable picture: its selector caption (English; the window shows
// it translated, context "orvanta::PictureCatalogue"), the name of its picture
// file (at most 12 characters, so it fits an archive entry's name) and its
// standard size. PictureSlots holds its bitmaps under the row's number.
struct PictureCatalogueRow {
    const char *caption;
    const char *fileName;
    int width;
    int height;

    QSize size() const { return {width, height}; }
};

// The nine button pictures that carry text, in their fixed order. A row's
// number (0 to 8) is also the selector's item index and the order in which
// picture files are written.
class PictureCatalogue {
public:
    static constexpr int RowCount = 9;

    static const std::array<PictureCatalogueRow, RowCount> &rows();

    // The row, or null for a number outside 0 to 8.
    static const PictureCatalogueRow *row(int row);

    // The name offered when a standard picture is saved: the picture file
    // name up to its last '.', then ".bmp" (msetup.pad gives msetup.bmp).
    // The built-in standard pictures carry the same names.
    static QString bmpName(const PictureCatalogueRow &row);
};

} // namespace orvanta
