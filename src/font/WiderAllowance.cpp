#include "WiderAllowance.h"

#include <QRegularExpression>

namespace orvanta {

int WiderAllowance::allowedWidth(int originalWidth) const
{
    return originalWidth + (unit == Unit::Pixels ? amount : int(qint64(originalWidth) * amount / 100));
}

QString WiderAllowance::text() const
{
    return QString::number(amount) + (unit == Unit::Pixels ? QStringLiteral("px") : QStringLiteral("%"));
}

std::optional<WiderAllowance> WiderAllowance::fromText(const QString &text)
{
    static const QRegularExpression Pattern(QStringLiteral("^\\s*(\\d{1,4})\\s*(px|%)\\s*$"));
    const QRegularExpressionMatch match = Pattern.match(text);
    if (!match.hasMatch() || match.captured(1).toInt() > Most)
        return std::nullopt;
    return WiderAllowance{match.captured(1).toInt(),
                          match.captured(2) == QLatin1String("px") ? Unit::Pixels : Unit::Percent};
}

} // namespace orvanta
