#include "TextTableModel.h"

namespace orvanta {

TextTableModel::TextTableModel(KitDocument &document, QObject *parent)
    : QAbstractTableModel(parent)
    , m_document(document)
{
    connect(&document, &KitDocument::textsChanged, this, &TextTableModel::showTexts);
    connect(&document, &KitDocument::codePageChanged, this, [this] { showTexts(0, rowCount() - 1); });
    connect(&document, &KitDocument::marksChanged, this, [this](int firstRow, int lastRow) {
        if (firstRow <= lastRow && lastRow < rowCount())
            emit dataChanged(index(firstRow, TextTable::Number), index(lastRow, TextTable::Number), {NoteRole});
    });
}

void TextTableModel::showTexts(int firstRow, int lastRow)
{
    if (firstRow <= lastRow && lastRow < rowCount())
        emit dataChanged(index(firstRow, TextTable::Source), index(lastRow, TextTable::Translation),
                         {Qt::DisplayRole, Qt::EditRole});
}

QString TextTableModel::text(int row, TextTable::Column column) const
{
    if (row < 0 || row >= rowCount())
        return {};
    switch (column) {
    case TextTable::Number: return QString::number(row + 1);
    case TextTable::Source:
    case TextTable::Translation: return m_document.codePages().of(column, row).decode(m_document.text(row, column));
    default: return {};
    }
}

bool TextTableModel::type(const QModelIndex &index, const QString &text, int editing)
{
    if (!(flags(index) & Qt::ItemIsEditable))
        return false;
    // Only the source and translation cells are editable.
    const auto column = TextTable::Column(index.column());
    const auto bytes = m_document.codePages().of(column, index.row()).encode(text);
    if (!bytes)
        return false;
    m_document.editText(index.row(), column, *bytes, editing);
    return true;
}

int TextTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_document.texts().rowCount();
}

int TextTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : TextTable::ColumnCount;
}

QVariant TextTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return text(index.row(), TextTable::Column(index.column()));
    if (role == RecordRole)
        return index.row();
    if (role == NoteRole && index.column() == TextTable::Number)
        return m_document.marks().note(index.row());
    if (role == Qt::TextAlignmentRole && index.column() == TextTable::Number)
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

bool TextTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    return role == Qt::EditRole && type(index, value.toString(), 0);
}

Qt::ItemFlags TextTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.column() == TextTable::Number)
        return Qt::ItemIsEnabled;
    // An edited source is kept only where the save copies it into the
    // translation; everywhere else the next start reads it from the kit's
    // own data again.
    if (index.column() == TextTable::Source && !TextTable::isFixed(index.row()))
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section == TextTable::Source ? tr("Original texts") : QString();
    return QString::number(section + 1);
}

} // namespace orvanta
