#include "Utf8Lines.h"

#include "ByteLines.h"

#include <QStringDecoder>

namespace orvanta {

std::optional<qsizetype> Utf8Lines::firstBadLine(QIODevice &file)
{
    // No UTF-8 sequence holds a CR or LF byte, so lines are checked one by one.
    ByteLines lines(file, ByteLines::Ends::AnyBreak);
    QByteArrayView line;
    for (qsizetype number = 1; lines.next(line); ++number) {
        QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        const QString decoded = decoder.decode(line.chopped(ByteLines::endLength(line)));
        if (decoder.hasError())
            return number;
    }
    return std::nullopt;
}

} // namespace orvanta
