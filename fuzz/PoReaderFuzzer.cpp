// libFuzzer harness: arbitrary bytes as a PO file of texts, read through
// libgettextpo. The import rules must account for every entry read; and
// when every entry has a row of its own, the entries written again by the
// kit's writer read back the same through libgettextpo (an untranslated
// one with an empty translation), marks and notes included.
#include "ExchangeFuzzing.h"
#include "exchange/PoFile.h"

#include <QSet>

#include <cstddef>
#include <cstdint>

using namespace orvanta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto read = PoFile::read(QByteArrayView(data, qsizetype(size)), "texts.po");
    if (!read)
        return 0;
    checkImport(read->entries, size);

    // Rows are written as references, which hold a number.
    QSet<QString> rows;
    QList<ExchangeEntry> entries;
    for (const ExchangeEntry &entry : toWrite(read->entries)) {
        if (entry.obsolete)
            continue;
        if (TextImport::rowOf(entry.row, 999999999) < 0 || rows.contains(entry.row))
            return 0;
        rows.insert(entry.row);
        entries.append(entry);
    }
    // The kit's own writer, judged by gettext's library.
    const QByteArray written = PoFile::write(entries, {1252, QStringLiteral("de"), QDateTime::fromSecsSinceEpoch(0, Qt::UTC)});
    const auto again = PoFile::read(written, "texts.po");
    if (!again || !sameEntries(entries, again->entries, true))
        __builtin_trap();
    return 0;
}
