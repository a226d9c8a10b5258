#pragma once

#include "KitDocument.h"

#include <QAbstractTableModel>

namespace orvanta {

// The text grid's model: one row per text record of the document, showing
// the records' bytes through the document's code page and handing every
// edit to the document as an undo step. An edit that the code page cannot
// hold is refused and leaves the cell as it was. The translations can be
// edited, and the sources only of the fixed records (the save writes their
// source as their translation): the kit writes no other source anywhere.
// The columns are TextTable::Column's; every cell gives its record index
// under RecordRole, and the number cell the record's note under NoteRole.
class TextTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // The role under which every cell gives its record's index (an int).
    static constexpr int RecordRole = Qt::UserRole;
    // The role under which the number cell gives its record's note (a
    // QString, empty for none).
    static constexpr int NoteRole = Qt::UserRole + 1;

    // The document must be loaded already and outlive the model.
    explicit TextTableModel(KitDocument &document, QObject *parent = nullptr);

    KitDocument &document() const { return m_document; }

    // The text of a cell as the grid shows it; empty outside the table.
    QString text(int row, TextTable::Column column) const;

    // A new editing of one cell: what is typed during it is one undo step.
    int beginEditing() { return ++m_editings; }
    // Stores `text` typed into the cell during `editing`; false when the
    // code page cannot hold it.
    bool type(const QModelIndex &index, const QString &text, int editing);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void showTexts(int firstRow, int lastRow);

    KitDocument &m_document;
    int m_editings = 0;
};

} // namespace orvanta
