// libFuzzer harness: arbitrary bytes as a PO file of texts, read through
// libgettextpo. The import rules must account for every entry read; and
// when every entry has a row of its own, the entries written again read
// back the same (an untranslated one with an empty translation).
#include "ExchangeFuzzing.h"
#include "exchange/PoFile.h"

#include <QSet>

#include <cstddef>
#include <cstdint>

using namespace orvanta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto entries = PoFile::read(QByteArrayView(data, qsizetype(size)), "texts.po");
    if (!entries)
        return 0;
    checkImport(*entries, size);

    QSet<QString> rows;
    for (const ExchangeEntry &entry : *entries) {
        if (entry.row.isEmpty() || rows.contains(entry.row))
            return 0;
        rows.insert(entry.row);
    }
    const auto written = PoFile::write(*entries, 1252, QDateTime::fromSecsSinceEpoch(0, Qt::UTC), "texts.po");
    if (!written)
        __builtin_trap();
    const auto again = PoFile::read(*written, "texts.po");
    if (!again || again->size() != entries->size())
        __builtin_trap();
    for (qsizetype i = 0; i < entries->size(); ++i) {
        const ExchangeEntry &a = (*entries)[i], &b = (*again)[i];
        const QString translation = a.translation == a.source ? QString() : a.translation;
        if (a.row != b.row || a.source != b.source || translation != b.translation)
            __builtin_trap();
    }
    return 0;
}
