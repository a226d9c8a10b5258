#include "ShownText.h"

namespace orvanta {

QString ShownText::capped(const QString &text)
{
    if (text.size() <= Limit)
        return text;
    return text.left(Limit) + QStringLiteral("... (%1 more characters)").arg(text.size() - Limit);
}

} // namespace orvanta
