// Export and import of 200,000 texts as CSV, PO and XLIFF, as kvtool does
// them: the texts decoded and the file written safely (PO with a reference
// on every entry and a context where a source stands in several rows); the
// file read, parsed and placed by source (every translation differing, so
// every row changes). And taking the translations of an older kit of 200,000 rows
// onto 200,000 rows of which 10% were reworded a little and 10% moved.
// Each figure is also given as "x_cat": its time over that of `cat` of the
// same file to /dev/null, measured in the same run; "x_cat_cpu" puts the
// processor time of the job over it instead, which a busy machine inflates
// less.
//
// The Large benchmarks read files of about 200 MB: 200,000 rows whose texts
// are near a record's limit (a source of 190 letters, a Cyrillic
// translation of 190, a note of 400), imported as kvtool imports them and
// taken as a translation memory. Besides the time they give "x_file_peak":
// the most memory the job held at once (the growth of the process's peak
// resident set over what it held before) over the file's size.
#include "core/ArchiveSet.h"
#include "core/ArchiveWriter.h"
#include "core/EntryStream.h"
#include "exchange/TextExchange.h"
#include "exchange/TextImport.h"
#include "exchange/TextMigration.h"
#include "io/FileSaver.h"
#include "texts/CodePage.h"
#include "texts/TextCodePages.h"
#include "texts/ReviewMarks.h"
#include "texts/TextFile.h"
#include "texts/TextTable.h"

#include "kit/KitSuggestions.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <functional>
#include <optional>
#include <string>

#include <malloc.h>
#include <memory>
#include <random>
#include <sstream>

using namespace orvanta;

namespace {

constexpr int Rows = 200000;

// Made on first use: a CodePage needs the tables of another file, which
// static initialisation may not have reached.
const CodePage &cyrillic()
{
    static const CodePage page(1251);
    return page;
}

// A Russian kit's: translations in 1251, sources in the game's.
const TextCodePages &russianKit()
{
    static const TextCodePages pages(1251);
    return pages;
}

// A table loaded as the kit loads one, from an archive in memory.
TextTable loaded(const QList<QByteArray> &sources, const QList<QByteArray> &translations)
{
    const auto archive = ArchiveWriter::write(
        {{"KVTEXTS.DAT", TextFile::write(sources).toStdString()}, {"TEXTS.DAT", TextFile::write(translations).toStdString()}});
    ArchiveSet archives;
    archives.openSlot(0, std::make_unique<std::istringstream>(*archive), archive->size(), "lang.dat");
    EntryStream stream(archives);
    TextTable table;
    table.LoadTexts(stream);
    return table;
}

// 200,000 texts of about the sample's length, one in twenty of them one of
// 50 texts that stand in 200 rows each (so the PO carries a context for
// them); the translations are Cyrillic when `translated`, else the source
// texts. The fixed rows keep their source: the kit would load a
// translation there as their source.
TextTable bigTable(bool translated)
{
    QList<QByteArray> sources, translations;
    for (int i = 0; i < Rows; ++i) {
        sources.append(i % 20 == 7 ? "A text of many rows, number " + QByteArray::number(i % 1000)
                                   : "Text " + QByteArray::number(i + 1) + " of the game, with \"a few\" more words, spaced ");
        translations.append(translated && !TextTable::isFixed(i) ? cyrillic().encode(QStringLiteral("Текст %1 игры, с «несколькими» словами ").arg(i + 1)).value()
                                       : sources.last());
    }
    return loaded(sources, translations);
}

struct Files {
    QTemporaryDir dir;
    TextTable translated = bigTable(true);
    TextTable untranslated = bigTable(false);

