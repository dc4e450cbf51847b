#pragma once

#include <QAccessibleWidget>
#include <QHash>

class ElementChart;

// A chart as a screen reader learns of it: a table of its points (element, X value, Y value)
// whose value columns are headed by the axis titles, described by both titles and the number
// of points. The cells are made as they are asked for and live as long as this interface.
class ChartTableAccessible : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit ChartTableAccessible(ElementChart *chart);
    ~ChartTableAccessible() override;

    // Makes Qt build this interface for every ElementChart; safe to call any number of times.
    static void install();

    ElementChart *chart() const;
    // The header cell of a column: row -1.
    QAccessibleInterface *headerCell(int column) const;

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    void *interface_cast(QAccessible::InterfaceType t) override;

    // QAccessibleTableInterface: a table to read, in which nothing is selected.
    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override;
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface *> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override {}

private:
    QAccessibleInterface *cachedCell(int row, int column) const;

    mutable QHash<int, QAccessible::Id> m_cells; // registered with Qt, deleted with this
};
