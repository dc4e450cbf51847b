#include "sets/SetsGridModel.h"

#include "data/ElementStore.h"

#include <QApplication>
#include <QFont>
#include <QPalette>
#include <QSize>

SetsGridModel::SetsGridModel(const ElementStore &store, QObject *parent)
    : QAbstractTableModel(parent), m_store(store), m_rows(store.records().count())
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
        return m_store.records().text(index.row() + 1, source);
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
