#include "TextGrid.h"

#include "TextCellDelegate.h"
#include "document/TextTableModel.h"

#include <QAbstractProxyModel>
#include <QHeaderView>
#include <QLineEdit>

#include <algorithm>

namespace orvanta {

TextGrid::TextGrid(QAbstractItemModel *model, QWidget *parent)
    : QTableView(parent)
{
    // The headers are set up before the rows arrive, so that no row is
    // sized twice.
    verticalHeader()->hide(); // the Number column stands in for it
    verticalHeader()->setDefaultSectionSize(18);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setModel(model);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setItemDelegate(new TextCellDelegate(this));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    fitNumberColumn();
    connect(table(), &QAbstractItemModel::modelReset, this, &TextGrid::fitNumberColumn);
    connect(table(), &QAbstractItemModel::rowsInserted, this, &TextGrid::fitNumberColumn);
    connect(table(), &QAbstractItemModel::rowsRemoved, this, &TextGrid::fitNumberColumn);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed
                    | QAbstractItemView::DoubleClicked);
    setTabKeyNavigation(false);
}

bool TextGrid::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    if (!QTableView::edit(index, trigger, event))
        return false;
    // Typing replaces the text; opening the editor on purpose keeps it whole.
    if (trigger == EditKeyPressed || trigger == DoubleClicked) {
        if (auto *line = qobject_cast<QLineEdit *>(indexWidget(index))) {
            line->deselect();
            line->end(false);
        }
    }
    return true;
}

void TextGrid::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    const QModelIndex cell = currentIndex();
    switch (hint) {
    case QAbstractItemDelegate::EditNextItem:
    case QAbstractItemDelegate::EditPreviousItem:
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
        focusNextPrevChild(hint == QAbstractItemDelegate::EditNextItem);
        break;
    case QAbstractItemDelegate::SubmitModelCache: {
        // Enter in the current cell's editor; the view closes an editor the
        // same way when another row becomes current, which must stay current.
        const bool enter = indexWidget(cell) == editor;
        QTableView::closeEditor(editor, hint);
        if (const QModelIndex next = cell.siblingAtRow(cell.row() + 1); enter && next.isValid())
            setCurrentIndex(next);
        break;
    }
    default:
        QTableView::closeEditor(editor, hint);
    }
}

void TextGrid::focusInEvent(QFocusEvent *event)
{
    QTableView::focusInEvent(event);
    emit entered();
}

void TextGrid::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    fitTextColumns();
}

// The rows of the whole table, not those a filter lets through: the number
// column keeps its width while the translator filters.
const QAbstractItemModel *TextGrid::table() const
{
    if (auto *proxy = qobject_cast<const QAbstractProxyModel *>(model()))
        return proxy->sourceModel();
    return model();
}

void TextGrid::fitNumberColumn()
{
    // The widest number the table has: as many of the widest digit.
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.features |= QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::HasDecoration;
    QChar widestDigit = u'0';
    for (char16_t digit = u'1'; digit <= u'9'; ++digit) {
        if (option.fontMetrics.horizontalAdvance(QChar(digit)) > option.fontMetrics.horizontalAdvance(widestDigit))
            widestDigit = QChar(digit);
    }
    option.text = QString(QString::number(std::max(table()->rowCount(), 1)).size(), widestDigit);
    const QSize cell = style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this);
    m_numberWidth = std::max(NumberWidth, cell.width() + (showGrid() ? 1 : 0));
    setColumnWidth(TextTable::Number, m_numberWidth);
    fitTextColumns();
}

// The text columns take their default widths, less what the number column
// needs beyond its own, and share what the grid gains beyond its default.
void TextGrid::fitTextColumns()
{
    const int extra = std::max(0, width() - DefaultWidth) - (m_numberWidth - NumberWidth);
    setColumnWidth(TextTable::Source, SourceWidth + extra / 2);
    setColumnWidth(TextTable::Translation, TranslationWidth + extra - extra / 2);
}

} // namespace orvanta
