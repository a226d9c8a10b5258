#include "PrintfCodes.h"

#include <algorithm>

namespace orvanta {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The length of the code at `text[i]` (a '%'), or 0 when none starts there.
qsizetype codeLength(QByteArrayView text, qsizetype i)
{
    const auto at = [&](qsizetype j) { return j < text.size() ? text[j] : '\0'; };
    qsizetype j = i + 1;
    if (at(j) == '%')
        return 2;
    while (QByteArrayView("-+#0").contains(at(j)))
        ++j;
    const auto count = [&] {
        if (at(j) == '*')
            ++j;
        else
            while (isDigit(at(j)))
                ++j;
    };
    count();
    if (at(j) == '.') {
        ++j;
        count();
    }
    if (at(j) == 'h')
        ++j;
    else if (at(j) == 'l')
        j += at(j + 1) == 'l' ? 2 : 1;
    return QByteArrayView("diusxXcf").contains(at(j)) ? j + 1 - i : 0;
}

} // namespace

QList<QByteArrayView> PrintfCodes::of(QByteArrayView text)
{
    QList<QByteArrayView> codes;
    for (qsizetype i = text.indexOf('%'); i >= 0; i = text.indexOf('%', i)) {
        const qsizetype length = codeLength(text, i);
        if (length > 0)
            codes.append(text.sliced(i, length));
        i += std::max<qsizetype>(length, 1);
    }
    return codes;
}

bool PrintfCodes::isCFormat(QByteArrayView text)
{
    bool conversion = false;
    for (qsizetype i = text.indexOf('%'); i >= 0; i = text.indexOf('%', i)) {
        const qsizetype length = codeLength(text, i);
        if (length == 0)
            return false;
        conversion = conversion || text[i + 1] != '%';
        i += length;
    }
    return conversion;
}

} // namespace orvanta
