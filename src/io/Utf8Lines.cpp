#include "Utf8Lines.h"

#include <QStringDecoder>

namespace orvanta {

std::optional<qsizetype> Utf8Lines::firstBadLine(QByteArrayView file)
{
    // No UTF-8 sequence holds a CR or LF byte, so lines are checked one by one.
    qsizetype line = 1;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= file.size(); ++i) {
        const bool end = i == file.size() || file[i] == '\n' || (file[i] == '\r' && (i + 1 == file.size() || file[i + 1] != '\n'));
        if (!end)
            continue;
        QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        const QString decoded = decoder.decode(file.sliced(start, i - start));
        if (decoder.hasError())
            return line;
        ++line;
        start = i + 1;
    }
    return std::nullopt;
}

} // namespace orvanta
