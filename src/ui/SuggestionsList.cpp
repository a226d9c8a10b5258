#include "SuggestionsList.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace orvanta {

SuggestionsList::SuggestionsList(QWidget *parent)
    : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("SuggestionsList"));
    setColumnCount(3);
    setHeaderLabels({QStringLiteral("%"), QStringLiteral("Suggestion"), QStringLiteral("From")});
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    header()->setStretchLastSection(true);
    setToolTip(QStringLiteral("Translations of identical and similar originals. Double-click or Enter takes "
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
        auto *item = new QTreeWidgetItem({QString::number(suggestion.percent) + QLatin1Char('%'),
                                          suggestion.translation, suggestion.origin});
        item->setToolTip(1, suggestion.source);
        items.append(item);
    }
    addTopLevelItems(items);
    if (!items.isEmpty())
        setCurrentItem(items.front());
    resizeColumnToContents(0);
}

} // namespace orvanta
