#include "GlyphFileDecoder.h"

#include "GlyphFileWriter.h"
#include "GlyphRecordEncoder.h"
#include "core/LittleEndian.h"

#include <cstdio>

namespace orvanta {

namespace {

constexpr unsigned char Separator = 0xFE;
constexpr unsigned char End = 0xFF;

std::string hexByte(unsigned char byte)
{
    char text[5];
    std::snprintf(text, sizeof text, "0x%02X", byte);
    return text;
}

bool isPixelCode(unsigned char byte)
{
    return byte == quint8(GlyphRecordEncoder::BackgroundCode) || byte == quint8(GlyphRecordEncoder::OutlineCode)
        || byte == quint8(GlyphRecordEncoder::BodyCode);
}

std::string codeText(int code)
{
    return "code " + std::to_string(code);
}

// Where one record may lie: from `start` up to `limit`. When `exact`, its
// end byte must be the last byte before `limit`, where the next record
// starts or the file ends.
struct RecordSpan {
    int code = 0;
    qsizetype start = 0;
    qsizetype limit = 0;
    bool exact = true;
    bool last = false;
};

// Reads one record; nothing, after adding its one fault to `problems`, when
// it is not well formed.
std::optional<GlyphFileDecoder::Glyph> readRecord(const unsigned char *bytes, const RecordSpan &span,
                                                  const std::string &file, std::vector<FormatError> &problems)
{
    const auto fault = [&](qsizetype at, const std::string &what) {
        problems.push_back(FormatError::at(file, std::uint64_t(at), codeText(span.code) + ": " + what));
        return std::nullopt;
    };
    const auto nextRecord = [&] { return "the record of code " + std::to_string(span.code + 1); };
    const auto unended = [&](qsizetype at) {
        return fault(at, "the record has no end byte 0xFF before "
                             + (span.exact && !span.last
                                    ? "byte " + std::to_string(span.limit) + ", where " + nextRecord() + " starts"
                                    : std::string("the end of the file")));
    };

    GlyphFileDecoder::Glyph glyph;
    qsizetype p = span.start;
    if (p >= span.limit)
        return unended(p);
    glyph.top = bytes[p++];
    if (span.limit - p >= 2 && bytes[p] == quint8(GlyphRecordEncoder::BackgroundCode) && bytes[p + 1] == End) {
        glyph.blank = true;
        p += 2;
    } else {
        for (;;) {
            if (p >= span.limit)
                return unended(p);
            GlyphFileDecoder::Row row;
            row.first = bytes[p++];
            const qsizetype codes = p;
            for (; p < span.limit && bytes[p] != Separator && bytes[p] != End; ++p) {
                if (!isPixelCode(bytes[p]))
                    return fault(p, "row " + std::to_string(glyph.top + int(glyph.rows.size())) + " holds "
                                        + hexByte(bytes[p]) + ", which is no pixel code (0x00, 0x1B or 0x21)");
            }
            row.codes = QByteArray(reinterpret_cast<const char *>(bytes + codes), p - codes);
            glyph.rows.push_back(std::move(row));
            if (p >= span.limit)
                return unended(p);
            if (bytes[p++] == End)
                break;
        }
    }
    if (span.exact && p != span.limit)
        return fault(p, span.last ? std::to_string(span.limit - p) + " bytes are left over after the last record"
                                  : "the record ends here, but the offset table starts " + nextRecord() + " at byte "
                                        + std::to_string(span.limit));
    glyph.sound = true;
    return glyph;
}

void checkCellHeights(GlyphFileDecoder::Decoded &font, const std::vector<qsizetype> &starts, const std::string &file)
{
    for (int code = 0; code < GlyphTable::CodeCount; ++code) {
        const GlyphFileDecoder::Glyph &glyph = font.glyphs[code];
        if (glyph.sound && glyph.blank && !font.cellHeight)
            font.cellHeight = glyph.top;
    }
    if (!font.cellHeight)
        return;
    const int height = *font.cellHeight;
    for (int code = 0; code < GlyphTable::CodeCount; ++code) {
        const GlyphFileDecoder::Glyph &glyph = font.glyphs[code];
        if (!glyph.sound)
            continue;
        const auto at = std::uint64_t(starts[std::size_t(code)]);
        if (glyph.blank && glyph.top != height)
            font.problems.push_back(FormatError::at(file, at, codeText(code) + ": the record of a blank cell stores "
                "the cell height " + std::to_string(glyph.top) + ", but the other blank cells store "
                + std::to_string(height)));
        const int bottom = glyph.top + int(glyph.rows.size()) - 1;
        if (!glyph.blank && bottom >= height)
            font.problems.push_back(FormatError::at(file, at, codeText(code) + ": rows " + std::to_string(glyph.top)
                + " to " + std::to_string(bottom) + " pass the cell height " + std::to_string(height)));
    }
}

} // namespace

GlyphFileDecoder::Decoded GlyphFileDecoder::decode(QByteArrayView fontSpr, const std::string &fileName)
{
    Decoded font;
    const auto *bytes = reinterpret_cast<const unsigned char *>(fontSpr.data());
    const qsizetype size = fontSpr.size();
    const auto problem = [&](qsizetype at, const std::string &what) {
        font.problems.push_back(FormatError::at(fileName, std::uint64_t(at), what));
    };
    if (size < 2) {
        problem(0, "the file is " + std::to_string(size) + " bytes long, too short for the glyph count");
        return font;
    }
    if (const int count = LittleEndian::read16(bytes); count != GlyphTable::CodeCount)
        problem(0, "the glyph count is " + std::to_string(count) + ", not " + std::to_string(GlyphTable::CodeCount));
    constexpr qsizetype HeaderSize = GlyphFileWriter::HeaderSize;
    if (size < HeaderSize) {
        problem(2, "the file ends at byte " + std::to_string(size) + ", inside the offset table, which takes bytes 2 to "
                       + std::to_string(HeaderSize - 1));
        return font;
    }

    // Where each record starts, as the table gives it; -1 where that cannot
    // be a record's start.
    std::vector<qsizetype> starts(GlyphTable::CodeCount);
    for (int code = 0; code < GlyphTable::CodeCount; ++code) {
        const qsizetype entryAt = 2 + 2 * qsizetype(code);
        const qsizetype start = LittleEndian::read16(bytes + entryAt);
        starts[std::size_t(code)] = -1;
        if (code == 0 && start != HeaderSize)
            problem(entryAt, "the offset of code 0 is " + std::to_string(start) + "; the first record starts at byte "
                                 + std::to_string(HeaderSize) + ", right after the table");
        else if (start < HeaderSize || start >= size)
            problem(entryAt, "the offset of " + codeText(code) + " is " + std::to_string(start)
                                 + ", outside the records (bytes " + std::to_string(HeaderSize) + " to "
                                 + std::to_string(size - 1) + ")");
        else if (code > 0 && starts[std::size_t(code) - 1] >= start)
            problem(entryAt, "the offset of " + codeText(code) + " is " + std::to_string(start)
                                 + ", not after the start of the record of code " + std::to_string(code - 1) + " at byte "
                                 + std::to_string(starts[std::size_t(code) - 1]));
        else
            starts[std::size_t(code)] = start;
    }

    for (int code = 0; code < GlyphTable::CodeCount; ++code) {
        RecordSpan span{code, starts[std::size_t(code)], size, true, code + 1 == GlyphTable::CodeCount};
        if (span.start < 0)
            continue;
        if (!span.last) {
            // A record ends where the next one starts; when the table cannot
            // say where that is, it may end anywhere before the end of the file.
            const qsizetype next = starts[std::size_t(code) + 1];
            span.exact = next > span.start;
            span.limit = span.exact ? next : size;
        }
        if (auto glyph = readRecord(bytes, span, fileName, font.problems))
            font.glyphs[std::size_t(code)] = std::move(*glyph);
    }
    checkCellHeights(font, starts, fileName);
    return font;
}

std::vector<FormatError> GlyphFileDecoder::checkSizes(const Decoded &font, QByteArrayView fontSizeDat,
                                                      const std::string &fileName)
{
    std::vector<FormatError> findings;
    const qsizetype size = fontSizeDat.size();
    if (size != GlyphTable::CodeCount)
        findings.push_back(FormatError::at(fileName, std::uint64_t(std::min<qsizetype>(size, GlyphTable::CodeCount)),
            "the file is " + std::to_string(size) + " bytes long; it holds one cell width for each of the "
                + std::to_string(GlyphTable::CodeCount) + " codes"));
    for (int code = 0; code < GlyphTable::CodeCount && code < size; ++code) {
        const Glyph &glyph = font.glyphs[std::size_t(code)];
        if (!glyph.sound || glyph.blank)
            continue;
        const int width = quint8(fontSizeDat[code]);
        for (std::size_t i = 0; i < glyph.rows.size(); ++i) {
            const Row &row = glyph.rows[i];
            std::string wrong;
            if (row.codes.isEmpty() && row.first != width)
                wrong = "has no ink and stores First " + std::to_string(row.first) + " instead of the width";
            else if (!row.codes.isEmpty() && row.first + row.codes.size() > width)
                wrong = "has ink up to column " + std::to_string(row.first + row.codes.size() - 1);
            if (!wrong.empty()) {
                findings.push_back(FormatError::at(fileName, std::uint64_t(code),
                    codeText(code) + ": the cell is " + std::to_string(width) + " pixels wide, but row "
                        + std::to_string(glyph.top + int(i)) + " of its glyph record " + wrong));
                break;
            }
        }
    }
    return findings;
}

} // namespace orvanta