    QString path(TextFormat::Id format) const
    {
        switch (format) {
        case TextFormat::Id::Csv: return dir.filePath(QStringLiteral("texts.csv"));
        case TextFormat::Id::Xliff: return dir.filePath(QStringLiteral("texts.xlf"));
        default: return dir.filePath(QStringLiteral("texts.po"));
        }
    }
};

Files &files()
{
    static Files instance;
    return instance;
}

// The best of five runs of `cat FILE > /dev/null`, in seconds.
double catSeconds(const QString &path)
{
    const QByteArray command = "cat '" + path.toLocal8Bit() + "' > /dev/null";
    double best = 1e9;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer timer;
        timer.start();
        if (std::system(command.constData()) != 0)
            return 0;
        best = std::min(best, timer.nsecsElapsed() / 1e9);
    }
    return best;
}

double processSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// Times each run of the loop's body, in wall and in processor time.
class Stopwatch {
public:
    void start()
    {
        m_timer.start();
        m_processStart = processSeconds();
    }
    void stop()
    {
        m_seconds += double(m_timer.nsecsElapsed()) / 1e9;
        m_processSeconds += processSeconds() - m_processStart;
    }
    void report(benchmark::State &state, const QString &path) const
    {
        const double cat = catSeconds(path) * double(state.iterations());
        state.counters["x_cat"] = m_seconds / cat;
        state.counters["x_cat_cpu"] = m_processSeconds / cat;
    }

private:
    QElapsedTimer m_timer;
    double m_processStart = 0;
    double m_seconds = 0;
    double m_processSeconds = 0;
};

// The process's resident memory now and at its peak since reset(), in
// bytes, as Linux counts them (VmRSS, VmHWM).
class PeakMemory {
public:
    // Gives freed memory back first, so that the job's growth is counted
    // rather than met by what the process kept from earlier work.
    void reset()
    {
        malloc_trim(0);
        std::ofstream("/proc/self/clear_refs") << "5";
        m_before = field("VmRSS:");
    }
    double grownOver(qint64 size) const { return double(field("VmHWM:") - m_before) / double(size); }

private:
    static qint64 field(const std::string &name)
    {
        std::ifstream status("/proc/self/status");
        std::string word;
        while (status >> word) {
            if (word == name) {
                qint64 kilobytes = 0;
                status >> kilobytes;
                return kilobytes * 1024;
            }
        }
        return 0;
    }

    qint64 m_before = 0;
};

Result<QByteArray> written(TextFormat::Id format, const QString &path)
{
    return TextExchange::write(format, TextExchange::entries(files().translated, ReviewMarks(), russianKit()),
                               {1251, QStringLiteral("ru"), QDateTime::currentDateTimeUtc()}, path);
}

void Export(benchmark::State &state, TextFormat::Id format)
{
    const QString path = files().path(format);
    Stopwatch watch;
    for (auto _ : state) {
        watch.start();
        const auto bytes = written(format, path);
        if (!bytes || !FileSaver::save(path, *bytes))
            state.SkipWithError("the export failed");
        watch.stop();
    }
    watch.report(state, path);
}

void Import(benchmark::State &state, TextFormat::Id format)
{
    const QString path = files().path(format);
    if (!FileSaver::save(path, *written(format, path)))
        state.SkipWithError("no file to import");
    Stopwatch watch;
    for (auto _ : state) {
        watch.start();
        const auto file = TextExchange::read(path);
        if (!file)
            state.SkipWithError(file.error().text().c_str());
        else if (TextImport::compute(file->entries, files().untranslated, russianKit()).changes.size()
                 != Rows - qsizetype(TextTable::FixedTextRows.size()))
            state.SkipWithError("not every row changed");
        watch.stop();
    }
    watch.report(state, path);
}

BENCHMARK_CAPTURE(Export, csv, TextFormat::Id::Csv)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(Export, po, TextFormat::Id::Po)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(Import, csv, TextFormat::Id::Csv)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(Import, po, TextFormat::Id::Po)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(Export, xliff, TextFormat::Id::Xliff)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(Import, xliff, TextFormat::Id::Xliff)->Unit(benchmark::kMillisecond)->Iterations(3);

