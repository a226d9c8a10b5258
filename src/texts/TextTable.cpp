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

// Opens `name` and reads its records one by one after the 2-byte header;
// calls `take(index, text)` for each whole record the entry holds.
template <typename Take>
void readRecords(EntryStream &stream, const char *name, Take take)
{
    stream.Open(name);
    if (!stream.found())
        return;
    char record[TextFile::RecordSize];
    stream.Read(record, TextFile::HeaderSize);
    const std::int64_t count = TextFile::recordCount(stream.Size());
    for (std::int64_t i = 0; i < count && stream.Read(record, TextFile::RecordSize); ++i)
        take(int(i), TextFile::textOfRecord(record));
}

} // namespace

const std::array<int, 41> TextTable::FixedTextRows = fixedRows();

bool TextTable::isFixed(int index)
{
    return std::binary_search(FixedTextRows.begin(), FixedTextRows.end(), index);
}

void TextTable::LoadTexts(EntryStream &stream)
{
    m_rows.clear();
    readRecords(stream, "kvtexts.dat", [this](int, const QByteArray &text) { m_rows.append({text, text}); });
    readRecords(stream, "texts.dat", [this](int i, const QByteArray &text) {
        if (i < m_rows.size())
            m_rows[i].translation = text;
    });
}

void TextTable::ResetFixedTexts()
{
    for (int index : FixedTextRows) {
        if (index < m_rows.size())
            m_rows[index].translation = m_rows[index].source;
    }
}

QByteArray TextTable::translationFile() const
{
    QList<QByteArray> translations;
    translations.reserve(m_rows.size());
    for (const Row &row : m_rows)
        translations.append(row.translation);
    return TextFile::write(translations);
}

Status TextTable::SaveTexts(const QString &outputDirectory) const
{
    return FileSaver::writePiece(QDir(outputDirectory).filePath(QStringLiteral("texts.dat")), translationFile());
}

} // namespace orvanta
