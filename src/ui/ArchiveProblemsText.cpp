#include "ArchiveProblemsText.h"

namespace orvanta {

QString ArchiveProblemsText::describe(const std::vector<FormatError> &problems)
{
    QString text = QStringLiteral("A language archive of the kit is damaged and was read only in part:\n\n");
    for (const FormatError &problem : problems)
        text += QString::fromStdString(problem.text()) + QLatin1Char('\n');
    text += QStringLiteral(
        "\nWhatever could not be read is shown from the kit's own data (source texts, standard pictures). "
        "A save now writes a new \"lang.dat\" from what you see; keep a copy of the damaged file if you need "
        "its contents.");
    return text;
}

} // namespace orvanta
