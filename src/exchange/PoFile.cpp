#include "PoFile.h"

#include "FieldDecoder.h"
#include "io/ByteLines.h"
#include "io/BytesDevice.h"
#include "io/PlatformFiles.h"
#include "io/Utf8Lines.h"
#include "texts/PrintfCodes.h"
#include "texts/TextFile.h"

#include <QTemporaryFile>

#include <gettext-po.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <optional>
#include <type_traits>
#include <utility>
#include <vector>

namespace orvanta {

const char *const PoFile::FixedComment = "Reset to the original text at every save.";

namespace {

// Where an entry's text stands: its row, as `#: kvtexts.dat:ROW`.
const QByteArray ReferenceFile = "kvtexts.dat";
const QByteArray Reference = "#: " + ReferenceFile + ':';

// What the library reported during one call. Its handlers get no context,
// so the one collector in use is a global, guarded by LibraryMutex.
struct LibraryReport {
    std::string firstError;
    std::size_t line = 0; // of the first error; 0 when the library gave none
};

std::mutex LibraryMutex;
LibraryReport *Collector = nullptr;

void collect(int severity, const char *fileName, std::size_t line, const char *text)
{
    if (severity == PO_SEVERITY_WARNING || !Collector)
        return;
    if (Collector->firstError.empty()) {
        Collector->firstError = text && *text ? text : "unreadable";
        Collector->line = fileName && line != std::size_t(-1) ? line : 0;
    }
}

void xerror(int severity, po_message_t, const char *fileName, std::size_t line, std::size_t, int, const char *text)
{
    collect(severity, fileName, line, text);
}

void xerror2(int severity, po_message_t, const char *fileName, std::size_t line, std::size_t, int, const char *text,
             po_message_t, const char *, std::size_t, std::size_t, int, const char *)
{
    collect(severity, fileName, line, text);
}

const po_xerror_handler Handler{xerror, xerror2};

QByteArray headerOf(const PoFile::Header &header)
{
    const QByteArray created = header.created.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm")).toLatin1() + "+0000";
    return "Project-Id-Version: Orvanta\n"
           "POT-Creation-Date: " + created + "\n"
           "PO-Revision-Date: " + (header.isTemplate ? QByteArray("YEAR-MO-DA HO:MI+ZONE") : created) + "\n"
           "Last-Translator: " + (header.isTemplate ? "FULL NAME <EMAIL@ADDRESS>" : "") + "\n"
           "Language-Team: " + (header.isTemplate ? "LANGUAGE <LL@li.org>" : "") + "\n"
           "Language: " + (header.isTemplate ? QByteArray() : header.language.toUtf8()) + "\n"
           "MIME-Version: 1.0\n"
           "Content-Type: text/plain; charset=UTF-8\n"
           "Content-Transfer-Encoding: 8bit\n"
           "X-Orvanta-Codepage: " + QByteArray::number(header.codePage) + "\n";
}

// Appends `text` as a C string of PO: quotes, backslashes and control
// characters escaped (others octal, as gettext reads them).
void appendQuoted(QByteArray &out, QByteArrayView text)
{
    out += '"';
    for (char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        case '\a': out += "\\a"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\v': out += "\\v"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
                const int code = static_cast<unsigned char>(c);
                out += '\\';
                out += char('0' + (code >> 6));
                out += char('0' + ((code >> 3) & 7));
                out += char('0' + (code & 7));
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

// `keyword "text"`, or as gettext writes a text with line breaks inside:
// an empty first string, then one string per line, each ending after its \n.
void appendString(QByteArray &out, const char *keyword, QByteArrayView text)
{
    out += keyword;
    out += ' ';
    const qsizetype firstBreak = text.indexOf('\n');
    if (firstBreak < 0 || firstBreak == text.size() - 1) {
        appendQuoted(out, text);
        out += '\n';
        return;
    }
    out += "\"\"\n";
    qsizetype from = 0;
    while (from < text.size()) {
        qsizetype end = text.indexOf('\n', from);
        end = end < 0 ? text.size() : end + 1;
        appendQuoted(out, text.sliced(from, end - from));
        out += '\n';
        from = end;
    }
}

// Whether `line` ends in a backslash and any number of spaces. gettext
// joins a line that ends in a backslash to the next one, comments too: such
// a comment line is written with one space more, which reading takes off.
bool endsInBackslash(QStringView line)
{
    qsizetype end = line.size();
    while (end > 0 && line[end - 1] == u' ')
        --end;
    return end > 0 && line[end - 1] == u'\\';
}

// `#` comment lines with `prefix`, one per line of `text`.
void appendComment(QByteArray &out, const char *prefix, const QString &text)
{
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        if (line.isEmpty()) {
            out += "#\n";
            continue;
        }
        out += prefix;
        out += line.toUtf8();
        if (endsInBackslash(line))
            out += ' ';
        out += '\n';
    }
}

// A note as translator comments give it back, without the space
// appendComment() added to a line that ends in a backslash.
QString noteOf(const QString &comments)
{
    QStringList lines = comments.split(QLatin1Char('\n'));
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    for (QString &line : lines) {
        if (line.endsWith(u' ') && endsInBackslash(line))
            line.chop(1);
    }
    return lines.join(QLatin1Char('\n'));
}

// A message as the library holds it, until the header's charset is known.
struct RawMessage {
    po_message_t message;
    std::size_t row; // the row of its kvtexts.dat reference; 0 when it has none
    const char *context;
    const char *id;
    const char *text;
    const char *comments;
    bool fuzzy;
    bool obsolete;
};

// Frees the texts the library holds of a message once they are decoded:
// the catalogue and the entries read from it are never both whole.
void release(po_message_t message)
{
    po_message_set_msgctxt(message, nullptr);
    po_message_set_msgid(message, "");
    po_message_set_msgstr(message, "");
    po_message_set_comments(message, "");
}

// The row a line names, as it stands: that of a `#: kvtexts.dat:ROW`
// reference, or an older kit's `msgctxt "ROW"`; empty for any other line.
QByteArray rowOfLine(QByteArrayView line)
{
    if (line.startsWith(Reference))
        return line.sliced(Reference.size()).trimmed().toByteArray();
    // `msgctxt "` alone: its one quote both opens and ends it.
    if (line.size() < 10 || !line.startsWith("msgctxt \"") || !line.endsWith("\""))
        return {};
    return line.sliced(9, line.size() - 10).toByteArray();
}

// The row that the message's `#: kvtexts.dat:ROW` reference names; 0 when
// it has none.
std::size_t referencedRow(po_message_t message)
{
    for (int i = 0;; ++i) {
        const po_filepos_t position = po_message_filepos(message, i);
        if (!position)
            return 0;
        const std::size_t line = po_filepos_start_line(position);
        if (ReferenceFile == po_filepos_file(position) && line != std::size_t(-1))
            return line;
    }
}

// Whether `line` (a line of strings) holds a zero byte, raw or as an
// escape (\0, \00, \000, \x0, \x00) that gettext turns into one.
bool holdsZero(QByteArrayView line)
{
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '\0')
            return true;
        if (line[i] != '\\' || i + 1 >= line.size())
            continue;
        qsizetype j = i + 1;
        if (line[j] == 'x') {
            ++j;
            while (j < line.size() && line[j] == '0')
                ++j;
            if (j > i + 2 && (j == line.size() || !std::isxdigit(static_cast<unsigned char>(line[j]))))
                return true;
        } else if (line[j] == '0') {
            while (j < line.size() && j < i + 4 && line[j] == '0')
                ++j;
            if (j == line.size() || j == i + 4 || line[j] < '0' || line[j] > '7')
                return true;
        }
        i = j - 1 > i ? j - 1 : i + 1; // past the escape (a doubled backslash too)
    }
    return false;
}

// A line of the file with a zero byte in its strings, and the row of the
// entry it belongs to: gettext's library would cut the text at it without a
// word.
struct ZeroByte {
    qsizetype line = 0;
    QByteArray row;
};

// Copies `file` from its start into `scratch` a line at a time, without a
// byte order mark; stops at the first line whose strings hold a zero byte.
Result<std::optional<ZeroByte>> copyChecked(QIODevice &file, QFile &scratch, const std::string &fileName)
{
    ByteLines lines(file, ByteLines::Ends::LineFeed);
    QByteArrayView text;
    QByteArray row;
    for (qsizetype line = 1; lines.next(text); ++line) {
        if (line == 1 && text.startsWith("\xEF\xBB\xBF"))
            text = text.sliced(3);
        const QByteArrayView trimmed = text.trimmed();
        if (const QByteArray named = rowOfLine(trimmed); !named.isEmpty())
            row = named;
        if (!trimmed.startsWith('#') && holdsZero(text.chopped(ByteLines::endLength(text))))
            return std::optional(ZeroByte{line, row});
        if (scratch.write(text.data(), text.size()) != text.size())
            return FormatError::general(fileName, "no scratch file for reading it: " + scratch.errorString().toStdString());
    }
    if (lines.failed() || !scratch.flush())
        return FormatError::general(fileName, "cannot be read: " + file.errorString().toStdString());
    return std::optional<ZeroByte>();
}

// The charset that the header's Content-Type names; UTF-8 when it names
// none or the template's placeholder.
QByteArray charsetOf(const char *header)
{
    QByteArray charset;
    if (char *contentType = header ? po_header_field(header, "Content-Type") : nullptr) {
        const QByteArray value(contentType);
        std::free(contentType);
        const qsizetype at = value.indexOf("charset=");
        if (at >= 0) {
            charset = value.mid(at + 8);
            charset.truncate(charset.indexOf(';') < 0 ? charset.size() : charset.indexOf(';'));
            charset = charset.trimmed();
        }
    }
    if (charset.isEmpty() || charset.compare("CHARSET", Qt::CaseInsensitive) == 0
        || charset.compare("ASCII", Qt::CaseInsensitive) == 0)
        return "UTF-8";
    return charset;
}

} // namespace

