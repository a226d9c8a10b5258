#pragma once

#include <QByteArray>
#include <QImage>

namespace orvanta {

// Turns a glyph cell (blue background, black outline, white body) into the
// game's glyph record: Top, then for each row from the first to the last
// row with ink its First column and one code per pixel from First to the
// row's last ink, rows separated by 0xFE, the record ended by 0xFF. A cell
// without ink is stored as its height, 0x00, 0xFF. Ink is every pixel that
// is not blue.
class GlyphRecordEncoder {
public:
    static constexpr char BackgroundCode = 0x00;
    static constexpr char OutlineCode = 0x1B;
    static constexpr char BodyCode = 0x21;
    static constexpr char RowSeparator = char(0xFE);
    static constexpr char RecordEnd = char(0xFF);

    // `cell` may be a null image (a cell of width 0); `cellHeight` is the
    // capture's cell height, which a record without ink stores. Heights,
    // rows and columns must be at most 255.
    static QByteArray EncodeGlyphRecord(const QImage &cell, int cellHeight);

    // The code of one pixel colour. A colour other than blue, black and
    // white cannot come from text drawn without anti-aliasing; should one
    // occur it gets the code of the nearest of the three, so a smoothed
    // edge turns into background, outline or body instead of an undefined
    // byte, and never into a separator (0xFE) or an end mark (0xFF).
    static char pixelCode(QRgb colour);
};

} // namespace orvanta
