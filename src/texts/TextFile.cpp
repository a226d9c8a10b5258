#include "TextFile.h"

#include "core/LittleEndian.h"

#include <cstring>

namespace orvanta {

QByteArrayView TextFile::textView(const char *record)
{
    const void *nul = std::memchr(record, 0, RecordSize);
    const qsizetype length = nul ? static_cast<const char *>(nul) - record : RecordSize;
    return QByteArrayView(record, length);
}

void TextFile::appendRecord(QByteArray &out, QByteArrayView text)
{
    const QByteArrayView kept = recordPart(text);
    out.append(kept);
    out.append(RecordSize - kept.size(), '\0');
}

QByteArray TextFile::header()
{
    return QByteArray("\xC8\x00", HeaderSize);
}

QList<QByteArray> TextFile::read(const QByteArray &file)
{
    QList<QByteArray> texts;
    const std::int64_t count = recordCount(file.size());
    texts.reserve(count);
    for (std::int64_t i = 0; i < count; ++i)
        texts.append(textOfRecord(file.constData() + HeaderSize + i * RecordSize));
    return texts;
}

std::vector<FormatError> TextFile::check(QByteArrayView file, const std::string &fileName)
{
    std::vector<FormatError> findings;
    const qsizetype size = file.size();
    if (size < HeaderSize) {
        findings.push_back(FormatError::at(fileName, 0,
            "the file is " + std::to_string(size) + " bytes long, too short for its 2-byte record size"));
        return findings;
    }
    const int recordSize = LittleEndian::read16(reinterpret_cast<const unsigned char *>(file.data()));
    if (recordSize != RecordSize)
        findings.push_back(FormatError::at(fileName, 0,
            "the record size is " + std::to_string(recordSize) + ", not " + std::to_string(RecordSize)));
    const std::int64_t records = recordCount(size);
    const std::int64_t wholeEnd = HeaderSize + records * RecordSize;
    if (size != wholeEnd)
        findings.push_back(FormatError::at(fileName, std::uint64_t(wholeEnd),
            std::to_string(size - wholeEnd) + " bytes after the last whole record (" + std::to_string(records)
                + " records of " + std::to_string(RecordSize) + " bytes); a part record is never read"));
    return findings;
}

QByteArray TextFile::write(const QList<QByteArray> &texts)
{
    QByteArray out = header();
    out.reserve(HeaderSize + RecordSize * texts.size());
    for (const QByteArray &text : texts)
        appendRecord(out, text);
    return out;
}

} // namespace orvanta
