#include "XliffFile.h"

#include "XmlText.h"
#include "io/ByteLines.h"
#include "io/BytesDevice.h"
#include "io/ShownText.h"
#include "io/Utf8Lines.h"
#include "texts/TextFile.h"

#include <QHash>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <optional>

namespace orvanta {

namespace {

const QString XliffNamespace = QStringLiteral("urn:oasis:names:tc:xliff:document:1.2");
const QString KitNamespace = QStringLiteral("urn:orvanta:kit");
const QString XmlNamespace = QStringLiteral("http://www.w3.org/XML/1998/namespace");

// QXmlStreamReader compares each attribute of an element with every other
// one (a repeated attribute is an error), so one tag of 300,000 attributes
// takes minutes. No element the kit reads carries more than a handful: a
// tag with more than MostAttributes is refused before the reader sees it,
// by one pass over the file, a line at a time. Returns that tag's line.
constexpr qsizetype MostAttributes = 256;

std::optional<std::uint64_t> crowdedTagLine(QIODevice &file)
{
    ByteLines lines(file, ByteLines::Ends::LineFeed);
    QByteArrayView text;
    // The mark that ends the comment, CDATA section or processing
    // instruction being passed over (none holds a line break).
    QByteArrayView skipping;
    bool inTag = false;
    char quote = 0;
    qsizetype attributes = 0;
    std::uint64_t tagLine = 0;
    for (std::uint64_t line = 1; lines.next(text); ++line) {
        for (qsizetype i = 0; i < text.size();) {
            if (!skipping.isEmpty()) {
                const qsizetype end = text.indexOf(skipping, i);
                if (end < 0)
                    break;
                i = end + skipping.size();
                skipping = {};
            } else if (inTag) {
                const char c = text[i++];
                if (quote) {
                    quote = c == quote ? 0 : quote;
                } else if (c == '"' || c == '\'') {
                    quote = c;
                } else if (c == '=') {
                    if (++attributes > MostAttributes)
                        return tagLine;
                } else if (c == '>') {
                    inTag = false;
                }
            } else {
                i = text.indexOf('<', i);
                if (i < 0)
                    break;
                // A mark is searched for from the '<' on: "<!-->" is a whole comment.
                const QByteArrayView rest = text.sliced(i);
                if (rest.startsWith("<!--")) {
                    skipping = "-->";
                } else if (rest.startsWith("<![CDATA[")) {
                    skipping = "]]>";
                } else if (rest.startsWith("<?")) {
                    skipping = "?>";
                } else {
                    inTag = true;
                    quote = 0;
                    attributes = 0;
                    tagLine = line;
                    ++i;
                }
            }
        }
    }
    return std::nullopt;
}

// The context type of what tells apart the rows of one source, as gettext's
// msgctxt: the one Qt's lconvert and translate-toolkit carry to and from PO.
const QString ContextType = QStringLiteral("x-gettext-msgctxt");

// The count-type and unit of the code page in the file's header.
const QString CodePageCount = QStringLiteral("x-codepage");

// A `<count-group>` of one count; its name is unique in the file.
void writeCount(QXmlStreamWriter &xml, const QString &name, const QString &type, const QString &unit, int value)
{
    xml.writeStartElement(QStringLiteral("count-group"));
    xml.writeAttribute(QStringLiteral("name"), name);
    xml.writeStartElement(QStringLiteral("count"));
    xml.writeAttribute(QStringLiteral("count-type"), type);
    xml.writeAttribute(QStringLiteral("unit"), unit);
    xml.writeCharacters(QString::number(value));
    xml.writeEndElement();
    xml.writeEndElement();
}

bool needsReview(QStringView state)
{
    return state.startsWith(u"needs-review") || state == u"needs-translation" || state == u"needs-adaptation"
        || state == u"needs-l10n";
}

// A state in which a target equal to its source is a translation.
bool isTranslatedState(QStringView state)
{
    return state == u"translated" || state == u"final" || state == u"signed-off";
}

} // namespace

Result<QByteArray> XliffFile::write(const QList<ExchangeEntry> &entries, const Header &header,
                                    const std::string &fileName)
{
    QByteArray out;
    out.reserve(512 + entries.size() * 400);
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(1);
    xml.writeStartDocument();
    xml.writeDefaultNamespace(XliffNamespace);
    xml.writeStartElement(XliffNamespace, QStringLiteral("xliff"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.2"));
    xml.writeStartElement(XliffNamespace, QStringLiteral("file"));
    xml.writeAttribute(QStringLiteral("original"), QStringLiteral("kvtexts.dat"));
    xml.writeAttribute(QStringLiteral("datatype"), QStringLiteral("plaintext"));
    xml.writeAttribute(QStringLiteral("source-language"), header.sourceLanguage);
    if (!header.language.isEmpty())
        xml.writeAttribute(QStringLiteral("target-language"), header.language);
    xml.writeStartElement(XliffNamespace, QStringLiteral("header"));
    writeCount(xml, QStringLiteral("codepage"), CodePageCount, CodePageCount, header.codePage);
    xml.writeEndElement();
    xml.writeStartElement(XliffNamespace, QStringLiteral("body"));
    const QString limit = QString::number(TextFile::RecordSize);
    for (const ExchangeEntry &entry : entries) {
        if (entry.source.isEmpty())
            continue; // nothing to translate, and tools drop such units
        if (Status writable = XmlText::writable(fileName, entry,
                                                {&entry.source, &entry.translation, &entry.note, &entry.context},
                                                QStringLiteral("XLIFF"));
            !writable)
            return writable.error();
        // A unit whose target is its source carries no translation.
        const bool translated = entry.translated && header.targets == Targets::Translations;
        xml.writeStartElement(QStringLiteral("trans-unit"));
        xml.writeAttribute(QStringLiteral("id"), entry.row);
        xml.writeAttribute(QStringLiteral("resname"), entry.row);
        xml.writeAttribute(QStringLiteral("maxbytes"), limit);
        xml.writeAttribute(QStringLiteral("maxwidth"), limit);
        xml.writeAttribute(QStringLiteral("size-unit"), QStringLiteral("byte"));
        if (entry.fixed)
            xml.writeAttribute(QStringLiteral("translate"), QStringLiteral("no"));
        if (translated)
            xml.writeAttribute(QStringLiteral("approved"), entry.needsReview ? QStringLiteral("no") : QStringLiteral("yes"));
        xml.writeAttribute(XmlNamespace, QStringLiteral("space"), QStringLiteral("preserve"));
        XmlText::writeElement(xml, QStringLiteral("source"), entry.source);
        xml.writeStartElement(QStringLiteral("target"));
        xml.writeAttribute(QStringLiteral("state"), entry.needsReview ? QStringLiteral("needs-review-translation")
                                                    : translated        ? QStringLiteral("translated")
                                                                        : QStringLiteral("new"));
        // An untranslated unit's target is its source in state "new": CAT
        // tools that translate what a target holds (OmegaT) see the text.
        XmlText::write(xml, translated ? entry.translation : entry.source);
        xml.writeEndElement();
        if (!entry.context.isEmpty()) {
            xml.writeStartElement(QStringLiteral("context-group"));
            xml.writeStartElement(QStringLiteral("context"));
            xml.writeAttribute(QStringLiteral("context-type"), ContextType);
            XmlText::write(xml, entry.context);
            xml.writeEndElement();
            xml.writeEndElement();
        }
        if (!entry.note.isEmpty()) {
            xml.writeStartElement(QStringLiteral("note"));
            xml.writeAttribute(QStringLiteral("from"), QStringLiteral("translator"));
            XmlText::write(xml, entry.note);
            xml.writeEndElement();
        }
        if (entry.sourceWidth >= 0)
            writeCount(xml, QStringLiteral("width-") + entry.row, QStringLiteral("x-source-width"),
                       QStringLiteral("x-pixel"), entry.sourceWidth);
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    return out;
}

Result<ExchangeFile> XliffFile::read(QByteArrayView file, const std::string &fileName)
{
    BytesDevice device(file);
    return read(device, fileName);
}

Result<ExchangeFile> XliffFile::read(QIODevice &file, const std::string &fileName)
{
    if (const auto line = crowdedTagLine(file))
        return FormatError::onLine(fileName, *line,
                                   "a tag with more than " + std::to_string(MostAttributes)
                                       + " attributes; no XLIFF element has so many");
    // Read from the device a block at a time: the file may be hundreds of megabytes.
    file.seek(0);
    QXmlStreamReader xml(&file);
    ExchangeFile read;
    QString targetLanguage;
    QHash<QString, qsizetype> ids; // of the current file, with the line each came on
    ExchangeEntry unit;
    bool inUnit = false;
    bool haveSource = false;
    QString sourceFileRow;
    QString targetState;
    bool approved = false;
    const auto fail = [&](const std::string &what) {
        return FormatError::onLine(fileName, std::uint64_t(xml.lineNumber()), what);
    };
    const auto text = [&]() -> std::optional<QString> {
        QString content = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        if (xml.hasError())
            return std::nullopt;
        content.squeeze(); // no more room than the text needs: a file may hold a million of them
        return content;
    };
    bool root = true;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
            return fail("a document type declaration (<!DOCTYPE>): the kit reads no DTD and expands no "
                        "entities; remove it");
        case QXmlStreamReader::EntityReference:
            return fail("the entity &" + xml.name().toString().toStdString() + "; is not XML's own");
        case QXmlStreamReader::StartElement: {
            const QStringView name = xml.name();
            const QXmlStreamAttributes attributes = xml.attributes();
            if (root) {
                if (name != u"xliff")
                    return fail("not an XLIFF file: its root element is <" + name.toString().toStdString() + ">");
                root = false;
                break;
            }
            if (name == u"file") {
                targetLanguage = attributes.value(QStringLiteral("target-language")).toString();
                if (read.language.isEmpty())
                    read.language = targetLanguage;
                if (!read.codePage)
                    read.codePage = attributes.value(KitNamespace, QStringLiteral("codepage")).toInt();
                ids.clear();
            } else if (name == u"trans-unit") {
                if (attributes.value(QStringLiteral("restype")) == u"x-gettext-domain-header") {
                    xml.skipCurrentElement();
                    break;
                }
                if (!attributes.hasAttribute(QStringLiteral("id")))
                    return fail("a trans-unit without id");
                const QString id = attributes.value(QStringLiteral("id")).toString();
                if (const auto earlier = ids.constFind(id); earlier != ids.cend())
                    return fail("the trans-unit id \"" + ShownText::capped(id).toStdString() + "\" came before, on line "
                                + std::to_string(*earlier));
                ids.insert(id, xml.lineNumber());
                unit = ExchangeEntry{};
                unit.row = attributes.hasAttribute(QStringLiteral("resname"))
                    ? attributes.value(QStringLiteral("resname")).toString()
                    : id;
                unit.line = xml.lineNumber();
                unit.needsReview = attributes.value(QStringLiteral("approved")) == u"no";
                approved = attributes.value(QStringLiteral("approved")) == u"yes";
                inUnit = true;
                haveSource = false;
                sourceFileRow.clear();
                targetState.clear();
                if (attributes.hasAttribute(QStringLiteral("resname")))
                    sourceFileRow = unit.row;
            } else if (!inUnit) {
                if (name == u"count" && attributes.value(QStringLiteral("count-type")) == CodePageCount) {
                    auto content = text();
                    if (content && !read.codePage)
                        read.codePage = content->trimmed().toInt();
                }
                break;
            } else if (name == u"alt-trans" || name == u"seg-source") {
                xml.skipCurrentElement(); // suggestions and segmentation, not the unit's texts
            } else if (name == u"source" && !haveSource) {
                auto content = text();
                if (!content)
                    break;
                unit.source = *content;
                haveSource = true;
            } else if (name == u"target") {
                const QString language = attributes.value(XmlNamespace, QStringLiteral("lang")).toString();
                if (!language.isEmpty() && !targetLanguage.isEmpty()
                    && language.compare(targetLanguage, Qt::CaseInsensitive) != 0)
                    return fail("the target of unit \"" + ShownText::capped(unit.row).toStdString() + "\" is in "
                                + language.toStdString() + ", the file's target-language is "
                                + targetLanguage.toStdString());
                const QStringView state = attributes.value(QStringLiteral("state"));
                unit.needsReview = unit.needsReview || needsReview(state);
                targetState = state.toString();
                auto content = text();
                if (!content)
                    break;
                unit.translation = *content;
            } else if (name == u"note") {
                const QStringView from = attributes.value(QStringLiteral("from"));
                auto content = text();
                if (!content)
                    break;
                // A developer's note is translate-toolkit's copy of an extracted comment.
                if (from != u"developer")
                    unit.note += (unit.note.isEmpty() ? QString() : QStringLiteral("\n")) + *content;
            } else if (name == u"context" && attributes.value(QStringLiteral("context-type")) == u"sourcefile") {
                auto content = text();
                if (content && sourceFileRow.isEmpty())
                    sourceFileRow = content->trimmed();
            } else if (name == u"context" && attributes.value(QStringLiteral("context-type")) == ContextType) {
                if (auto content = text())
                    unit.context = *content;
            }
            break;
        }
        case QXmlStreamReader::EndElement:
            if (inUnit && xml.name() == u"trans-unit") {
                if (!sourceFileRow.isEmpty())
                    unit.row = sourceFileRow;
                if (!unit.translation.isEmpty() && unit.translation == unit.source) {
                    // The source as its own translation on purpose, or a
                    // copy of it to translate, marked for review or not.
                    unit.done = isTranslatedState(targetState) || (targetState.isEmpty() && approved);
                    if (!unit.done) {
                        unit.translation.clear();
                        unit.needsReview = targetState.startsWith(u"needs-review");
                    }
                }
                read.entries.append(std::move(unit));
                inUnit = false;
            }
            break;
        default:
            break;
        }
    }
    // An error before the first element (a wrong encoding, bytes that are
    // not UTF-8) is said as such; only a file that ends first holds none.
    if (xml.hasError() && !(root && xml.error() == QXmlStreamReader::PrematureEndOfDocumentError)) {
        // Qt names the line it had reached, not that of the bytes it could
        // not decode.
        const QStringView encoding = xml.documentEncoding();
        if (encoding.isEmpty() || encoding.compare(u"UTF-8", Qt::CaseInsensitive) == 0) {
            if (const auto line = file.seek(0) ? Utf8Lines::firstBadLine(file) : std::nullopt)
                return FormatError::onLine(fileName, std::uint64_t(*line), "not UTF-8 text; save the file in UTF-8");
        }
        return fail("not well-formed XML: " + xml.errorString().toStdString());
    }
    if (root)
        return FormatError::general(fileName, "not an XLIFF file: it holds no XML element");
    return read;
}

} // namespace orvanta
