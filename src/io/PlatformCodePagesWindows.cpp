#include "PlatformCodePages.h"

#include <windows.h>

namespace orvanta {

std::array<QChar, 256> PlatformCodePages::characters(int codePage)
{
    std::array<QChar, 256> table;
    for (int b = 0; b < 256; ++b) {
        const char byte = static_cast<char>(b);
        wchar_t c = 0;
        // Windows gives a byte its code page leaves undefined the C1 control
        // of the same number (0x81 is U+0081 in 1252), where ICU has none; no
        // defined character of these code pages lies there.
        if (MultiByteToWideChar(UINT(codePage), MB_ERR_INVALID_CHARS, &byte, 1, &c, 1) != 1 || (c >= 0x80 && c <= 0x9F))
            table[b] = QChar::ReplacementCharacter;
        else
            table[b] = QChar(char16_t(c));
    }
    return table;
}

} // namespace orvanta
