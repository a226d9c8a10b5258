#include "TextTableModel.h"

namespace orvanta {

TextTableModel::TextTableModel(QObject *parent)
    : QAbstractTableModel(parent)
    , m_codePage(CodePage::localeDefault())
{
}

void TextTableModel::reload()
{
    beginResetModel();
    endResetModel();
}

void TextTableModel::setCodePage(int number)
{
    if (number == m_codePage.number())
        return;
    m_codePage = CodePage(number);
    refresh();
}

void TextTableModel::refresh()
{
    if (rowCount() > 0)
        emit dataChanged(index(0, Source), index(rowCount() - 1, Translation));
}

QString TextTableModel::text(int index, Column column) const
{
    if (index < 0 || index >= m_table.rowCount())
        return {};
    switch (column) {
    case Number: return QString::number(index + 1);
    case Source: return m_codePage.decode(m_table.row(index).source);
    case Translation: return m_codePage.decode(m_table.row(index).translation);
    default: return {};
    }
}

int TextTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_table.rowCount();
}

int TextTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TextTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return text(index.row(), Column(index.column()));
    if (role == Qt::TextAlignmentRole && index.column() == Number)
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

bool TextTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || index.column() == Number)
        return false;
    const auto bytes = m_codePage.encode(value.toString());
    if (!bytes)
        return false;
    const TextTable::Row &row = m_table.row(index.row());
    if ((index.column() == Source ? row.source : row.translation) == *bytes)
        return true;
    if (index.column() == Source)
        m_table.setSource(index.row(), *bytes);
    else
        m_table.setTranslation(index.row(), *bytes);
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

Qt::ItemFlags TextTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.column() == Number)
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section == Source ? QStringLiteral("Original texts") : QString();
    return QString::number(section + 1);
}

} // namespace orvanta
