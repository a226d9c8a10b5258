#pragma once

#include <QTimer>
#include <QTreeView>

namespace orvanta {

class DocumentReview;

// The checks' findings for the translator to walk, one line each: row,
// check and message, in row order. Activating one (double click or Enter)
// asks to go to its row.
//
// The list follows the review: while shown, a little after the last change
// (typing changes the findings of one row per keystroke, and the list is
// not redone for each); while hidden, when it is shown again.
class TextChecksList : public QTreeView {
    Q_OBJECT

public:
    // How long the list waits for the typing to pause, in milliseconds.
    static constexpr int RefreshDelay = 250;

    // The review must outlive the list.
    explicit TextChecksList(const DocumentReview &review, QWidget *parent = nullptr);

signals:
    // The translator chose the finding of record `record` (an index).
    void recordActivated(int record);

protected:
    void showEvent(QShowEvent *event) override;

private:
    class Findings;

    void refresh();

    const DocumentReview &m_review;
    Findings *m_findings = nullptr;
    QTimer m_refresh;
    bool m_stale = true;
};

} // namespace orvanta
