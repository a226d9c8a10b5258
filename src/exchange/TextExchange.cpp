#include "TextExchange.h"

#include "CsvFile.h"
#include "SourceContexts.h"
#include "font/GameTextRenderer.h"
#include "io/FileReader.h"
#include "texts/TextCodePages.h"
#include "texts/ReviewMarks.h"
#include "texts/TextTable.h"

#include <QDir>
#include <QFile>
#include <QHash>

namespace orvanta {

QString TextExchange::languageOf(int codePage)
{
    static const QHash<int, QString> languages{
        {874, QStringLiteral("th")}, {1253, QStringLiteral("el")}, {1258, QStringLiteral("vi")}};
    return languages.value(codePage);
}

QString TextExchange::sourceLanguageOf(int codePage)
{
    const QString language = languageOf(codePage);
    return language.isEmpty() ? QStringLiteral("en") : language;
}

namespace {

// Row `row`'s entry, into `entry`: its strings keep their room from row to
// row. Without `contexts` (CSV, which has none) the context is left empty.
void fillEntry(ExchangeEntry &entry, int row, const TextTable &texts, const ReviewMarks &marks,
               const TextCodePages &codePages, const GameTextRenderer *standardGlyphs,
               const SourceContexts *contexts)
{
    entry.row.setNum(row + 1);
    if (contexts)
        entry.context = contexts->context(row);
    entry.source = codePages.decode(TextTable::Source, texts.row(row).source);
    // A translation that is its source's bytes is the game's text as it
    // stands, so it reads as the source does.
    entry.translation = texts.row(row).translation == texts.row(row).source
        ? entry.source
        : codePages.decode(TextTable::Translation, texts.row(row).translation);
    entry.fixed = TextTable::isFixed(row);
    entry.needsReview = marks.needsReview(row);
    entry.done = marks.isDone(row);
    entry.translated = texts.isTranslated(row) || entry.done;
    entry.note = marks.note(row);
    if (standardGlyphs)
        entry.sourceWidth = standardGlyphs->width(texts.row(row).source);
}

} // namespace

QList<ExchangeEntry> TextExchange::entries(const TextTable &texts, const ReviewMarks &marks,
                                           const TextCodePages &codePages, const GameTextRenderer *standardGlyphs)
{
    const SourceContexts contexts(texts, codePages.source());
    QList<ExchangeEntry> entries(texts.rowCount());
    for (int row = 0; row < texts.rowCount(); ++row)
        fillEntry(entries[row], row, texts, marks, codePages, standardGlyphs, &contexts);
    return entries;
}

Result<QByteArray> TextExchange::exportTexts(TextFormat::Id format, const TextTable &texts, const ReviewMarks &marks,
                                             const TextCodePages &codePages, const GameTextRenderer *standardGlyphs,
                                             const TextFormat::Header &header, const QString &fileName)
{
    if (format != TextFormat::Id::Csv)
        return write(format, entries(texts, marks, codePages, standardGlyphs), header, fileName);
    ExchangeEntry entry;
    return CsvFile::write(texts.rowCount(), [&](qsizetype row) -> const ExchangeEntry & {
        fillEntry(entry, int(row), texts, marks, codePages, standardGlyphs, nullptr);
        return entry;
    });
}

Result<QByteArray> TextExchange::write(TextFormat::Id format, const QList<ExchangeEntry> &entries,
                                       const TextFormat::Header &given, const QString &fileName)
{
    TextFormat::Header header = given;
    if (header.language.isEmpty())
        header.language = languageOf(header.codePage);
    return TextFormat::of(format).write(entries, header, fileName);
}

Result<ExchangeFile> TextExchange::read(const QString &path)
{
    // Named as the system writes paths, as every message of the kit does.
    const std::string name = QDir::toNativeSeparators(path).toStdString();
    const TextFormat *format = TextFormat::ofFile(path);
    if (!format || !format->read) {
        const QStringList suffixes = TextFormat::allSuffixes(TextFormat::Use::Texts, TextFormat::Order::Alphabetical);
        return FormatError::general(name, "not a texts file: the name must end in "
                                              + TextFormat::listed(suffixes, QStringLiteral(".")).toStdString());
    }
    // Read a block at a time, never held whole: the file may be hundreds of megabytes.
    QFile file(path);
    if (Status opened = FileReader::open(file, FileReader::ExchangeCap); !opened)
        return opened.error();
    return format->read(file, name);
}

} // namespace orvanta
