#include "GlyphFileWriter.h"

#include "io/FileSaver.h"

#include "GlyphCapture.h"
#include "FontChoice.h"
#include "GlyphRecordEncoder.h"
#include "SystemGlyphRasterizer.h"

#include <QDir>
#include <QtEndian>

namespace orvanta {

const QString GlyphFileWriter::FontFileName = QStringLiteral("font.spr");
const QString GlyphFileWriter::SizeFileName = QStringLiteral("fontsize.dat");

namespace {

void appendU16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

} // namespace

QList<QByteArray> GlyphFileWriter::encodeGlyphRecords(const GlyphTable &table)
{
    QList<QByteArray> records;
    records.reserve(GlyphTable::CodeCount);
    for (int code = 0; code < GlyphTable::CodeCount; ++code)
        records.append(GlyphRecordEncoder::EncodeGlyphRecord(GlyphCapture::ComposeGlyphCell(table, code),
                                                             table.cellHeight));
    return records;
}

Result<QByteArray> GlyphFileWriter::assembleFontFile(const QList<QByteArray> &records)
{
    Q_ASSERT(records.size() == GlyphTable::CodeCount);
    QByteArray file;
    appendU16(file, GlyphTable::CodeCount);
    qint64 offset = HeaderSize;
    for (int code = 0; code < GlyphTable::CodeCount; ++code) {
        if (offset > MaxRecordOffset)
            return FormatError::inRecord(
                {}, code, QStringLiteral("the record of code %1 would start at byte %2; the offset table reaches "
                                         "only %3")
                              .arg(code).arg(offset).arg(MaxRecordOffset).toStdString());
        appendU16(file, quint16(offset));
        offset += records[code].size();
    }
    for (const QByteArray &record : records)
        file.append(record);
    return file;
}

Result<GlyphFiles> GlyphFileWriter::build(const GlyphTable &table)
{
    Result<QByteArray> fontFile = assembleFontFile(encodeGlyphRecords(table));
    if (!fontFile)
        return fontFile.error();
    GlyphFiles files{std::move(*fontFile), {}};
    for (const GlyphEntry &entry : table.entries)
        files.fontSizeDat.append(char(entry.cellWidth));
    return files;
}

Result<GlyphFiles> GlyphFileWriter::captureGlyphFiles(const QFont &glyphFont, const CodePage &codePage,
                                                      GlyphTable *captured)
{
    const SystemGlyphRasterizer rasterizer(glyphFont);
    Result<GlyphTable> table = GlyphCapture::CaptureGlyphs(rasterizer, codePage);
    Result<GlyphFiles> files = table ? build(*table) : Result<GlyphFiles>(table.error());
    if (!files) {
        FormatError error = files.error();
        error.file = FontFileName.toStdString();
        error.what = "the font \"" + FontChoice::DescribeGlyphFont(glyphFont).toStdString()
                     + "\" is too large for the game's glyph files: " + error.what;
        return error;
    }
    if (captured)
        *captured = std::move(*table);
    return files;
}

Status GlyphFileWriter::WriteGlyphFiles(const QString &outputDirectory, const QFont &glyphFont,
                                        const CodePage &codePage)
{
    const Result<GlyphFiles> files = captureGlyphFiles(glyphFont, codePage);
    if (!files)
        return files.error();
    return WriteGlyphFiles(outputDirectory, *files);
}

Status GlyphFileWriter::WriteGlyphFiles(const QString &outputDirectory, const GlyphFiles &files)
{
    const QDir directory(outputDirectory);
    if (Status written = FileSaver::writePiece(directory.filePath(SizeFileName), files.fontSizeDat); !written)
        return written;
    return FileSaver::writePiece(directory.filePath(FontFileName), files.fontSpr);
}

} // namespace orvanta
