#include "TextTable.h"

#include "TextFile.h"
#include "core/EntryStream.h"
#include "io/FileSaver.h"

#include <QDir>

#include <algorithm>
#include <optional>

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
    m_rows.clear();
    m_changed.clear();
    m_block = QByteArray();
    const std::int64_t sources = openTextFile(stream, "kvtexts.dat");
    if (sources == 0)
        return;
    // Room for every record whole, both files, and one record more to read
    // into: each record is read where its text is to stay, and the cursor
    // moves on by the text alone. Pages of the room no text reaches are
    // never touched.
    QByteArray block(qsizetype(2 * sources + 1) * TextFile::RecordSize, Qt::Uninitialized);
    char *const base = block.data();
    char *cursor = base;
    auto readText = [&]() -> std::optional<QByteArrayView> {
        if (!stream.Read(cursor, TextFile::RecordSize))
            return std::nullopt;
        return TextFile::textView(cursor);
    };
    m_rows.reserve(std::size_t(sources));
    for (std::int64_t i = 0; i < sources; ++i) {
        const auto text = readText();
        if (!text)
            break;
        m_rows.push_back({*text, *text});
        cursor += text->size();
    }
    // Translations past the last source record have no row; they are not
    // read. One equal to its source views the source's bytes.
    const std::int64_t translations = std::min<std::int64_t>(openTextFile(stream, "texts.dat"), rowCount());
    for (std::int64_t i = 0; i < translations; ++i) {
        const auto text = readText();
        if (!text)
            break;
        Row &row = m_rows[std::size_t(i)];
        if (*text != row.source) {
            row.translation = *text;
            cursor += text->size();
            if (isFixed(int(i)))
                row.source = row.translation;
        }
    }
    block.resize(cursor - base); // in place: the views stay valid
    m_block = std::move(block);
}

QByteArrayView TextTable::keep(int index, Side side, const QByteArray &text)
{
    return *m_changed.insert(2 * qint64(index) + side, text);
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
