// libFuzzer harness: arbitrary bytes as a redrawn picture chosen for each of
// the nine pictures, checked as "Choose translated picture" checks a BMP
// (header classification, pixel format, palette, then the pixels) and put
// onto the game palette as any picture Qt reads (PNG, BMP of any depth...).
// An accepted or fitted picture must have its row's size and palette, and
// must pass again once saved as the kit saves pictures; a picture with a
// few colours outside the palette fits to the nearest colours.
#include "pictures/IndexedBmp.h"
#include "pictures/PaletteFit.h"
#include "pictures/PictureCatalogue.h"
#include "pictures/PictureSlots.h"
#include "pictures/TranslatedPictureCheck.h"

#include <cstddef>
#include <cstdint>

using namespace orvanta;

namespace {

void checkSavedPasses(const QImage &picture, const QImage &standard)
{
    if (picture.size() != standard.size() || picture.colorTable() != standard.colorTable())
        __builtin_trap();
    const auto again = TranslatedPictureCheck::check(IndexedBmp::write(picture), standard);
    if (again.outcome != TranslatedPictureCheck::Outcome::Accepted || again.picture != picture)
        __builtin_trap();
}

void fit(QByteArrayView file, const QImage &standard)
{
    using Outcome = PaletteFit::Outcome;
    const auto exact = PaletteFit::fitBytes(file, standard, PaletteFit::Colours::Exact);
    // The nearest colours for a few pixels: a search of the palette each,
    // too slow for pictures of random colours.
    const bool fewMissing = exact.outcome == Outcome::ColoursMissing && exact.foreignPixels <= 64;
    if (exact.outcome != Outcome::Fitted && !fewMissing)
        return;
    // Read again: the same picture, every pixel decoded (nothing left undefined).
    const auto nearest = PaletteFit::fitBytes(file, standard, PaletteFit::Colours::Nearest);
    if (nearest.outcome != Outcome::Fitted || nearest.foreignPixels != exact.foreignPixels)
        __builtin_trap();
    if (exact.outcome == Outcome::Fitted && nearest.picture != exact.picture)
        __builtin_trap();
    checkSavedPasses(nearest.picture, standard);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const PictureSlots pictures;
    const QByteArrayView file(data, qsizetype(size));
    using Outcome = TranslatedPictureCheck::Outcome;
    for (int row = 0; row < PictureCatalogue::RowCount; ++row) {
        const QImage &standard = *pictures.StandardPicture(row);
        const auto verdict = TranslatedPictureCheck::check(file, standard, QStringLiteral("fuzz.bmp"));
        if (verdict.outcome == Outcome::Accepted)
            checkSavedPasses(verdict.picture, standard);
        // All rows share one palette: a fitting depends only on the size.
        bool sizeSeen = false;
        for (int earlier = 0; earlier < row; ++earlier)
            sizeSeen |= pictures.StandardPicture(earlier)->size() == standard.size();
        if (!sizeSeen)
            fit(file, standard);
    }
    return 0;
}
