#include "SaveFailureText.h"

namespace orvanta {

QString SaveFailureText::describe(const FormatError &error)
{
    return QStringLiteral("\"lang.dat\" was not saved:\n\n%1\n\nThe previous \"lang.dat\" is unchanged.")
        .arg(QString::fromStdString(error.text()));
}

QString SaveFailureText::unsavedWorkQuestion()
{
    return QStringLiteral("Some of your work is not saved in \"lang.dat\" yet.\n\n"
                          "Close the kit and discard it?");
}

} // namespace orvanta
