#include "data/TTextTableModel.h"

#include "data/TTextTable.h"

TTextTableModel::TTextTableModel(TTextTable *table, QObject *parent)
    : QAbstractTableModel(parent), m_table(table)
{
    if (!table)
        return;
    connect(table, &TTextTable::contentsChanged, this, &TTextTableModel::reset);
    connect(table, &QObject::destroyed, this, &TTextTableModel::reset);
}

void TTextTableModel::reset()
{
    if (m_posting)
        return;
    beginResetModel();
    endResetModel();
}

int TTextTableModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !m_table)
        return 0;
    return m_table->RecordCount();
}

int TTextTableModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !m_table || !m_table->Active())
        return 0;
    return m_table->FieldCount();
}

QVariant TTextTableModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || !m_table)
        return {};
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    return m_table->RecordText(index.row(), index.column());
}

QVariant TTextTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || !m_table)
        return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < m_table->FieldCount() ? m_table->FieldNames().at(section)
                                                               : QVariant();
    return section + 1;
}

Qt::ItemFlags TTextTableModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && !m_readOnly)
        f |= Qt::ItemIsEditable;
    return f;
}

bool TTextTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || !m_table || m_readOnly ||
        role != Qt::EditRole)
        return false;
    // The edit goes through the cursor, as a data-aware box would do it, and is posted at once.
    m_table->setRecNo(index.row() + 1);
    m_posting = true;
    try {
        m_table->setFieldText(m_table->FieldNames().at(index.column()), value.toString());
        m_table->Post();
    } catch (...) {
        // A refused value leaves the record as it was, not an edit that every later move
        // would refuse again.
        m_table->Cancel();
        m_posting = false;
        throw;
    }
    m_posting = false;
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}
