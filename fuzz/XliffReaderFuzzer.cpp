// libFuzzer harness: arbitrary bytes as an XLIFF file of texts. The import
// rules must account for every unit read; and units that XML can carry,
// each with a row of its own, written again read back the same.
#include "ExchangeFuzzing.h"
#include "exchange/XliffFile.h"

#include <QSet>

#include <cstddef>
#include <cstdint>

using namespace orvanta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto read = XliffFile::read(QByteArrayView(data, qsizetype(size)), "texts.xlf");
    if (!read)
        return 0;
    checkImport(read->entries, size);

    QSet<QString> rows;
    const QList<ExchangeEntry> entries = toWrite(read->entries);
    for (const ExchangeEntry &entry : entries) {
        if (entry.row.isEmpty() || rows.contains(entry.row))
            return 0;
        rows.insert(entry.row);
    }
    const auto written = XliffFile::write(entries, {1252, QStringLiteral("de")}, "texts.xlf");
    if (!written)
        return 0; // a character XML cannot carry
    const auto again = XliffFile::read(*written, "texts.xlf");
    if (!again || !sameEntries(entries, again->entries, true))
        __builtin_trap();
    return 0;
}
