// Reading a kit of 200,000 texts: loading it as the window and kvtool do,
// `kvtool texts export` and `kvtool compile` of it, beside `cat` of its two
// archives to /dev/null as the floor. Opening it (OpenKit) with the sources
// its translations were saved against remembered beside lang.dat is also
// held to opening it without them, run by run (x_open, and x_open_cpu in
// processor time: the comparison at open), as a save leaves the kit and as
// a copy of the kit folder elsewhere; and a new kvmain.dat (texts inserted,
// reworded, removed) with 20,000 rows of marks and notes is carried over by
// source at open. The kit (lang.dat with TEXTS.DAT,
// kvmain.dat with KVTEXTS.DAT, 40 MB each) is built in a temporary folder
// with the kit's own writers. Every benchmark reports `x_cat`, its time per
// iteration over the time of `cat` measured in the same run.
//
// The commands run as processes, as `cat` does, so their figures include
// starting a process; the load runs inside this process and does not.
// Compile writes its lang.dat into a copy of the kit, so the others keep
// reading the original.
#include "core/ArchiveWriter.h"
#include "io/FileStamp.h"
#include "kit/KitLoader.h"
#include "kit/OpenKit.h"
#include "kit/RememberedSources.h"
#include "pictures/PictureSlots.h"
#include "texts/TextFile.h"
#include "texts/TextTable.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <malloc.h>
#include <sys/resource.h>
#include <cstdlib>
#include <optional>
#include <vector>

using namespace orvanta;

namespace {

constexpr int RowCount = 200000;

// Texts of 2 to 30 words, at most 200 bytes, with the commas, quotes and
// accented letters that CSV quoting and code pages meet in real texts.
QList<QByteArray> sampleTexts(const QByteArray &prefix)
{
    static const QByteArray words[] = {"the", "of", "sword", "gate", "valley", "merchant,", "quest",
                                       "\"ancient\"", "tower", "caf\xE9", "river", "dragon", "na\xEFve", "coin"};
    QList<QByteArray> texts;
    texts.reserve(RowCount);
    std::uint32_t seed = 16;
    for (int i = 0; i < RowCount; ++i) {
        seed = seed * 1664525u + 1013904223u;
        QByteArray text = prefix;
        for (std::uint32_t w = 0, n = 2 + (seed >> 8) % 29; w < n; ++w) {
            seed = seed * 1664525u + 1013904223u;
            text += words[(seed >> 16) % std::size(words)] + ' ';
        }
        texts.append(text.left(TextFile::RecordSize));
    }
    return texts;
}

void writeArchive(const QString &path, const char *entryName, const QList<QByteArray> &texts)
{
    const auto bytes = ArchiveWriter::write({{entryName, TextFile::write(texts).toStdString()}});
    QFile file(path);
    if (!bytes || !file.open(QIODevice::WriteOnly)
        || file.write(bytes->data(), qint64(bytes->size())) != qint64(bytes->size()))
        std::abort();
}

// The 200,000-row kit, built once per run.
const QString &kitFolder()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        writeArchive(dir.filePath(QStringLiteral("kvmain.dat")), "KVTEXTS.DAT", sampleTexts(""));
        writeArchive(dir.filePath(QStringLiteral("lang.dat")), "TEXTS.DAT", sampleTexts("\xDC "));
        return dir.path();
    }();
    return path;
}

// Runs a program with its output thrown away; false when it fails.
bool run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, arguments);
    return process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

bool catBothArchives()
{
    const QDir kit(kitFolder());
    return run(QStringLiteral("cat"),
               {kit.filePath(QStringLiteral("lang.dat")), kit.filePath(QStringLiteral("kvmain.dat"))});
}

// Wall-clock and processor time (user and system, of this process and of
// the children it waited for) in seconds. On a busy machine the processor
// time is the steadier figure.
struct Cost {
    double wall = 0;
    double cpu = 0;
    double faults = 0; // minor page faults
};

Cost used()
{
    Cost cost;
    for (int who : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
        rusage usage{};
        getrusage(who, &usage);
        for (const timeval &t : {usage.ru_utime, usage.ru_stime})
            cost.cpu += double(t.tv_sec) + double(t.tv_usec) / 1e6;
        cost.faults += double(usage.ru_minflt);
    }
    return cost;
}

// Runs `body` once and adds its cost to `total`; false when it failed.
template <typename Body>
bool timed(Body body, Cost &total)
{
    const Cost before = used();
    const auto start = std::chrono::steady_clock::now();
    const bool ok = body();
    total.wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const Cost after = used();
    total.cpu += after.cpu - before.cpu;
    total.faults += after.faults - before.faults;
    return ok;
}

