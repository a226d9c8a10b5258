#include "CodePage.h"

#include "io/PlatformCodePages.h"

#include <QCoreApplication>

namespace orvanta {

namespace {

constexpr char16_t StandIn = 0xF700;
const QList<int> Supported{874, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258};

} // namespace

CodePage::CodePage(int number)
    : m_number(isSupported(number) ? number : 1252)
{
    const std::array<QChar, 256> system = PlatformCodePages::characters(m_number);
    for (int b = 0; b < 256; ++b) {
        char16_t c = system[b] != QChar::ReplacementCharacter ? system[b].unicode() : char16_t(StandIn + b);
        if (m_bytes.contains(c))
            c = char16_t(StandIn + b);
        m_chars[b] = QChar(c);
        m_bytes.insert(c, static_cast<unsigned char>(b));
    }
}

bool CodePage::defines(unsigned char byte) const
{
    return m_chars[byte].unicode() != char16_t(StandIn + byte);
}

int CodePage::defaultFor(const QLocale &locale)
{
    const QLocale::Script script = locale.script();
    switch (locale.language()) {
    case QLocale::Czech: case QLocale::Polish: case QLocale::Slovak: case QLocale::Hungarian:
    case QLocale::Slovenian: case QLocale::Croatian: case QLocale::Romanian: case QLocale::Albanian:
    case QLocale::LowerSorbian: case QLocale::UpperSorbian:
        return 1250;
    case QLocale::Bosnian: case QLocale::Serbian:
        return script == QLocale::CyrillicScript ? 1251 : 1250;
    case QLocale::Russian: case QLocale::Ukrainian: case QLocale::Belarusian: case QLocale::Bulgarian:
    case QLocale::Macedonian: case QLocale::Kazakh: case QLocale::Kyrgyz: case QLocale::Tatar:
    case QLocale::Mongolian: case QLocale::Bashkir: case QLocale::Tajik:
        return 1251;
    case QLocale::Azerbaijani: case QLocale::Uzbek:
        return script == QLocale::CyrillicScript ? 1251 : 1254;
    case QLocale::Greek:
        return 1253;
    case QLocale::Turkish:
        return 1254;
    case QLocale::Hebrew: case QLocale::Yiddish:
        return 1255;
    case QLocale::Arabic: case QLocale::Persian: case QLocale::Urdu: case QLocale::Pashto: case QLocale::Uyghur:
    case QLocale::Sindhi:
        return 1256;
    case QLocale::Estonian: case QLocale::Latvian: case QLocale::Lithuanian:
        return 1257;
    case QLocale::Vietnamese:
        return 1258;
    case QLocale::Thai:
        return 874;
    default:
        return 1252;
    }
}

QList<int> CodePage::supported()
{
    return Supported;
}

bool CodePage::isSupported(int number)
{
    return Supported.contains(number);
}

QString CodePage::describe(int number)
{
    static const QHash<int, const char *> names{
        {874, QT_TRANSLATE_NOOP("orvanta::CodePage", "Thai")},
        {1250, QT_TRANSLATE_NOOP("orvanta::CodePage", "Central European")},
        {1251, QT_TRANSLATE_NOOP("orvanta::CodePage", "Cyrillic")},
        {1252, QT_TRANSLATE_NOOP("orvanta::CodePage", "Western European")},
        {1253, QT_TRANSLATE_NOOP("orvanta::CodePage", "Greek")},
        {1254, QT_TRANSLATE_NOOP("orvanta::CodePage", "Turkish")},
        {1255, QT_TRANSLATE_NOOP("orvanta::CodePage", "Hebrew")},
        {1256, QT_TRANSLATE_NOOP("orvanta::CodePage", "Arabic")},
        {1257, QT_TRANSLATE_NOOP("orvanta::CodePage", "Baltic")},
        {1258, QT_TRANSLATE_NOOP("orvanta::CodePage", "Vietnamese")},
    };
    const char *name = names.value(number, "");
    return QString::number(number) + QLatin1Char(' ') + QCoreApplication::translate("orvanta::CodePage", name);
}

QString CodePage::decode(QByteArrayView bytes) const
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (char b : bytes)
        *out++ = m_chars[static_cast<unsigned char>(b)];
    return text;
}

std::optional<QByteArray> CodePage::encode(const QString &text, qsizetype *bad) const
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        // Most characters are ASCII, and every code page keeps ASCII where it is.
        if (const char16_t c = text[i].unicode(); c < 0x80 && m_chars[c].unicode() == c) {
            bytes.append(char(c));
            continue;
        }
        const auto it = m_bytes.constFind(text[i].unicode());
        if (it == m_bytes.constEnd()) {
            if (bad)
                *bad = i;
            return std::nullopt;
        }
        bytes.append(static_cast<char>(*it));
    }
    return bytes;
}

} // namespace orvanta
