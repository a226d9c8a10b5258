#include "PlatformCodePages.h"

#include <windows.h>

namespace orvanta {

std::array<QChar, 256> PlatformCodePages::characters(int codePage)
{
    std::array<QChar, 256> table;
    for (int b = 0; b < 256; ++b) {
        const char byte = static_cast<char>(b);
        wchar_t c = 0;
        if (MultiByteToWideChar(UINT(codePage), MB_ERR_INVALID_CHARS, &byte, 1, &c, 1) == 1)
            table[b] = QChar(char16_t(c));
        else
            table[b] = QChar::ReplacementCharacter;
    }
    return table;
}

} // namespace orvanta
