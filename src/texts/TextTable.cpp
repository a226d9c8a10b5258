#include "TextTable.h"

#include "TextFile.h"
#include "core/EntryStream.h"
#include "io/FileSaver.h"

#include <QDir>

#include <algorithm>

namespace orvanta {

namespace {

constexpr std::array<int, 41> fixedRows()
{
    std::array<int, 41> rows{};
    int n = 0;
    for (int i = 1415; i <= 1442; ++i)
        rows[n++] = i;
    for (int i = 1610; i <= 1622; ++i)
        rows[n++] = i;
    return rows;
}

// Opens `name` and reads its 2-byte header. Returns the number of whole
// records that follow, 0 when neither archive holds the entry.
std::int64_t openTextFile(EntryStream &stream, const char *name)
{
    stream.Open(name);
    if (!stream.found())
        return 0;
    char header[TextFile::HeaderSize];
    stream.Read(header, TextFile::HeaderSize);
    return TextFile::recordCount(stream.Size());
}

} // namespace

const std::array<int, 41> TextTable::FixedTextRows = fixedRows();

bool TextTable::isFixed(int row)
{
    return std::binary_search(FixedTextRows.begin(), FixedTextRows.end(), row);
}

void TextTable::LoadTexts(EntryStream &stream)
{
    // The records are read one by one, in order; the stream reads ahead, so
    // this is one pass over each entry whatever its length.
    char record[TextFile::RecordSize];
    m_rows.clear();
    const std::int64_t sources = openTextFile(stream, "kvtexts.dat");
    m_rows.reserve(qsizetype(sources));
    for (std::int64_t i = 0; i < sources && stream.Read(record, TextFile::RecordSize); ++i) {
        const QByteArray text = TextFile::textOfRecord(record);
        m_rows.append({text, text});
    }
    // Translations past the last source record have no row; they are not
    // read. One equal to its source keeps sharing the source's bytes.
    const std::int64_t translations = std::min<std::int64_t>(openTextFile(stream, "texts.dat"), m_rows.size());
    for (std::int64_t i = 0; i < translations && stream.Read(record, TextFile::RecordSize); ++i) {
        Row &row = m_rows[qsizetype(i)];
        const QByteArrayView text = TextFile::textView(record);
        if (text == row.source)
            continue;
        row.translation = text.toByteArray();
        if (isFixed(int(i)))
            row.source = row.translation;
    }
}

QByteArray TextTable::translationFile() const
{
    QList<QByteArray> translations;
    translations.reserve(m_rows.size());
    for (qsizetype row = 0; row < m_rows.size(); ++row) {
        const Row &texts = m_rows[row];
        translations.append(isFixed(int(row)) ? texts.source : texts.translation);
    }
    return TextFile::write(translations);
}

Status TextTable::SaveTexts(const QString &outputDirectory) const
{
    return FileSaver::writePiece(QDir(outputDirectory).filePath(QStringLiteral("texts.dat")), translationFile());
}

} // namespace orvanta
