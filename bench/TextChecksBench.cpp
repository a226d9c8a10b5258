// The Texts page's checks and search at 200,000 rows: the sample kit's texts
// repeated, a quarter untranslated, the rest translated (some with lost
// spaces or changed codes). The floor is a plain pass copying every row's
// two texts into one buffer; compare the others with it.
#include "core/ArchiveSet.h"
#include "core/ArchiveWriter.h"
#include "core/EntryStream.h"
#include "document/KitDocument.h"
#include "document/TextTableModel.h"
#include "texts/TextFile.h"
#include "texts/TextFilterModel.h"
#include "texts/TextReview.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>

using namespace orvanta;

namespace {

constexpr int Rows = 200000;

// A translation of `source` by row: kept, changed, changed with its
// trailing space lost or its codes swapped, or made longer.
QByteArray translationOf(const QByteArray &source, int row)
{
    switch (row % 4) {
    case 0: return source;
    case 1: return "Tr " + source.toUpper();
    case 2: return row % 8 == 2 ? source.trimmed() + "!" : QByteArray(source).replace("%d", "%s");
    default: return "Die lange Uebersetzung von " + source + " mit mehr Woertern";
    }
}

// A 200,000-row kit, loaded as the kit loads one, with the grid's model.
struct BigKit {
    QTemporaryDir folder;
    std::unique_ptr<KitDocument> document;
    std::unique_ptr<TextTableModel> model;

    const TextTable &table() const { return document->texts(); }
};

std::unique_ptr<BigKit> bigKit()
{
    QFile kvmain(QStringLiteral(ORVANTA_KIT_DIR "/kvmain.dat"));
    kvmain.open(QIODevice::ReadOnly);
    ArchiveSet sample;
    const QByteArray sampleBytes = kvmain.readAll();
    sample.OpenSlot(1, std::make_unique<std::istringstream>(sampleBytes.toStdString()), sampleBytes.size(), "kvmain");
    EntryStream sampleStream(sample);
    TextTable sampleTexts;
    sampleTexts.LoadTexts(sampleStream);

    QList<QByteArray> sources, translations;
    for (int i = 0; i < Rows; ++i) {
        sources.append(sampleTexts.row(i % sampleTexts.rowCount()).source);
        translations.append(translationOf(sources.back(), i));
    }
    const auto archive = ArchiveWriter::write({{"KVTEXTS.DAT", TextFile::write(sources).toStdString()},
                                               {"TEXTS.DAT", TextFile::write(translations).toStdString()}});
    auto kit = std::make_unique<BigKit>();
    QFile big(kit->folder.filePath(QStringLiteral("kvmain.dat")));
    big.open(QIODevice::WriteOnly);
    big.write(archive->data(), qint64(archive->size()));
    big.close();
    kit->document = std::make_unique<KitDocument>(kit->folder.path() + QLatin1Char('/'));
    kit->document->load();
    kit->document->setCodePage(1252);
    kit->model = std::make_unique<TextTableModel>(*kit->document);
    return kit;
}

BigKit &kit()
{
    static const std::unique_ptr<BigKit> loaded = bigKit();
    return *loaded;
}

void CopyAllTextsFloor(benchmark::State &state)
{
    const TextTable &table = kit().table();
    QByteArray buffer;
    buffer.reserve(Rows * 2 * TextFile::RecordSize);
    for (auto _ : state) {
        buffer.resize(0);
        for (int i = 0; i < table.rowCount(); ++i) {
            buffer.append(table.row(i).source);
            buffer.append(table.row(i).translation);
        }
        benchmark::DoNotOptimize(buffer.data());
    }
}
BENCHMARK(CopyAllTextsFloor)->Unit(benchmark::kMillisecond);

void ReviewAllRows(benchmark::State &state)
{
    TextReview review{TextChecker(CodePage(1252))};
    for (auto _ : state)
        review.reviewAll(kit().table());
    state.counters["warnings"] = review.progress().warnings;
}
BENCHMARK(ReviewAllRows)->Unit(benchmark::kMillisecond);

// One keystroke: the row's translation changes and that row is checked.
void ReviewOneRowPerKeystroke(benchmark::State &state)
{
    TextTable table = kit().table();
    TextReview review{TextChecker(CodePage(1252))};
    review.reviewAll(table);
    const QByteArray typed[] = {"%d Goldst\xFC" "ck", "%d Goldst\xFC" "cke "};
    int n = 0;
    for (auto _ : state) {
        table.setTranslation(123457, typed[++n % 2]);
        review.reviewRow(table, 123457);
    }
    benchmark::DoNotOptimize(review.progress());
}
BENCHMARK(ReviewOneRowPerKeystroke)->Unit(benchmark::kMicrosecond);

// Searching with the texts already decoded, as every search after the first.
void SearchAllRows(benchmark::State &state)
{
    TextFilterModel filtered;
    filtered.setSourceModel(kit().model.get());
    filtered.setSearchText(QStringLiteral("warm"));
    benchmark::DoNotOptimize(filtered.rowCount());
    const QString searches[] = {QStringLiteral("gold"), QStringLiteral("MILL")};
    int n = 0;
    for (auto _ : state) {
        filtered.setSearchText(searches[++n % 2]);
        benchmark::DoNotOptimize(filtered.rowCount()); // the proxy filters when first asked
    }
    state.counters["shown"] = filtered.rowCount();
}
BENCHMARK(SearchAllRows)->Unit(benchmark::kMillisecond);

// The first search of a session, which decodes and folds every row.
void FirstSearchAllRows(benchmark::State &state)
{
    for (auto _ : state) {
        TextFilterModel filtered;
        filtered.setSourceModel(kit().model.get());
        filtered.setSearchText(QStringLiteral("gold"));
        benchmark::DoNotOptimize(filtered.rowCount());
    }
}
BENCHMARK(FirstSearchAllRows)->Unit(benchmark::kMillisecond);

// The filter "With warnings" after a full review, with a search as well.
void FilterWithWarningsAllRows(benchmark::State &state)
{
    TextReview review{TextChecker(CodePage(1252))};
    review.reviewAll(kit().table());
    TextFilterModel filtered;
    filtered.setSourceModel(kit().model.get());
    filtered.setReview(&review);
    filtered.setSearchText(QStringLiteral("gold"));
    const TextReview::Filter filters[] = {TextReview::Filter::WithWarnings, TextReview::Filter::Untranslated};
    int n = 0;
    benchmark::DoNotOptimize(filtered.rowCount());
    for (auto _ : state) {
        filtered.setRowFilter(filters[++n % 2]);
        benchmark::DoNotOptimize(filtered.rowCount());
    }
}
BENCHMARK(FilterWithWarningsAllRows)->Unit(benchmark::kMillisecond);

} // namespace
