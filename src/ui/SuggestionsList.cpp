#include "SuggestionsList.h"

#include "TextsMessages.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QStyledItemDelegate>

namespace orvanta {

namespace {

// A tree view asks its delegate for a row's height without the column's
// width, so a wrapped text would get one line: this one measures within it.
class WrappingDelegate : public QStyledItemDelegate {
public:
    explicit WrappingDelegate(QTreeView *view) : QStyledItemDelegate(view), m_view(view) {}

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem within = option;
        within.rect = QRect(0, 0, m_view->columnWidth(index.column()), QWIDGETSIZE_MAX);
        return QStyledItemDelegate::sizeHint(within, index);
    }

private:
    QTreeView *m_view;
};

} // namespace

SuggestionsList::SuggestionsList(QWidget *parent)
    : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("SuggestionsList"));
    setColumnCount(3);
    setHeaderLabels({QStringLiteral("%"), tr("Suggestion"), tr("From")});
    setRootIsDecorated(false);
    // The suggestion takes the room and wraps, never cut short.
    setWordWrap(true);
    setItemDelegate(new WrappingDelegate(this));
    setTextElideMode(Qt::ElideNone);
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    header()->setSectionResizeMode(1, QHeaderView::Stretch);
    header()->setSectionResizeMode(2, QHeaderView::Interactive);
    // The rows' heights follow the suggestion column's width.
    connect(header(), &QHeaderView::sectionResized, this, [this](int column) {
        if (column == 1)
            scheduleDelayedItemsLayout();
    });
    setToolTip(tr("Translations of identical and similar originals. Double-click or Enter takes "
                   "one, Alt+1 to Alt+9 the first nine."));
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex &index) { emit taken(index.row()); });
}

void SuggestionsList::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentIndex().isValid()) {
        emit taken(currentIndex().row());
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void SuggestionsList::showSuggestions(const QList<KitSuggestions::Suggestion> &suggestions)
{
    clear();
    QList<QTreeWidgetItem *> items;
    for (const KitSuggestions::Suggestion &suggestion : suggestions) {
        auto *item = new QTreeWidgetItem({TextsMessages::suggestionScore(suggestion.percent, suggestion.fuzzy),
                                          suggestion.translation, suggestion.origin});
        item->setToolTip(0, suggestion.fuzzy ? TextsMessages::fuzzySuggestionTip() : QString());
        item->setToolTip(1, suggestion.translation);
        item->setToolTip(2, TextsMessages::suggestionOriginal(suggestion.source));
        items.append(item);
    }
    addTopLevelItems(items);
    if (!items.isEmpty())
        setCurrentItem(items.front());
}

} // namespace orvanta
