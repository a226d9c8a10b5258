#pragma once

#include "core/FormatError.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <cstdint>
#include <string>
#include <vector>

namespace orvanta {

// The game's text file ("kvtexts.dat", "texts.dat"): a 16-bit record size
// (always written as 200, ignored on reading), then 200-byte TextRecords.
// A record holds a text's bytes followed by zeros; a text of 200 bytes or
// more has no terminating zero. Bytes are kept exactly as they stand.
class TextFile {
public:
    static constexpr int HeaderSize = 2;
    static constexpr int RecordSize = 200;

    // Whole records in a file of `size` bytes; trailing bytes are ignored.
    static std::int64_t recordCount(std::int64_t size)
    {
        return size < HeaderSize + RecordSize ? 0 : (size - HeaderSize) / RecordSize;
    }

    // The text of one 200-byte record: its bytes up to the first zero (all
    // 200 when there is none); the view points into the record.
    static QByteArrayView textView(const char *record);
    static QByteArray textOfRecord(const char *record) { return textView(record).toByteArray(); }

    // What a record keeps of `text`: its first 200 bytes.
    static QByteArrayView recordPart(QByteArrayView text) { return text.first(qMin(text.size(), qsizetype(RecordSize))); }

    // Appends one record for `text`: recordPart(text), zero-filled.
    static void appendRecord(QByteArray &out, QByteArrayView text);

    static QByteArray header();

    static QList<QByteArray> read(const QByteArray &file);
    static QByteArray write(const QList<QByteArray> &texts);

    // What keeps `file` from being exactly what write() makes: a file too
    // short for its header, a record size other than 200, or bytes after
    // the last whole record (which a reader ignores). `fileName` names it.
    static std::vector<FormatError> check(QByteArrayView file, const std::string &fileName);
};

} // namespace orvanta
