// libFuzzer harness: arbitrary bytes as a CSV file of texts. What the reader
// accepts must write back as a file that reads the same, and the import
// rules must account for every entry read.
#include "ExchangeFuzzing.h"
#include "exchange/CsvFile.h"

#include <cstddef>
#include <cstdint>

using namespace orvanta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto entries = CsvFile::read(QByteArrayView(data, qsizetype(size)), "texts.csv");
    if (!entries)
        return 0;
    const auto again = CsvFile::read(CsvFile::write(*entries), "texts.csv");
    if (!again || again->size() != entries->size())
        __builtin_trap();
    for (qsizetype i = 0; i < entries->size(); ++i) {
        const ExchangeEntry &a = (*entries)[i], &b = (*again)[i];
        if (a.row != b.row || a.source != b.source || a.translation != b.translation)
            __builtin_trap();
    }
    checkImport(*entries, size);
    return 0;
}