// The floor: the median of 21 runs of `cat` (each figure on its own),
// measured once per run.
Cost catFloor()
{
    static const Cost floor = [] {
        std::vector<double> walls, cpus;
        for (int i = 0; i < 21; ++i) {
            Cost one;
            if (!timed(catBothArchives, one))
                std::abort();
            walls.push_back(one.wall);
            cpus.push_back(one.cpu);
        }
        for (auto *times : {&walls, &cpus})
            std::nth_element(times->begin(), times->begin() + 10, times->end());
        return Cost{walls[10], cpus[10]};
    }();
    return floor;
}

// Times `body` in every iteration and reports the mean against `cat` as
// x_cat (wall clock) and x_cat_cpu (processor time); `prepare` runs
// untimed before each iteration.
template <typename Body, typename Prepare>
void measure(benchmark::State &state, Body body, Prepare prepare)
{
    const Cost floor = catFloor();
    Cost total;
    for (auto _ : state) {
        state.PauseTiming();
        prepare();
        state.ResumeTiming();
        if (!timed(body, total)) {
            state.SkipWithError("the command failed");
            return;
        }
    }
    const double n = double(state.iterations());
    state.counters["x_cat"] = total.wall / n / floor.wall;
    state.counters["x_cat_cpu"] = total.cpu / n / floor.cpu;
    state.counters["cpu_ms"] = total.cpu / n * 1e3;
    state.counters["faults"] = total.faults / n;
}

template <typename Body>
void measure(benchmark::State &state, Body body)
{
    measure(state, body, [] {});
}

void CatBothArchives(benchmark::State &state)
{
    measure(state, catBothArchives);
}
BENCHMARK(CatBothArchives)->Unit(benchmark::kMillisecond);

void LoadKit(benchmark::State &state)
{
    // As at start-up: the picture slots exist, the texts are loaded into an
    // empty table on a tidy heap (the table of the previous iteration is
    // freed, and the heap consolidated, untimed).
    PictureSlots pictures;
    std::optional<TextTable> texts;
    measure(
        state,
        [&] {
            const bool sound = KitLoader::load(kitFolder(), texts.emplace(), pictures).empty();
            return sound && texts->rowCount() == RowCount;
        },
        [&] {
            texts.reset();
            malloc_trim(0);
        });
}
BENCHMARK(LoadKit)->Unit(benchmark::kMillisecond);

void TextsExport(benchmark::State &state)
{
    measure(state, [] {
        return run(QStringLiteral(ORVANTA_KVTOOL), {QStringLiteral("texts"), QStringLiteral("export"), kitFolder()});
    });
}
BENCHMARK(TextsExport)->Unit(benchmark::kMillisecond);

void Compile(benchmark::State &state)
{
    QTemporaryDir copy;
    for (const char *name : {"lang.dat", "kvmain.dat"})
        QFile::copy(QDir(kitFolder()).filePath(QLatin1String(name)), copy.filePath(QLatin1String(name)));
    measure(state, [&] { return run(QStringLiteral(ORVANTA_KVTOOL), {QStringLiteral("compile"), copy.path()}); });
}
BENCHMARK(Compile)->Unit(benchmark::kMillisecond);

// How a copy of the kit remembers its sources: not at all; as a save of it
// leaves them, with the stamps of its lang.dat and kvmain.dat; or as in a
// kit folder copied elsewhere, whose files' stamps are not those
// remembered (the texts' fingerprints decide).
enum class Remembered { Not, Saved, Copied };

// A copy of the kit remembering its sources as `remembered` says, with
// `kvmain` (the game's next version) and `marks` when given.
struct RememberedKit {
    QTemporaryDir dir;

    explicit RememberedKit(Remembered remembered, const QList<QByteArray> *kvmain = nullptr,
                           const ReviewMarks *marks = nullptr)
    {
        for (const char *name : {"lang.dat", "kvmain.dat"})
            QFile::copy(QDir(kitFolder()).filePath(QLatin1String(name)), dir.filePath(QLatin1String(name)));
        TextTable texts;
        PictureSlots pictures;
        if (!KitLoader::load(dir.path(), texts, pictures).empty())
            std::abort();
        auto stamp = [&](const char *name) {
            return remembered == Remembered::Saved ? FileStamp::of(dir.filePath(QLatin1String(name))) : FileStamp();
        };
        if (remembered != Remembered::Not)
            write(RememberedSources::FileName,
                  RememberedSources::toFile(texts, pictures, stamp("kvmain.dat"), stamp("lang.dat")));
        if (marks)
            write(ReviewMarks::FileName, marks->toFile());
        if (kvmain) {
            QFile::remove(dir.filePath(QStringLiteral("kvmain.dat")));
            writeArchive(dir.filePath(QStringLiteral("kvmain.dat")), "KVTEXTS.DAT", *kvmain);
        }
    }

