#include "CsvFile.h"

#include "FieldDecoder.h"
#include "io/ByteLines.h"
#include "io/BytesDevice.h"
#include "io/PlatformMemory.h"
#include "io/ShownText.h"
#include "io/Utf8Lines.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>

#include <algorithm>
#include <array>
#include <optional>

namespace orvanta {

namespace {

const char *const HeaderText = "row,source,translation,needs_review,note";

// The columns a file may have, by their header names.
enum Column { RowColumn, SourceColumn, TranslationColumn, NeedsReviewColumn, NoteColumn, ColumnCount };
const std::array<QLatin1String, ColumnCount> ColumnNames{QLatin1String("row"), QLatin1String("source"),
                                                         QLatin1String("translation"), QLatin1String("needs_review"),
                                                         QLatin1String("note")};
// The names translate-toolkit's po2csv gives the same columns.
const std::array<std::pair<QLatin1String, Column>, 2> OtherColumnNames{
    {{QLatin1String("location"), RowColumn}, {QLatin1String("target"), TranslationColumn}}};

std::optional<Column> columnNamed(const QString &name)
{
    if (const auto known = std::find(ColumnNames.begin(), ColumnNames.end(), name); known != ColumnNames.end())
        return Column(known - ColumnNames.begin());
    for (const auto &[other, column] : OtherColumnNames) {
        if (name == other)
            return column;
    }
    return std::nullopt;
}

// Appends `text` in UTF-8, quoted when it holds a comma, a quote or a line
// break. The text is encoded straight into `out`; only one that holds a
// quote is copied again, to double each.
void appendField(QByteArray &out, QStringView text, QStringEncoder &utf8)
{
    const bool quoted = std::any_of(text.begin(), text.end(), [](QChar c) {
        return c == u',' || c == u'"' || c == u'\r' || c == u'\n';
    });
    if (quoted)
        out += '"';
    const qsizetype start = out.size();
    const qsizetype most = utf8.requiredSpace(text.size());
    PlatformMemory::makeRoom(out, most + 1); // and Qt's closing NUL
    out.resize(start + most);
    out.truncate(utf8.appendToBuffer(out.data() + start, text) - out.constData());
    if (!quoted)
        return;
    if (text.contains(u'"')) {
        const QByteArray bytes = out.sliced(start);
        out.truncate(start);
        qsizetype from = 0;
        for (qsizetype quote = bytes.indexOf('"'); quote >= 0; quote = bytes.indexOf('"', from)) {
            out.append(bytes.constData() + from, quote + 1 - from);
            out += '"';
            from = quote + 1;
        }
        out.append(bytes.constData() + from, bytes.size() - from);
    }
    out += '"';
}

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// Line breaks in `text`: CR LF, LF and a lone CR each count once.
qsizetype lineBreaks(QByteArrayView text)
{
    qsizetype count = text.count('\n');
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))
            ++count;
    }
    return count;
}

// The records of a CSV file, read a line at a time: a record is its first
// line and, while a quoted field is open (an odd count of quotes so far),
// the lines after it. Each is split into fields, each decoded from UTF-8 on
// its own (a quote, comma or line end is never part of a UTF-8 sequence),
// so the file is never held whole.
class RecordReader {
public:
    RecordReader(QIODevice &file, const std::string &fileName)
        : m_lines(file, ByteLines::Ends::AnyBreak), m_fileName(fileName)
    {
    }

    // The next record and the line it starts on; false at the end of the
    // file or after an error (then error() tells it, or notUtf8() that a
    // field is not UTF-8).
    bool next(QStringList &fields, qsizetype &line)
    {
        if (m_error || m_notUtf8)
            return false;
        QByteArrayView first;
        if (!m_lines.next(first))
            return false;
        if (m_line == 1 && first.startsWith("\xEF\xBB\xBF"))
            first = first.sliced(3);
        line = m_line;
        const qsizetype quotes = first.count('"');
        QByteArrayView record = first;
        if (quotes % 2) {
            m_record = first.toByteArray();
            for (qsizetype open = quotes; open % 2;) {
                QByteArrayView more;
                if (!m_lines.next(more))
                    break;
                m_record.append(more);
                open += more.count('"');
            }
            record = m_record;
        }
        fields.clear();
        const bool read = split(record, fields);
        m_line = line + lineBreaks(record);
        return read;
    }

    const std::optional<FormatError> &error() const { return m_error; }
    bool notUtf8() const { return m_notUtf8; }

private:
    bool fail(qsizetype line, const char *what)
    {
        m_error = FormatError::onLine(m_fileName, std::uint64_t(line), what);
        return false;
    }

    bool add(QByteArrayView bytes, QStringList &fields)
    {
        fields.append(m_decoder.decode(bytes));
        m_notUtf8 = m_decoder.hasError();
        return !m_notUtf8;
    }

