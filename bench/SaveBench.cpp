// The whole save of the sample kit (every text, Arial 8, all nine pictures),
// on the save button's road (OpenKit::save: the lock, the check whether
// lang.dat changed, the glyphs captured once and kept as the window keeps
// them), and the packing of one 200 MB file, as a save packs it. Compare the packing
// with `cp` of the same file by hand. Run on the offscreen platform.
#include "font/FontChoice.h"
#include "kit/ArchivePacker.h"
#include "kit/OpenKit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace orvanta;

namespace {

// The translator says yes to whatever a save asks.
class Yes : public SaveQuestions {
public:
    ChangedOnDisk changedOnDisk() override { return ChangedOnDisk::Overwrite; }
    bool replaceGlyphs(const KitSave::Check &) override { return true; }
    bool saveFewerTexts(const KitSave::Check &) override { return true; }
};

void WholeSave(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString dir = folder.path() + QLatin1Char('/');
    QFile::copy(QStringLiteral(ORVANTA_KIT_DIR "/kvmain.dat"), dir + QStringLiteral("kvmain.dat"));
    OpenKit kit(dir);
    kit.setCodePage(1252);
    kit.setGlyphFont(FontChoice::defaultFont());
    if (!kit.load().empty())
        state.SkipWithError("the sample kit is damaged");
    for (int row = 0; row < 9; ++row)
        *kit.pictures().TranslatedPicture(row) = *kit.pictures().StandardPicture(row);
    Yes yes;
    for (auto _ : state) {
        const auto saved = kit.save(yes);
        if (!saved || saved->outcome != OpenKit::Saved::Outcome::Saved)
            state.SkipWithError("the save failed");
    }
}
BENCHMARK(WholeSave)->Unit(benchmark::kMillisecond);

void Pack200MB(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString big = dir.filePath(QStringLiteral("big.dat"));
    {
        QFile file(big);
        file.open(QIODevice::WriteOnly);
        const QByteArray chunk(1 << 20, 'x');
        for (int i = 0; i < 200; ++i)
            file.write(chunk);
    }
    const QString archive = dir.filePath(QStringLiteral("lang.dat"));
    for (auto _ : state) {
        if (!ArchivePacker::pack(archive, ArchivePacker::sourcesFor({big})))
            state.SkipWithError("packing failed");
    }
    state.SetBytesProcessed(state.iterations() * 200 * (1 << 20));
}
BENCHMARK(Pack200MB)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
