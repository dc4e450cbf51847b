#include "charts/ChartTableAccessible.h"

#include "charts/ChartCellAccessible.h"
#include "charts/ChartTable.h"
#include "charts/ElementChart.h"

namespace {

QAccessibleInterface *chartFactory(const QString &, QObject *object)
{
    if (auto *chart = qobject_cast<ElementChart *>(object))
        return new ChartTableAccessible(chart);
    return nullptr;
}

} // namespace

// The interface lives no longer than the chart: Qt deletes it with the widget.
ChartTableAccessible::ChartTableAccessible(ElementChart *chart)
    : QAccessibleWidget(chart, QAccessible::Table)
{}

ChartTableAccessible::~ChartTableAccessible()
{
    for (const QAccessible::Id id : std::as_const(m_cells))
        QAccessible::deleteAccessibleInterface(id);
}

void ChartTableAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(chartFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

ElementChart *ChartTableAccessible::chart() const
{
    return static_cast<ElementChart *>(widget());
}

QString ChartTableAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Description && widget()->accessibleDescription().isEmpty())
        return ChartTable::summary(chart()->xAxis->label(), chart()->yAxis->label(), rowCount());
    return QAccessibleWidget::text(t);
}

int ChartTableAccessible::rowCount() const
{
    return int(chart()->points().size());
}

int ChartTableAccessible::columnCount() const
{
    return ChartTable::ColumnCount;
}

QString ChartTableAccessible::columnDescription(int column) const
{
    return ChartTable::header(column, chart()->xAxis->label(), chart()->yAxis->label());
}

QString ChartTableAccessible::rowDescription(int row) const
{
    return row >= 0 && row < rowCount() ? chart()->points()[row].lab : QString();
}

// Cells are kept by place, headers on row -1; each is registered once.
QAccessibleInterface *ChartTableAccessible::cachedCell(int row, int column) const
{
    const int key = (row + 1) * ChartTable::ColumnCount + column;
    if (const auto known = m_cells.constFind(key); known != m_cells.cend())
        return QAccessible::accessibleInterface(*known);
    auto *cell = new ChartCellAccessible(const_cast<ChartTableAccessible *>(this), row, column);
    m_cells.insert(key, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

QAccessibleInterface *ChartTableAccessible::cellAt(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= ChartTable::ColumnCount)
        return nullptr;
    return cachedCell(row, column);
}

QAccessibleInterface *ChartTableAccessible::headerCell(int column) const
{
    if (column < 0 || column >= ChartTable::ColumnCount)
        return nullptr;
    return cachedCell(-1, column);
}

int ChartTableAccessible::childCount() const
{
    return rowCount() * ChartTable::ColumnCount;
}

QAccessibleInterface *ChartTableAccessible::child(int index) const
{
    if (index < 0)
        return nullptr;
    return cellAt(index / ChartTable::ColumnCount, index % ChartTable::ColumnCount);
}

int ChartTableAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const auto *cell =
        child ? const_cast<QAccessibleInterface *>(child)->tableCellInterface() : nullptr;
    if (!cell || cell->table() != this || cell->rowIndex() < 0)
        return -1;
    return cell->rowIndex() * ChartTable::ColumnCount + cell->columnIndex();
}

// The points are not widgets: what stands under the mouse is the chart itself.
QAccessibleInterface *ChartTableAccessible::childAt(int, int) const
{
    return nullptr;
}

void *ChartTableAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface *>(this);
    return QAccessibleWidget::interface_cast(t);
}
