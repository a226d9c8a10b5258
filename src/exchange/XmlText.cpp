#include "XmlText.h"

#include <QXmlStreamWriter>

namespace orvanta {

qsizetype XmlText::firstUnwritable(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if ((c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r') || c == 0xFFFE || c == 0xFFFF)
            return i;
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            return i;
    }
    return -1;
}

Status XmlText::writable(const std::string &fileName, const ExchangeEntry &entry,
                         std::initializer_list<const QString *> texts, const QString &format)
{
    for (const QString *text : texts) {
        if (const qsizetype bad = firstUnwritable(*text); bad >= 0)
            return FormatError::inRow(fileName, std::uint64_t(entry.row.toULongLong()),
                                      QStringLiteral("the character U+%1 cannot stand in %2; export as PO or CSV")
                                          .arg(QString::number(text->at(bad).unicode(), 16).toUpper(), 4,
                                               QLatin1Char('0'))
                                          .arg(format)
                                          .toStdString());
    }
    return Done{};
}

void XmlText::write(QXmlStreamWriter &xml, QStringView text)
{
    qsizetype from = 0;
    for (qsizetype cr = text.indexOf(u'\r'); cr >= 0; cr = text.indexOf(u'\r', from)) {
        xml.writeCharacters(text.sliced(from, cr - from).toString());
        xml.writeEntityReference(QStringLiteral("#13"));
        from = cr + 1;
    }
    xml.writeCharacters(text.sliced(from).toString());
}

void XmlText::writeElement(QXmlStreamWriter &xml, const QString &name, QStringView text)
{
    xml.writeStartElement(name);
    write(xml, text);
    xml.writeEndElement();
}

} // namespace orvanta
