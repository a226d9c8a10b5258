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
        return ImportReport::tr("skipped, the source text is not the kit's (the game's texts changed)");
    case Reason::NoTranslation:
        return ImportReport::tr("skipped, no translation");
    case Reason::Obsolete:
        return ImportReport::tr("skipped, obsolete entries (#~) of texts that are gone");
    case Reason::UnknownRow:
        return ImportReport::tr("skipped, no such row in the kit");
    case Reason::RepeatedRow:
        return ImportReport::tr("skipped, the row came earlier in the file");
    case Reason::SeveralRows:
        return ImportReport::tr("skipped, its source text stands in several rows and the file does not say which");
    case Reason::NotInCodePage:
        return ImportReport::tr("refused, a character code page %1 cannot hold").arg(codePage);
    case Reason::TooLong:
        return ImportReport::tr("refused, longer than %1 bytes").arg(TextFile::RecordSize);
    case Reason::Moved:
        return ImportReport::tr("imported where the source text stands now (it moved from the row the file names)");
    case Reason::NeedsReview:
        return ImportReport::tr("imported, marked needs review (fuzzy)");
    case Reason::ResetAtSave:
        return ImportReport::tr("imported, but reset to the original text at every save");
    case Reason::CarriedForReview:
        return ImportReport::tr("carried for review, the source text changed a little");
    case Reason::NewRow:
        return ImportReport::tr("new rows, left untranslated");
    case Reason::SourceGone:
        return ImportReport::tr("translations of source texts that are gone (rows of the older kit)");
    case Reason::KeptTranslated:
        return ImportReport::tr("left as they were, translated in this kit already");
    case Reason::NoteCarried:
        return ImportReport::tr("notes carried with their texts");
    case Reason::MarkCarried:
        return ImportReport::tr("needs review and done as it is marks carried with their texts");
    case Reason::Cleared:
        return ImportReport::tr("translations of other source texts taken away, left untranslated");
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
    QStringList lines{tr("%1 translations changed, %2 unchanged").arg(m_changed).arg(m_unchanged)};
    for (int r = 0; r < ReasonCount; ++r) {
        const Tally &tally = m_reasons[std::size_t(r)];
        if (tally.count == 0)
            continue;
        const QString listed = tally.rows.join(QStringLiteral(", "));
        QString rows = tally.count == 1 ? tr("row %1").arg(listed) : tr("rows %1", nullptr, tally.count).arg(listed);
        if (tally.count > tally.rows.size()) {
            const int more = int(tally.count - tally.rows.size());
            rows += tr(" and %1 more", nullptr, more).arg(more);
        }
        lines.append(QStringLiteral("%1: %2 (%3)").arg(describe(Reason(r), codePage)).arg(tally.count).arg(rows));
    }
    return lines;
}

} // namespace orvanta