// The 200,000 rows of the Large benchmarks: the kit's untranslated table,
// and the entries of the file, with long texts and notes.
struct LargeFiles {
    QTemporaryDir dir;
    TextTable untranslated;
    QList<ExchangeEntry> entries;

    LargeFiles()
    {
        const QByteArray words = "Text of the game, with \"a few\" more words, spaced ";
        const QString russian = QStringLiteral("Текст игры, с «несколькими» словами, разнесёнными ");
        QList<QByteArray> sources;
        for (int i = 0; i < Rows; ++i) {
            QByteArray source = QByteArray::number(i + 1) + ' ';
            while (source.size() < 190)
                source += words;
            source.truncate(190);
            sources.append(source);
            ExchangeEntry entry{QString::number(i + 1), QString::fromLatin1(source), QString()};
            if (!TextTable::isFixed(i)) {
                QString translation = QString::number(i + 1) + u' ';
                while (translation.size() < 190)
                    translation += russian;
                entry.translation = translation.left(190);
            } else {
                entry.translation = entry.source;
            }
            entry.note = QString::fromLatin1(source + ' ' + source).left(400);
            while (entry.note.size() < 400)
                entry.note += u'.';
            entries.append(entry);
        }
        untranslated = loaded(sources, sources);
    }

    QString path(TextFormat::Id format) const
    {
        return dir.filePath(QStringLiteral("large.") + TextFormat::of(format).suffixes.first());
    }
};

LargeFiles &large()
{
    static LargeFiles instance;
    return instance;
}

// The large file of `format`, written once.
QString largeFile(TextFormat::Id format)
{
    const QString path = large().path(format);
    if (!QFile::exists(path)) {
        const auto bytes = TextExchange::write(format, large().entries,
                                               {1251, QStringLiteral("ru"), QDateTime::currentDateTimeUtc()}, path);
        if (!bytes || !FileSaver::save(path, *bytes))
            return {};
    }
    return path;
}

// Runs `job` on the large file of `format`, timing it and measuring the
// memory it takes at most; `job` returns what went wrong, or nothing.
void measureLarge(benchmark::State &state, TextFormat::Id format,
                  const std::function<std::optional<std::string>(const QString &path)> &job)
{
    const QString path = largeFile(format);
    if (path.isEmpty())
        state.SkipWithError("no file to read");
    Stopwatch watch;
    PeakMemory memory;
    double peak = 0;
    for (auto _ : state) {
        memory.reset();
        watch.start();
        if (const auto failed = job(path))
            state.SkipWithError(failed->c_str());
        watch.stop();
        peak = std::max(peak, memory.grownOver(QFileInfo(path).size()));
    }
    watch.report(state, path);
    state.counters["x_file_peak"] = peak;
    state.counters["MB"] = double(QFileInfo(path).size()) / 1e6;
}

void ImportLarge(benchmark::State &state, TextFormat::Id format)
{
    measureLarge(state, format, [](const QString &path) -> std::optional<std::string> {
        const auto file = TextExchange::read(path);
        if (!file)
            return file.error().text();
        if (TextImport::compute(file->entries, large().untranslated, russianKit()).changes.size()
            != Rows - qsizetype(TextTable::FixedTextRows.size()))
            return "not every row changed";
        return std::nullopt;
    });
}

void MemoryLarge(benchmark::State &state, TextFormat::Id format)
{
    measureLarge(state, format, [](const QString &path) -> std::optional<std::string> {
        const auto read = KitSuggestions::readMemory(path, cyrillic());
        if (!read)
            return read.error().text();
        if (read->size() != Rows - qsizetype(TextTable::FixedTextRows.size()))
            return "not every row taken";
        return std::nullopt;
    });
}

