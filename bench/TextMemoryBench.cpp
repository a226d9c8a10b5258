// Consistency and suggestions at 200,000 rows. The texts are the sample
// kit's originals repeated, each copy numbered ("Gold: %d 17"), so every
// text has about a hundred similar ones; translations vary by copy, so most
// sources have several. Two floors, each a plain pass over every row:
// copying each row's two texts into one buffer (for the consistency check
// of all rows), and comparing each of the 200,000 sources with the query
// (for the suggestions of one row).
#include "TextFloors.h"
#include "core/ArchiveSet.h"
#include "core/ArchiveWriter.h"
#include "core/EntryStream.h"
#include "kit/KitSuggestions.h"
#include "texts/CodePage.h"
#include "texts/TextFile.h"
#include "texts/TextReview.h"
#include "texts/TextTable.h"
#include "texts/TranslationConsistency.h"
#include "texts/TranslationMemory.h"

#include <QFile>

#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>

using namespace orvanta;

namespace {

constexpr int Rows = 200000;

// The texts of an archive's bytes, loaded as the kit loads its kvmain.dat.
TextTable loaded(const std::string &archive)
{
    ArchiveSet set;
    set.openSlot(1, std::make_unique<std::istringstream>(archive), archive.size(), "kvmain");
    EntryStream stream(set);
    TextTable table;
    table.LoadTexts(stream);
    return table;
}

TextTable sampleTexts()
{
    QFile kvmain(QStringLiteral(ORVANTA_KIT_DIR "/kvmain.dat"));
    kvmain.open(QIODevice::ReadOnly);
    return loaded(kvmain.readAll().toStdString());
}

struct BigTexts {
    TextTable table;          // the originals repeated, translated by copy
    TranslationMemory memory; // the numbered originals
};

const BigTexts &big()
{
    static const std::unique_ptr<BigTexts> texts = [] {
        auto big = std::make_unique<BigTexts>();
        const TextTable sample = sampleTexts();
        QList<QByteArray> sources, numbered, translations;
        QList<TranslationMemory::Entry> entries;
        const CodePage codePage(1252);
        for (int i = 0; i < Rows; ++i) {
            const int copy = i / sample.rowCount();
            const QByteArray source = sample.row(i % sample.rowCount()).source.toByteArray();
            sources.append(source);
            numbered.append(source + ' ' + QByteArray::number(copy));
            // Every fourth copy untranslated; the others in one of three ways.
            translations.append(copy % 4 == 0 ? source : "Tr" + QByteArray::number(copy % 3) + ' ' + source);
            entries.append({codePage.decode(numbered.back()), codePage.decode(translations.back()), QString()});
        }
        const auto archive = ArchiveWriter::write({{"KVTEXTS.DAT", TextFile::write(sources).toStdString()},
                                                   {"TEXTS.DAT", TextFile::write(translations).toStdString()}});
        big->table = loaded(std::string(archive->data(), archive->size()));
        big->memory = TranslationMemory(entries);
        return big;
    }();
    return *texts;
}

void CopyAllTextsFloor(benchmark::State &state)
{
    copyAllTexts(state, big().table);
}
BENCHMARK(CopyAllTextsFloor)->Unit(benchmark::kMillisecond);

// The inconsistent check of every row: grouping by source and checking
// each group, as a full review does.
void ConsistencyAllRows(benchmark::State &state)
{
    const TextTable &table = big().table;
    QList<TextFinding> findings;
    for (auto _ : state) {
        findings.clear();
        TranslationConsistency consistency;
        consistency.index(table);
        consistency.forEachGroup(
            [&](const std::vector<int> &rows) { consistency.check(table, rows, findings); });
        benchmark::DoNotOptimize(findings.data());
    }
    state.counters["findings"] = double(findings.size());
}
BENCHMARK(ConsistencyAllRows)->Unit(benchmark::kMillisecond);

// One keystroke in a row whose source about a hundred rows share: that row
// and its group are checked again.
void ReviewKeystrokeInAGroup(benchmark::State &state)
{
    TextTable table = big().table;
    TextReview review{TextChecker(TextCodePages(1252))};
    review.reviewAll(table);
    const QByteArray typed[] = {"Tr1 Gold", "Tr1 Gol"};
    int n = 0;
    for (auto _ : state) {
        table.setTranslation(123457, typed[++n % 2]);
        review.reviewRow(table, 123457);
    }
    state.counters["group"] = double(review.consistency().sameSource(table, 123457).size() + 1);
}
BENCHMARK(ReviewKeystrokeInAGroup)->Unit(benchmark::kMicrosecond);

const QString &query(int n)
{
    static const QString queries[] = {
        big().memory.entry(123457).source, big().memory.entry(4321).source,
        big().memory.entry(77777).source + QStringLiteral("s"), QStringLiteral("Nothing like any text of the game at all"),
    };
    return queries[n % 4];
}

void CompareEverySourceFloor(benchmark::State &state)
{
    const TranslationMemory &memory = big().memory;
    int n = 0;
    for (auto _ : state) {
        const QString &text = query(++n);
        int equal = 0;
        for (int i = 0; i < memory.size(); ++i)
            equal += memory.entry(i).source == text;
        benchmark::DoNotOptimize(equal);
    }
}
BENCHMARK(CompareEverySourceFloor)->Unit(benchmark::kMillisecond);

void SuggestionsForOneRow(benchmark::State &state)
{
    const TranslationMemory &memory = big().memory;
    int n = 0;
    std::size_t found = 0;
    for (auto _ : state) {
        const auto matches = memory.find(query(++n), -1, int(state.range(0)));
        found += matches.size();
        benchmark::DoNotOptimize(matches.data());
    }
    state.counters["matches"] = double(found) / double(state.iterations());
}
// The best 20, as the Texts page and kvtool ask, and every match (0).
BENCHMARK(SuggestionsForOneRow)->Arg(KitSuggestions::MostGiven)->Arg(0)->Unit(benchmark::kMillisecond);

// Indexing a memory of 200,000 texts, paid once when it is added or read
// at start-up (and for the kit's own rows once a source changed).
void IndexMemory(benchmark::State &state)
{
    QList<TranslationMemory::Entry> entries;
    for (int i = 0; i < big().memory.size(); ++i)
        entries.append(big().memory.entry(i));
    for (auto _ : state) {
        TranslationMemory memory(entries);
        benchmark::DoNotOptimize(memory.size());
    }
}
BENCHMARK(IndexMemory)->Unit(benchmark::kMillisecond);

} // namespace
