#include "CsvFile.h"

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

bool isLineEnd(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// Line breaks in `text`: CR LF, LF and a lone CR each count once.
qsizetype lineBreaks(QStringView text)
{
    qsizetype count = text.count(QLatin1Char('\n'));
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\r') && (i + 1 == text.size() || text[i + 1] != QLatin1Char('\n')))
            ++count;
    }
    return count;
}

// Splits decoded CSV text into records of fields, counting lines as it goes.
class RecordReader {
public:
    RecordReader(QStringView text, const std::string &fileName) : m_text(text), m_fileName(fileName) {}

    // The next record and the line it starts on; false at the end of the
    // text or after an error (then error() tells it).
    bool next(QStringList &fields, qsizetype &line)
    {
        if (atEnd() || m_error)
            return false;
        fields.clear();
        line = m_line;
        for (;;) {
            QString field;
            if (!readField(field))
                return false;
            fields.append(field);
            if (atEnd())
                return true;
            if (m_text[m_pos] == QLatin1Char(',')) {
                ++m_pos;
                continue;
            }
            skipLineEnd();
            return true;
        }
    }

    const std::optional<FormatError> &error() const { return m_error; }

private:
    bool atEnd() const { return m_pos >= m_text.size(); }

    bool fail(qsizetype line, const char *what)
    {
        m_error = FormatError::onLine(m_fileName, std::uint64_t(line), what);
        return false;
    }

    bool readField(QString &field)
    {
        if (!atEnd() && m_text[m_pos] == QLatin1Char('"'))
            return readQuotedField(field);
        qsizetype end = m_pos;
        for (; end < m_text.size() && m_text[end] != QLatin1Char(',') && !isLineEnd(m_text[end]); ++end) {
            if (m_text[end] == QLatin1Char('"'))
                return fail(m_line, "a quote inside a field that does not start with one");
        }
        field = m_text.sliced(m_pos, end - m_pos).toString();
        m_pos = end;
        return true;
    }

    bool readQuotedField(QString &field)
    {
        const qsizetype startLine = m_line;
        ++m_pos;
        for (;;) {
            const qsizetype quote = m_text.indexOf(QLatin1Char('"'), m_pos);
            if (quote < 0)
                return fail(startLine, "a quoted field is not closed");
            const QStringView part = m_text.sliced(m_pos, quote - m_pos);
            m_line += lineBreaks(part);
            field += part;
            m_pos = quote + 1;
            if (atEnd() || m_text[m_pos] != QLatin1Char('"'))
                break;
            field += QLatin1Char('"');
            ++m_pos;
        }
        if (!atEnd() && m_text[m_pos] != QLatin1Char(',') && !isLineEnd(m_text[m_pos]))
            return fail(m_line, "text after the closing quote of a field");
        return true;
    }

    // CR LF, LF or a lone CR.
    void skipLineEnd()
    {
        const bool cr = m_text[m_pos] == QLatin1Char('\r');
        ++m_pos;
        if (cr && !atEnd() && m_text[m_pos] == QLatin1Char('\n'))
            ++m_pos;
        ++m_line;
    }

    QStringView m_text;
    const std::string &m_fileName;
    qsizetype m_pos = 0;
    qsizetype m_line = 1;
    std::optional<FormatError> m_error;
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
std::optional<FormatError> otherSeparator(QStringView text, const std::string &fileName)
{
    QStringView header = text;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' || text[i] == u'\n') {
            header = text.first(i);
            break;
        }
    }
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
    // Skips a byte order mark; stateless, so a sequence cut off at the end
    // counts as an error too.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(file);
    if (decoder.hasError())
        return FormatError::onLine(fileName, std::uint64_t(Utf8Lines::firstBadLine(file).value_or(1)),
                                   "not UTF-8 text; save the file as CSV in UTF-8");

    if (auto separator = otherSeparator(text, fileName))
        return *separator;
    RecordReader reader(text, fileName);
    QStringList fields;
    qsizetype line = 0;
    if (!reader.next(fields, line)) {
        if (reader.error())
            return *reader.error();
        return FormatError::onLine(fileName, 1, "the file is empty; the first line must name the columns row, "
                                                "source and translation");
    }
    const auto columns = columnsOf(fields, fileName);
    if (!columns)
        return columns.error();
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
            return FormatError::onLine(fileName, std::uint64_t(line),
                                       std::to_string(fields.size()) + " fields where the header names "
                                           + std::to_string(width));
        ExchangeEntry entry{cell(RowColumn), cell(SourceColumn), cell(TranslationColumn)};
        entry.line = line;
        entry.hasReview = (*columns)[NeedsReviewColumn] >= 0 || (*columns)[NoteColumn] >= 0;
        const auto needsReview = needsReviewOf(cell(NeedsReviewColumn));
        if (!needsReview)
            return FormatError::onLine(fileName, std::uint64_t(line),
                                       "needs_review is \"" + ShownText::capped(cell(NeedsReviewColumn)).toStdString()
                                           + "\"; write yes or leave it empty");
        entry.needsReview = *needsReview;
        entry.note = cell(NoteColumn);
        // A spreadsheet's blank row may still say "no" under needs_review.
        if (entry.row.isEmpty() && entry.source.isEmpty() && entry.translation.isEmpty() && entry.note.isEmpty()
            && !entry.needsReview)
            continue;
        entries.append(entry);
    }
    if (reader.error())
        return *reader.error();
    ExchangeFile read;
    read.entries = entries;
    return read;
}

} // namespace orvanta