QByteArray PoFile::write(const QList<ExchangeEntry> &entries, const Header &header)
{
    QByteArray out;
    out.reserve(512 + entries.size() * 160);
    if (header.isTemplate)
        out += "# Orvanta texts.\n#, fuzzy\n";
    appendString(out, "msgid", "");
    appendString(out, "msgstr", headerOf(header));
    const QByteArray limit = "#. At most " + QByteArray::number(TextFile::RecordSize) + " bytes in code page "
        + QByteArray::number(header.codePage) + ".\n";
    const QByteArray fixed = QByteArray("#. ") + FixedComment + '\n';
    for (const ExchangeEntry &entry : entries) {
        // An empty msgid is the header's.
        if (entry.source.isEmpty())
            continue;
        out += '\n';
        if (!header.isTemplate && !entry.note.isEmpty())
            appendComment(out, "# ", entry.note);
        out += limit;
        if (entry.fixed)
            out += fixed;
        out += Reference;
        out += entry.row.toUtf8();
        out += '\n';
        const bool fuzzy = !header.isTemplate && entry.needsReview;
        const QByteArray source = entry.source.toUtf8();
        const bool cFormat = PrintfCodes::isCFormat(source);
        if (fuzzy || cFormat)
            out += fuzzy && cFormat ? "#, fuzzy, c-format\n" : fuzzy ? "#, fuzzy\n" : "#, c-format\n";
        if (!entry.context.isEmpty())
            appendString(out, "msgctxt", entry.context.toUtf8());
        appendString(out, "msgid", source);
        const bool translated = !header.isTemplate && entry.translated;
        appendString(out, "msgstr", translated ? entry.translation.toUtf8() : QByteArray());
    }
    return out;
}