BENCHMARK_CAPTURE(ImportLarge, csv, TextFormat::Id::Csv)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK_CAPTURE(ImportLarge, po, TextFormat::Id::Po)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK_CAPTURE(ImportLarge, xliff, TextFormat::Id::Xliff)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK_CAPTURE(MemoryLarge, csv, TextFormat::Id::Csv)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK_CAPTURE(MemoryLarge, po, TextFormat::Id::Po)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK_CAPTURE(MemoryLarge, xliff, TextFormat::Id::Xliff)->Unit(benchmark::kMillisecond)->Iterations(2);

// An XLIFF file of one trans-unit with 300,000 attributes (3.5 MB), as a
// hostile or broken tool might write: refused in one pass, as fast as a
// file of its size is read.
void CrowdedXliffTag(benchmark::State &state)
{
    const QString path = files().dir.filePath(QStringLiteral("crowded.xlf"));
    QByteArray xliff = "<?xml version=\"1.0\"?>\n<xliff version=\"1.2\"><file><body>\n<trans-unit id=\"1\"";
    for (int i = 0; i < 300000; ++i)
        xliff += " a" + QByteArray::number(i) + "=\"\"";
    xliff += "><source>a</source></trans-unit></body></file></xliff>\n";
    if (!FileSaver::save(path, xliff))
        state.SkipWithError("no file to read");
    Stopwatch watch;
    for (auto _ : state) {
        watch.start();
        if (TextExchange::read(path))
            state.SkipWithError("the file was read");
        watch.stop();
    }
    watch.report(state, path);
}
BENCHMARK(CrowdedXliffTag)->Unit(benchmark::kMillisecond)->Iterations(3);

// Sentences of 6 to 14 words from a vocabulary of 3,000 made-up words, so
// that texts share words as a game's do.
QByteArray sentence(std::mt19937 &random)
{
    static const std::vector<QByteArray> words = [] {
        std::mt19937 make(7);
        std::vector<QByteArray> list;
        for (int i = 0; i < 3000; ++i) {
            QByteArray word;
            const int length = 2 + int(make() % 8);
            for (int c = 0; c < length; ++c)
                word += char('a' + make() % 26);
            list.push_back(word);
        }
        return list;
    }();
    QByteArray text;
    const int count = 6 + int(random() % 9);
    for (int i = 0; i < count; ++i)
        text += (i ? " " : "") + words[random() % words.size()];
    return text;
}

void Migrate(benchmark::State &state)
{
    std::mt19937 random(11);
    QList<QByteArray> oldSources, oldTranslations;
    for (int i = 0; i < Rows; ++i) {
        oldSources.append(sentence(random) + ' ' + QByteArray::number(i));
        oldTranslations.append("T: " + oldSources.last());
    }
    QList<QByteArray> newSources = oldSources;
    for (int i = 0; i < Rows; i += 10) { // 10% reworded a little: a word changed
        QByteArray &text = newSources[i];
        const qsizetype space = text.indexOf(' ');
        text = "change" + text.mid(space);
    }
    for (int i = 5; i + 10 < Rows; i += 20) // 10% moved: neighbours swapped
        std::swap(newSources[i], newSources[i + 10]);
    const TextTable older = loaded(oldSources, oldTranslations);
    const TextTable texts = loaded(newSources, newSources);
    const QString path = files().dir.filePath(QStringLiteral("kvtexts.dat"));
    if (!FileSaver::save(path, TextFile::write(newSources) + TextFile::write(oldSources) + TextFile::write(oldTranslations)))
        state.SkipWithError("no file for cat");
    Stopwatch watch;
    for (auto _ : state) {
        watch.start();
        const TextImport::Outcome outcome = TextMigration::compute(older, texts);
        benchmark::DoNotOptimize(outcome.changes.size());
        watch.stop();
        state.counters["carried"] = double(outcome.report.changed());
        state.counters["for_review"] = double(outcome.report.count(ImportReport::Reason::CarriedForReview));
    }
    watch.report(state, path);
}

BENCHMARK(Migrate)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
