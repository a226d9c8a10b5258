// The spell check over every translation: the sample kit's texts and
// 200,000 rows of them, each translation reworded so that it differs from
// its source (a translation equal to its source is never checked), with
// misspelt words and names among them. The floor of each is a plain decode
// of every row's two texts in the code page, which the check does too. The
// checker starts empty in every run (its dictionary opened outside the
// timing): each distinct word is asked of Hunspell once per run.
#include "core/ArchiveSet.h"
#include "core/EntryStream.h"
#include "io/FileSaver.h"
#include "texts/SpellingCheck.h"
#include "texts/TextTable.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <optional>
#include <sstream>

using namespace orvanta;

namespace {

constexpr int ManyRows = 200000;

// Source and translation bytes, row by row.
using Rows = std::vector<std::pair<QByteArray, QByteArray>>;

// Reworded so that it differs from the source: a misspelt word, a name of
// the source kept, or more words.
QByteArray translationOf(const QByteArray &source, int row)
{
    switch (row % 4) {
    case 0: return "The " + source;
    case 1: return source + " nowe";
    case 2: return "Orvanta: " + source.toLower();
    default: return "Take the " + source + " and go on";
    }
}

Rows rows(int count)
{
    QFile kvmain(QStringLiteral(ORVANTA_KIT_DIR "/kvmain.dat"));
    kvmain.open(QIODevice::ReadOnly);
    const QByteArray bytes = kvmain.readAll();
    ArchiveSet sample;
    sample.openSlot(1, std::make_unique<std::istringstream>(bytes.toStdString()), bytes.size(), "kvmain");
    EntryStream stream(sample);
    TextTable texts;
    texts.LoadTexts(stream);
    Rows result;
    for (int i = 0; i < (count ? count : texts.rowCount()); ++i) {
        const QByteArray source = texts.row(i % texts.rowCount()).source.toByteArray();
        result.emplace_back(source, translationOf(source, i));
    }
    return result;
}

const Rows &sampleRows()
{
    static const Rows loaded = rows(0);
    return loaded;
}

const Rows &manyRows()
{
    static const Rows loaded = rows(ManyRows);
    return loaded;
}

void decodeAll(benchmark::State &state, const Rows &all)
{
    const CodePage codePage(1252);
    for (auto _ : state) {
        qsizetype characters = 0;
        for (const auto &[source, translation] : all)
            characters += codePage.decode(source).size() + codePage.decode(translation).size();
        benchmark::DoNotOptimize(characters);
    }
    state.counters["rows"] = double(all.size());
}

// The spelling check with a fresh en_US dictionary (no word known yet), or
// nothing after telling the benchmark why.
std::optional<TextChecker::Check> englishCheck(benchmark::State &state, const TextCodePages &codePages)
{
    auto checker = SpellingDictionary::open(QStringLiteral("en_US"));
    if (!checker) {
        state.SkipWithError(checker.error().text().c_str());
        return std::nullopt;
    }
    return SpellingCheck::make(*checker, codePages);
}

void spellAll(benchmark::State &state, const Rows &all)
{
    const TextCodePages codePages(1252);
    int found = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const std::optional<TextChecker::Check> check = englishCheck(state, codePages);
        if (!check)
            return;
        QList<TextFinding> findings;
        state.ResumeTiming();
        for (int i = 0; i < int(all.size()); ++i)
            (*check)({i, false, all[i].first, all[i].second, all[i].second}, findings);
        found = int(findings.size());
    }
    state.counters["rows"] = double(all.size());
    state.counters["findings"] = found;
}

void DecodeSampleKitFloor(benchmark::State &state) { decodeAll(state, sampleRows()); }
BENCHMARK(DecodeSampleKitFloor)->Unit(benchmark::kMillisecond);

void SpellCheckSampleKit(benchmark::State &state) { spellAll(state, sampleRows()); }
BENCHMARK(SpellCheckSampleKit)->Unit(benchmark::kMillisecond);

void DecodeManyRowsFloor(benchmark::State &state) { decodeAll(state, manyRows()); }
BENCHMARK(DecodeManyRowsFloor)->Unit(benchmark::kMillisecond);

void SpellCheckManyRows(benchmark::State &state) { spellAll(state, manyRows()); }
BENCHMARK(SpellCheckManyRows)->Unit(benchmark::kMillisecond)->Iterations(3);

// What a keystroke costs the spell check: the edited row alone, its words
// known from the review before, and one new word each time.
void SpellCheckOneEditedRow(benchmark::State &state)
{
    const std::optional<TextChecker::Check> opened = englishCheck(state, CodePage(1252));
    if (!opened)
        return;
    const TextChecker::Check &check = *opened;
    QList<TextFinding> findings;
    for (int i = 0; i < int(sampleRows().size()); ++i)
        check({i, false, sampleRows()[i].first, sampleRows()[i].second, sampleRows()[i].second}, findings);
    int n = 0;
    for (auto _ : state) {
        findings.clear();
        const QByteArray typed = "Take the broad sword of the king " + QByteArray::number(++n % 1000) + "x";
        check({7, false, "Take the sword", typed, typed}, findings);
        benchmark::DoNotOptimize(findings.size());
    }
}
BENCHMARK(SpellCheckOneEditedRow)->Unit(benchmark::kMicrosecond);

// Opening the check with a kit's word list (orvanta-kit.words) of
// range(0) made-up words; with none it is the floor: Hunspell's own
// dictionary alone.
void OpenWithKitWords(benchmark::State &state)
{
    QTemporaryDir kit;
    QByteArray list;
    for (int i = 0; i < state.range(0); ++i) {
        QByteArray word = "Kv";
        for (int n = i; n > 0; n /= 26)
            word += char('a' + n % 26);
        list += word + '\n';
    }
    if (state.range(0) > 0 && !FileSaver::save(kit.filePath(QStringLiteral("orvanta-kit.words")), list))
        state.SkipWithError("no word list");
    for (auto _ : state) {
        const SpellingCheck::Opened opened = SpellingCheck::open(QStringLiteral("en_US"), kit.path());
        if (!opened.checker || !opened.problems.empty())
            state.SkipWithError("the check did not open");
        benchmark::DoNotOptimize(opened.checker.get());
    }
    state.counters["words"] = double(state.range(0));
}
BENCHMARK(OpenWithKitWords)->Arg(0)->Arg(200000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
