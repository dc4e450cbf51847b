#pragma once

#include <QVector>

// Sideways scrolling of a grid with frozen columns, by whole columns: the scroll positions
// allowed are those that put one scrolling column's left edge right against the frozen
// part, so that no value is ever shown with its start hidden under the frozen columns.
namespace ColumnScroll {

// The allowed positions for scrolling columns of these widths, in pixels from the start:
// 0, then each column's left edge once the columns before it are scrolled away.
QVector<int> columnStarts(const QVector<int> &widths);

enum class Snap { Back, Forward, Nearest };

// The allowed position at or before `value`, at or after it, or the nearest one; past
// the last start the last one, before the first the first.
int snapped(const QVector<int> &starts, int value, Snap snap);

} // namespace ColumnScroll
