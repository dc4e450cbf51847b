#include "table/TableMoves.h"

#include "table/ElementLayout.h"

#include <cstdlib>
#include <tuple>

namespace TableMoves {

namespace {

bool inTable(int z)
{
    return z >= 1 && z <= ElementLayout::ElementCount;
}

// The nearest button of `from`'s row on one side, or the farthest for a row's end.
int alongRow(int from, Key key)
{
    const QPoint start = ElementLayout::buttonPosition(from);
    const bool rightwards = key == Key::Right || key == Key::RowEnd;
    const bool farthest = key == Key::RowStart || key == Key::RowEnd;
    int best = from;
    int bestDistance = 0;
    for (int z = 1; z <= ElementLayout::ElementCount; ++z) {
        const QPoint at = ElementLayout::buttonPosition(z);
        const int distance = rightwards ? at.x() - start.x() : start.x() - at.x();
        if (at.y() != start.y() || distance <= 0)
            continue;
        if (best == from || (farthest ? distance > bestDistance : distance < bestDistance)) {
            best = z;
            bestDistance = distance;
        }
    }
    return best;
}

int acrossRows(int from, Key key)
{
    const QPoint start = ElementLayout::buttonPosition(from);
    int best = from;
    std::tuple<int, int> bestRank;
    for (int z = 1; z <= ElementLayout::ElementCount; ++z) {
        const QPoint at = ElementLayout::buttonPosition(z);
        const int along = key == Key::Down ? at.y() - start.y() : start.y() - at.y();
        const int aside = std::abs(at.x() - start.x());
        if (along <= 0 || aside > along)
            continue;
        const std::tuple<int, int> rank{aside, along};
        if (best == from || rank < bestRank) {
            best = z;
            bestRank = rank;
        }
    }
    return best;
}

} // namespace

int next(int from, Key key)
{
    if (!inTable(from))
        return 0;
    if (key == Key::Up || key == Key::Down)
        return acrossRows(from, key);
    return alongRow(from, key);
}

} // namespace TableMoves
