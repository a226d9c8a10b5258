#pragma once

#include "texts/ReviewMarks.h"

#include <QObject>

class QWidget;

namespace orvanta {

class DocumentReview;
class KitDocument;
class TextsNavigation;

// The grid's review actions, each one step that can be undone, shown in the
// number cell and its tooltip and saved with the texts:
// - "Needs review" (Ctrl+U) and "Done as it is" (Ctrl+Shift+U, for a
//   translation that rightly equals its source) on the selected rows: set
//   when the current row lacks the mark, taken away when it has it;
// - "Edit note..." (Ctrl+M): the current row's note for the reviewer;
// - "Use this translation for every identical source": the current row's
//   translation for every other row of the same original.
class ReviewActions : public QObject {
    Q_OBJECT

public:
    // All must outlive the actions; `page` parents their boxes.
    ReviewActions(KitDocument &document, const DocumentReview &review, const TextsNavigation &navigation,
                  QWidget *page);

public slots:
    void toggleNeedsReview();
    void toggleDone();
    void editNote();
    void useTranslationForIdenticalSources();

private:
    void changeMarks(bool ReviewMarks::Mark::*flag, QString (*describe)(bool, qsizetype));

    KitDocument &m_document;
    const DocumentReview &m_review;
    const TextsNavigation &m_navigation;
    QWidget *m_page;
};

} // namespace orvanta