    // The fields of `record`, which starts on line m_line.
    bool split(QByteArrayView record, QStringList &fields)
    {
        qsizetype pos = 0;
        qsizetype line = m_line;
        for (;;) {
            if (pos < record.size() && record[pos] == '"') {
                if (!readQuotedField(record, pos, line, fields))
                    return false;
            } else {
                qsizetype end = pos;
                for (; end < record.size() && record[end] != ',' && !isLineEnd(record[end]); ++end) {
                    if (record[end] == '"')
                        return fail(line, "a quote inside a field that does not start with one");
                }
                if (!add(record.sliced(pos, end - pos), fields))
                    return false;
                pos = end;
            }
            if (pos < record.size() && record[pos] == ',') {
                ++pos;
                continue;
            }
            return true;
        }
    }

    bool readQuotedField(QByteArrayView record, qsizetype &pos, qsizetype &line, QStringList &fields)
    {
        const qsizetype startLine = line;
        ++pos;
        m_field.clear();
        for (;;) {
            const qsizetype quote = record.indexOf('"', pos);
            if (quote < 0)
                return fail(startLine, "a quoted field is not closed");
            const QByteArrayView part = record.sliced(pos, quote - pos);
            line += lineBreaks(part);
            m_field.append(part);
            pos = quote + 1;
            if (pos == record.size() || record[pos] != '"')
                break;
            m_field.append('"');
            ++pos;
        }
        if (pos < record.size() && record[pos] != ',' && !isLineEnd(record[pos]))
            return fail(line, "text after the closing quote of a field");
        return add(m_field, fields);
    }

    ByteLines m_lines;
    const std::string &m_fileName;
    FieldDecoder m_decoder{"UTF-8"};
    QByteArray m_record; // a record of several lines
    QByteArray m_field;  // a quoted field without its quotes
    qsizetype m_line = 1;
    std::optional<FormatError> m_error;
    bool m_notUtf8 = false;
};

// Where each column stands in the records (-1: not in the file), from the
// header's names in any order and case; or what is wrong with the header.
// What is wrong with a header, on line 1.
FormatError wrongHeader(const std::string &fileName, const std::string &what)
{
    return FormatError::onLine(fileName, 1, what + "; the first line must name the columns row, source and "
                                                   "translation (needs_review and note may follow), in any "
                                                   "order, separated by commas");
}

// A first line without a comma but with semicolons or tabs between its
// names, quoted or not (as LibreOffice writes them): the file has another
// separator, said before its quotes are read as a comma-separated record's.
std::optional<FormatError> otherSeparator(QStringView header, const std::string &fileName)
{
    if (header.contains(u',') || !(header.contains(u';') || header.contains(u'\t')))
        return std::nullopt;
    return wrongHeader(fileName, std::string("the file is separated by ")
                                     + (header.contains(u';') ? "semicolons" : "tabs")
                                     + ", not commas (its header reads \"" + header.left(80).toString().toStdString()
                                     + "\")");
}

Result<std::array<qsizetype, ColumnCount>> columnsOf(const QStringList &fields, const std::string &fileName)
{
    std::array<qsizetype, ColumnCount> columns;
    columns.fill(-1);
    const QString seen = fields.join(QLatin1Char(','));
    const auto wrong = [&](const std::string &what) { return wrongHeader(fileName, what); };
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const QString name = fields[i].trimmed().toLower();
        const std::optional<Column> known = columnNamed(name);
        if (!known)
            return wrong("the header names a column \"" + ShownText::capped(fields[i]).toStdString() + "\" the kit does not know (it reads \""
                         + seen.left(80).toStdString() + "\")");
        qsizetype &column = columns[std::size_t(*known)];
        if (column >= 0)
            return wrong("the header names the column " + ColumnNames[std::size_t(*known)].toString().toStdString()
                         + " twice");
        column = i;
    }
    for (int c = RowColumn; c <= TranslationColumn; ++c) {
        if (columns[std::size_t(c)] < 0)
            return wrong("the header has no column " + ColumnNames[std::size_t(c)].toString().toStdString()
                         + " (it reads \"" + seen.left(80).toStdString() + "\")");
    }
    return columns;
}

// The needs_review cell: empty, "no", "0" or "false" for no; "yes", "1",
// "true" or "x" for yes; nothing else.
std::optional<bool> needsReviewOf(const QString &cell)
{
    const QString value = cell.trimmed().toLower();
    for (const char *no : {"", "no", "0", "false"}) {
        if (value == QLatin1String(no))
            return false;
    }
    for (const char *yes : {"yes", "1", "true", "x"}) {
        if (value == QLatin1String(yes))
            return true;
    }
    return std::nullopt;
}

