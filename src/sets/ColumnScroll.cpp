#include "sets/ColumnScroll.h"

#include <algorithm>

namespace ColumnScroll {

QVector<int> columnStarts(const QVector<int> &widths)
{
    QVector<int> starts{0};
    for (int c = 0; c + 1 < widths.size(); ++c)
        starts.append(starts.last() + widths[c]);
    return starts;
}

int snapped(const QVector<int> &starts, int value, Snap snap)
{
    if (starts.isEmpty())
        return 0;
    // The first start at or after the value; the starts never decrease.
    const auto after = std::lower_bound(starts.cbegin(), starts.cend(), value);
    if (after == starts.cend())
        return starts.last();
    if (*after == value || after == starts.cbegin())
        return *after;
    const int before = *(after - 1);
    switch (snap) {
    case Snap::Back:
        return before;
    case Snap::Forward:
        return *after;
    case Snap::Nearest:
        return value - before <= *after - value ? before : *after;
    }
    return before;
}

} // namespace ColumnScroll