Result<ExchangeFile> PoFile::read(QByteArrayView file, const std::string &fileName)
{
    BytesDevice device(file);
    return read(device, fileName);
}

Result<ExchangeFile> PoFile::read(QIODevice &file, const std::string &fileName)
{
    // The library reads only named files: a copy, checked on the way.
    QTemporaryFile scratch;
    if (!scratch.open())
        return FormatError::general(fileName, "no scratch file for reading it: " + scratch.errorString().toStdString());
    const auto zero = copyChecked(file, scratch, fileName);
    if (!zero)
        return zero.error();
    if (const std::optional<ZeroByte> &found = *zero)
        return FormatError::onLine(fileName, std::uint64_t(found->line),
                                   (found->row.isEmpty() ? std::string("a text") : "the text of row " + found->row.toStdString())
                                       + " holds a NUL byte, where the game's text would end; remove it");
    const QByteArray scratchPath = PlatformFiles::narrowPath(scratch.fileName());

    const std::lock_guard lock(LibraryMutex);
    LibraryReport report;
    Collector = &report;
    po_file_t catalog = po_file_read(scratchPath.constData(), &Handler);
    const int readErrno = errno;
    Collector = nullptr;
    if (!catalog)
        return FormatError::general(fileName, std::string("cannot be read: ") + std::strerror(readErrno));
    // Frees the catalogue however the reading ends.
    const std::unique_ptr<std::remove_pointer_t<po_file_t>, void (*)(po_file_t)> owned(catalog, po_file_free);
    if (!report.firstError.empty()) {
        return report.line ? FormatError::onLine(fileName, report.line, report.firstError)
                           : FormatError::general(fileName, report.firstError);
    }

    const char *header = nullptr;
    std::vector<RawMessage> messages;
    for (const char *const *domain = po_file_domains(catalog); *domain; ++domain) {
        po_message_iterator_t it = po_message_iterator(catalog, *domain);
        while (po_message_t message = po_next_message(it)) {
            const char *context = po_message_msgctxt(message);
            const char *id = po_message_msgid(message);
            const bool obsolete = po_message_is_obsolete(message) != 0;
            if (!context && !*id && !obsolete) {
                header = header ? header : po_message_msgstr(message);
                continue;
            }
            const std::size_t row = referencedRow(message);
            if (po_message_msgid_plural(message) && !obsolete) {
                po_message_iterator_free(it);
                const std::string named = row ? std::to_string(row) : std::string(context ? context : "");
                return FormatError::general(fileName, "the entry of row \"" + named
                                                          + "\" has plural forms (msgid_plural); the game's "
                                                            "texts have none, so give it one msgstr");
            }
            messages.push_back({message, row, context, id, po_message_msgstr(message), po_message_comments(message),
                                po_message_is_fuzzy(message) != 0, obsolete});
        }
        po_message_iterator_free(it);
    }

    ExchangeFile read;
    const QByteArray charset = charsetOf(header);
    if (header) {
        if (char *codePage = po_header_field(header, "X-Orvanta-Codepage")) {
            read.codePage = QByteArray(codePage).trimmed().toInt();
            std::free(codePage);
        }
        if (char *language = po_header_field(header, "Language")) {
            read.language = QString::fromUtf8(language).trimmed();
            std::free(language);
        }
    }
    FieldDecoder decoder(charset.constData());
    if (!decoder.isValid())
        return FormatError::general(fileName, "its charset " + charset.toStdString()
                                                  + " is not one the kit reads; save the file as UTF-8");
    read.entries.reserve(qsizetype(messages.size()));
    auto decode = [&](const char *text) { return decoder.decode(QByteArrayView(text ? text : "")); };
    for (const RawMessage &message : messages) {
        // A file of an older kit, or one whose references a tool dropped,
        // may name the row by msgctxt.
        ExchangeEntry entry{message.row ? QString::number(message.row) : decode(message.context), decode(message.id),
                            decode(message.text)};
        entry.context = decode(message.context);
        // A msgstr equal to its msgid is the source kept on purpose, or,
        // fuzzy, a tool's copy of it (xliff2po of an untranslated unit).
        const bool asSource = *message.id && message.text && std::strcmp(message.id, message.text) == 0;
        entry.done = asSource && !message.fuzzy;
        entry.needsReview = message.fuzzy && !asSource;
        if (asSource && message.fuzzy)
            entry.translation.clear();
        entry.note = noteOf(decode(message.comments));
        entry.obsolete = message.obsolete;
        if (decoder.hasError()) {
            const std::string what = "the entry of row \"" + entry.row.toStdString() + "\" is not "
                                   + charset.toStdString() + " text";
            // gettext's library finds the line itself only where it has iconv (not on Windows).
            const bool utf8 = charset.compare("UTF-8", Qt::CaseInsensitive) == 0;
            const qsizetype line = utf8 && file.seek(0) ? Utf8Lines::firstBadLine(file).value_or(0) : 0;
            return line > 0 ? FormatError::onLine(fileName, std::uint64_t(line), what)
                            : FormatError::general(fileName, what);
        }
        read.entries.append(std::move(entry));
        release(message.message);
    }
    return read;
}

} // namespace orvanta
