#include "TextChecksList.h"

#include "document/DocumentReview.h"
#include "texts/TextChecker.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QHeaderView>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSortFilterProxyModel>

namespace orvanta {

// The findings as a table: the row number shown (index + 1), the check, the
// message.
class TextChecksList::Findings : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setFindings(QList<TextFinding> findings)
    {
        beginResetModel();
        m_findings = std::move(findings);
        endResetModel();
    }
    int recordAt(int row) const { return m_findings.at(row).index; }
    const QList<TextFinding> &findings() const { return m_findings; }

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(m_findings.size()); }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : 3; }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
            return {};
        const TextFinding &finding = m_findings.at(index.row());
        switch (index.column()) {
        case 0: return finding.index + 1;
        case 1: return finding.check;
        default: return finding.message;
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        const char *const titles[] = {QT_TRANSLATE_NOOP("orvanta::TextChecksList", "Row"),
                                      QT_TRANSLATE_NOOP("orvanta::TextChecksList", "Check"),
                                      QT_TRANSLATE_NOOP("orvanta::TextChecksList", "Warning")};
        return QCoreApplication::translate("orvanta::TextChecksList", titles[section]);
    }

private:
    QList<TextFinding> m_findings;
};

TextChecksList::TextChecksList(const DocumentReview &review, QWidget *parent)
    : QTreeView(parent)
    , m_review(review)
    , m_findings(new Findings(this))
    , m_shown(new QSortFilterProxyModel(this))
{
    setObjectName(QStringLiteral("ChecksList"));
    m_shown->setSourceModel(m_findings);
    m_shown->setFilterKeyColumn(1);
    setModel(m_shown);
    showFaults();
    setSortingEnabled(true);
    sortByColumn(0, Qt::AscendingOrder);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setEditTriggers(NoEditTriggers);
    header()->setStretchLastSection(true);
    header()->resizeSection(0, 44);
    header()->resizeSection(1, 84);
    m_refresh.setSingleShot(true);
    m_refresh.setInterval(RefreshDelay);
    connect(&m_refresh, &QTimer::timeout, this, &TextChecksList::refresh);
    connect(&review, &DocumentReview::reviewed, this, [this] {
        m_stale = true;
        if (isVisible())
            m_refresh.start();
    });
    connect(this, &QAbstractItemView::activated, this,
            [this](const QModelIndex &index) { emit recordActivated(m_findings->recordAt(m_shown->mapToSource(index).row())); });
}

void TextChecksList::showEvent(QShowEvent *event)
{
    QTreeView::showEvent(event);
    if (m_stale)
        refresh();
}

// The translator keeps their place in the list: the same line stays current
// and the list where it was scrolled.
void TextChecksList::refresh()
{
    m_refresh.stop();
    m_stale = false;
    const int line = currentIndex().row();
    const int scrolled = verticalScrollBar()->value();
    m_findings->setFindings(m_review.review().allFindings());
    if (line >= 0)
        setCurrentIndex(m_shown->index(std::min(line, m_shown->rowCount() - 1), 0));
    verticalScrollBar()->setValue(scrolled);
    offerChecks();
}

void TextChecksList::offerChecks()
{
    QStringList checks;
    for (const TextFinding &finding : m_findings->findings())
        if (!checks.contains(finding.check))
            checks.append(finding.check);
    checks.sort();
    for (QAction *action : actions()) {
        removeAction(action);
        action->deleteLater();
    }
    auto *faults = new QAction(tr("Every warning but wider"), this);
    connect(faults, &QAction::triggered, this, &TextChecksList::showFaults);
    addAction(faults);
    auto *every = new QAction(tr("Every check"), this);
    connect(every, &QAction::triggered, this, [this] { showOnly(QString()); });
    addAction(every);
    for (const QString &check : std::as_const(checks)) {
        auto *only = new QAction(tr("Only %1").arg(check), this);
        connect(only, &QAction::triggered, this, [this, check] { showOnly(check); });
        addAction(only);
    }
}

void TextChecksList::showFaults()
{
    m_shown->setFilterRegularExpression(
        QRegularExpression(QStringLiteral("^(?!%1$)").arg(QRegularExpression::escape(TextChecker::Wider))));
}

void TextChecksList::showOnly(const QString &check)
{
    m_shown->setFilterRegularExpression(
        check.isEmpty() ? QRegularExpression()
                        : QRegularExpression(QLatin1Char('^') + QRegularExpression::escape(check) + QLatin1Char('$')));
}

} // namespace orvanta
