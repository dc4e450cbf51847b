#include "table/ElementLayout.h"

#include "data/ElementSymbols.h"

namespace ElementLayout {

namespace {

// One row per run of consecutive atomic numbers in the main block:
// {first z, last z, group of the first, period}.
struct Run
{
    int first;
    int last;
    int group;
    int period;
};
constexpr std::array<Run, 11> MainBlock = {{
    {1, 1, 1, 1},
    {2, 2, 18, 1},
    {3, 4, 1, 2},
    {5, 10, 13, 2},
    {11, 12, 1, 3},
    {13, 18, 13, 3},
    {19, 36, 1, 4},
    {37, 54, 1, 5},
    {55, 57, 1, 6},
    {72, 86, 4, 6},
    {87, 89, 1, 7},
}};

// The lanthanides and actinides after La and Ac stand in two rows of their own,
// half a cell right of group 3.
constexpr int InnerLeft = 112;
constexpr int LanthanideTop = 360;
constexpr int ActinideTop = 392;

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
    if (z >= 58 && z <= 71)
        return {InnerLeft + Pitch * (z - 58), LanthanideTop};
    if (z >= 90 && z <= 103)
        return {InnerLeft + Pitch * (z - 90), ActinideTop};
    for (const Run &run : MainBlock) {
        if (z >= run.first && z <= run.last) {
            const int group = run.group + (z - run.first);
            return {32 + Pitch * (group - 1), 128 + Pitch * (run.period - 1)};
        }
    }
    return {-1, -1};
}

const std::array<Label, 27> &labels()
{
    return Labels;
}

} // namespace ElementLayout
