// The whole save of the sample kit (every text, Arial 8, all nine pictures)
// and the packing of one 200 MB file, as a save packs it. Compare the packing
// with `cp` of the same file by hand. Run on the offscreen platform.
#include "core/ArchiveSet.h"
#include "core/EntryStream.h"
#include "font/FontChoice.h"
#include "kit/ArchivePacker.h"
#include "kit/KitSave.h"
#include "pictures/PictureSlots.h"
#include "texts/CodePage.h"
#include "texts/TextTable.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace orvanta;

namespace {

void WholeSave(benchmark::State &state)
{
    QTemporaryDir kit;
    const QString dir = kit.path() + QLatin1Char('/');
    QFile::copy(QStringLiteral(ORVANTA_KIT_DIR "/kvmain.dat"), dir + QStringLiteral("kvmain.dat"));
    ArchiveSet archives;
    archives.Open(dir.toStdString());
    TextTable texts;
    EntryStream stream(archives);
    texts.LoadTexts(stream);
    archives.Close();
    PictureSlots pictures;
    for (int row = 0; row < 9; ++row)
        *pictures.TranslatedPicture(row) = *pictures.StandardPicture(row);
    const CodePage page(1252);
    for (auto _ : state) {
        if (!KitSave::save(dir, {texts, FontChoice::defaultFont(), page, pictures}))
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
