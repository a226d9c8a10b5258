#include "KitSuggestions.h"

#include "KitLoader.h"
#include "KitSettings.h"
#include "exchange/TextExchange.h"
#include "pictures/PictureSlots.h"
#include "texts/TextTable.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace orvanta {

namespace {

// A record's translation as a suggestion gives it: empty when it is not
// translated.
QString translationOf(const TextTable &texts, const TextCodePages &codePages, int row)
{
    return texts.isTranslated(row) ? codePages.decode(TextTable::Translation, texts.row(row).translation) : QString();
}

QString rowOrigin(const QString &memory, const QString &row)
{
    const QString inRow = row.isEmpty() ? QString() : QStringLiteral("row ") + row;
    if (memory.isEmpty())
        return inRow;
    return inRow.isEmpty() ? memory : memory + QStringLiteral(", ") + inRow;
}

Result<TranslationMemory> readKit(const QString &folder, const QString &name, const CodePage &codePage)
{
    TextTable texts;
    PictureSlots pictures;
    const auto problems = KitLoader::load(folder, texts, pictures);
    if (!problems.empty())
        return problems.front();
    const TextCodePages own = KitSettings(folder).codePages(codePage.number());
    QList<TranslationMemory::Entry> entries;
    for (int row = 0; row < texts.rowCount(); ++row) {
        QString translation = translationOf(texts, own, row);
        if (!translation.isEmpty())
            entries.append({own.decode(TextTable::Source, texts.row(row).source), std::move(translation),
                            rowOrigin(name, QString::number(row + 1))});
    }
    return TranslationMemory(std::move(entries));
}

} // namespace

Result<TranslationMemory> KitSuggestions::readMemory(const QString &path, const CodePage &codePage)
{
    const QFileInfo file(path);
    const QString name = QDir::toNativeSeparators(path);
    if (file.isDir())
        return readKit(file.absoluteFilePath(), name, codePage);
    if (file.fileName().compare(QLatin1String("kvmain.dat"), Qt::CaseInsensitive) == 0)
        return readKit(file.absolutePath(), QDir::toNativeSeparators(file.absolutePath()), codePage);
    if (!file.exists())
        return FormatError::general(name.toStdString(), "no such file or folder");
    // A template holds no translations.
    const TextFormat *format = TextFormat::ofFile(path);
    if (!format || !format->readsTranslations()) {
        const QString suffixes =
            TextFormat::listed(TextFormat::allSuffixes(TextFormat::Use::Memories), QStringLiteral("."));
        return FormatError::general(name.toStdString(),
                                    QStringLiteral("is no translation memory (a %1 file, or a kit folder)")
                                        .arg(suffixes)
                                        .toStdString());
    }
    QList<TranslationMemory::Entry> entries;
    {
        // The file's entries (notes and all) are gone before the index is made.
        auto read = TextExchange::read(path);
        if (!read)
            return read.error();
        for (ExchangeEntry &entry : read->entries) {
            if (!entry.obsolete && !entry.translation.isEmpty() && entry.translation != entry.source)
                entries.append({std::move(entry.source), std::move(entry.translation), rowOrigin(name, entry.row),
                                entry.needsReview});
        }
    }
    return TranslationMemory(std::move(entries));
}

void KitSuggestions::index(const TextTable &texts, const TextCodePages &codePages)
{
    QList<TranslationMemory::Entry> entries;
    entries.reserve(texts.rowCount());
    for (int row = 0; row < texts.rowCount(); ++row)
        entries.append({codePages.decode(TextTable::Source, texts.row(row).source), translationOf(texts, codePages, row),
                        rowOrigin(QString(), QString::number(row + 1))});
    m_rows = TranslationMemory(std::move(entries));
    m_indexed = true;
}

void KitSuggestions::rowChanged(const TextTable &texts, const TextCodePages &codePages, int row)
{
    if (!m_indexed || row < 0 || row >= m_rows.size())
        return;
    if (m_rows.size() != texts.rowCount() || m_rows.entry(row).source != codePages.decode(TextTable::Source, texts.row(row).source))
        m_indexed = false;
    else
        m_rows.setTranslation(row, translationOf(texts, codePages, row));
}

QList<KitSuggestions::Suggestion> KitSuggestions::suggestions(const TextTable &texts, const TextCodePages &codePages,
                                                              int row)
{
    if (row < 0 || row >= texts.rowCount() || texts.row(row).source.isEmpty())
        return {};
    if (!m_indexed || m_rows.size() != texts.rowCount())
        index(texts, codePages);
    const QString source = m_rows.entry(row).source;

    // Every match, each tagged with the order of its memory (the kit's rows
    // first), then sorted: best first, the stable sort keeping that order.
    struct Found {
        const TranslationMemory::Entry *entry;
        int percent;
    };
    std::vector<Found> found;
    const auto collect = [&](const TranslationMemory &memory, int except) {
        for (const TranslationMemory::Match &match : memory.find(source, except, MostGiven))
            found.push_back({&memory.entry(match.entry), match.percent});
    };
    collect(m_rows, row);
    for (const TranslationMemory &memory : std::as_const(m_memories))
        collect(memory, -1);
    std::stable_sort(found.begin(), found.end(), [](const Found &a, const Found &b) { return a.percent > b.percent; });

    QList<Suggestion> suggestions;
    QSet<std::pair<QString, QString>> given;
    for (const Found &f : found) {
        if (suggestions.size() == MostGiven)
            break;
        if (!given.contains({f.entry->source, f.entry->translation})) {
            given.insert({f.entry->source, f.entry->translation});
            suggestions.append({f.percent, f.entry->source, f.entry->translation, f.entry->origin, f.entry->fuzzy});
        }
    }
    return suggestions;
}

} // namespace orvanta
