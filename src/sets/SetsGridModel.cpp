#include "sets/SetsGridModel.h"

#include "data/TTextTable.h"
#include "data/TTextTableModel.h"

#include <QApplication>
#include <QFont>
#include <QPalette>
#include <QSize>

SetsGridModel::SetsGridModel(TTextTable *table, QObject *parent)
    : QAbstractTableModel(parent), m_table(table), m_source(new TTextTableModel(table, this))
{
    m_source->setReadOnly(true);
    // The table only ever changes as a whole (opened, closed, reloaded): the field indexes
    // are looked up again each time.
    connect(m_source, &QAbstractItemModel::modelAboutToBeReset, this,
            &SetsGridModel::beginResetModel);
    connect(m_source, &QAbstractItemModel::modelReset, this, [this] {
        bindColumns();
        endResetModel();
    });
    connect(m_source, &QAbstractItemModel::dataChanged, this, &SetsGridModel::sourceDataChanged);
}

int SetsGridModel::sourceOf(const SetsColumn &column) const
{
    return m_table && !column.field.isEmpty() ? m_table->FieldIndex(column.field) : -1;
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

void SetsGridModel::sourceDataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight)
{
    for (int c = 0; c < m_sourceColumn.size(); ++c) {
        const int source = m_sourceColumn[c];
        if (source >= topLeft.column() && source <= bottomRight.column())
            emit dataChanged(index(topLeft.row(), c), index(bottomRight.row(), c));
    }
}

int SetsGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_source->rowCount();
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
        return m_source->data(m_source->index(index.row(), source));
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
