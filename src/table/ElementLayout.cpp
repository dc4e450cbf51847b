#include "table/ElementLayout.h"

#include "data/ElementSymbols.h"
#include "data/PeriodicCells.h"

namespace ElementLayout {

namespace {

// The main block's top-left button, and the rows of the lanthanides and actinides, which
// stand half a cell right of group 3.
constexpr QPoint MainOrigin{32, 128};
constexpr int InnerLeft = 112;
constexpr int LanthanideTop = 360;
constexpr int InnerRow = 8;

constexpr std::array<Label, 27> Labels = {{
    {"1", 44, 104},    {"2", 76, 136},   {"3", 108, 200},  {"4", 140, 200},  {"5", 168, 200},
    {"6", 200, 200},   {"7", 232, 200},  {"8", 264, 200},  {"9", 296, 200},  {"10", 328, 200},
    {"11", 360, 200},  {"12", 392, 200}, {"13", 424, 136}, {"14", 456, 136}, {"15", 488, 136},
    {"16", 520, 136},  {"17", 552, 136}, {"18", 584, 104}, {"I", 12, 136},   {"II", 12, 167},
    {"III", 12, 199},  {"IV", 12, 231},  {"V", 12, 263},   {"VI", 12, 295},  {"VII", 12, 327},
    {"VIII", 84, 367}, {"IX", 92, 399},
}};

} // namespace

QString symbol(int z)
{
    return ElementSymbols::symbol(z);
}

QPoint buttonPosition(int z)
{
    const PeriodicCells::Cell cell = PeriodicCells::cell(z);
    if (cell.row == 0)
        return {-1, -1};
    if (cell.row >= InnerRow)
        return {InnerLeft + Pitch * (cell.column - 3),
                LanthanideTop + Pitch * (cell.row - InnerRow)};
    return {MainOrigin.x() + Pitch * (cell.column - 1), MainOrigin.y() + Pitch * (cell.row - 1)};
}

const std::array<Label, 27> &labels()
{
    return Labels;
}

} // namespace ElementLayout
