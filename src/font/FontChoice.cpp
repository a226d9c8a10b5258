#include "FontChoice.h"

#include <QFontInfo>

namespace orvanta {

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
    const int points = font.pointSize() > 0 ? font.pointSize() : qRound(font.pixelSize() * 72.0 / 96.0);
    QString text = font.family() + QLatin1Char(',') + QString::number(points) + QLatin1Char(',');
    if (font.bold())
        text += QLatin1String("bold,");
    if (font.italic())
        text += QLatin1String("italic,");
    if (font.underline())
        text += QLatin1String("underline,");
    if (font.strikeOut())
        text += QLatin1String("strikeout,");
    return text;
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
