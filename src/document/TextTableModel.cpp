#include "TextTableModel.h"

namespace orvanta {

TextTableModel::TextTableModel(KitDocument &document, QObject *parent)
    : QAbstractTableModel(parent)
    , m_document(document)
{
    connect(&document, &KitDocument::textsChanged, this, &TextTableModel::showTexts);
    connect(&document, &KitDocument::codePageChanged, this, [this] { showTexts(0, rowCount() - 1); });
}

void TextTableModel::showTexts(int firstRow, int lastRow)
{
    if (firstRow <= lastRow && lastRow < rowCount())
        emit dataChanged(index(firstRow, Source), index(lastRow, Translation), {Qt::DisplayRole, Qt::EditRole});
}

QString TextTableModel::text(int row, Column column) const
{
    if (row < 0 || row >= rowCount())
        return {};
    switch (column) {
    case Number: return QString::number(row + 1);
    case Source: return m_document.codePage().decode(m_document.text(row, KitDocument::Source));
    case Translation: return m_document.codePage().decode(m_document.text(row, KitDocument::Translation));
    default: return {};
    }
}

bool TextTableModel::type(const QModelIndex &index, const QString &text, int editing)
{
    if (!(flags(index) & Qt::ItemIsEditable))
        return false;
    const auto bytes = m_document.codePage().encode(text);
    if (!bytes)
        return false;
    m_document.editText(index.row(), index.column() == Source ? KitDocument::Source : KitDocument::Translation,
                        *bytes, editing);
    return true;
}

int TextTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_document.texts().rowCount();
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
    return role == Qt::EditRole && type(index, value.toString(), 0);
}

Qt::ItemFlags TextTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.column() == Number)
        return Qt::ItemIsEnabled;
    // An edited source is kept only where the save copies it into the
    // translation; everywhere else the next start reads it from the kit's
    // own data again.
    if (index.column() == Source && !TextTable::isFixed(index.row()))
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
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
