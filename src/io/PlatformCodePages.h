#pragma once

#include <QChar>

#include <array>

namespace orvanta {

// The characters of the Windows single-byte code pages (874, 1250 to 1258),
// from the system's own conversion tables: Qt's (ICU's) on Linux, Windows'
// own on Windows, whose Qt converts no code pages of its own.
// PlatformCodePagesPosix.cpp and PlatformCodePagesWindows.cpp hold the two
// forms; the build takes the system's own.
class PlatformCodePages {
public:
    // The character that each byte stands for in Windows-`codePage`,
    // indexed by the byte; QChar::ReplacementCharacter where the code page
    // leaves the byte undefined (every byte where the system has no such
    // code page).
    static std::array<QChar, 256> characters(int codePage);
};

} // namespace orvanta
