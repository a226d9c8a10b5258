#include "ImportReport.h"

#include "io/ShownText.h"
#include "texts/TextFile.h"

namespace orvanta {

namespace {

QString describe(ImportReport::Reason reason, int codePage)
{
    using Reason = ImportReport::Reason;
    switch (reason) {
    case Reason::SourceChanged:
        return QStringLiteral("skipped, the source text is not the kit's (the game's texts changed)");
    case Reason::NoTranslation:
        return QStringLiteral("skipped, no translation");
    case Reason::Obsolete:
        return QStringLiteral("skipped, obsolete entries (#~) of texts that are gone");
    case Reason::UnknownRow:
        return QStringLiteral("skipped, no such row in the kit");
    case Reason::RepeatedRow:
        return QStringLiteral("skipped, the row came earlier in the file");
    case Reason::SeveralRows:
        return QStringLiteral("skipped, its source text stands in several rows and the file does not say which");
    case Reason::NotInCodePage:
        return QStringLiteral("refused, a character code page %1 cannot hold").arg(codePage);
    case Reason::TooLong:
        return QStringLiteral("refused, longer than %1 bytes").arg(TextFile::RecordSize);
    case Reason::Moved:
        return QStringLiteral("imported where the source text stands now (it moved from the row the file names)");
    case Reason::NeedsReview:
        return QStringLiteral("imported, marked needs review (fuzzy)");
    case Reason::ResetAtSave:
        return QStringLiteral("imported, but reset to the original text at every save");
    case Reason::CarriedForReview:
        return QStringLiteral("carried for review, the source text changed a little");
    case Reason::NewRow:
        return QStringLiteral("new rows, left untranslated");
    case Reason::SourceGone:
        return QStringLiteral("translations of source texts that are gone (rows of the older kit)");
    case Reason::KeptTranslated:
        return QStringLiteral("left as they were, translated in this kit already");
    }
    return {};
}

} // namespace

void ImportReport::add(Reason reason, const QString &where)
{
    Tally &tally = m_reasons[std::size_t(reason)];
    if (tally.count++ < RowsKept)
        tally.rows.append(ShownText::capped(where));
}

QStringList ImportReport::lines(int codePage) const
{
    QStringList lines{QStringLiteral("%1 translations changed, %2 unchanged").arg(m_changed).arg(m_unchanged)};
    for (int r = 0; r < ReasonCount; ++r) {
        const Tally &tally = m_reasons[std::size_t(r)];
        if (tally.count == 0)
            continue;
        QString rows = (tally.count == 1 ? QStringLiteral("row ") : QStringLiteral("rows ")) + tally.rows.join(QStringLiteral(", "));
        if (tally.count > tally.rows.size())
            rows += QStringLiteral(" and %1 more").arg(tally.count - tally.rows.size());
        lines.append(QStringLiteral("%1: %2 (%3)").arg(describe(Reason(r), codePage)).arg(tally.count).arg(rows));
    }
    return lines;
}

} // namespace orvanta
