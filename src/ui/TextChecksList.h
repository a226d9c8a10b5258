#pragma once

#include <QTimer>
#include <QTreeView>

class QSortFilterProxyModel;

namespace orvanta {

class DocumentReview;

// The checks' findings for the translator to walk, one line each: row,
// check and message, in row order; a click on a column's header sorts by it
// (by check: the findings grouped by check). At first it shows the faults,
// every finding but `wider` (TextChecker::isFault), which would drown them;
// its menu shows them again ("Every warning but wider"), the findings of
// one check only ("Only spelling", "Only wider") or of every check.
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

    // Shows the faults: every finding but `wider`.
    void showFaults();
    // Shows the findings of `check` only, or of every check for none.
    void showOnly(const QString &check);

signals:
    // The translator chose the finding of record `record` (an index).
    void recordActivated(int record);

protected:
    void showEvent(QShowEvent *event) override;

private:
    class Findings;

    void refresh();
    // The menu's "Every warning but wider", "Every check" and one "Only
    // CHECK" for each check found.
    void offerChecks();

    const DocumentReview &m_review;
    Findings *m_findings = nullptr;
    QSortFilterProxyModel *m_shown = nullptr; // sorted, and filtered by check
    QTimer m_refresh;
    bool m_stale = true;
};

} // namespace orvanta
