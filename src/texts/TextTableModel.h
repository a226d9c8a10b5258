#pragma once

#include "CodePage.h"
#include "TextTable.h"

#include <QAbstractTableModel>

namespace orvanta {

// The text grid's model: one row per text record, showing and editing the
// records' bytes through the translator's code page. The bytes are the
// truth; changing the code page only changes how they are shown. An edit
// that the code page cannot hold is refused and leaves the cell as it was.
class TextTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Number = 0, Source = 1, Translation = 2, ColumnCount = 3 };

    explicit TextTableModel(QObject *parent = nullptr);

    TextTable &table() { return m_table; }
    const TextTable &table() const { return m_table; }

    // Call after changing the table behind the model's back (loading, the
    // reset of the fixed records).
    void reload();
    // Call after changing texts in place (the reset of the fixed records):
    // every cell is shown anew.
    void refresh();

    const CodePage &codePage() const { return m_codePage; }
    void setCodePage(int number);

    // The text of a cell as the grid shows it; empty outside the table.
    QString text(int index, Column column) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    TextTable m_table;
    CodePage m_codePage;
};

} // namespace orvanta
