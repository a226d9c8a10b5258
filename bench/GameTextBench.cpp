// Drawing and measuring texts in the game's glyphs, as the Texts page
// preview and the width check do, and what changing the font costs the
// window: a capture, its glyph files decoded, the glyph sheet and one
// preview. Each has a floor measured in the same run: a plain fill of a
// picture of the same size, or a plain pass over the same bytes. Run on the
// offscreen platform.
#include "font/FontChoice.h"
#include "font/GlyphCache.h"
#include "font/GlyphSheet.h"

#include <QImage>

#include <numeric>
#include <random>

#include <benchmark/benchmark.h>

using namespace orvanta;

namespace {

// A text of `length` bytes as translations are: letters, accents, spaces
// and punctuation.
QByteArray sampleText(int length, unsigned seed = 1)
{
    static const QByteArray letters = "Thequickbrownfoxjumpsoverthelazydog\xC0\xC9\xD6\xE0\xE9\xFC\xDF   ,.!?";
    std::mt19937 random(seed);
    QByteArray text(length, ' ');
    for (char &byte : text)
        byte = letters[int(random() % unsigned(letters.size()))];
    return text;
}

const GlyphCache::Glyphs &standardGlyphs()
{
    static GlyphCache cache;
    static const GlyphCache::Entry glyphs = *cache.standard();
    return *glyphs;
}

// A 200-byte text drawn from glyphs already in the cache.
void Render200Bytes(benchmark::State &state)
{
    const GameTextRenderer &renderer = standardGlyphs().text;
    const QByteArray text = sampleText(200);
    for (auto _ : state) {
        const QImage drawn = renderer.render(text);
        benchmark::DoNotOptimize(drawn.constBits());
    }
    state.counters["width_px"] = renderer.width(text);
}
BENCHMARK(Render200Bytes)->Unit(benchmark::kMicrosecond);

// Floor: a transparent picture of the same size, made and filled.
void Render200BytesFloor(benchmark::State &state)
{
    const GameTextRenderer &renderer = standardGlyphs().text;
    const QByteArray text = sampleText(200);
    const int width = renderer.width(text);
    for (auto _ : state) {
        QImage picture(width, renderer.cellHeight(), QImage::Format_ARGB32);
        picture.fill(GameTextRenderer::Transparent);
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK(Render200BytesFloor)->Unit(benchmark::kMicrosecond);

// The width check's part: 200,000 rows of 60 bytes measured.
std::vector<QByteArray> sampleRows()
{
    std::vector<QByteArray> rows;
    for (unsigned i = 0; i < 200000; ++i)
        rows.push_back(sampleText(60, i));
    return rows;
}

void Width200000Rows(benchmark::State &state)
{
    const GameTextRenderer &renderer = standardGlyphs().text;
    const std::vector<QByteArray> rows = sampleRows();
    for (auto _ : state) {
        long total = 0;
        for (const QByteArray &row : rows)
            total += renderer.width(row);
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(Width200000Rows)->Unit(benchmark::kMillisecond);

// Floor: the bytes of the same rows summed.
void Width200000RowsFloor(benchmark::State &state)
{
    const std::vector<QByteArray> rows = sampleRows();
    for (auto _ : state) {
        long total = 0;
        for (const QByteArray &row : rows)
            total += std::accumulate(row.begin(), row.end(), 0L, [](long sum, char byte) { return sum + quint8(byte); });
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(Width200000RowsFloor)->Unit(benchmark::kMillisecond);

QFont chosenFont(int which)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(9);
    return which == 0 ? FontChoice::defaultFont() : font;
}

// The translator picks another font: it is captured (nothing cached), its
// glyph files made and decoded, the glyph sheet drawn and a 200-byte
// preview rendered. Arial 8 and DejaVu Sans 9 take turns.
void ChangeFont(benchmark::State &state)
{
    const QByteArray text = sampleText(200);
    int which = 0;
    for (auto _ : state) {
        GlyphCache cache;
        const auto glyphs = cache.glyphs(chosenFont(which), 1252);
        if (!glyphs) {
            state.SkipWithError("the capture failed");
            break;
        }
        const QImage sheet = GlyphSheet::render((*glyphs)->table);
        const QImage preview = (*glyphs)->text.render(text);
        benchmark::DoNotOptimize(sheet.constBits());
        benchmark::DoNotOptimize(preview.constBits());
        which = 1 - which;
    }
}
BENCHMARK(ChangeFont)->Unit(benchmark::kMillisecond);

// Floor: pictures of the sheet's and the preview's sizes, made and filled.
void ChangeFontFloor(benchmark::State &state)
{
    const QByteArray text = sampleText(200);
    GlyphCache cache;
    QSize sizes[2][2];
    for (int which = 0; which < 2; ++which) {
        const GlyphCache::Entry glyphs = *cache.glyphs(chosenFont(which), 1252);
        sizes[which][0] = GlyphSheet::render(glyphs->table).size();
        sizes[which][1] = QSize(glyphs->text.width(text), glyphs->text.cellHeight());
    }
    int which = 0;
    for (auto _ : state) {
        QImage sheet(sizes[which][0], QImage::Format_RGB32);
        sheet.fill(GlyphSheet::GridColour);
        QImage preview(sizes[which][1], QImage::Format_ARGB32);
        preview.fill(GameTextRenderer::Transparent);
        benchmark::DoNotOptimize(sheet.constBits());
        benchmark::DoNotOptimize(preview.constBits());
        which = 1 - which;
    }
}
BENCHMARK(ChangeFontFloor)->Unit(benchmark::kMillisecond);

} // namespace
