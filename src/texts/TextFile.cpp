#include "TextFile.h"

#include <cstring>

namespace orvanta {

QByteArray TextFile::textOfRecord(const char *record)
{
    const void *nul = std::memchr(record, 0, RecordSize);
    const qsizetype length = nul ? static_cast<const char *>(nul) - record : RecordSize;
    return QByteArray(record, length);
}

void TextFile::appendRecord(QByteArray &out, const QByteArray &text)
{
    const qsizetype used = qMin<qsizetype>(text.size(), RecordSize);
    out.append(text.constData(), used);
    out.append(RecordSize - used, '\0');
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

QByteArray TextFile::write(const QList<QByteArray> &texts)
{
    QByteArray out = header();
    out.reserve(HeaderSize + RecordSize * texts.size());
    for (const QByteArray &text : texts)
        appendRecord(out, text);
    return out;
}

} // namespace orvanta
