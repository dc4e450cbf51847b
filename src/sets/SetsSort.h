#pragma once

#include <QStringList>
#include <QVector>

// The order of the sets grid's rows sorted by one column: numbers (decimal comma) by value
// and before words, words as a French reader orders them (accents after the plain letter,
// case ignored), empty cells last whichever the direction; equal cells keep their order.
namespace SetsSort {

// The positions of `texts` in sorted order.
QVector<int> sortedOrder(const QStringList &texts, Qt::SortOrder order);

} // namespace SetsSort
