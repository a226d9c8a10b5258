#pragma once

#include "ExchangeEntry.h"
#include "core/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <functional>
#include <string>

class QIODevice;

namespace orvanta {

// The texts as CSV for spreadsheets (RFC 4180): UTF-8 without a byte order
// mark, the header row "row,source,translation,needs_review,note", then one
// record per text (needs_review "yes" or empty), each line ended by CR LF. A
// field is quoted only when it holds a comma, a quote or a line break;
// spaces are kept as they stand.
class CsvFile {
public:
    static QByteArray write(const QList<ExchangeEntry> &entries);
    // The same for `count` entries asked for one at a time, in order: each
    // reference need only last until the next call.
    static QByteArray write(qsizetype count, const std::function<const ExchangeEntry &(qsizetype)> &entryAt);

    // Reads what a spreadsheet writes back: CR LF, LF or CR line ends, quoted
    // or bare fields, a byte order mark, blank lines (or rows of empty
    // cells), the columns in any order by their header names (row, source
    // and translation needed; a file without needs_review and note leaves
    // the kit's marks as they are; translate-toolkit's po2csv names row and
    // translation location and target). Anything else that breaks the
    // format is an error naming `fileName` and the line: text that is not
    // UTF-8, a header separated by semicolons or tabs (quoted or not), a
    // header that names other columns (saying what it saw), a quote left open or inside a bare field, a record
    // with another number of fields than the header, a needs_review cell
    // that is neither yes nor empty. Entries carry the line their record
    // starts on. The file is read from its start a line at a time, each
    // field decoded on its own; it must be seekable (a file or a buffer).
    static Result<ExchangeFile> read(QIODevice &file, const std::string &fileName);
    // The same for a file's bytes in memory.
    static Result<ExchangeFile> read(QByteArrayView file, const std::string &fileName);
};

} // namespace orvanta
