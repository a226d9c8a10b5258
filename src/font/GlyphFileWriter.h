#pragma once

#include "GlyphTable.h"
#include "core/Result.h"

#include <QByteArray>
#include <QFont>
#include <QList>
#include <QString>

namespace orvanta {

class CodePage;

// The two glyph files the game draws its texts from, as bytes.
struct GlyphFiles {
    QByteArray fontSpr;     // "font.spr"
    QByteArray fontSizeDat; // "fontsize.dat"
};

// Makes "font.spr" and "fontsize.dat" from a capture of the GlyphFont.
//
// font.spr: the glyph count (u16, 256), 256 record offsets (u16, counted
// from the start of the file; the first is 514), then the 256 glyph
// records back to back. fontsize.dat: 256 bytes, the cell width of each
// code. All numbers little-endian.
class GlyphFileWriter {
public:
    static constexpr int HeaderSize = 2 + 2 * GlyphTable::CodeCount;
    static constexpr int MaxRecordOffset = 0xFFFF;
    static const QString FontFileName;
    static const QString SizeFileName;

    // The glyph records of codes 0 to 255, in order.
    static QList<QByteArray> encodeGlyphRecords(const GlyphTable &table);

    // font.spr from the 256 records of codes 0 to 255. Refuses, naming the
    // code, records that would start past MaxRecordOffset.
    static Result<QByteArray> assembleFontFile(const QList<QByteArray> &records);

    // Both files of `table`, or the refusal of assembleFontFile.
    static Result<GlyphFiles> build(const GlyphTable &table);

    // Captures `glyphFont` (code c drawn as codePage's character for c) and
    // builds both files. A refusal names the font and the limit it passes.
    // `captured`, when given, receives the capture.
    static Result<GlyphFiles> captureGlyphFiles(const QFont &glyphFont, const CodePage &codePage,
                                                GlyphTable *captured = nullptr);

    // Captures `glyphFont` and writes "fontsize.dat" and "font.spr" into
    // `outputDirectory`, each replaced whole or not at all. A font over the
    // limits writes nothing.
    static Status WriteGlyphFiles(const QString &outputDirectory, const QFont &glyphFont, const CodePage &codePage);
    // Writes glyph files captured before, as the above does after its capture.
    static Status WriteGlyphFiles(const QString &outputDirectory, const GlyphFiles &files);
};

} // namespace orvanta
