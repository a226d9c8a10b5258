#include "TmxFile.h"

#include "XmlText.h"

#include <QHash>
#include <QSet>
#include <QXmlStreamWriter>

#include <utility>
#include <vector>

namespace orvanta {

namespace {

const QString XmlNamespace = QStringLiteral("http://www.w3.org/XML/1998/namespace");

void writeVariant(QXmlStreamWriter &xml, const QString &language, QStringView text)
{
    xml.writeStartElement(QStringLiteral("tuv"));
    xml.writeAttribute(XmlNamespace, QStringLiteral("lang"), language);
    XmlText::writeElement(xml, QStringLiteral("seg"), text);
    xml.writeEndElement();
}

void writeProperty(QXmlStreamWriter &xml, const QString &type, QStringView text)
{
    xml.writeStartElement(QStringLiteral("prop"));
    xml.writeAttribute(QStringLiteral("type"), type);
    XmlText::write(xml, text);
    xml.writeEndElement();
}

// A text as OmegaT segments it: the white space at its ends kept apart.
struct Segmented {
    QStringView before, text, after;
};

Segmented segmented(QStringView whole)
{
    qsizetype start = 0;
    qsizetype end = whole.size();
    while (start < end && whole[start].isSpace())
        ++start;
    while (end > start && whole[end - 1].isSpace())
        --end;
    return {whole.first(start), whole.sliced(start, end - start), whole.sliced(end)};
}

// A row's tu: its source and translation, without the white space at their
// ends where both have the same there, as OmegaT matches them.
std::pair<QStringView, QStringView> unitTexts(const ExchangeEntry &entry)
{
    const Segmented source = segmented(entry.source);
    const Segmented translation = segmented(entry.translation);
    if (!source.text.isEmpty() && !translation.text.isEmpty() && source.before == translation.before
        && source.after == translation.after)
        return {source.text, translation.text};
    return {entry.source, entry.translation};
}

// The text of the segment OmegaT makes of the row's unit in the XLIFF for
// it; empty for a unit it does not translate.
QStringView segmentOf(const ExchangeEntry &entry)
{
    return entry.fixed ? QStringView() : segmented(entry.source).text;
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
    // The sources translated differently in several rows.
    QHash<QStringView, QStringView> translations;
    QSet<QStringView> severalTranslations;
    for (const ExchangeEntry &entry : entries) {
        if (!entry.translated || entry.source.isEmpty())
            continue;
        const auto [source, translation] = unitTexts(entry);
        const auto known = translations.constFind(source);
        if (known == translations.cend())
            translations.insert(source, translation);
        else if (*known != translation)
            severalTranslations.insert(source);
    }
    // The entries of the nearest segments before and after each row, -1 for none.
    const qsizetype count = entries.size();
    std::vector<qsizetype> previous(std::size_t(count), -1);
    std::vector<qsizetype> following(std::size_t(count), -1);
    for (qsizetype i = 1; i < count; ++i) {
        previous[std::size_t(i)] = segmentOf(entries[i - 1]).isEmpty() ? previous[std::size_t(i - 1)] : i - 1;
        const qsizetype back = count - 1 - i;
        following[std::size_t(back)] = segmentOf(entries[back + 1]).isEmpty() ? following[std::size_t(back + 1)] : back + 1;
    }
    // A neighbour the tu names, by its segment's text.
    const auto writeNeighbour = [&](const QString &type, qsizetype neighbour) -> Status {
        if (neighbour < 0)
            return Done{};
        const ExchangeEntry &entry = entries[neighbour];
        if (Status writable = XmlText::writable(fileName, entry, {&entry.source}, QStringLiteral("TMX")); !writable)
            return writable;
        writeProperty(xml, type, segmentOf(entry));
        return Done{};
    };

    xml.writeStartElement(QStringLiteral("body"));
    for (qsizetype i = 0; i < count; ++i) {
        const ExchangeEntry &entry = entries[i];
        if (!entry.translated || entry.source.isEmpty())
            continue;
        if (Status writable = XmlText::writable(fileName, entry, {&entry.source, &entry.translation},
                                                QStringLiteral("TMX"));
            !writable)
            return writable.error();
        const auto [source, translation] = unitTexts(entry);
        xml.writeStartElement(QStringLiteral("tu"));
        xml.writeAttribute(QStringLiteral("tuid"), entry.row);
        xml.writeAttribute(XmlNamespace, QStringLiteral("space"), QStringLiteral("preserve"));
        if (severalTranslations.contains(source)) {
            writeProperty(xml, QStringLiteral("file"), header.segmentsFile);
            if (Status written = writeNeighbour(QStringLiteral("prev"), previous[std::size_t(i)]); !written)
                return written.error();
            if (Status written = writeNeighbour(QStringLiteral("next"), following[std::size_t(i)]); !written)
                return written.error();
        }
        writeVariant(xml, header.sourceLanguage, source);
        writeVariant(xml, language, translation);
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    return out;
}

} // namespace orvanta
