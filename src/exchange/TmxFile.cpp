#include "TmxFile.h"

#include "XmlText.h"

#include <QXmlStreamWriter>

namespace orvanta {

namespace {

const QString XmlNamespace = QStringLiteral("http://www.w3.org/XML/1998/namespace");

void writeVariant(QXmlStreamWriter &xml, const QString &language, const QString &text)
{
    xml.writeStartElement(QStringLiteral("tuv"));
    xml.writeAttribute(XmlNamespace, QStringLiteral("lang"), language);
    XmlText::writeElement(xml, QStringLiteral("seg"), text);
    xml.writeEndElement();
}

} // namespace

Result<QByteArray> TmxFile::write(const QList<ExchangeEntry> &entries, const Header &header,
                                  const std::string &fileName)
{
    if (header.language.isEmpty())
        return FormatError::general(fileName, "a TMX names the translation's language, and the kit does not know "
                                              "it: name it as language in group [texts] of orvanta-kit.ini, or "
                                              "give kvtool texts export --language LL");
    // TMX writes language codes with a hyphen: "pt-BR".
    const QString language = QString(header.language).replace(QLatin1Char('_'), QLatin1Char('-'));
    QByteArray out;
    out.reserve(512 + entries.size() * 200);
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(1);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("tmx"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.4"));
    xml.writeEmptyElement(QStringLiteral("header"));
    xml.writeAttribute(QStringLiteral("creationtool"), QStringLiteral("Orvanta Localization Kit"));
    xml.writeAttribute(QStringLiteral("creationtoolversion"), QString::fromLatin1(ORVANTA_VERSION));
    xml.writeAttribute(QStringLiteral("segtype"), QStringLiteral("block"));
    xml.writeAttribute(QStringLiteral("o-tmf"), QStringLiteral("orvanta-kit"));
    xml.writeAttribute(QStringLiteral("adminlang"), QStringLiteral("en"));
    xml.writeAttribute(QStringLiteral("srclang"), header.sourceLanguage);
    xml.writeAttribute(QStringLiteral("datatype"), QStringLiteral("plaintext"));
    if (header.created.isValid())
        xml.writeAttribute(QStringLiteral("creationdate"),
                           header.created.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")));
    xml.writeStartElement(QStringLiteral("body"));
    for (const ExchangeEntry &entry : entries) {
        if (!entry.translated || entry.source.isEmpty())
            continue;
        if (Status writable = XmlText::writable(fileName, entry, {&entry.source, &entry.translation},
                                                QStringLiteral("TMX"));
            !writable)
            return writable.error();
        xml.writeStartElement(QStringLiteral("tu"));
        xml.writeAttribute(QStringLiteral("tuid"), entry.row);
        xml.writeAttribute(XmlNamespace, QStringLiteral("space"), QStringLiteral("preserve"));
        writeVariant(xml, header.sourceLanguage, entry.source);
        writeVariant(xml, language, entry.translation);
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    return out;
}

} // namespace orvanta
