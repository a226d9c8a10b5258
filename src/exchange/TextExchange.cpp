#include "TextExchange.h"

#include "CsvFile.h"
#include "PoFile.h"
#include "XliffFile.h"
#include "font/GameTextRenderer.h"
#include "io/FileReader.h"
#include "texts/CodePage.h"
#include "texts/ReviewMarks.h"
#include "texts/TextTable.h"

#include <QDir>
#include <QHash>

namespace orvanta {

std::optional<TextExchange::Format> TextExchange::formatOf(const QString &fileName)
{
    const auto ends = [&](const char *suffix) { return fileName.endsWith(QLatin1String(suffix), Qt::CaseInsensitive); };
    if (ends(".csv"))
        return Format::Csv;
    if (ends(".po"))
        return Format::Po;
    if (ends(".pot"))
        return Format::Pot;
    if (ends(".xlf") || ends(".xliff"))
        return Format::Xliff;
    return std::nullopt;
}

std::optional<TextExchange::Format> TextExchange::formatNamed(const QString &name)
{
    const QString lower = name.toLower();
    if (lower == QLatin1String("xlf"))
        return Format::Xliff;
    return formatOf(QLatin1Char('.') + lower);
}

QString TextExchange::languageOf(int codePage)
{
    static const QHash<int, QString> languages{
        {874, QStringLiteral("th")}, {1253, QStringLiteral("el")}, {1258, QStringLiteral("vi")}};
    return languages.value(codePage);
}

namespace {

// Row `row`'s entry, into `entry`: its strings keep their room from row to row.
void fillEntry(ExchangeEntry &entry, int row, const TextTable &texts, const ReviewMarks &marks,
               const CodePage &codePage, const GameTextRenderer *standardGlyphs)
{
    entry.row.setNum(row + 1);
    entry.source = codePage.decode(texts.row(row).source);
    entry.translation = codePage.decode(texts.row(row).translation);
    entry.fixed = TextTable::isFixed(row);
    entry.needsReview = marks.needsReview(row);
    entry.note = marks.note(row);
    if (standardGlyphs)
        entry.sourceWidth = standardGlyphs->width(texts.row(row).source);
}

} // namespace

QList<ExchangeEntry> TextExchange::entries(const TextTable &texts, const ReviewMarks &marks,
                                           const CodePage &codePage, const GameTextRenderer *standardGlyphs)
{
    QList<ExchangeEntry> entries(texts.rowCount());
    for (int row = 0; row < texts.rowCount(); ++row)
        fillEntry(entries[row], row, texts, marks, codePage, standardGlyphs);
    return entries;
}

Result<QByteArray> TextExchange::exportTexts(Format format, const TextTable &texts, const ReviewMarks &marks,
                                             const CodePage &codePage, const GameTextRenderer *standardGlyphs,
                                             const Header &header, const QString &fileName)
{
    if (format != Format::Csv)
        return write(format, entries(texts, marks, codePage, standardGlyphs), header, fileName);
    ExchangeEntry entry;
    return CsvFile::write(texts.rowCount(), [&](qsizetype row) -> const ExchangeEntry & {
        fillEntry(entry, int(row), texts, marks, codePage, standardGlyphs);
        return entry;
    });
}

Result<QByteArray> TextExchange::write(Format format, const QList<ExchangeEntry> &entries, const Header &given,
                                       const QString &fileName)
{
    Header header = given;
    if (header.language.isEmpty())
        header.language = languageOf(header.codePage);
    switch (format) {
    case Format::Csv:
        return CsvFile::write(entries);
    case Format::Xliff:
        return XliffFile::write(entries, {header.codePage, header.language}, fileName.toStdString());
    case Format::Po:
    case Format::Pot:
        break;
    }
    return PoFile::write(entries, {header.codePage, header.language, header.created, format == Format::Pot});
}

Result<ExchangeFile> TextExchange::read(const QString &path)
{
    // Named as the system writes paths, as every message of the kit does.
    const std::string name = QDir::toNativeSeparators(path).toStdString();
    const auto format = formatOf(path);
    if (!format)
        return FormatError::general(name,
                                    "not a texts file: the name must end in .csv, .po, .pot, .xlf or .xliff");
    const auto read = FileReader::read(path, FileReader::ExchangeCap);
    if (!read)
        return read.error();
    const QByteArray &bytes = *read;
    switch (*format) {
    case Format::Csv:
        return CsvFile::read(bytes, name);
    case Format::Xliff:
        return XliffFile::read(bytes, name);
    case Format::Po:
    case Format::Pot:
        break;
    }
    return PoFile::read(bytes, name);
}

} // namespace orvanta
