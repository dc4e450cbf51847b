#pragma once

#include <QString>
#include <QVector>

class ElementRecords;

// One plotted element: its symbol as the point label, and the point.
struct ChartPoint
{
    QString lab;
    double x = 0;
    double y = 0;
};
using ChartPoints = QVector<ChartPoint>;

// The fills of the chart windows: the element records in atomic-number order turned into
// the points of the charts, sorted by ascending X (Y values are not sorted; elements with
// equal X keep their table order). A column the records lack raises their EDatabaseError
// (the symbol's first, then the columns in the order given), a text that is not a number
// (decimal comma, optional exponent) raises EConvertError naming the element and field.
namespace ChartFill {

// Graph XY: one point per element holding a value in both columns.
ChartPoints xy(const ElementRecords &records, const QString &xColumn, const QString &yColumn);

// Graph L/C: the value of `column` against the element's row (LIGNE) and, second, against
// its column (COLONNE), for the elements holding a value and a row. An element whose
// column is empty is kept on the rows chart only.
struct RowColumn
{
    ChartPoints byRow;
    ChartPoints byColumn;
};
RowColumn rowColumn(const ElementRecords &records, const QString &column);

void sortByX(ChartPoints &points);

} // namespace ChartFill
