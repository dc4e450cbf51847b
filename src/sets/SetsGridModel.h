#pragma once

#include "sets/SetsColumn.h"

#include <QAbstractTableModel>
#include <QPointer>
#include <QVector>

class TTextTable;
class TTextTableModel;

// The sets grid's columns over an element table: each column shows one field of the table's
// records by name, so a field may appear in several columns and a field the table lacks shows
// empty cells. Read-only; the column titles are the columns' own, and each title's size hint
// gives its column's width.
class SetsGridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // The table is not owned and must outlive the model.
    explicit SetsGridModel(TTextTable *table, QObject *parent = nullptr);

    const QVector<SetsColumn> &columns() const { return m_columns; }
    void appendColumn(const SetsColumn &column);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    int sourceOf(const SetsColumn &column) const;
    void bindColumns();
    void sourceDataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight);

    QPointer<TTextTable> m_table;
    TTextTableModel *m_source = nullptr; // owned by this model
    QVector<SetsColumn> m_columns;
    QVector<int> m_sourceColumn; // per column: the table's field index, -1 when it has none
};
