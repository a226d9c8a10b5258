#include "TextFormat.h"

#include "CsvFile.h"
#include "PoFile.h"
#include "TextExchange.h"
#include "TmxFile.h"
#include "XliffFile.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace orvanta {

namespace {

Result<QByteArray> writeCsv(const QList<ExchangeEntry> &entries, const TextFormat::Header &, const QString &)
{
    return CsvFile::write(entries);
}

template <bool Template>
Result<QByteArray> writePo(const QList<ExchangeEntry> &entries, const TextFormat::Header &header, const QString &)
{
    return PoFile::write(entries, {header.codePage, header.language, header.created, Template});
}

template <XliffFile::Targets Targets>
Result<QByteArray> writeXliff(const QList<ExchangeEntry> &entries, const TextFormat::Header &header,
                              const QString &fileName)
{
    return XliffFile::write(entries,
                            {header.codePage, header.language, TextExchange::sourceLanguageOf(header.sourceCodePage),
                             Targets},
                            fileName.toStdString());
}

// A TMX's alternative translations are those of the XLIFF for OmegaT of
// its name: "texts.tmx" holds those of "texts.xlf".
Result<QByteArray> writeTmx(const QList<ExchangeEntry> &entries, const TextFormat::Header &header,
                            const QString &fileName)
{
    const QString xliff = QFileInfo(fileName).completeBaseName() + QLatin1Char('.')
        + TextFormat::of(TextFormat::Id::XliffForOmegaT).suffixes.first();
    return TmxFile::write(entries,
                          {header.language, TextExchange::sourceLanguageOf(header.sourceCodePage), header.created, xliff},
                          fileName.toStdString());
}

} // namespace

const QList<TextFormat> &TextFormat::all()
{
    static const QList<TextFormat> formats{
        {Id::Po, QStringLiteral("po"), QStringLiteral("PO"), QT_TRANSLATE_NOOP("TextFormat", "PO files"), {QStringLiteral("po")},
         std::nullopt, &PoFile::read, &writePo<false>},
        {Id::Pot, QStringLiteral("pot"), QStringLiteral("PO template"), QT_TRANSLATE_NOOP("TextFormat", "PO templates"),
         {QStringLiteral("pot")}, Id::Po, &PoFile::read, &writePo<true>},
        {Id::Xliff, QStringLiteral("xliff"), QStringLiteral("XLIFF"), QT_TRANSLATE_NOOP("TextFormat", "XLIFF files"),
         {QStringLiteral("xlf"), QStringLiteral("xliff")}, std::nullopt, &XliffFile::read,
         &writeXliff<XliffFile::Targets::Translations>},
        {Id::XliffForOmegaT, QStringLiteral("xliff-omegat"), QStringLiteral("XLIFF for OmegaT"),
         QT_TRANSLATE_NOOP("TextFormat", "XLIFF files for OmegaT"), {QStringLiteral("xlf")}, Id::Xliff, &XliffFile::read,
         &writeXliff<XliffFile::Targets::Sources>},
        {Id::Csv, QStringLiteral("csv"), QStringLiteral("CSV"), QT_TRANSLATE_NOOP("TextFormat", "CSV files"), {QStringLiteral("csv")},
         std::nullopt, &CsvFile::read, &writeCsv},
        {Id::Tmx, QStringLiteral("tmx"), QStringLiteral("TMX"), QT_TRANSLATE_NOOP("TextFormat", "TMX translation memories"),
         {QStringLiteral("tmx")}, std::nullopt, nullptr, &writeTmx},
    };
    return formats;
}

const TextFormat &TextFormat::of(Id id)
{
    for (const TextFormat &format : all()) {
        if (format.id == id)
            return format;
    }
    Q_UNREACHABLE();
}

const TextFormat *TextFormat::ofFile(const QString &fileName)
{
    for (const TextFormat &format : all()) {
        for (const QString &suffix : format.suffixes) {
            if (fileName.endsWith(QLatin1Char('.') + suffix, Qt::CaseInsensitive))
                return &format;
        }
    }
    return nullptr;
}

const TextFormat *TextFormat::named(const QString &name)
{
    for (const TextFormat &format : all()) {
        if (format.name.compare(name, Qt::CaseInsensitive) == 0
            || format.suffixes.contains(name, Qt::CaseInsensitive))
            return &format;
    }
    return nullptr;
}

QStringList TextFormat::allSuffixes(Use use, Order order)
{
    QStringList found;
    for (const TextFormat &format : all()) {
        if (use == Use::Exports || (use == Use::Texts && format.read) || format.readsTranslations())
            found += format.suffixes;
    }
    found.removeDuplicates();
    if (order == Order::Alphabetical)
        found.sort();
    return found;
}

QStringList TextFormat::names()
{
    QStringList names;
    for (const TextFormat &format : all())
        names.append(format.name);
    names.sort();
    return names;
}

QString TextFormat::listed(const QStringList &items, const QString &prefix)
{
    QStringList prefixed;
    for (const QString &item : items)
        prefixed.append(prefix + item);
    const QString last = prefixed.isEmpty() ? QString() : prefixed.takeLast();
    return prefixed.isEmpty() ? last : prefixed.join(QLatin1String(", ")) + QLatin1String(" or ") + last;
}

QString TextFormat::patterns(const QStringList &suffixes)
{
    QStringList patterns;
    for (const QString &suffix : suffixes)
        patterns.append(QLatin1String("*.") + suffix);
    return patterns.join(QLatin1Char(' '));
}

QString TextFormat::shownDescription() const
{
    return QCoreApplication::translate("TextFormat", description);
}

QString TextFormat::saveFilter() const
{
    return shownDescription() + QLatin1String(" (") + patterns({suffixes.first()}) + QLatin1Char(')');
}

QString TextFormat::openFilter() const
{
    QStringList read = suffixes;
    for (const TextFormat &format : all()) {
        if (format.templateOf == id)
            read += format.suffixes;
    }
    read.removeDuplicates();
    return shownDescription() + QLatin1String(" (") + patterns(read) + QLatin1Char(')');
}

const TextFormat *TextFormat::ofSaveFilter(const QString &filter)
{
    for (const TextFormat &format : all()) {
        if (format.saveFilter() == filter)
            return &format;
    }
    return nullptr;
}

} // namespace orvanta
