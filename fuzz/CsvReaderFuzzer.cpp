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
    const auto read = CsvFile::read(QByteArrayView(data, qsizetype(size)), "texts.csv");
    if (!read)
        return 0;
    const QList<ExchangeEntry> &entries = read->entries;
    const auto again = CsvFile::read(CsvFile::write(entries), "texts.csv");
    if (!again || !sameEntries(entries, again->entries, false))
        __builtin_trap();
    checkImport(entries, size);
    return 0;
}
