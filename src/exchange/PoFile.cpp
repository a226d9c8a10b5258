#include "PoFile.h"

#include <QFile>
#include <QHash>
#include <QStringDecoder>
#include <QTemporaryFile>

#include <gettext-po.h>

#include <cerrno>
#include <csetjmp>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define ORVANTA_LEAK_CHECKED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORVANTA_LEAK_CHECKED 1
#endif
#endif
#ifdef ORVANTA_LEAK_CHECKED
// LeakSanitizer in sanitized builds: libgettextpo never frees some strings
// it makes (of messages it creates, of error texts). Those leaks are the
// library's; every program that uses it links this file.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libgettextpo.so\n";
}
#endif

namespace orvanta {

const char *const PoFile::FixedComment = "Reset to the original text at every save.";

namespace {

// What the library reported during one call. Its handlers get no context,
// so the one collector in use is a global, guarded by LibraryMutex.
struct LibraryReport {
    std::string firstError;
    std::size_t line = 0; // of the first error; 0 when the library gave none
    // Where a fatal error jumps to while writing: the library must not get
    // control back after one (it would go on with a file it could not open).
    std::jmp_buf *fatal = nullptr;
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
    if (severity == PO_SEVERITY_FATAL_ERROR && Collector->fatal)
        std::longjmp(*Collector->fatal, 1);
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

// The one language that uses `codePage`, as a PO Language code; empty for
// a code page shared by several languages.
QByteArray languageOf(int codePage)
{
    static const QHash<int, QByteArray> languages{{874, "th"}, {1253, "el"}, {1258, "vi"}};
    return languages.value(codePage);
}

QByteArray headerOf(int codePage, const QDateTime &revised)
{
    QByteArray header = "Project-Id-Version: Orvanta\n"
                        "PO-Revision-Date: "
        + revised.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm")).toLatin1()
        + "+0000\n"
          "Last-Translator: \n"
          "Language-Team: \n";
    if (const QByteArray language = languageOf(codePage); !language.isEmpty())
        header += "Language: " + language + '\n';
    return header
        + "MIME-Version: 1.0\n"
          "Content-Type: text/plain; charset=UTF-8\n"
          "Content-Transfer-Encoding: 8bit\n"
          "X-Orvanta-Codepage: "
        + QByteArray::number(codePage) + '\n';
}

void insertMessage(po_message_iterator_t at, const char *context, const QByteArray &id, const QByteArray &text,
                   const char *extractedComment)
{
    po_message_t message = po_message_create();
    po_message_set_msgctxt(message, context);
    po_message_set_msgid(message, id.constData());
    po_message_set_msgstr(message, text.constData());
    if (extractedComment)
        po_message_set_extracted_comments(message, extractedComment);
    po_message_insert(at, message);
}

// po_file_write, with a way out of a fatal error; false after one.
bool writeCatalog(po_file_t catalog, const char *path, LibraryReport &report)
{
    std::jmp_buf jump;
    if (setjmp(jump) != 0) {
        report.fatal = nullptr;
        return false;
    }
    report.fatal = &jump;
    po_file_write(catalog, path, &Handler);
    report.fatal = nullptr;
    return true;
}

// A message as the library holds it, until the header's charset is known.
struct RawMessage {
    const char *context;
    const char *id;
    const char *text;
    bool fuzzy;
};

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

Result<QByteArray> PoFile::write(const QList<ExchangeEntry> &entries, int codePage, const QDateTime &revised,
                                 const std::string &fileName)
{
    QTemporaryFile scratch;
    if (!scratch.open())
        return FormatError::general(fileName, "no scratch file for writing it: " + scratch.errorString().toStdString());
    const QByteArray scratchPath = QFile::encodeName(scratch.fileName());
    {
        const std::lock_guard lock(LibraryMutex);
        LibraryReport report;
        Collector = &report;
        po_file_t catalog = po_file_create();
        po_message_iterator_t at = po_message_iterator(catalog, nullptr);
        insertMessage(at, nullptr, QByteArray(""), headerOf(codePage, revised), nullptr);
        const QByteArray comment = QByteArray(FixedComment) + '\n';
        for (const ExchangeEntry &entry : entries) {
            const QByteArray translation = entry.translation == entry.source ? QByteArray("") : entry.translation.toUtf8();
            insertMessage(at, entry.row.toUtf8().constData(), entry.source.toUtf8(), translation,
                          entry.fixed ? comment.constData() : nullptr);
        }
        po_message_iterator_free(at);
        const bool written = writeCatalog(catalog, scratchPath.constData(), report);
        po_file_free(catalog);
        Collector = nullptr;
        if (!written || !report.firstError.empty())
            return FormatError::general(fileName, "gettext could not write it: " + report.firstError);
    }
    QFile written(scratch.fileName());
    if (!written.open(QIODevice::ReadOnly))
        return FormatError::general(fileName, "the written file cannot be read back: " + written.errorString().toStdString());
    const QByteArray bytes = written.readAll();
    if (bytes.size() != written.size())
        return FormatError::general(fileName, "the written file cannot be read back whole");
    return bytes;
}

Result<QList<ExchangeEntry>> PoFile::read(QByteArrayView file, const std::string &fileName)
{
    if (file.startsWith("\xEF\xBB\xBF"))
        file = file.sliced(3);
    // The library reads only named files.
    QTemporaryFile scratch;
    if (!scratch.open() || scratch.write(file.data(), file.size()) != file.size() || !scratch.flush())
        return FormatError::general(fileName, "no scratch file for reading it: " + scratch.errorString().toStdString());
    const QByteArray scratchPath = QFile::encodeName(scratch.fileName());

    const std::lock_guard lock(LibraryMutex);
    LibraryReport report;
    Collector = &report;
    po_file_t catalog = po_file_read(scratchPath.constData(), &Handler);
    const int readErrno = errno;
    Collector = nullptr;
    if (!catalog)
        return FormatError::general(fileName, std::string("cannot be read: ") + std::strerror(readErrno));
    if (!report.firstError.empty()) {
        po_file_free(catalog);
        return report.line ? FormatError::onLine(fileName, report.line, report.firstError)
                           : FormatError::general(fileName, report.firstError);
    }

    const char *header = nullptr;
    std::vector<RawMessage> messages;
    for (const char *const *domain = po_file_domains(catalog); *domain; ++domain) {
        po_message_iterator_t it = po_message_iterator(catalog, *domain);
        while (po_message_t message = po_next_message(it)) {
            if (po_message_is_obsolete(message))
                continue;
            const char *context = po_message_msgctxt(message);
            const char *id = po_message_msgid(message);
            if (!context && !*id) {
                header = header ? header : po_message_msgstr(message);
                continue;
            }
            messages.push_back({context, id, po_message_msgstr(message), po_message_is_fuzzy(message) != 0});
        }
        po_message_iterator_free(it);
    }

    const QByteArray charset = charsetOf(header);
    // Keeps a leading U+FEFF of a text: only the file may have a byte order mark.
    QStringDecoder decoder(charset.constData(),
                           QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    if (!decoder.isValid()) {
        po_file_free(catalog);
        return FormatError::general(fileName, "its charset " + charset.toStdString()
                                                  + " is not one the kit reads; save the file as UTF-8");
    }
    QList<ExchangeEntry> entries;
    entries.reserve(qsizetype(messages.size()));
    bool decoded = true;
    auto decode = [&](const char *text) {
        decoder.resetState();
        QString result = decoder.decode(QByteArrayView(text));
        decoded = decoded && !decoder.hasError();
        return result;
    };
    for (const RawMessage &message : messages) {
        ExchangeEntry entry{decode(message.context ? message.context : ""), decode(message.id), decode(message.text)};
        entry.fuzzy = message.fuzzy;
        if (!decoded) {
            po_file_free(catalog);
            return FormatError::general(fileName, "the entry of row \"" + entry.row.toStdString() + "\" is not "
                                                      + charset.toStdString() + " text");
        }
        entries.append(entry);
    }
    po_file_free(catalog);
    return entries;
}

} // namespace orvanta
