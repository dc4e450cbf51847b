#pragma once

#include "sets/SetsColumn.h"

#include <QAbstractTableModel>
#include <QVector>

class ElementStore;

// The sets grid's columns over the element store: each column shows one field of the store's
// records by name, so a field may appear in several columns and a field the table lacks shows
// empty cells. Read-only; the column titles are the columns' own, and each title's size hint
// gives its column's width.
class SetsGridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // The store is not owned and must outlive the model.
    explicit SetsGridModel(const ElementStore &store, QObject *parent = nullptr);

    const QVector<SetsColumn> &columns() const { return m_columns; }
    void appendColumn(const SetsColumn &column);
    // Takes the column out; a sort by it is dropped, the rows keeping their order.
    void removeColumn(int column);

    // A click on a column's title: sorted by it ascending, by the same column again the
    // other way; the first column's title gives back the atomic number order.
    void sortByTitle(int column);
    // The column the rows are sorted by, -1 in atomic number order.
    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    int sourceOf(const SetsColumn &column) const;
    void bindColumns();
    void recordsChanged();
    void reorder(const QVector<int> &records);

    const ElementStore &m_store;
    int m_rows = 0; // the records' count as last told to the views
    QVector<SetsColumn> m_columns;
    QVector<int> m_sourceColumn; // per column: the records' field index, -1 when they have none
    QVector<int> m_order;        // per row: the atomic number it shows
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
