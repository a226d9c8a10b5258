#include "TextTable.h"

#include "TextFile.h"
#include "core/EntryStream.h"
#include "io/FileSaver.h"
#include "io/PlatformMemory.h"

#include <QDir>

#include <algorithm>
#include <cstring>

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

// Records read with one call: more than the stream reads ahead, so that
// they go straight from the file into the table's block.
constexpr std::int64_t ChunkRecords = std::int64_t(EntryStream::ReadAheadSize) / TextFile::RecordSize + 1;

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
    // Asked of every record at load: most rows are outside the fixed range.
    return row >= FixedTextRows.front() && row <= FixedTextRows.back()
           && std::binary_search(FixedTextRows.begin(), FixedTextRows.end(), row);
}

bool TextTable::isTranslation(QByteArrayView source, QByteArrayView translation)
{
    const auto isBlank = [](QByteArrayView text) {
        return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t'; });
    };
    return translation != source && !(isBlank(translation) && !isBlank(source));
}

bool TextTable::isTranslated(int row) const
{
    return !isFixed(row) && isTranslation(m_rows[std::size_t(row)].source, m_rows[std::size_t(row)].translation);
}

void TextTable::LoadTexts(EntryStream &stream)
{
    m_rows.clear();
    m_changed.clear();
    m_block = QByteArray();
    const std::int64_t sources = openTextFile(stream, "kvtexts.dat");
    if (sources == 0)
        return;
    // Room for every record whole, both files, and one record more: records
    // are read many at a time straight into the block where their texts are
    // to stay, and each text then moves down to the cursor (never up: a
    // text is no longer than its record), so each byte is copied once from
    // the file and at most once in memory. Pages of the room no text
    // reaches are never touched.
    QByteArray block(qsizetype(2 * sources + 1) * TextFile::RecordSize, Qt::Uninitialized);
    char *const base = block.data();
    PlatformMemory::preferLargePages(base, std::size_t(block.size()));
    char *cursor = base;
    // Reads `count` records; `keep(i, text)` says whether record i's text,
    // now at the cursor, stays. A chunk that cannot be read whole (a cut
    // file) is read record by record, so every whole record still loads.
    auto readTexts = [&](std::int64_t count, auto keep) {
        for (std::int64_t i = 0; i < count;) {
            std::int64_t n = std::min(ChunkRecords, count - i);
            if (!stream.Read(cursor, n * TextFile::RecordSize)) {
                n = 1;
                if (!stream.Read(cursor, TextFile::RecordSize))
                    return;
            }
            const char *record = cursor;
            for (const std::int64_t end = i + n; i < end; ++i, record += TextFile::RecordSize) {
                const qsizetype length = TextFile::textView(record).size();
                std::memmove(cursor, record, std::size_t(length));
                if (keep(i, QByteArrayView(cursor, length)))
                    cursor += length;
            }
        }
    };
    m_rows.reserve(std::size_t(sources));
    PlatformMemory::preferLargePages(m_rows.data(), m_rows.capacity() * sizeof(Row),
                                     std::size_t(sources) * sizeof(Row));
    readTexts(sources, [&](std::int64_t, QByteArrayView text) {
        m_rows.push_back({text, text});
        return true;
    });
    // Translations past the last source record have no row; they are not
    // read. One equal to its source views the source's bytes.
    const std::int64_t translations = std::min<std::int64_t>(openTextFile(stream, "texts.dat"), rowCount());
    readTexts(translations, [&](std::int64_t i, QByteArrayView text) {
        Row &row = m_rows[std::size_t(i)];
        if (text == row.source)
            return false;
        row.translation = text;
        if (isFixed(int(i)))
            row.source = text;
        return true;
    });
    block.resize(cursor - base); // in place: the views stay valid
    m_block = std::move(block);
}

QByteArrayView TextTable::keep(int index, Column text, const QByteArray &bytes)
{
    return *m_changed.insert(ColumnCount * qint64(index) + text, bytes);
}

void TextTable::setSource(int index, const QByteArray &text)
{
    m_rows[std::size_t(index)].source = keep(index, Source, text);
}

void TextTable::setTranslation(int index, const QByteArray &text)
{
    m_rows[std::size_t(index)].translation = keep(index, Translation, text);
}

QByteArray TextTable::translationFile() const
{
    QByteArray out = TextFile::header();
    out.reserve(TextFile::HeaderSize + TextFile::RecordSize * qsizetype(m_rows.size()));
    for (std::size_t row = 0; row < m_rows.size(); ++row)
        TextFile::appendRecord(out, savedText(int(row), m_rows[row].source, m_rows[row].translation));
    return out;
}

Status TextTable::SaveTexts(const QString &outputDirectory) const
{
    return FileSaver::writePiece(QDir(outputDirectory).filePath(QStringLiteral("texts.dat")), translationFile());
}

} // namespace orvanta
