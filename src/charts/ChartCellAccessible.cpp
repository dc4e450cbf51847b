#include "charts/ChartCellAccessible.h"

#include "charts/ChartTable.h"
#include "charts/ChartTableAccessible.h"
#include "charts/ElementChart.h"

ChartCellAccessible::ChartCellAccessible(ChartTableAccessible *table, int row, int column)
    : m_table(table), m_chart(table->chart()), m_row(row), m_column(column)
{}

bool ChartCellAccessible::isValid() const
{
    return m_chart && m_row < int(m_chart->points().size()) && m_column >= 0 &&
           m_column < ChartTable::ColumnCount;
}

QWindow *ChartCellAccessible::window() const
{
    return m_table->window();
}

QAccessibleInterface *ChartCellAccessible::parent() const
{
    return m_table;
}

QAccessibleInterface *ChartCellAccessible::table() const
{
    return m_table;
}

QString ChartCellAccessible::text(QAccessible::Text t) const
{
    if (!isValid() || t != QAccessible::Name)
        return QString();
    if (m_row < 0)
        return ChartTable::header(m_column, m_chart->xAxis->label(), m_chart->yAxis->label());
    return ChartTable::cell(m_chart->points()[m_row], m_column);
}

// A point's cells stand where its marker is drawn; a header stands for the whole chart.
QRect ChartCellAccessible::rect() const
{
    if (!isValid())
        return QRect();
    const QRect whole(m_chart->mapToGlobal(QPoint(0, 0)), m_chart->size());
    if (m_row < 0)
        return whole;
    const QPointF at = m_chart->plotted(m_chart->points()[m_row]);
    const QPoint centre(int(m_chart->xAxis->coordToPixel(at.x())),
                        int(m_chart->yAxis->coordToPixel(at.y())));
    const int size = ElementChart::MarkerSize;
    return QRect(m_chart->mapToGlobal(centre) - QPoint(size / 2, size / 2), QSize(size, size));
}

QAccessible::Role ChartCellAccessible::role() const
{
    return m_row < 0 ? QAccessible::ColumnHeader : QAccessible::Cell;
}

QAccessible::State ChartCellAccessible::state() const
{
    QAccessible::State state;
    state.readOnly = true;
    state.invisible = !isValid() || !m_chart->isVisible();
    return state;
}

void *ChartCellAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TableCellInterface)
        return static_cast<QAccessibleTableCellInterface *>(this);
    return nullptr;
}

QList<QAccessibleInterface *> ChartCellAccessible::columnHeaderCells() const
{
    if (m_row < 0)
        return {};
    return {m_table->headerCell(m_column)};
}
