#include "sets/SetsGridModel.h"

#include "data/ElementStore.h"
#include "sets/SetsSort.h"

#include <QApplication>
#include <QFont>
#include <QPalette>
#include <QSize>

#include <numeric>

namespace {

QVector<int> atomicOrder(int rows)
{
    QVector<int> order(rows);
    std::iota(order.begin(), order.end(), 1);
    return order;
}

} // namespace

SetsGridModel::SetsGridModel(const ElementStore &store, QObject *parent)
    : QAbstractTableModel(parent), m_store(store), m_rows(store.records().count()),
      m_order(atomicOrder(m_rows))
{
    connect(&m_store, &ElementStore::changed, this, &SetsGridModel::recordsChanged);
}

int SetsGridModel::sourceOf(const SetsColumn &column) const
{
    return column.field.isEmpty() ? -1 : m_store.records().fieldIndex(column.field);
}

void SetsGridModel::bindColumns()
{
    m_sourceColumn.clear();
    for (const SetsColumn &column : m_columns)
        m_sourceColumn.append(sourceOf(column));
}

void SetsGridModel::appendColumn(const SetsColumn &column)
{
    const int at = static_cast<int>(m_columns.size());
    beginInsertColumns({}, at, at);
    m_columns.append(column);
    m_sourceColumn.append(sourceOf(column));
    endInsertColumns();
}

void SetsGridModel::removeColumn(int column)
{
    if (column < 0 || column >= m_columns.size())
        return;
    beginRemoveColumns({}, column, column);
    m_columns.removeAt(column);
    m_sourceColumn.removeAt(column);
    if (m_sortColumn == column)
        m_sortColumn = -1;
    else if (m_sortColumn > column)
        --m_sortColumn;
    endRemoveColumns();
}

void SetsGridModel::sortByTitle(int column)
{
    if (column < 0 || column >= m_columns.size())
        return;
    if (column == 0) {
        m_sortColumn = -1;
        m_sortOrder = Qt::AscendingOrder;
        reorder(atomicOrder(m_rows));
        return;
    }
    m_sortOrder = column == m_sortColumn && m_sortOrder == Qt::AscendingOrder ? Qt::DescendingOrder
                                                                              : Qt::AscendingOrder;
    m_sortColumn = column;
    // Sorted from atomic number order, so that equal cells stand by atomic number.
    const QVector<int> atomic = atomicOrder(m_rows);
    QStringList texts;
    for (const int z : atomic)
        texts.append(m_sourceColumn[column] < 0
                         ? QString()
                         : m_store.records().text(z, m_sourceColumn[column]));
    QVector<int> records;
    for (const int position : SetsSort::sortedOrder(texts, m_sortOrder))
        records.append(atomic[position]);
    reorder(records);
}

void SetsGridModel::reorder(const QVector<int> &records)
{
    emit layoutAboutToBeChanged({}, VerticalSortHint);
    QVector<int> rowOf(m_rows + 1, 0);
    for (int row = 0; row < records.size(); ++row)
        rowOf[records[row]] = row;
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    for (const QModelIndex &index : before)
        after.append(this->index(rowOf[m_order[index.row()]], index.column()));
    m_order = records;
    changePersistentIndexList(before, after);
    emit layoutChanged({}, VerticalSortHint);
}

void SetsGridModel::recordsChanged()
{
    // A posted value changes cells; an opening or a closing changes the records as a whole,
    // and the field indexes are looked up again.
    const int rows = m_store.records().count();
    if (rows == m_rows) {
        if (rows > 0 && !m_columns.isEmpty())
            emit dataChanged(index(0, 0), index(rows - 1, int(m_columns.size()) - 1),
                             {Qt::DisplayRole});
        return;
    }
    beginResetModel();
    m_rows = rows;
    m_order = atomicOrder(rows);
    m_sortColumn = -1;
    bindColumns();
    endResetModel();
}

int SetsGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int SetsGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant SetsGridModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const SetsColumn::Look look = m_columns[index.column()].look;
    switch (role) {
    case Qt::DisplayRole: {
        const int source = m_sourceColumn[index.column()];
        if (source < 0)
            return QString();
        return m_store.records().text(m_order[index.row()], source);
    }
    case Qt::FontRole:
        if (look == SetsColumn::Look::Key) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::BackgroundRole:
        if (look == SetsColumn::Look::Key)
            return QApplication::palette().button();
        return {};
    case Qt::TextAlignmentRole:
        if (look == SetsColumn::Look::Centred)
            return int(Qt::AlignCenter);
        return {};
    default:
        return {};
    }
}

QVariant SetsGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical)
        return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    if (section < 0 || section >= m_columns.size())
        return {};
    if (role == Qt::DisplayRole)
        return m_columns[section].title;
    if (role == Qt::SizeHintRole)
        return QSize(m_columns[section].width, 0);
    return {};
}

Qt::ItemFlags SetsGridModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren
                           : Qt::NoItemFlags;
}
