#include "ReviewActions.h"

#include "TextsMessages.h"
#include "TextsNavigation.h"
#include "document/DocumentReview.h"
#include "document/KitDocument.h"

#include <QApplication>
#include <QWidget>

namespace orvanta {

ReviewActions::ReviewActions(KitDocument &document, const DocumentReview &review, const TextsNavigation &navigation,
                             QWidget *page)
    : QObject(page)
    , m_document(document)
    , m_review(review)
    , m_navigation(navigation)
    , m_page(page)
{
}

// Sets or takes away the marks' `flag` on the selected rows, as one step
// named by `describe`: it sets it when the current row lacks it.
void ReviewActions::changeMarks(bool ReviewMarks::Mark::*flag, QString (*describe)(bool, qsizetype))
{
    const QList<int> records = m_navigation.selectedRecords();
    if (records.isEmpty())
        return;
    const bool on = !(m_document.marks().mark(m_navigation.currentRecord()).*flag);
    QList<ReviewMarks::Change> changes;
    for (const int record : records) {
        ReviewMarks::Mark mark = m_document.marks().mark(record);
        mark.*flag = on;
        changes.append({record, mark});
    }
    m_document.setMarks(changes, describe(on, records.size()));
}

void ReviewActions::toggleNeedsReview()
{
    changeMarks(&ReviewMarks::Mark::needsReview, &TextsMessages::markDescription);
}

void ReviewActions::toggleDone()
{
    changeMarks(&ReviewMarks::Mark::done, &TextsMessages::doneDescription);
}

void ReviewActions::editNote()
{
    const int record = m_navigation.currentRecord();
    if (record >= m_document.texts().rowCount())
        return;
    ReviewMarks::Mark mark = m_document.marks().mark(record);
    const auto note = TextsMessages::askNote(m_page, record + 1, mark.note);
    if (!note)
        return;
    mark.note = *note;
    m_document.setMarks({{record, mark}}, TextsMessages::noteDescription(record + 1));
}

void ReviewActions::useTranslationForIdenticalSources()
{
    const int record = m_navigation.currentRowNumber() - 1;
    const auto changes = m_review.review().consistency().useTranslationForSameSource(m_document.texts(), record);
    if (changes.isEmpty())
        QApplication::beep();
    m_document.applyTranslations(changes, TextsMessages::sameTranslationDescription(record + 1));
}

} // namespace orvanta
