#pragma once

#include "GlyphTable.h"
#include "core/FormatError.h"

#include <QByteArray>
#include <QByteArrayView>

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace orvanta {

// Reads "font.spr" back into its glyph records and judges it against the
// layout GlyphFileWriter gives it: the count 256, an offset table whose
// entry 0 is 514 and whose every entry is where the record before it ends,
// records made of Top, rows (First, then pixel codes 0x00, 0x1B or 0x21)
// separated by 0xFE and ended by 0xFF, and nothing after the last record.
// Checks "fontsize.dat" against the records too.
//
// Every record is read between its own table entry and the next one, so a
// damaged record or table entry costs one finding, not one per code after
// it. Findings name the byte offset in the file and the code.
class GlyphFileDecoder {
public:
    struct Row {
        int first = 0;    // column of the first code; the cell width for a row without ink
        QByteArray codes; // one pixel code per column from `first` on
    };
    struct Glyph {
        bool sound = false; // the record was read without a fault
        bool blank = false; // the 3-byte record of a cell without ink
        int top = 0;        // Top; for a blank record the cell height it stores
        std::vector<Row> rows; // rows Top to Bottom
    };
    struct Decoded {
        std::array<Glyph, GlyphTable::CodeCount> glyphs;
        std::optional<int> cellHeight; // as the first blank record stores it
        std::vector<FormatError> problems;
    };

    static Decoded decode(QByteArrayView fontSpr, const std::string &fileName);

    // Findings in `fontSizeDat` (256 cell widths) against the records of
    // `font`: each sound record's rows must fit its code's width, and a row
    // without ink stores that width as its First.
    static std::vector<FormatError> checkSizes(const Decoded &font, QByteArrayView fontSizeDat,
                                               const std::string &fileName);
};

} // namespace orvanta
