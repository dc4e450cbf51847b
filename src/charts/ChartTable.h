#pragma once

#include "charts/ChartFill.h"

#include <QString>

// A chart's points read as a table, as a screen reader gives them to a user who cannot see
// the chart: one row per point, the element's symbol then its two values, the value columns
// headed by the axis titles.
namespace ChartTable {

inline constexpr int ColumnCount = 3;

// "Élément", then the bottom axis's title, then the left axis's.
QString header(int column, const QString &bottomTitle, const QString &leftTitle);

// The symbol, or the value written with the decimal comma ("7,87", "1,5E-05"); empty for a
// column outside the table.
QString cell(const ChartPoint &point, int column);

// "T eb (K) en abscisse, E.N. en ordonnée, 84 points".
QString summary(const QString &bottomTitle, const QString &leftTitle, int pointCount);

} // namespace ChartTable
