#pragma once

#include <QTimer>
#include <QTreeView>

class QSortFilterProxyModel;

namespace orvanta {

class DocumentReview;

// The checks' findings for the translator to walk, one line each: row,
// check and message, in row order; a click on a column's header sorts by it
// (by check: the findings grouped by check), and the list's menu shows the
// findings of one check only ("Only spelling") or of every check again.
// Activating one (double click or Enter) asks to go to its row.
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
    // The menu's "Every check" and one "Only CHECK" for each check found.
    void offerChecks();
    void showOnly(const QString &check);

    const DocumentReview &m_review;
    Findings *m_findings = nullptr;
    QSortFilterProxyModel *m_shown = nullptr; // sorted, and filtered by check
    QTimer m_refresh;
    bool m_stale = true;
};

} // namespace orvanta
