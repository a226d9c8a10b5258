#pragma once

#include "TextFilterModel.h"

namespace orvanta {

class DocumentReview;

// What the text grid shows of the document's texts: the search and filter
// of TextFilterModel over a TextTableModel, with each row's state told in
// its number cell (a colour, and a tooltip naming the state and the row's
// warnings), the fixed rows greyed, and the source cells' tooltips saying
// what an edit there does. The number cell's tooltip ends with the row number.
class TextGridModel : public TextFilterModel {
    Q_OBJECT

public:
    // The review decides the filters and the states; it must outlive the model.
    explicit TextGridModel(const DocumentReview &review, QObject *parent = nullptr);

    // The record index of a grid index, -1 for none.
    int recordOf(const QModelIndex &index) const;
    // The grid index of record `record` in `column`; invalid while the
    // search or filter hides the record.
    QModelIndex indexOf(int record, int column) const;

    QVariant data(const QModelIndex &index, int role) const override;

private:
    const DocumentReview &m_review;
};

} // namespace orvanta
