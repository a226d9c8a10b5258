#include "ArchiveProblemsText.h"

namespace orvanta {

QString ArchiveProblemsText::describe(const std::vector<FormatError> &problems)
{
    QString text = QStringLiteral("A language archive of the kit is damaged and was read only in part:\n\n");
    // A badly damaged archive can have a problem in every record: list the
    // first few, so the message stays readable.
    constexpr std::size_t Listed = 10;
    for (std::size_t i = 0; i < problems.size() && i < Listed; ++i)
        text += QString::fromStdString(problems[i].text()) + QLatin1Char('\n');
    if (problems.size() > Listed)
        text += QStringLiteral("... and %1 more problems of the same kind\n").arg(problems.size() - Listed);
    text += QStringLiteral(
        "\nWhatever could not be read is shown from the kit's own data (source texts, standard pictures). "
        "A save now writes a new \"lang.dat\" from what you see; keep a copy of the damaged file if you need "
        "its contents.");
    return text;
}

} // namespace orvanta
