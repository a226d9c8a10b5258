#pragma once

#include "ExchangeEntry.h"
#include "core/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <string>

namespace orvanta {

// The texts as CSV for spreadsheets (RFC 4180): UTF-8 without a byte order
// mark, the header row "row,source,translation", then one record per text,
// each line ended by CR LF. A field is quoted only when it holds a comma, a
// quote or a line break; spaces are kept as they stand.
class CsvFile {
public:
    static QByteArray write(const QList<ExchangeEntry> &entries);

    // Reads what a spreadsheet writes back: CR LF, LF or CR line ends, quoted
    // or bare fields, a byte order mark, blank lines (or rows of empty
    // cells). Anything else that breaks the format is an error naming
    // `fileName` and the line: text that is not UTF-8, a missing header, a
    // quote left open or inside a bare field, a record without exactly three
    // fields. Entries carry the line their record starts on.
    static Result<QList<ExchangeEntry>> read(QByteArrayView file, const std::string &fileName);
};

} // namespace orvanta
