#pragma once

#include <QAccessibleInterface>
#include <QPointer>

class ChartTableAccessible;
class ElementChart;

// One cell of a chart's table of points, or with row -1 the header of a column. It reads the
// chart's points as they are now: a row the points no longer reach is no longer valid.
class ChartCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface
{
public:
    // `table` is the chart's interface, which owns the cell and outlives it.
    ChartCellAccessible(ChartTableAccessible *table, int row, int column);

    bool isValid() const override;
    QObject *object() const override { return nullptr; }
    QWindow *window() const override;
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType t) override;

    // QAccessibleTableCellInterface
    bool isSelected() const override { return false; }
    QList<QAccessibleInterface *> columnHeaderCells() const override;
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override;

private:
    ChartTableAccessible *m_table;
    QPointer<ElementChart> m_chart;
    int m_row;
    int m_column;
};
