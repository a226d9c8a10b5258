#include "TextGridModel.h"

#include "TextsMessages.h"
#include "document/DocumentReview.h"
#include "texts/TextTable.h"

#include <QApplication>
#include <QBrush>
#include <QColor>
#include <QIcon>
#include <QStyle>

namespace orvanta {

namespace {

// The number cell's colour for each state; an untranslated row has none,
// so that the work still to do stands out against the done. Warnings are
// apart from the state: an icon beside the number, whatever the colour.
QVariant stateColour(TextReview::State state)
{
    switch (state) {
    case TextReview::State::Translated: return QBrush(QColor(0xB8, 0xE0, 0xB0)); // green
    case TextReview::State::NeedsReview: return QBrush(QColor(0xB8, 0xD0, 0xF0)); // blue
    case TextReview::State::Fixed: return QBrush(QColor(0xD8, 0xD8, 0xD8)); // grey
    case TextReview::State::Untranslated: break;
    }
    return {};
}

const QIcon &warningIcon()
{
    static const QIcon icon = QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
    return icon;
}

// A row drawn wider and without faults: a reason to look, not a warning.
const QIcon &widerIcon()
{
    static const QIcon icon = QApplication::style()->standardIcon(QStyle::SP_MessageBoxInformation);
    return icon;
}

} // namespace

TextGridModel::TextGridModel(const DocumentReview &review, QObject *parent)
    : TextFilterModel(parent)
    , m_review(review)
{
    setReview(&review.review());
}

int TextGridModel::recordOf(const QModelIndex &index) const
{
    return index.isValid() ? mapToSource(index).row() : -1;
}

QModelIndex TextGridModel::indexOf(int record, int column) const
{
    return sourceModel() ? mapFromSource(sourceModel()->index(record, column)) : QModelIndex();
}

QVariant TextGridModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::BackgroundRole && role != Qt::ForegroundRole && role != Qt::ToolTipRole
        && role != Qt::DecorationRole)
        return TextFilterModel::data(index, role);
    const TextReview &review = m_review.review();
    const int record = recordOf(index);
    if (record < 0 || record >= review.rowCount())
        return {};
    const bool fixed = TextTable::isFixed(record);
    if (role == Qt::ForegroundRole)
        return fixed ? QVariant(QBrush(QColor(0x80, 0x80, 0x80))) : QVariant();
    if (index.column() == TextTable::Number) {
        if (role == Qt::BackgroundRole)
            return stateColour(review.state(record));
        if (role == Qt::DecorationRole)
            return review.hasWarnings(record) ? QVariant(warningIcon())
                : review.isWider(record)     ? QVariant(widerIcon())
                                             : QVariant();
        return TextsMessages::rowStateTip(record + 1, review.state(record), m_review.marks().mark(record),
                                     review.findings(record));
    }
    if (role == Qt::DecorationRole)
        return {};
    if (role == Qt::ToolTipRole) {
        if (index.column() == TextTable::Source)
            return TextsMessages::sourceCellTip(fixed);
        if (fixed)
            return TextsMessages::fixedRowTip();
    }
    return {};
}

} // namespace orvanta
