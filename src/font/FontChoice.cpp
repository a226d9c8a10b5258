#include "FontChoice.h"

#include <QFontInfo>

#include <utility>

namespace orvanta {

namespace {

int points(const QFont &font)
{
    return font.pointSize() > 0 ? font.pointSize() : qRound(font.pixelSize() * 72.0 / 96.0);
}

// The size and the style words of `font`, each after `separator`, in the
// order the kit names them.
QString sizeAndStyles(const QFont &font, QChar separator)
{
    QString text = separator + QString::number(points(font));
    const std::pair<bool, const char *> styles[] = {
        {font.bold(), "bold"}, {font.italic(), "italic"}, {font.underline(), "underline"}, {font.strikeOut(), "strikeout"}};
    for (const auto &[on, style] : styles) {
        if (on)
            text += separator + QLatin1String(style);
    }
    return text;
}

} // namespace

QFont FontChoice::defaultFont()
{
    QFont font;
    font.setPointSize(8);
    font.setBold(false);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    font.setFamily(QStringLiteral("Arial"));
    return font;
}

QString FontChoice::DescribeGlyphFont(const QFont &font)
{
    return font.family() + sizeAndStyles(font, QLatin1Char(',')) + QLatin1Char(',');
}

QString FontChoice::fontName(const QFont &font)
{
    return font.family() + sizeAndStyles(font, QLatin1Char(' '));
}

int FontChoice::pixelHeight(const QFont &font)
{
    if (font.pointSizeF() <= 0)
        return font.pixelSize();
    return qRound(font.pointSizeF() * 96.0 / 72.0);
}

QFont FontChoice::captureFont(const QFont &font)
{
    QFont capture(font);
    capture.setPixelSize(pixelHeight(font));
    capture.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::NoAntialias));
    capture.setHintingPreference(QFont::PreferFullHinting);
    return capture;
}

std::optional<QString> FontChoice::servingFamily(const QFont &font)
{
    const QString served = QFontInfo(font).family();
    if (served.compare(font.family(), Qt::CaseInsensitive) == 0)
        return served;
    QFont unknown(font);
    unknown.setFamily(QStringLiteral("Orvanta No Such Family"));
    if (QFontInfo(unknown).family() == served)
        return std::nullopt;
    return served;
}

QFont FontChoice::fontForDialog(const QFont &glyphFont)
{
    QFont font(glyphFont);
    if (const auto served = servingFamily(glyphFont))
        font.setFamily(*served);
    return font;
}

QFont FontChoice::chosenFont(const QFont &glyphFont, const QFont &selected)
{
    QFont font(selected);
    if (selected.family() == servingFamily(glyphFont))
        font.setFamily(glyphFont.family());
    return font;
}

} // namespace orvanta
