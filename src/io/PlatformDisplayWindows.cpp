#include "PlatformDisplay.h"

#include <QByteArray>
#include <QtGlobal>

namespace orvanta {

void PlatformDisplay::chooseWindowPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("windows:fontengine=freetype"));
}

} // namespace orvanta
