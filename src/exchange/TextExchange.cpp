#include "TextExchange.h"

#include "CsvFile.h"
#include "PoFile.h"
#include "texts/CodePage.h"
#include "texts/TextTable.h"

#include <QDateTime>
#include <QFile>

namespace orvanta {

std::optional<TextExchange::Format> TextExchange::formatOf(const QString &fileName)
{
    if (fileName.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        return Format::Csv;
    if (fileName.endsWith(QLatin1String(".po"), Qt::CaseInsensitive)
        || fileName.endsWith(QLatin1String(".pot"), Qt::CaseInsensitive))
        return Format::Po;
    return std::nullopt;
}

QList<ExchangeEntry> TextExchange::entries(const TextTable &texts, const CodePage &codePage)
{
    QList<ExchangeEntry> entries;
    entries.reserve(texts.rowCount());
    for (int i = 0; i < texts.rowCount(); ++i) {
        ExchangeEntry entry{QString::number(i + 1), codePage.decode(texts.row(i).source),
                            codePage.decode(texts.row(i).translation)};
        entries.append(entry);
    }
    for (int index : TextTable::FixedTextRows) {
        if (index < entries.size())
            entries[index].fixed = true;
    }
    return entries;
}

Result<QByteArray> TextExchange::write(Format format, const TextTable &texts, const CodePage &codePage,
                                       const QString &fileName)
{
    const QList<ExchangeEntry> all = entries(texts, codePage);
    if (format == Format::Csv)
        return CsvFile::write(all);
    return PoFile::write(all, codePage.number(), QDateTime::currentDateTimeUtc(), fileName.toStdString());
}

Result<QList<ExchangeEntry>> TextExchange::read(const QString &path)
{
    const auto format = formatOf(path);
    if (!format)
        return FormatError::general(path.toStdString(), "not a texts file: the name must end in .csv, .po or .pot");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FormatError::general(path.toStdString(), "cannot be opened: " + file.errorString().toStdString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return FormatError::general(path.toStdString(), "cannot be read: " + file.errorString().toStdString());
    if (*format == Format::Csv)
        return CsvFile::read(bytes, path.toStdString());
    return PoFile::read(bytes, path.toStdString());
}

} // namespace orvanta
