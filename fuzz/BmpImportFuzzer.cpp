// libFuzzer harness: arbitrary bytes as a redrawn BMP chosen for each of the
// nine pictures, checked as "Choose translated picture" checks it (header
// classification, pixel format, palette, then the pixels). An accepted
// picture must have its row's size and palette, and must pass again once
// saved as the kit saves pictures.
#include "pictures/IndexedBmp.h"
#include "pictures/PictureCatalogue.h"
#include "pictures/PictureSlots.h"
#include "pictures/TranslatedPictureCheck.h"

#include <cstddef>
#include <cstdint>

using namespace orvanta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const PictureSlots pictures;
    const QByteArrayView file(data, qsizetype(size));
    using Outcome = TranslatedPictureCheck::Outcome;
    for (int row = 0; row < PictureCatalogue::RowCount; ++row) {
        const QImage &standard = *pictures.StandardPicture(row);
        const auto verdict = TranslatedPictureCheck::check(file, standard, QStringLiteral("fuzz.bmp"));
        if (verdict.outcome != Outcome::Accepted)
            continue;
        if (verdict.picture.size() != standard.size() || verdict.picture.colorTable() != standard.colorTable())
            __builtin_trap();
        const QByteArray saved = IndexedBmp::write(verdict.picture);
        const auto again = TranslatedPictureCheck::check(saved, standard);
        if (again.outcome != Outcome::Accepted || again.picture != verdict.picture)
            __builtin_trap();
    }
    return 0;
}
