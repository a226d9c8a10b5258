#pragma once

#include "ExchangeEntry.h"
#include "core/Result.h"

#include <QString>
#include <QStringView>

#include <initializer_list>
#include <string>

class QXmlStreamWriter;

namespace orvanta {

// Texts in the XML files the kit writes (XLIFF, TMX): what XML 1.0 cannot
// carry, and text content written so that a reader gives it back as it was.
class XmlText {
public:
    // The first character of `text` that XML 1.0 cannot carry (a control
    // character other than tab and line breaks, an unpaired surrogate,
    // U+FFFE, U+FFFF), or -1.
    static qsizetype firstUnwritable(QStringView text);
    // Done when `texts` of `entry` can stand in a file of `format` ("XLIFF");
    // else an error naming `fileName`, the entry's row and the character.
    static Status writable(const std::string &fileName, const ExchangeEntry &entry,
                           std::initializer_list<const QString *> texts, const QString &format);

    // Text content; a CR as "&#13;", which a reader gives back as a CR (a
    // raw one would become a line feed).
    static void write(QXmlStreamWriter &xml, QStringView text);
    // An element `name` holding `text`.
    static void writeElement(QXmlStreamWriter &xml, const QString &name, QStringView text);
};

} // namespace orvanta
