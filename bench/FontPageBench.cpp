// Changing the font in the window: the kit's window on the sample kit, on
// its Font page at the default size; the translator confirms another font,
// and the glyphs are captured (none cached: ten fonts take turns, more than
// the cache keeps), the glyph sheet drawn and the whole window painted
// (into a picture: grab() paints whether or not a screen shows it). Floor: a
// bare Qt window of the same size painted the same way.
#include "document/KitDocument.h"
#include "ui/KitApplication.h"
#include "ui/TMainForm.h"

#include <QCoreApplication>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace orvanta;

namespace {

QFont font(int which)
{
    static const char *const families[] = {"Liberation Sans", "DejaVu Sans", "Liberation Serif", "Liberation Mono",
                                           "DejaVu Sans Mono"};
    QFont font(QString::fromLatin1(families[which % 5]));
    font.setPointSize(8 + which / 5);
    return font;
}

void ChangeFontInTheWindow(benchmark::State &state)
{
    // A kit folder of its own: the window remembers the font in the folder.
    QTemporaryDir kit;
    const QString folder = kit.path() + QLatin1Char('/');
    QFile::copy(QStringLiteral(ORVANTA_KIT_DIR "/kvmain.dat"), folder + QStringLiteral("kvmain.dat"));
    const auto form = KitApplication::openWindow(folder);
    form->findChild<QTabWidget *>(QStringLiteral("PageControl1"))->setCurrentIndex(2);
    form->show();
    // The first paint, and what the window does after it: the glyphs.
    benchmark::DoNotOptimize(form->grab());
    QCoreApplication::processEvents();
    int which = 0;
    for (auto _ : state) {
        form->document().setGlyphFont(font(which));
        benchmark::DoNotOptimize(form->grab());
        which = (which + 1) % 10;
    }
}
BENCHMARK(ChangeFontInTheWindow)->Unit(benchmark::kMillisecond);

void ChangeFontInTheWindowFloor(benchmark::State &state)
{
    QWidget window;
    window.resize(TMainForm::DefaultSize);
    window.show();
    for (auto _ : state)
        benchmark::DoNotOptimize(window.grab());
}
BENCHMARK(ChangeFontInTheWindowFloor)->Unit(benchmark::kMillisecond);

} // namespace