    void write(const QString &name, const QByteArray &bytes)
    {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            std::abort();
    }
};

// Opens the kit in `folder` as the window does; false when it is damaged or
// refused.
bool openKit(const QString &folder, std::optional<OpenKit> &kit)
{
    const OpenKit::Opened opened = kit.emplace(folder).open();
    return !opened.refusal && opened.problems.empty() && opened.notices.empty()
        && kit->texts().rowCount() >= RowCount;
}

void OpenKitWithoutRememberedSources(benchmark::State &state)
{
    std::optional<OpenKit> kit;
    measure(
        state, [&] { return openKit(kitFolder(), kit) && !kit->carryOver(); },
        [&] {
            kit.reset();
            malloc_trim(0);
        });
}
BENCHMARK(OpenKitWithoutRememberedSources)->Unit(benchmark::kMillisecond);

// Each iteration opens a copy of the kit without remembered sources (the
// floor of the comparison, untimed by the benchmark) and then a copy that
// remembers them as `remembered` says, so that both meet the machine in the
// same state; x_open is the median open with them over the median open
// without (x_open_cpu the same in processor time).
void compareOpens(benchmark::State &state, Remembered remembered)
{
    const RememberedKit with(remembered);
    const RememberedKit without(Remembered::Not);
    std::optional<OpenKit> kit;
    std::vector<double> floorWalls, floorCpus, walls, cpus;
    auto open = [&](const QString &folder, std::vector<double> &wall, std::vector<double> &cpu) {
        kit.reset();
        malloc_trim(0);
        Cost one;
        const bool ok = timed([&] { return openKit(folder, kit) && !kit->carryOver(); }, one);
        wall.push_back(one.wall);
        cpu.push_back(one.cpu);
        return ok;
    };
    measure(
        state, [&] { return open(with.dir.path(), walls, cpus); },
        [&] {
            if (!open(without.dir.path(), floorWalls, floorCpus))
                std::abort();
        });
    auto median = [](std::vector<double> times) {
        std::nth_element(times.begin(), times.begin() + std::ptrdiff_t(times.size() / 2), times.end());
        return times[times.size() / 2];
    };
    state.counters["x_open"] = median(walls) / median(floorWalls);
    state.counters["x_open_cpu"] = median(cpus) / median(floorCpus);
}

void OpenKitWithRememberedSources(benchmark::State &state)
{
    compareOpens(state, Remembered::Saved);
}
BENCHMARK(OpenKitWithRememberedSources)->Unit(benchmark::kMillisecond);

void OpenCopiedKitWithRememberedSources(benchmark::State &state)
{
    compareOpens(state, Remembered::Copied);
}
BENCHMARK(OpenCopiedKitWithRememberedSources)->Unit(benchmark::kMillisecond);

void CarryOverANewKvmainWithMarksAndNotes(benchmark::State &state)
{
    // Five texts inserted at the front, every 100th reworded, every 250th removed.
    const QList<QByteArray> old = sampleTexts("");
    QList<QByteArray> kvmain{"Continue", "Back to the map", "Trade with the merchant", "Sell the sword", "Quit"};
    for (int row = 0; row < old.size(); ++row) {
        if (row % 250 == 249)
            continue;
        kvmain.append(row % 100 == 99 ? (old[row] + "now").left(TextFile::RecordSize) : old[row]);
    }
    ReviewMarks marks;
    for (int row = 0; row < RowCount; row += 10)
        marks.setMark(row, {.needsReview = row % 20 == 0, .done = false,
                            .note = QStringLiteral("Check the wording of row %1").arg(row + 1)});
    const RememberedKit remembered(Remembered::Saved, &kvmain, &marks);
    std::optional<OpenKit> kit;
    measure(
        state,
        [&] {
            const OpenKit::Opened opened = kit.emplace(remembered.dir.path()).open();
            return opened.shifted && kit->carryOver() && kit->apply(*kit->carryOver()).ok()
                && kit->marks().rows().size() > RowCount / 11;
        },
        [&] {
            kit.reset();
            malloc_trim(0);
        });
}
BENCHMARK(CarryOverANewKvmainWithMarksAndNotes)->Unit(benchmark::kMillisecond);

} // namespace
