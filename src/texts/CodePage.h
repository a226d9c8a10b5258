#pragma once

#include <QByteArray>
#include <QChar>
#include <QHash>
#include <QList>
#include <QLocale>
#include <QString>

#include <array>
#include <optional>

namespace orvanta {

// A Windows single-byte code page: how the kit shows and edits the bytes of
// the game's texts, and which character each of the 256 glyph codes draws.
// Every byte maps to exactly one character and back, so texts survive a
// load and save unchanged; a byte the code page leaves undefined is shown as
// a private-use stand-in (U+F700 + byte) that encodes back to that byte.
class CodePage {
public:
    // Windows-`number`; an unknown number gives Windows-1252.
    explicit CodePage(int number = 1252);

    // The ANSI code page Windows would choose for `locale`'s language.
    static int defaultFor(const QLocale &locale);
    static int localeDefault() { return defaultFor(QLocale::system()); }

    // The code pages offered to the translator, in ascending order.
    static QList<int> supported();
    static bool isSupported(int number);
    // "1251 Cyrillic", as the selector lists it; the name in the language
    // of the installed translations.
    static QString describe(int number);

    int number() const { return m_number; }

    QChar character(unsigned char byte) const { return m_chars[byte]; }
    // Whether the code page gives `byte` a character of its own (not a stand-in).
    bool defines(unsigned char byte) const;
    QString decode(QByteArrayView bytes) const;

    // The bytes for `text`, or nothing when a character has no byte in this
    // code page; then `*bad` (if given) is the index of the first such one.
    std::optional<QByteArray> encode(const QString &text, qsizetype *bad = nullptr) const;

private:
    int m_number = 1252;
    std::array<QChar, 256> m_chars{};
    QHash<char16_t, unsigned char> m_bytes;
};

} // namespace orvanta
