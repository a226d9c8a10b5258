// libFuzzer harness: arbitrary bytes as the kit's review file. What the
// reader accepts must write back as the same marks, and that file must be
// what the writer makes of them again.
#include "texts/ReviewMarks.h"

#include <cstddef>
#include <cstdint>

using namespace orvanta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto read = ReviewMarks::fromFile(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)),
                                            QStringLiteral("orvanta-kit.review"));
    if (!read)
        return 0;
    const QByteArray written = read->toFile();
    const auto again = ReviewMarks::fromFile(written, QStringLiteral("orvanta-kit.review"));
    if (!again || again->rows() != read->rows() || again->toFile() != written
        || again->needsReviewCount() != read->needsReviewCount())
        __builtin_trap();
    for (int row : read->rows()) {
        if (!(again->mark(row) == read->mark(row)) || read->mark(row).isEmpty())
            __builtin_trap();
    }
    return 0;
}
