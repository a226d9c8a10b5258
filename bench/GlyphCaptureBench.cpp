// The capture and encoding of all 256 codes, as one save does it, for the
// default font and for a large one. Run on the offscreen platform.
#include "font/FontChoice.h"
#include "font/GlyphCapture.h"
#include "font/GlyphFileWriter.h"
#include "font/SystemGlyphRasterizer.h"
#include "texts/CodePage.h"

#include <benchmark/benchmark.h>

using namespace orvanta;

namespace {

QFont arial(int points)
{
    QFont font = FontChoice::defaultFont();
    font.setPointSize(points);
    return font;
}

GlyphTable capture(int points)
{
    return *GlyphCapture::CaptureGlyphs(SystemGlyphRasterizer(arial(points)), CodePage(1252));
}

// Font set-up, capture and the 256 records. (A 36-point font is refused
// once its records pass the offset table, so the files are not assembled.)
void CaptureAndEncode(benchmark::State &state)
{
    const int points = int(state.range(0));
    for (auto _ : state) {
        const QList<QByteArray> records = GlyphFileWriter::encodeGlyphRecords(capture(points));
        benchmark::DoNotOptimize(records.data());
    }
}
BENCHMARK(CaptureAndEncode)->Arg(8)->Arg(36)->Unit(benchmark::kMillisecond);

// The whole of a save's glyph step but the file writes.
void captureGlyphFiles(benchmark::State &state)
{
    const QFont font = arial(int(state.range(0)));
    const CodePage codePage(1252);
    for (auto _ : state) {
        const auto files = GlyphFileWriter::captureGlyphFiles(font, codePage);
        benchmark::DoNotOptimize(files.ok());
    }
}
BENCHMARK(captureGlyphFiles)->Arg(8)->Unit(benchmark::kMillisecond);

void CaptureOnly(benchmark::State &state)
{
    const int points = int(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(capture(points).cellHeight);
}
BENCHMARK(CaptureOnly)->Arg(8)->Arg(36)->Unit(benchmark::kMillisecond);

void EncodeOnly(benchmark::State &state)
{
    const GlyphTable table = capture(int(state.range(0)));
    for (auto _ : state) {
        const QList<QByteArray> records = GlyphFileWriter::encodeGlyphRecords(table);
        benchmark::DoNotOptimize(records.data());
    }
}
BENCHMARK(EncodeOnly)->Arg(8)->Arg(36)->Unit(benchmark::kMillisecond);

} // namespace