bool allEmpty(const QStringList &fields)
{
    for (const QString &field : fields) {
        if (!field.isEmpty())
            return false;
    }
    return true;
}

} // namespace

QByteArray CsvFile::write(const QList<ExchangeEntry> &entries)
{
    return write(entries.size(), [&](qsizetype i) -> const ExchangeEntry & { return entries[i]; });
}

QByteArray CsvFile::write(qsizetype count, const std::function<const ExchangeEntry &(qsizetype)> &entryAt)
{
    // Room for a record's worth of text per row, about what a row's two
    // texts take, so that a large export seldom moves: room no row reaches
    // is never touched. Past 256 MiB the export grows as it needs.
    QByteArray out;
    PlatformMemory::makeRoom(out, 64 + std::min(count * 256, qsizetype(256) << 20));
    out.append(HeaderText).append("\r\n");
    QStringEncoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    for (qsizetype i = 0; i < count; ++i) {
        const ExchangeEntry &entry = entryAt(i);
        appendField(out, entry.row, utf8);
        out += ',';
        appendField(out, entry.source, utf8);
        out += ',';
        appendField(out, entry.translation, utf8);
        out += entry.needsReview ? ",yes," : ",,";
        appendField(out, entry.note, utf8);
        out += "\r\n";
    }
    return out;
}

Result<ExchangeFile> CsvFile::read(QByteArrayView file, const std::string &fileName)
{
    BytesDevice device(file);
    return read(device, fileName);
}

Result<ExchangeFile> CsvFile::read(QIODevice &file, const std::string &fileName)
{
    // Bytes that are not UTF-8 anywhere in the file are said before any
    // other fault, at the first line that holds them.
    const auto notUtf8 = [&]() -> FormatError {
        file.seek(0);
        return FormatError::onLine(fileName, std::uint64_t(Utf8Lines::firstBadLine(file).value_or(1)),
                                   "not UTF-8 text; save the file as CSV in UTF-8");
    };
    const auto failure = [&](const FormatError &error) -> FormatError {
        file.seek(0);
        return Utf8Lines::firstBadLine(file) ? notUtf8() : error;
    };
    {
        ByteLines lines(file, ByteLines::Ends::AnyBreak);
        QByteArrayView first;
        if (lines.next(first)) {
            if (first.startsWith("\xEF\xBB\xBF"))
                first = first.sliced(3);
            QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
            const QString header = decoder.decode(first.chopped(ByteLines::endLength(first)));
            if (decoder.hasError())
                return notUtf8();
            if (auto separator = otherSeparator(header, fileName))
                return failure(*separator);
        }
        file.seek(0);
    }
    RecordReader reader(file, fileName);
    QStringList fields;
    qsizetype line = 0;
    if (!reader.next(fields, line)) {
        if (reader.notUtf8())
            return notUtf8();
        if (reader.error())
            return failure(*reader.error());
        return failure(FormatError::onLine(fileName, 1, "the file is empty; the first line must name the columns row, "
                                                "source and translation"));
    }
    const auto columns = columnsOf(fields, fileName);
    if (!columns)
        return failure(columns.error());
    const auto cell = [&](Column column) {
        const qsizetype at = (*columns)[std::size_t(column)];
        return at < 0 ? QString() : fields[at];
    };
    QList<ExchangeEntry> entries;
    const qsizetype width = fields.size();
    while (reader.next(fields, line)) {
        if (allEmpty(fields))
            continue;
        if (fields.size() != width)
            return failure(FormatError::onLine(fileName, std::uint64_t(line),
                                               std::to_string(fields.size()) + " fields where the header names "
                                                   + std::to_string(width)));
        ExchangeEntry entry{cell(RowColumn), cell(SourceColumn), cell(TranslationColumn)};
        entry.line = line;
        entry.hasReview = (*columns)[NeedsReviewColumn] >= 0 || (*columns)[NoteColumn] >= 0;
        const auto needsReview = needsReviewOf(cell(NeedsReviewColumn));
        if (!needsReview)
            return failure(FormatError::onLine(fileName, std::uint64_t(line),
                                               "needs_review is \""
                                                   + ShownText::capped(cell(NeedsReviewColumn)).toStdString()
                                                   + "\"; write yes or leave it empty"));
        entry.needsReview = *needsReview;
        entry.note = cell(NoteColumn);
        // A spreadsheet's blank row may still say "no" under needs_review.
        if (entry.row.isEmpty() && entry.source.isEmpty() && entry.translation.isEmpty() && entry.note.isEmpty()
            && !entry.needsReview)
            continue;
        entries.append(std::move(entry));
    }
    if (reader.notUtf8())
        return notUtf8();
    if (reader.error())
        return failure(*reader.error());
    ExchangeFile read;
    read.entries = std::move(entries);
    return read;
}

} // namespace orvanta
