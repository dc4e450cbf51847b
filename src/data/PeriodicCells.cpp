#include "data/PeriodicCells.h"

#include "data/ElementTable.h"

#include <array>

namespace PeriodicCells {

namespace {

// One run of consecutive atomic numbers on one row: {first z, last z, row, first column}.
struct Run
{
    int first;
    int last;
    int row;
    int column;
};
constexpr std::array<Run, 14> Runs = {{
    {1, 1, 1, 1},
    {2, 2, 1, 18},
    {3, 4, 2, 1},
    {5, 10, 2, 13},
    {11, 12, 3, 1},
    {13, 18, 3, 13},
    {19, 36, 4, 1},
    {37, 54, 5, 1},
    {55, 57, 6, 1},
    {58, 71, 8, 3},
    {72, 86, 6, 4},
    {87, 89, 7, 1},
    {90, ElementTable::FirstEditionCount, 9, 3}, // Th to Lr
    {104, 118, 7, 4},
}};

} // namespace

Cell cell(int z)
{
    for (const Run &run : Runs) {
        if (z >= run.first && z <= run.last)
            return {run.row, run.column + (z - run.first)};
    }
    return {};
}

} // namespace PeriodicCells
