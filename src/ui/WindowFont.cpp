#include "WindowFont.h"

namespace orvanta {

QFont WindowFont::regular()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

QFont WindowFont::bold()
{
    QFont font = regular();
    font.setBold(true);
    return font;
}

} // namespace orvanta
