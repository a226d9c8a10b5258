#include "TextsNavigation.h"

#include "Controls.h"
#include "TextGrid.h"
#include "TextGridModel.h"
#include "TextsMessages.h"
#include "document/DocumentReview.h"
#include "document/TextTableModel.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace orvanta {

namespace {

using Filter = TextReview::Filter;

// The filter choices, in the order the selector lists them.
const std::pair<const char *, Filter> Filters[] = {
    {QT_TRANSLATE_NOOP("orvanta::TextsNavigation", "All"), Filter::All},
    {QT_TRANSLATE_NOOP("orvanta::TextsNavigation", "Untranslated"), Filter::Untranslated},
    {QT_TRANSLATE_NOOP("orvanta::TextsNavigation", "Translated"), Filter::Translated},
    {QT_TRANSLATE_NOOP("orvanta::TextsNavigation", "Needs review"), Filter::NeedsReview},
    {QT_TRANSLATE_NOOP("orvanta::TextsNavigation", "With warnings"), Filter::WithWarnings},
    {QT_TRANSLATE_NOOP("orvanta::TextsNavigation", "Drawn wider"), Filter::Wider},
    {QT_TRANSLATE_NOOP("orvanta::TextsNavigation", "With notes"), Filter::WithNotes},
    {QT_TRANSLATE_NOOP("orvanta::TextsNavigation", "Fixed"), Filter::Fixed},
};

} // namespace

TextsNavigation::TextsNavigation(const DocumentReview &review, TextGridModel &shown, TextGrid &grid, QWidget *page)
    : QObject(page)
    , m_review(review)
    , m_shown(shown)
    , m_grid(grid)
    , m_page(page)
{
    m_search = Controls::named(new QLineEdit, "SearchField");
    m_search->setPlaceholderText(tr("Search texts (Ctrl+F)"));
    m_search->setToolTip(tr("Shows the rows whose original or translation holds this text. Enter: "
                            "translate the first row shown. Escape: show every row again."));
    m_search->installEventFilter(this);
    m_filter = Controls::named(new QComboBox, "FilterComboBox");
    for (const auto &[caption, filter] : Filters)
        m_filter->addItem(tr(caption), int(filter));
    m_filter->setToolTip(tr("Which rows the grid shows"));

    connect(m_search, &QLineEdit::textChanged, &m_shown, &TextFilterModel::setSearchText);
    connect(m_filter, &QComboBox::currentIndexChanged, this,
            [this] { m_shown.setRowFilter(Filter(m_filter->currentData().toInt())); });
}

int TextsNavigation::recordCount() const
{
    return m_shown.sourceModel()->rowCount();
}

int TextsNavigation::currentRowNumber() const
{
    if (recordCount() == 0)
        return 0;
    const int record = m_shown.recordOf(m_grid.currentIndex());
    return (record >= 0 ? record : m_currentRecord) + 1;
}

void TextsNavigation::setCurrentRowNumber(int rowNumber)
{
    const int record = std::clamp(rowNumber, 1, std::max(1, recordCount())) - 1;
    const QModelIndex current = m_grid.currentIndex();
    selectRecord(record, current.isValid() ? std::max(current.column(), int(TextTable::Source))
                                           : int(TextTable::Translation));
}

void TextsNavigation::selectRecord(int record, int column)
{
    if (record >= recordCount())
        return;
    if (!m_shown.indexOf(record, column).isValid()) {
        m_search->clear();
        m_filter->setCurrentIndex(0);
    }
    m_currentRecord = record;
    m_grid.setCurrentIndex(m_shown.indexOf(record, column));
    m_grid.scrollTo(m_grid.currentIndex(), QAbstractItemView::PositionAtCenter);
}

void TextsNavigation::goToRecord(int record, int column)
{
    selectRecord(record, column);
    m_grid.setFocus(Qt::ShortcutFocusReason);
}

QList<int> TextsNavigation::selectedRecords() const
{
    QList<int> records;
    for (const QModelIndex &index : m_grid.selectionModel()->selectedIndexes())
        records.append(m_shown.recordOf(index));
    std::sort(records.begin(), records.end());
    records.erase(std::unique(records.begin(), records.end()), records.end());
    if (records.isEmpty() && m_currentRecord < recordCount())
        records.append(m_currentRecord);
    return records;
}

void TextsNavigation::focusGrid()
{
    // A row the search hides stays hidden: the search is the translator's.
    if (const QModelIndex translation = m_shown.indexOf(m_currentRecord, TextTable::Translation);
        translation.isValid())
        m_grid.setCurrentIndex(translation);
    m_grid.setFocus(Qt::OtherFocusReason);
}

void TextsNavigation::focusSearch()
{
    m_search->setFocus(Qt::ShortcutFocusReason);
    m_search->selectAll();
}

void TextsNavigation::goToFirstShownRow()
{
    if (m_shown.rowCount() == 0) {
        QApplication::beep();
        return;
    }
    goToRecord(m_shown.recordOf(m_shown.index(0, TextTable::Number)), TextTable::Translation);
}

void TextsNavigation::clearSearch()
{
    const int record = m_currentRecord;
    m_search->clear();
    goToRecord(record, TextTable::Translation);
}

// The next row the grid shows whose translation is its source, after the
// current one and round from the top.
void TextsNavigation::goToNextUntranslated()
{
    const TextReview &review = m_review.review();
    const int shown = m_shown.rowCount();
    const QModelIndex current = m_shown.indexOf(m_currentRecord, TextTable::Number);
    const int start = current.isValid() ? current.row() : -1;
    for (int step = 1; step <= shown; ++step) {
        const int record = m_shown.recordOf(m_shown.index((start + step) % shown, TextTable::Number));
        if (review.state(record) == TextReview::State::Untranslated) {
            goToRecord(record, TextTable::Translation);
            return;
        }
    }
    QApplication::beep();
}

void TextsNavigation::askRowNumber()
{
    if (const int rowNumber = TextsMessages::askRowNumber(m_page, currentRowNumber(), recordCount()); rowNumber > 0)
        goToRecord(rowNumber - 1, TextTable::Translation);
}

bool TextsNavigation::eventFilter(QObject *watched, QEvent *event)
{
    // Making the clear button's icon takes longer than the rest of the page;
    // it is made when the field is first used.
    if (watched == m_search && event->type() == QEvent::FocusIn)
        m_search->setClearButtonEnabled(true);
    if (watched == m_search && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Down:
            goToFirstShownRow();
            return true;
        case Qt::Key_Escape:
            clearSearch();
            return true;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace orvanta
