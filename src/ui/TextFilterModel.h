#pragma once

#include "texts/TextReview.h"

#include <QSortFilterProxyModel>
#include <QString>

#include <vector>

namespace orvanta {

// The text grid's search and filter: shows the rows whose source,
// translation or note holds the search text (case-insensitive, the texts as
// the code page decodes them) and whose state passes the filter. It works
// over a TextTableModel, or any model laid out as it is: the columns of
// TextTable::Column, the texts read through Qt::DisplayRole, each row's
// record index through TextTableModel::RecordRole and its note through
// TextTableModel::NoteRole. Edits through it reach
// the source model's row.
//
// Rows are chosen only when the search text or filter is set (or
// invalidate() is called): a row being typed in stays shown even when it no
// longer matches. The texts are decoded and case-folded once per row and
// kept; an edited row is decoded again when the next search needs it.
class TextFilterModel : public QSortFilterProxyModel {
    Q_OBJECT

public:
    explicit TextFilterModel(QObject *parent = nullptr);

    // The states behind the filters other than All; not owned, and kept up
    // to date by its owner. Without one, those filters show no row.
    void setReview(const TextReview *review);

    QString searchText() const { return m_search; }
    void setSearchText(const QString &text);

    TextReview::Filter rowFilter() const { return m_filter; }
    void setRowFilter(TextReview::Filter filter);

    void setSourceModel(QAbstractItemModel *model) override;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    struct CachedRow {
        int record = -1; // record index; -1 until needed
        QString folded;  // case-folded source, translation and note, U+FFFF between; null until needed
    };

    CachedRow &cached(int sourceRow) const;
    QVariant sourceData(int sourceRow, int column, int role) const;
    void forgetAll();
    void forgetRows(const QModelIndex &topLeft, const QModelIndex &bottomRight);

    const TextReview *m_review = nullptr;
    QString m_search;       // as typed
    QString m_foldedSearch; // case-folded
    TextReview::Filter m_filter = TextReview::Filter::All;
    mutable std::vector<CachedRow> m_rows; // by source row
    QList<QMetaObject::Connection> m_connections;
};

} // namespace orvanta
