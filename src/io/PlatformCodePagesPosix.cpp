#include "PlatformCodePages.h"

#include <QByteArray>
#include <QStringDecoder>

namespace orvanta {

std::array<QChar, 256> PlatformCodePages::characters(int codePage)
{
    const QByteArray name = "windows-" + QByteArray::number(codePage);
    // One byte is one character in these code pages: one decoder serves all.
    QStringDecoder decoder(name.constData());
    std::array<QChar, 256> table;
    for (int b = 0; b < 256; ++b) {
        const char byte = static_cast<char>(b);
        const QString s = decoder.decode(QByteArrayView(&byte, 1));
        table[b] = s.size() == 1 ? s[0] : QChar(QChar::ReplacementCharacter);
    }
    return table;
}

} // namespace orvanta
